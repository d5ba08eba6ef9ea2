// Arbitrary bytes as a page: decoded, parsed, and every member the web-page checks read driven
// over every element (markup slices and their nesting, shown text, the properties of its kind,
// rows and cells) and over the document. Nothing may crash, hang or leak; a markup slice that
// does not stand inside its parent's is a fault and aborts.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "platform/office/frontpage/document.h"

namespace {

constexpr const char* kNames[] = {
    "id",          "align",       "size",        "face",         "color",       "href",
    "target",      "name",        "src",         "useMap",       "width",       "height",
    "border",      "hspace",      "vspace",      "shape",        "coords",      "bgColor",
    "borderColor", "cellPadding", "cellSpacing", "colSpan",      "rowSpan",     "vAlign",
    "loop",        "direction",   "behavior",    "scrollAmount", "scrollDelay", "scrolling",
    "httpEquiv",   "content",     "charset",     "rowIndex",     "cellIndex",   "background",
    "cols",        "rows",        "innerText",   "nosuch"};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  auto doc = frontpage::Document::Parse(bytes, "C:\\exam\\Fropkt\\index.htm", "/nonexistent");
  if (!doc) return 0;
  const frontpage::Document& d = **doc;
  static_cast<void>(d.title());
  static_cast<void>(d.bgColor());
  static_cast<void>(d.Property("linkColor"));
  int32_t visited = 0;
  for (const frontpage::Element* el : d.all()) {
    if (++visited > 500) break;
    if (const frontpage::Element* parent = el->parentElement()) {
      if (parent->innerHTML().find(el->outerHTML()) == std::string_view::npos) std::abort();
    }
    static_cast<void>(el->innerText());
    for (const char* name : kNames) static_cast<void>(el->Property(name));
    static_cast<void>(el->rows());
    static_cast<void>(el->cells());
    static_cast<void>(el->areas());
    static_cast<void>(el->all().tags("td").length());
  }
  return 0;
}
