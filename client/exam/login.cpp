// The login and the paper draw (see login.h).

#include "client/exam/login.h"

#include <algorithm>
#include <cstdlib>
#include <utility>

#include "client/common/system_utils.h"
#include "client/exam/single_choice_record.h"
#include "platform/base/text.h"
#include "platform/win/message_box.h"

namespace {

// A folder path without its closing "\".
std::string_view WithoutTrailingSeparator(std::string_view folder) {
  if (!folder.empty() && folder.back() == '\\') folder.remove_suffix(1);
  return folder;
}

// atoi's reading of a paper id held as text in a group's module list.
int ToInt(const std::string& s) {
  return std::atoi(s.c_str());
}

// The byte offsets where the UTF-8 characters of `text` begin; a stray byte counts as one.
std::vector<size_t> CharacterStarts(std::string_view text) {
  std::vector<size_t> starts;
  for (size_t i = 0; i < text.size(); ++i)
    if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80 || starts.empty()) starts.push_back(i);
  return starts;
}

}  // namespace

bool IsAcceptableExamCode(std::string_view code) {
  if (code.empty()) return false;
  // "." names the root itself and ".." its parent.
  if (code == "." || code.find("..") != std::string_view::npos) return false;
  for (unsigned char c : code) {
    if (c < 0x20 || c == 0x7F) return false;
    switch (c) {
      case '\\':
      case '/':
      case ':':
      case '*':
      case '?':
      case '"':
      case '<':
      case '>':
      case '|':
      case '-':
      case '\'':
        return false;
      default:
        break;
    }
  }
  return true;
}

std::string CandidateFolder(std::string_view programFolder, std::string_view testDir,
                            std::string_view code) {
  std::string dir = testDir.empty() ? std::string("testdir") : std::string(testDir);
  std::string folder;
  if (dir.find(':') != std::string::npos)
    folder = dir;
  else
    folder = std::string(programFolder.substr(0, 3)) + dir;
  return folder + "\\" + std::string(code) + "\\";
}

SeatOfCode CutSeat(std::string_view code) {
  const std::vector<size_t> starts = CharacterStarts(code);
  // Characters [from, from + n) as bytes.
  auto cut = [&](size_t from, size_t n) -> std::string {
    if (from >= starts.size()) return {};
    const size_t end = from + n < starts.size() ? starts[from + n] : code.size();
    return std::string(code.substr(starts[from], end - starts[from]));
  };
  SeatOfCode s;
  s.session = cut(5, 2);
  s.room = cut(7, 2);
  s.seat = cut(starts.size() <= 2 ? 0 : starts.size() - 2, 2);
  return s;
}

int PaperSeconds(int timeLimit) {
  return (timeLimit == 0 ? 45 : timeLimit) * 60;
}

std::string BackupFolderName(std::string_view folder, std::string_view stamp) {
  return std::string(WithoutTrailingSeparator(folder)) + "." + std::string(stamp) + ".bak";
}

std::string StagingFolder(std::string_view folder, std::string_view stamp,
                          std::string_view purpose) {
  const std::string_view base = WithoutTrailingSeparator(folder);
  const size_t cut = base.rfind('\\') + 1;  // 0 without a parent
  return std::string(base.substr(0, cut)) + "~" + std::string(base.substr(cut)) + "." +
         std::string(stamp) + "." + std::string(purpose) + "\\";
}

std::vector<std::string> UniqueArchives(const std::vector<DrawEntry>& entries) {
  std::vector<std::string> out;
  for (const DrawEntry& e : entries)
    if (std::find(out.begin(), out.end(), e.archive) == out.end()) out.push_back(e.archive);
  return out;
}

std::string UnpackCommand(std::string_view programFolder, std::string_view password,
                          std::string_view archive, std::string_view studentFolder) {
  // Backslashes are plain to the process layer, so the folder's closing "\" may stand right
  // before the quote.
  std::string pf(programFolder);
  return pf + "7za.exe x -aos -p\"" + std::string(password) + "\" \"" + pf + "Data\\Attach\\" +
         std::string(archive) + "\" -o\"" + std::string(studentFolder) + "\" ";
}

std::string JoinPaperList(const std::vector<DrawEntry>& entries) {
  std::string out;
  for (const DrawEntry& e : entries) out += "|" + e.module + "-" + e.part;
  return out.empty() ? out : out.substr(1);
}

