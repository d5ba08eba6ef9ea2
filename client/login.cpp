// The login and the paper draw (see login.h).

#include "client/login.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <utility>

#include "client/system_utils.h"
#include "platform/win/message_box.h"

namespace {

std::string Trim(std::string_view s) {
  size_t b = 0, e = s.size();
  while (b < e && (s[b] == ' ' || s[b] == '\t')) ++b;
  while (e > b && (s[e - 1] == ' ' || s[e - 1] == '\t')) --e;
  return std::string(s.substr(b, e - b));
}

// atoi's reading of a paper id held as text in a group's module list.
int ToInt(const std::string& s) {
  return std::atoi(s.c_str());
}

}  // namespace

bool IsAcceptableExamCode(std::string_view code) {
  if (code.empty()) return false;
  if (code.find("..") != std::string_view::npos) return false;
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
  auto cut = [&](size_t from, size_t n) -> std::string {
    if (from >= code.size()) return {};
    return std::string(code.substr(from, n));
  };
  SeatOfCode s;
  s.session = cut(5, 2);
  s.room = cut(7, 2);
  s.seat = std::string(code.size() <= 2 ? code : code.substr(code.size() - 2));
  return s;
}

int PaperSeconds(int timeLimit) {
  return (timeLimit == 0 ? 45 : timeLimit) * 60;
}

