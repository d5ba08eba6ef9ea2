// Creating controls by class id, and the host's hold on one: a ControlWindow is the control's
// child window in the host's window; deleting it destroys the window and releases the control.
//
//   com::CreateParams params;
//   params.parent = dialog;
//   params.childId = 113;
//   auto window = com::ControlWindow::Create(clsid, params);
//   if (!window) ...                                   // not registered, not loadable, ...
//   (*window)->Put(0x68030003, com::Variant::String(name));
#pragma once

#include <initializer_list>
#include <memory>
#include <span>

#include "platform/base/result.h"
#include "platform/com/clsid.h"
#include "platform/com/control.h"

namespace com {

// A new instance of the class registered under `clsid`: its library is found in the registry
// store, loaded once and asked once for the class object.
base::Result<std::shared_ptr<Control>> CreateInstance(const Clsid& clsid);

class ControlWindow {
 public:
  // Creates the control: the instance, its properties at their defaults (or loaded from
  // `persisted`), then its window with `params`. Nothing of a failed creation remains.
  static base::Result<std::unique_ptr<ControlWindow>> Create(
      const Clsid& clsid, const CreateParams& params, const PropertyBag* persisted = nullptr);

  ~ControlWindow();
  ControlWindow(const ControlWindow&) = delete;
  ControlWindow& operator=(const ControlWindow&) = delete;

  const Clsid& ClassId() const { return clsid_; }
  const CreateParams& Params() const { return params_; }
  int ChildId() const { return params_.childId; }
  Control& Object() const { return *control_; }
  std::shared_ptr<Control> ObjectRef() const { return control_; }

  base::Result<Variant> Invoke(DispId id, InvokeKind kind, std::span<const Variant> args = {}) {
    return control_->Invoke(id, kind, args);
  }
  base::Result<Variant> Get(DispId id) { return control_->Get(id); }
  base::Status Put(DispId id, const Variant& value) { return control_->Put(id, value); }
  base::Result<Variant> Call(DispId id, std::initializer_list<Variant> args = {}) {
    return control_->Call(id, args);
  }

  // The control's persistent properties.
  base::Result<PropertyBag> SaveProperties() const;
  void SetSite(ControlSite* site) { control_->SetSite(site); }

 private:
  ControlWindow(const Clsid& clsid, const CreateParams& params, std::shared_ptr<Control> control)
      : clsid_(clsid), params_(params), control_(std::move(control)) {}

  Clsid clsid_;
  CreateParams params_;
  std::shared_ptr<Control> control_;
};

}  // namespace com
