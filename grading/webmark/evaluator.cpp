// The rule evaluator's frame and the position conditions.
#include "grading/webmark/evaluator.h"

#include <optional>
#include <string>

#include "grading/webmark/dom_walks.h"
#include "grading/webmark/keywords.h"
#include "grading/webmark/result_log.h"
#include "platform/office/frontpage/application.h"
#include "platform/office/frontpage/errors.h"
#include "platform/vb/strings.h"
#include "platform/win/message_box.h"

namespace webmark {
namespace {

// An ancestor walk gives up after this many steps.
constexpr int kAncestorSteps = 19;

bool Exit(WebState& state, const RuleRecord& rule, bool passed) {
  if (rule.Id < 100) {
    const std::string id = "(" + std::to_string(rule.Id) + ")";
    const std::string tail = std::to_string(rule.Points) + " -- " + rule.Description;
    AppendLog(state, passed ? id + "得分：" + tail : id + "错误！得分：0，本小题满分：" + tail);
  }
  return passed;
}

// The nearest ancestor of `element` tagged `tag` within kAncestorSteps steps; null when the walk
// reaches the body first or runs out of steps.
base::Result<const frontpage::Element*> EnclosingTag(const frontpage::Element& element,
                                                     std::string_view tag) {
  const frontpage::Element* e = &element;
  for (int step = 0; step < kAncestorSteps; ++step) {
    base::Result<const frontpage::Element*> parent = ParentOf(*e);
    if (!parent) return parent.error();
    e = *parent;
    if (e->Is("body")) return nullptr;
    if (e->Is(tag)) return e;
  }
  return nullptr;
}

// The sourceIndex of the first mark whose text holds value & ":"; nullopt when none does.
std::optional<double> FindMark(const WebState& state, std::string_view value) {
  const std::string sought = std::string(value) + ":";
  for (const Mark& mark : state.MarkList) {
    const std::string text = mark.name + ":" + std::to_string(mark.sourceIndex);
    if (vb::InStrText(text, sought) != std::string::npos)
      return Val(std::string_view(text).substr(text.rfind(':') + 1));
  }
  return std::nullopt;
}

enum class Compare { Equal, AtMost, AtLeast };

bool Holds(double actual, Compare compare, double expected) {
  switch (compare) {
    case Compare::Equal:
      return actual == expected;
    case Compare::AtMost:
      return actual <= expected;
    case Compare::AtLeast:
      return actual >= expected;
  }
  return false;
}

// The index conditions: the enclosing row's rowIndex or the enclosing cell's cellIndex.
struct IndexKey {
  std::string_view key;
  std::string_view tag;
  Compare compare;
};
constexpr IndexKey kIndexKeys[] = {
    {"rowindex", "TR", Compare::Equal},     {"rowindexLE", "TR", Compare::AtMost},
    {"rowindexGE", "TR", Compare::AtLeast}, {"cellindex", "TD", Compare::Equal},
    {"cellindexLE", "TD", Compare::AtMost}, {"cellindexGE", "TD", Compare::AtLeast},
};

base::Result<bool> IndexCondition(const IndexKey& index, const frontpage::Element& element,
                                  std::string_view value) {
  base::Result<const frontpage::Element*> enclosing = EnclosingTag(element, index.tag);
  if (!enclosing) return enclosing.error();
  if (!*enclosing) return false;
  base::Result<int32_t> position =
      index.tag == "TR" ? (*enclosing)->rowIndex() : (*enclosing)->cellIndex();
  if (!position) return position.error();
  if (index.compare == Compare::Equal && index.tag == "TR" && vb::TextEquals(value, "%LASTROW%")) {
    base::Result<int32_t> rows = getTableRows(**enclosing);
    if (!rows) return rows.error();
    return *position == *rows - 1;
  }
  return Holds(*position, index.compare, Val(value));
}

}  // namespace

base::Result<std::string_view> Item(const std::vector<std::string>& list, size_t index) {
  if (index < 1 || index > list.size())
    return base::Error::WithCode(9, "list item " + std::to_string(index) + " is beyond the end");
  return std::string_view(list[index - 1]);
}

double Val(std::string_view text) {
  base::Result<double> value = vb::Val(text);
  return value ? *value : 0;
}

base::Result<bool> GeneralCheck(WebState& state, const frontpage::Element& element,
                                std::string_view key, std::string_view value) {
  if (vb::TextEquals(key, "tableid")) {
    base::Result<const frontpage::Element*> table = EnclosingTag(element, "TABLE");
    if (!table) return table.error();
    return *table && vb::TextEquals(value, (*table)->id());
  }
  for (const IndexKey& index : kIndexKeys) {
    if (vb::TextEquals(key, index.key)) return IndexCondition(index, element, value);
  }
  if (vb::TextEquals(key, "MARKOBJ")) {
    for (const Mark& mark : state.MarkList) {
      if (vb::TextEquals(mark.name, value))
        return base::Error::WithCode(457, "the mark " + std::string(value) + " is set already");
    }
    state.MarkList.push_back({std::string(value), element.sourceIndex()});
    return true;
  }
  if (vb::TextEquals(key, "AFTEROBJ") || vb::TextEquals(key, "BEFOREOBJ")) {
    const std::optional<double> mark = FindMark(state, value);
    if (!mark) return false;
    return vb::TextEquals(key, "AFTEROBJ") ? element.sourceIndex() >= *mark
                                           : element.sourceIndex() <= *mark;
  }
  // A fault of the answer workbook: logged, and shown to whoever runs the grading.
  const std::string pair = std::string(key) + "=" + std::string(value);
  AppendLog(state, "(0)答案文件有错，关键字：[GeneralCheck]" + pair);
  win::MessageBox("错误答案描述：" + pair, "", win::MB_OK);
  return false;
}

bool EvaluateRule(WebState& state, int32_t index) {
  const RuleRecord& rule = state.Rules.at(static_cast<size_t>(index - 1));
  const frontpage::PageWindow* window = state.Editor ? state.Editor->ActivePageWindow() : nullptr;
  const frontpage::Document* page = window ? window->document() : nullptr;
  if (!page) return Exit(state, rule, false);
  const frontpage::Document* frames = window->frameWindow().document();

  base::Result<std::string_view> keyword = Item(rule.ObjectDescription, 1);
  if (!keyword) return Exit(state, rule, false);
  const KeywordRow* row = FindKeyword(*keyword);
  if (!row) {
    base::Result<std::string_view> object = Item(rule.ObjectDescription, 2);
    AppendLog(state, "(" + std::to_string(rule.Id) + ")错误！对象描述有错，关键字：" +
                         std::string(*keyword) + std::string(object.value_or("")));
    return Exit(state, rule, false);
  }
  const frontpage::Document& document =
      row->document == PageDocument::Frames && frames ? *frames : *page;
  RuleContext context{state, rule, document};
  base::Result<bool> verdict = row->branch(context);
  return Exit(state, rule, verdict && *verdict);
}

}  // namespace webmark
