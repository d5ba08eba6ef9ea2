// Helpers of the object keywords (see object_common.h).
#include "grading/webmark/checks/object_common.h"

#include <string>

#include "grading/webmark/result_log.h"
#include "platform/vb/strings.h"
#include "platform/vb/variant.h"

namespace webmark {

bool AnswerError(RuleContext& context, std::string_view keyword, std::string_view detail) {
  AppendLog(context.state, "(" + std::to_string(context.rule.Id) +
                               ")错误！答案文件有错，关键字：[" + std::string(keyword) + "]" +
                               std::string(detail));
  return false;
}

base::Result<int32_t> WholeNumber(std::string_view value) {
  return vb::CLng(vb::Variant::String(std::string(value)));
}

bool TableFollows(const frontpage::Document& document, const frontpage::Element& element,
                  std::string_view id) {
  const frontpage::ElementList& all = document.all();
  for (int32_t i = element.sourceIndex() + 1; i < all.length(); ++i) {
    const frontpage::Element* e = all.at(i);
    if (e->Is("table") && vb::TextEquals(e->id(), id)) return true;
  }
  return false;
}

}  // namespace webmark
