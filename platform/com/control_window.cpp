// Control creation by class id and the control windows of a host.
#include "platform/com/control_window.h"

#include <exception>
#include <string>

#include "platform/com/class_registry.h"
#include "platform/com/errors.h"
#include "platform/com/library.h"

namespace com {
namespace {

// Runs one of a control's own steps, turning an exception into an error.
template <class F>
auto Guarded(std::string_view step, F&& f) -> decltype(f()) {
  try {
    return f();
  } catch (const std::exception& e) {
    return DispatchError(kErrException, std::string(step) + ": " + e.what());
  } catch (...) {
    return DispatchError(kErrException, std::string(step) + ": unknown exception");
  }
}

}  // namespace

base::Result<std::shared_ptr<Control>> CreateInstance(const Clsid& clsid) {
  auto path = InprocServerPath(clsid);
  if (!path) return path.error();
  auto library = LoadControlLibrary(*path);
  if (!library) return library.error();
  auto factory = (*library)->GetClassObject(clsid);
  if (!factory) return factory.error();
  auto instance = Guarded("creating an instance", [&] { return (*factory)->CreateInstance(); });
  if (instance && !*instance)
    return DispatchError(kErrClassNotAvailable, "no instance of " + clsid.ToString());
  return instance;
}

base::Result<std::unique_ptr<ControlWindow>> ControlWindow::Create(const Clsid& clsid,
                                                                   const CreateParams& params,
                                                                   const PropertyBag* persisted) {
  auto instance = CreateInstance(clsid);
  if (!instance) return instance.error();
  Control& control = **instance;
  const base::Status loaded = Guarded("loading properties", [&]() -> base::Status {
    if (persisted) return control.ReadProperties(*persisted);
    control.InitProperties();
    return base::Ok();
  });
  if (!loaded) return loaded.error();
  const base::Status created =
      Guarded("creating the window", [&] { return control.OnCreate(params); });
  if (!created) return created.error();
  return std::unique_ptr<ControlWindow>(new ControlWindow(clsid, params, std::move(*instance)));
}

ControlWindow::~ControlWindow() {
  control_->SetSite(nullptr);
  try {
    control_->OnDestroy();
  } catch (...) {
    // A control that fails while going away still goes away.
  }
}

base::Result<PropertyBag> ControlWindow::SaveProperties() const {
  PropertyBag bag;
  const base::Status saved =
      Guarded("saving properties", [&] { return control_->WriteProperties(bag); });
  if (!saved) return saved.error();
  return bag;
}

}  // namespace com
