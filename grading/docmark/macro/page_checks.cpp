// Page, column and drop cap checks of part B (the system's unit wordbas).
#include "grading/docmark/macro/page_checks.h"

#include "grading/docmark/macro/dialog_values.h"
#include "grading/docmark/macro/search_checks.h"
#include "platform/vb/strings.h"

namespace docmark {

int16_t SetPaper(word::Application& app, std::string_view width, std::string_view height) {
  word::WordBasic basic(app);
  int16_t code = 0;
  if (FieldText(basic, "FilePageSetup", "PageWidth") == width) code += 10;
  if (FieldText(basic, "FilePageSetup", "PageHeight") == height) code += 1;
  return code;
}

int16_t SetPaperMag(word::Application& app, std::string_view top, std::string_view bottom,
                    std::string_view left, std::string_view right) {
  word::WordBasic basic(app);
  int16_t code = 0;
  if (FieldText(basic, "FilePageSetup", "TopMargin") == top) code += 1000;
  if (FieldText(basic, "FilePageSetup", "BottomMargin") == bottom) code += 100;
  if (FieldText(basic, "FilePageSetup", "LeftMargin") == left) code += 10;
  if (FieldText(basic, "FilePageSetup", "RightMargin") == right) code += 1;
  return code;
}

int16_t WordDropCap(word::Application& app, std::string_view text, int16_t position, int16_t lines,
                    std::string_view font, std::string_view distance) {
  word::WordBasic basic(app);
  if (!SelectFoundText(basic, text)) return 0;
  int16_t code = 0;
  if (FieldEqualsNumber(basic, "FormatDropCap", "Position", position)) code += 16;
  if (vb::Val(FieldText(basic, "FormatDropCap", "DropHeight")).value_or(0) == lines) code += 8;
  if (FieldText(basic, "FormatDropCap", "Font") == font) code += 4;
  if (FieldText(basic, "FormatDropCap", "DistFromText") == distance) code += 2;
  return code;
}

int16_t FormatStyColumns(word::Application& app, std::string_view text, int16_t columns,
                         int16_t line, int16_t evenlySpaced, std::string_view spacing,
                         std::string_view width) {
  word::WordBasic basic(app);
  if (!SelectFoundText(basic, text)) return 0;
  int16_t code = 0;
  if (FieldEqualsNumber(basic, "FormatColumns", "columns", columns)) code += 16;
  if (FieldEqualsNumber(basic, "FormatColumns", "ColLine", line)) code += 8;
  if (FieldEqualsNumber(basic, "FormatColumns", "EvenlySpaced", evenlySpaced)) code += 4;
  if (FieldText(basic, "FormatColumns", "columnspacing") == spacing) code += 2;
  if (FieldText(basic, "FormatColumns", "columnwidth") == width && evenlySpaced == 0) code += 1;
  return code;
}

}  // namespace docmark
