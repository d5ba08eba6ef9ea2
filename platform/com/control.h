// A control: an object with a dispatch interface that lives as a child window of its host's
// window and saves its properties in a property bag. Its library hands out one ClassObject per
// class, which makes instances.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "platform/base/result.h"
#include "platform/com/clsid.h"
#include "platform/com/dispatch.h"
#include "platform/com/property_bag.h"

namespace com {

// The host's window, opaque to this layer: whatever the host's windows are (the exam client
// passes its dialog widget). A control that draws may cast it back; the grading controls never do.
using WindowHandle = void*;

struct Rect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
};

// The style bit of a window that is shown (the platform's visible style).
constexpr uint32_t kStyleVisible = 0x10000000;

// How the host creates the control's window: as the framework's control creation takes them.
struct CreateParams {
  std::string windowName;
  uint32_t style = 0;  // without kStyleVisible: invisible
  Rect rect;
  WindowHandle parent = nullptr;
  int childId = 0;
};

// What a control tells the container it sits in.
class ControlSite {
 public:
  virtual ~ControlSite() = default;
  // A property was put and changed under `name`; the container may save it.
  virtual void OnPropertyChanged(DispId id, std::string_view name) = 0;
};

class Control : public Dispatch {
 public:
  // The window was made with these parameters; a failure makes the creation fail.
  virtual base::Status OnCreate(const CreateParams& params) {
    params_ = params;
    return base::Ok();
  }
  // The window is going away; the instance is released right after.
  virtual void OnDestroy() {}

  // Persistence: every persistent property to its default; load all from a bag (a value that
  // does not fit fails the load and changes nothing); save all into a bag.
  virtual void InitProperties() {}
  virtual base::Status ReadProperties(const PropertyBag& bag) {
    (void)bag;
    return base::Ok();
  }
  virtual base::Status WriteProperties(PropertyBag& bag) const {
    (void)bag;
    return base::Ok();
  }

  void SetSite(ControlSite* site) { site_ = site; }
  const CreateParams& WindowParams() const { return params_; }

  // Tells the site, when there is one, that a property changed.
  void PropertyChanged(DispId id, std::string_view name) {
    if (site_) site_->OnPropertyChanged(id, name);
  }

 private:
  ControlSite* site_ = nullptr;
  CreateParams params_;
};

// Makes the instances of one class.
class ClassObject {
 public:
  virtual ~ClassObject() = default;
  virtual base::Result<std::shared_ptr<Control>> CreateInstance() = 0;
};

// How a class is registered: its id, its name and, when it has one, its program identifier
// ("KIRV.webmark").
struct ClassInfo {
  Clsid clsid;
  std::string_view name;
  std::string_view progId = {};
};

}  // namespace com
