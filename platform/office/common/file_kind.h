// What a file's first bytes say it is, for the formats the models do not read as packages: the
// binary formats of older office programs (compound files: .doc, .xls, .ppt) and RTF. A
// candidate's file in one of them is converted first (convert.h); an answer workbook in the
// binary format is read directly (platform/office/excel/binary_workbook.h).
#pragma once

#include <string_view>

namespace office {

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

}  // namespace office
