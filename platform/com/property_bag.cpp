// Property bags and their text form.
#include "platform/com/property_bag.h"

#include <charconv>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "platform/base/text.h"
#include "platform/com/change_type.h"
#include "platform/com/errors.h"

namespace com {
namespace {

// The kinds a bag persists, by the names of the text form.
struct KindName {
  uint16_t vt;
  std::string_view name;
};
constexpr KindName kKinds[] = {
    {VT_EMPTY, "EMPTY"}, {VT_NULL, "NULL"},       {VT_I1, "I1"},
    {VT_I2, "I2"},       {VT_I4, "I4"},           {VT_I8, "I8"},
    {VT_INT, "INT"},     {VT_UI1, "UI1"},         {VT_UI2, "UI2"},
    {VT_UI4, "UI4"},     {VT_UI8, "UI8"},         {VT_UINT, "UINT"},
    {VT_R4, "R4"},       {VT_R8, "R8"},           {VT_CY, "CY"},
    {VT_DATE, "DATE"},   {VT_DECIMAL, "DECIMAL"}, {VT_BOOL, "BOOL"},
    {VT_ERROR, "ERROR"}, {VT_BSTR, "BSTR"},       {VT_ARRAY | VT_UI1, "ARRAY_UI1"},
};

const KindName* KindOf(uint16_t vt) {
  for (const KindName& k : kKinds)
    if (k.vt == vt) return &k;
  return nullptr;
}

const KindName* KindNamed(std::string_view name) {
  for (const KindName& k : kKinds)
    if (k.name == name) return &k;
  return nullptr;
}

bool ValidName(std::string_view name) {
  return !name.empty() && base::Trim(name) == name &&
         name.find_first_of("=\r\n") == std::string_view::npos;
}

std::string Quote(const std::string& text) {
  std::string out = "\"";
  for (const char c : text) {
    switch (c) {
      case '\\':
        out += "\\\\";
        break;
      case '"':
        out += "\\\"";
        break;
      case '\n':
        out += "\\n";
        break;
      case '\r':
        out += "\\r";
        break;
      case '\t':
        out += "\\t";
        break;
      default:
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f) {
          char hex[8];
          std::snprintf(hex, sizeof hex, "\\x%02x", static_cast<unsigned char>(c));
          out += hex;
        } else {
          out += c;
        }
    }
  }
  return out + "\"";
}

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// The text of a quoted value; nothing may follow the closing quote.
base::Result<std::string> Unquote(std::string_view q) {
  if (q.size() < 2 || q.front() != '"' || q.back() != '"')
    return base::Error::Of("text must be in double quotes");
  std::string out;
  for (size_t i = 1; i + 1 < q.size(); ++i) {
    char c = q[i];
    if (c == '"') return base::Error::Of("a quote inside text must be escaped");
    if (c != '\\') {
      out += c;
      continue;
    }
    if (i + 2 >= q.size()) return base::Error::Of("text ends inside an escape");
    c = q[++i];
    if (c == 'n') {
      out += '\n';
    } else if (c == 'r') {
      out += '\r';
    } else if (c == 't') {
      out += '\t';
    } else if (c == '\\' || c == '"') {
      out += c;
    } else if (c == 'x' && i + 2 < q.size() - 1 && HexDigit(q[i + 1]) >= 0 &&
               HexDigit(q[i + 2]) >= 0) {
      out += static_cast<char>(HexDigit(q[i + 1]) * 16 + HexDigit(q[i + 2]));
      i += 2;
    } else {
      return base::Error::Of("unknown escape \\", std::string(1, c));
    }
  }
  return out;
}

std::string RealText(double d) {
  char buf[64];
  const auto r = std::to_chars(buf, buf + sizeof buf, d);
  return std::string(buf, r.ptr);
}

template <class T>
base::Result<T> ParseNumber(std::string_view text) {
  T value{};
  const auto r = std::from_chars(text.data(), text.data() + text.size(), value);
  if (r.ec != std::errc() || r.ptr != text.data() + text.size())
    return base::Error::Of("\"", std::string(text), "\" is not a number of this kind");
  return value;
}

std::string ValueText(const Variant& v) {
  switch (v.Type()) {
    case VT_EMPTY:
    case VT_NULL:
      return "";
    case VT_BSTR:
      return Quote(v.Text());
    case VT_ARRAY | VT_UI1: {
      std::string hex;
      for (uint8_t b : v.ByteArray()) {
        static constexpr char kDigits[] = "0123456789abcdef";
        hex += kDigits[b >> 4];
        hex += kDigits[b & 15];
      }
      return hex;
    }
    case VT_R4:
      return RealText(static_cast<float>(v.RealValue()));
    case VT_R8:
    case VT_DATE:
    case VT_DECIMAL:
      return RealText(v.RealValue());
    case VT_UI1:
    case VT_UI2:
    case VT_UI4:
    case VT_UI8:
    case VT_UINT:
      return std::to_string(v.UIntValue());
    default:
      return std::to_string(v.IntValue());
  }
}

// A value of kind `vt` from its text.
base::Result<Variant> ParseValue(uint16_t vt, std::string_view text) {
  switch (vt) {
    case VT_EMPTY:
    case VT_NULL:
      if (!text.empty()) return base::Error::Of("EMPTY and NULL take no value");
      return vt == VT_NULL ? Variant::Null() : Variant();
    case VT_BSTR: {
      auto t = Unquote(text);
      if (!t) return t.error();
      return Variant::String(std::move(*t));
    }
    case VT_ARRAY | VT_UI1: {
      if (text.size() % 2) return base::Error::Of("a byte array needs two hex digits a byte");
      std::vector<uint8_t> bytes;
      for (size_t i = 0; i < text.size(); i += 2) {
        const int hi = HexDigit(text[i]), lo = HexDigit(text[i + 1]);
        if (hi < 0 || lo < 0) return base::Error::Of("a byte array holds hex digits only");
        bytes.push_back(static_cast<uint8_t>(hi * 16 + lo));
      }
      return Variant::Bytes(std::move(bytes));
    }
    case VT_R4:
    case VT_R8:
    case VT_DATE:
    case VT_DECIMAL: {
      auto d = ParseNumber<double>(text);
      if (!d) return d.error();
      return ChangeType(Variant::R8(*d), vt);
    }
    case VT_UI1:
    case VT_UI2:
    case VT_UI4:
    case VT_UI8:
    case VT_UINT: {
      auto u = ParseNumber<uint64_t>(text);
      if (!u) return u.error();
      return ChangeType(Variant::UI8(*u), vt);
    }
    case VT_CY:
    case VT_ERROR: {
      auto i = ParseNumber<int64_t>(text);
      if (!i) return i.error();
      if (vt == VT_CY) return Variant::Currency(*i);
      if (*i < INT32_MIN || *i > INT32_MAX) return base::Error::Of("an error code has 32 bits");
      return Variant::Error(static_cast<int32_t>(*i));
    }
    default: {
      auto i = ParseNumber<int64_t>(text);
      if (!i) return i.error();
      return ChangeType(Variant::I8(*i), vt);
    }
  }
}

}  // namespace

