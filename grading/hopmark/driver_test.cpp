// The grading run over network databases seeded with expected rows and filled the way the
// browser fills them.
#include "grading/hopmark/driver.h"

#include "grading/hopmark/sections.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "netdb/action_log.h"
#include "netdb/testing/browser_steps.h"
#include "platform/ado/testing/jet_fixture.h"
#include "platform/win/message_box.h"
#include "platform/win/paths.h"
#include "platform/win/testing/scoped_env.h"
#include "platform/win/testing/test_folder.h"

namespace hopmark {
namespace {

namespace fs = std::filesystem;

// "label|parameter|√|points" per row.
std::vector<std::string> Rows(const RunValues& v) {
  std::vector<std::string> out;
  for (const ResultRow& r : v.rows)
    out.push_back(r.label + "|" + r.parameter + "|" + (r.satisfied ? "√" : "×") + "|" +
                  std::to_string(r.points));
  return out;
}

class Run : public ::testing::Test {
 protected:
  fs::path Candidate() const { return folder_.Path() / "Exam" / "0001"; }
  std::string CandidateDir() const { return win::ToWindowsPath(Candidate()) + "\\"; }
  fs::path DatabaseFile() const { return Candidate() / "Netkt" / "net.net"; }

  // The paper's database with its expected rows, then the candidate's work on it.
  void Seed(const std::string& sql) {
    fs::create_directories(DatabaseFile().parent_path());
    ASSERT_TRUE(netdb::testing::MakeSeededDatabase(DatabaseFile(), sql));
    ASSERT_TRUE(db_.Open(win::ToWindowsPath(DatabaseFile())));
  }

  // A run as the exam client starts it: StudentDir set, DB empty, no Net.ini.
  RunValues Grade() {
    db_.Close();
    RunValues v;
    v.StudentDir = CandidateDir();
    report_ = RunGrading(v, settings_);
    return v;
  }

