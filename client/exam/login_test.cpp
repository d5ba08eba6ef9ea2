// Tests of the login and paper draw: the candidate-row state table, exam lengths, the candidate
// folder, the archive list, a real 7z archive, the folder put aside, the seat cut from the code.

#include "client/exam/login.h"

#include "client/exam/login_host.h"
#include "client/store/ado_exam_store.h"
#include "client/store/db/exam_database.h"
#include "client/testing/fake_exam_store.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <set>

#include "client/testing/demo_database.h"
#include "platform/win/message_box.h"
#include "platform/win/paths.h"
#include "platform/win/process.h"
#include "platform/win/testing/test_folder.h"

namespace {

namespace fs = std::filesystem;

// Files and folders by path; a folder is known with or without its closing "\".
struct FakeHost : LoginHost {
  std::set<std::string> existing;
  static std::string Key(std::string p) {
    if (p.size() > 1 && p.back() == '\\') p.pop_back();
    return p;
  }
  std::vector<std::string> selFiles;
  bool renameWorks = true;
  bool unpackWorks = true;
  std::string failing;  // "folder", "log" or "record": that write fails
  int renameAttempts = 0;
  std::vector<std::string> runs, logs, made, removed, records, renames;
  int dice = 0;

  bool FileExists(const std::string& p) override { return existing.count(Key(p)) > 0; }
  bool RenameFile(const std::string& from, const std::string& to) override {
    ++renameAttempts;
    renames.push_back(from + " -> " + to);
    if (!renameWorks) return false;
    existing.erase(Key(from));
    existing.insert(Key(to));
    return true;
  }
  base::Status MakeDirPath(const std::string& p) override {
    if (failing == "folder") return base::Error{"File name too long", 36};
    made.push_back(p);
    existing.insert(Key(p));
    return base::Ok();
  }
  void RemoveFolder(const std::string& p) override {
    removed.push_back(p);
    existing.erase(Key(p));
  }
  bool RunAndWait(const std::string& cmd, const std::string&) override {
    runs.push_back(cmd);
    return unpackWorks;
  }
  std::vector<std::string> ListFiles(const std::string&) override { return selFiles; }
  base::Status WriteLog(const std::string& folder, const std::string& code,
                        const std::string& text) override {
    if (failing == "log") return base::Error{"No space left on device", 28};
    logs.push_back(folder + "|" + code + "|" + text);
    return base::Ok();
  }
  base::Status WriteAnswerRecord(const std::string& folder, const std::string& code,
                                 const std::string& papers) override {
    if (failing == "record") return base::Error{"No space left on device", 28};
    records.push_back(folder + "|" + code + "|" + papers);
    return base::Ok();
  }
  std::string Timestamp() override { return "20261210131415"; }
  void SeedRandom() override {}
  int Random() override { return dice; }
};

struct FakeUi : LoginUi {
  std::vector<std::string> messages;
  std::vector<int> answers;  // consumed in order, IDOK after
  bool password = true;
  int passwordAsked = 0;
  std::string status;
  bool drawStarted = false, okDisabled = false, drawUndone = false;
  std::vector<int> progress;

