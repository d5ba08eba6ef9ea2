// The tasks pane's layout is computed by hand (groups are few and fixed); painting goes through
// the visual manager so that the program's own look reaches every part of the pane.
#include "platform/ui/tasks_pane.h"

#include <QContextMenuEvent>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

namespace ui {
namespace {
constexpr int kMargin = 2;
}

TasksPane::TasksPane(QWidget* parent) : QWidget(parent) {
  setMouseTracking(true);
  setAttribute(Qt::WA_OpaquePaintEvent);
}

int TasksPane::AddGroup(const QString& caption, bool canCollapse) {
  Group g;
  g.caption = caption;
  g.canCollapse = canCollapse;
  groups_.push_back(g);
  AdjustLayout();
  return int(groups_.size()) - 1;
}

QString TasksPane::GroupCaption(int group) const {
  return Valid(group) ? groups_[group].caption : QString();
}

void TasksPane::SetGroupCaption(int group, const QString& caption) {
  if (!Valid(group) || groups_[group].caption == caption) return;
  groups_[group].caption = caption;
  update(groups_[group].captionRect);
}

void TasksPane::SetGroupTextColor(int group, const QColor& color, const QColor& hot) {
  if (!Valid(group)) return;
  groups_[group].text = color;
  groups_[group].textHot = hot;
  update(groups_[group].captionRect);
}

QColor TasksPane::GroupTextColor(int group) const {
  return Valid(group) ? groups_[group].text : QColor();
}

void TasksPane::SetGroupCollapsed(int group, bool collapsed) {
  if (!Valid(group) || !groups_[group].canCollapse) return;
  groups_[group].collapsed = collapsed;
  AdjustLayout();
}

bool TasksPane::IsGroupCollapsed(int group) const {
  return Valid(group) && groups_[group].collapsed;
}

void TasksPane::AddWindow(int group, QWidget* window, int height) {
  if (!Valid(group) || !window) return;
  window->setParent(this);
  groups_[group].windows.push_back({window, std::max(0, height)});
  window->show();
  AdjustLayout();
}

void TasksPane::StoreWindowHeight(QWidget* window, int height) {
  for (Group& g : groups_)
    for (Window& w : g.windows)
      if (w.widget == window) w.height = std::max(0, height);
}

void TasksPane::SetWindowHeight(QWidget* window, int height) {
  StoreWindowHeight(window, height);
  AdjustLayout();
}

void TasksPane::SetDockEdge(DockEdge edge) {
  edge_ = edge;
  update();
}

QRect TasksPane::CaptionRect(int group) const {
  return Valid(group) ? groups_[group].captionRect : QRect();
}

void TasksPane::AdjustLayout() {
  const int width = std::max(0, this->width() - 2 * kMargin);
  int y = kMargin;
  for (Group& g : groups_) {
    g.captionRect = QRect(kMargin, y, width, kCaptionHeight);
    y += kCaptionHeight;
    const int top = y;
    for (Window& w : g.windows) {
      if (g.collapsed) {
        w.widget->hide();
        continue;
      }
      w.widget->setGeometry(kMargin + 1, y, std::max(0, width - 2), w.height);
      w.widget->show();
      y += w.height;
    }
    if (!g.collapsed && !g.windows.empty()) y += 1;
    g.areaRect = QRect(kMargin, top, width, y - top);
    y += kMargin;
  }
  update();
}

void TasksPane::paintEvent(QPaintEvent*) {
  QPainter p(this);
  VisualManager& look = VisualManager::Default();
  look.FillTasksPaneBackground(p, rect(), edge_);
  for (int i = 0; i < int(groups_.size()); ++i) {
    const Group& g = groups_[i];
    if (!g.areaRect.isEmpty()) {
      look.FillTasksGroupInterior(p, g.areaRect);
      look.DrawTasksGroupAreaBorder(p, g.areaRect);
    }
    TasksGroupCaption caption{g.caption, g.canCollapse, g.collapsed, i == hot_, g.text, g.textHot};
    look.DrawTasksGroupCaption(p, g.captionRect, caption);
  }
}

void TasksPane::resizeEvent(QResizeEvent*) {
  AdjustLayout();
}

void TasksPane::mousePressEvent(QMouseEvent* event) {
  for (int i = 0; i < int(groups_.size()); ++i)
    if (groups_[i].captionRect.contains(event->position().toPoint()) && groups_[i].canCollapse)
      return SetGroupCollapsed(i, !groups_[i].collapsed);
}

void TasksPane::mouseMoveEvent(QMouseEvent* event) {
  int hot = -1;
  for (int i = 0; i < int(groups_.size()); ++i)
    if (groups_[i].captionRect.contains(event->position().toPoint())) hot = i;
  if (hot != hot_) {
    hot_ = hot;
    update();
  }
}

void TasksPane::leaveEvent(QEvent*) {
  if (hot_ != -1) {
    hot_ = -1;
    update();
  }
}

// The pane offers no context menu.
void TasksPane::contextMenuEvent(QContextMenuEvent* event) {
  event->accept();
}

}  // namespace ui
