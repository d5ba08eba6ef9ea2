// Interaction services of the run-time: MsgBox through the system's message sink, and the hook
// through which long-running work lets the host process its pending window messages.
#pragma once

#include <functional>
#include <string_view>

namespace vb {

// Button and icon flags are the platform's (win::MB_OK, ...); the result is the button pressed.
int MsgBox(std::string_view prompt, unsigned buttons, std::string_view title);

using PumpHook = std::function<void()>;

// Installs the hook PumpMessages calls and returns the previous one. Empty means "do nothing".
PumpHook SetPumpHook(PumpHook hook);

// Lets the host process its pending window messages (DoEvents); a no-op until a hook is set.
void PumpMessages();

}  // namespace vb
