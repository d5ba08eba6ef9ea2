// The grading dialog's flow against stand-ins of the grading controls that are real control
// libraries (client/testing/scripted_grading_controls), registered with the registration tool
// into a registry store of the test's own, on an exam database of the test's own: the module
// scores with their weights and truncations, the stored score, failing controls and a failing
// database, training mode's grading record, the upload to a fake exam server, the process sweep,
// the watchdog and the auto-start countdown.
#include "client/grading/grading_flow.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <optional>
#include <set>

#include "client/exam/exam_session.h"
#include "client/grading/grading_record.h"
#include "client/grading/score_scrambler.h"
#include "client/server/server_protocol.h"
#include "client/store/ado_exam_store.h"
#include "client/store/db/ado_record_set.h"
#include "client/store/db/exam_database.h"
#include "client/testing/fake_exam_server.h"
#include "client/testing/fake_exam_store.h"
#include "client/testing/temp_folder.h"
#include "platform/win/attributes.h"
#include "platform/win/codepage.h"
#include "platform/win/testing/scoped_env.h"
#include "platform/win/testing/test_folder.h"

namespace {

namespace fs = std::filesystem;

// The dialog's window: what it was told to show and do.
struct RecordingWindow : ScoreDlgWindow {
  ScoreDlgState shown;
  std::vector<std::string> messages;
  std::vector<std::string> timerCalls;  // "start 1 1000", "stop 2"
  std::set<int> running;
  int ended = -1;
  void Show(const ScoreDlgState& state) override { shown = state; }
  void Message(const std::string& text) override { messages.push_back(text); }
  void StartTimer(int id, int ms) override {
    timerCalls.push_back("start " + std::to_string(id) + " " + std::to_string(ms));
    running.insert(id);
  }
  void StopTimer(int id) override {
    timerCalls.push_back("stop " + std::to_string(id));
    running.erase(id);
  }
  void EndDialog(int result) override { ended = result; }
  com::WindowHandle ControlParent() override { return this; }
};

// The machine: processes that can be ended, windows by title, the clipboard, the shell.
struct FakeSystem : GradingSystem {
  std::vector<win::ProcessEntry> processes;
  std::vector<int> terminated;
  std::set<std::string> windows;
  std::vector<std::string> closed;
  int explorerCloses = 0;
  std::string clipboard;
  std::vector<std::string> opened;
  std::vector<std::string> restarted;
  std::optional<base::Error> restartFails;  // the restart cannot start the program
  std::vector<win::ProcessEntry> Processes() override { return processes; }
  bool TerminateProcess(int pid) override {
    terminated.push_back(pid);
    return true;
  }
  bool WindowExists(const std::string& title) override { return windows.count(title) > 0; }
  void CloseWindow(const std::string& title) override {
    closed.push_back(title);
    windows.erase(title);
  }
  void CloseExplorerWindows() override { ++explorerCloses; }
  std::string ClipboardText() override { return clipboard; }
  void Open(const std::string& file, const std::string& folder) override {
    opened.push_back(file + " in " + folder);
  }
  base::Status Restart(const std::string& programFolder) override {
    restarted.push_back(programFolder);
    if (restartFails) return *restartFails;
    return base::Ok();
  }
};

class Grading : public ::testing::Test {
 protected:
  void SetUp() override {
    for (const char* folder : {"db", "Data/Answer", "exam/0101/Selkt"})
      fs::create_directories(Host(folder));
    Write("Data/Answer/Sel.ans", "q01:B\r\nq02:C\r\nq03:A\r\n");
    Write("exam/0101/Selkt/0101.txt", "q01:B\nq02:A\n");
    programEnv_.emplace("KIRV_PROGRAM_FOLDER", tmp_.Path().string());
    registryEnv_.emplace("KIRV_REGISTRY", Host("registry.ini").string());
    const std::string command = std::string(KIRV_REGSVR32) + " /s " + KIRV_SCRIPTED_CONTROLS;
    ASSERT_EQ(std::system(command.c_str()), 0) << command;
  }
  void TearDown() override {
    flow_.reset();
    session_.Close();
  }

