// The graders of the grading dialog (see module_graders.h).
#include "client/grading/module_graders.h"

#include <cmath>
#include <functional>
#include <initializer_list>
#include <memory>
#include <unordered_set>

#include "client/common/file_read.h"
#include "client/common/file_write.h"
#include "client/common/system_utils.h"
#include "client/grading/controls/ping_excel.h"
#include "client/grading/controls/ping_net.h"
#include "client/grading/controls/ping_run.h"
#include "client/grading/controls/ping_win.h"
#include "platform/win/attributes.h"
#include "platform/win/codepage.h"
#include "platform/win/confined_file.h"
#include "platform/win/paths.h"

namespace {

// Child window ids of the controls.
constexpr int kDesktopId = 111, kWordId = 112, kExcelId = 113, kPptId = 114, kNetId = 115,
              kWebId = 116;

// Creates the control of `module` (its name in the messages: "Word", "Excel", ...); null, shown
// and listed, when it cannot be.
template <class Wrapper>
std::unique_ptr<Wrapper> CreateControl(const GraderContext& context, GraderReport& report,
                                       const std::string& module, int childId,
                                       const char* windowName = "") {
  auto control = std::make_unique<Wrapper>();
  if (control->Create(windowName, 0, com::Rect{}, context.parent, childId)) return control;
  const std::string text = "无法创建 " + module + " 评分对象！";
  report.Message(text);
  report.Line(text + " " + control->LastError());
  return nullptr;
}

// A call of the control failed: the item scores 0.
double CallFailed(GraderReport& report, const std::string& module, const base::Error& error) {
  report.Line("调用 " + module + " 评分对象出错：" + error.message);
  return 0;
}

// A result that is no number (an infinity, NaN) means the control did not grade: the item
// scores 0 rather than reaching the clamp at full marks.
double CheckedScore(GraderReport& report, const std::string& module, double result) {
  if (std::isfinite(result)) return result;
  const char* shown = std::isnan(result) ? "nan" : result > 0 ? "inf" : "-inf";
  report.Line(module + " 评分对象未给出有效分数（" + shown + "），此项记 0 分");
  return 0;
}

// Runs the calls in order up to the first that fails.
base::Status InOrder(std::initializer_list<std::function<base::Status()>> calls) {
  for (const auto& call : calls)
    if (base::Status done = call(); !done) return done;
  return base::Ok();
}

// The score of a Run method, or 0 for a failed call or a result that is no number.
double RunScore(GraderReport& report, const std::string& module, base::Result<double> result) {
  return result ? CheckedScore(report, module, *result)
                : CallFailed(report, module, result.error());
}

// The word-processor and presentation controls grade in Run(check folder, answer folder, answer
// name, debug), the check folder being `subfolder` of the candidate's; the word processor's runs
// under the watchdog.
template <class Wrapper>
double GradeByRun(const GraderContext& context, GraderReport& report, const std::string& module,
                  int childId, const char* subfolder, const std::string& name) {
  auto control = CreateControl<Wrapper>(context, report, module, childId);
  if (!control) return 0;
  std::string checkPath = context.studentFolder + subfolder;
  std::string answerPath = AnswerFolder(context);
  std::string answerName = name;
  bool debug = context.training;
  const bool watched = childId == kWordId;
  if (watched) report.StartWordWatchdog();
  base::Result<double> result = control->Run(checkPath, answerPath, answerName, debug);
  if (watched) report.StopWordWatchdog();
  return RunScore(report, module, std::move(result));
}

// Keeps a small text file of training mode in the candidate folder, never in a folder of his
// that leads out of it, reporting a failed write.
void KeepTrainingFile(const GraderContext& context, GraderReport& report, const std::string& path,
                      const std::string& utf8) {
  base::Result<win::ConfinedFolder> folder =
      win::ConfinedFolder::Resolve(win::ToHostPath(context.studentFolder));
  base::Status kept =
      folder ? WriteFileAtomically(path, win::Utf8ToGbk(utf8), win::FILE_ATTRIBUTE_NORMAL, &*folder)
             : base::Status(folder.error());
  if (!kept) report.Line("无法写入 " + path + "：" + kept.error().message);
}

}  // namespace

std::string AnswerFolder(const GraderContext& context) {
  return context.programFolder + "Data\\Answer\\";
}

SingleChoiceTally TallySingleChoice(const std::vector<std::string>& record,
                                    const std::vector<std::string>& key) {
  const std::unordered_set<std::string> keyLines(key.begin(), key.end());
  SingleChoiceTally tally;
  for (const std::string& line : record) {
    if (line.empty()) continue;
    ++tally.questions;
    if (line.back() == 'X') continue;
    ++tally.answered;
    if (keyLines.count(line))
      ++tally.right;
    else
      ++tally.wrong;
  }
  return tally;
}

std::string TallyText(const SingleChoiceTally& t) {
  const std::string total = "共有 " + std::to_string(t.questions) + " 道单选题，";
  if (t.answered == 0) return total + "你一道没做！";
  return total + "你选择了 " + std::to_string(t.answered) + " 道，其中正确 " +
         std::to_string(t.right) + " 道，错误 " + std::to_string(t.wrong) + " 道，正确率为 " +
         std::to_string(t.right * 100 / t.answered) + "％。";
}

double TallyPercent(const SingleChoiceTally& t) {
  return t.questions == 0 ? 0.0 : t.right * 100.0 / t.questions;
}

