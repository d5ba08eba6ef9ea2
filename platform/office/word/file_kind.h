// What a file's first bytes say it is, for the formats the model does not read itself: the
// binary documents of older word processors (compound files) and RTF, which a caller converts
// first (convert.h).
#pragma once

#include <string_view>

namespace word {

inline constexpr std::string_view kCompoundFileSignature = "\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1";

inline bool IsCompoundFile(std::string_view bytes) {
  return bytes.starts_with(kCompoundFileSignature);
}

inline bool IsRtf(std::string_view bytes) {
  return bytes.starts_with("{\\rtf");
}

// True for a document in a format the converter turns into a package.
inline bool NeedsConversion(std::string_view bytes) {
  return IsCompoundFile(bytes) || IsRtf(bytes);
}

}  // namespace word
