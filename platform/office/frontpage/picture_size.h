// A picture's size in pixels read from its file's header, as the browser learns an image's
// natural size: GIF, JPEG, PNG and BMP.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace frontpage {

struct PictureSize {
  int32_t width = 0, height = 0;
  bool operator==(const PictureSize&) const = default;
};

// The size the header states; nullopt for bytes of no kind above or a header cut short.
std::optional<PictureSize> ReadPictureSize(std::string_view bytes);

}  // namespace frontpage
