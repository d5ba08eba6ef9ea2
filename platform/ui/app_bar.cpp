// The bar's docking on X11 follows the window-manager hints: the window is a dock window and
// _NET_WM_STRUT / _NET_WM_STRUT_PARTIAL reserve its strip, so maximised windows leave it free.
// An auto-hidden bar reserves nothing. Other platforms (offscreen in tests) just get the geometry.
#include "platform/ui/app_bar.h"

#include <QCursor>
#include <QGuiApplication>
#include <QScreen>
#include <algorithm>
#include <array>
#include <cstdlib>
#include <cstring>

#if KIRV_HAVE_XCB
#include <QtGui/qguiapplication_platform.h>
#include <xcb/xcb.h>
#endif

namespace ui {
namespace {

#if KIRV_HAVE_XCB
xcb_atom_t Atom(xcb_connection_t* c, const char* name) {
  xcb_intern_atom_reply_t* reply =
      xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, uint16_t(strlen(name)), name), nullptr);
  const xcb_atom_t atom = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
  free(reply);
  return atom;
}
#endif

}  // namespace

AppBarWnd::AppBarWnd(QWidget* parent) : QWidget(parent, Qt::Window | Qt::FramelessWindowHint) {
  pointerWatch_.setInterval(150);
  QObject::connect(&pointerWatch_, &QTimer::timeout, this,
                   [this] { TrackPointer(QCursor::pos()); });
}

AppBarWnd::~AppBarWnd() = default;

void AppBarWnd::SetSizes(int sideWidth, int topHeight, const QRect& floating) {
  sideWidth_ = std::max(1, sideWidth);
  topHeight_ = std::max(1, topHeight);
  floating_ = floating;
}

void AppBarWnd::SetHostedWidget(QWidget* widget) {
  hosted_ = widget;
  if (hosted_) {
    hosted_->setParent(this);
    hosted_->setGeometry(rect());
    hosted_->show();
  }
}

QRect AppBarWnd::DockedRect(DockEdge edge) const {
  QScreen* s = screen() ? screen() : QGuiApplication::primaryScreen();
  const QRect g = s ? s->geometry() : QRect(0, 0, 1024, 768);
  switch (edge) {
    case DockEdge::Left:
      return {g.left(), g.top(), sideWidth_, g.height()};
    case DockEdge::Right:
      return {g.right() + 1 - sideWidth_, g.top(), sideWidth_, g.height()};
    case DockEdge::Top:
      return {g.left(), g.top(), g.width(), topHeight_};
    case DockEdge::Bottom:
      return {g.left(), g.bottom() + 1 - topHeight_, g.width(), topHeight_};
    case DockEdge::Float:
      break;
  }
  return floating_;
}

void AppBarWnd::DockToEdge(DockEdge edge) {
  edge_ = edge;
  const bool wasVisible = isVisible();
  const bool docked = edge != DockEdge::Float;
  if (docked != testAttribute(Qt::WA_X11NetWmWindowTypeDock)) {
    if (wasVisible) hide();
    setAttribute(Qt::WA_X11NetWmWindowTypeDock, docked);
    setWindowFlag(Qt::FramelessWindowHint, docked);
    if (wasVisible) show();
  }
  slidAway_ = false;
  Place();
}

void AppBarWnd::Place() {
  QRect r = DockedRect(edge_);
  if (autoHide_ && slidAway_) {
    switch (edge_) {
      case DockEdge::Left:
        r.moveLeft(r.left() - r.width() + kHiddenThickness);
        break;
      case DockEdge::Right:
        r.moveLeft(r.right() + 1 - kHiddenThickness);
        break;
      case DockEdge::Top:
        r.moveTop(r.top() - r.height() + kHiddenThickness);
        break;
      case DockEdge::Bottom:
        r.moveTop(r.bottom() + 1 - kHiddenThickness);
        break;
      case DockEdge::Float:
        break;
    }
  }
  setGeometry(r);
  ApplyStrut();
}

void AppBarWnd::RecalcLayout() {
  Place();
  if (hosted_) hosted_->setGeometry(rect());
}

void AppBarWnd::SetAutoHide(bool on) {
  autoHide_ = on;
  slidAway_ = false;
  if (on && edge_ != DockEdge::Float)
    pointerWatch_.start();
  else
    pointerWatch_.stop();
  Place();
}

void AppBarWnd::SetAlwaysOnTop(bool on) {
  alwaysOnTop_ = on;
  const bool wasVisible = isVisible();
  setWindowFlag(Qt::WindowStaysOnTopHint, on);  // hides the window
  if (wasVisible) show();
}

void AppBarWnd::TrackPointer(const QPoint& pointer) {
  if (!autoHide_ || edge_ == DockEdge::Float) return;
  const bool onBar = geometry().contains(pointer);
  if (slidAway_ && onBar) {
    slidAway_ = false;
    Place();
    raise();
  } else if (!slidAway_ && !onBar) {
    slidAway_ = true;
    Place();
  }
}

void AppBarWnd::resizeEvent(QResizeEvent*) {
  if (hosted_) hosted_->setGeometry(rect());
}

void AppBarWnd::showEvent(QShowEvent*) {
  ApplyStrut();
}

void AppBarWnd::ApplyStrut() {
#if KIRV_HAVE_XCB
  if (QGuiApplication::platformName() != QLatin1String("xcb") ||
      !testAttribute(Qt::WA_WState_Created))
    return;
  auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
  if (!x11 || !x11->connection()) return;
  xcb_connection_t* c = x11->connection();
  std::array<uint32_t, 12> strut{};
  if (!autoHide_ && edge_ != DockEdge::Float) {
    const QRect root = screen() ? screen()->virtualGeometry() : QRect();
    const QRect r = DockedRect(edge_);
    const double dpr = devicePixelRatioF();
    auto px = [dpr](int v) { return uint32_t(std::max(0.0, v * dpr)); };
    switch (edge_) {
      case DockEdge::Left:
        strut[0] = px(r.right() + 1 - root.left()), strut[4] = px(r.top()),
        strut[5] = px(r.bottom());
        break;
      case DockEdge::Right:
        strut[1] = px(root.right() - r.left() + 1), strut[6] = px(r.top()),
        strut[7] = px(r.bottom());
        break;
      case DockEdge::Top:
        strut[2] = px(r.bottom() + 1 - root.top()), strut[8] = px(r.left()),
        strut[9] = px(r.right());
        break;
      case DockEdge::Bottom:
        strut[3] = px(root.bottom() - r.top() + 1), strut[10] = px(r.left()),
        strut[11] = px(r.right());
        break;
      case DockEdge::Float:
        break;
    }
  }
  const xcb_window_t window = xcb_window_t(winId());
  const xcb_atom_t type =
      Atom(c, edge_ != DockEdge::Float ? "_NET_WM_WINDOW_TYPE_DOCK" : "_NET_WM_WINDOW_TYPE_NORMAL");
  xcb_change_property(c, XCB_PROP_MODE_REPLACE, window, Atom(c, "_NET_WM_WINDOW_TYPE"),
                      XCB_ATOM_ATOM, 32, 1, &type);
  xcb_change_property(c, XCB_PROP_MODE_REPLACE, window, Atom(c, "_NET_WM_STRUT_PARTIAL"),
                      XCB_ATOM_CARDINAL, 32, 12, strut.data());
  xcb_change_property(c, XCB_PROP_MODE_REPLACE, window, Atom(c, "_NET_WM_STRUT"), XCB_ATOM_CARDINAL,
                      32, 4, strut.data());
  xcb_flush(c);
#endif
}

}  // namespace ui
