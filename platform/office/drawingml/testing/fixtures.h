// Fixtures for the DrawingML tests: a theme part as the suites write one (cut down to what the
// tests read), and XML snippets parsed on the spot. Snippets need no namespace declarations:
// readers match elements by local name.
#pragma once

#include <string_view>

#include <pugixml.hpp>

#include "platform/office/drawingml/theme.h"

namespace drawingml::testing {

// The suites' older standard colours: dk1 000000 (system), lt1 FFFFFF (system), dk2 1F497D,
// lt2 EEECE1, accent1 4F81BD, accent2 C0504D, accent3..6, hlink 0000FF. Fonts: major "Cambria"
// / Hans "黑体", minor "Calibri" / complex script "Arial" / Hans "宋体". Style matrix: fills 1
// solid phClr, 2 gradient of phClr tints, 3 solid phClr shade 50%; lines 1..3 of 0.5, 1 and 1.5 pt
// in phClr; effects 1..2 empty, 3 an outer shadow; background fill 1001 solid phClr.
extern const std::string_view kTheme;

// The parsed fixture theme, shared by the tests.
const Theme& FixtureTheme();

// An XML snippet parsed into its own tree; Root() is its root element, empty (and the test
// failed) when the text is not well-formed.
class Snippet {
 public:
  explicit Snippet(std::string_view xml);
  pugi::xml_node Root() const { return document_.document_element(); }

 private:
  pugi::xml_document document_;
};

}  // namespace drawingml::testing
