// The grading dialog's web-page module through the real web-page control: webmark.ocx registered
// with the registration tool into a registry store of the test's own and created by class id by
// the client's PingFp, a demo-sized task in the candidate's "Fropkt" folder, training mode. The
// dialog's module line carries the control's percentage, and the grading record holds the
// control's own sorted log, gathered from "Fropkt\webmark.TXT", which is gone afterwards.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>

#include "client/exam/exam_session.h"
#include "client/grading/grading_flow.h"
#include "client/store/ado_exam_store.h"
#include "client/store/db/exam_database.h"
#include "client/testing/null_grading_system.h"
#include "client/testing/temp_folder.h"
#include "grading/webmark/testing/web_task.h"
#include "platform/win/codepage.h"
#include "platform/win/testing/scoped_env.h"

namespace {

namespace fs = std::filesystem;

struct QuietWindow : ScoreDlgWindow {
  std::vector<std::string> messages;
  void Show(const ScoreDlgState&) override {}
  void Message(const std::string& text) override { messages.push_back(text); }
  void StartTimer(int, int) override {}
  void StopTimer(int) override {}
  void EndDialog(int) override {}
  com::WindowHandle ControlParent() override { return this; }
};

std::vector<std::string> SplitLines(const std::string& text) {
  std::vector<std::string> lines;
  for (size_t at = 0; at < text.size();) {
    const size_t end = text.find("\r\n", at);
    lines.push_back(text.substr(at, end - at));
    if (end == std::string::npos) break;
    at = end + 2;
  }
  return lines;
}

class WebPageGrading : public ::testing::Test {
 protected:
  void SetUp() override {
    fs::create_directories(Host("db"));
    fs::create_directories(Host("Data/Answer"));
    fs::create_directories(Host("exam/0101/Fropkt"));
    programEnv_.emplace("KIRV_PROGRAM_FOLDER", tmp_.Path().string());
    registryEnv_.emplace("KIRV_REGISTRY", Host("registry.ini").string());
    const std::string command = std::string(KIRV_REGSVR32) + " /s " + KIRV_WEBMARK_OCX;
    ASSERT_EQ(std::system(command.c_str()), 0) << command;
    ASSERT_TRUE(webmark::testing::WriteWebAnswer(Host("Data/Answer/web1.xls")));
    std::ofstream(Host("KIRV.ini"), std::ios::binary) << "[KIRV]\r\nTraining=1\r\n";
    PathGlobals paths = InitPaths();
    const base::Status created = CreateExamDatabase(paths.ProgramFolder + "db\\kirv.mdb");
    ASSERT_TRUE(created) << created.error().message;
    session_.Start(paths);
    for (const char* sql :
         {"insert into [Module](ModuleID, Name) values (6, '网页制作')",
          "insert into [Paper](PaperID, ModuleID, AnsFile) values (1, 6, 'web1.xls*1')",
          "insert into [Stu](examcode, Papers, State) values ('0101', '6-1', 1)"}) {
      ASSERT_NE(static_cast<AdoExamStore&>(session_.Store()).Connection().Execute(sql), nullptr)
          << sql;
    }
    session_.ReadProcessLists();
  }
  void TearDown() override { session_.Close(); }

  fs::path Host(const std::string& name) const { return tmp_.Path() / name; }
  std::string StudentFolder() const { return session_.ProgramFolder() + "exam\\0101\\"; }

  // Grades the candidate; the dialog's lines.
  std::vector<std::string> Grade() {
    GradingFlow flow(session_, GradingCandidate{"0101", StudentFolder()}, window_, machine_);
    EXPECT_EQ(flow.GradeAll("0101"), 1);
    EXPECT_TRUE(window_.messages.empty());
    return flow.State().lines;
  }
  // The grading record's lines after the last separator block: the web-page control's log.
  std::vector<std::string> WebLog() const {
    std::ifstream in(Host("exam/0101/评分记录.txt"), std::ios::binary);
    const std::string record = win::GbkToUtf8(std::string(std::istreambuf_iterator<char>(in), {}));
    const std::string blockEnd = "※\r\n \r\n";
    const size_t block = record.rfind(blockEnd);
    EXPECT_NE(block, std::string::npos);
    return SplitLines(record.substr(block + blockEnd.size()));
  }

  TempFolder tmp_;
  std::optional<win::testing::ScopedEnv> programEnv_, registryEnv_;
  ExamSession session_;
  QuietWindow window_;
  NullGradingSystem machine_;
};

TEST_F(WebPageGrading, TheModuleLineAndTheRecordComeFromTheControl) {
  ASSERT_TRUE(webmark::testing::WriteWebPages(Host("exam/0101/Fropkt")));
  const std::vector<std::string> lines = Grade();
  EXPECT_NE(std::find(lines.begin(), lines.end(), "网页制作 : 100"), lines.end());

  const std::vector<std::string> log = WebLog();
  const std::string separator(50, '=');
  ASSERT_GE(log.size(), 27u);
  EXPECT_EQ(log[0], "BEGIN");
  EXPECT_EQ(log[1], "被评分的文件是：" + StudentFolder() + "Fropkt\\index.htm");
  EXPECT_EQ(log[2], separator);
  // Between the separators, sorted: the page switches first, then rules and items by number.
  const std::vector<std::string> expected = {
      "开始加载frames.htm",
      "被评网页frames.htm加载完成，继续进行评分...",
      "开始加载b.htm",
      "被评网页b.htm加载完成，继续进行评分...",
      "开始加载utf8.htm",
      "被评网页utf8.htm加载完成，继续进行评分...",
      "(1)得分：5 -- 网页标题",
      "(2)得分：5 -- 背景色和文字颜色",
      "(3)得分：5 -- 超链接颜色",
      "(4)得分：5 -- 背景图片",
      "(5)得分：5 -- 默认目标框架",
      "(6)得分：5 -- 关键字",
      "(7)得分：5 -- 字符集",
      "(8)得分：5 -- 内嵌框架",
      "(9)得分：5 -- 内嵌框架",
      "(10)得分：5 -- 网页颜色",
      "(11)得分：10 -- 框架网页的标题和左框架宽度",
      "(12)得分：10 -- 两个框架",
      "(13)得分：15 -- 第二页的标题和背景",
      "(14)得分：10 -- UTF-8 网页的标题",
      "(15)得分：5 -- 作者",
      separator,
  };
  EXPECT_EQ(std::vector<std::string>(log.begin() + 3, log.begin() + 25), expected);
  EXPECT_TRUE(log[25].starts_with("评分完成！评分用时")) << log[25];
  EXPECT_EQ(log[26], "最后得分：100，满分为：100");
  EXPECT_FALSE(fs::exists(Host("exam/0101/Fropkt/webmark.TXT")));
}

TEST_F(WebPageGrading, TheMainPageLeftUndoneLosesItsPoints) {
  ASSERT_TRUE(webmark::testing::WriteWebPages(Host("exam/0101/Fropkt"), false));
  const std::vector<std::string> lines = Grade();
  const std::string line = "网页制作 : " + std::to_string(webmark::testing::kUnsolvedPoints);
  EXPECT_NE(std::find(lines.begin(), lines.end(), line), lines.end())
      << ::testing::PrintToString(lines);
  const std::vector<std::string> log = WebLog();
  EXPECT_NE(std::find(log.begin(), log.end(), "(1)错误！得分：0，本小题满分：5 -- 网页标题"),
            log.end());
}

}  // namespace
