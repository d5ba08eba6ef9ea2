// Tests of the login and paper draw: the candidate-row state table, exam lengths, the candidate
// folder, the archive list, a real 7z archive, the folder put aside, the seat cut from the code.

#include "client/login.h"

#include "client/db/exam_database.h"
#include "client/globals.h"
#include "client/login_host.h"
#include "client/login_store.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>

#include "client/demo_database_for_tests.h"
#include "platform/win/message_box.h"
#include "platform/win/paths.h"
#include "platform/win/process.h"
#include "platform/win/testing/test_folder.h"

namespace {

namespace fs = std::filesystem;

struct FakeStore : LoginStore {
  struct Row {
    int state = 0, timeLeft = 0;
    bool scoreOk = false;
  };
  int selectCount = 0;
  std::string testDir = "D:\\KirvExam";
  std::map<std::string, Row> rows;
  std::map<int, Paper> papers;  // by id
  std::map<int, int> paperModule;
  std::map<int, std::string> groups;
  std::vector<int> enabled;
  bool failWrite = false;
  std::vector<std::string> calls;

  void AddPaper(int module, int id, std::string att, int limit) {
    papers[id] = {id, std::move(att), limit};
    paperModule[id] = module;
  }
  void ReadConst(int* count, std::string* dir) override {
    *count = selectCount;
    *dir = testDir;
  }
  void ResetState(const std::string& code) override {
    calls.push_back("reset " + code);
    if (rows.count(code)) rows[code].state = 0;
  }
  std::optional<Started> FindStarted(const std::string& code) override {
    auto it = rows.find(code);
    if (it == rows.end() || it->second.state == 0) return std::nullopt;
    return Started{it->second.state, it->second.timeLeft, it->second.scoreOk};
  }
  std::optional<Paper> FindPaper(int id) override {
    auto it = papers.find(id);
    if (it == papers.end()) return std::nullopt;
    return it->second;
  }
  std::optional<std::string> GroupModules(int id) override {
    auto it = groups.find(id);
    if (it == groups.end()) return std::nullopt;
    return it->second;
  }
  std::vector<int> EnabledModules() override { return enabled; }
  std::vector<Paper> PapersOfModule(int module) override {
    std::vector<Paper> out;
    for (auto& [id, p] : papers)
      if (paperModule[id] == module) out.push_back(p);
    return out;
  }
  bool RowExists(const std::string& code) override { return rows.count(code) > 0; }
  bool UpdateAttempt(const std::string& code, int s, const std::string& p) override {
    calls.push_back("update " + code + " " + std::to_string(s) + " " + p);
    return !failWrite;
  }
  bool InsertAttempt(const std::string& code, const std::string& name, const std::string& room,
                     const std::string& session, const std::string& seat, int s,
                     const std::string& p) override {
    calls.push_back("insert " + code + " " + name + " " + room + "/" + session + "/" + seat + " " +
                    std::to_string(s) + " " + p);
    return !failWrite;
  }
  std::string LastError() override { return "Description: locked"; }
};

struct FakeHost : LoginHost {
  std::set<std::string> existing;
  std::vector<std::string> selFiles;
  bool renameWorks = true;
  bool unpackWorks = true;
  int renameAttempts = 0;
  std::vector<std::string> runs, logs, made, renames;
  int dice = 0;