std::string BackupFolderName(std::string_view folder, std::string_view stamp) {
  std::string_view base = folder;
  if (!base.empty() && base.back() == '\\') base.remove_suffix(1);
  return std::string(base) + "." + std::string(stamp) + ".bak";
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

ExamLogin::ExamLogin(LoginStore& store, LoginHost& host, LoginUi& ui, std::string programFolder,
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
  // A code of blanks only is as empty as no code; a code that could leave its folder or break
  // the paper list and statements is refused the same way before anything is created.
  std::string code = Trim(request.code);
  if (code.empty() || !IsAcceptableExamCode(code)) {
    ui_.Message(std::string(login_text::EmptyCode), win::MB_OK);
    ui_.SetStatus(std::string(login_text::Prompt));
    ui_.FocusCode();
    return std::nullopt;
  }

  std::string setting = request.paperSetting.empty() ? "random" : request.paperSetting;
  std::transform(setting.begin(), setting.end(), setting.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  bool manual = setting == "manual";
  if (setting != "random") {
    if (request.mode == 0 && (!request.moduleId || !request.paperId)) {
      ui_.Message("请选择要操作的模块和试题", win::MB_OK);
      return std::nullopt;
    }
    if (request.mode == 1 && !request.groupId) {
      ui_.Message("请选择要操作的试题", win::MB_OK);
      return std::nullopt;
    }
  }

  std::string script = programFolder_ + "Script\\";
  if (host_.FileExists(script + "login.bat")) host_.RunAndWait(script + "login.bat", script);

  LoginOutcome out;
  out.examCode = code;
  out.candidateName = "未知";

  int selectCount = 0;
  std::string testDir;
  store_.ReadConst(&selectCount, &testDir);
  if (selectCount == 0) selectCount = 50;
  out.studentFolder = CandidateFolder(programFolder_, testDir, code);
  out.examSeconds = kDefaultExamSeconds;

  if (training_) {
    store_.ResetState(code);
  } else if (auto row = store_.FindStarted(code)) {
    auto stop = [&](const char* text) -> std::optional<LoginOutcome> {
      ui_.Message(text, win::MB_OK);
      ui_.SetStatus(std::string(login_text::Prompt));
      return std::nullopt;
    };
    if (row->state != 1)
      return stop("该考生已被设定为为旷考、违纪或者多状态考生！无法在本机考试！");
    if (row->timeLeft == 0)
      return stop(row->scoreOk ? "该考生已经完成考试并评分完毕。"
                               : "该考生已经考试完毕但没有评分，请监考教师重新评分");
    ui_.Message(
        "检测到您上次的考试过程还没有完成，考试将会继续进行。\n\r在上次退出之前『保存过的内容』会被"
        "保留！\n\n请点击『确定』输入二次登陆密码",
        win::MB_OK);
    if (!ui_.AskSystemPassword()) {
      ui_.SetStatus(std::string(login_text::Prompt));
      return std::nullopt;
    }
    out.examSeconds = row->timeLeft;
    out.resumed = true;
    return out;
  }

  // A folder left by an earlier attempt is put aside, never reused.
  while (host_.FileExists(out.studentFolder)) {
    host_.RenameFile(out.studentFolder.substr(0, out.studentFolder.size() - 1),
                     BackupFolderName(out.studentFolder, host_.Timestamp()));
    if (!host_.FileExists(out.studentFolder)) break;
    int answer = ui_.Message("系统发现已存在考生目录但无法重命名 " + out.studentFolder +
                                 "\n\r请手工关闭该目录打开的文件然后重试！",
                             win::MB_RETRYCANCEL | win::MB_ICONINFORMATION);
    if (answer != win::IDRETRY) return std::nullopt;
  }

  host_.MakeDirPath(out.studentFolder);
  ui_.DrawStarted();
  ui_.SetProgress(50);

  std::vector<DrawEntry> entries;
  if (!DrawPaper(request, manual, selectCount, &entries, &out.examSeconds)) return std::nullopt;
  out.papers = JoinPaperList(entries);
  ui_.DisableOk();

  std::vector<std::string> archives = UniqueArchives(entries);
  ui_.SetProgress(0);
  for (size_t i = 0; i < archives.size(); ++i) {
    if (!archives[i].empty()) {
      std::string command =
          UnpackCommand(programFolder_, GetAttachPassword(), archives[i], out.studentFolder);
      // The login goes on without the archive; the log keeps the trace for the proctor.
      if (!host_.RunAndWait(command, programFolder_))
        host_.WriteLog(out.studentFolder, code, "解压试题文件失败：" + archives[i]);
    }
    ui_.SetProgress(static_cast<int>(100 * (i + 1) / archives.size()));
  }
  ui_.SetProgress(100);

  host_.WriteLog(out.studentFolder, code, out.papers);

  bool written;
  if (store_.RowExists(code)) {
    written = store_.UpdateAttempt(code, out.examSeconds, out.papers);
  } else {
    SeatOfCode seat = CutSeat(code);
    written = store_.InsertAttempt(code, out.candidateName, seat.room, seat.session, seat.seat,
                                   out.examSeconds, out.papers);
  }
  if (!written) {
    ui_.Message("添加考试记录到数据库发生错误:" + store_.LastError(), win::MB_OK);
    ui_.SetStatus(std::string(login_text::Prompt));
    return std::nullopt;
  }
  return out;
}

bool ExamLogin::DrawPaper(const LoginRequest& request, bool manual, int selectCount,
                          std::vector<DrawEntry>* entries, int* seconds) {
  auto addPaper = [&](const std::string& module, int paperId, const std::string& part) {
    std::optional<LoginStore::Paper> paper = store_.FindPaper(paperId);
    entries->push_back({module, part, paper ? paper->attFile : std::string()});
    return paper;
  };

  if (manual && request.mode == 0) {
    int module = *request.moduleId;
    if (module == 0) {
      entries->push_back({"0", PickSingleChoiceSet(selectCount), ""});
    } else {
      auto paper =
          addPaper(std::to_string(module), *request.paperId, std::to_string(*request.paperId));
      *seconds = PaperSeconds(paper ? paper->timeLimit : 0);
    }
    return true;
  }

  if (manual && request.mode == 1) {
    std::optional<std::string> modules = store_.GroupModules(*request.groupId);
    if (!modules || modules->empty()) {
      ui_.Message("该题签有问题，题目列表为空！", win::MB_OK);
      return false;
    }
    std::vector<std::string> items;
    SplitString(*modules, "|", items);
    for (const std::string& item : items) {
      size_t dash = item.find('-');
      std::string module = item.substr(0, dash);
      std::string paper = dash == std::string::npos ? std::string() : item.substr(dash + 1);
      if (module == "0")
        entries->push_back({"0", PickSingleChoiceSet(selectCount), ""});
      else
        addPaper(module, ToInt(paper), paper);
    }
    return true;
  }

  host_.SeedRandom();
  for (int module : store_.EnabledModules()) {
    if (module == 0) {
      entries->push_back({"0", PickSingleChoiceSet(selectCount), ""});
      continue;
    }
    std::vector<LoginStore::Paper> papers = store_.PapersOfModule(module);
    if (papers.empty()) continue;
    const LoginStore::Paper& p = papers[static_cast<size_t>(host_.Random()) % papers.size()];
    entries->push_back({std::to_string(module), std::to_string(p.paperId), p.attFile});
  }
  return true;
}
