#include <gtest/gtest.h>

#include "platform/office/common/palette.h"
#include "platform/office/common/units.h"

namespace office {
namespace {

constexpr int32_t Ole(uint32_t rrggbb) {
  return static_cast<int32_t>(((rrggbb >> 16) & 0xFF) | (rrggbb & 0xFF00) |
                              ((rrggbb & 0xFF) << 16));
}

TEST(Palette, EntriesAreAutomationColours) {
  const Palette& p = Palette::Default();
  EXPECT_EQ(p.Color(1), 0);         // black
  EXPECT_EQ(p.Color(3), 0x0000FF);  // red sits in the low byte
  EXPECT_EQ(p.Color(5), 0xFF0000);  // blue in the high byte
  EXPECT_EQ(p.Color(56), Ole(0x333333));
  EXPECT_EQ(p.Color(0), std::nullopt);
  EXPECT_EQ(p.Color(57), std::nullopt);
}

TEST(Palette, NearestIndex) {
  struct Case {
    const char* name;
    uint32_t rgb;
    int index;
  } cases[] = {
      {"red", 0xFF0000, 3},
      {"duplicate blue takes the lower index", 0x0000FF, 5},
      {"duplicate teal", 0x008080, 14},
      {"almost red", 0xFE0202, 3},
      {"dark red is maroon", 0x7A0000, 9},
      {"light grey is silver", 0xC8C8C8, 15},
      {"charcoal", 0x303030, 56},
      {"white", 0xFFFFFF, 2},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Palette::Default().NearestIndex(Ole(c.rgb)), c.index) << c.name;
  }
}

TEST(Palette, WorkbookPaletteReplacesEntries) {
  Palette custom;
  ASSERT_TRUE(custom.Set(20, Ole(0x123456)));
  EXPECT_FALSE(custom.Set(0, 0));
  EXPECT_EQ(custom.NearestIndex(Ole(0x123457)), 20);
  EXPECT_EQ(custom.Indexed(27), Ole(0x123456));  // indexed 27 is entry 20
  EXPECT_EQ(Palette::Default().Indexed(27), Ole(0xCCFFFF));
}

TEST(Palette, IndexedColours) {
  const Palette& p = Palette::Default();
  EXPECT_EQ(p.Indexed(2), Ole(0xFF0000));
  EXPECT_EQ(p.Indexed(10), Ole(0xFF0000));  // entry 3
  EXPECT_EQ(p.Indexed(63), Ole(0x333333));
  EXPECT_EQ(p.Indexed(64), std::nullopt);  // system foreground
  EXPECT_EQ(p.Indexed(-1), std::nullopt);
}

TEST(Units, EmuPointsCentimetresPixels) {
  EXPECT_DOUBLE_EQ(EmuToPoints(12700), 1.0);
  EXPECT_DOUBLE_EQ(EmuToPoints(9525), 0.75);
  EXPECT_DOUBLE_EQ(EmuToCm(360000), 1.0);
  EXPECT_DOUBLE_EQ(EmuToPixels(914400), 96.0);
  EXPECT_DOUBLE_EQ(EmuToPixels(914400, 72.0), 72.0);
  EXPECT_EQ(PointsToEmu(0.75), 9525);
  EXPECT_EQ(CmToEmu(2.5), 900000);
  EXPECT_EQ(PixelsToEmu(1), 9525);
  EXPECT_NEAR(CmToPoints(1), 28.3465, 1e-4);
  EXPECT_NEAR(PointsToCm(72), 2.54, 1e-12);
  EXPECT_DOUBLE_EQ(TwipsToPoints(30), 1.5);
  EXPECT_DOUBLE_EQ(HalfPointsToPoints(21), 10.5);
}

}  // namespace
}  // namespace office
