// The message sink that shows every message box of the system as a real Qt message box. Programs
// install it once the application object exists; tests keep the capturing sink instead.
#pragma once

#include <string>

#include "platform/win/message_box.h"

namespace ui {

// Shows one box modally and returns the button that closed it (win::IDOK, win::IDCANCEL, ...).
int ShowMessageBox(const win::MessageBoxRequest& request);

// Installs ShowMessageBox as the message sink; returns the previous sink. A box asked for without
// a caption carries `defaultCaption`, the program's name.
win::MessageSink InstallMessageSink(std::string defaultCaption = "KIRV");

}  // namespace ui
