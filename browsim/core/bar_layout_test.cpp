#include "browsim/core/bar_layout.h"

#include <gtest/gtest.h>

namespace browsim {
namespace {

bool Known(int id) {
  return id != 999;
}

TEST(BarLayout, ACustomisedLayoutReadsBackAsWritten) {
  BarLayout layout = DefaultBarLayout();
  BarSpec& standard = *layout.Find("128");
  standard.controls.erase(standard.controls.begin() + 2);  // 停止
  standard.controls.push_back(BarControl::Separator());
  standard.controls.push_back(BarControl::Menu(5));
  standard.controls.push_back(BarControl::NewMenu("我的 菜单"));
  standard.controls.push_back(BarControl::Command(32775));
  layout.Find("134")->controls.clear();
  layout.bars.push_back({"1001", "自定义 1", {BarControl::Command(32808), BarControl::Menu(0)}});

  const std::string text = WriteBarLayout(layout);
  const auto read = ReadBarLayout(text, Known);
  ASSERT_TRUE(read) << read.error().message;
  EXPECT_EQ(*read, layout) << text;
  EXPECT_NE(text.find("newmenu 我的 菜单\r\n"), std::string::npos) << text;

  const auto defaults = ReadBarLayout(WriteBarLayout(DefaultBarLayout()), Known);
  ASSERT_TRUE(defaults);
  EXPECT_EQ(*defaults, DefaultBarLayout());
}

TEST(BarLayout, ReadingDropsUnknownAndRepeatedCommandsAndCompletesTheDefaultBars) {
  const auto read = ReadBarLayout(
      "; a hand-written layout\n"
      "  bar 1001   Mine  \r\n"
      "command 999\n"
      "command 140\n"
      "command 140\n"
      "menu 1\n"
      "menu 1\n"
      "command 32771\n"
      "\n"
      "BAR 130 地址栏\n"
      "command 32772\n"
      "command 32771\n",
      Known);
  ASSERT_TRUE(read) << read.error().message;
  BarLayout expected;
  expected.bars = {
      {"128", "标准按钮", DefaultBarControls("128")},
      {"1001", "Mine", {BarControl::Command(140), BarControl::Menu(1), BarControl::Command(32771)}},
      {"130", "地址栏", {BarControl::Command(32772)}},
      {"134", "链接", DefaultBarControls("134")},
  };
  EXPECT_EQ(*read, expected);
}

TEST(BarLayout, TheAddressBoxIsNeverLost) {
  // Left out of the text: it goes to the front of the address bar.
  auto read = ReadBarLayout("bar 130 地址栏\ncommand 32772\n", Known);
  ASSERT_TRUE(read);
  EXPECT_EQ(read->Find("130")->controls,
            (std::vector<BarControl>{BarControl::Command(32771), BarControl::Command(32772)}));
  // On a bar of the user's own, with the address bar left out: that bar keeps the only one.
  read = ReadBarLayout("bar 1001 Mine\ncommand 32771\n", Known);
  ASSERT_TRUE(read);
  EXPECT_EQ(read->Find("130")->controls, std::vector<BarControl>{BarControl::Command(32772)});
  EXPECT_EQ(read->Find("1001")->controls, std::vector<BarControl>{BarControl::Command(32771)});
}

TEST(BarLayout, ResetGivesTheDefaultControlsAndKeepsTheOneAddressBox) {
  BarLayout layout = DefaultBarLayout();
  layout.Find("128")->controls = {BarControl::Menu(0)};
  ResetBar(layout, "128");
  EXPECT_EQ(layout, DefaultBarLayout());

  // The address box moved to a bar of the user's own stays there through both resets.
  layout.Find("130")->controls = {BarControl::Command(32772)};
  layout.bars.push_back({"1001", "Mine", {BarControl::Menu(1), BarControl::Command(32771)}});
  ResetBar(layout, "130");
  EXPECT_EQ(layout.Find("130")->controls, std::vector<BarControl>{BarControl::Command(32772)});
  ResetBar(layout, "1001");
  EXPECT_EQ(layout.Find("1001")->controls, std::vector<BarControl>{BarControl::Command(32771)});
  ResetBar(layout, "nosuchbar");
  EXPECT_EQ(layout.bars.size(), 4u);
}

TEST(BarLayout, BarsOfOnesOwnAreAddedAndRemovedButNotTheDefaultOnes) {
  BarLayout layout = DefaultBarLayout();
  layout.bars.push_back({"1001", "Mine", {BarControl::Command(32771)}});
  EXPECT_EQ(AddBar(layout, "A"), "1002");
  EXPECT_EQ(AddBar(layout, "B"), "1003");
  ASSERT_EQ(layout.bars.size(), 6u);
  EXPECT_EQ(layout.bars.back(), (BarSpec{"1003", "B", {}}));

  EXPECT_TRUE(RemoveBar(layout, "1002"));
  EXPECT_FALSE(layout.Find("1002"));
  EXPECT_EQ(AddBar(layout, "C"), "1002");
  struct Case {
    const char* id;
    bool removable;
  } cases[] = {{"128", false}, {"130", false},
               {"134", false}, {"1001", false},  // holds the address box
               {"1003", true}, {"9999", false}};
  for (const Case& c : cases) {
    EXPECT_EQ(CanRemoveBar(layout, c.id), c.removable) << c.id;
    const size_t before = layout.bars.size();
    EXPECT_EQ(RemoveBar(layout, c.id), c.removable) << c.id;
    EXPECT_EQ(layout.bars.size(), before - (c.removable ? 1 : 0)) << c.id;
  }
}

TEST(BarLayout, MalformedTextIsAnErrorNamingTheLine) {
  struct Case {
    const char* name;
    const char* text;
    const char* message;  // a part of the error
  } cases[] = {
      {"empty", "", "no bars"},
      {"only comments", "; nothing\n\n", "no bars"},
      {"control before a bar", "command 140\n", "line 1"},
      {"unknown entry", "bar 128 x\nbutton 140\n", "line 2: unknown entry \"button\""},
      {"command without id", "bar 128 x\ncommand\n", "no command id"},
      {"command id not a number", "bar 128 x\ncommand 14o\n", "no command id"},
      {"negative command", "bar 128 x\ncommand -140\n", "no command id"},
      {"huge command", "bar 128 x\ncommand 99999999999999999999\n", "no command id"},
      {"menu out of range", "bar 128 x\nmenu 6\n", "line 2"},
      {"menu not a number", "bar 128 x\nmenu 文件\n", "no menu position"},
      {"new menu without caption", "bar 128 x\nnewmenu\n", "caption"},
      {"separator with text", "bar 128 x\nseparator 3\n", "separator"},
      {"bar without caption", "bar 128\n", "no caption"},
      {"bar without id", "bar\n", "id"},
      {"bar id with odd characters", "bar 1-2 x\n", "id"},
      {"bar twice", "bar 128 x\nbar 128 y\n", "line 2: bar 128 is given twice"},
      {"binary bytes", "\x01\x00\xff bars", "line 1"},
  };
  for (const Case& c : cases) {
    const auto read = ReadBarLayout(c.text, Known);
    ASSERT_FALSE(read) << c.name;
    EXPECT_NE(read.error().message.find(c.message), std::string::npos)
        << c.name << ": " << read.error().message;
  }
  const std::string binary("\x01\x00\xff bars", 8);
  EXPECT_FALSE(ReadBarLayout(binary, Known));
}

TEST(BarOptions, OptionsReadBackAsWrittenAndMissingOnesKeepTheirDefaults) {
  for (MenuAnimation animation : {MenuAnimation::kNone, MenuAnimation::kUnfold,
                                  MenuAnimation::kSlide, MenuAnimation::kFade}) {
    const BarOptions options{true, false, true, animation};
    const auto read = ReadBarOptions(WriteBarOptions(options));
    ASSERT_TRUE(read) << WriteBarOptions(options);
    EXPECT_EQ(*read, options);
  }
  const auto partial = ReadBarOptions("MenuAnimation Fade\r\n");
  ASSERT_TRUE(partial);
  EXPECT_EQ(*partial, (BarOptions{false, true, false, MenuAnimation::kFade}));
  EXPECT_EQ(ReadBarOptions("").value_or(BarOptions{true, true, true, MenuAnimation::kSlide}),
            BarOptions{});
}

TEST(BarOptions, MalformedOptionsAreAnError) {
  struct Case {
    const char* text;
    const char* message;
  } cases[] = {
      {"largeicons yes\n", "0 or 1"},
      {"largeicons\n", "0 or 1"},
      {"screentips 1\nmenuanimation wobble\n", "line 2"},
      {"tooltips 1\n", "unknown option"},
  };
  for (const Case& c : cases) {
    const auto read = ReadBarOptions(c.text);
    ASSERT_FALSE(read) << c.text;
    EXPECT_NE(read.error().message.find(c.message), std::string::npos) << read.error().message;
  }
}

TEST(PlainCaption, DropsMnemonicsEllipsesAndShortcuts) {
  struct Case {
    const char* menuText;
    const char* plain;
  } cases[] = {
      {"打开(&O)...\tCtrl+O", "打开"},
      {"Internet 选项(&O)...", "Internet 选项"},
      {"文件(&F)", "文件"},
      {"查找(在当前页)(&F)...\tCtrl+F", "查找(在当前页)"},
      {"E&xit", "Exit"},
      {"R&&D", "R&D"},
      {"后退", "后退"},
  };
  for (const Case& c : cases) EXPECT_EQ(PlainCaption(c.menuText), c.plain) << c.menuText;
}

}  // namespace
}  // namespace browsim
