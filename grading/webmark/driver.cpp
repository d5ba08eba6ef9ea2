// The grading run and the score items.
#include "grading/webmark/driver.h"

#include <algorithm>
#include <chrono>
#include <limits>

#include "grading/webmark/evaluator.h"
#include "grading/webmark/result_log.h"
#include "grading/webmark/rules.h"
#include "platform/office/frontpage/application.h"
#include "platform/office/frontpage/page_source.h"
#include "platform/vb/interaction.h"
#include "platform/vb/strings.h"
#include "platform/vb/variant.h"
#include "platform/win/confined_file.h"
#include "platform/win/paths.h"

namespace webmark {
namespace {

const std::string kSeparator(50, '=');

base::Error Overflow(const ScoreItem& item) {
  return base::Error::WithCode(
      6, "score item " + std::to_string(item.ItemNumber) + ": the combined mark leaves 16 bits");
}

// The rule index of a listed id.
base::Result<size_t> RuleOf(const WebState& state, const std::string& id) {
  base::Result<int32_t> number = vb::CLng(vb::Variant::String(id));
  if (!number) return base::Error::Of("rule id ", id, " of a score item: ", number.error().message);
  const int16_t index = FindRuleIndex(state, *number);
  if (index == 0) return base::Error::Of("rule id ", id, " of a score item names no rule");
  return static_cast<size_t>(index - 1);
}

// Reads the page at CheckPath & file into a new page window; missing when it is no file of the
// check folder, an error when it is there and does not open.
enum class PageOpen { Opened, Missing, Unreadable };
PageOpen OpenPage(WebState& state, const base::Result<win::ConfinedFolder>& folder,
                  const std::string& file) {
  if (!folder) return PageOpen::Missing;
  const std::string path = state.CheckPath + file;
  // Read as the candidate's file: regular, inside the check folder, within the page cap.
  base::Result<std::string> bytes =
      win::ReadConfinedFile(win::ToHostPath(path), *folder, frontpage::kPageFileCap);
  if (!bytes) return win::ReadsAsMissing(bytes.error()) ? PageOpen::Missing : PageOpen::Unreadable;
  base::Result<frontpage::PageWindow*> window = state.Editor->LocatePageBytes(path, *bytes);
  if (!window) return PageOpen::Unreadable;
  // A page that parses to no body is no page to grade.
  if (!(*window)->document() || !(*window)->document()->body()) {
    (*window)->Close(0, 0);
    return PageOpen::Unreadable;
  }
  state.PageWindow = *window;
  return PageOpen::Opened;
}

void ClosePage(WebState& state) {
  if (state.PageWindow) state.PageWindow->Close(0, 0);
  state.PageWindow = nullptr;
}

// Ends the run: the page closed, the editor quit, "END".
double Finish(WebState& state, double result) {
  ClosePage(state);
  if (state.Editor) {
    state.Editor->Quit();
    state.Editor.reset();
  }
  AppendLog(state, "END");
  return result;
}

double Failed(WebState& state, const base::Error& error) {
  AppendLog(state, "评分出错：" + error.message);
  return Finish(state, kNotGraded);
}

// The rule loop with its page switches; an error when a switch's page is there and does not open.
base::Status EvaluateRules(WebState& state, const base::Result<win::ConfinedFolder>& folder,
                           std::vector<int16_t>& marks) {
  const size_t count = state.Rules.size();
  for (size_t i = 0; i < count; ++i) {
    const RuleRecord& rule = state.Rules[i];
    if (!(rule.Points == 0 && rule.Id == kPageSwitchId)) {
      marks[i] =
          EvaluateRule(state, static_cast<int32_t>(i + 1)) ? static_cast<int16_t>(rule.Points) : 0;
      continue;
    }
    ClosePage(state);
    base::Result<std::string_view> page = Item(rule.ObjectDescription, 2);
    if (!page) return base::Error::Of("page-switch rule ", i + 1, " names no page");
    state.PageFile = std::string(*page);
    AppendLog(state, "开始加载" + state.PageFile);
    switch (OpenPage(state, folder, state.PageFile)) {
      case PageOpen::Opened:
        AppendLog(state, "被评网页" + state.PageFile + "加载完成，继续进行评分...");
        continue;
      case PageOpen::Unreadable:
        return base::Error::Of("无法打开被评文件！", state.CheckPath, state.PageFile);
      case PageOpen::Missing:
        break;
    }
    AppendLog(state, "被评网页" + state.PageFile + "无法找到，继续后面的评分...");
    // Skip to the next switch, looked for up to the last-but-one rule; none ends the loop.
    size_t next = i + 1;
    while (next + 1 < count && state.Rules[next].Id != kPageSwitchId) ++next;
    if (next + 1 >= count) break;
    i = next - 1;
  }
  return base::Ok();
}

}  // namespace

base::Status CombineScoreItems(WebState& state, std::vector<int16_t>& marks) {
  for (const ScoreItem& item : state.ScoreItems) {
    if (item.RuleIds.empty())
      return base::Error::Of("score item ", item.ItemNumber, " lists no rule");
    base::Result<size_t> first = RuleOf(state, item.RuleIds.front());
    if (!first) return first.error();
    int32_t acc = 0;
    if (item.Operator == "AND" || item.Operator == "OR") {
      acc = marks[*first];
      for (const std::string& id : item.RuleIds) {
        base::Result<size_t> idx = RuleOf(state, id);
        if (!idx) return idx.error();
        if (item.Operator == "AND") {
          if (marks[*idx] == 0) acc = 0;
        } else {
          acc = std::max<int32_t>(acc, marks[*idx]);
        }
        marks[*idx] = 0;
      }
    } else {
      acc = item.Operator == "SUB" ? 2 * marks[*first] : 0;
      for (const std::string& id : item.RuleIds) {
        base::Result<size_t> idx = RuleOf(state, id);
        if (!idx) return idx.error();
        acc += item.Operator == "SUB" ? -marks[*idx] : marks[*idx];
        marks[*idx] = 0;
        if (acc < INT16_MIN || acc > INT16_MAX) return Overflow(item);
      }
    }
    marks[*first] = static_cast<int16_t>(acc);
    if (item.FullScore == 0) continue;
    const std::string number = "(" + std::to_string(item.ItemNumber) + ")";
    const std::string tail = std::to_string(item.FullScore) + " -- " + item.Description;
    AppendLog(state,
              acc != 0 ? number + "得分：" + tail : number + "错误！得分：0，本小题满分：" + tail);
  }
  return base::Ok();
}

double Run(WebState& state, std::string& FPCheckPath, std::string& FPAnswerFile, bool& DebugMode) {
  state.CheckPath = FPCheckPath;
  if (state.CheckPath.empty() || state.CheckPath.back() != '\\') state.CheckPath += '\\';
  state.AnswerFile = FPAnswerFile;
  state.DebugMode = DebugMode;
  vb::PumpMessages();
  state.Rules.clear();
  state.ScoreItems.clear();
  state.MarkList.clear();
  AppendLog(state, "BEGIN");

  base::Result<BookRead> read = ReadAnswerWorkbook(state, state.AnswerFile);
  if (!read || *read == BookRead::NotOpened) {
    if (!read) AppendLog(state, read.error().message);
    AppendLog(state, "答案文件未找到或者答案错误。");
    return Finish(state, kNotGraded);
  }
  state.PagePath = state.CheckPath + state.PageFile;
  AppendLog(state, "被评分的文件是：" + state.PagePath);

  state.Editor = std::make_unique<frontpage::Application>();
  const std::string version = state.Editor->Version();
  state.EditorVersion = version == "6.0" ? 2003 : version == "4.0" ? 2000 : 1000;
  // The check folder confined to the candidate folder, resolved once for every page the run reads.
  const base::Result<win::ConfinedFolder> folder =
      win::ConfinedFolder::OfCheckFolder(win::ToHostPath(state.CheckPath));
  switch (OpenPage(state, folder, state.PageFile)) {
    case PageOpen::Opened:
      break;
    case PageOpen::Missing:
      AppendLog(state, "找不到被评文件！答案中指定的文件是：" + state.PagePath);
      return Finish(state, kNotGraded);
    case PageOpen::Unreadable:
      AppendLog(state, "无法打开被评文件！答案中指定的文件是：" + state.PagePath);
      return Finish(state, kNotGraded);
  }

  AppendLog(state, kSeparator);
  const auto start = std::chrono::steady_clock::now();
  std::vector<int16_t> marks(state.Rules.size(), 0);
  if (base::Status evaluated = EvaluateRules(state, folder, marks); !evaluated)
    return Failed(state, evaluated.error());
  if (base::Status combined = CombineScoreItems(state, marks); !combined)
    return Failed(state, combined.error());
  AppendLog(state, kSeparator);
  int64_t total = 0;
  for (int16_t mark : marks) total += mark;
  const double elapsed =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  AppendLog(state, "评分完成！评分用时" + vb::NumberToText(elapsed) + "秒");
  AppendLog(state,
            "最后得分：" + std::to_string(total) + "，满分为：" + std::to_string(state.FullMarks));
  if (state.FullMarks == 0) return Failed(state, base::Error::Of("满分为 0，无法计算得分"));
  vb::PumpMessages();
  return Finish(state, static_cast<double>(total) * 100 / state.FullMarks);
}

}  // namespace webmark