  fs::path Host(const std::string& name) const { return tmp_.Path() / name; }
  void Write(const std::string& name, const std::string& bytes) {
    fs::create_directories(Host(name).parent_path());
    std::ofstream(Host(name), std::ios::binary) << bytes;
  }
  std::string Read(const std::string& name) const {
    std::ifstream in(Host(name), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }

  // Starts the session on the installation (with the exam database, or with `store`) and makes
  // the flow for candidate "0101"; `ini` is the [KIRV] section's body.
  void Start(const std::string& ini = "", std::unique_ptr<ExamStore> store = nullptr) {
    Write("KIRV.ini", "[KIRV]\r\n" + ini);
    PathGlobals paths = InitPaths();
    if (store) {
      session_.Start(paths, std::move(store));
    } else {
      const base::Status created = CreateExamDatabase(paths.ProgramFolder + "db\\kirv.mdb");
      ASSERT_TRUE(created) << created.error().message;
      session_.Start(paths);
      for (const char* sql : {"insert into [Module](ModuleID, Name) values (0, '单项选择题')",
                              "insert into [Module](ModuleID, Name) values (2, '文字处理')"})
        Sql(sql);
    }
    session_.ReadProcessLists();
    flow_.emplace(session_, GradingCandidate{"0101", StudentFolder()}, window_, system_);
  }
  std::string StudentFolder() const { return session_.ProgramFolder() + "exam\\0101\\"; }
  CAdoConnection& Database() { return static_cast<AdoExamStore&>(session_.Store()).Connection(); }
  void Sql(const std::string& sql) { ASSERT_NE(Database().Execute(sql), nullptr) << sql; }
  void Candidate(const std::string& papers) {
    Sql("insert into [Stu](examcode, Papers, State) values ('0101', '" + papers + "', 1)");
  }
  void Paper(int id, int module, const std::string& ansFile) {
    Sql("insert into [Paper](PaperID, ModuleID, AnsFile) values (" + std::to_string(id) + ", " +
        std::to_string(module) + ", '" + ansFile + "')");
  }
  // The candidate's row as grading left it.
  struct Row {
    std::string score;
    bool scoreOk = false, sendOk = false;
    int state = -1;
  };
  Row Stored() {
    CAdoRecordSet rs;
    rs.SetConnection(&Database());
    Row row;
    EXPECT_TRUE(rs.Open("select * from [Stu] where examcode='0101'"));
    rs.GetString("Score", row.score);
    rs.GetBool("scoreok", row.scoreOk);
    rs.GetBool("sendok", row.sendOk);
    rs.GetInt("State", row.state);
    return row;
  }
  const std::vector<std::string>& Lines() const { return flow_->State().lines; }

  TempFolder tmp_;
  std::optional<win::testing::ScopedEnv> programEnv_, registryEnv_;
  ExamSession session_;
  RecordingWindow window_;
  FakeSystem system_;
  std::optional<GradingFlow> flow_;
};

// Every module's grader, with the weights and truncations between a control's result and the
// module score: the result truncated, clamped to 0..100, times the weight, the sum truncated
// after each item. The stored score decodes back to the score string.
TEST_F(Grading, ModuleScoresWithWeightsAndTruncation) {
  struct Case {
    const char* what;
    int module;  // -1: the single-choice item
    const char* ansFile;
    int score;
  } cases[] = {
      {"single choice, one of two right", -1, "", 50},
      {"0.5 x 99.9 gives 49", 2, "99.9.xls*0.5", 49},
      {"0.5 + 0.5 with 100 and 81 gives 90", 2, "100.xls*0.5|81.xls*0.5", 90},
      {"a result below 0 counts 0", 2, "-5.xls*1", 0},
      {"a result above 100 counts 100", 2, "150.xls*1", 100},
      {"an item without weight scores 0", 2, "80.xls", 0},
      {"module 7 scores 0", 7, "80.xls*1", 0},
      {"spreadsheet: 8 of 10", 3, "8of10.xls*1", 80},
      {"spreadsheet with full marks 0", 3, "3of0.xls*1", 0},
      {"desktop", 1, "77.xls*1", 77},
      {"web page: the percentage as it is", 6, "99.9.xls*1", 99},
      {"web page that did not grade", 6, "0.001.xls*1", 0},
      {"presentation: truncated before the weight", 4, "12.5.xls*2", 24},
      {"network part", 5, "net*1", 66},
      {"a paper without a row", 2, nullptr, 0},
  };
  Start();
  Write("exam/0101/Netkt/net.net", "66.5");
  std::string papers, expected;
  int paperId = 100;
  for (const Case& c : cases) {
    const std::string item =
        c.module < 0 ? "0-q01,q02" : std::to_string(c.module) + "-" + std::to_string(++paperId);
    if (c.module >= 0 && c.ansFile) Paper(paperId, c.module, c.ansFile);
    papers += (papers.empty() ? "" : "|") + item;
    expected += (expected.empty() ? "" : "|") + item.substr(0, item.find('-')) + "-" +
                std::to_string(c.score);
  }
  Candidate(papers);
  EXPECT_EQ(flow_->GradeAll("0101"), 1);
  EXPECT_TRUE(window_.messages.empty()) << window_.messages.front();

  const Row row = Stored();
  EXPECT_TRUE(row.scoreOk);
  EXPECT_EQ(row.score, flow_->EncodedScore());
  const std::string decoded = DecodeText(row.score, "0101");
  std::vector<std::string> got;
  SplitString(decoded, "|", got);
  ASSERT_EQ(got.size(), std::size(cases)) << decoded;
  for (size_t i = 0; i < got.size(); ++i) {
    SCOPED_TRACE(cases[i].what);
    EXPECT_EQ(got[i].substr(got[i].find('-') + 1), std::to_string(cases[i].score));
  }
  EXPECT_EQ(decoded, expected);
  EXPECT_EQ(flow_->State().progress, 100);
  EXPECT_EQ(Lines().front(), "正在对 影响评分的进程进行关闭...");
  EXPECT_EQ(Lines()[1], "正在对 0101 进行评分...");
  EXPECT_EQ(Lines()[3], "单项选择题 : 评分完毕");
  EXPECT_EQ(Lines()[4], "文字处理 : 评分完毕");
  EXPECT_EQ(Lines()[9], "未知模块 : 评分完毕");
  EXPECT_EQ(Lines().back(), "所有考试模块评分完成");
  // The watchdog runs around each call of the word-processor control, and only then.
  std::vector<std::string> watchdog;
  for (int call = 0; call < 5; ++call) watchdog.insert(watchdog.end(), {"start 2 500", "stop 2"});
  EXPECT_EQ(window_.timerCalls, watchdog);
  EXPECT_TRUE(win::GetFileAttributes(StudentFolder().substr(0, StudentFolder().size() - 1)) &
              win::FILE_ATTRIBUTE_HIDDEN);
}

// A paper of the single-choice module alone never asks for answer workbooks; the record and the
// key are read as text lines, CR LF or LF alike.
TEST_F(Grading, PaperOfOnlySingleChoice) {
  auto store = std::make_unique<FakeExamStore>();
  FakeExamStore& fake = *store;
  fake.stu["0101"].papers = "0-q01,q02,q03";
  fake.modules[0].name = "单项选择题";
  Write("exam/0101/Selkt/0101.txt", "q01:B\r\nq02:C\r\nq03:X\r\n");
  Start("Training=0\r\n", std::move(store));
  EXPECT_EQ(flow_->GradeAll("0101"), 1);
  EXPECT_EQ(DecodeText(fake.stu["0101"].score, "0101"), "0-66");
  for (const std::string& asked : fake.asked) EXPECT_NE(asked, "AnswerFiles");
}

TEST(SingleChoice, TallyOfRecordAgainstKey) {
  struct Case {
    const char* what;
    std::vector<std::string> record;
    SingleChoiceTally tally;
    const char* text;
  } cases[] = {
      {"right, wrong and unanswered",
       {"q01:B", "q02:A", "q03:X", "q04:D"},
       {4, 3, 1, 2},
       "共有 4 道单选题，你选择了 3 道，其中正确 1 道，错误 2 道，正确率为 33％。"},
      {"nothing answered", {"q01:X", "q02:X"}, {2, 0, 0, 0}, "共有 2 道单选题，你一道没做！"},
      {"no lines", {}, {0, 0, 0, 0}, "共有 0 道单选题，你一道没做！"},
      {"blank lines are no questions",
       {"", "q01:B", ""},
       {1, 1, 1, 0},
       "共有 1 道单选题，你选择了 1 道，其中正确 1 道，错误 0 道，正确率为 100％。"},
  };
  const std::vector<std::string> key = {"q01:B", "q02:C", "q03:A", "q04:C"};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const SingleChoiceTally t = TallySingleChoice(c.record, key);
    EXPECT_EQ(t, c.tally);
    EXPECT_EQ(TallyText(t), c.text);
  }
  EXPECT_EQ(TallyPercent({4, 3, 1, 2}), 25.0);
  EXPECT_EQ(TallyPercent({}), 0.0);
}

// A control that cannot be created: its box and a list line, the item scores 0, grading goes on
// and the buttons come back. A control whose call fails: a list line naming the module, the item
// scores 0 and the next item is graded.
TEST_F(Grading, FailingControlsScoreTheirItemZeroAndGradingGoesOn) {
  Start();
  Paper(1, 2, "fail.xls*0.5|100.xls*0.5");
  Paper(2, 3, "fail.xls*1");
  Candidate("2-1|3-2|0-q01,q02");
  flow_->OnStartGrading();
  EXPECT_EQ(DecodeText(Stored().score, "0101"), "2-50|3-0|0-50");
  ASSERT_GE(Lines().size(), 4u);
  EXPECT_EQ(Lines()[3].rfind("调用 Word 评分对象出错：", 0), 0u) << Lines()[3];
  EXPECT_NE(Lines()[3].find("scripted failure"), std::string::npos) << Lines()[3];
  EXPECT_EQ(Lines()[4], "文字处理 : 评分完毕");
  EXPECT_EQ(Lines()[5].rfind("调用 Excel 评分对象出错：", 0), 0u) << Lines()[5];
  EXPECT_TRUE(window_.messages.empty());

  // Nothing registered: the controls cannot be created.
  registryEnv_.emplace("KIRV_REGISTRY", Host("empty.ini").string());
  flow_->OnStartGrading();
  EXPECT_EQ(DecodeText(Stored().score, "0101"), "2-0|3-0|0-50");
  EXPECT_EQ(window_.messages,
            (std::vector<std::string>{"无法创建 Word 评分对象！", "无法创建 Word 评分对象！",
                                      "无法创建 Excel 评分对象！"}));
  EXPECT_EQ(Lines()[3].rfind("无法创建 Word 评分对象！", 0), 0u) << Lines()[3];
  EXPECT_NE(Lines()[3].find("not registered"), std::string::npos) << Lines()[3];
  EXPECT_TRUE(flow_->State().buttonsEnabled);
  EXPECT_TRUE(flow_->State().uploadEnabled);
  EXPECT_EQ(flow_->State().picture, session_.ProgramFolder() + "Skins\\ScoreOK.jpg");
}

// A control whose result is no number (an infinity, NaN) has not graded: its item scores 0 with a
// list line naming the module, never full marks, and the module's other items still count.
TEST_F(Grading, ResultsThatAreNoNumberScoreTheirItemZero) {
  struct Case {
    const char* what;
    int module;
    const char* ansFile;
    int score;
    const char* line;  // the list line the item leaves
  } cases[] = {
      {"word processor: +inf beside a full item", 2, "inf.xls*0.5|100.xls*0.5", 50,
       "Word 评分对象未给出有效分数（inf），此项记 0 分"},
      {"presentation: NaN", 4, "nan.xls*1", 0,
       "Powerpoint 评分对象未给出有效分数（nan），此项记 0 分"},
      {"web page: -inf", 6, "-inf.xls*1", 0,
       "Frontpage 评分对象未给出有效分数（-inf），此项记 0 分"},
      {"network part: +inf", 5, "net*1", 0, "Network 评分对象未给出有效分数（inf），此项记 0 分"},
  };
  Start();
  Write("exam/0101/Netkt/net.net", "inf");
  std::string papers, expected;
  int paperId = 0;
  for (const Case& c : cases) {
    Paper(++paperId, c.module, c.ansFile);
    const std::string module = std::to_string(c.module);
    papers += (papers.empty() ? "" : "|") + module + "-" + std::to_string(paperId);
    expected += (expected.empty() ? "" : "|") + module + "-" + std::to_string(c.score);
  }
  Candidate(papers);
  EXPECT_EQ(flow_->GradeAll("0101"), 1);
  EXPECT_EQ(DecodeText(Stored().score, "0101"), expected);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_NE(std::find(Lines().begin(), Lines().end(), c.line), Lines().end())
        << ::testing::PrintToString(Lines());
  }
  EXPECT_TRUE(window_.messages.empty());
}

