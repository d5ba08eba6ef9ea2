// Paragraph checks of part B (the system's unit wordbas).
#include "grading/docmark/macro/paragraph_checks.h"

#include <string>

#include "grading/docmark/macro/dialog_values.h"
#include "grading/docmark/macro/search_checks.h"
#include "grading/docmark/macro/verdict.h"

namespace docmark {
namespace {

int16_t ParagraphFieldEquals(word::Application& app, std::string_view text, std::string_view field,
                             std::string_view expected) {
  word::WordBasic basic(app);
  std::string value;
  if (SelectFoundText(basic, text)) value = FieldText(basic, "FormatParagraph", field);
  return ToTruth(value == expected);
}

}  // namespace

int16_t FormatStyParaBefore(word::Application& app, std::string_view text,
                            std::string_view expected) {
  return ParagraphFieldEquals(app, text, "before", expected);
}

int16_t FormatStyParaAfter(word::Application& app, std::string_view text,
                           std::string_view expected) {
  return ParagraphFieldEquals(app, text, "after", expected);
}

int16_t FormatStyParaLeftInd(word::Application& app, std::string_view text,
                             std::string_view expected) {
  return ParagraphFieldEquals(app, text, "LeftIndent", expected);
}

int16_t FormatStyParaRightInd(word::Application& app, std::string_view text,
                              std::string_view expected) {
  return ParagraphFieldEquals(app, text, "RightIndent", expected);
}

int16_t FormatStyParaLineSpace(word::Application& app, std::string_view text,
                               std::string_view expected) {
  return ParagraphFieldEquals(app, text, "linespacing", expected);
}

int16_t FormatStyParaFirstInd(word::Application& app, std::string_view text,
                              std::string_view expected) {
  return ParagraphFieldEquals(app, text, "firstindent", expected);
}

int16_t FormatStyParaLineRule(word::Application& app, std::string_view text, int16_t expected) {
  word::WordBasic basic(app);
  int16_t rule = 0;
  if (SelectFoundText(basic, text)) rule = FieldShort(basic, "FormatParagraph", "LineSpacingRule");
  return ToTruth(rule == expected);
}

int16_t TxtPara(word::Application& app, std::string_view text) {
  word::WordBasic basic(app);
  if (!SelectFoundText(basic, text)) return -1;
  int16_t code = 0;
  if (basic.LeftPara() == 1) code = 0;
  if (basic.CenterPara() == 1) code = 1;
  if (basic.RightPara() == 1) code = 2;
  if (basic.JustifyPara() == 1) code = 3;
  if (basic.DistributePara() == 1) code = 4;
  return code;
}

}  // namespace docmark
