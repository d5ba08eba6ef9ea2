// The client's hold on one grading control: a window object that creates the control as a child
// window of a parent by class id and calls it by dispatch id. It holds nothing but that window;
// deleting it destroys the window and releases the control. Each grading control has its own
// wrapper class (ping_*.h) that names its class id and its members.
//
// A call that fails comes back as an error (a dispatch error code and its description) rather
// than as an exception; what to show and how to score it is the grader's.
#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>

#include "platform/base/result.h"
#include "platform/com/control_window.h"

class CControlWnd {
 public:
  CControlWnd() = default;
  virtual ~CControlWnd() = default;
  CControlWnd(const CControlWnd&) = delete;
  CControlWnd& operator=(const CControlWnd&) = delete;

  // The class id the wrapper creates its control by.
  virtual const com::Clsid& GetClsid() const = 0;

  // Creates the control as a child window (window name, style, rectangle, parent, child id), as
  // the framework's control creation takes them, with its properties at their defaults. False
  // when it cannot be created; LastError() then says why.
  bool Create(std::string_view windowName, uint32_t style, const com::Rect& rect,
              com::WindowHandle parent, int childId);

  bool IsCreated() const { return window_ != nullptr; }
  int GetDlgCtrlID() const { return window_ ? window_->ChildId() : 0; }
  const std::string& LastError() const { return lastError_; }

 protected:
  base::Status SetProperty(com::DispId id, const com::Variant& value);
  // The property's value in the kind the caller reads it as.
  base::Result<com::Variant> GetProperty(com::DispId id, uint16_t kind);
  // A method; its result in `resultKind` (VT_EMPTY: none is read).
  base::Result<com::Variant> InvokeMethod(com::DispId id, std::span<const com::Variant> args,
                                          uint16_t resultKind);
  // A text put: the string is made for this call and released after it.
  base::Status SetText(com::DispId id, std::string_view value) {
    return SetProperty(id, com::Variant::String(std::string(value)));
  }
  // A 16-bit integer property.
  base::Result<int16_t> GetShort(com::DispId id);
  // A method taking text arguments and a truth value, all by reference, returning a double.
  base::Result<double> InvokeWithReferences(com::DispId id, std::span<std::string* const> texts,
                                            bool& flag);

 private:
  base::Result<com::ControlWindow*> Window();

  std::unique_ptr<com::ControlWindow> window_;
  std::string lastError_;
};
