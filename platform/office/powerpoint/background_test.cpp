// Backgrounds: a slide's own, one it takes from its layout or its master, references into the
// theme's background fills, the master's when it has none, and FollowMasterBackground.
#include <gtest/gtest.h>

#include "platform/office/powerpoint/constants.h"
#include "platform/office/powerpoint/errors.h"
#include "platform/office/powerpoint/testing/open_pptx.h"

namespace powerpoint {
namespace {

using testing::OpenPptx;
using testing::PptxContent;
using testing::SlideXml;

int32_t Ole(uint32_t rrggbb) {
  return drawingml::Color::FromRgb(rrggbb).Ole();
}

std::string SolidBackground(std::string_view color) {
  return "<p:bgPr><a:solidFill>" + std::string(color) + "</a:solidFill><a:effectLst/></p:bgPr>";
}

constexpr char kSwappedMap[] =
    R"(<a:overrideClrMapping bg1="dk1" tx1="lt1" bg2="dk2" tx2="lt2" accent1="accent1" accent2="accent2" accent3="accent3" accent4="accent4" accent5="accent5" accent6="accent6" hlink="hlink" folHlink="folHlink"/>)";

// A theme whose second background fill is a gradient in the reference's colour.
std::string ThemeWithGradientBackground() {
  const std::string solid = R"(<a:solidFill><a:schemeClr val="phClr"/></a:solidFill>)";
  const std::string gradient =
      R"(<a:gradFill><a:gsLst><a:gs pos="0"><a:schemeClr val="phClr"/></a:gs><a:gs pos="100000"><a:srgbClr val="FFFFFF"/></a:gs></a:gsLst><a:lin ang="0"/></a:gradFill>)";
  return "<a:theme name=\"T\"><a:themeElements><a:clrScheme name=\"C\">"
         R"(<a:dk1><a:srgbClr val="000000"/></a:dk1><a:lt1><a:srgbClr val="FFFFFF"/></a:lt1>)"
         R"(<a:dk2><a:srgbClr val="44546A"/></a:dk2><a:lt2><a:srgbClr val="E7E6E6"/></a:lt2>)"
         R"(<a:accent1><a:srgbClr val="4472C4"/></a:accent1><a:accent2><a:srgbClr val="ED7D31"/></a:accent2>)"
         R"(<a:accent3><a:srgbClr val="A5A5A5"/></a:accent3><a:accent4><a:srgbClr val="FFC000"/></a:accent4>)"
         R"(<a:accent5><a:srgbClr val="5B9BD5"/></a:accent5><a:accent6><a:srgbClr val="70AD47"/></a:accent6>)"
         R"(<a:hlink><a:srgbClr val="0563C1"/></a:hlink><a:folHlink><a:srgbClr val="954F72"/></a:folHlink></a:clrScheme>)"
         R"(<a:fontScheme name="F"><a:majorFont><a:latin typeface="Calibri Light"/><a:ea typeface=""/><a:cs typeface=""/></a:majorFont>)"
         R"(<a:minorFont><a:latin typeface="Calibri"/><a:ea typeface=""/><a:cs typeface=""/></a:minorFont></a:fontScheme>)"
         "<a:fmtScheme name=\"S\"><a:fillStyleLst>" +
         solid + solid + solid +
         "</a:fillStyleLst><a:lnStyleLst><a:ln/><a:ln/><a:ln/></a:lnStyleLst>" +
         "<a:effectStyleLst><a:effectStyle><a:effectLst/></"
         "a:effectStyle><a:effectStyle><a:effectLst/></a:effectStyle><a:effectStyle><a:effectLst/"
         "></a:effectStyle></a:effectStyleLst>" +
         "<a:bgFillStyleLst>" + solid + gradient + solid +
         "</a:bgFillStyleLst></a:fmtScheme></a:themeElements></a:theme>";
}

TEST(Background, OwnFromTheLayoutOrFromTheMaster) {
  PptxContent content;
  content.theme = ThemeWithGradientBackground();
  content.masterBackground = R"(<p:bgRef idx="1002"><a:schemeClr val="accent1"/></p:bgRef>)";
  content.layoutBackgrounds = {"", "", SolidBackground(R"(<a:srgbClr val="00B050"/>)")};
  content.slides = {
      SlideXml("", 1),  // follows the master: the theme's gradient in accent1
      SlideXml("", 2),  // follows its layout's own
      SlideXml("", 1),  // its own, a scheme colour through the slide's swapped map
      SlideXml("", 1),  // its own reference into the theme, in bg2 of its swapped map
      SlideXml("", 1),  // follows the master, whose accent1 the swapped map leaves
  };
  content.slides[2].background = SolidBackground(R"(<a:schemeClr val="bg1"/>)");
  content.slides[2].clrMapOvr = kSwappedMap;
  content.slides[3].background = R"(<p:bgRef idx="1001"><a:schemeClr val="bg2"/></p:bgRef>)";
  content.slides[3].clrMapOvr = kSwappedMap;
  content.slides[4].clrMapOvr = kSwappedMap;
  OpenPptx open(content);
  ASSERT_NE(open.Get(), nullptr);
  const struct {
    const char* name;
    int32_t follows;
    int32_t type;
    int32_t fore;
    int32_t foreTheme;
    int32_t gradientStyle;  // 0: not a gradient
  } rows[] = {
      {"the master's reference", msoTrue, msoFillGradient, Ole(0x4472C4), 5, 2},
      {"the layout's own", msoTrue, msoFillSolid, Ole(0x00B050), 0, 0},
      {"its own, bg1 standing for dk1", msoFalse, msoFillSolid, Ole(0x000000), 14, 0},
      {"its own reference, bg2 standing for dk2", msoFalse, msoFillSolid, Ole(0x44546A), 16, 0},
      {"the master's under a swapped map", msoTrue, msoFillGradient, Ole(0x4472C4), 5, 2},
  };
  for (int32_t i = 0; i < static_cast<int32_t>(std::size(rows)); ++i) {
    SCOPED_TRACE(rows[i].name);
    base::Result<Slide*> slide = open.Get()->Slides().Item(i + 1);
    ASSERT_TRUE(slide);
    EXPECT_EQ((*slide)->FollowMasterBackground(), rows[i].follows);
    base::Result<FillFormat> fill = (*slide)->Background().Fill();
    ASSERT_TRUE(fill) << fill.error().message;
    EXPECT_EQ(*fill->Type(), rows[i].type);
    EXPECT_EQ(fill->ForeColor()->RGB(), rows[i].fore);
    EXPECT_EQ(fill->ForeColor()->ObjectThemeColor(), rows[i].foreTheme);
    base::Result<int32_t> style = fill->GradientStyle();
    EXPECT_EQ(style ? *style : 0, rows[i].gradientStyle);
  }
  base::Result<const Master*> master = open.Get()->SlideMaster();
  ASSERT_TRUE(master);
  base::Result<FillFormat> masterFill = (*master)->Background().Fill();
  ASSERT_TRUE(masterFill);
  EXPECT_EQ(masterFill->BackColor()->RGB(), Ole(0xFFFFFF));
}

TEST(Background, AMasterWithoutOneShowsItsFirstLightColour) {
  PptxContent content;
  content.slides = {SlideXml(""), SlideXml("", 1, 0, kSwappedMap)};
  OpenPptx open(content);
  ASSERT_NE(open.Get(), nullptr);
  const int32_t expected[] = {Ole(0xFFFFFF), Ole(0x000000)};
  for (int32_t i = 0; i < 2; ++i) {
    base::Result<FillFormat> fill = (*open.Get()->Slides().Item(i + 1))->Background().Fill();
    ASSERT_TRUE(fill);
    EXPECT_EQ(*fill->Type(), msoFillSolid);
    EXPECT_EQ(fill->ForeColor()->RGB(), expected[i]) << "slide " << i + 1;
  }
}

TEST(Background, PatternTextureAndUnreadableBackgrounds) {
  PptxContent content;
  content.masterBackground =
      R"(<p:bgPr><a:blipFill><a:blip r:link="rIdTex"/><a:tile/></a:blipFill><a:effectLst/></p:bgPr>)";
  content.masterRelationships =
      R"(<Relationship Id="rIdTex" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/image" Target="file:///C:/Kaoshi/Stone.JPG" TargetMode="External"/>)";
  content.slides = {SlideXml(""), SlideXml(""), SlideXml("")};
  content.slides[1].background =
      R"(<p:bgPr><a:pattFill prst="smCheck"><a:fgClr><a:srgbClr val="FF0000"/></a:fgClr><a:bgClr><a:srgbClr val="FFFF00"/></a:bgClr></a:pattFill></p:bgPr>)";
  content.slides[2].background = R"(<p:bgRef idx="1009"><a:schemeClr val="bg1"/></p:bgRef>)";
  OpenPptx open(content);
  ASSERT_NE(open.Get(), nullptr);
  base::Result<FillFormat> texture = (*open.Get()->Slides().Item(1))->Background().Fill();
  ASSERT_TRUE(texture);
  EXPECT_EQ(*texture->Type(), msoFillTextured);
  EXPECT_EQ(*texture->TextureName(), "file:///C:/Kaoshi/Stone.JPG") << "the master's link";
  base::Result<FillFormat> pattern = (*open.Get()->Slides().Item(2))->Background().Fill();
  ASSERT_TRUE(pattern);
  EXPECT_EQ(*pattern->Pattern(), 17);
  EXPECT_EQ(pattern->ForeColor()->RGB(), Ole(0xFF0000));
  EXPECT_EQ(pattern->BackColor()->RGB(), Ole(0xFFFF00));
  base::Result<FillFormat> missing = (*open.Get()->Slides().Item(3))->Background().Fill();
  ASSERT_FALSE(missing) << "a reference to no theme entry";
  EXPECT_EQ(missing.error().code, kErrUnreadable);
}

}  // namespace
}  // namespace powerpoint
