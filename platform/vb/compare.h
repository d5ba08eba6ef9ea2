// Comparing two variants as the run-time's comparison operators do (binary comparison of text):
// what sort and copy checks use to ask whether one cell's value is greater than, or differs
// from, another's.
#pragma once

#include "platform/base/result.h"
#include "platform/vb/variant.h"

namespace vb {

// -1, 0 or 1. Numbers (Boolean and Date included) compare by value, texts by their characters'
// codes; a number is less than any text; Empty stands for 0 beside a number and for "" beside a
// text. Null gives InvalidUseOfNull and an error value TypeMismatch: no answer.
base::Result<int> CompareVariants(const Variant& a, const Variant& b);

}  // namespace vb
