#include "browsim/core/startup.h"

#include <gtest/gtest.h>

#include <new>

#include "platform/win/message_box.h"

namespace browsim {
namespace {

TEST(FindExamWindow, TakesTheFirstTitleThatCarriesTheMarker) {
  struct Case {
    const char* name;
    std::vector<std::string> titles;
    std::string separator;
    bool found;
    const char* folder;
    const char* folderName;
  } cases[] = {
      {"the question bar's title",
       {"Other", "■-未知-D:\\KS\\001\\"},
       "■",
       true,
       "D:\\KS\\001\\",
       "001"},
      {"spaces around", {"  ■-未知-D:\\KS\\002\\  "}, "■", true, "D:\\KS\\002\\", "002"},
      {"no final backslash", {"■-未知-D:\\KS\\003"}, "■", true, "D:\\KS\\003", "003"},
      {"two exams: the first", {"■-未知-D:\\A\\", "■-未知-D:\\B\\"}, "■", true, "D:\\A\\", "A"},
      {"another marker", {"■-未知-D:\\A\\", "##-未知-D:\\B\\"}, "##", true, "D:\\B\\", "B"},
      {"none", {"Desktop", "kirv"}, "■", false, "", ""},
      {"no windows", {}, "■", false, "", ""},
      {"empty name", {"■--D:\\KS\\001\\"}, "■", false, "", ""},
      {"too few fields", {"■-未知"}, "■", false, "", ""},
      {"the marker past the title buffer: the next window",
       {std::string(260, 'x') + "■-未知-D:\\A\\", "■-未知-D:\\B\\"},
       "■",
       true,
       "D:\\B\\",
       "B"},
  };
  for (const Case& c : cases) {
    netdb::PathGlobals globals;
    globals.SeparatorChar = c.separator;
    EXPECT_EQ(FindExamWindow(globals, c.titles), c.found) << c.name;
    EXPECT_EQ(globals.StudentFolder, c.folder) << c.name;
    EXPECT_EQ(globals.StudentFolderName, c.folderName) << c.name;
    if (c.found) {
      EXPECT_EQ(globals.CandidateName, "未知") << c.name;
    }
  }
}

TEST(OpenCandidateDatabase, TheEnginesRefusalEndsAnyOtherFailureGoesOn) {
  const auto found = [] { return std::string("D:\\0001\\Netkt\\net.net"); };
  const struct {
    const char* name;
    std::function<std::string()> locate;
    std::function<base::Status(const std::string&)> open;
    DatabaseOpening outcome;
    std::vector<std::string> boxes;
  } cases[] = {
      {"opened",
       found,
       [](const std::string& path) {
         return path == "D:\\0001\\Netkt\\net.net" ? base::Ok()
                                                   : base::Status(base::Error::Of("wrong"));
       },
       DatabaseOpening::Opened,
       {}},
      {"refused",
       found,
       [](const std::string&) {
         return base::Status(base::Error{"file is not a database", 26});
       },
       DatabaseOpening::EndProgram,
       {"未发现考生网络测试模块数据"}},
      {"out of memory while opening",
       found,
       [](const std::string&) -> base::Status { throw std::bad_alloc(); },
       DatabaseOpening::GoOnClosed,
       {"Warning: 连接数据库时发生未知错误:"}},
      {"no path to open",
       []() -> std::string { throw std::bad_alloc(); },
       [](const std::string&) { return base::Ok(); },
       DatabaseOpening::EndProgram,
       {"未知错误！", "未发现考生网络测试模块数据"}},
  };
  for (const auto& c : cases) {
    win::MessageCapture boxes;
    EXPECT_EQ(OpenCandidateDatabase(c.locate, c.open), c.outcome) << c.name;
    std::vector<std::string> shown;
    for (const auto& box : boxes.Shown()) shown.push_back(box.text);
    EXPECT_EQ(shown, c.boxes) << c.name;
  }
}

}  // namespace
}  // namespace browsim
