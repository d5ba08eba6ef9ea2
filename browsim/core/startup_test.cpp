#include "browsim/core/startup.h"

#include <gtest/gtest.h>

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

}  // namespace
}  // namespace browsim
