// Number formats of cell styles and their date detection.
#include "platform/office/excel/styles.h"

#include <cstdlib>

#include "platform/office/excel/xml_names.h"

namespace excel {

bool IsBuiltinDateFormat(int id) {
  return (id >= 14 && id <= 22) || (id >= 27 && id <= 36) || (id >= 45 && id <= 47) ||
         (id >= 50 && id <= 58);
}

bool IsDateFormatCode(std::string_view code) {
  for (size_t i = 0; i < code.size(); ++i) {
    const char c = code[i];
    if (c == '"') {
      const size_t end = code.find('"', i + 1);
      if (end == std::string_view::npos) return false;
      i = end;
    } else if (c == '[') {
      // "[h]", "[mm]", "[ss]" are elapsed times; colours and locales ("[Red]", "[$-804]") are not.
      const size_t end = code.find(']', i + 1);
      if (end == std::string_view::npos) return false;
      const std::string_view inner = code.substr(i + 1, end - i - 1);
      if (!inner.empty() && inner.find_first_not_of("hHmMsS") == std::string_view::npos)
        return true;
      i = end;
    } else if (c == '\\' || c == '_' || c == '*') {
      ++i;  // the next character is literal (or padding)
    } else {
      switch (c) {
        case 'y':
        case 'Y':
        case 'm':
        case 'M':
        case 'd':
        case 'D':
        case 'h':
        case 'H':
        case 's':
        case 'S':
          return true;
        default:
          break;
      }
    }
  }
  return false;
}

Styles::Styles(pugi::xml_node styleSheet) {
  if (pugi::xml_node numFmts = ChildElement(styleSheet, "numFmts")) {
    for (pugi::xml_node f = numFmts.first_child(); f; f = f.next_sibling()) {
      if (!IsElement(f, "numFmt")) continue;
      customFormats_[f.attribute("numFmtId").as_int(-1)] = f.attribute("formatCode").value();
    }
  }
  if (pugi::xml_node xfs = ChildElement(styleSheet, "cellXfs")) {
    for (pugi::xml_node xf = xfs.first_child(); xf; xf = xf.next_sibling()) {
      if (!IsElement(xf, "xf")) continue;
      const int id = xf.attribute("numFmtId").as_int(0);
      xfNumFmt_.push_back(id);
      auto custom = customFormats_.find(id);
      xfIsDate_.push_back(custom != customFormats_.end() ? IsDateFormatCode(custom->second)
                                                         : IsBuiltinDateFormat(id));
    }
  }
}

int Styles::NumberFormatId(uint32_t xf) const {
  return xf < xfNumFmt_.size() ? xfNumFmt_[xf] : 0;
}

const std::string& Styles::NumberFormatCode(int id) const {
  static const std::string kNone;
  auto it = customFormats_.find(id);
  return it == customFormats_.end() ? kNone : it->second;
}

bool Styles::IsDateStyle(uint32_t xf) const {
  return xf < xfIsDate_.size() && xfIsDate_[xf];
}

}  // namespace excel
