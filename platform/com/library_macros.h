// What makes a control library: after its classes (written as in dispatch_table.h), one line
//
//   KIRV_COM_LIBRARY(docmark)                 // or several: KIRV_COM_LIBRARY(CHopmarkCtrl, Other)
//
// defines the three entry points of library_entry.h for those classes: registering records each
// class against the library's path, unregistering removes them, and the class object of each makes
// instances with std::make_shared. Build the library with kirv_add_control
// (cmake/KirvHelpers.cmake).
#pragma once

#include <exception>
#include <memory>
#include <string>

#include "platform/com/class_registry.h"
#include "platform/com/library_entry.h"

namespace com::library_detail {

template <class C>
class Factory final : public ClassObject {
 public:
  base::Result<std::shared_ptr<Control>> CreateInstance() override {
    return std::shared_ptr<Control>(std::make_shared<C>());
  }
  static Factory& Instance() {
    static Factory factory;
    return factory;
  }
};

// Runs a registration step for each class; the first failure ends it with its code and message.
template <class Step>
HResult ForEachClass(const HostServices* host, std::string* message, Step step) {
  try {
    AdoptHostServices(host);
    if (base::Status s = step(); !s) {
      if (message) *message = s.error().message;
      return ResultCodeOf(s.error());
    }
    return kOk;
  } catch (const std::exception& e) {
    if (message) *message = e.what();
    return kErrRegisterClass;
  }
}

template <class... C>
HResult RegisterAll(const HostServices* host, const char* path, std::string* message) {
  return ForEachClass(host, message, [&] {
    base::Status s = base::Ok();
    auto one = [&](const ClassInfo& info) {
      if (s) s = RegisterClassRecord(info, path);
    };
    (one(C::kClass), ...);
    return s;
  });
}

template <class... C>
HResult UnregisterAll(const HostServices* host, const char* path, std::string* message) {
  (void)path;
  return ForEachClass(host, message, [&] {
    base::Status s = base::Ok();
    auto one = [&](const ClassInfo& info) {
      if (s) s = UnregisterClassRecord(info);
    };
    (one(C::kClass), ...);
    return s;
  });
}

template <class... C>
HResult ClassObjectOf(const HostServices* host, const Clsid* clsid, ClassObject** out) {
  if (!out || !clsid) return kErrInvalidArg;
  AdoptHostServices(host);
  *out = nullptr;
  (void)((C::kClass.clsid == *clsid ? (*out = &Factory<C>::Instance(), true) : false) || ...);
  return *out ? kOk : kErrClassNotAvailable;
}

}  // namespace com::library_detail

#define KIRV_COM_LIBRARY(...)                                                             \
  extern "C" __attribute__((visibility("default"))) com::HResult KirvComRegisterServer(   \
      const com::HostServices* host, const char* path, std::string* message) {            \
    return com::library_detail::RegisterAll<__VA_ARGS__>(host, path, message);            \
  }                                                                                       \
  extern "C" __attribute__((visibility("default"))) com::HResult KirvComUnregisterServer( \
      const com::HostServices* host, const char* path, std::string* message) {            \
    return com::library_detail::UnregisterAll<__VA_ARGS__>(host, path, message);          \
  }                                                                                       \
  extern "C" __attribute__((visibility("default"))) com::HResult KirvComGetClassObject(   \
      const com::HostServices* host, const com::Clsid* clsid, com::ClassObject** out) {   \
    return com::library_detail::ClassObjectOf<__VA_ARGS__>(host, clsid, out);             \
  }
