// Creating a grading control as a child window and calling it.
#include "client/grading/controls/control_wnd.h"

#include <vector>

#include "platform/com/change_type.h"
#include "platform/com/errors.h"

bool CControlWnd::Create(std::string_view windowName, uint32_t style, const com::Rect& rect,
                         com::WindowHandle parent, int childId) {
  com::CreateParams params;
  params.windowName = std::string(windowName);
  params.style = style;
  params.rect = rect;
  params.parent = parent;
  params.childId = childId;
  auto window = com::ControlWindow::Create(GetClsid(), params);
  if (!window) {
    lastError_ = window.error().message;
    return false;
  }
  window_ = std::move(*window);
  lastError_.clear();
  return true;
}

base::Result<com::ControlWindow*> CControlWnd::Window() {
  if (!window_)
    return com::DispatchError(com::kErrUnexpected,
                              "the control " + GetClsid().ToString() + " was not created");
  return window_.get();
}

base::Status CControlWnd::SetProperty(com::DispId id, const com::Variant& value) {
  auto w = Window();
  if (!w) return w.error();
  return (*w)->Put(id, value);
}

base::Result<com::Variant> CControlWnd::GetProperty(com::DispId id, uint16_t kind) {
  auto w = Window();
  if (!w) return w.error();
  auto value = (*w)->Get(id);
  if (!value) return value;
  return com::ChangeType(*value, kind);
}

base::Result<int16_t> CControlWnd::GetShort(com::DispId id) {
  auto v = GetProperty(id, com::VT_I2);
  if (!v) return v.error();
  return static_cast<int16_t>(v->IntValue());
}

base::Result<com::Variant> CControlWnd::InvokeMethod(com::DispId id,
                                                     std::span<const com::Variant> args,
                                                     uint16_t resultKind) {
  auto w = Window();
  if (!w) return w.error();
  auto result = (*w)->Invoke(id, com::InvokeKind::Method, args);
  if (!result || resultKind == com::VT_EMPTY) return result;
  return com::ChangeType(*result, resultKind);
}

base::Result<double> CControlWnd::InvokeWithReferences(com::DispId id,
                                                       std::span<std::string* const> texts,
                                                       bool& flag) {
  com::VariantBool flagStorage = flag ? com::kVariantTrue : com::kVariantFalse;
  std::vector<com::Variant> args;
  args.reserve(texts.size() + 1);
  for (std::string* text : texts) args.push_back(com::Variant::RefString(text));
  args.push_back(com::Variant::RefBool(&flagStorage));
  auto result = InvokeMethod(id, args, com::VT_R8);
  flag = flagStorage != 0;
  if (!result) return result.error();
  return result->RealValue();
}
