// The dispatch boundary: where a member's failure, thrown or returned, becomes a dispatch error.
#include "platform/com/dispatch.h"

#include <exception>
#include <string>

#include "platform/com/errors.h"

namespace com {

std::string_view InvokeKindName(InvokeKind kind) {
  switch (kind) {
    case InvokeKind::Method:
      return "method";
    case InvokeKind::PropertyGet:
      return "property get";
    case InvokeKind::PropertyPut:
      return "property put";
  }
  return "call";
}

base::Result<Variant> Dispatch::Invoke(DispId id, InvokeKind kind,
                                       std::span<const Variant> args) noexcept {
  try {
    base::Result<Variant> r = OnInvoke(id, kind, args);
    if (r) return r;
    base::Error e = std::move(r).error();
    e.code = ResultCodeOf(e);
    return e;
  } catch (const std::exception& e) {
    return DispatchError(kErrException, e.what());
  } catch (...) {
    return DispatchError(kErrException, "a member ended with an unknown exception");
  }
}

base::Status Dispatch::Put(DispId id, const Variant& value) noexcept {
  base::Result<Variant> r =
      Invoke(id, InvokeKind::PropertyPut, std::span<const Variant>(&value, 1));
  if (!r) return std::move(r).error();
  return base::Ok();
}

base::Result<DispId> Dispatch::GetIdOfName(std::string_view name) const noexcept {
  return DispatchError(kErrUnknownName, "no member named " + std::string(name));
}

}  // namespace com
