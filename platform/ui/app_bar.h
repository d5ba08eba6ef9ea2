// The application bar: a top-level window docked at a screen edge that reserves its strip of
// the screen (EWMH struts on X11; elsewhere a plain window placed at the edge), with auto-hide
// (the bar slides away leaving a thin edge and comes back when the pointer touches it) and
// always-on-top. It hosts one widget that fills it.
#pragma once

#include <QRect>
#include <QTimer>
#include <QWidget>

#include "platform/ui/visual_manager.h"

namespace ui {

class AppBarWnd : public QWidget {
 public:
  explicit AppBarWnd(QWidget* parent = nullptr);
  ~AppBarWnd() override;

  static constexpr int kHiddenThickness = 4;  // what stays of an auto-hidden bar

  // Width when docked at the left or right edge, height at the top or bottom, and the rectangle
  // of the floating bar.
  void SetSizes(int sideWidth, int topHeight, const QRect& floating);

  // The widget that fills the bar.
  void SetHostedWidget(QWidget* widget);
  QWidget* HostedWidget() const { return hosted_; }

  void DockToEdge(DockEdge edge);
  DockEdge GetDockEdge() const { return edge_; }

  // The rectangle the bar takes at `edge` on its screen.
  QRect DockedRect(DockEdge edge) const;

  void SetAutoHide(bool on);
  bool IsAutoHide() const { return autoHide_; }
  // True while an auto-hidden bar is slid away.
  bool IsSlidAway() const { return slidAway_; }

  void SetAlwaysOnTop(bool on);
  bool IsAlwaysOnTop() const { return alwaysOnTop_; }

  // Re-places the bar and its reserved strip after a change of screen or sizes.
  void RecalcLayout();

  // For auto-hide: shows the whole bar when `pointer` (global) is on it or on its thin edge,
  // slides it away otherwise. Called by the bar's own pointer watch.
  void TrackPointer(const QPoint& pointer);

 protected:
  void resizeEvent(QResizeEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  void ApplyStrut();
  void Place();

  QWidget* hosted_ = nullptr;
  DockEdge edge_ = DockEdge::Float;
  int sideWidth_ = 300, topHeight_ = 200;
  QRect floating_{0, 0, 300, 400};
  bool autoHide_ = false, alwaysOnTop_ = false, slidAway_ = false;
  QTimer pointerWatch_;
};

}  // namespace ui
