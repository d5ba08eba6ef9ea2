// The keyboard's lights through the core X protocol: XKB numbers Caps Lock, Num Lock and
// Scroll Lock as lights 1, 2 and 3.
#include "platform/ui/keyboard_locks.h"

#include <QGuiApplication>
#include <cstdlib>

#if KIRV_HAVE_XCB
#include <QtGui/qguiapplication_platform.h>
#include <xcb/xcb.h>
#endif

namespace ui {

std::optional<KeyboardLocks> ReadKeyboardLocks() {
#if KIRV_HAVE_XCB
  if (!qGuiApp || QGuiApplication::platformName() != QLatin1String("xcb")) return std::nullopt;
  auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
  if (!x11 || !x11->connection()) return std::nullopt;
  xcb_connection_t* c = x11->connection();
  xcb_get_keyboard_control_reply_t* reply =
      xcb_get_keyboard_control_reply(c, xcb_get_keyboard_control(c), nullptr);
  if (!reply) return std::nullopt;
  const uint32_t lights = reply->led_mask;
  free(reply);
  return KeyboardLocks{(lights & 1u) != 0, (lights & 2u) != 0, (lights & 4u) != 0};
#else
  return std::nullopt;
#endif
}

}  // namespace ui
