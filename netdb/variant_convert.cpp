// The conversions of field values to an integer, to text and to a date/time.
#include "netdb/variant_convert.h"

#include <cerrno>
#include <climits>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace {

// Clamps instead of overflowing: a value outside int gives the nearest int.
int ClampToInt(double v) {
  if (std::isnan(v)) return 0;
  if (v >= static_cast<double>(INT_MAX)) return INT_MAX;
  if (v <= static_cast<double>(INT_MIN)) return INT_MIN;
  return static_cast<int>(v);
}

// Leading decimal number of a text (blanks and a sign allowed before it); 0 when there is none.
int LeadingNumber(const std::string& text) {
  errno = 0;
  long long v = std::strtoll(text.c_str(), nullptr, 10);
  if (v > INT_MAX) return INT_MAX;
  if (v < INT_MIN) return INT_MIN;
  return static_cast<int>(v);
}

}  // namespace

namespace netdb {

int VariantToInt(const ado::Variant& v) {
  using namespace ado;
  switch (v.Type()) {
    case VT_I2:
    case VT_BOOL:
      return static_cast<int16_t>(v.IntValue());
    case VT_UI2:
      return static_cast<int16_t>(v.UIntValue());
    case VT_I4:
    case VT_INT:
      return static_cast<int32_t>(v.IntValue());
    case VT_UI4:
      return static_cast<int32_t>(static_cast<uint32_t>(v.UIntValue()));
    case VT_R4:
    case VT_R8:
      return ClampToInt(std::trunc(v.RealValue() + 0.5));
    case VT_CY:
    case VT_DECIMAL: {
      // The system's conversion rounds halves to even; out of range it fails and gives 0.
      double value =
          v.Type() == VT_CY ? static_cast<double>(v.IntValue()) / 10000.0 : v.RealValue();
      double r = std::nearbyint(value);
      if (std::isnan(r) || r > INT_MAX || r < INT_MIN) return 0;
      return static_cast<int>(r);
    }
    case VT_BSTR:
      return LeadingNumber(v.Text());
    case VT_I1:
      return static_cast<uint8_t>(static_cast<int8_t>(v.IntValue()));
    case VT_UI1:
      return static_cast<uint8_t>(v.UIntValue());
    default:
      return 0;
  }
}

std::string VariantToString(const ado::Variant& v) {
  using namespace ado;
  char buffer[512];
  switch (v.Type()) {
    case VT_EMPTY:
    case VT_NULL:
      return "";
    case VT_I2:
    case VT_I4:
    case VT_I8:
    case VT_INT:
      std::snprintf(buffer, sizeof buffer, "%lld", static_cast<long long>(v.IntValue()));
      return buffer;
    case VT_UI2:
    case VT_UI4:
    case VT_UI8:
    case VT_UINT:
      std::snprintf(buffer, sizeof buffer, "%llu", static_cast<unsigned long long>(v.UIntValue()));
      return buffer;
    case VT_I1:
      std::snprintf(buffer, sizeof buffer, "%d",
                    static_cast<uint8_t>(static_cast<int8_t>(v.IntValue())));
      return buffer;
    case VT_UI1:
      std::snprintf(buffer, sizeof buffer, "%d", static_cast<uint8_t>(v.UIntValue()));
      return buffer;
    case VT_R4:
      std::snprintf(buffer, sizeof buffer, "%.4f",
                    static_cast<double>(static_cast<float>(v.RealValue())));
      return buffer;
    case VT_R8:
    case VT_DECIMAL:
      std::snprintf(buffer, sizeof buffer, "%.8f", v.RealValue());
      return buffer;
    case VT_CY: {
      // The locale's plain number form: up to four decimals, no trailing zeros.
      std::snprintf(buffer, sizeof buffer, "%.4f", static_cast<double>(v.IntValue()) / 10000.0);
      std::string text = buffer;
      text.erase(text.find_last_not_of('0') + 1);
      if (!text.empty() && text.back() == '.') text.pop_back();
      return text;
    }
    case VT_DATE:
      return DateToText(v.RealValue());
    case VT_BSTR:
      return v.Text();
    case VT_BOOL:
      return v.IntValue() ? "TRUE" : "FALSE";
    case VT_ARRAY | VT_UI1:
      return "[BLOB]";
    default:
      return "UN_KNOW";
  }
}

std::string DateTime::Format() const {
  return valid ? ado::DateToText(serial) : std::string();
}

DateTime VariantToDateTime(const ado::Variant& value) {
  if (value.Type() != ado::VT_DATE) return {};
  return {value.RealValue(), true};
}

}  // namespace netdb
