// Control libraries loaded into this process. A library is loaded once (dlopen) and stays loaded
// until the process ends, as the platform keeps an in-process server loaded; its entry points and
// class objects are looked up once and kept, so creating a control after the first load costs a
// few hash look-ups.
#pragma once

#include <filesystem>

#include "platform/base/result.h"
#include "platform/com/clsid.h"
#include "platform/com/control.h"

namespace com {

class Library {
 public:
  const std::filesystem::path& Path() const { return path_; }

  // The library's own registration of its classes, recorded against its path.
  base::Status RegisterServer() const;
  base::Status UnregisterServer() const;

  // The class object of `clsid`, asked of the library once; kErrClassNotAvailable when the
  // library does not serve that class.
  base::Result<ClassObject*> GetClassObject(const Clsid& clsid) const;

 private:
  friend struct LibraryLoader;
  Library() = default;

  std::filesystem::path path_;
  void* handle_ = nullptr;
  void* registerServer_ = nullptr;
  void* unregisterServer_ = nullptr;
  void* getClassObject_ = nullptr;
};

// The library at a host path, loading it on first use. Fails with kErrModuleNotFound (no such
// file), kErrBadLibrary (not a library this process can load) or kErrEntryPointNotFound (a
// library without the entry points of library_entry.h).
base::Result<const Library*> LoadControlLibrary(const std::filesystem::path& hostPath);

// The file of the loaded library (or program) that holds `address`: how a library finds its own
// folder.
std::filesystem::path ModulePathOf(const void* address);

}  // namespace com