  int Message(const std::string& text, unsigned) override {
    messages.push_back(text);
    if (answers.empty()) return win::IDOK;
    int a = answers.front();
    answers.erase(answers.begin());
    return a;
  }
  bool AskSystemPassword() override {
    ++passwordAsked;
    return password;
  }
  void SetStatus(const std::string& s) override { status = s; }
  void FocusCode() override {}
  void DrawStarted() override { drawStarted = true; }
  void SetProgress(int p) override { progress.push_back(p); }
  void DisableOk() override { okDisabled = true; }
  void DrawUndone() override { drawUndone = true; }
};

struct LoginFixture : ::testing::Test {
  FakeExamStore store;
  FakeHost host;
  FakeUi ui;
  bool training = false;
  void SetUp() override {
    store.modules[0] = {"单项选择题", true};
    store.modules[1] = {"Windows 操作", true};
    store.modules[2] = {"文字处理", false};
    store.AddPaper(1, 101, "win1.7z", 30);
    store.AddPaper(1, 102, "win2.7z", 0);
    store.AddPaper(2, 201, "word1.7z", 0);
    store.groups[1].modules = "0-1|1-101|2-201";
    store.groups[2].modules = "1-101|2-101";
    store.groups[3].modules = "";
    store.groups[4].modules = "1-101|0-1|";  // a list closed by its separator
    host.selFiles = {"q01.rtf", "q02.rtf", "q03.rtf"};
  }
  std::optional<LoginOutcome> Login(const LoginRequest& r, bool training = false) {
    ExamLogin login(store, host, ui, "E:\\kirv\\", training);
    return login.OnLogin(r);
  }
  static LoginRequest Code(std::string code) {
    LoginRequest r;
    r.code = std::move(code);
    r.paperSetting = "Random";
    return r;
  }
};

// Records the steps RunLogin takes; `no` names the step that says no.
struct LoginRecorder : LoginSteps {
  std::vector<std::string> calls;
  std::string no;
  RowVerdict verdict = RowVerdict::GoOn;
  bool Step(const char* name) {
    calls.push_back(name);
    return no != name;
  }
  bool TakeCode() override { return Step("code"); }
  bool CheckChoices() override { return Step("choices"); }
  void RunLoginHook() override { Step("hook"); }
  bool ReadExamSettings() override { return Step("settings"); }
  RowVerdict CheckCandidateRow() override {
    Step("row");
    return verdict;
  }
  bool PutOldFolderAside() override { return Step("aside"); }
  bool CreateFolder() override { return Step("folder"); }
  bool DrawPaper() override { return Step("draw"); }
  void Unpack() override { Step("unpack"); }
  bool LogPapers() override { return Step("log"); }
  bool WriteAnswerRecord() override { return Step("answers"); }
  bool RecordAttempt() override { return Step("record"); }
  void Undo() override { Step("undo"); }
};

TEST(LoginSequence, StepsInOrderAndWaysOut) {
  using V = LoginSteps::RowVerdict;
  const std::vector<std::string> all = {"code",   "choices", "hook",    "settings",
                                        "row",    "aside",   "folder",  "draw",
                                        "unpack", "log",     "answers", "record"};
  struct Case {
    const char* what;
    const char* no;
    V verdict;
    LoginEnd end;
    const char* last;  // the last step taken before an undo, if any
    bool undone;
  } cases[] = {
      {"a new exam", "", V::GoOn, LoginEnd::Started, "record", false},
      {"code refused", "code", V::GoOn, LoginEnd::Stayed, "code", false},
      {"nothing chosen", "choices", V::GoOn, LoginEnd::Stayed, "choices", false},
      {"database unreadable", "settings", V::GoOn, LoginEnd::Stayed, "settings", false},
      {"row refused", "", V::Stop, LoginEnd::Stayed, "row", false},
      {"interrupted exam resumed", "", V::Resume, LoginEnd::Resumed, "row", false},
      {"old folder kept", "aside", V::GoOn, LoginEnd::Stayed, "aside", false},
      {"no folder", "folder", V::GoOn, LoginEnd::Stayed, "folder", true},
      {"empty group", "draw", V::GoOn, LoginEnd::Stayed, "draw", true},
      {"log not written", "log", V::GoOn, LoginEnd::Stayed, "log", true},
      {"answer record not written", "answers", V::GoOn, LoginEnd::Stayed, "answers", true},
      {"row not written", "record", V::GoOn, LoginEnd::Stayed, "record", true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    LoginRecorder steps;
    steps.no = c.no;
    steps.verdict = c.verdict;
    EXPECT_EQ(RunLogin(steps), c.end);
    std::vector<std::string> expected(all.begin(), std::find(all.begin(), all.end(), c.last) + 1);
    if (c.undone) expected.push_back("undo");
    EXPECT_EQ(steps.calls, expected);
  }
}

const char* kFinishedGraded = "该考生已经完成考试并评分完毕。";
const char* kFinishedNotGraded = "该考生已经考试完毕但没有评分，请监考教师重新评分";
const char* kRefused = "该考生已被设定为为旷考、违纪或者多状态考生！无法在本机考试！";

TEST_F(LoginFixture, CandidateRowStateTable) {
  struct Case {
    const char* what;
    bool training;
    std::optional<FakeExamStore::Candidate> row;
    bool password;
    bool ok;
    bool resumed;
    const char* message;  // last message shown, "" for none
    const char* write;    // "insert", "update" or "" for no write
  } cases[] = {
      {"no row", false, std::nullopt, true, true, false, "", "insert"},
      {"state 0", false, FakeExamStore::Candidate{0, 0, false, ""}, true, true, false, "",
       "update"},
      {"state 1, time left, password", false, FakeExamStore::Candidate{1, 300, false, ""}, true,
       true, true, "", ""},
      {"state 1, time left, no password", false, FakeExamStore::Candidate{1, 300, false, ""}, false,
       false, false, "", ""},
      {"finished and graded", false, FakeExamStore::Candidate{1, 0, true, ""}, true, false, false,
       kFinishedGraded, ""},
      {"finished not graded", false, FakeExamStore::Candidate{1, 0, false, ""}, true, false, false,
       kFinishedNotGraded, ""},
      {"absent", false, FakeExamStore::Candidate{10, 500, false, ""}, true, false, false, kRefused,
       ""},
      {"violation", false, FakeExamStore::Candidate{100, 500, false, ""}, true, false, false,
       kRefused, ""},
      {"other state", false, FakeExamStore::Candidate{7, 500, false, ""}, true, false, false,
       kRefused, ""},
      {"training, violation", true, FakeExamStore::Candidate{100, 0, true, ""}, true, true, false,
       "", "update"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    store.stu.clear();
    store.writes.clear();
    ui = FakeUi();
    ui.password = c.password;
    host = FakeHost();
    if (c.row) store.stu["26001010101"] = *c.row;
    auto out = Login(Code("26001010101"), c.training);
    ASSERT_EQ(out.has_value(), c.ok);
    if (c.ok) {
      EXPECT_EQ(out->resumed, c.resumed);
      EXPECT_EQ(out->studentFolder, "D:\\KirvExam\\26001010101\\");
      EXPECT_EQ(out->candidateName, "未知");
    }
    if (c.resumed) {
      EXPECT_EQ(out->examSeconds, 300);
      EXPECT_TRUE(host.made.empty());
      EXPECT_TRUE(host.runs.empty());
    }
    if (*c.message) {
      ASSERT_FALSE(ui.messages.empty());
      EXPECT_EQ(ui.messages.back(), c.message);
    }
    if (!c.ok) {
      EXPECT_EQ(ui.status, login_text::Prompt);
      EXPECT_TRUE(host.made.empty());
    }
    std::string write;
    for (const std::string& call : store.writes)
      if (call.rfind("insert", 0) == 0 || call.rfind("update", 0) == 0) write = call.substr(0, 6);
    EXPECT_EQ(write, c.write);
    EXPECT_EQ(c.training, !store.writes.empty() && store.writes.front() == "reset 26001010101");
    EXPECT_EQ(ui.passwordAsked, c.row && c.row->state == 1 && c.row->timeLeft > 0 && !c.training);
  }
}

TEST_F(LoginFixture, ExamLengthsByDrawMode) {
  struct Case {
    const char* what;
    const char* setting;
    DrawMode mode;
    std::optional<int> module, paper, group;
    int seconds;
    const char* papers;
  } cases[] = {
      {"random", "Random", DrawMode::SingleModule, 1, 101, std::nullopt, 6000,
       "0-q02,q03,q01|1-101"},
      {"manual, random mode", "MANUAL", DrawMode::Random, std::nullopt, std::nullopt, std::nullopt,
       6000, "0-q02,q03,q01|1-101"},
      {"single paper with a limit", "manual", DrawMode::SingleModule, 1, 101, std::nullopt, 1800,
       "1-101"},
      {"single paper without a limit", "manual", DrawMode::SingleModule, 1, 102, std::nullopt, 2700,
       "1-102"},
      {"single-choice module alone", "manual", DrawMode::SingleModule, 0, 1, std::nullopt, 6000,
       "0-q02,q03,q01"},
      {"group", "manual", DrawMode::Group, std::nullopt, std::nullopt, 1, 6000,
       "0-q02,q03,q01|1-101|2-201"},
      {"group with a closing separator", "manual", DrawMode::Group, std::nullopt, std::nullopt, 4,
       6000, "1-101|0-q02,q03,q01"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    host = FakeHost();
    host.selFiles = {"q01.rtf", "q02.rtf", "q03.rtf"};
    store.stu.clear();
    LoginRequest r = Code("26001010101");
    r.paperSetting = c.setting;
    r.mode = c.mode;
    r.moduleId = c.module;
    r.paperId = c.paper;
    r.groupId = c.group;
    auto out = Login(r);
    ASSERT_TRUE(out);
    EXPECT_EQ(out->examSeconds, c.seconds);
    EXPECT_EQ(out->papers, c.papers);
  }
}

TEST(LoginPieces, ShuffleIsFisherYatesFromTheEnd) {
  // A die that always shows 0 swaps entry i with entry 0 for i = 2, then 1.
  EXPECT_EQ(ShuffleAndJoin({"a", "b", "c"}, 50, [] { return 0; }), "b,c,a");
  // A die that always shows i keeps the order.
  int i = 2;
  EXPECT_EQ(ShuffleAndJoin({"a", "b", "c"}, 50, [&] { return i--; }), "a,b,c");
  EXPECT_EQ(ShuffleAndJoin({"a", "b", "c"}, 2, [] { return 0; }), "b,c");
  EXPECT_EQ(ShuffleAndJoin({}, 10, [] { return 0; }), "");
}

TEST_F(LoginFixture, SingleChoiceSetTakesEveryNameUpToTheCount) {
  ExamLogin login(store, host, ui, "E:\\kirv\\", false);
  host.selFiles = {"q07.rtf", "q01.v2.rtf", "q03.rtf"};
  std::string set = login.PickSingleChoiceSet(50);
  for (const char* name : {"q07", "q01", "q03"}) EXPECT_NE(set.find(name), std::string::npos);
  EXPECT_EQ(set.size(), std::string("q07,q01,q03").size());
  EXPECT_EQ(login.PickSingleChoiceSet(1).size(), 3u);
}

TEST(LoginPieces, CandidateFolder) {
  struct Case {
    const char *program, *testDir, *folder;
  } cases[] = {
      {"E:\\kirv\\", "exam", "E:\\exam\\C1\\"},
      {"E:\\kirv\\", "D:\\KirvExam", "D:\\KirvExam\\C1\\"},
      {"E:\\kirv\\", "", "E:\\testdir\\C1\\"},
      {"Z:\\srv\\kirv\\", "D:", "D:\\C1\\"},
  };
  for (const Case& c : cases) EXPECT_EQ(CandidateFolder(c.program, c.testDir, "C1"), c.folder);
}

TEST(LoginPieces, SeatCutFromTheCode) {
  struct Case {
    const char *code, *session, *room, *seat;
  } cases[] = {
      {"26001010203", "01", "02", "03"},
      {"2600105", "05", "", "05"},
      {"26001", "", "", "01"},
      {"7", "", "", "7"},
      {"260010203", "02", "03", "03"},
      {"2600考01号02座", "01", "号0", "2座"},  // characters, not bytes
      {"考生", "", "", "考生"},
  };
  for (const Case& c : cases) {
    SeatOfCode s = CutSeat(c.code);
    EXPECT_EQ(s.session, c.session) << c.code;
    EXPECT_EQ(s.room, c.room) << c.code;
    EXPECT_EQ(s.seat, c.seat) << c.code;
  }
}

TEST_F(LoginFixture, NewRowCarriesSeatAndPaperList) {
  store.modules[0].enabled = false;
  auto out = Login(Code("  26001010203 "));
  ASSERT_TRUE(out);
  EXPECT_EQ(out->examCode, "26001010203");
  ASSERT_EQ(store.writes.size(), 1u);
  EXPECT_EQ(store.writes[0], "insert 26001010203 未知 02/01/03 6000 1-101");
  ASSERT_FALSE(host.logs.empty());
  EXPECT_EQ(host.logs.back(), "D:\\KirvExam\\26001010203\\|26001010203|1-101");
  EXPECT_TRUE(ui.okDisabled);
}

TEST_F(LoginFixture, UnsafeCodesAreRefusedBeforeAnythingHappens) {
  for (const char* code : {"..\\x", "a/b", "a\\b", "C:x", "a*", "a?", "a\"b", "a<b", "a>b", "a|b",
                           "26-001", "O'Neil", "..", ".", " . ", "a\tb", "   "}) {
    SCOPED_TRACE(code);
    host = FakeHost();
    host.existing.insert("E:\\kirv\\Script\\login.bat");
    store.asked.clear();
    ui = FakeUi();
    EXPECT_FALSE(Login(Code(code)));
    ASSERT_EQ(ui.messages.size(), 1u);
    // Only a code of blanks is an empty code; anything else names the characters.
    EXPECT_EQ(ui.messages[0],
              std::string(code) == "   " ? login_text::EmptyCode : login_text::BadCode);
    EXPECT_TRUE(host.runs.empty());
    EXPECT_TRUE(host.made.empty());
    EXPECT_TRUE(host.renames.empty());
    EXPECT_TRUE(store.asked.empty());
  }
  for (const char* code : {"26001010101", "Zhang.San", "考生01"})
    EXPECT_TRUE(IsAcceptableExamCode(code));
}

TEST_F(LoginFixture, ManualChoicesMustBeMade) {
  LoginRequest r = Code("C1");
  r.paperSetting = "manual";
  r.mode = DrawMode::SingleModule;
  r.moduleId = 1;
  EXPECT_FALSE(Login(r));
  r.mode = DrawMode::Group;
  EXPECT_FALSE(Login(r));
  ASSERT_EQ(ui.messages.size(), 2u);
  EXPECT_EQ(ui.messages[0], "请选择要操作的模块和试题");
  EXPECT_EQ(ui.messages[1], "请选择要操作的试题");
  r.groupId = 3;  // a group without modules
  EXPECT_FALSE(Login(r));
  EXPECT_EQ(ui.messages.back(), "该题签有问题，题目列表为空！");
  EXPECT_TRUE(store.writes.empty());
}

TEST_F(LoginFixture, SharedArchiveIsUnpackedOnce) {
  LoginRequest r = Code("C1");
  r.paperSetting = "manual";
  r.mode = DrawMode::Group;
  r.groupId = 2;  // two modules, one archive
  ASSERT_TRUE(Login(r));
  ASSERT_EQ(host.runs.size(), 1u);
  EXPECT_EQ(host.runs[0],
            "E:\\kirv\\7za.exe x -aos -p\"RW5827\" \"E:\\kirv\\Data\\Attach\\win1.7z\" "
            "-o\"D:\\KirvExam\\C1\\\" ");
  EXPECT_EQ(ui.progress.back(), 100);

  DrawEntry a{"1", "101", "x.7z"}, b{"2", "201", ""}, c{"3", "301", "x.7z"}, d{"4", "401", "y.7z"};
  EXPECT_EQ(UniqueArchives({a, b, c, d, b}), (std::vector<std::string>{"x.7z", "", "y.7z"}));
}

TEST_F(LoginFixture, FailedUnpackIsLoggedAndTheLoginGoesOn) {
  host.unpackWorks = false;
  auto out = Login(Code("C1"));
  ASSERT_TRUE(out);
  ASSERT_EQ(host.logs.size(), 2u);
  EXPECT_EQ(host.logs[0], "D:\\KirvExam\\C1\\|C1|解压试题文件失败：win1.7z");
  EXPECT_EQ(store.writes.size(), 1u);
}

// A database that cannot be read or written, a folder, log or answer record that cannot be
// written: the login says so and leaves everything as it was. No paper is drawn over a started
// exam, no time reset, no row written, no new folder left behind, the old folder back in place.
TEST_F(LoginFixture, FailuresChangeNothing) {
  const std::string folder = "D:\\KirvExam\\C1";
  const std::string why = "\n\rNo space left on device" + std::string(login_text::NotStarted);
  struct Case {
    const char* what;
    std::function<void(LoginFixture&)> fail;
    std::string message;  // how the last message begins
    bool drawn;           // the draw had begun (and was taken back)
  } cases[] = {
      {"database missing", [](LoginFixture& f) { f.store.failing = {"*"}; },
       std::string(login_text::NoDatabase), false},
      {"no [Const] row", [](LoginFixture& f) { f.store.constRow.reset(); },
       std::string(login_text::NoDatabase), false},
      {"database locked at the resume check",
       [](LoginFixture& f) { f.store.failing = {"FindStarted"}; },
       std::string(login_text::ReadFailed) + "Description: locked", false},
      {"state not reset in training",
       [](LoginFixture& f) {
         f.training = true;
         f.store.failing = {"ResetState"};
       },
       std::string(login_text::StateFailed) + "Description: locked", false},
      {"folder cannot be made", [](LoginFixture& f) { f.host.failing = "folder"; },
       std::string(login_text::NoFolder) + folder + "\\\n\rFile name too long", false},
      {"papers unreadable", [](LoginFixture& f) { f.store.failing = {"EnabledModules"}; },
       std::string(login_text::ReadFailed) + "Description: locked", true},
      {"log not written", [](LoginFixture& f) { f.host.failing = "log"; },
       std::string(login_text::NoFile) + folder + "\\log\\C1.log" + why, true},
      {"answer record not written", [](LoginFixture& f) { f.host.failing = "record"; },
       std::string(login_text::NoFile) + folder + "\\selkt\\C1.txt" + why, true},
      {"row not known", [](LoginFixture& f) { f.store.failing = {"RowExists"}; },
       std::string(login_text::WriteFailed) + "Description: locked", true},
      {"row not written", [](LoginFixture& f) { f.store.failing = {"UpdateAttempt"}; },
       std::string(login_text::WriteFailed) + "Description: locked", true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    store = FakeExamStore();
    SetUp();
    store.failure = "Description: locked";
    store.stu["C1"] = {1, 300, false, "0-q01|1-101"};  // an exam under way, or a row of the import
    if (std::string(c.what).find("resume") == std::string::npos) store.stu["C1"].state = 0;
    host = FakeHost();
    host.selFiles = {"q01.rtf"};
    host.existing.insert(folder);  // left by an earlier attempt
    ui = FakeUi();
    training = false;
    c.fail(*this);
    EXPECT_FALSE(Login(Code("C1"), training));
    ASSERT_FALSE(ui.messages.empty());
    EXPECT_EQ(ui.messages.back().substr(0, c.message.size()), c.message);
    EXPECT_EQ(ui.status, login_text::Prompt);
    EXPECT_EQ(ui.passwordAsked, 0);
    for (const std::string& write : store.writes)
      EXPECT_TRUE(write.rfind("update", 0) != 0 && write.rfind("insert", 0) != 0) << write;
    EXPECT_EQ(store.stu["C1"].timeLeft, 300);
    EXPECT_EQ(host.existing, (std::set<std::string>{folder}));
    EXPECT_EQ(ui.drawUndone, c.drawn);
    EXPECT_EQ(host.removed.size(), c.drawn ? 1u : 0u);
  }
}

TEST_F(LoginFixture, DatabaseFailureKeepsTheDialogOpen) {
  store.failing = {"UpdateAttempt", "InsertAttempt"};
  store.failure = "Description: locked";
  EXPECT_FALSE(Login(Code("C1")));
  EXPECT_EQ(ui.messages.back(), "添加考试记录到数据库发生错误:Description: locked");
  EXPECT_EQ(ui.status, login_text::Prompt);
}

TEST_F(LoginFixture, ExistingFolderIsPutAsideFirst) {
  const std::string folder = "D:\\KirvExam\\C1\\";
  host.existing.insert(FakeHost::Key(folder));
  ASSERT_TRUE(Login(Code("C1")));
  ASSERT_EQ(host.renames.size(), 1u);
  EXPECT_EQ(host.renames[0], "D:\\KirvExam\\C1 -> D:\\KirvExam\\C1.20261210131415.bak");
  EXPECT_EQ(host.made, std::vector<std::string>{folder});
  EXPECT_EQ(BackupFolderName("D:\\x\\C1\\", "20260101000000"), "D:\\x\\C1.20260101000000.bak");

  // A folder that cannot be renamed: Retry tries again, Cancel stops before anything is made.
  host = FakeHost();
  store.stu.clear();
  host.existing.insert(FakeHost::Key(folder));
  host.renameWorks = false;
  ui = FakeUi();
  ui.answers = {win::IDRETRY, win::IDCANCEL};
  EXPECT_FALSE(Login(Code("C1")));
  EXPECT_EQ(host.renameAttempts, 2);
  EXPECT_TRUE(host.made.empty());
  ASSERT_EQ(ui.messages.size(), 2u);
  EXPECT_EQ(ui.messages[0], "系统发现已存在考生目录但无法重命名 " + folder +
                                "\n\r请手工关闭该目录打开的文件然后重试！");
}

// A real archive made by 7-Zip with the paper password, unpacked by the login's command line
// into a candidate folder that already holds one of its files.
TEST(LoginUnpack, RealArchiveKeepsFilesAlreadyThere) {
  win::testing::ScopedTempFolder tmp("login_7z_");
  const fs::path root = tmp.Path();
  fs::create_directories(root / "program/Data/Attach");
  fs::create_directories(root / "src/Winkt");
  fs::create_directories(root / "exam/C1/Winkt");
  std::ofstream(root / "src/Winkt/a.txt") << "from archive";
  std::ofstream(root / "src/Winkt/b.txt") << "new file";
  std::ofstream(root / "exam/C1/Winkt/a.txt") << "candidate's own";
  std::string make = "cd '" + (root / "src").string() + "' && 7za a -bd -y -pRW5827 -mhe=on '" +
                     (root / "program/Data/Attach/p.7z").string() + "' . >/dev/null";
  ASSERT_EQ(std::system(make.c_str()), 0);

  std::string program = win::ToWindowsPath(root / "program") + "\\";
  if (program.size() > 1 && program[program.size() - 2] == '\\') program.pop_back();
  std::string student = win::ToWindowsPath(root / "exam/C1") + "\\";
  if (student.size() > 1 && student[student.size() - 2] == '\\') student.pop_back();
  base::Result<int> r =
      win::RunAndWaitProcess(UnpackCommand(program, "RW5827", "p.7z", student), program);
  ASSERT_TRUE(r);
  EXPECT_EQ(*r, 0);
  auto read = [](const fs::path& p) {
    std::ifstream in(p);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  };
  EXPECT_EQ(read(root / "exam/C1/Winkt/a.txt"), "candidate's own");
  EXPECT_EQ(read(root / "exam/C1/Winkt/b.txt"), "new file");

  // A wrong password fails and leaves the folder as it was.
  r = win::RunAndWaitProcess(UnpackCommand(program, "wrong", "p.7z", student), program);
  ASSERT_TRUE(r);
  EXPECT_NE(*r, 0);
}

}  // namespace

namespace {

// The login's statements against a real exam database holding the demo's rows.
struct DemoDatabase : ::testing::Test {
  win::testing::ScopedTempFolder tmp{"login_db_"};
  const fs::path dir = tmp.Path();
  AdoExamStore store;
  CAdoConnection& db = store.Connection();
  CAdoRecordSet main;

  void SetUp() override {
    std::string error;
    ASSERT_TRUE(OpenDemoDatabase(dir / "kirv.mdb", db, &error)) << error;
    ASSERT_TRUE(store.Open(win::ToWindowsPath(dir / "kirv.mdb")));
    main.SetConnection(&db);
  }
  void TearDown() override {
    main.Close();
    store.Close();
  }
};

TEST_F(DemoDatabase, StatementsReadTheDemoRows) {
  EXPECT_EQ(store.ReadConst().value(), (ConstRow{10, "D:\\KirvExam"}));
  EXPECT_EQ(store.EnabledModules().value(), (std::vector<int>{0, 1, 2, 3, 4, 5, 6}));
  auto papers = store.PapersOfModule(1).value();
  ASSERT_EQ(papers.size(), 2u);
  EXPECT_EQ(papers[0].attFile, "win1.7z");
  EXPECT_EQ(papers[0].timeLimit, 30);
  EXPECT_EQ(store.GroupModules(1).value(), "0-1|1-101|2-201|3-301|4-401|5-501|6-601");
  EXPECT_EQ(store.GroupModules(2).value(), "0-1|1-102|2-201|3-301|4-401|5-501|6-601");
  EXPECT_FALSE(store.GroupModules(99).value());
  EXPECT_FALSE(store.FindStarted("26001010101").value());
  auto absent = store.FindStarted("26001010104").value();
  ASSERT_TRUE(absent);
  EXPECT_EQ(absent->state, 10);
}

TEST_F(DemoDatabase, LoginWritesTheRowAndResumesIt) {
  FakeHost host;
  host.selFiles = {"q01.rtf", "q02.rtf"};
  FakeUi ui;
  ExamLogin login(store, host, ui, "E:\\kirv\\", false);
  LoginRequest r;
  r.code = "26001020305";
  r.paperSetting = "Random";
  auto out = login.OnLogin(r);
  ASSERT_TRUE(out);
  ASSERT_TRUE(main.Open("select * from [Stu] where examcode=?", {SqlText("26001020305")}));
  ASSERT_FALSE(main.IsEOF());
  std::string room, session, seat, name, papers;
  int state = 0, timeleft = 0;
  main.GetString("Room", room);
  main.GetString("Session", session);
  main.GetString("Seat", seat);
  main.GetString("Name", name);
  main.GetString("Papers", papers);
  main.GetInt("State", state);
  main.GetInt("timeleft", timeleft);
  EXPECT_EQ(room + "/" + session + "/" + seat, "03/02/05");
  EXPECT_EQ(name, "未知");
  EXPECT_EQ(papers, out->papers);
  EXPECT_EQ(state, 1);
  EXPECT_EQ(timeleft, 6000);

  // The same code again, in other case: an interrupted exam that resumes with its time.
  db.Execute("update [Stu] set timeleft=? where examcode=?",
             {SqlInt(1234), SqlText("26001020305")});
  r.code = "26001020305";
  auto again = login.OnLogin(r);
  ASSERT_TRUE(again);
  EXPECT_TRUE(again->resumed);
  EXPECT_EQ(again->examSeconds, 1234);
  EXPECT_EQ(ui.passwordAsked, 1);

  // An existing row of the import is updated, keeping its name.
  r.code = "26001010102";
  ASSERT_TRUE(login.OnLogin(r));
  ASSERT_TRUE(main.Open("select * from [Stu] where examcode=?", {SqlText("26001010102")}));
  main.GetString("Name", name);
  main.GetInt("State", state);
  EXPECT_EQ(name, "李华");
  EXPECT_EQ(state, 1);
}

// An exam under way, and the database locked by another program or damaged when the candidate
// logs in again: the login stops and the exam stays as it was, its time and paper kept.
TEST_F(DemoDatabase, LockedOrDamagedDatabaseStartsNothing) {
  ASSERT_TRUE(db.Execute("update [Stu] set State=1, timeleft=1234, papers='1-101' where examcode=?",
                         {SqlText("26001010101")}));
  const std::string path = win::ToWindowsPath(dir / "kirv.mdb");
  CAdoConnection other;
  ASSERT_TRUE(other.OpenJet(path, "kestrelqu"));
  struct Case {
    const char* what;
    const char* during;  // run on the other connection while the login runs
    const char* after;   // to put things right again
    std::string_view message;
  } cases[] = {
      {"locked", "BEGIN EXCLUSIVE", "ROLLBACK", login_text::NoDatabase},
      {"damaged", "ALTER TABLE [Stu] RENAME TO [Gone]", "ALTER TABLE [Gone] RENAME TO [Stu]",
       login_text::ReadFailed},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    ASSERT_TRUE(other.Execute(c.during)) << other.GetLastError();
    FakeHost host;
    FakeUi ui;
    ExamLogin login(store, host, ui, "E:\\kirv\\", false);
    LoginRequest r;
    r.code = "26001010101";
    r.paperSetting = "Random";
    EXPECT_FALSE(login.OnLogin(r));
    ASSERT_FALSE(ui.messages.empty());
    EXPECT_EQ(ui.messages.back().rfind(c.message, 0), 0u) << ui.messages.back();
    EXPECT_EQ(ui.passwordAsked, 0);
    EXPECT_TRUE(host.made.empty());
    ASSERT_TRUE(other.Execute(c.after)) << other.GetLastError();
    EXPECT_EQ(store.FindStarted("26001010101").value(), (StartedRow{1, 1234, false, "1-101"}));
  }
}

// The exam database, or the folder it lies in, that this account may not write: the login reads,
// draws, then stops at the row with the store's own error. The row, the file and the candidate
// folder are left as they were.
TEST(ReadOnlyDatabase, LoginRefusesWithTheStoresErrorAndChangesNothing) {
  struct Case {
    const char* what;
    bool file;    // the file read-only
    bool folder;  // its folder read-only (no journal can be made beside the file)
  } cases[] = {
      {"read-only file", true, false},
      {"read-only folder", false, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    win::testing::ScopedTempFolder tmp("login_ro_");
    const fs::path dir = tmp.Path() / "db";
    const fs::path file = dir / "kirv.mdb";
    fs::create_directories(dir);
    {
      CAdoConnection made;
      std::string error;
      ASSERT_TRUE(OpenDemoDatabase(file, made, &error)) << error;
      made.Close();
    }
    auto bytes = [&] {
      std::ifstream in(file, std::ios::binary);
      return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    };
    const std::string before = bytes();
    if (c.file)
      fs::permissions(file,
                      fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                      fs::perm_options::remove);
    if (c.folder)
      fs::permissions(dir,
                      fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                      fs::perm_options::remove);
    // Writable again afterwards, so that the folder can be removed.
    struct Restore {
      fs::path dir, file;
      ~Restore() {
        std::error_code ec;
        fs::permissions(dir, fs::perms::owner_all, fs::perm_options::add, ec);
        fs::permissions(file, fs::perms::owner_write, fs::perm_options::add, ec);
      }
    } restore{dir, file};
    if (::access((c.file ? file : dir).c_str(), W_OK) == 0)
      GTEST_SKIP() << "this account writes where the permissions say it may not (root)";

    AdoExamStore store;
    const base::Status opened = store.Open(win::ToWindowsPath(file));
    ASSERT_TRUE(opened) << opened.error().message;
    FakeHost host;
    host.selFiles = {"q01.rtf", "q02.rtf"};
    FakeUi ui;
    ExamLogin login(store, host, ui, "E:\\kirv\\", false);
    LoginRequest r;
    r.code = "26001010102";  // a row of the seating import, not yet started
    r.paperSetting = "Random";
    EXPECT_FALSE(login.OnLogin(r));
    ASSERT_FALSE(ui.messages.empty());
    const std::string& message = ui.messages.back();
    ASSERT_EQ(message.rfind(login_text::WriteFailed, 0), 0u) << message;
    EXPECT_NE(message.find("Description: Cannot update. Database or object is read-only."),
              std::string::npos)
        << message;
    EXPECT_EQ(ui.status, login_text::Prompt);
    EXPECT_TRUE(ui.drawUndone);
    ASSERT_EQ(host.made.size(), 1u);
    EXPECT_EQ(host.removed, host.made);
    EXPECT_EQ(store.FindStarted(r.code).value(), std::nullopt);
    store.Close();
    EXPECT_EQ(bytes(), before);
    EXPECT_FALSE(fs::exists(dir / "kirv.mdb-journal"));
  }
}

}  // namespace

namespace {

// The machine side over the real utilities: a log line lands in the candidate's own log, the
// answer record is made, the single-choice files are listed without folders, and a folder that
// cannot be made says why.
TEST(SystemLoginHost, FolderLogAndQuestionFiles) {
  win::testing::ScopedTempFolder tmp("login_host_");
  const fs::path dir = tmp.Path();
  fs::create_directories(dir / "Sel/sub.rtf");
  std::ofstream(dir / "Sel/q02.rtf") << "{\\rtf1}";
  std::ofstream(dir / "Sel/q01.rtf") << "{\\rtf1}";
  std::ofstream(dir / "Sel/notes.txt") << "x";
  SystemLoginHost host;
  std::string sel = win::ToWindowsPath(dir / "Sel") + "\\*.rtf";
  EXPECT_EQ(host.ListFiles(sel), (std::vector<std::string>{"q01.rtf", "q02.rtf"}));

  std::string student = win::ToWindowsPath(dir / "C7") + "\\";
  ASSERT_TRUE(host.MakeDirPath(student));
  ASSERT_TRUE(host.WriteLog(student, "C7", "0-q01|1-101"));
  std::ifstream log(dir / "C7/log/C7.log", std::ios::binary);
  std::string text((std::istreambuf_iterator<char>(log)), std::istreambuf_iterator<char>());
  EXPECT_EQ(text, "0-q01|1-101\r\n");
  ASSERT_TRUE(host.WriteAnswerRecord(student, "C7", "0-q01,q02|1-101"));
  std::ifstream record(dir / "C7/selkt/C7.txt", std::ios::binary);
  EXPECT_EQ(std::string((std::istreambuf_iterator<char>(record)), std::istreambuf_iterator<char>()),
            "q01:X\nq02:X\n");
  host.RemoveFolder(student);
  EXPECT_FALSE(fs::exists(dir / "C7"));
  EXPECT_EQ(host.Timestamp().size(), 14u);

  std::ofstream(dir / "plain") << "a file, not a folder";
  for (const std::string& bad : {win::ToWindowsPath(dir) + "\\" + std::string(300, 'x') + "\\",
                                 win::ToWindowsPath(dir / "plain") + "\\C8\\"}) {
    const base::Status made = host.MakeDirPath(bad);
    ASSERT_FALSE(made) << bad;
    EXPECT_FALSE(made.error().message.empty());
  }
}

}  // namespace
