// The start-up helpers: the field splitter, the exam window's title, the INI file and the own
// folder.
#include "netdb/net_settings.h"

#include <gtest/gtest.h>

#include <fstream>

#include "netdb/ado_connection.h"
#include "platform/win/paths.h"
#include "platform/win/testing/test_folder.h"

namespace {

TEST(Tokenizer, SplitsIntoFieldsWithEmptyOnesKept) {
  struct Case {
    const char* name;
    const char* text;
    char delimiter;
    std::vector<std::string> fields;
  } cases[] = {
      {"exam title", "■-未知-D:\\KS\\001\\", '-', {"■", "未知", "D:\\KS\\001\\"}},
      {"folder with its final backslash", "D:\\KS\\001\\", '\\', {"D:", "KS", "001"}},
      {"folder without it", "D:\\KS\\001", '\\', {"D:", "KS", "001"}},
      {"an empty field", "a--b", '-', {"a", "", "b"}},
      {"blanks around", "  a-b \t", '-', {"a", "b"}},
      {"nothing", "", '-', {""}},
  };
  for (const Case& c : cases) {
    std::vector<std::string> fields{"kept"};
    netdb::Tokenizer::Split(c.text, c.delimiter, fields);
    fields.erase(fields.begin());
    EXPECT_EQ(fields, c.fields) << c.name;
  }
}

TEST(ParseExamTitle, ReadsTheNameAndFolderOrFindsNoExam) {
  struct Case {
    const char* name;
    std::string title;
    const char* separator;
    bool found;
    netdb::ExamTitle expected;
  } cases[] = {
      {"the client's title", "■-未知-D:\\KS\\001\\", "■", true, {"未知", "D:\\KS\\001\\", "001"}},
      {"blanks around it", "  ■-未知-D:\\KS\\001\\  ", "■", true, {"未知", "D:\\KS\\001\\", "001"}},
      {"another marker of several characters",
       "##-张三-D:\\K\\7",
       "##",
       true,
       {"张三", "D:\\K\\7", "7"}},
      {"no marker", "未知-D:\\KS\\001\\", "■", false, {}},
      {"an empty name", "■--D:\\KS\\001\\", "■", false, {}},
      {"too few fields", "■-未知", "■", false, {}},
      {"the marker past the first 253 characters",
       std::string(253, 'x') + "■-a-D:\\b\\",
       "■",
       false,
       {}},
  };
  for (const Case& c : cases) {
    netdb::ExamTitle got;
    EXPECT_EQ(netdb::ParseExamTitle(c.title, c.separator, got), c.found) << c.name;
    if (c.found) {
      EXPECT_EQ(got.candidateName, c.expected.candidateName) << c.name;
      EXPECT_EQ(got.studentFolder, c.expected.studentFolder) << c.name;
      EXPECT_EQ(got.studentFolderName, c.expected.studentFolderName) << c.name;
    }
  }
}

TEST(PathGlobals, TheIniFileBesideTheOwnFileGivesValuesAndDefaultsOtherwise) {
  win::testing::ScopedTempFolder folder("netset_");
  netdb::PathGlobals g;
  netdb::InitPaths(g, folder.Path() / "hopmark.ocx");
  EXPECT_EQ(g.ProgramFolder, win::ToWindowsPath(folder.Path()) + "\\");
  EXPECT_FALSE(netdb::LocateIniFile(g, g.ProgramFolder + "Net.ini"));
  EXPECT_EQ(g.IniFilePath, "");
  EXPECT_EQ(netdb::ReadIniString(g, "DB", "UserDB", "Netkt\\Net.Net"), "Netkt\\Net.Net");

  std::ofstream(folder.Path() / "Net.ini") << "[DB]\r\nUserDB=Web\\w.db\r\n[General]\r\n";
  EXPECT_TRUE(netdb::LocateIniFile(g, g.ProgramFolder + "Net.ini"));
  EXPECT_EQ(netdb::ReadIniString(g, "db", "userdb", "x"), "Web\\w.db");
  EXPECT_EQ(netdb::ReadIniString(g, "General", "SeperateChar", "■"), "■");
  g.StudentFolder = "D:\\KS\\001\\";
  EXPECT_EQ(netdb::CandidateDatabasePath(g), "D:\\KS\\001\\Web\\w.db");
}

}  // namespace