std::string ShuffleAndJoin(std::vector<std::string> names, int count,
                           const std::function<int()>& dice) {
  for (size_t i = names.size(); i-- > 1;) {
    size_t j = static_cast<size_t>(dice()) % (i + 1);
    std::swap(names[i], names[j]);
  }
  size_t n = std::min(names.size(), static_cast<size_t>(std::max(count, 0)));
  std::string out;
  for (size_t i = 0; i < n; ++i) out += (i ? "," : "") + names[i];
  return out;
}

LoginEnd RunLogin(LoginSteps& steps) {
  if (!steps.TakeCode() || !steps.CheckChoices()) return LoginEnd::Stayed;
  steps.RunLoginHook();
  if (!steps.ReadExamSettings()) return LoginEnd::Stayed;
  switch (steps.CheckCandidateRow()) {
    case LoginSteps::RowVerdict::Stop:
      return LoginEnd::Stayed;
    case LoginSteps::RowVerdict::Resume:
      return LoginEnd::Resumed;
    case LoginSteps::RowVerdict::GoOn:
      break;
  }
  if (!steps.PutOldFolderAside()) return LoginEnd::Stayed;
  // From here every way out but the last takes back what was done.
  const bool started = steps.CreateFolder() && steps.DrawPaper() &&
                       (steps.Unpack(), steps.LogPapers()) && steps.WriteAnswerRecord() &&
                       steps.RecordAttempt();
  if (started) return LoginEnd::Started;
  steps.Undo();
  return LoginEnd::Stayed;
}

ExamLogin::ExamLogin(ExamStore& store, LoginHost& host, LoginUi& ui, std::string programFolder,
                     bool trainingMode)
    : store_(store),
      host_(host),
      ui_(ui),
      programFolder_(std::move(programFolder)),
      training_(trainingMode) {}

std::string ExamLogin::PickSingleChoiceSet(int selectCount) {
  host_.SeedRandom();
  std::vector<std::string> names;
  for (const std::string& file : host_.ListFiles(programFolder_ + "Data\\Paper\\Sel\\*.rtf"))
    names.push_back(file.substr(0, file.find('.')));
  return ShuffleAndJoin(std::move(names), selectCount, [this] { return host_.Random(); });
}

std::optional<LoginOutcome> ExamLogin::OnLogin(const LoginRequest& request) {
  request_ = request;
  entries_.clear();
  out_ = LoginOutcome();
  asideTo_.clear();
  folderMade_ = false;
  const LoginEnd end = RunLogin(*this);
  if (end == LoginEnd::Stayed) return std::nullopt;
  out_.resumed = end == LoginEnd::Resumed;
  return out_;
}

void ExamLogin::Stop(const std::string& message) {
  ui_.Message(message, win::MB_OK);
  ui_.SetStatus(std::string(login_text::Prompt));
}

bool ExamLogin::Written(std::string_view what, const std::string& path, const base::Status& done) {
  if (done) return true;
  Stop(std::string(what) + path + "\n\r" + done.error().message +
       std::string(login_text::NotStarted));
  return false;
}

bool ExamLogin::TakeCode() {
  // A code that could leave its folder or break the paper list and statements is refused
  // before anything is created.
  const std::string code(base::Trim(request_.code));
  if (code.empty() || !IsAcceptableExamCode(code)) {
    Stop(std::string(code.empty() ? login_text::EmptyCode : login_text::BadCode));
    ui_.FocusCode();
    return false;
  }
  out_.examCode = code;
  return true;
}

bool ExamLogin::CheckChoices() {
  const std::string setting =
      base::AsciiLower(request_.paperSetting.empty() ? "random" : request_.paperSetting);
  manual_ = setting == "manual";
  if (setting == "random") return true;
  if (request_.mode == DrawMode::SingleModule && (!request_.moduleId || !request_.paperId)) {
    ui_.Message("请选择要操作的模块和试题", win::MB_OK);
    return false;
  }
  if (request_.mode == DrawMode::Group && !request_.groupId) {
    ui_.Message("请选择要操作的试题", win::MB_OK);
    return false;
  }
  return true;
}

void ExamLogin::RunLoginHook() {
  const std::string script = programFolder_ + "Script\\";
  if (host_.FileExists(script + "login.bat")) host_.RunAndWait(script + "login.bat", script);
}

