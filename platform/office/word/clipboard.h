// What Copy puts on the application's clipboard: the shown text of the range with the run
// formatting of each piece and a break for each paragraph mark with its paragraph's formatting
// (drawings and field codes are left behind; a field's result is copied as text).
#pragma once

#include <memory>
#include <string>
#include <vector>

#include <pugixml.hpp>

namespace word {

struct ClipItem {
  std::string text;  // shown text of one run (tabs "\t", line breaks "\v", ...)
  bool paragraphBreak = false;
  pugi::xml_node rPr;  // a copy of the run's w:rPr (in Clipboard::formats), or empty
  pugi::xml_node pPr;  // for a break: a copy of its paragraph's w:pPr, or empty
};

struct Clipboard {
  std::vector<ClipItem> items;
  std::shared_ptr<pugi::xml_document> formats = std::make_shared<pugi::xml_document>();
};

}  // namespace word
