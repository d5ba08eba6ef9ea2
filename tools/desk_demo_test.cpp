// The demo's desktop and network tasks graded end to end: the installation's controls registered
// from its Ocx folder with its regsvr32 as the client does at start-up, a candidate folder unpacked
// from a paper's archive and worked on, and the desktop control created by class id through the
// client's PingWin with the paper's answer workbook from [Paper].AnsFile; then the grading
// dialog's whole run for a candidate of the demo's own exam database. The network task's database,
// from its paper's archive, is filled the way the browser fills it and graded by the dialog; the
// web-page task's site, from its archive, is worked on and graded by the dialog through
// webmark.ocx.
#include <gtest/gtest.h>

#include <bit>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include "client/grading/controls/ping_win.h"
#include "client/grading/score_scrambler.h"
#include "client/store/db/ado_connection.h"
#include "client/store/db/ado_record_set.h"
#include "grading/docmark/testing/demo_document.h"
#include "grading/sheetmark/testing/demo_spreadsheet.h"
#include "grading/slidemark/testing/demo_presentation.h"
#include "grading/webmark/keywords.h"
#include "grading/webmark/testing/demo_site.h"
#include "netdb/action_log.h"
#include "netdb/testing/browser_steps.h"
#include "platform/com/class_registry.h"
#include "platform/com/control_window.h"
#include "platform/win/paths.h"
#include "platform/win/testing/scoped_env.h"
#include "tools/testing/grade_by_run.h"
#include "tools/testing/graded_demo.h"

namespace {

namespace fs = std::filesystem;

// The file operation control, as an outside host knows it.
constexpr com::Clsid kDirmark = com::Clsid::Of("{9D9C9198-8F26-11D4-87C6-444553540001}");
constexpr com::DispId kDmFileName = 0x68030005;
constexpr com::DispId kDmSetAttrib = 0x68030006;

// Gives a file or folder attributes through the installation's file operation control.
void SetAttributes(const fs::path& host, int16_t word) {
  auto control = com::ControlWindow::Create(kDirmark, com::CreateParams{});
  ASSERT_TRUE(control) << control.error().message;
  ASSERT_TRUE((*control)->Put(kDmFileName, com::Variant::String(win::ToWindowsPath(host))));
  ASSERT_TRUE((*control)->Put(kDmSetAttrib, com::Variant::I2(word)));
}

class DeskDemo : public GradedDemo {
 protected:
  // The answer workbook of a paper, from its one "<name>*<weight>" item.
  static std::string AnswerName(int paperId) {
    CAdoConnection db;
    OpenExamDatabase(db);
    CAdoRecordSet rs;
    rs.SetConnection(&db);
    std::string items;
    EXPECT_TRUE(rs.Open("select AnsFile from [paper] where paperid=" + std::to_string(paperId)));
    EXPECT_FALSE(rs.IsEOF());
    rs.GetString("AnsFile", items);
    db.Close();
    EXPECT_EQ(items.find('|'), std::string::npos) << items;
    const size_t star = items.find('*');
    EXPECT_NE(star, std::string::npos) << items;
    EXPECT_EQ(items.substr(star + 1), "1");
    return items.substr(0, star);
  }