bool ExamLogin::ReadExamSettings() {
  out_.candidateName = "未知";
  // Without [Const] there is no candidate root: no folder is made anywhere else.
  const base::Result<std::optional<ConstRow>> row = store_.ReadConst();
  if (!row || !*row) {
    Stop(std::string(login_text::NoDatabase) + (row ? "" : "\n\r" + row.error().message));
    return false;
  }
  selectCount_ = (*row)->selectCount == 0 ? 50 : (*row)->selectCount;
  out_.studentFolder = CandidateFolder(programFolder_, (*row)->testDir, out_.examCode);
  out_.examSeconds = kDefaultExamSeconds;
  return true;
}

LoginSteps::RowVerdict ExamLogin::CheckCandidateRow() {
  if (training_) {
    if (base::Status reset = store_.ResetState(out_.examCode); !reset) {
      Stop(std::string(login_text::StateFailed) + reset.error().message);
      return RowVerdict::Stop;
    }
    return RowVerdict::GoOn;
  }
  // A row that cannot be read is no "not started": the exam may be under way.
  const base::Result<std::optional<StartedRow>> found = store_.FindStarted(out_.examCode);
  if (!found) {
    Stop(std::string(login_text::ReadFailed) + found.error().message);
    return RowVerdict::Stop;
  }
  const std::optional<StartedRow>& row = *found;
  if (!row) return RowVerdict::GoOn;
  if (row->state != 1) {
    Stop("该考生已被设定为为旷考、违纪或者多状态考生！无法在本机考试！");
    return RowVerdict::Stop;
  }
  if (row->timeLeft == 0) {
    Stop(row->scoreOk ? "该考生已经完成考试并评分完毕。"
                      : "该考生已经考试完毕但没有评分，请监考教师重新评分");
    return RowVerdict::Stop;
  }
  ui_.Message(
      "检测到您上次的考试过程还没有完成，考试将会继续进行。\n\r在上次退出之前『保存过的内容』会被"
      "保留！\n\n请点击『确定』输入二次登陆密码",
      win::MB_OK);
  if (!ui_.AskSystemPassword()) {
    ui_.SetStatus(std::string(login_text::Prompt));
    return RowVerdict::Stop;
  }
  out_.examSeconds = row->timeLeft;
  out_.papers = row->papers;
  return RowVerdict::Resume;
}

bool ExamLogin::PutOldFolderAside() {
  // A folder left by an earlier attempt is put aside, never reused.
  const std::string& folder = out_.studentFolder;
  while (host_.FileExists(folder)) {
    const std::string backup = BackupFolderName(folder, host_.Timestamp());
    host_.RenameFile(folder.substr(0, folder.size() - 1), backup);
    if (!host_.FileExists(folder)) {
      asideTo_ = backup;
      break;
    }
    int answer = ui_.Message(
        "系统发现已存在考生目录但无法重命名 " + folder + "\n\r请手工关闭该目录打开的文件然后重试！",
        win::MB_RETRYCANCEL | win::MB_ICONINFORMATION);
    if (answer != win::IDRETRY) return false;
  }
  return true;
}

bool ExamLogin::CreateFolder() {
  if (!Written(login_text::NoFolder, out_.studentFolder, host_.MakeDirPath(out_.studentFolder)))
    return false;
  folderMade_ = true;
  ui_.DrawStarted();
  ui_.SetProgress(50);
  return true;
}

bool ExamLogin::AddPaper(const std::string& module, int paperId, const std::string& part,
                         std::optional<PaperRow>* paper) {
  const base::Result<std::optional<PaperRow>> found = store_.FindPaper(paperId);
  if (!found) {
    Stop(std::string(login_text::ReadFailed) + found.error().message);
    return false;
  }
  entries_.push_back({module, part, *found ? (*found)->attFile : std::string()});
  if (paper) *paper = *found;
  return true;
}

