// The grading dialog's flow (see grading_flow.h).
#include "client/grading/grading_flow.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdlib>
#include <optional>

#include "client/common/file_write.h"
#include "client/common/system_utils.h"
#include "client/exam/exam_session.h"
#include "client/grading/grading_record.h"
#include "client/grading/score_scrambler.h"
#include "client/grading/score_upload.h"
#include "client/server/server_protocol.h"
#include "platform/win/attributes.h"
#include "platform/win/codepage.h"

namespace {

constexpr std::string_view kCloseDocuments = "请关闭所有打开的文档然后进行评分";
constexpr std::string_view kNoPapers = "无法读取考生抽取试题的数据，尝试退出程序重新评分";

// A number the way the C library's text-to-integer conversion reads it, kept within int.
int ToInt(const std::string& text) {
  const long value = std::strtol(text.c_str(), nullptr, 10);
  return static_cast<int>(std::clamp<long>(value, INT_MIN, INT_MAX));
}

// Truncated toward zero and kept within int; not a number gives 0.
int Truncate(double value) {
  if (std::isnan(value)) return 0;
  return static_cast<int>(std::trunc(std::clamp<double>(value, INT_MIN, INT_MAX)));
}

}  // namespace

GradingFlow::GradingFlow(ExamSession& session, GradingCandidate candidate, ScoreDlgWindow& window,
                         GradingSystem& system)
    : session_(session), candidate_(std::move(candidate)), window_(window), system_(system) {
  context_.programFolder = session_.ProgramFolder();
  context_.studentFolder = candidate_.studentFolder;
  context_.examCode = candidate_.examCode;
  context_.training = session_.TrainingMode();
  context_.parent = window_.ControlParent();
  state_.autoScore = session_.Settings().Read("KIRV", "AutoScore") == "1";
  state_.autoRestart = session_.Settings().Read("KIRV", "AutoRestart") == "1";
}

void GradingFlow::Refresh() {
  window_.Show(state_);
}

void GradingFlow::ShowPicture(const char* skin) {
  state_.picture = session_.ProgramFolder() + "Skins\\" + skin;
  Refresh();
}

void GradingFlow::Message(const std::string& text) {
  window_.Message(text);
}

void GradingFlow::Line(const std::string& text) {
  state_.lines.push_back(text);
  Refresh();
}

void GradingFlow::StartWordWatchdog() {
  window_.StartTimer(kWatchdogTimer, 500);
}

void GradingFlow::StopWordWatchdog() {
  window_.StopTimer(kWatchdogTimer);
}

std::string GradingFlow::ClipboardText() {
  return system_.ClipboardText();
}

void GradingFlow::OnInitDialog() {
  state_.viewVisible = session_.TrainingMode();
  if (state_.autoScore) {
    countdown_ = kAutoStartSeconds;
    window_.StartTimer(kAutoStartTimer, 1000);
  }
  ShowPicture("Timer.jpg");
}

void GradingFlow::EnableButtons(bool on) {
  state_.buttonsEnabled = on;
  state_.viewEnabled = on;
  state_.uploadEnabled = !encodedScore_.empty();
  Refresh();
}

void GradingFlow::OnStartGrading() {
  if (busy_) return;
  busy_ = true;
  ShowPicture("Timer.jpg");
  const int stored = GradeAll(candidate_.examCode);
  state_.waitCursor = false;
  ShowPicture(stored == 1 ? "ScoreOK.jpg" : "Error.jpg");
  EnableButtons(true);
  busy_ = false;
  const std::string script = session_.ProgramFolder() + "Script\\";
  if (FileExists(script + "score.bat")) RunAndWait(script + "score.bat", script);
}

