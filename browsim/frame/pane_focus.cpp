// The focus cycle of the pane keys.
#include "browsim/frame/pane_focus.h"

#include <QWidget>

namespace {

bool TakesFocus(const QWidget* w) {
  return w->isEnabled() && w->isVisible() &&
         (w->focusProxy() || (w->focusPolicy() & Qt::TabFocus) != 0);
}

// The pane itself, or its first descendant that takes the focus.
QWidget* FocusTarget(QWidget* pane) {
  if (!pane || !pane->isVisible() || !pane->isEnabled()) return nullptr;
  if (TakesFocus(pane)) return pane;
  for (QWidget* w : pane->findChildren<QWidget*>())
    if (TakesFocus(w)) return w;
  return nullptr;
}

}  // namespace

void FocusNextPane(const std::vector<QWidget*>& panes, bool forward) {
  const int count = static_cast<int>(panes.size());
  if (count == 0) return;
  QWidget* window = nullptr;
  for (QWidget* p : panes)
    if (p) window = p->window();
  const QWidget* focus = window ? window->focusWidget() : nullptr;
  int current = -1;
  for (int i = 0; i < count && focus; ++i) {
    if (panes[i] && (panes[i] == focus || panes[i]->isAncestorOf(focus))) current = i;
  }
  const int step = forward ? 1 : count - 1;
  int i = current < 0 ? (forward ? count - 1 : 0) : current;
  for (int tried = 0; tried < count; ++tried) {
    i = (i + step) % count;
    if (i == current) return;
    if (QWidget* target = FocusTarget(panes[i])) {
      target->setFocus(Qt::ShortcutFocusReason);
      return;
    }
  }
}
