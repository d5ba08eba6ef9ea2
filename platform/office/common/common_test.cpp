// The palette, tints and font metrics every office model shares.
#include <gtest/gtest.h>

#include "platform/office/common/font_metrics.h"
#include "platform/office/common/palette.h"

namespace office {
namespace {

TEST(Palette, NearestIndexPrefersTheFirstOfEqualColours) {
  struct Case {
    uint32_t rgb;
    int index;
  } cases[] = {
      {0x000000, 1},  {0xFFFFFF, 2},
      {0xFF0000, 3},  {0x0000FF, 5},  // 32 holds the same blue: the first one wins
      {0xFE0101, 3},                  // near red
      {0x7F7F7F, 16},                 // the grey 808080
      {0xC00000, 3},                  // 63 from FF0000, 64 from 800000
  };
  for (const Case& c : cases) EXPECT_EQ(NearestColorIndex(c.rgb), c.index) << std::hex << c.rgb;
  Palette custom = DefaultPalette();
  custom[9] = 0x123456;  // index 10 redefined
  EXPECT_EQ(NearestColorIndex(0x123456, custom), 10);
}

TEST(Palette, TintsShadeTowardsWhiteOrBlack) {
  EXPECT_EQ(ApplyTint(0x4472C4, 0), 0x4472C4u);
  EXPECT_EQ(ApplyTint(0x000000, 0.5), 0x808080u);
  EXPECT_EQ(ApplyTint(0xFFFFFF, -0.5), 0x808080u);
  // Accent 1 at 40% lighter, as the suite's colour picker shows it.
  EXPECT_EQ(ApplyTint(0x4472C4, 0.3999755851924192), 0x8FAADCu);
  uint32_t rgb = 0;
  EXPECT_TRUE(ParseArgb("FFFF0000", rgb));
  EXPECT_EQ(rgb, 0xFF0000u);
  EXPECT_TRUE(ParseArgb("00ff00", rgb));
  EXPECT_EQ(rgb, 0x00FF00u);
  EXPECT_FALSE(ParseArgb("GG0000", rgb));
  EXPECT_FALSE(ParseArgb("FF00", rgb));
}

TEST(FontMetrics, DigitWidthsAndRowHeightsOfTheDefaultFonts) {
  // The column unit of the suites' default fonts, as their default widths (8.43, 8.38) imply.
  EXPECT_EQ(MaxDigitWidthPixels("Calibri", 11), 7);
  EXPECT_EQ(MaxDigitWidthPixels("Arial", 10), 7);
  EXPECT_EQ(MaxDigitWidthPixels("宋体", 12), 8);
  EXPECT_EQ(MaxDigitWidthPixels("宋体", 11), 7);
  EXPECT_DOUBLE_EQ(DefaultRowHeightPoints("Calibri", 11), 15);
  EXPECT_DOUBLE_EQ(DefaultRowHeightPoints("Arial", 10), 12.75);
}

TEST(FontMetrics, TextWidthsGrowWithTextSizeBoldAndIdeographs) {
  const double digits = TextWidthPixels("0123456789", "Calibri", 11, false);
  EXPECT_DOUBLE_EQ(digits, 70);  // ten digits of 7 pixels
  EXPECT_GT(TextWidthPixels("Wide Text", "Calibri", 11, true),
            TextWidthPixels("Wide Text", "Calibri", 11, false));
  EXPECT_DOUBLE_EQ(TextWidthPixels("中文", "宋体", 12, false), 32);  // two ideographs of 16 px
  EXPECT_DOUBLE_EQ(TextWidthPixels("ab", "宋体", 12, false), 16);    // Latin at half an em
  EXPECT_GT(TextWidthPixels("abc", "Unknown Font", 11, false), 0);
  EXPECT_EQ(TextWidthPixels("", "Calibri", 11, false), 0);
  EXPECT_GT(TextWidthPixels("\xff\xfe", "Calibri", 11, false), 0);  // broken UTF-8 still measures
}

}  // namespace
}  // namespace office