// A failed read is not "no row", and a score the database did not take is reported and not kept
// for the upload.
TEST_F(Grading, DatabaseFailuresStoreNothingAndKeepNothing) {
  struct Case {
    const char* what;
    const char* failing;
    const char* message;
  } cases[] = {
      {"the paper list cannot be read", "FindCandidate",
       "无法读取考生抽取试题的数据，尝试退出程序重新评分\nDescription: database is locked\r\n"},
      {"the answer items cannot be read", "AnswerFiles",
       "评分时读取考试数据库发生错误:Description: database is locked\r\n"},
      {"the score cannot be stored", "StoreScore",
       "评分完毕但更新考生成绩记录失败Description: database is locked\r\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    auto store = std::make_unique<FakeExamStore>();
    FakeExamStore& fake = *store;
    fake.stu["0101"].papers = "2-1";
    fake.AddPaper(2, 1, "", 0);
    fake.papers[1].ansFile = "90.xls*1";
    fake.failing.insert(c.failing);
    window_.messages.clear();
    Start("", std::move(store));
    flow_->OnStartGrading();
    EXPECT_EQ(window_.messages, (std::vector<std::string>{c.message}));
    EXPECT_FALSE(fake.stu["0101"].scoreOk);
    EXPECT_EQ(fake.stu["0101"].score, "");
    EXPECT_EQ(flow_->EncodedScore(), "");
    EXPECT_FALSE(flow_->State().uploadEnabled);
    EXPECT_TRUE(flow_->State().buttonsEnabled);
    EXPECT_EQ(flow_->State().picture, session_.ProgramFolder() + "Skins\\Error.jpg");
    EXPECT_EQ(flow_->UploadScore(), 0);
  }
}

// Training mode: each module line carries its score, State goes back to 0, and the graders' logs
// are gathered into the grading record in their order behind separators (a missing log adds
// nothing) and deleted once the record holds them.
TEST_F(Grading, TrainingModeGathersTheGradingRecord) {
  Start("Training=1\r\n");
  Sql("insert into [Module](ModuleID, Name) values (3, '电子表格')");
  Sql("insert into [Module](ModuleID, Name) values (5, '网络应用')");
  Sql("insert into [Module](ModuleID, Name) values (6, '网页制作')");
  Paper(1, 2, "60.xls*1");
  Paper(2, 3, "9of10.xls*1");
  Paper(3, 6, "70.xls*1");
  Paper(4, 5, "n*1");
  Write("exam/0101/Netkt/net.net", "40");
  for (const char* folder : {"exam/0101/Excelkt", "exam/0101/Fropkt"})
    fs::create_directories(Host(folder));
  Write("exam/0101/Wordkt/docmark.txt", "an earlier line\r\n");
  system_.clipboard = "网络评分报告\r\n";
  Candidate("0-q01,q02|2-1|3-2|6-3|5-4");
  flow_->OnStartGrading();
  EXPECT_TRUE(window_.messages.empty());
  EXPECT_EQ(Stored().state, 0);
  EXPECT_EQ(DecodeText(Stored().score, "0101"), "0-50|2-60|3-90|6-70|5-40");
  const std::vector<std::string> expectedLines = {
      "单项选择题 : 50", "文字处理 : 60", "电子表格 : 90", "网页制作 : 70", "网络应用 : 40"};
  EXPECT_EQ(std::vector<std::string>(Lines().begin() + 3, Lines().begin() + 8), expectedLines);
  EXPECT_EQ(Lines().back(), "评分日志采集完毕,可以点击『查看结果』 按钮查看");

  const std::string answers = session_.ProgramFolder() + "Data\\Answer\\";
  const std::string block =
      " \r\n" +
      win::Utf8ToGbk("※※※※※※※※※※※※※※※※※※※※※※※※※※※模※块※分※割※线※※※※※※※※※※※※※※※※※※※※※※※※※") +
      "\r\n \r\n";
  const std::string expected =
      win::Utf8ToGbk(
          "以下评分记录仅供参考，并非正常开发的功能，因此注意如下事项：\r\n"
          "判分项只要有分值即说明操作正确，0分则说明操作错误！\r\n") +
      block +
      win::Utf8ToGbk("共有 2 道单选题，你选择了 2 道，其中正确 1 道，错误 1 道，正确率为 50％。") +
      "\r\n" + block + "an earlier line\r\ndocmark " + answers + "60.xls\r\n" + block +
      "sheetmark " + answers + "9of10.xls\r\n" + block + win::Utf8ToGbk("网络评分报告") + "\r\n" +
      block + "BEGIN\r\nwebmark " + answers + "70.xls\r\nEND\r\n";
  EXPECT_EQ(Read("exam/0101/评分记录.txt"), expected);
  for (const char* log : {"Selkt/1234.txt", "Wordkt/docmark.txt", "Excelkt/1234.txt",
                          "Netkt/1234.txt", "Fropkt/webmark.TXT"})
    EXPECT_FALSE(fs::exists(Host("exam/0101/" + std::string(log)))) << log;

  flow_->OnViewRecord();
  EXPECT_EQ(system_.opened,
            (std::vector<std::string>{StudentFolder() + "评分记录.txt in " + StudentFolder()}));
}

// What the candidate left in place of his single-choice record reads as no record: grading goes
// on at once, scores nothing and never reads the answer key through a link.
TEST_F(Grading, SingleChoiceRecordThatIsNoFileOfHisReadsAsMissing) {
  struct Case {
    const char* what;
    void (*make)(const fs::path& record, const fs::path& key);
  } cases[] = {
      {"FIFO", [](const fs::path& r, const fs::path&) { ASSERT_EQ(::mkfifo(r.c_str(), 0644), 0); }},
      {"link to /dev/zero",
       [](const fs::path& r, const fs::path&) { fs::create_symlink("/dev/zero", r); }},
      {"link to the answer key",
       [](const fs::path& r, const fs::path& k) { fs::create_symlink(k, r); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    auto store = std::make_unique<FakeExamStore>();
    FakeExamStore& fake = *store;
    fake.stu["0101"].papers = "0-q01,q02,q03";
    fs::remove(Host("exam/0101/Selkt/0101.txt"));
    c.make(Host("exam/0101/Selkt/0101.txt"), Host("Data/Answer/Sel.ans"));
    window_.messages.clear();
    Start("", std::move(store));
    EXPECT_EQ(flow_->GradeAll("0101"), 1);
    EXPECT_EQ(DecodeText(fake.stu["0101"].score, "0101"), "0-0");
    EXPECT_EQ(window_.messages, std::vector<std::string>{"不存在用户单选题记录，故无法评分。"});
    flow_.reset();
    session_.Close();
  }
}

// Logs the candidate replaced by links, FIFOs or devices add nothing to the grading record, and
// gathering them neither waits nor copies what lies outside his folder.
TEST_F(Grading, TrainingRecordSkipsLogsThatAreNoFilesOfHis) {
  Write("outside.txt", "the proctor's notes\r\n");
  fs::create_symlink(Host("outside.txt"), Host("exam/0101/1234.txt"));
  fs::create_directories(Host("exam/0101/Excelkt"));
  ASSERT_EQ(::mkfifo(Host("exam/0101/Excelkt/1234.txt").c_str(), 0644), 0);
  fs::create_directories(Host("exam/0101/Wordkt"));
  fs::create_symlink("/dev/zero", Host("exam/0101/Wordkt/docmark.txt"));
  fs::create_directories(Host("exam/0101/Pptkt"));
  fs::create_symlink("../../../Data/Answer/Sel.ans", Host("exam/0101/Pptkt/slidemark.txt"));
  Start("Training=1\r\n");
  Candidate("0-q01,q02");
  EXPECT_EQ(flow_->GradeAll("0101"), 1);
  EXPECT_TRUE(window_.messages.empty()) << window_.messages.front();
  const std::string record = Read("exam/0101/评分记录.txt");
  EXPECT_NE(record.find(win::Utf8ToGbk("你选择了 2 道")), std::string::npos);
  for (const char* outside : {"the proctor's notes", "q01:B", "q03:A"})
    EXPECT_EQ(record.find(outside), std::string::npos) << outside;
  EXPECT_EQ(Read("outside.txt"), "the proctor's notes\r\n");
}

// A Netkt that is a link out of the candidate's folder gets no training log: the network report
// is not written where the link leads.
TEST_F(Grading, NoTrainingLogIsWrittenThroughANetktLinkedOut) {
  Write("elsewhere/Netkt/net.net", "40");
  fs::create_directory_symlink(Host("elsewhere/Netkt"), Host("exam/0101/Netkt"));
  Start("Training=1\r\n");
  Sql("insert into [Module](ModuleID, Name) values (5, '网络应用')");
  Paper(4, 5, "n*1");
  system_.clipboard = "网络评分报告\r\n";
  Candidate("5-4");
  EXPECT_EQ(flow_->GradeAll("0101"), 1);
  EXPECT_FALSE(fs::exists(Host("elsewhere/Netkt/1234.txt")));
  EXPECT_EQ(Read("exam/0101/评分记录.txt").find(win::Utf8ToGbk("网络评分报告")), std::string::npos);
}

// The upload against a fake exam server on loopback: an acknowledgement sets sendok; a reply of
// the wrong kind, a refusal and no reply at all leave it, each with its list line.
TEST_F(Grading, UploadSetsSendokOnlyOnTheServersAcknowledgement) {
  struct Case {
    const char* what;
    std::vector<std::string> replies;
    const char* line;
    bool sent;
  } cases[] = {
      {"acknowledged", {"KIRV-05-01-0101"}, "成功发送数据到服务器!", true},
      {"a reply of the wrong kind", {"KIRV-07-01-0101"}, "服务器返回不合理的成绩发送结果", false},
      {"refused", {"KIRV-05-02-0101-考生不存在"}, "成绩更新失败 考生不存在", false},
      {"no reply", {"XYZ"}, "连接服务器超时！请检查服务器配置或者重试！", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    FakeExamServer server(c.replies);
    session_.Close();
    fs::remove(Host("db/kirv.mdb"));
    Start("ServerIP=127.0.0.1\r\nPort=" + std::to_string(server.Port()) + "\r\nTimeout=300\r\n");
    Candidate("0-q01,q02");
    EXPECT_FALSE(flow_->State().uploadEnabled);
    EXPECT_EQ(flow_->UploadScore(), 0);  // nothing stored yet: nothing sent
    flow_->OnStartGrading();
    ASSERT_TRUE(flow_->State().uploadEnabled);
    flow_->OnUploadAgain();
    EXPECT_EQ(Lines().back(), c.line);
    EXPECT_EQ(Stored().sendOk, c.sent);
    EXPECT_EQ(flow_->State().picture,
              session_.ProgramFolder() + "Skins\\" + (c.sent ? "UploadOK.jpg" : "Error.jpg"));
    EXPECT_EQ(server.Received(), (std::vector<std::string>{"KIRV-04-0101-" + Stored().score}));
  }
}

// The sweep ends the processes the KillProcess list names, never "explore.exe" and never one
// whose name merely occurs inside the list; the watchdog closes the word processor's stuck box.
TEST_F(Grading, ProcessSweepAndWordWatchdog) {
  Start("KillProcess=WinWord.exe, excel.exe;explore.exe\r\n");
  system_.processes = {{11, "winword"}, {12, "sh"},  {13, "EXCEL.EXE"},
                       {14, "explore"}, {15, "cel"}, {16, "bash"}};
  flow_->KillListedProcesses();
  EXPECT_EQ(system_.terminated, (std::vector<int>{11, 13}));

  system_.terminated.clear();
  flow_->OnTimer(GradingFlow::kWatchdogTimer);
  EXPECT_TRUE(system_.terminated.empty());
  system_.windows.insert("docmark");
  flow_->OnTimer(GradingFlow::kWatchdogTimer);
  EXPECT_EQ(system_.closed, (std::vector<std::string>{"docmark"}));
  EXPECT_EQ(system_.terminated, (std::vector<int>{11}));
}

// AutoScore: the countdown starts with the dialog and grades at 0; unticking stops it and writes
// the setting back.
TEST_F(Grading, AutoStartCountdown) {
  Start("AutoScore=1\r\n");
  Candidate("0-q01,q02");
  flow_->OnInitDialog();
  EXPECT_EQ(window_.running, (std::set<int>{GradingFlow::kAutoStartTimer}));
  for (int i = 0; i < GradingFlow::kAutoStartSeconds - 1; ++i)
    flow_->OnTimer(GradingFlow::kAutoStartTimer);
  EXPECT_EQ(flow_->State().caption, "请关闭所有打开的文档窗口 - 1 秒后自动开始评分");
  EXPECT_FALSE(Stored().scoreOk);
  flow_->OnTimer(GradingFlow::kAutoStartTimer);
  EXPECT_TRUE(Stored().scoreOk);
  EXPECT_TRUE(window_.running.empty());

  flow_->OnAutoScore(true);
  EXPECT_EQ(flow_->Countdown(), GradingFlow::kAutoStartSeconds);
  flow_->OnAutoScore(false);
  EXPECT_TRUE(window_.running.empty());
  EXPECT_EQ(flow_->State().caption, "请关闭所有打开的文档然后进行评分");
  EXPECT_EQ(session_.Settings().Read("KIRV", "AutoScore"), "0");
  flow_->OnAutoRestart(true);
  EXPECT_EQ(session_.Settings().Read("KIRV", "AutoRestart"), "1");
}

TEST_F(Grading, RestartKeepsTheScriptAndEndsTheDialog) {
  Start();
  flow_->RestartProgram();
  EXPECT_EQ(Read("restart.vbs"),
            "Wscript.Sleep 1000\r\nset a=CreateObject(\"Wscript.Shell\")\r\n"
            "a.run \"" +
                session_.ProgramFolder() + "kirv.exe\"\r\n");
  EXPECT_EQ(system_.restarted, (std::vector<std::string>{session_.ProgramFolder()}));
  EXPECT_EQ(window_.ended, 1);
  flow_->OnViewRecord();  // no record: nothing opens
  EXPECT_TRUE(system_.opened.empty());
  EXPECT_EQ(flow_->GradeAll(""), 0);
  EXPECT_EQ(window_.messages, (std::vector<std::string>{"评哪位考生？"}));
}

// A program that cannot be started is reported, and the dialog stays open instead of ending as
// if the client were on its way back.
TEST_F(Grading, RestartThatCannotStartSaysSoAndKeepsTheDialog) {
  Start();
  system_.restartFails = base::Error{"no program found to run kirv.exe", ENOENT};
  flow_->RestartProgram();
  EXPECT_EQ(system_.restarted, (std::vector<std::string>{session_.ProgramFolder()}));
  EXPECT_EQ(window_.messages,
            (std::vector<std::string>{"考试系统无法重新启动：no program found to run kirv.exe"}));
  EXPECT_EQ(window_.ended, -1);
}

}  // namespace
