// The frame's pane keys (F6, Shift+F6): the keyboard focus moves round the address box, the side
// pane when one is shown, and the page.
#pragma once

#include <vector>

class QWidget;

// Moves the focus to the pane after (`forward`) or before the one holding the window's focus,
// in the order of `panes`; null, hidden and disabled panes, and panes with nothing that takes
// focus, are passed over. From outside every pane the focus goes to the first (or last).
void FocusNextPane(const std::vector<QWidget*>& panes, bool forward);
