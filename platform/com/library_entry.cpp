// The services a host shares with the libraries it loads.
#include "platform/com/library_entry.h"

#include <mutex>

#include "platform/win/registry.h"

namespace com {
namespace {

int ShowThroughSink(const win::MessageBoxRequest& request) {
  return win::MessageBox(request.text, request.caption, request.flags);
}

}  // namespace

const HostServices& ThisHostServices() {
  // The store file is read at every call: a test may point the store elsewhere at any time.
  static thread_local std::string registryFile;
  static thread_local HostServices services;
  registryFile = win::RegistryFile().string();
  services.messageBox = &ShowThroughSink;
  services.registryFile = registryFile.c_str();
  return services;
}

void AdoptHostServices(const HostServices* host) {
  // The same function means the same copy of the platform layers: nothing to route.
  if (!host || host->messageBox == &ShowThroughSink) return;
  static std::mutex mutex;
  static int (*adopted)(const win::MessageBoxRequest&) = nullptr;
  std::lock_guard<std::mutex> lock(mutex);
  if (host->messageBox && host->messageBox != adopted) {
    adopted = host->messageBox;
    win::SetMessageSink([show = adopted](const win::MessageBoxRequest& r) { return show(r); });
  }
  if (host->registryFile && *host->registryFile) win::SetRegistryFile(host->registryFile);
}

}  // namespace com
