// Character checks of part B (the system's unit wordbas).
#include "grading/docmark/macro/font_checks.h"

#include "grading/docmark/macro/dialog_values.h"
#include "grading/docmark/macro/search_checks.h"
#include "grading/docmark/macro/verdict.h"

namespace docmark {

int16_t TxtFont(word::Application& app, std::string_view text, std::string_view expected) {
  word::WordBasic basic(app);
  if (!SelectFoundText(basic, text)) return engine::kFalse;
  return ToTruth(FieldText(basic, "FormatFont", "Font") == expected);
}

int16_t TxtFontSize(word::Application& app, std::string_view text, double expected) {
  word::WordBasic basic(app);
  if (!SelectFoundText(basic, text)) return engine::kFalse;
  return ToTruth(basic.FontSize() == expected);
}

int16_t TxtFontSpacing(word::Application& app, std::string_view text, std::string_view expected) {
  word::WordBasic basic(app);
  if (!SelectFoundText(basic, text)) return engine::kFalse;
  return ToTruth(FieldText(basic, "FormatFont", "spacing") == expected);
}

int16_t TxtFontScript(word::Application& app, std::string_view text, int16_t subscript,
                      int16_t superscript) {
  word::WordBasic basic(app);
  if (!SelectFoundText(basic, text)) return engine::kFalse;
  return ToTruth(FieldShort(basic, "FormatFont", "subscript") == subscript &&
                 FieldShort(basic, "FormatFont", "superscript") == superscript);
}

int16_t TxtAttrib(word::Application& app, std::string_view text) {
  word::WordBasic basic(app);
  if (!SelectFoundText(basic, text)) return 0;
  int16_t code = 0;
  if (basic.Bold() == 1) code += 4;
  if (basic.Italic() == 1) code += 2;
  if (basic.Underline() == 1) code += 1;
  return code;
}

}  // namespace docmark
