// Class identifiers: the 128-bit ids controls are registered and created by, written
// "{58761E9E-8E05-4AF3-B331-A1CFAD77C33E}". A control library spells its id once, as text, and
// gets a compile-time error when the text is malformed:
//
//   inline constexpr com::Clsid kDocmark =
//   com::Clsid::Of("{58761E9E-8E05-4AF3-B331-A1CFAD77C33E}");
#pragma once

#include <array>
#include <compare>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace com {

struct Clsid {
  // The 32 hex digits in the order they are written.
  std::array<uint8_t, 16> bytes{};

  // "{8-4-4-4-12}" with or without the braces, hex digits in either case; nothing otherwise.
  static constexpr std::optional<Clsid> Parse(std::string_view text) {
    if (text.size() == 38 && text.front() == '{' && text.back() == '}') text = text.substr(1, 36);
    if (text.size() != 36) return std::nullopt;
    Clsid id;
    size_t out = 0;
    for (size_t i = 0; i < 36;) {
      if (i == 8 || i == 13 || i == 18 || i == 23) {
        if (text[i] != '-') return std::nullopt;
        ++i;
        continue;
      }
      const int hi = HexValue(text[i]), lo = HexValue(text[i + 1]);
      if (hi < 0 || lo < 0) return std::nullopt;
      id.bytes[out++] = static_cast<uint8_t>(hi * 16 + lo);
      i += 2;
    }
    return id;
  }

  // The id a literal names; a malformed literal does not compile.
  static consteval Clsid Of(std::string_view text) {
    const std::optional<Clsid> id = Parse(text);
    if (!id) throw "malformed class id";  // only reached while compiling
    return *id;
  }

  // "{XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}", upper case.
  std::string ToString() const;

  friend constexpr auto operator<=>(const Clsid&, const Clsid&) = default;

 private:
  static constexpr int HexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
  }
};

}  // namespace com

template <>
struct std::hash<com::Clsid> {
  size_t operator()(const com::Clsid& id) const noexcept {
    uint64_t h = 1469598103934665603ull;
    for (uint8_t b : id.bytes) h = (h ^ b) * 1099511628211ull;
    return static_cast<size_t>(h);
  }
};
