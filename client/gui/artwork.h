// The exam client's artwork, drawn by the program itself: the application icon, the seven
// toolbar images of the question bar, and the skin pictures of the tasks pane.
#pragma once

#include <QIcon>
#include <QImage>
#include <string>

// The application icon (the one icon of the program's windows).
QIcon ExamIcon();

// The question bar's toolbar image `index` (0 folder, 1 browser, 2 mail, 3 pin, 4 larger
// font, 5 smaller font, 6 exit); a null icon outside 0..6.
QIcon ToolbarIcon(int index);

// The tasks pane's skin: tall for a bar at the left or right edge, wide for one at the top.
QImage SkinImage(bool horizontal);

// Writes "bgv.gif" and "bgh.gif" into a host folder (created when missing); false on failure.
bool WriteSkinFiles(const std::string& hostFolder);
