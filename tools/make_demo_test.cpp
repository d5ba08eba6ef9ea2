// Builds the demo installation into a temporary folder and checks what the exam client relies
// on: the layout, archives that open with the paper password only, a database whose rows fit the
// schema, a question file for every key line, and settings in the system's code page.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <set>
#include <string>
#include <utility>

#include "client/exam/password_check.h"
#include "client/store/db/ado_connection.h"
#include "client/store/db/ado_record_set.h"
#include "platform/win/codepage.h"
#include "platform/win/paths.h"
#include "platform/win/testing/test_folder.h"
#include "tools/testing/demo_installation.h"

namespace {

namespace fs = std::filesystem;

std::string Read(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

TEST_F(DemoInstallation, Layout) {
  for (const char* p : {"KIRV.ini",
                        "db/kirv.mdb",
                        "Readme.rtf",
                        "Data/Paper/win1.rtf",
                        "Data/Paper/win2.rtf",
                        "Data/Paper/excel1.rtf",
                        "Data/Paper/word1.rtf",
                        "Data/Paper/ppt1.rtf",
                        "Data/Paper/web1.rtf",
                        "Data/Answer/Sel.ans",
                        "Data/Answer/excel1.xlsx",
                        "Data/Answer/word1.xlsx",
                        "Data/Answer/ppt1.xlsx",
                        "Data/Answer/web1.xlsx",
                        "Data/Attach/win1.7z",
                        "Data/Attach/win2.7z",
                        "Data/Attach/excel1.7z",
                        "Data/Attach/word1.7z",
                        "Data/Attach/ppt1.7z",
                        "net.ini",
                        "Site/www.kirv.cn/index.htm",
                        "Site/emailjs/content.js",
                        "Data/Attach/web1.7z",
                        "Skins/Login.jpg",
                        "Skins/Timer.jpg",
                        "Skins/ScoreOK.jpg",
                        "Skins/Error.jpg",
                        "Skins/UploadOK.jpg",
                        "Skins/bgv.gif",
                        "Skins/bgh.gif",
                        "Script",
                        "Ocx",
                        "drive_d/KirvExam"})
    EXPECT_TRUE(fs::exists(Install() / p)) << p;
  // The client registers its controls with the tool beside it.
  const fs::path tool = Install() / "regsvr32";
  EXPECT_TRUE(fs::is_regular_file(tool));
  EXPECT_EQ(fs::status(tool).permissions() & fs::perms::owner_exec, fs::perms::owner_exec);
  EXPECT_EQ(Read(Install() / "Readme.rtf").rfind("{\\rtf1", 0), 0u);
  EXPECT_NE(Read(Install() / "Data/Paper/win1.rtf").find("\\pngblip"), std::string::npos);
  // The grading controls the client registers at start-up, and the office tasks' files in the
  // folders the client hands their controls.
  for (const char* control : {"deskmark.ocx", "dirmark.ocx", "docmark.ocx", "sheetmark.ocx",
                              "slidemark.ocx", "hopmark.ocx"})
    EXPECT_TRUE(fs::is_regular_file(Install() / "Ocx" / control)) << control;
  for (const auto& [archive, file] :
       {std::pair{"excel1.7z", "Excelkt/score.xlsx"}, std::pair{"word1.7z", "wordkt/computer.docx"},
        std::pair{"ppt1.7z", "pptkt/history.pptx"}, std::pair{"net1.7z", "Netkt/net.net"}}) {
    const std::string list = "7za l -pRW5827 '" + (Install() / "Data/Attach" / archive).string() +
                             "' | grep -q '" + file + "'";
    EXPECT_EQ(std::system(list.c_str()), 0) << file;
  }
}

TEST_F(DemoInstallation, ArchivesOpenWithThePaperPasswordOnly) {
  for (const char* name :
       {"win1.7z", "win2.7z", "excel1.7z", "word1.7z", "ppt1.7z", "net1.7z", "web1.7z"}) {
    std::string archive = (Install() / "Data/Attach" / name).string();
    std::string good = "7za t -pRW5827 '" + archive + "' >/dev/null 2>&1";
    std::string bad = "7za t -pwrong '" + archive + "' >/dev/null 2>&1";
    EXPECT_EQ(std::system(good.c_str()), 0) << name;
    EXPECT_NE(std::system(bad.c_str()), 0) << name;
  }
}

TEST_F(DemoInstallation, KeyAndQuestionFilesMatch) {
  std::ifstream key(Install() / "Data/Answer/Sel.ans");
  std::set<std::string> keyed;
  for (std::string line; std::getline(key, line);) {
    ASSERT_EQ(line.size(), 5u) << line;
    EXPECT_NE(std::string("ABCD").find(line[4]), std::string::npos) << line;
    keyed.insert(line.substr(0, 3));
  }
  std::set<std::string> files;
  for (const auto& e : fs::directory_iterator(Install() / "Data/Paper/Sel"))
    files.insert(e.path().stem().string());
  EXPECT_EQ(keyed, files);
  EXPECT_GE(files.size(), 10u);  // the demo's SelectCount
}

TEST_F(DemoInstallation, DatabaseRowsAndSettings) {
  CAdoConnection db;
  ASSERT_TRUE(db.OpenJet(win::ToWindowsPath(Install() / "db/kirv.mdb"), "kestrelqu"));
  CAdoRecordSet rs;
  rs.SetConnection(&db);
  ASSERT_TRUE(rs.Open("select * from [Paper] where ModuleID<>0 order by PaperID"));
  for (; !rs.IsEOF(); rs.MoveNext()) {
    std::string att, paper;
    rs.GetString("AttFile", att);
    rs.GetString("PaperFile", paper);
    EXPECT_TRUE(fs::exists(Install() / "Data/Attach" / att)) << att;
    EXPECT_TRUE(fs::exists(Install() / "Data/Paper" / paper)) << paper;
  }
  ASSERT_TRUE(rs.Open("select * from [Module] where Enabled order by ModuleID"));
  EXPECT_EQ(rs.GetRecordCount(), 7);
  ASSERT_TRUE(rs.Open("select * from [Stu] where State=0"));
  EXPECT_EQ(rs.GetRecordCount(), 3);
  db.Close();

  std::string ini = Read(Install() / "KIRV.ini");
  EXPECT_FALSE(win::IsUtf8(ini));  // GBK, as the client's settings are kept
  EXPECT_NE(win::GbkToUtf8(ini).find("Title=计算机应用能力考试"), std::string::npos);
  EXPECT_EQ(ini.find("@SYSPASSWORD@"), std::string::npos);
  // The system password the demo's README names opens the proctor's screens.
  size_t at = ini.find("SysPassword=");
  ASSERT_NE(at, std::string::npos);
  at += 12;
  std::string stored = ini.substr(at, ini.find_first_of("\r\n", at) - at);
  EXPECT_TRUE(CheckSystemPassword("kirv2026", stored));
  EXPECT_FALSE(CheckSystemPassword("kirv2025", stored));
}

// A build tree whose controls are incomplete: the script stops and says which library, rather
// than making an installation whose exam cannot grade.
TEST(MakeDemo, StopsOnAMissingOrUncopiableControl) {
  const fs::path built = KIRV_BINARY_DIR;
  struct Case {
    std::string missing;   // a grading control the tree lacks
    std::string dangling;  // a library the tree lists but cannot be read
    std::string said;
  };
  const Case cases[] = {
      {"deskmark", "", "deskmark.ocx is missing"},   {"dirmark", "", "dirmark.ocx is missing"},
      {"docmark", "", "docmark.ocx is missing"},     {"sheetmark", "", "sheetmark.ocx is missing"},
      {"slidemark", "", "slidemark.ocx is missing"}, {"hopmark", "", "hopmark.ocx is missing"},
      {"webmark", "", "webmark.ocx is missing"},     {"", "dirmark/broken.ocx", "cannot copy"},
  };
  for (const Case& c : cases) {
    const fs::path root = win::testing::MakeTempFolder("partial_");
    const fs::path tree = root / "build";
    fs::create_directories(tree / "tools");
    for (const char* tool : {"demo_assets", "text_book", "demo_workbooks"})
      fs::create_symlink(built / "tools" / tool, tree / "tools" / tool);
    for (const std::string control :
         {"deskmark", "dirmark", "docmark", "sheetmark", "slidemark", "webmark", "hopmark"}) {
      if (control == c.missing) continue;
      fs::create_directories(tree / "grading" / control);
      fs::create_symlink(built / "grading" / control / (control + ".ocx"),
                         tree / "grading" / control / (control + ".ocx"));
    }
    if (!c.dangling.empty()) fs::create_symlink(root / "none", tree / "grading" / c.dangling);
    const std::string cmd = std::string("'") + KIRV_SOURCE_DIR + "/tools/make_demo.sh' '" +
                            tree.string() + "' '" + (root / "install").string() + "' 2>'" +
                            (root / "said").string() + "' >/dev/null";
    EXPECT_NE(std::system(cmd.c_str()), 0) << c.said;
    const std::string said = Read(root / "said");
    EXPECT_NE(said.find("make_demo: "), std::string::npos) << said;
    EXPECT_NE(said.find(c.said), std::string::npos) << c.said << ": " << said;
    win::testing::RemoveTempFolder(root);
  }
}

}  // namespace
