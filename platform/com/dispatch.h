// The dispatch interface: every member of an object is reached by its dispatch id (DISPID) as a
// method call, a property get or a property put. A failure comes back as a base::Error whose
// code is a result code of errors.h; no C++ exception ever leaves Invoke.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <span>
#include <string_view>

#include "platform/base/result.h"
#include "platform/com/variant.h"

namespace com {

using DispId = int32_t;

enum class InvokeKind { Method, PropertyGet, PropertyPut };

// "method", "property get", "property put".
std::string_view InvokeKindName(InvokeKind kind);

class Dispatch {
 public:
  virtual ~Dispatch() = default;

  // One call. `args` are in the order they are written (first argument first); a put takes the
  // new value as its only argument. By-reference arguments may be written through. The result of
  // a put, and of a method without one, is Empty.
  base::Result<Variant> Invoke(DispId id, InvokeKind kind,
                               std::span<const Variant> args = {}) noexcept;

  base::Result<Variant> Get(DispId id) noexcept { return Invoke(id, InvokeKind::PropertyGet); }
  base::Status Put(DispId id, const Variant& value) noexcept;
  base::Result<Variant> Call(DispId id, std::initializer_list<Variant> args = {}) noexcept {
    return Invoke(id, InvokeKind::Method, std::span<const Variant>(args.begin(), args.size()));
  }

  // The id of the member called `name` (without regard to case); kErrUnknownName when none.
  virtual base::Result<DispId> GetIdOfName(std::string_view name) const noexcept;

 protected:
  // The object's own dispatch; may fail with any base::Error (see ResultCodeOf) or throw.
  virtual base::Result<Variant> OnInvoke(DispId id, InvokeKind kind,
                                         std::span<const Variant> args) = 0;
};

}  // namespace com
