// Class records in the registry store, with a look-up cache keyed by the store file's identity.
#include "platform/com/class_registry.h"

#include <sys/stat.h>

#include <mutex>
#include <optional>
#include <string>
#include <unordered_map>

#include "platform/com/errors.h"
#include "platform/win/paths.h"
#include "platform/win/registry.h"

namespace com {
namespace fs = std::filesystem;
namespace {

constexpr std::string_view kClassesRoot = "HKEY_CLASSES_ROOT\\";

std::string ClassKey(const Clsid& clsid) {
  return std::string(kClassesRoot) + "CLSID\\" + clsid.ToString();
}

// What identifies one version of the store file: a rewrite goes through a new file, so its inode,
// time or size changes.
struct StoreStamp {
  std::string path;
  bool exists = false;
  dev_t device = 0;
  ino_t inode = 0;
  int64_t seconds = 0;
  int64_t nanoseconds = 0;
  off_t size = 0;
  bool operator==(const StoreStamp&) const = default;
};

StoreStamp CurrentStamp() {
  StoreStamp s;
  s.path = win::RegistryFile().string();
  struct stat st;
  if (::stat(s.path.c_str(), &st) == 0) {
    s.exists = true;
    s.device = st.st_dev;
    s.inode = st.st_ino;
    s.seconds = st.st_mtim.tv_sec;
    s.nanoseconds = st.st_mtim.tv_nsec;
    s.size = st.st_size;
  }
  return s;
}

struct LookupCache {
  std::mutex mutex;
  StoreStamp stamp;
  // The library path per class; empty for a class found unregistered.
  std::unordered_map<Clsid, fs::path> servers;
};

LookupCache& Cache() {
  static LookupCache cache;
  return cache;
}

base::Error NotRegistered(const std::string& what) {
  return DispatchError(kErrClassNotRegistered, "class not registered: " + what);
}

}  // namespace

base::Status RegisterClassRecord(const ClassInfo& info, const fs::path& libraryHostPath) {
  const std::string key = ClassKey(info.clsid);
  const std::string library = win::ToWindowsPath(libraryHostPath);
  bool ok = win::RegSetString(key, "", info.name) &&
            win::RegSetString(key + "\\InprocServer32", "", library) &&
            win::RegSetString(key + "\\InprocServer32", "ThreadingModel", "Apartment");
  if (ok && !info.progId.empty()) {
    ok = win::RegSetString(key + "\\ProgID", "", info.progId) &&
         win::RegSetString(std::string(kClassesRoot) + std::string(info.progId) + "\\CLSID", "",
                           info.clsid.ToString());
  }
  if (!ok)
    return DispatchError(kErrRegisterClass, "cannot record class " + std::string(info.name) +
                                                " in " + win::RegistryFile().string());
  return base::Ok();
}

base::Status UnregisterClassRecord(const ClassInfo& info) {
  const std::string key = ClassKey(info.clsid);
  // The store reports a missing key and a failed rewrite alike: look first.
  bool ok = true;
  if (win::RegQueryString(key, "") || !win::RegEnumKeys(key).empty()) ok = win::RegDeleteKey(key);
  if (!info.progId.empty()) {
    const std::string progKey = std::string(kClassesRoot) + std::string(info.progId);
    if (win::RegQueryString(progKey + "\\CLSID", "")) ok = win::RegDeleteKey(progKey) && ok;
  }
  if (!ok)
    return DispatchError(kErrRegisterClass, "cannot remove class " + std::string(info.name) +
                                                " from " + win::RegistryFile().string());
  return base::Ok();
}

base::Result<fs::path> InprocServerPath(const Clsid& clsid) {
  LookupCache& cache = Cache();
  std::lock_guard<std::mutex> lock(cache.mutex);
  const StoreStamp stamp = CurrentStamp();
  if (!(stamp == cache.stamp)) {
    cache.servers.clear();
    cache.stamp = stamp;
  }
  auto it = cache.servers.find(clsid);
  if (it == cache.servers.end()) {
    fs::path server;
    if (stamp.exists) {
      if (auto path = win::RegQueryString(ClassKey(clsid) + "\\InprocServer32", "");
          path && !path->empty())
        server = win::ToHostPath(*path);
    }
    it = cache.servers.emplace(clsid, std::move(server)).first;
  }
  if (it->second.empty()) return NotRegistered(clsid.ToString());
  return it->second;
}

base::Result<Clsid> ClsidFromProgId(std::string_view progId) {
  const auto text =
      win::RegQueryString(std::string(kClassesRoot) + std::string(progId) + "\\CLSID", "");
  if (!text) return NotRegistered(std::string(progId));
  const auto id = Clsid::Parse(*text);
  if (!id) return NotRegistered(std::string(progId) + " (its class id is malformed)");
  return *id;
}

}  // namespace com