Variant PropertyBag::Read(std::string_view name, const Variant& fallback) const {
  const Variant* v = Find(name);
  return v ? *v : fallback;
}

base::Status PropertyBag::Write(std::string_view name, const Variant& value) {
  if (!ValidName(name))
    return DispatchError(kErrInvalidArg, "\"" + std::string(name) + "\" cannot name a property");
  Variant stored = value.Deref();
  if (!KindOf(stored.Type()))
    return DispatchError(kErrBadVarType, "a " + VarTypeName(stored.Type()) +
                                             " value cannot be saved as property " +
                                             std::string(name));
  for (auto& [key, v] : items_) {
    if (base::EqualsNoCase(key, name)) {
      v = std::move(stored);
      return base::Ok();
    }
  }
  items_.emplace_back(std::string(name), std::move(stored));
  return base::Ok();
}

const Variant* PropertyBag::Find(std::string_view name) const {
  for (const auto& [key, v] : items_)
    if (base::EqualsNoCase(key, name)) return &v;
  return nullptr;
}

std::string PropertyBag::ToText() const {
  std::string out;
  for (const auto& [name, v] : items_) {
    out += name + " = " + std::string(KindOf(v.Type())->name);
    const std::string value = ValueText(v);
    if (!value.empty()) out += " " + value;
    out += "\n";
  }
  return out;
}

base::Result<PropertyBag> PropertyBag::Parse(std::string_view text) {
  PropertyBag bag;
  size_t lineNo = 0;
  while (!text.empty()) {
    const size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
    ++lineNo;
    auto fail = [&](const std::string& why) {
      return DispatchError(kErrInvalidArg,
                           "property bag line " + std::to_string(lineNo) + ": " + why);
    };
    const std::string_view trimmed = base::Trim(line);
    if (trimmed.empty() || trimmed.front() == '#') continue;
    const size_t eq = trimmed.find('=');
    if (eq == std::string_view::npos) return fail("no \"=\" after the name");
    const std::string_view name = base::Trim(trimmed.substr(0, eq));
    const std::string_view rest = base::Trim(trimmed.substr(eq + 1));
    const size_t blank = rest.find(' ');
    const KindName* kind = KindNamed(rest.substr(0, blank));
    if (!kind) return fail("unknown kind \"" + std::string(rest.substr(0, blank)) + "\"");
    const std::string_view valueText =
        blank == std::string_view::npos ? std::string_view() : base::Trim(rest.substr(blank + 1));
    auto value = ParseValue(kind->vt, valueText);
    if (!value) return fail(value.error().message);
    if (bag.Has(name)) return fail("\"" + std::string(name) + "\" appears twice");
    if (auto s = bag.Write(name, *value); !s) return fail(s.error().message);
  }
  return bag;
}

}  // namespace com