double GradeSingleChoice(const GraderContext& context, GraderReport& report,
                         const std::string& answerFile) {
  const std::string keyFile =
      answerFile.empty() ? context.programFolder + "Data\\Answer\\Sel.ans" : answerFile;
  const std::string recordFile = context.studentFolder + "Selkt\\" + context.examCode + ".txt";
  // The record is the candidate's to write: only a regular file inside his folder counts.
  base::Result<std::string> key = win::ReadRegularFile(win::ToHostPath(keyFile), win::kTextFileCap);
  base::Result<std::string> record = win::ReadConfinedFile(
      win::ToHostPath(recordFile), win::ToHostPath(context.studentFolder), win::kTextFileCap);
  if (!key && win::ReadsAsMissing(key.error())) {
    report.Message("不存在单选题答案文件，故无法评分。");
    return 0;
  }
  if (!record && win::ReadsAsMissing(record.error())) {
    report.Message("不存在用户单选题记录，故无法评分。");
    return 0;
  }
  for (const auto* read : {&key, &record}) {
    if (!*read) {
      report.Message("读取单选题文件出错：" + read->error().message);
      return 0;
    }
  }
  const SingleChoiceTally tally = TallySingleChoice(SplitTextLines(*record), SplitTextLines(*key));
  if (context.training)
    KeepTrainingFile(context, report, context.studentFolder + "Selkt\\1234.txt",
                     TallyText(tally) + "\r\n");
  return TallyPercent(tally);
}

double GradeDesktopOps(const GraderContext& context, GraderReport& report,
                       const std::string& name) {
  const std::string module = "Windows";
  auto win = CreateControl<PingWin>(context, report, module, kDesktopId, "abc");
  if (!win) return 0;
  base::Status set = InOrder({
      [&] { return win->SetDebugok(context.training); },
      [&] { return win->SetPathofstu(context.studentFolder); },
      [&] { return win->SetPathofanswer(AnswerFolder(context)); },
      [&] { return win->SetAnswername(name); },
  });
  if (!set) return CallFailed(report, module, set.error());
  base::Result<int16_t> grade = win->GetWingrade();
  return grade ? *grade : CallFailed(report, module, grade.error());
}

double GradeDocument(const GraderContext& context, GraderReport& report, const std::string& name) {
  return GradeByRun<PingWord>(context, report, "Word", kWordId, "wordkt\\", name);
}

double GradeSpreadsheet(const GraderContext& context, GraderReport& report,
                        const std::string& name) {
  const std::string module = "Excel";
  auto excel = CreateControl<PingExcel>(context, report, module, kExcelId);
  if (!excel) return 0;
  base::Status set = InOrder({
      [&] { return excel->SetEDebug(context.training); },
      [&] { return excel->SetExcelGrade(0); },
      [&] { return excel->SetPathofans(AnswerFolder(context)); },
      [&] { return excel->SetPathOfexl(context.studentFolder + "Excelkt\\"); },
      [&] { return excel->SetAnsname(name); },
  });
  if (!set) return CallFailed(report, module, set.error());
  base::Result<int16_t> grade = excel->GetExcelGrade();
  if (!grade) return CallFailed(report, module, grade.error());
  base::Result<int16_t> full = excel->GetExcelAllGrade();
  if (!full) return CallFailed(report, module, full.error());
  return *full == 0 ? 0 : *grade * 100 / *full;
}

double GradePresentation(const GraderContext& context, GraderReport& report,
                         const std::string& name) {
  return GradeByRun<PingPpt>(context, report, "Powerpoint", kPptId, "pptkt\\", name);
}

double GradeNetwork(const GraderContext& context, GraderReport& report) {
  const std::string module = "Network";
  auto net = CreateControl<PingNet>(context, report, module, kNetId);
  if (!net) return 0;
  base::Status graded = InOrder({
      [&] { return net->SetStudentDir(context.studentFolder); },
      [&] { return net->Go(); },
  });
  if (!graded) return CallFailed(report, module, graded.error());
  base::Result<double> score = net->GetScore();
  net.reset();
  if (!score) return CallFailed(report, module, score.error());
  if (context.training) {
    MakeDirPath(context.studentFolder + "Netkt");
    KeepTrainingFile(context, report, context.studentFolder + "Netkt\\1234.txt",
                     report.ClipboardText());
  }
  return CheckedScore(report, module, *score);
}

double GradeWebPage(const GraderContext& context, GraderReport& report, const std::string& name) {
  const std::string module = "Frontpage";
  auto fp = CreateControl<PingFp>(context, report, module, kWebId);
  if (!fp) return 0;
  std::string checkPath = context.studentFolder + "Fropkt\\";
  std::string answerFile = AnswerFolder(context) + name;
  bool debug = context.training;
  const double result = RunScore(report, module, fp->Run(checkPath, answerFile, debug));
  return result >= 0 ? result : 0;
}

double GradeAnswerItem(int moduleId, const GraderContext& context, GraderReport& report,
                       const std::string& name) {
  switch (moduleId) {
    case 1:
      return GradeDesktopOps(context, report, name);
    case 2:
      return GradeDocument(context, report, name);
    case 3:
      return GradeSpreadsheet(context, report, name);
    case 4:
      return GradePresentation(context, report, name);
    case 5:
      return GradeNetwork(context, report);
    case 6:
      return GradeWebPage(context, report, name);
    default:
      return 0;
  }
}