int GradingFlow::GradeAll(const std::string& examCode) {
  if (examCode.empty()) {
    Message("评哪位考生？");
    return 0;
  }
  EnableButtons(false);
  state_.lines.clear();
  if (state_.autoScore) {
    state_.caption = kCloseDocuments;
    window_.StopTimer(kAutoStartTimer);
  }
  Line("正在对 影响评分的进程进行关闭...");
  CloseExplorerWindows();
  KillListedProcesses();
  Line("正在对 " + examCode + " 进行评分...");
  Line("");
  state_.progress = 0;
  Refresh();

  std::optional<GradingRecord> record;
  if (context_.training) {
    record.emplace(candidate_.studentFolder);
    if (base::Status begun = record->Begin(); !begun)
      Line("无法写入评分记录：" + begun.error().message);
  }
  encodedScore_.clear();

  ExamStore& store = session_.Store();
  auto row = store.FindCandidate(examCode);
  if (!row || !*row || (*row)->papers.empty()) {
    Message(std::string(kNoPapers) + (row ? "" : "\n" + row.error().message));
    return 0;
  }
  std::vector<std::string> items, ids, scores;
  SplitString((*row)->papers, "|", items);
  const int count = static_cast<int>(items.size());
  for (int i = 0; i < count; ++i) {
    const size_t dash = items[i].find('-');
    const std::string moduleId = items[i].substr(0, dash);
    const std::string paperId = dash == std::string::npos ? "" : items[i].substr(dash + 1);
    ids.push_back(moduleId);
    auto found = store.ModuleName(ToInt(moduleId));
    const std::string name = found && *found ? **found : "未知模块";
    state_.waitCursor = true;
    const size_t progressLine = state_.lines.size();
    Line("正在对 " + name + " 进行评分...");
    base::Result<int> score = GradeModule(moduleId, paperId);
    state_.waitCursor = false;
    if (!score) {
      Message("评分时读取考试数据库发生错误:" + score.error().message);
      return 0;
    }
    scores.push_back(std::to_string(*score));
    state_.lines.erase(state_.lines.begin() + static_cast<long>(progressLine));
    Line(name + " : " + (context_.training ? scores.back() : "评分完毕"));
    state_.progress = 100 * (i + 1) / count;
    Refresh();
  }
  Line("");
  Line("所有考试模块评分完成");

  std::string scoreString;
  for (size_t i = 0; i < ids.size(); ++i) scoreString += (i ? "|" : "") + ids[i] + "-" + scores[i];
  const std::string encoded = EncodeText(scoreString, examCode);
  if (encoded.size() == 4) {
    Message("成绩加密后有问题，可能为不正确的成绩");
    return 0;
  }
  if (base::Status stored = store.StoreScore(examCode, encoded); !stored) {
    Message("评分完毕但更新考生成绩记录失败" + stored.error().message);
    return 0;
  }
  encodedScore_ = encoded;
  if (record) FinishTraining(examCode, *record);

  KillListedProcesses();
  CloseExplorerWindows();
  std::string folder = candidate_.studentFolder;
  if (!folder.empty() && folder.back() == '\\') folder.pop_back();
  if (const uint32_t attributes = win::GetFileAttributes(folder);
      attributes != win::INVALID_FILE_ATTRIBUTES)
    (void)win::SetFileAttributes(folder, attributes | win::FILE_ATTRIBUTE_HIDDEN);
  return 1;
}

base::Result<int> GradingFlow::GradeModule(const std::string& moduleId,
                                           const std::string& paperId) {
  if (moduleId == "0") return Truncate(GradeSingleChoice(context_, *this, ""));
  auto answers = session_.Store().AnswerFiles(ToInt(paperId));
  if (!answers) return answers.error();
  std::vector<std::string> items;
  SplitString(answers->value_or(""), "|", items);
  const int module = ToInt(moduleId);
  int score = 0;
  for (const std::string& item : items) {
    const size_t star = item.find('*');
    if (star == std::string::npos) continue;  // no weight: the item scores 0
    const double weight = std::strtod(item.c_str() + star + 1, nullptr);
    const double result = GradeAnswerItem(module, context_, *this, item.substr(0, star));
    const int percent = std::clamp(Truncate(result), 0, 100);
    score = Truncate(weight * percent + score);
  }
  return score;
}

