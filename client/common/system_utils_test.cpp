#include "client/common/system_utils.h"

#include <gtest/gtest.h>

#include <chrono>
#include <regex>
#include <thread>

#include "platform/win/attributes.h"
#include "platform/win/codepage.h"
#include "platform/win/message_box.h"
#include "platform/win/testing/test_folder.h"

namespace {

namespace fs = std::filesystem;
using win::testing::TestFolder;

using win::testing::ScopedEnv;

TEST(SystemUtils, FileExists) {
  TestFolder t;
  t.Write("Stu/a.txt", "");
  struct Case {
    std::string path;
    bool exists;
  } cases[] = {
      {t.Win("Stu\\"), true},      {t.Win("stu"), true},         {t.Win("STU\\A.TXT"), true},
      {t.Win("Stu\\*.txt"), true}, {t.Win("Stu\\*.doc"), false}, {t.Win("Stu\\a.txt\\"), true},
      {t.Win("Nope\\"), false},    {t.Win("Stu\\\\"), false},    {"", false},
  };
  for (const Case& c : cases) EXPECT_EQ(FileExists(c.path), c.exists) << c.path;
}

TEST(SystemUtils, MakeDirPath) {
  TestFolder t;
  MakeDirPath(t.Win("One\\Two"));  // two levels below the drive root; "T:" is skipped
  EXPECT_TRUE(fs::is_directory(t.Root() / "One" / "Two"));
  MakeDirPath(t.Win("a\\b\\c\\"));
  EXPECT_TRUE(fs::is_directory(t.Root() / "a" / "b" / "c"));
  t.Write("file", "x");
  MakeDirPath(t.Win("file\\x\\y"));  // the first failure stops it
  EXPECT_TRUE(fs::is_regular_file(t.Root() / "file"));
  MakeDirPath("");
  MakeDirPath(t.Win("one\\TWO\\Three"));  // existing parts found without case
  EXPECT_TRUE(fs::is_directory(t.Root() / "One" / "Two" / "Three"));
}

TEST(SystemUtils, ShowMessageUsesTheApplicationTitle) {
  win::MessageCapture capture;
  EXPECT_EQ(ShowMessage("考生目录不存在"), win::IDOK);
  ASSERT_EQ(capture.Shown().size(), 1u);
  EXPECT_EQ(capture.Shown()[0].text, "考生目录不存在");
  EXPECT_EQ(capture.Shown()[0].caption, ApplicationTitle);
  EXPECT_EQ(capture.Shown()[0].flags, win::MB_OK);
}

TEST(SystemUtils, SplitString) {
  struct Case {
    std::string text, delimiter;
    std::vector<std::string> pieces;
  } cases[] = {
      {"  left - right \t", "-", {"left ", " right"}},
      {"a,b,c", ",", {"a", "b", "c"}},
      {"a,b,", ",", {"a", "b"}},
      {"a,,b", ",", {"a", "", "b"}},
      {",a", ",", {"", "a"}},
      {"", ",", {""}},
      {"   ", ",", {""}},
      {"x||y||", "||", {"x", "y"}},
      {"纸一,纸二", ",", {"纸一", "纸二"}},
      {" a,b ", "", {"a,b"}},
  };
  for (const Case& c : cases) {
    std::vector<std::string> out{"kept"};
    SplitString(c.text, c.delimiter, out);
    std::vector<std::string> expected{"kept"};
    expected.insert(expected.end(), c.pieces.begin(), c.pieces.end());
    EXPECT_EQ(out, expected) << "[" << c.text << "] at [" << c.delimiter << "]";
  }
}

TEST(SystemUtils, RunAndWait) {
  TestFolder t;
  t.Write("Script/init.bat", "echo ran > mark.txt\nexit 0\n");
  t.Write("Script/fail.bat", "exit 2\n");
  win::MessageCapture capture;
  struct Case {
    std::string line, folder;
    bool result;
    bool message;
  } cases[] = {
      {t.Win("Script\\init.bat"), t.Win("Script"), true, false},
      {t.Win("script\\FAIL.bat"), t.Win("Script"), false, false},
      {"true.exe", "", true, false},
      {"false.exe", "", false, false},
      {"kirv-missing.exe /x", "", false, true},
  };
  for (const Case& c : cases) {
    capture.Clear();
    EXPECT_EQ(RunAndWait(c.line, c.folder), c.result) << c.line;
    ASSERT_EQ(capture.Shown().size(), c.message ? 1u : 0u) << c.line;
    if (c.message) {
      EXPECT_EQ(capture.Shown()[0].text, "不能启动" + c.line);
    }
  }
  EXPECT_TRUE(fs::exists(t.Root() / "Script" / "mark.txt"));
}

TEST(SystemUtils, RegisterControlsSkipsHiddenFilesAndRestoresTheFolder) {
  TestFolder t;
  const fs::path log = t.Root() / "regsvr32.log";
  t.Write("bin/regsvr32", "#!/bin/sh\necho \"$1 $2 $(pwd)\" >> '" + log.string() + "'\n");
  fs::permissions(t.Root() / "bin" / "regsvr32", fs::perms::owner_all);
  ScopedEnv path("PATH", (t.Root() / "bin").string() + ":" + std::getenv("PATH"));
  t.Write("Ocx/docmark.ocx", "");
  t.Write("Ocx/hidden.ocx", "");
  t.Write("Ocx/notes.txt", "");
  ASSERT_TRUE(win::SetFileAttributes(t.Win("Ocx\\hidden.ocx"), win::FILE_ATTRIBUTE_HIDDEN));
  win::MessageCapture capture;
  const fs::path before = fs::current_path();
  RegisterControls("*.ocx", t.Win("ocx"));
  EXPECT_EQ(fs::current_path(), before);
  std::string logged;
  for (int i = 0; i < 300 && logged.empty(); ++i) {
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
    logged = TestFolder::Read(log);
  }
  EXPECT_EQ(logged, "/s docmark.ocx " + fs::canonical(t.Root() / "Ocx").string() + "\n");
  RegisterControls("*.ocx", t.Win("Missing"));  // nothing to register, nothing shown
  ScopedEnv noPath("PATH", "/nonexistent");
  EXPECT_TRUE(RegisterControl("x.ocx"));  // a missing regsvr32 is silent
  EXPECT_TRUE(capture.Shown().empty());
}

TEST(SystemUtils, DateAndTimeStrings) {
  std::tm t{};
  t.tm_year = 2014 - 1900, t.tm_mon = 6, t.tm_mday = 5, t.tm_hour = 9, t.tm_min = 8, t.tm_sec = 7;
  EXPECT_EQ(GetDateString(t), "20140705");
  EXPECT_EQ(GetTimeString(t), "090807");
  t.tm_hour = 23, t.tm_min = 59, t.tm_sec = 59;
  EXPECT_EQ(GetTimeString(t), "235959");
  EXPECT_TRUE(std::regex_match(GetDateString(), std::regex("20[0-9]{6}")));
  EXPECT_TRUE(std::regex_match(GetTimeString(), std::regex("[0-2][0-9][0-5][0-9][0-6][0-9]")));
}

TEST(SystemUtils, TransformPassword) {
  struct Case {
    std::string in;
    bool flag;
    std::string out;
  } cases[] = {
      {"!\"", false, "!@"},     // 1^5 = 1; 2^5 = 32
      {" ", true, " "},         // 0 stays 0
      {"\xFF", false, "\x08"},  // signed: (-33)^5 rem 91 = -24
      {"", false, ""},
  };
  for (const Case& c : cases) EXPECT_EQ(TransformPassword(c.in, c.flag), c.out) << c.in;

  std::string all;
  for (int c = 32; c <= 122; ++c) all += static_cast<char>(c);
  const std::string once = TransformPassword(all, false);
  for (char c : once) EXPECT_TRUE(c >= 32 && c <= 122) << int(c);
  EXPECT_NE(once, all);
  EXPECT_EQ(TransformPassword(once, true), all);
  EXPECT_EQ(TransformPassword(TransformPassword(all, true), false), all);
}

TEST(SystemUtils, ForEachProcessFindsUsAndStops) {
  bool found = false;
  ASSERT_TRUE(ForEachProcess(
      [&](uint32_t pid, uint16_t task, const std::string& name, intptr_t user) {
        EXPECT_EQ(task, 0);
        EXPECT_EQ(user, 42);
        if (pid == static_cast<uint32_t>(::getpid())) found = !name.empty();
        return true;
      },
      42));
  EXPECT_TRUE(found);
  int calls = 0;
  ForEachProcess([&](uint32_t, uint16_t, const std::string&, intptr_t) { return ++calls < 2; }, 0);
  EXPECT_EQ(calls, 2);
}

TEST(SystemUtils, RenameFile) {
  TestFolder t;
  t.Write("Stu/a.txt", "a");
  t.Write("x.txt", "new");
  t.Write("y.txt", "old");
  EXPECT_TRUE(RenameFile(t.Win("Stu\\"), t.Win("Stu.20140705090807.bak")));
  EXPECT_TRUE(fs::exists(t.Root() / "Stu.20140705090807.bak" / "a.txt"));
  EXPECT_FALSE(fs::exists(t.Root() / "Stu"));
  EXPECT_TRUE(RenameFile(t.Win("x.txt"), t.Win("y.txt")));
  EXPECT_EQ(TestFolder::Read(t.Root() / "y.txt"), "new");
  EXPECT_TRUE(RenameFile(t.Win("y.txt"), t.Win("deep\\er\\z.txt")));
  EXPECT_EQ(TestFolder::Read(t.Root() / "deep" / "er" / "z.txt"), "new");
  EXPECT_FALSE(RenameFile(t.Win("missing"), t.Win("other")));
}

TEST(SystemUtils, WriteLogAppendsGbkLinesToAHiddenLog) {
  TestFolder t;
  const std::string student = t.Win("Stu\\");
  EXPECT_TRUE(WriteLog(student, "", "ignored"));
  EXPECT_FALSE(fs::exists(t.Root() / "Stu"));
  EXPECT_TRUE(WriteLog(student, "1401010001", "考试开始于：20140705090807"));
  EXPECT_TRUE(WriteLog(student, "1401010001", "P1,P2"));
  const fs::path log = t.Root() / "Stu" / "log" / "1401010001.log";
  EXPECT_EQ(TestFolder::Read(log), win::Utf8ToGbk("考试开始于：20140705090807") + "\r\nP1,P2\r\n");
  EXPECT_EQ(win::GetFileAttributes(student + "log\\1401010001.log"), win::FILE_ATTRIBUTE_HIDDEN);
}

TEST(SystemUtils, GetLocalIP) {
  EXPECT_EQ(GetLocalIP("999"), "");
  const std::string ip = GetLocalIP("");
  EXPECT_TRUE(ip.empty() || std::regex_match(ip, std::regex("([0-9]{1,3}\\.){3}[0-9]{1,3}"))) << ip;
}

TEST(SystemUtils, InitPathsAndShortcut) {
  TestFolder t;
  fs::create_directories(t.Root() / "Kirv");
  fs::create_directories(t.Root() / "Desktop");
  ScopedEnv program("KIRV_PROGRAM_FOLDER", (t.Root() / "Kirv").string());
  ScopedEnv desktop("XDG_DESKTOP_DIR", (t.Root() / "Desktop").string());
  const PathGlobals paths = InitPaths();
  EXPECT_EQ(paths.ProgramFolder, t.Win("Kirv\\"));
  EXPECT_EQ(paths.DesktopFolder, t.Win("Desktop"));
  EXPECT_FALSE(paths.ProgramName.empty());
  for (const std::string* folder :
       {&paths.TempFolder, &paths.WindowsFolder, &paths.SystemFolder, &paths.StartFolder})
    EXPECT_EQ(folder->back(), '\\') << *folder;
  EXPECT_GT(paths.ScreenWidth, 0);
  {
    ScopedEnv windowsForm("KIRV_PROGRAM_FOLDER", "T:\\Kirv");
    EXPECT_EQ(InitPaths().ProgramFolder, "T:\\Kirv\\");
  }
  EXPECT_TRUE(
      CreateDesktopShortcut("Kirvex", paths.ProgramFolder + "kirv.exe", paths.ProgramFolder));
  EXPECT_TRUE(fs::exists(t.Root() / "Desktop" / "Kirvex.desktop"));
  EXPECT_EQ(GetAttachPassword(), "RW5827");
  EXPECT_FALSE(IsWow64());
}

}  // namespace