  // What the client's desktop grader does.
  static int16_t Grade(const fs::path& candidate, const std::string& answerName) {
    return GradeDesktop(candidate, Install() / "Data/Answer", answerName);
  }
};

TEST_F(DeskDemo, BothControlsAreRegisteredFromTheOcxFolder) {
  for (const com::Clsid& id : {PingWin::kClsid, kDirmark}) {
    auto path = com::InprocServerPath(id);
    ASSERT_TRUE(path) << id.ToString() << ": " << path.error().message;
    EXPECT_EQ(fs::canonical(*path).parent_path(), fs::canonical(Install() / "Ocx"));
  }
}

using Task = std::function<void(const fs::path& winkt)>;

// The five tasks of each paper's question file, done the way a candidate would.
const std::vector<Task>& PaperTasks(int paperId) {
  static const std::vector<Task> first{
      [](const fs::path& w) { fs::create_directory(w / "NEWS"); },
      [](const fs::path& w) { fs::copy_file(w / "report/draft.txt", w / "NEWS/final.txt"); },
      [](const fs::path& w) { fs::remove(w / "report/old.txt"); },
      [](const fs::path& w) { SetAttributes(w / "music", 2); },
      [](const fs::path& w) { fs::rename(w / "photo/sea.bmp", w / "sea.bmp"); },
  };
  static const std::vector<Task> second{
      [](const fs::path& w) { fs::create_directory(w / "docs/2026"); },
      [](const fs::path& w) { fs::rename(w / "docs/old/plan.txt", w / "docs/2026/plan.txt"); },
      [](const fs::path& w) {
        fs::remove(w / "temp/a1.tmp");
        fs::remove(w / "temp/b2.tmp");
      },
      [](const fs::path& w) { fs::rename(w / "games", w / "study"); },
      [](const fs::path& w) { SetAttributes(w / "docs/old", 1); },
  };
  return paperId == 101 ? first : second;
}

TEST_F(DeskDemo, TheDesktopTaskIsGradedByTheTasksDone) {
  struct Case {
    const char* name;
    int paperId;
    std::set<int> done;  // tasks of the question file, from 1
    Task extra;          // what else the candidate did
    int16_t percent;
  } cases[] = {
      {"paper 1 untouched", 101, {}, nullptr, 0},
      {"paper 1, tasks 1, 2 and 4", 101, {1, 2, 4}, nullptr, 60},
      {"paper 1, every task", 101, {1, 2, 3, 4, 5}, nullptr, 100},
      {"paper 1, the draft moved instead of copied",
       101,
       {1},
       [](const fs::path& w) { fs::rename(w / "report/draft.txt", w / "NEWS/final.txt"); },
       20},
      {"paper 2, tasks 4 and 5", 102, {4, 5}, nullptr, 40},
      {"paper 2, every task", 102, {1, 2, 3, 4, 5}, nullptr, 100},
      {"paper 2, the whole temp folder deleted with the .tmp files",
       102,
       {3},
       [](const fs::path& w) { fs::remove_all(w / "temp"); },
       20},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const std::string answer = AnswerName(c.paperId);
    EXPECT_TRUE(fs::is_regular_file(Install() / "Data/Answer" / answer)) << answer;
    const fs::path candidate =
        Unpack(c.paperId == 101 ? "win1.7z" : "win2.7z", "2600101010" + std::to_string(c.paperId));
    const fs::path winkt = candidate / "Winkt";
    ASSERT_TRUE(fs::is_directory(winkt));
    for (int task : c.done) PaperTasks(c.paperId)[static_cast<size_t>(task - 1)](winkt);
    if (c.extra) c.extra(winkt);
    ASSERT_FALSE(HasFatalFailure());
    EXPECT_EQ(Grade(candidate, answer), c.percent);
  }
}

// The grading dialog's run for a demo candidate whose paper is two single-choice questions, the
// first desktop paper, the word paper, the spreadsheet paper and the presentation paper: the
// single-choice record against the installation's key, the desktop, word, spreadsheet (the chart
// included) and presentation tasks through the registered controls with the workbooks
// [Paper].AnsFile names, and the score stored scrambled in the demo's own exam database.
TEST_F(DeskDemo, TheGradingDialogGradesTheDemoCandidate) {
  const std::string code = "26001010101";
  win::testing::ScopedEnv program("KIRV_PROGRAM_FOLDER", Install().string());
  win::testing::ScopedEnv driveD("KIRV_DRIVE_D", (Install() / "drive_d").string());
  SetPapers(code, "0-q01,q02|1-101|2-201|3-301|4-401");
  const fs::path candidate = Unpack("win1.7z", code);
  for (int task : {1, 2, 4}) PaperTasks(101)[static_cast<size_t>(task - 1)](candidate / "Winkt");
  // The word, spreadsheet and presentation papers' archives over the same folder, then the
  // document saved with three of its steps wrong, the workbook with every step done and the
  // presentation with five of its steps wrong.
  for (const char* archive : {"word1.7z", "excel1.7z", "ppt1.7z"}) {
    const std::string unpack = "7za x -y -pRW5827 '-o" + candidate.string() + "' '" +
                               (Install() / "Data/Attach" / archive).string() + "' >/dev/null";
    ASSERT_EQ(std::system(unpack.c_str()), 0) << unpack;
  }
  ASSERT_TRUE(fs::is_regular_file(candidate / "wordkt" / demo::kWordDocument));
  ASSERT_TRUE(demo::WritePartlyWrongDocument(candidate / "wordkt" / demo::kWordDocument));
  ASSERT_TRUE(demo::WriteSolvedWorkbook(candidate / "Excelkt" / demo::kSpreadsheetWorkbook));
  ASSERT_TRUE(fs::is_regular_file(candidate / "pptkt" / demo::kPptPresentation));
  ASSERT_TRUE(demo::WritePartlyWrongPresentation(candidate / "pptkt" / demo::kPptPresentation));
  fs::create_directories(candidate / "Selkt");
  std::ofstream(candidate / "Selkt" / (code + ".txt"), std::ios::binary) << "q01:B\r\nq02:A\r\n";
  ASSERT_FALSE(HasFatalFailure());

  const DialogRun run = GradeInDialog(code);
  EXPECT_EQ(run.result, 1);
  EXPECT_EQ(run.lines,
            (std::vector<std::string>{
                "正在对 影响评分的进程进行关闭...", "正在对 " + code + " 进行评分...", "",
                "单项选择题 : 评分完毕", "Windows 操作 : 评分完毕", "文字处理 : 评分完毕",
                "电子表格 : 评分完毕", "演示文稿 : 评分完毕", "", "所有考试模块评分完成"}));

  CAdoConnection db;
  OpenExamDatabase(db);
  CAdoRecordSet rs;
  rs.SetConnection(&db);
  ASSERT_TRUE(rs.Open("select Score, scoreok from [Stu] where examcode='" + code + "'"));
  ASSERT_FALSE(rs.IsEOF());
  std::string score;
  bool scoreOk = false;
  EXPECT_TRUE(rs.GetString("Score", score));
  EXPECT_TRUE(rs.GetBool("scoreok", scoreOk));
  EXPECT_EQ(score, run.encodedScore);
  // One of the two questions right; tasks 1, 2 and 4 of five; the word task's rules but three;
  // the spreadsheet task whole; the presentation task's rules but five.
  EXPECT_EQ(DecodeText(score, code), "0-50|1-60|2-" + std::to_string(demo::kPartlyWrongPoints) +
                                         "|3-100|4-" + std::to_string(demo::kPartlyWrongPptPoints));
  EXPECT_TRUE(scoreOk);
}

// The network paper's four tasks, done in the candidate's database the way the browser records
// them: each step logged and written through the connection class.
void DoNetworkTasks(const fs::path& database, const std::set<int>& done,
                    const std::string& mailTo) {
  netdb::CAdoConnection db;
  ASSERT_TRUE(db.Open(win::ToWindowsPath(database)));
  ASSERT_TRUE(netdb::LogAction(db, netdb::action::kStarted, ""));
  if (done.count(1)) {
    ASSERT_TRUE(netdb::testing::VisitAddress(db, "http://www.kirv.cn/"));
  }
  if (done.count(2)) {
    ASSERT_TRUE(netdb::testing::VisitAddress(db, "http://www.kirv.cn/notice.htm"));
  }
  if (done.count(3)) {
    ASSERT_TRUE(netdb::LogAction(db, netdb::action::kFavouritesAdd, ""));
    ASSERT_GT(netdb::testing::AddFavourite(db, "报名须知", "http://www.kirv.cn/notice.htm", 0), 0);
  }
  if (done.count(4)) {
    ASSERT_TRUE(netdb::testing::SendMail(db, mailTo, "考试报名", "张明"));
  }
  ASSERT_TRUE(netdb::LogAction(db, netdb::action::kExited, ""));
}

TEST_F(DeskDemo, TheNetworkTaskIsGradedFromTheDatabaseTheBrowserFilled) {
  const std::string code = "26001010102";
  win::testing::ScopedEnv program("KIRV_PROGRAM_FOLDER", Install().string());
  win::testing::ScopedEnv driveD("KIRV_DRIVE_D", (Install() / "drive_d").string());
  struct Case {
    const char* name;
    std::set<int> done;
    const char* mailTo;
    int score;
  } cases[] = {
      {"untouched", {}, "", 0},
      {"both pages and the favourite", {1, 2, 3}, "", 60},
      {"every task", {1, 2, 3, 4}, "teacher@kirv.cn", 100},
      {"the mail to someone else", {1, 2, 3, 4}, "friend@kirv.cn", 80},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    SetPapers(code, "5-501");
    const fs::path candidate = Unpack("net1.7z", code);
    ASSERT_TRUE(fs::is_regular_file(candidate / "Netkt/net.net"));
    DoNetworkTasks(candidate / "Netkt/net.net", c.done, c.mailTo);
    ASSERT_FALSE(HasFatalFailure());

    const DialogRun run = GradeInDialog(code);
    EXPECT_EQ(run.result, 1);
    EXPECT_EQ(DecodeText(run.encodedScore, code), "5-" + std::to_string(c.score));
  }
}

// The points the web-page task's rules give for the steps `steps`, counting only the steps whose
// keyword this version of the control grades: a keyword still without its check fails its rule
// on the solved site too.
int GradedSitePoints(unsigned steps) {
  int points = 0;
  for (const demo::SiteStepRule& rule : demo::SiteStepRules()) {
    const webmark::KeywordRow* row = webmark::FindKeyword(rule.keyword);
    EXPECT_NE(row, nullptr) << rule.keyword;
    if ((steps & rule.step) && row && row->branch) points += rule.points;
  }
  return points;
}

TEST_F(DeskDemo, TheWebPageTaskIsGradedFromTheSiteInFropkt) {
  const std::string code = "26001010103";
  win::testing::ScopedEnv program("KIRV_PROGRAM_FOLDER", Install().string());
  win::testing::ScopedEnv driveD("KIRV_DRIVE_D", (Install() / "drive_d").string());
  int full = 0;
  for (const demo::SiteStepRule& rule : demo::SiteStepRules()) full += rule.points;
  EXPECT_EQ(full, demo::kSiteFullMarks);
  // Every keyword the task uses is graded: the solved site scores full marks.
  EXPECT_EQ(GradedSitePoints(demo::kAllSiteSteps), demo::kSiteFullMarks);

  using Writer = std::function<base::Status(const fs::path&)>;
  struct Case {
    std::string name;
    Writer work;  // empty: the site as the archive brings it
    unsigned right;
  };
  std::vector<Case> cases = {
      {"untouched", {}, 0},
      {"solved", [](const fs::path& f) { return demo::WriteSolvedSite(f); }, demo::kAllSiteSteps},
      {"partly wrong", demo::WritePartlyWrongSite, demo::kPartlyRightSteps},
  };
  for (const demo::SiteStepRule& rule : demo::SiteStepRules()) {
    const unsigned done = demo::kAllSiteSteps & ~rule.step;
    cases.push_back(
        {"all but step " + std::to_string(std::countr_zero(static_cast<unsigned>(rule.step)) + 1),
         [done](const fs::path& f) { return demo::WriteSolvedSite(f, done); }, done});
  }
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    SetPapers(code, "6-601");
    EXPECT_EQ(AnswerName(601), demo::kSiteAnswer);
    const fs::path candidate = Unpack("web1.7z", code);
    ASSERT_TRUE(fs::is_regular_file(candidate / "Fropkt/index.htm"));
    ASSERT_TRUE(fs::is_regular_file(candidate / "Fropkt/images/logo.gif"));
    if (c.work) {
      ASSERT_TRUE(c.work(candidate / "Fropkt"));
    }

    const DialogRun run = GradeInDialog(code);
    EXPECT_EQ(run.result, 1);
    EXPECT_EQ(DecodeText(run.encodedScore, code), "6-" + std::to_string(GradedSitePoints(c.right)));
  }
}

}  // namespace
