#include "platform/office/drawingml/theme.h"

#include <gtest/gtest.h>

#include "platform/office/drawingml/testing/fixtures.h"
#include "platform/office/drawingml/xml.h"

namespace drawingml {
namespace {

using testing::FixtureTheme;
using testing::Snippet;

TEST(Theme, ReadsColoursFontsAndStyleMatrix) {
  const Theme& theme = FixtureTheme();
  EXPECT_EQ(theme.Name(), "Fixture");
  EXPECT_EQ(theme.SlotColor(SchemeSlot::kDark1), Color::FromRgb(0x000000));  // from lastClr
  EXPECT_EQ(theme.SlotColor(SchemeSlot::kAccent2), Color::FromRgb(0xC0504D));
  EXPECT_EQ(theme.SlotColor(SchemeSlot::kFollowedHyperlink), Color::FromRgb(0x800080));

  EXPECT_EQ(theme.Typeface("+mn-lt"), "Calibri");
  EXPECT_EQ(theme.Typeface("+mj-lt"), "Cambria");
  EXPECT_EQ(theme.Typeface("+mn-ea"), "宋体");  // empty ea: the Hans script font
  EXPECT_EQ(theme.Typeface("+mj-ea"), "黑体");
  EXPECT_EQ(theme.Typeface("+mj-ea", "Jpan"), "游ゴシック Light");
  EXPECT_EQ(theme.Typeface("+mn-cs"), "Arial");
  EXPECT_EQ(theme.Typeface("Arial Black"), "Arial Black");
  EXPECT_EQ(theme.Typeface("+xx-lt"), "+xx-lt");

  EXPECT_TRUE(IsElement(theme.FillStyle(1), "solidFill"));
  EXPECT_TRUE(IsElement(theme.FillStyle(2), "gradFill"));
  EXPECT_TRUE(IsElement(theme.FillStyle(1001), "solidFill"));
  EXPECT_FALSE(theme.FillStyle(4));
  EXPECT_FALSE(theme.FillStyle(0));
  EXPECT_FALSE(theme.FillStyle(1002));
  EXPECT_EQ(IntAttr(theme.LineStyle(2), "w"), 12700);
  EXPECT_TRUE(IsElement(theme.EffectStyle(3), "effectStyle"));
  EXPECT_FALSE(theme.EffectStyle(-1));
}

TEST(Theme, DefaultStandsInForAPackageWithout) {
  const Theme& theme = Theme::Default();
  EXPECT_EQ(theme.SlotColor(SchemeSlot::kAccent1), Color::FromRgb(0x4472C4));
  EXPECT_EQ(theme.Typeface("+mn-lt"), "Calibri");
  EXPECT_EQ(theme.Typeface("+mn-ea"), "等线");
  EXPECT_TRUE(theme.LineStyle(3));
}

TEST(Theme, ReadsFromADocumentOrItsRoot) {
  auto document = ParseXml(testing::kTheme);
  ASSERT_TRUE(document);
  base::Result<Theme> fromDocument = Theme::Read(**document);
  base::Result<Theme> fromRoot = Theme::Read((*document)->document_element());
  ASSERT_TRUE(fromDocument && fromRoot);
  EXPECT_EQ(fromDocument->SlotColor(SchemeSlot::kAccent1), Color::FromRgb(0x4F81BD));
  EXPECT_EQ(fromRoot->SlotColor(SchemeSlot::kAccent1), Color::FromRgb(0x4F81BD));
}

TEST(Theme, DamagedPartsAreErrorsNotCrashes) {
  struct Case {
    const char* name;
    const char* xml;
    const char* says;
  } cases[] = {
      {"empty", "", "not well-formed"},
      {"cut short", "<a:theme><a:themeElements>", "not well-formed"},
      {"binary", "PK\x03\x04\x14", "not well-formed"},
      {"another part", "<p:clrMap bg1=\"lt1\"/>", "not a theme"},
      {"no colour scheme", "<a:theme><a:themeElements/></a:theme>", "without a colour scheme"},
  };
  for (const Case& c : cases) {
    base::Result<Theme> theme = Theme::Parse(c.xml);
    ASSERT_FALSE(theme) << c.name;
    EXPECT_EQ(theme.error().code, kMalformed) << c.name;
    EXPECT_NE(theme.error().message.find(c.says), std::string::npos)
        << c.name << ": " << theme.error().message;
  }
}

TEST(Theme, AnUnreadableEntryLeavesOnlyThatSlotEmpty) {
  base::Result<Theme> theme = Theme::Parse(R"(<a:theme><a:themeElements><a:clrScheme>
      <a:dk1><a:srgbClr val="zz"/></a:dk1><a:accent1><a:srgbClr val="123456"/></a:accent1>
      </a:clrScheme></a:themeElements></a:theme>)");
  ASSERT_TRUE(theme);
  EXPECT_EQ(theme->SlotColor(SchemeSlot::kDark1), std::nullopt);
  EXPECT_EQ(theme->SlotColor(SchemeSlot::kAccent1), Color::FromRgb(0x123456));
  EXPECT_EQ(theme->Typeface("+mn-lt"), "");
  EXPECT_FALSE(theme->FillStyle(1));
}

TEST(ColorMap, ReadsThePresentationAndTheWordProcessorSpelling) {
  Snippet slide(R"(<p:clrMap bg1="dk1" tx1="lt1"/>)");
  base::Result<ColorMap> slideMap = ColorMap::Read(slide.Root());
  ASSERT_TRUE(slideMap);
  EXPECT_EQ(slideMap->Resolve("bg1"), SchemeSlot::kDark1);
  EXPECT_EQ(slideMap->Resolve("tx1"), SchemeSlot::kLight1);
  EXPECT_EQ(slideMap->Resolve("bg2"), SchemeSlot::kLight2);  // left out: the default
  EXPECT_EQ(slideMap->Resolve("phClr"), std::nullopt);

  Snippet settings(R"(<w:clrSchemeMapping w:bg1="dark2" w:t1="light2" w:bg2="light1"
      w:t2="dark1" w:accent1="accent1" w:hyperlink="followedHyperlink"/>)");
  base::Result<ColorMap> wordMap = ColorMap::Read(settings.Root());
  ASSERT_TRUE(wordMap) << wordMap.error().message;
  EXPECT_EQ(wordMap->Resolve("background1"), SchemeSlot::kDark2);
  EXPECT_EQ(wordMap->Resolve("text1"), SchemeSlot::kLight2);
  EXPECT_EQ(wordMap->Resolve("tx2"), SchemeSlot::kDark1);
  EXPECT_EQ(wordMap->Resolve("hyperlink"), SchemeSlot::kFollowedHyperlink);
  EXPECT_EQ(wordMap->Resolve("dark1"), SchemeSlot::kDark1);

  Snippet bad(R"(<p:clrMap bg1="white"/>)");
  base::Result<ColorMap> badMap = ColorMap::Read(bad.Root());
  ASSERT_FALSE(badMap);
  EXPECT_EQ(badMap.error().code, kMalformed);
  EXPECT_TRUE(IsMissing(ColorMap::Read(pugi::xml_node()).error()));
}

}  // namespace
}  // namespace drawingml
