#include "platform/vb/compare.h"

#include <string_view>

namespace vb {
namespace {

template <class T>
int Order(const T& a, const T& b) {
  return a < b ? -1 : b < a ? 1 : 0;
}

}  // namespace

base::Result<int> CompareVariants(const Variant& a, const Variant& b) {
  for (const Variant* v : {&a, &b}) {
    if (v->Type() == VarType::Null) return RuntimeError(ErrorCode::InvalidUseOfNull);
    if (v->Type() == VarType::Error) return RuntimeError(ErrorCode::TypeMismatch);
  }
  const bool aText = a.Type() == VarType::String;
  const bool bText = b.Type() == VarType::String;
  if (aText && bText) return Order(std::string_view(a.Text()), std::string_view(b.Text()));
  if (aText) return b.IsEmpty() ? Order(std::string_view(a.Text()), std::string_view()) : 1;
  if (bText) return a.IsEmpty() ? Order(std::string_view(), std::string_view(b.Text())) : -1;
  // Empty holds 0 as its number.
  return Order(a.Number(), b.Number());
}

}  // namespace vb
