// Loading control libraries with dlopen, once each.
#include "platform/com/library.h"

#include <dlfcn.h>

#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <unordered_map>

#include "platform/com/errors.h"
#include "platform/com/library_entry.h"

namespace com {
namespace fs = std::filesystem;

struct LibraryLoader {
  std::mutex mutex;
  // By the path as asked for, and by its canonical form so two spellings share one load.
  std::unordered_map<std::string, Library*> byPath;
  std::map<std::string, std::unique_ptr<Library>> byCanonical;
  // Class objects asked of a library, per library and class.
  std::map<std::pair<const Library*, Clsid>, ClassObject*> classObjects;

  static LibraryLoader& Instance() {
    static LibraryLoader loader;
    return loader;
  }

  base::Result<const Library*> Load(const fs::path& hostPath) {
    std::lock_guard<std::mutex> lock(mutex);
    if (auto it = byPath.find(hostPath.string()); it != byPath.end()) return it->second;
    std::error_code ec;
    if (!fs::is_regular_file(hostPath, ec))
      return DispatchError(kErrModuleNotFound, "no library at " + hostPath.string());
    const fs::path canonical = fs::canonical(hostPath, ec);
    if (ec) return DispatchError(kErrModuleNotFound, "cannot resolve " + hostPath.string());
    if (auto it = byCanonical.find(canonical.string()); it != byCanonical.end()) {
      byPath[hostPath.string()] = it->second.get();
      return it->second.get();
    }
    void* handle = ::dlopen(canonical.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!handle) {
      const char* why = ::dlerror();
      return DispatchError(kErrBadLibrary, "cannot load " + canonical.string() + ": " +
                                               (why ? why : "unknown reason"));
    }
    std::unique_ptr<Library> library(new Library());
    library->path_ = canonical;
    library->handle_ = handle;
    library->registerServer_ = ::dlsym(handle, kRegisterServerEntry);
    library->unregisterServer_ = ::dlsym(handle, kUnregisterServerEntry);
    library->getClassObject_ = ::dlsym(handle, kGetClassObjectEntry);
    for (const auto& [entry, name] : {std::pair{library->registerServer_, kRegisterServerEntry},
                                      std::pair{library->unregisterServer_, kUnregisterServerEntry},
                                      std::pair{library->getClassObject_, kGetClassObjectEntry}}) {
      if (!entry) {
        ::dlclose(handle);
        return DispatchError(kErrEntryPointNotFound,
                             canonical.string() + " is not a control library: it has no " + name);
      }
    }
    Library* raw = library.get();
    byCanonical.emplace(canonical.string(), std::move(library));
    byPath[hostPath.string()] = raw;
    return raw;
  }
};

namespace {

base::Status CallRegistration(void* entry, const fs::path& path, const char* what) {
  std::string message;
  const HResult hr =
      reinterpret_cast<RegisterServerFn>(entry)(&ThisHostServices(), path.c_str(), &message);
  if (!Failed(hr)) return base::Ok();
  if (message.empty()) message = std::string(what) + " failed";
  return DispatchError(hr, path.filename().string() + ": " + message);
}

}  // namespace

base::Status Library::RegisterServer() const {
  return CallRegistration(registerServer_, path_, "registration");
}

base::Status Library::UnregisterServer() const {
  return CallRegistration(unregisterServer_, path_, "unregistration");
}

base::Result<ClassObject*> Library::GetClassObject(const Clsid& clsid) const {
  LibraryLoader& loader = LibraryLoader::Instance();
  const auto key = std::pair{this, clsid};
  {
    std::lock_guard<std::mutex> lock(loader.mutex);
    if (auto it = loader.classObjects.find(key); it != loader.classObjects.end()) return it->second;
  }
  // Asked without the lock: a library may create controls of other libraries while it answers.
  ClassObject* object = nullptr;
  const HResult hr =
      reinterpret_cast<GetClassObjectFn>(getClassObject_)(&ThisHostServices(), &clsid, &object);
  if (Failed(hr) || !object)
    return DispatchError(Failed(hr) ? hr : kErrClassNotAvailable,
                         path_.filename().string() + " does not serve class " + clsid.ToString());
  std::lock_guard<std::mutex> lock(loader.mutex);
  loader.classObjects.emplace(key, object);
  return object;
}

base::Result<const Library*> LoadControlLibrary(const fs::path& hostPath) {
  return LibraryLoader::Instance().Load(hostPath);
}

fs::path ModulePathOf(const void* address) {
  Dl_info info{};
  if (::dladdr(address, &info) == 0 || !info.dli_fname) return {};
  std::error_code ec;
  fs::path p = fs::canonical(info.dli_fname, ec);
  return ec ? fs::path(info.dli_fname) : p;
}

}  // namespace com
