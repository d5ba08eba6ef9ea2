#include "platform/win/profile.h"

#include <gtest/gtest.h>

#include "platform/win/attributes.h"
#include "platform/win/codepage.h"
#include "platform/win/testing/test_folder.h"

namespace win {
namespace {

namespace fs = std::filesystem;
using testing::TestFolder;

TEST(Profile, ReadsValuesTheWayTheProfileFunctionsDo) {
  TestFolder t;
  t.Write("KIRV.ini",
          "; settings\r\n"
          "Loose=before any section\r\n"
          "[kirv]\r\n"
          "  Server =  Web  \r\n"
          "Empty=\r\n"
          "ByeMsg=再见\\n明天见\r\n"
          "Quoted=\" 1\"\r\n"
          "Single='x'\r\n"
          "Half=\"x\r\n"
          "NoEquals\r\n"
          "Server=second\r\n"
          "[Other]\r\n"
          "Port=80\r\n");
  const std::string ini = t.Win("kirv.INI");
  struct Case {
    const char *section, *key, *def, *value;
  } cases[] = {
      {"KIRV", "server", "d", "Web"},
      {"kirv", "SERVER", "", "Web"},
      {"KIRV", "Empty", "d", ""},
      {"KIRV", "Missing", "d", "d"},
      {"KIRV", "ByeMsg", "", "再见\\n明天见"},  // "\n" stays two characters
      {"KIRV", "Quoted", "", " 1"},
      {"KIRV", "Single", "", "x"},
      {"KIRV", "Half", "", "\"x"},
      {"KIRV", "NoEquals", "d", "d"},
      {"KIRV", "Port", "d", "d"},
      {"other", "port", "", "80"},
      {"Nowhere", "Port", "d", "d"},
      {"KIRV", "Loose", "d", "d"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(GetPrivateProfileString(c.section, c.key, c.def, ini), c.value) << c.key;
  // A missing file, a folder and a settings path never set read as the default.
  for (const std::string& path : {t.Win("none.ini"), t.Win(""), std::string()})
    EXPECT_EQ(GetPrivateProfileString("KIRV", "Server", "dflt", path), "dflt") << path;
  EXPECT_FALSE(WritePrivateProfileString("KIRV", "Server", "x", t.Win("")));
}

TEST(Profile, BufferRuleCutsAtAnsiBytes) {
  TestFolder t;
  const std::string longValue(300, 'v');
  t.Write("a.ini", "[S]\nLong=" + longValue + "\nWide=" + Utf8ToGbk("考试考试") + "x\n");
  const std::string ini = t.Win("a.ini");
  EXPECT_EQ(GetPrivateProfileString("S", "Long", "", ini, 255), std::string(254, 'v'));
  EXPECT_EQ(GetPrivateProfileString("S", "Long", "", ini), std::string(255, 'v'));
  EXPECT_EQ(GetPrivateProfileString("S", "Long", "", ini, 1), "");
  EXPECT_EQ(GetPrivateProfileString("S", "Wide", "", ini, 6), "考试");  // 5 bytes: no half
  EXPECT_EQ(GetPrivateProfileString("S", "Wide", "", ini, 5), "考试");
  EXPECT_EQ(GetPrivateProfileString("S", "Wide", "", ini, 10), "考试考试x");
  EXPECT_EQ(GetPrivateProfileString("S", "Nope", "默认值", ini, 5), "默认");
}

TEST(Profile, ReadsGbkAndUtf8Files) {
  TestFolder t;
  t.Write("gbk.ini", Utf8ToGbk("[考试]\r\n标题=计算机考试\r\n"));
  t.Write("utf8.ini", "[考试]\n标题=计算机考试\n");
  t.Write("bom.ini", "\xEF\xBB\xBF[考试]\n标题=计算机考试\n");
  for (const char* name : {"gbk.ini", "utf8.ini", "bom.ini"})
    EXPECT_EQ(GetPrivateProfileString("考试", "标题", "", t.Win(name)), "计算机考试") << name;
}

TEST(Profile, IntegerValues) {
  TestFolder t;
  t.Write("i.ini", "[S]\nA=42\nB=-7x\nC=abc\nD=\nE= 12 \n");
  struct Case {
    const char* key;
    int value;
  } cases[] = {{"A", 42}, {"B", -7}, {"C", 0}, {"D", 9}, {"E", 12}, {"Missing", 9}};
  for (const Case& c : cases)
    EXPECT_EQ(GetPrivateProfileInt("S", c.key, 9, t.Win("i.ini")), c.value) << c.key;
}

TEST(Profile, WriteChangesOneLineAndKeepsTheRest) {
  TestFolder t;
  // Bytes that are no text at all must survive a write untouched.
  const std::string head = Utf8ToGbk("; 注释 ") + "\xFF\xFF stays\r\n";
  const std::string original = head + Utf8ToGbk(
                                          "[KIRV]\r\n"
                                          "Server = app\r\n"
                                          "Port=8888\r\n"
                                          "\r\n"
                                          "[Other]\r\n"
                                          "x=1");
  const fs::path file = t.Write("KIRV.ini", original);
  const std::string ini = t.Win("KIRV.ini");
  struct Step {
    const char* section;
    std::optional<std::string_view> key, value;
    std::string expected;
  } steps[] = {
      {"kirv", "SERVER", "web",
       head + Utf8ToGbk("[KIRV]\r\nServer = web\r\nPort=8888\r\n\r\n[Other]\r\nx=1")},
      {"KIRV", "ServerIP", "10.0.0.1",
       head +
           Utf8ToGbk(
               "[KIRV]\r\nServer = web\r\nPort=8888\r\nServerIP=10.0.0.1\r\n\r\n[Other]\r\nx=1")},
      {"Other", "y", "中",
       head + Utf8ToGbk("[KIRV]\r\nServer = "
                        "web\r\nPort=8888\r\nServerIP=10.0.0.1\r\n\r\n[Other]\r\nx=1\r\ny=中\r\n")},
      {"New", "k", "v",
       head + Utf8ToGbk("[KIRV]\r\nServer = "
                        "web\r\nPort=8888\r\nServerIP=10.0.0.1\r\n\r\n[Other]\r\nx=1\r\ny=中\r\n["
                        "New]\r\nk=v\r\n")},
      {"KIRV", "Port", std::nullopt,
       head +
           Utf8ToGbk("[KIRV]\r\nServer = "
                     "web\r\nServerIP=10.0.0.1\r\n\r\n[Other]\r\nx=1\r\ny=中\r\n[New]\r\nk=v\r\n")},
      {"Other", std::nullopt, std::nullopt,
       head + Utf8ToGbk("[KIRV]\r\nServer = web\r\nServerIP=10.0.0.1\r\n\r\n[New]\r\nk=v\r\n")},
  };
  for (const Step& s : steps) {
    ASSERT_TRUE(WritePrivateProfileString(s.section, s.key, s.value, ini));
    EXPECT_EQ(TestFolder::Read(file), s.expected) << (s.key ? *s.key : "(section)");
  }
  EXPECT_EQ(GetPrivateProfileString("KIRV", "Server", "", ini), "web");
}

TEST(Profile, WriteKeepsEncodingAndLineEnds) {
  TestFolder t;
  t.Write("u.ini", "\xEF\xBB\xBF[S]\nA=1\n");
  ASSERT_TRUE(WritePrivateProfileString("S", "B", "考", t.Win("u.ini")));
  EXPECT_EQ(TestFolder::Read(t.Root() / "u.ini"), "\xEF\xBB\xBF[S]\nA=1\nB=考\n");

  // A last line ended by a lone CR still gets a real line break before the new key.
  t.Write("cr.ini", "[S]\r");
  ASSERT_TRUE(WritePrivateProfileString("S", "K", "v", t.Win("cr.ini")));
  EXPECT_EQ(GetPrivateProfileString("S", "K", "", t.Win("cr.ini")), "v");

  ASSERT_TRUE(WritePrivateProfileString("考试", "名", "值", t.Win("new.ini")));
  EXPECT_EQ(TestFolder::Read(t.Root() / "new.ini"), Utf8ToGbk("[考试]\r\n名=值\r\n"));
  EXPECT_EQ(GetPrivateProfileString("考试", "名", "", t.Win("new.ini")), "值");
}

TEST(Profile, WriteRefusesWhatWouldLoseData) {
  TestFolder t;
  const fs::path file = t.Write("r.ini", "[S]\nA=1\n");
  EXPECT_FALSE(WritePrivateProfileString("S", "A", "2\r\n[Evil]", t.Win("r.ini")));
  EXPECT_FALSE(WritePrivateProfileString("S", "A", "2", t.Win("missing folder\\x.ini")));
  ASSERT_TRUE(SetFileAttributes(t.Win("r.ini"), FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN));
  EXPECT_FALSE(WritePrivateProfileString("S", "A", "2", t.Win("r.ini")));
  EXPECT_EQ(TestFolder::Read(file), "[S]\nA=1\n");
  // A write keeps the file's attributes.
  ASSERT_TRUE(SetFileAttributes(t.Win("r.ini"), FILE_ATTRIBUTE_HIDDEN));
  ASSERT_TRUE(WritePrivateProfileString("S", "A", "2", t.Win("r.ini")));
  EXPECT_EQ(GetFileAttributes(t.Win("r.ini")), FILE_ATTRIBUTE_HIDDEN);
  EXPECT_EQ(TestFolder::Read(file), "[S]\nA=2\n");
}

}  // namespace
}  // namespace win
