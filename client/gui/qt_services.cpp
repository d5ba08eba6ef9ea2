// InstallQtServices (see qt_services.h).
#include "client/gui/qt_services.h"

#include <QCoreApplication>

#include "platform/ui/message_sink.h"
#include "platform/ui/window_title_publisher.h"
#include "platform/vb/interaction.h"

void InstallQtServices() {
  ui::InstallMessageSink();
  vb::SetPumpHook([] { QCoreApplication::processEvents(); });
  ui::PublishTopLevelWindows();
}
