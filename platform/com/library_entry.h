// The entry points every control library exports, by these names, as plain C functions:
//
//   KirvComRegisterServer(host, libraryPath, message)    records the library's classes
//   KirvComUnregisterServer(host, libraryPath, message)  removes them
//   KirvComGetClassObject(host, clsid, out)              the class object of one class
//
// Each returns a result code (errors.h); a failed register or unregister may say why in
// `message`. `host` carries what the loading process shares with the library: a library links its
// own copies of the platform layers, so without it the library's message boxes and registry
// writes would not go where the host's go. A library does not write these by hand: see
// KIRV_COM_LIBRARY in library_macros.h.
#pragma once

#include <cstdint>
#include <string>

#include "platform/com/clsid.h"
#include "platform/com/control.h"
#include "platform/com/errors.h"
#include "platform/win/message_box.h"

namespace com {

struct HostServices {
  // Shows a message box the way the host shows its own (its current sink).
  int (*messageBox)(const win::MessageBoxRequest& request) = nullptr;
  // The registry store file the host uses.
  const char* registryFile = nullptr;
};

using RegisterServerFn = HResult (*)(const HostServices* host, const char* libraryPath,
                                     std::string* message);
using GetClassObjectFn = HResult (*)(const HostServices* host, const Clsid* clsid,
                                     ClassObject** out);

inline constexpr char kRegisterServerEntry[] = "KirvComRegisterServer";
inline constexpr char kUnregisterServerEntry[] = "KirvComUnregisterServer";
inline constexpr char kGetClassObjectEntry[] = "KirvComGetClassObject";

// The services of this process, for the libraries it loads.
const HostServices& ThisHostServices();

// Inside a library: routes its message boxes to the host and points its registry store at the
// host's. Called by every entry point; does nothing when `host` is this library's own.
void AdoptHostServices(const HostServices* host);

}  // namespace com
