// The palette, colour values, units and font metrics every office model shares.
#include <gtest/gtest.h>

#include "platform/office/common/color_value.h"
#include "platform/office/common/font_metrics.h"
#include "platform/office/common/palette.h"
#include "platform/office/common/units.h"
#include "platform/office/common/xml_names.h"

namespace office {
namespace {

constexpr int32_t Ole(uint32_t rrggbb) {
  return OleFromRgb(rrggbb);
}

TEST(Palette, EntriesAreAutomationColours) {
  const Palette& p = Palette::Default();
  EXPECT_EQ(p.Color(1), 0);         // black
  EXPECT_EQ(p.Color(3), 0x0000FF);  // red sits in the low byte
  EXPECT_EQ(p.Color(5), 0xFF0000);  // blue in the high byte
  EXPECT_EQ(p.Color(56), Ole(0x333333));
  EXPECT_EQ(p.Color(0), std::nullopt);
  EXPECT_EQ(p.Color(57), std::nullopt);
  EXPECT_EQ(RgbFromOle(Ole(0x123456)), 0x123456u);
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
      {"mid grey is 808080", 0x7F7F7F, 16},
      {"C00000 nearer red than maroon", 0xC00000, 3},
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

TEST(ColorValue, TintsMatchTheSpreadsheetPicker) {
  // The spreadsheet's variants of 4472C4 with the tints it writes for them; they differ from
  // the presentation program's (D9E1F2 against DAE3F3).
  struct Case {
    double tint;
    uint32_t rgb;
  } cases[] = {
      {0.79998168889431442, 0xD9E1F2},
      {0.59999389629810485, 0xB4C6E7},
      {0.39997558519241921, 0x8EA9DB},
      {-0.249977111117893, 0x305496},
      {-0.499984740745262, 0x203764},
      {0, 0x4472C4},
      {1, 0xFFFFFF},
      {-1, 0x000000},
  };
  for (const Case& c : cases) EXPECT_EQ(ApplyTint(0x4472C4, c.tint), c.rgb) << c.tint;
  // No tint leaves the colour alone rather than sending it through the lossy HLS form.
  EXPECT_EQ(ApplyTint(0x4471C5, 0), 0x4471C5u);
  // The white column of the picker.
  struct Grey {
    double tint;
    uint32_t rgb;
  } greys[] = {
      {-0.0499893185216834, 0xF2F2F2}, {-0.1499984740745262, 0xD9D9D9},
      {-0.249977111117893, 0xBFBFBF},  {-0.3499862666707358, 0xA6A6A6},
      {-0.499984740745262, 0x808080},
  };
  for (const Grey& c : greys) EXPECT_EQ(ApplyTint(0xFFFFFF, c.tint), c.rgb) << c.tint;
}

TEST(ColorValue, HexText) {
  struct Case {
    const char* text;
    std::optional<uint32_t> rgb;
    std::optional<uint32_t> argb;
  } cases[] = {
      {"FF0000", 0xFF0000, 0xFF0000},           {"00ff00", 0x00FF00, 0x00FF00},
      {"FFFF0000", std::nullopt, 0xFF0000},     {"GG0000", std::nullopt, std::nullopt},
      {"ZZ000000", std::nullopt, std::nullopt}, {"FF00", std::nullopt, std::nullopt},
      {"", std::nullopt, std::nullopt},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ParseRgbHex(c.text), c.rgb) << c.text;
    EXPECT_EQ(ParseArgbHex(c.text), c.argb) << c.text;
  }
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
  EXPECT_DOUBLE_EQ(PointsToPixels(15), 20);
  EXPECT_DOUBLE_EQ(PixelsToPoints(20), 15);
}

TEST(XmlNames, PrefixedAndPlainNamesReadAlike) {
  pugi::xml_document doc;
  ASSERT_TRUE(doc.load_string("<x:root xmlns:x='u'><x:row r:id='7' xmlns:r='v'/><row2/></x:root>"));
  pugi::xml_node root = doc.first_child();
  EXPECT_TRUE(IsElement(root, "root"));
  EXPECT_FALSE(IsElement(root, "roo"));
  pugi::xml_node row = Child(root, "row");
  ASSERT_TRUE(row);
  EXPECT_STREQ(Attr(row, "id").value(), "7");
  EXPECT_FALSE(Attr(row, "i"));
  EXPECT_TRUE(Child(root, "row2"));
  EXPECT_FALSE(Child(root, "ro"));
  EXPECT_EQ(PrefixOf(row), "x:");
  EXPECT_EQ(PrefixOf(Child(root, "row2")), "");
}

TEST(XmlNames, DescendantsInDocumentOrderAtAnyDepth) {
  pugi::xml_document doc;
  ASSERT_TRUE(
      doc.load_string("<r><a n='1'><b><a n='2'/></b></a><c/><x:a n='3' xmlns:x='u'/></r>"
                      "<a n='outside'/>"));
  pugi::xml_node root = doc.first_child();
  std::string order;
  for (pugi::xml_node a : Descendants(root, "a")) order += a.attribute("n").value();
  EXPECT_EQ(order, "123");
  EXPECT_STREQ(FirstDescendant(root, "a").attribute("n").value(), "1");
  EXPECT_STREQ(FirstDescendant(Child(root, "a"), "a").attribute("n").value(), "2");
  EXPECT_FALSE(FirstDescendant(Child(root, "c"), "a"));  // never past the node's own subtree
  EXPECT_TRUE(Descendants(Child(root, "c"), "a").empty());

  // Nesting far deeper than a call stack allows.
  constexpr int kDepth = 200000;
  std::string deep;
  for (int i = 0; i < kDepth; ++i) deep += "<g>";
  deep += "<a n='deep'/>";
  for (int i = 0; i < kDepth; ++i) deep += "</g>";
  ASSERT_TRUE(doc.load_string(deep.c_str()));
  EXPECT_STREQ(FirstDescendant(doc, "a").attribute("n").value(), "deep");
  EXPECT_EQ(Descendants(doc, "g").size(), size_t{kDepth});
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
  // Whatever was measured before, each font measures as its own.
  EXPECT_DOUBLE_EQ(TextWidthPixels("0123456789", "Calibri", 11, false), 70);
  EXPECT_DOUBLE_EQ(TextWidthPixels("ab", " 宋体 ", 12, false), 16);
  EXPECT_DOUBLE_EQ(TextWidthPixels("ab", "宋体", 12, true), 16);
  EXPECT_DOUBLE_EQ(TextWidthPixels("0123456789", "CALIBRI", 11, false), 70);
}

}  // namespace
}  // namespace office
