#include "platform/office/frontpage/picture_size.h"

#include <climits>
#include <cstdlib>

namespace frontpage {
namespace {

uint32_t Byte(std::string_view b, size_t i) {
  return static_cast<unsigned char>(b[i]);
}
uint32_t Le16(std::string_view b, size_t i) {
  return Byte(b, i) | Byte(b, i + 1) << 8;
}
uint32_t Be16(std::string_view b, size_t i) {
  return Byte(b, i) << 8 | Byte(b, i + 1);
}
uint32_t Le32(std::string_view b, size_t i) {
  return Le16(b, i) | Le16(b, i + 2) << 16;
}
uint32_t Be32(std::string_view b, size_t i) {
  return Be16(b, i) << 16 | Be16(b, i + 2);
}

std::optional<PictureSize> Jpeg(std::string_view b) {
  size_t i = 2;
  while (i + 4 <= b.size()) {
    if (Byte(b, i) != 0xFF) return std::nullopt;
    const uint32_t marker = Byte(b, i + 1);
    if (marker == 0xFF) {  // fill byte
      ++i;
      continue;
    }
    if (marker == 0x01 || (marker >= 0xD0 && marker <= 0xD8)) {  // no length of their own
      i += 2;
      continue;
    }
    if (marker == 0xD9 || marker == 0xDA) return std::nullopt;  // image data before any frame
    const uint32_t length = Be16(b, i + 2);
    if (length < 2) return std::nullopt;
    const bool frame =
        marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
    if (frame) {
      if (i + 9 > b.size()) return std::nullopt;
      return PictureSize{static_cast<int32_t>(Be16(b, i + 7)),
                         static_cast<int32_t>(Be16(b, i + 5))};
    }
    i += 2 + length;
  }
  return std::nullopt;
}

}  // namespace

std::optional<PictureSize> ReadPictureSize(std::string_view b) {
  if (b.size() >= 10 && (b.starts_with("GIF87a") || b.starts_with("GIF89a"))) {
    return PictureSize{static_cast<int32_t>(Le16(b, 6)), static_cast<int32_t>(Le16(b, 8))};
  }
  if (b.size() >= 24 && b.starts_with("\x89PNG\r\n\x1a\n") && b.substr(12, 4) == "IHDR") {
    const uint32_t w = Be32(b, 16), h = Be32(b, 20);
    if (w > INT32_MAX || h > INT32_MAX) return std::nullopt;
    return PictureSize{static_cast<int32_t>(w), static_cast<int32_t>(h)};
  }
  if (b.size() >= 4 && Byte(b, 0) == 0xFF && Byte(b, 1) == 0xD8) return Jpeg(b);
  if (b.size() >= 26 && b.starts_with("BM")) {
    const uint32_t header = Le32(b, 14);
    if (header == 12) {  // the old core header: 16-bit sizes
      return PictureSize{static_cast<int32_t>(Le16(b, 18)), static_cast<int32_t>(Le16(b, 20))};
    }
    const auto w = static_cast<int32_t>(Le32(b, 18));
    const auto h = static_cast<int32_t>(Le32(b, 22));
    if (w == INT32_MIN || h == INT32_MIN) return std::nullopt;
    return PictureSize{std::abs(w), std::abs(h)};  // a negative height runs top down
  }
  return std::nullopt;
}

}  // namespace frontpage
