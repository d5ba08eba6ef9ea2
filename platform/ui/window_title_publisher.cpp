// The publisher is an application-wide event filter; it only looks at title changes and shows of
// top-level widgets, so it costs nothing measurable on other events.
#include "platform/ui/window_title_publisher.h"

#include <QApplication>
#include <QEvent>
#include <QWidget>
#include <cstdlib>

#include "platform/ui/window_list.h"

namespace ui {
namespace {

class Publisher : public QObject {
 public:
  explicit Publisher(QObject* parent) : QObject(parent) {}

  bool eventFilter(QObject* watched, QEvent* event) override {
    const QEvent::Type type = event->type();
    if (type != QEvent::WindowTitleChange && type != QEvent::Show) return false;
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget || !widget->isWindow()) return false;
    QVariant id = widget->property("kirvWindowListId");
    // A window is listed once it has a title; one that loses it stays listed, untitled.
    if (!id.isValid() && widget->windowTitle().isEmpty()) return false;
    if (!id.isValid()) {
      id = QVariant::fromValue(qulonglong(++lastId_));
      widget->setProperty("kirvWindowListId", id);
      const unsigned long number = id.toULongLong();
      QObject::connect(widget, &QObject::destroyed, [number] { WithdrawWindowTitle(number); });
    }
    PublishWindowTitle(id.toULongLong(), widget->windowTitle().toStdString());
    return false;
  }

 private:
  unsigned long lastId_ = 0;
};

}  // namespace

void PublishTopLevelWindows() {
  static QCoreApplication* publishing = nullptr;
  QCoreApplication* app = QCoreApplication::instance();
  if (!app || publishing == app) return;
  publishing = app;
  auto* publisher = new Publisher(app);
  app->installEventFilter(publisher);
  QObject::connect(app, &QCoreApplication::aboutToQuit, [] { WithdrawAllWindowTitles(); });
  // Also when the program ends without leaving its event loop.
  std::atexit([] { WithdrawAllWindowTitles(); });
}

}  // namespace ui
