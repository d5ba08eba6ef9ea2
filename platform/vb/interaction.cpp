// MsgBox and the message pump hook.
#include "platform/vb/interaction.h"

#include <utility>

#include "platform/win/message_box.h"

namespace vb {
namespace {

PumpHook& CurrentPump() {
  static PumpHook hook;
  return hook;
}

}  // namespace

int MsgBox(std::string_view prompt, unsigned buttons, std::string_view title) {
  return win::MessageBox(prompt, title, buttons);
}

PumpHook SetPumpHook(PumpHook hook) {
  return std::exchange(CurrentPump(), std::move(hook));
}

void PumpMessages() {
  if (const PumpHook& hook = CurrentPump()) hook();
}

}  // namespace vb