bool ExamLogin::Draw() {
  if (manual_ && request_.mode == DrawMode::SingleModule) {
    const int module = *request_.moduleId;
    if (module == 0) {
      entries_.push_back({"0", PickSingleChoiceSet(selectCount_), ""});
      return true;
    }
    std::optional<PaperRow> paper;
    if (!AddPaper(std::to_string(module), *request_.paperId, std::to_string(*request_.paperId),
                  &paper))
      return false;
    out_.examSeconds = PaperSeconds(paper ? paper->timeLimit : 0);
    return true;
  }
  if (manual_ && request_.mode == DrawMode::Group) {
    const base::Result<std::optional<std::string>> modules = store_.GroupModules(*request_.groupId);
    if (!modules) {
      Stop(std::string(login_text::ReadFailed) + modules.error().message);
      return false;
    }
    if (!*modules || (*modules)->empty()) {
      ui_.Message("该题签有问题，题目列表为空！", win::MB_OK);
      return false;
    }
    std::vector<std::string> items;
    SplitString(**modules, "|", items);
    for (const std::string& item : items) {
      const size_t dash = item.find('-');
      const std::string module = item.substr(0, dash);
      const std::string paper = dash == std::string::npos ? std::string() : item.substr(dash + 1);
      if (module == "0")
        entries_.push_back({"0", PickSingleChoiceSet(selectCount_), ""});
      else if (!AddPaper(module, ToInt(paper), paper))
        return false;
    }
    return true;
  }
  host_.SeedRandom();
  const base::Result<std::vector<int>> enabled = store_.EnabledModules();
  if (!enabled) {
    Stop(std::string(login_text::ReadFailed) + enabled.error().message);
    return false;
  }
  for (int module : *enabled) {
    if (module == 0) {
      entries_.push_back({"0", PickSingleChoiceSet(selectCount_), ""});
      continue;
    }
    const base::Result<std::vector<PaperRow>> papers = store_.PapersOfModule(module);
    if (!papers) {
      Stop(std::string(login_text::ReadFailed) + papers.error().message);
      return false;
    }
    if (papers->empty()) continue;
    const PaperRow& p = (*papers)[static_cast<size_t>(host_.Random()) % papers->size()];
    entries_.push_back({std::to_string(module), std::to_string(p.paperId), p.attFile});
  }
  return true;
}

bool ExamLogin::DrawPaper() {
  if (!Draw()) return false;
  out_.papers = JoinPaperList(entries_);
  ui_.DisableOk();
  return true;
}

void ExamLogin::Unpack() {
  const std::vector<std::string> archives = UniqueArchives(entries_);
  ui_.SetProgress(0);
  for (size_t i = 0; i < archives.size(); ++i) {
    if (!archives[i].empty()) {
      const std::string command =
          UnpackCommand(programFolder_, GetAttachPassword(), archives[i], out_.studentFolder);
      // The login goes on without the archive; the log keeps the trace for the proctor (a log
      // that cannot be written stops the login at the next step).
      if (!host_.RunAndWait(command, programFolder_))
        (void)host_.WriteLog(out_.studentFolder, out_.examCode, "解压试题文件失败：" + archives[i]);
    }
    ui_.SetProgress(static_cast<int>(100 * (i + 1) / archives.size()));
  }
  ui_.SetProgress(100);
}

bool ExamLogin::LogPapers() {
  return Written(login_text::NoFile, out_.studentFolder + "log\\" + out_.examCode + ".log",
                 host_.WriteLog(out_.studentFolder, out_.examCode, out_.papers));
}

bool ExamLogin::WriteAnswerRecord() {
  if (SingleChoiceNames(out_.papers).empty()) return true;
  return Written(login_text::NoFile, out_.studentFolder + "selkt\\" + out_.examCode + ".txt",
                 host_.WriteAnswerRecord(out_.studentFolder, out_.examCode, out_.papers));
}

bool ExamLogin::RecordAttempt() {
  const std::string& code = out_.examCode;
  const base::Result<bool> exists = store_.RowExists(code);
  base::Status written = exists ? base::Status() : base::Status(exists.error());
  if (exists && *exists) {
    written = store_.UpdateAttempt(code, out_.examSeconds, out_.papers);
  } else if (exists) {
    const SeatOfCode seat = CutSeat(code);
    written = store_.InsertAttempt({code, out_.candidateName, seat.room, seat.session, seat.seat,
                                    out_.examSeconds, out_.papers});
  }
  if (!written) {
    Stop(std::string(login_text::WriteFailed) + written.error().message);
    return false;
  }
  return true;
}

void ExamLogin::Undo() {
  const std::string& folder = out_.studentFolder;
  if (folderMade_) {
    host_.RemoveFolder(folder);
    ui_.DrawUndone();
  }
  if (!asideTo_.empty()) host_.RenameFile(asideTo_, folder.substr(0, folder.size() - 1));
  folderMade_ = false;
  asideTo_.clear();
  out_.papers.clear();
}