void GradingFlow::FinishTraining(const std::string& examCode, GradingRecord& record) {
  if (base::Status reset = session_.Store().ResetState(examCode); !reset)
    Line("更新考生状态出错:" + reset.error().message);
  for (std::string_view log : kGradingLogs) {
    if (base::Status taken = record.AppendGradingLog(candidate_.studentFolder + std::string(log));
        !taken)
      Line("无法读取评分日志：" + taken.error().message);
  }
  if (base::Status written = record.Finish(); !written) {
    Line("无法写入评分记录：" + written.error().message);
    return;
  }
  Line("评分日志采集完毕,可以点击『查看结果』 按钮查看");
}

void GradingFlow::KillListedProcesses() {
  ::KillListedProcesses(session_.KillProcessList(), system_);
}

void GradingFlow::KillWordProcesses() {
  ::KillListedProcesses("winword.exe", system_);
}

void GradingFlow::CloseExplorerWindows() {
  system_.CloseExplorerWindows();
}

void GradingFlow::OnTimer(int id) {
  if (id == kWatchdogTimer) {
    if (system_.WindowExists("docmark")) {
      system_.CloseWindow("docmark");
      KillWordProcesses();
    }
    return;
  }
  if (id != kAutoStartTimer) return;
  --countdown_;
  if (countdown_ <= 0) {
    state_.caption = "考试系统正在评分...";
    window_.StopTimer(kAutoStartTimer);
    Refresh();
    OnStartGrading();
  }
  state_.caption = "请关闭所有打开的文档窗口 - " + std::to_string(countdown_) + " 秒后自动开始评分";
  Refresh();
}

void GradingFlow::WriteSetting(const char* key, bool on) {
  if (!session_.Settings().Write("KIRV", key, on ? "1" : "0"))
    Line(std::string("无法写入设置 ") + key);
}

void GradingFlow::OnAutoScore(bool ticked) {
  state_.autoScore = ticked;
  if (ticked) {
    countdown_ = kAutoStartSeconds;
    window_.StartTimer(kAutoStartTimer, 1000);
  } else {
    window_.StopTimer(kAutoStartTimer);
    state_.caption = kCloseDocuments;
  }
  WriteSetting("AutoScore", ticked);
  Refresh();
}

void GradingFlow::OnAutoRestart(bool ticked) {
  state_.autoRestart = ticked;
  WriteSetting("AutoRestart", ticked);
  Refresh();
}

int GradingFlow::UploadScore() {
  const std::string& code = candidate_.examCode;
  if (code.empty() || encodedScore_.empty()) return 0;
  state_.caption = "正在上传分数";
  Refresh();
  const bool sent = ::UploadScore(
      session_, code, encodedScore_, [this](const std::string& text) { Line(text); },
      [](const std::vector<std::string>& reply) { return "成绩更新失败 " + ReplyField(reply, 4); });
  return sent ? 1 : 0;
}

void GradingFlow::OnUploadAgain() {
  ShowPicture("ScoreOK.jpg");
  ShowPicture(UploadScore() == 1 ? "UploadOK.jpg" : "Error.jpg");
}

void GradingFlow::RestartProgram() {
  const std::string& program = session_.ProgramFolder();
  const std::string script = program + "restart.vbs";
  if (!FileExists(script)) {
    const std::string text =
        "Wscript.Sleep 1000\r\nset a=CreateObject(\"Wscript.Shell\")\r\na.run \"" + program +
        "kirv.exe\"\r\n";
    if (base::Status kept =
            WriteFileAtomically(script, win::Utf8ToGbk(text), win::FILE_ATTRIBUTE_NORMAL);
        !kept)
      Line("无法写入 restart.vbs：" + kept.error().message);
  }
  if (base::Status started = system_.Restart(program); !started) {
    Message("考试系统无法重新启动：" + started.error().message);
    return;
  }
  window_.EndDialog(1);
}

void GradingFlow::OnViewRecord() {
  const std::string record = candidate_.studentFolder + std::string(kGradingRecordName);
  if (FileExists(record)) system_.Open(record, candidate_.studentFolder);
}
