// CIniFile: the 255-character read, missing versus empty keys, writing.
#include "client/common/ini_file.h"

#include <gtest/gtest.h>

#include <fstream>

#include "client/testing/temp_folder.h"

namespace {

TEST(CIniFile, MissingAndEmptyKeysReadAlike) {
  TempFolder tmp;
  std::ofstream(tmp.Path() / "KIRV.ini") << "[KIRV]\r\nTitle=\r\nPort=9000\r\n";
  CIniFile ini;
  ini.SetPath(tmp.Windows("KIRV.ini"));
  EXPECT_EQ(ini.Read("KIRV", "Title"), "");
  EXPECT_EQ(ini.Read("KIRV", "NoSuchKey"), "");
  EXPECT_EQ(ini.Read("kirv", "port"), "9000");
  EXPECT_EQ(ini.GetLastResult(), 4);
  ini.SetPath(tmp.Windows("missing.ini"));
  EXPECT_EQ(ini.Read("KIRV", "Port"), "");
  EXPECT_EQ(ini.GetLastResult(), 0);
}

TEST(CIniFile, LongValuesAreCutTo254Characters) {
  TempFolder tmp;
  std::ofstream(tmp.Path() / "KIRV.ini") << "[KIRV]\r\nByeMsg=" << std::string(300, 'a')
                                         << "\r\nWarnMsg=" << std::string(254, 'b') << "\r\n";
  CIniFile ini;
  ini.SetPath(tmp.Windows("KIRV.ini"));
  EXPECT_EQ(ini.Read("KIRV", "ByeMsg"), std::string(254, 'a'));
  EXPECT_EQ(ini.GetLastResult(), 254);
  EXPECT_EQ(ini.Read("KIRV", "WarnMsg"), std::string(254, 'b'));
}

TEST(CIniFile, WriteThenRead) {
  TempFolder tmp;
  CIniFile ini;
  ini.SetPath(tmp.Windows("KIRV.ini"));
  EXPECT_TRUE(ini.Write("KIRV", "ServerIP", "10.0.0.7"));
  EXPECT_EQ(ini.GetLastResult(), 1);
  EXPECT_EQ(ini.Read("KIRV", "ServerIP"), "10.0.0.7");
  ini.SetPath(tmp.Windows("no/such/folder/KIRV.ini"));
  EXPECT_FALSE(ini.Write("KIRV", "ServerIP", "x"));
  EXPECT_EQ(ini.GetLastResult(), 0);
}

TEST(CIniFile, SettingFallsBackOnEmptyValues) {
  TempFolder tmp;
  std::ofstream(tmp.Path() / "KIRV.ini") << "[KIRV]\nPaper=\nTheme=2\n";
  CIniFile ini;
  ini.SetPath(tmp.Windows("KIRV.ini"));
  EXPECT_EQ(ini.Setting("Paper", settings_default::Paper), "Random");
  EXPECT_EQ(ini.Setting("Theme", settings_default::Theme), "2");
  EXPECT_EQ(ini.Setting("SourceTable", settings_default::SourceTable), "xuesheng");
  EXPECT_EQ(ini.Setting("SysPassword"), "");
}

}  // namespace
