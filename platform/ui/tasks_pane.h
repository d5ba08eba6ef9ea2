// The tasks pane: a caption-less pane of groups, each a caption band (which may collapse the
// group) over the windows added to it, stacked top to bottom and as wide as the pane. Everything
// is painted by the default visual manager.
#pragma once

#include <QColor>
#include <QString>
#include <QWidget>
#include <vector>

#include "platform/ui/visual_manager.h"

namespace ui {

class TasksPane : public QWidget {
 public:
  explicit TasksPane(QWidget* parent = nullptr);

  static constexpr int kCaptionHeight = 24;

  // Adds a group and returns its index.
  int AddGroup(const QString& caption, bool canCollapse = true);
  QString GroupCaption(int group) const;
  void SetGroupCaption(int group, const QString& caption);
  // The caption's text colour and its colour while the pointer is on it (invalid: the look's).
  void SetGroupTextColor(int group, const QColor& color, const QColor& hot = {});
  QColor GroupTextColor(int group) const;
  void SetGroupCollapsed(int group, bool collapsed);
  bool IsGroupCollapsed(int group) const;

  // Adds `window` (reparented to the pane) to a group, `height` pixels high.
  void AddWindow(int group, QWidget* window, int height);
  void SetWindowHeight(QWidget* window, int height);

  // Where the pane's bar is docked; the look may choose its background by it.
  void SetDockEdge(DockEdge edge);
  DockEdge GetDockEdge() const { return edge_; }

  // The caption band of a group in pane coordinates.
  QRect CaptionRect(int group) const;

  // Lays the groups and their windows out again.
  virtual void AdjustLayout();

 protected:
  // Changes a window's height without laying out again (for AdjustLayout overrides).
  void StoreWindowHeight(QWidget* window, int height);

  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;

 private:
  struct Window {
    QWidget* widget;
    int height;
  };
  struct Group {
    QString caption;
    bool canCollapse = true;
    bool collapsed = false;
    QColor text, textHot;
    std::vector<Window> windows;
    QRect captionRect, areaRect;
  };
  bool Valid(int group) const { return group >= 0 && group < int(groups_.size()); }

  std::vector<Group> groups_;
  DockEdge edge_ = DockEdge::Left;
  int hot_ = -1;
};

}  // namespace ui
