// Searching checks of part B (the system's unit wordbas).
#include "grading/docmark/macro/search_checks.h"

#include "grading/docmark/macro/verdict.h"
#include "platform/office/word/text_units.h"

namespace docmark {
namespace {

// StartOfDocument and EditFind; whether the text was found.
bool FindFromStart(word::WordBasic& basic, std::string_view text) {
  if (!basic.StartOfDocument()) return false;
  (void)basic.EditFind(text);
  return basic.EditFindFound() != 0;
}

}  // namespace

int32_t FindStartPos(word::WordBasic& basic, std::string_view text) {
  FindFromStart(basic, text);
  return basic.GetSelStartPos();
}

int32_t FindEndPos(word::WordBasic& basic, std::string_view text) {
  FindFromStart(basic, text);
  return basic.GetSelEndPos();
}

bool SelectFoundText(word::WordBasic& basic, std::string_view text) {
  // The found occurrence is selected as it stands: cutting the text's own length back from
  // its end would miss when a "^" code stands for one character.
  return FindFromStart(basic, text);
}

int16_t SelectTxt(word::Application& app, std::string_view text) {
  word::WordBasic basic(app);
  return ToTruth(SelectFoundText(basic, text));
}

int32_t FindCount(word::Application& app, std::string_view text) {
  word::WordBasic basic(app);
  int32_t count = 0;
  // Each search goes on after what the last one found and stops at the end, so this ends.
  for (bool found = FindFromStart(basic, text); found; found = basic.EditFindFound() != 0) {
    ++count;
    (void)basic.EditFind(text);
  }
  return count;
}

int16_t FindReplace(word::Application& app, std::string_view oldText, int16_t oldCount,
                    std::string_view newText, int16_t newCount) {
  return ToTruth(FindCount(app, oldText) == oldCount && FindCount(app, newText) == newCount);
}

int16_t PlaceInOrder(word::Application& app, std::string_view a1, std::string_view a2,
                     std::string_view a3, std::string_view a4) {
  word::WordBasic basic(app);
  const int32_t p1 = FindStartPos(basic, a1);
  const int32_t p2 = FindStartPos(basic, a2);
  const int32_t p3 = FindStartPos(basic, a3);
  const int32_t p4 = FindStartPos(basic, a4);
  return ToTruth(p1 < p2 && p2 < p3 && p3 < p4);
}

int16_t HeadFoot(word::Application& app, std::string_view text, bool header) {
  word::WordBasic basic(app);
  const bool pasted = (header ? basic.ViewHeader() : basic.ViewFooter()) && basic.ParaDown(1, 1) &&
                      basic.EditCopy() && basic.CloseViewHeaderFooter() &&
                      basic.StartOfDocument() && basic.EditPaste();
  if (!pasted) {
    // Back in the main text whatever step failed, as the next check expects.
    (void)basic.CloseViewHeaderFooter();
    return engine::kFalse;
  }
  const int32_t end = FindEndPos(basic, text);
  const int32_t length = word::Utf16Units(text);
  return ToTruth(end == length || (length == 1 && end > 1));
}

}  // namespace docmark