  bool FileExists(const std::string& p) override { return existing.count(p) > 0; }
  bool RenameFile(const std::string& from, const std::string& to) override {
    ++renameAttempts;
    renames.push_back(from + " -> " + to);
    if (!renameWorks) return false;
    existing.erase(from + "\\");
    existing.insert(to);
    return true;
  }
  void MakeDirPath(const std::string& p) override {
    made.push_back(p);
    existing.insert(p);
  }
  bool RunAndWait(const std::string& cmd, const std::string&) override {
    runs.push_back(cmd);
    return unpackWorks;
  }
  std::vector<std::string> ListFiles(const std::string&) override { return selFiles; }
  void WriteLog(const std::string& folder, const std::string& code,
                const std::string& text) override {
    logs.push_back(folder + "|" + code + "|" + text);
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
  bool drawStarted = false, okDisabled = false;
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
};

struct LoginFixture : ::testing::Test {
  FakeStore store;
  FakeHost host;
  FakeUi ui;
  void SetUp() override {
    store.enabled = {0, 1};
    store.AddPaper(1, 101, "win1.7z", 30);
    store.AddPaper(1, 102, "win2.7z", 0);
    store.AddPaper(2, 201, "word1.7z", 0);
    store.groups[1] = "0-1|1-101|2-201";
    store.groups[2] = "1-101|2-101";
    store.groups[3] = "";
    store.groups[4] = "1-101|0-1|";  // a list closed by its separator
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

const char* kFinishedGraded = "该考生已经完成考试并评分完毕。";
const char* kFinishedNotGraded = "该考生已经考试完毕但没有评分，请监考教师重新评分";
const char* kRefused = "该考生已被设定为为旷考、违纪或者多状态考生！无法在本机考试！";

TEST_F(LoginFixture, CandidateRowStateTable) {
  struct Case {
    const char* what;
    bool training;
    std::optional<FakeStore::Row> row;
    bool password;
    bool ok;
    bool resumed;
    const char* message;  // last message shown, "" for none
    const char* write;    // "insert", "update" or "" for no write
  } cases[] = {
      {"no row", false, std::nullopt, true, true, false, "", "insert"},
      {"state 0", false, FakeStore::Row{0, 0, false}, true, true, false, "", "update"},
      {"state 1, time left, password", false, FakeStore::Row{1, 300, false}, true, true, true, "",
       ""},
      {"state 1, time left, no password", false, FakeStore::Row{1, 300, false}, false, false, false,
       "", ""},
      {"finished and graded", false, FakeStore::Row{1, 0, true}, true, false, false,
       kFinishedGraded, ""},
      {"finished not graded", false, FakeStore::Row{1, 0, false}, true, false, false,
       kFinishedNotGraded, ""},
      {"absent", false, FakeStore::Row{10, 500, false}, true, false, false, kRefused, ""},
      {"violation", false, FakeStore::Row{100, 500, false}, true, false, false, kRefused, ""},
      {"other state", false, FakeStore::Row{7, 500, false}, true, false, false, kRefused, ""},
      {"training, violation", true, FakeStore::Row{100, 0, true}, true, true, false, "", "update"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    store.rows.clear();
    store.calls.clear();
    ui = FakeUi();
    ui.password = c.password;
    host = FakeHost();
    if (c.row) store.rows["26001010101"] = *c.row;
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
    for (const std::string& call : store.calls)
      if (call.rfind("insert", 0) == 0 || call.rfind("update", 0) == 0) write = call.substr(0, 6);
    EXPECT_EQ(write, c.write);
    EXPECT_EQ(c.training, !store.calls.empty() && store.calls.front() == "reset 26001010101");
    EXPECT_EQ(ui.passwordAsked, c.row && c.row->state == 1 && c.row->timeLeft > 0 && !c.training);
  }
}

TEST_F(LoginFixture, ExamLengthsByDrawMode) {
  struct Case {
    const char* what;
    const char* setting;
    int mode;
    std::optional<int> module, paper, group;
    int seconds;
    const char* papers;
  } cases[] = {
      {"random", "Random", 0, 1, 101, std::nullopt, 6000, "0-q02,q03,q01|1-101"},
      {"manual, mode 2 draws at random", "MANUAL", 2, std::nullopt, std::nullopt, std::nullopt,
       6000, "0-q02,q03,q01|1-101"},
      {"single paper with a limit", "manual", 0, 1, 101, std::nullopt, 1800, "1-101"},
      {"single paper without a limit", "manual", 0, 1, 102, std::nullopt, 2700, "1-102"},
      {"single-choice module alone", "manual", 0, 0, 1, std::nullopt, 6000, "0-q02,q03,q01"},
      {"group", "manual", 1, std::nullopt, std::nullopt, 1, 6000, "0-q02,q03,q01|1-101|2-201"},
      {"group with a closing separator", "manual", 1, std::nullopt, std::nullopt, 4, 6000,
       "1-101|0-q02,q03,q01"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    host = FakeHost();
    host.selFiles = {"q01.rtf", "q02.rtf", "q03.rtf"};
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
      {"26001010203", "01", "02", "03"}, {"2600105", "05", "", "05"},
      {"26001", "", "", "01"},           {"7", "", "", "7"},
      {"260010203", "02", "03", "03"},
  };
  for (const Case& c : cases) {
    SeatOfCode s = CutSeat(c.code);
    EXPECT_EQ(s.session, c.session) << c.code;
    EXPECT_EQ(s.room, c.room) << c.code;
    EXPECT_EQ(s.seat, c.seat) << c.code;
  }
}

TEST_F(LoginFixture, NewRowCarriesSeatAndPaperList) {
  store.enabled = {1};
  auto out = Login(Code("  26001010203 "));
  ASSERT_TRUE(out);
  EXPECT_EQ(out->examCode, "26001010203");
  ASSERT_EQ(store.calls.size(), 1u);
  EXPECT_EQ(store.calls[0], "insert 26001010203 未知 02/01/03 6000 1-101");
  ASSERT_FALSE(host.logs.empty());
  EXPECT_EQ(host.logs.back(), "D:\\KirvExam\\26001010203\\|26001010203|1-101");
  EXPECT_TRUE(ui.okDisabled);
}

TEST_F(LoginFixture, UnsafeCodesAreRefusedBeforeAnythingHappens) {
  for (const char* code : {"..\\x", "a/b", "a\\b", "C:x", "a*", "a?", "a\"b", "a<b", "a>b", "a|b",
                           "26-001", "O'Neil", "..", "   ", "a\tb"}) {
    SCOPED_TRACE(code);
    host = FakeHost();
    host.existing.insert("E:\\kirv\\Script\\login.bat");
    store.calls.clear();
    ui = FakeUi();
    EXPECT_FALSE(Login(Code(code)));
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0], login_text::EmptyCode);
    EXPECT_TRUE(host.runs.empty());
    EXPECT_TRUE(host.made.empty());
    EXPECT_TRUE(host.renames.empty());
    EXPECT_TRUE(store.calls.empty());
  }
  for (const char* code : {"26001010101", "Zhang.San", "考生01"})
    EXPECT_TRUE(IsAcceptableExamCode(code));
}

TEST_F(LoginFixture, ManualChoicesMustBeMade) {
  LoginRequest r = Code("C1");
  r.paperSetting = "manual";
  r.mode = 0;
  r.moduleId = 1;
  EXPECT_FALSE(Login(r));
  r.mode = 1;
  EXPECT_FALSE(Login(r));
  ASSERT_EQ(ui.messages.size(), 2u);
  EXPECT_EQ(ui.messages[0], "请选择要操作的模块和试题");
  EXPECT_EQ(ui.messages[1], "请选择要操作的试题");
  r.groupId = 3;  // a group without modules
  EXPECT_FALSE(Login(r));
  EXPECT_EQ(ui.messages.back(), "该题签有问题，题目列表为空！");
  EXPECT_TRUE(store.calls.empty());
}

TEST_F(LoginFixture, SharedArchiveIsUnpackedOnce) {
  LoginRequest r = Code("C1");
  r.paperSetting = "manual";
  r.mode = 1;
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
  EXPECT_EQ(store.calls.size(), 1u);
}

TEST_F(LoginFixture, DatabaseFailureKeepsTheDialogOpen) {
  store.failWrite = true;
  EXPECT_FALSE(Login(Code("C1")));
  EXPECT_EQ(ui.messages.back(), "添加考试记录到数据库发生错误:Description: locked");
  EXPECT_EQ(ui.status, login_text::Prompt);
}

TEST_F(LoginFixture, ExistingFolderIsPutAsideFirst) {
  const std::string folder = "D:\\KirvExam\\C1\\";
  host.existing.insert(folder);
  ASSERT_TRUE(Login(Code("C1")));
  ASSERT_EQ(host.renames.size(), 1u);
  EXPECT_EQ(host.renames[0], "D:\\KirvExam\\C1 -> D:\\KirvExam\\C1.20261210131415.bak");
  EXPECT_EQ(host.made, std::vector<std::string>{folder});
  EXPECT_EQ(BackupFolderName("D:\\x\\C1\\", "20260101000000"), "D:\\x\\C1.20260101000000.bak");

  // A folder that cannot be renamed: Retry tries again, Cancel stops before anything is made.
  host = FakeHost();
  host.existing.insert(folder);
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
  CAdoConnection db;
  CAdoRecordSet main, second;

  void SetUp() override {
    std::string error;
    ASSERT_TRUE(OpenDemoDatabase(dir / "kirv.mdb", db, &error)) << error;
    main.SetConnection(&db);
    second.SetConnection(&db);
  }
  void TearDown() override {
    main.Close();
    second.Close();
    db.Close();
  }
};

TEST_F(DemoDatabase, StatementsReadTheDemoRows) {
  AdoLoginStore store(db, main, second);
  int count = 0;
  std::string testDir;
  store.ReadConst(&count, &testDir);
  EXPECT_EQ(count, 10);
  EXPECT_EQ(testDir, "D:\\KirvExam");
  EXPECT_EQ(store.EnabledModules(), (std::vector<int>{0, 1}));
  auto papers = store.PapersOfModule(1);
  ASSERT_EQ(papers.size(), 2u);
  EXPECT_EQ(papers[0].attFile, "win1.7z");
  EXPECT_EQ(papers[0].timeLimit, 30);
  EXPECT_EQ(store.GroupModules(1), "0-1|1-101");
  EXPECT_FALSE(store.GroupModules(99));
  EXPECT_FALSE(store.FindStarted("26001010101"));
  auto absent = store.FindStarted("26001010104");
  ASSERT_TRUE(absent);
  EXPECT_EQ(absent->state, 10);
}

TEST_F(DemoDatabase, LoginWritesTheRowAndResumesIt) {
  AdoLoginStore store(db, main, second);
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

}  // namespace

namespace {

// The machine side over the real utilities: a log line lands in the candidate's own log, and the
// single-choice files are listed without folders.
TEST(SystemLoginHost, LogAndQuestionFiles) {
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
  host.MakeDirPath(student);
  host.WriteLog(student, "C7", "0-q01|1-101");
  std::ifstream log(dir / "C7/log/C7.log", std::ios::binary);
  std::string text((std::istreambuf_iterator<char>(log)), std::istreambuf_iterator<char>());
  EXPECT_EQ(text, "0-q01|1-101\r\n");
  EXPECT_EQ(host.Timestamp().size(), 14u);
  ExamCode.clear();
  StudentFolder.clear();
}

}  // namespace
