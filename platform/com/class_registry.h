// The class records in the registry store (platform/win/registry.h), shaped like the platform's:
//
//   HKEY_CLASSES_ROOT\CLSID\{id}                  (default) = class name
//   HKEY_CLASSES_ROOT\CLSID\{id}\InprocServer32   (default) = library path, Windows form
//                                                 "ThreadingModel" = "Apartment"
//   HKEY_CLASSES_ROOT\CLSID\{id}\ProgID           (default) = program identifier, when it has one
//   HKEY_CLASSES_ROOT\<program identifier>\CLSID  (default) = {id}
//
// Look-ups are cached and checked against the store file's identity (one stat), so a registration
// made by another process, such as the registration tool, is seen by the next look-up.
#pragma once

#include <filesystem>
#include <string_view>

#include "platform/base/result.h"
#include "platform/com/clsid.h"
#include "platform/com/control.h"

namespace com {

// Records `info` as served by the library at `libraryHostPath`; kErrRegisterClass on a failed
// write.
base::Status RegisterClassRecord(const ClassInfo& info,
                                 const std::filesystem::path& libraryHostPath);

// Removes the records of `info`; a class that was not registered is no failure.
base::Status UnregisterClassRecord(const ClassInfo& info);

// Host path of the library registered for `clsid`; kErrClassNotRegistered when there is none.
base::Result<std::filesystem::path> InprocServerPath(const Clsid& clsid);

// The class id registered under a program identifier; kErrClassNotRegistered when none.
base::Result<Clsid> ClsidFromProgId(std::string_view progId);

}  // namespace com