  win::testing::ScopedTempFolder folder_{"hopmark_"};
  win::MessageCapture boxes_;
  netdb::PathGlobals settings_;
  netdb::CAdoConnection db_;
  std::optional<std::string> report_;
};

TEST_F(Run, ADatabasePathGivesTheCandidateFolderTwoLevelsUp) {
  struct Case {
    const char* db;
    const char* studentDir;
  } cases[] = {
      {"D:\\Exam\\0001\\Netkt\\net.net", "D:\\Exam\\0001\\"},
      {"D:\\net.net", ""},
      {"net.net", ""},
  };
  for (const Case& c : cases) {
    RunValues v;
    v.StudentDir = "C:\\other\\";
    v.DB = c.db;
    LocateDatabase(v, settings_);
    EXPECT_EQ(v.StudentDir, c.studentDir) << c.db;
    EXPECT_EQ(v.DB, c.db);
  }
  RunValues v;
  v.StudentDir = "D:\\Exam\\0001\\";
  LocateDatabase(v, settings_);
  EXPECT_EQ(v.DB, "D:\\Exam\\0001\\Netkt\\Net.Net");
}

TEST_F(Run, AMissingDatabaseIsReportedAndScoresNothing) {
  RunValues v = Grade();
  const std::string message =
      "考生网络操作数据库并不存在\n请检查考生是否误删除了 " + CandidateDir() + "Netkt\\Net.Net";
  EXPECT_EQ(v.Score, 0);
  EXPECT_EQ(v.Rate, 100);
  EXPECT_EQ(v.State, message);
  EXPECT_TRUE(v.rows.empty());
  EXPECT_FALSE(report_.has_value());
  ASSERT_EQ(boxes_.Shown().size(), 1u);
  EXPECT_EQ(boxes_.Shown()[0].text, message);
}

TEST_F(Run, PointsAddUpAndTheScoreIsCappedAt100) {
  Seed(
      "insert into URLs (URL, ItemScore) values ('www.a.cn', 40), ('www.b.cn', 40), "
      "('www.c.cn', 30), ('www.d.cn', 0);");
  for (const char* url : {"www.c.cn", "www.a.cn", "www.b.cn"})
    ASSERT_TRUE(netdb::testing::VisitAddress(db_, url));
  RunValues v = Grade();
  EXPECT_EQ(Rows(v), (std::vector<std::string>{"网页浏览|www.a.cn|√|40", "网页浏览|www.b.cn|√|40",
                                               "网页浏览|www.c.cn|√|30"}));
  EXPECT_EQ(v.Score, 100);
  EXPECT_EQ(v.Rate, 100);
}

TEST_F(Run, EverySectionFindsWhatTheCandidateDid) {
  Seed(R"sql(
    insert into URLs (URL, ItemScore) values ('www.seen.cn', 10), ('www.unseen.cn', 5);
    insert into Favourite (Name, URL, Root, ItemScore) values
      ('Study', '', -1, 4), ('KIRV', 'www.kirv.cn', 0, 6), ('Gone', 'www.gone.cn', 0, 3);
    insert into Download (File, ItemScore) values ('Netkt\page.htm', 7), ('Netkt\none.htm', 2);
    insert into Log (Action, Parameter, ItemScore) values
      ('点击 刷新', '', 8), ('设定起始页', 'www.kirv.cn', 9), ('打开网址', 'it''s.cn', 11),
      ('点击 停止', '', 1);
    insert into Mail (Type, 主题) values (1, 'old ABC news');
    insert into MailRules (Mail, Name, Parameter, ItemScore) values
      (1, '主题', 'ABC', 12), (1, '主题', 'news', 13), (2, '主题', 'x', 14), (1, 'Nope', 'x', 15);
    insert into Account (用户Email地址, DefaultAccount) values ('me@kirv.cn', -1);
    insert into AccountRules (Action, Parameter, ItemScore) values
      ('用户Email地址', 'ME@kirv.cn', 16), ('用户Email地址', 'you@kirv.cn', 17);
  )sql");
  ASSERT_TRUE(netdb::testing::VisitAddress(db_, "www.seen.cn"));
  const long study = netdb::testing::AddFavourite(db_, "Study", "", -1);
  ASSERT_GT(study, 0);
  // The link sits in a folder: any folder will do.
  ASSERT_GT(netdb::testing::AddFavourite(db_, "KIRV", "www.kirv.cn", static_cast<int>(study)), 0);
  // A folder with the link's name is no link.
  ASSERT_GT(netdb::testing::AddFavourite(db_, "Gone", "www.gone.cn", -1), 0);
  std::ofstream(Candidate() / "Netkt" / "page.htm") << "<html></html>";
  ASSERT_TRUE(netdb::LogAction(db_, netdb::action::kRefresh, ""));
  ASSERT_TRUE(netdb::LogAction(db_, netdb::action::kSetStartPage, "www.kirv.cn"));
  ASSERT_TRUE(netdb::LogAction(db_, netdb::action::kOpenAddress, "it's.cn"));
  ASSERT_TRUE(netdb::testing::SendMail(db_, "", "new xxabcxx"));
  RunValues v = Grade();
  EXPECT_EQ(Rows(v), (std::vector<std::string>{
                         "网页浏览|www.seen.cn|√|10",
                         "网页浏览|www.unseen.cn|×|5",
                         "收藏夹操作|Study -> |√|4",
                         "收藏夹操作|KIRV -> www.kirv.cn|√|6",
                         "收藏夹操作|Gone -> www.gone.cn|×|3",
                         "文件保存|Netkt\\page.htm|√|7",
                         "文件保存|Netkt\\none.htm|×|2",
                         "点击 刷新||√|8",
                         "设定起始页|www.kirv.cn|√|9",
                         "打开网址|it's.cn|√|11",
                         "点击 停止||×|1",
                         "邮件关键字检测|类型为 1 的邮件 主题 字段存在关键字 abc|√|12",
                         "邮件关键字检测|类型为 1 的邮件 主题 字段存在关键字 news|×|13",
                         "邮件关键字检测|类型为 2 的邮件 主题 字段存在关键字 x|×|14",
                         "邮件关键字检测|类型为 1 的邮件 Nope 字段存在关键字 x（查询出错）|×|15",
                         "邮件帐号参数设置|用户Email地址 存在关键字 me@kirv.cn|√|16",
                         "邮件帐号参数设置|用户Email地址 存在关键字 you@kirv.cn|×|17",
                     }));
  EXPECT_EQ(v.Score, 10 + 4 + 6 + 7 + 8 + 9 + 11 + 12 + 16);
  // Nothing the run did needed a box: the quote travelled as a parameter.
  EXPECT_TRUE(boxes_.Shown().empty()) << boxes_.Shown().front().text;
}

TEST_F(Run, WithoutADefaultAccountTheAccountRulesGiveNoRows) {
  Seed(
      "insert into Account (用户Email地址, DefaultAccount) values ('me@kirv.cn', 0);"
      "insert into AccountRules (Action, Parameter, ItemScore) values ('用户Email地址', "
      "'me@kirv.cn', 20);");
  RunValues v = Grade();
  EXPECT_TRUE(v.rows.empty());
  EXPECT_EQ(v.Score, 0);
}

TEST_F(Run, TheReportListsTheRowsAfterAHeaderAndAnEmptyLine) {
  Seed(
      "insert into Log (Action, Parameter, ItemScore) values ('点击 主页', '', 30), "
      "('点击 后退', '', 20);");
  ASSERT_TRUE(netdb::LogAction(db_, netdb::action::kHome, ""));
  RunValues v = Grade();
  ASSERT_TRUE(report_);
  EXPECT_EQ(*report_, CandidateDir() +
                          "Netkt\\Net.Net 的系统评分记录，模块成绩以100分计\r\n"
                          "\r\n"
                          "点击 主页\t\t√\t30\r\n"
                          "点击 后退\t\t×\t20\r\n");
  EXPECT_EQ(BuildReport("D:\\n.net", {}), "D:\\n.net 的系统评分记录，模块成绩以100分计\r\n\r\n");
}

TEST_F(Run, AnEmptyDatabaseGradesToZeroWithAnEmptyList) {
  Seed("");
  RunValues v = Grade();
  EXPECT_TRUE(v.rows.empty());
  EXPECT_EQ(v.Score, 0);
  EXPECT_EQ(v.Rate, 100);
  EXPECT_TRUE(report_);
}

TEST_F(Run, AFailedQueryCountsItsItemsAsNotSatisfiedAndGradingGoesOn) {
  Seed(
      "insert into Log (Action, Parameter, ItemScore) values ('点击 主页', '', 30);"
      "insert into Download (File, ItemScore) values ('a.txt', 10);"
      "drop table Favourite;");
  ASSERT_TRUE(netdb::LogAction(db_, netdb::action::kHome, ""));
  RunValues v = Grade();
  ASSERT_EQ(v.rows.size(), 3u);
  EXPECT_EQ(v.rows[0].label, "收藏夹操作");
  EXPECT_FALSE(v.rows[0].satisfied);
  EXPECT_NE(v.rows[0].parameter.find("（查询出错）"), std::string::npos);
  EXPECT_EQ(Rows(v)[2], "点击 主页||√|30");
  EXPECT_EQ(v.Score, 30);
  EXPECT_TRUE(boxes_.Shown().empty());  // nothing waits for a click
}

TEST_F(Run, AFileThatIsNoNetworkDatabaseGradesNothingAndIsLeftAsItWas) {
  fs::create_directories(DatabaseFile().parent_path());
  fs::copy_file(ado::testing::JetFixture(), DatabaseFile());
  const std::string before = ado::testing::ReadBytes(DatabaseFile());
  RunValues v = Grade();
  ASSERT_EQ(v.rows.size(), 1u);
  EXPECT_FALSE(v.rows[0].satisfied);
  EXPECT_NE(v.rows[0].parameter.find("Jet database"), std::string::npos) << v.rows[0].parameter;
  EXPECT_EQ(v.Score, 0);
  EXPECT_EQ(v.Rate, 100);
  ASSERT_EQ(boxes_.Shown().size(), 1u);
  EXPECT_EQ(boxes_.Shown()[0].text, "未指定的错误");
  EXPECT_EQ(ado::testing::ReadBytes(DatabaseFile()), before);
}

// The grader's own folder for the copy cannot be made: no fault of his file, which is neither
// missing nor broken.
TEST_F(Run, ACopyThatCannotBeMadeIsAFailureOfOurOwn) {
  Seed("insert into Log (Action, Parameter, ItemScore) values ('点击 主页', '', 30);");
  win::testing::ScopedEnv tmp("TMPDIR", (folder_.Path() / "no such folder").string());
  const RunValues v = Grade();
  EXPECT_EQ(v.State, "");
  ASSERT_EQ(v.rows.size(), 1u);
  EXPECT_EQ(v.rows[0].label, "打开数据库");
  ASSERT_EQ(boxes_.Shown().size(), 1u);
  EXPECT_EQ(boxes_.Shown()[0].text, "Warning: 连接数据库时发生未知错误:");
}

TEST_F(Run, ADatabaseThatLeavesTheCandidateFolderReadsAsMissing) {
  const fs::path elsewhere = folder_.Path() / "elsewhere";
  fs::create_directories(elsewhere);
  ASSERT_TRUE(netdb::testing::MakeSeededDatabase(elsewhere / "net.net", ""));
  fs::create_directories(DatabaseFile().parent_path());
  fs::create_symlink(elsewhere / "net.net", DatabaseFile());
  EXPECT_TRUE(Grade().State.starts_with("考生网络操作数据库并不存在"));
}

// A saved file is only looked for, never read: the candidate folder followed by the item's
// text names something that exists, wherever it leads.
TEST_F(Run, ASavedFileCountsWhenTheFolderAndItsNameNameSomething) {
  Seed(R"sql(
    insert into Download (File, ItemScore) values
      ('Netkt\page.htm', 1), ('Netkt\PAGE.HTM', 2), ('link.txt', 4), ('..\outside.txt', 8),
      ('Netkt', 16), ('Netkt\', 32), ('Netkt\none.htm', 64), ('', 128);
  )sql");
  std::ofstream(Candidate() / "Netkt" / "page.htm") << "<html></html>";
  std::ofstream(Candidate().parent_path() / "outside.txt") << "x";
  fs::create_symlink(Candidate().parent_path() / "outside.txt", Candidate() / "link.txt");
  const RunValues v = Grade();
  EXPECT_EQ(Rows(v), (std::vector<std::string>{
                         "文件保存|Netkt\\page.htm|√|1",
                         "文件保存|Netkt\\PAGE.HTM|√|2",
                         "文件保存|link.txt|√|4",
                         "文件保存|..\\outside.txt|√|8",
                         "文件保存|Netkt|√|16",
                         "文件保存|Netkt\\|√|32",
                         "文件保存|Netkt\\none.htm|×|64",
                         "文件保存||√|128",
                     }));
}

// Near misses are misses: another address for the same action, a folder for a link and a link
// for a folder, an account value that only contains the expected one. Case never matters.
TEST_F(Run, OnlyTheSameItemSatisfiesAnExpectedOne) {
  Seed(R"sql(
    insert into Log (Action, Parameter, ItemScore) values
      ('打开网址', 'www.a.cn', 1), ('打开网址', 'www.b.cn', 2);
    insert into Favourite (Name, URL, Root, ItemScore) values
      ('Study', '', -1, 3), ('KIRV', 'www.kirv.cn', 0, 4);
    insert into Mail (Type, 主题) values (1, 'XXABCXX'), (2, 'plain');
    insert into MailRules (Mail, Name, Parameter, ItemScore) values
      (1, '主题', 'abc', 5), (2, '主题', 'PLAIN', 6), (2, '主题', 'plainer', 7);
    insert into Account (用户Email地址, 帐户名, DefaultAccount) values ('home@kirv.cn', 'Me', -1);
    insert into AccountRules (Action, Parameter, ItemScore) values
      ('用户Email地址', 'me@kirv.cn', 8), ('帐户名', 'ME', 9);
  )sql");
  ASSERT_TRUE(netdb::LogAction(db_, netdb::action::kOpenAddress, "www.b.cn"));
  ASSERT_GT(netdb::testing::AddFavourite(db_, "Study", "", 0), 0);
  ASSERT_GT(netdb::testing::AddFavourite(db_, "KIRV", "www.kirv.cn", -1), 0);
  const RunValues v = Grade();
  EXPECT_EQ(Rows(v), (std::vector<std::string>{
                         "收藏夹操作|Study -> |×|3",
                         "收藏夹操作|KIRV -> www.kirv.cn|×|4",
                         "打开网址|www.a.cn|×|1",
                         "打开网址|www.b.cn|√|2",
                         "邮件关键字检测|类型为 1 的邮件 主题 字段存在关键字 abc|√|5",
                         "邮件关键字检测|类型为 2 的邮件 主题 字段存在关键字 plain|√|6",
                         "邮件关键字检测|类型为 2 的邮件 主题 字段存在关键字 plainer|×|7",
                         "邮件帐号参数设置|用户Email地址 存在关键字 me@kirv.cn|×|8",
                         "邮件帐号参数设置|帐户名 存在关键字 me|√|9",
                     }));
  EXPECT_EQ(v.Score, 2 + 5 + 6 + 9);
}

}  // namespace
}  // namespace hopmark
