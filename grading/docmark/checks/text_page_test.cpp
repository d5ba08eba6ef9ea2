// The text-formatting and page checks, one row per rule, on the suite-saved documents and on
// documents built for what that suite cannot save (a colour outside the sixteen, vertical text,
// gradients, framed page numbers, sections that differ).
#include "grading/docmark/checks/text_page.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "grading/docmark/checks/navigation.h"
#include "grading/docmark/checks/testing/part_a_document.h"
#include "grading/engine/engine_state.h"
#include "platform/office/word/constants.h"

namespace docmark {
namespace {

using testing::ExpectChecks;
using testing::OpenPartABody;
using testing::OpenPartAContent;
using testing::OpenSuiteDocument;
using testing::SuiteOpener;
using word::testing::DocxContent;
using word::testing::Para;
using word::testing::TextPara;
using word::testing::TextRun;

constexpr int16_t T = engine::kTrue;
constexpr int16_t F = engine::kFalse;

// Colour values as the object model gives them: red in the low byte.
constexpr int32_t kRed = 0x0000FF;
constexpr int32_t kGrey = 0xC0C0C0;

TEST(TextChecks, CharacterFormattingOfTheFoundText) {
  using A = word::Application&;
  ExpectChecks(
      SuiteOpener("suite_characters.docx"),
      {
          {"TEXTCOL blue", [](A a) { return TextColorIndex(a, "蓝色文字"); }, word::wdBlue},
          {"TEXTCOL automatic", [](A a) { return TextColorIndex(a, "宋体五号文字"); },
           word::wdAuto},
          {"TEXTCOL of a text that is not there",
           [](A a) { return TextColorIndex(a, "不在文档里"); }, 0},
          {"TXTEFECT blinking background",
           [](A a) {
             return CheckTextAnimation(a, "闪烁背景", word::wdAnimationBlinkingBackground);
           },
           T},
          {"TXTEFECT another animation",
           [](A a) { return CheckTextAnimation(a, "闪烁背景", word::wdAnimationShimmer); }, F},
          {"TXTEFECT no animation", [](A a) { return CheckTextAnimation(a, "蓝色文字", 0); }, T},
          {"TXTBACKGROUND grey",
           [](A a) { return CheckTextShadingColor(a, "灰色底纹文字", kGrey); }, T},
          {"TXTBACKGROUND another colour",
           [](A a) { return CheckTextShadingColor(a, "灰色底纹文字", kRed); }, F},
          {"TXTSYMBOL dot above",
           [](A a) {
             return CheckEmphasisMark(a, "上方着重号", word::wdEmphasisMarkOverSolidCircle);
           },
           T},
          {"TXTSYMBOL dot below",
           [](A a) {
             return CheckEmphasisMark(a, "下方着重号", word::wdEmphasisMarkUnderSolidCircle);
           },
           T},
          {"TXTSYMBOL the other mark",
           [](A a) {
             return CheckEmphasisMark(a, "上方着重号", word::wdEmphasisMarkUnderSolidCircle);
           },
           F},
          {"STRLS 150 percent",
           [](A a) { return CheckCharacterScaling(a, "缩放百分之一百五十", 150); }, T},
          {"STRLS not 100", [](A a) { return CheckCharacterScaling(a, "缩放百分之一百五十", 100); },
           F},
          {"STREFESHADOW on", [](A a) { return CheckTextShadow(a, "阴影文字", true); }, T},
          {"STREFESHADOW expected off", [](A a) { return CheckTextShadow(a, "阴影文字", false); },
           F},
          {"STREFESHADOW off", [](A a) { return CheckTextShadow(a, "蓝色文字", false); }, T},
          {"DIREHORORVER horizontal",
           [](A a) {
             return CheckTextOrientation(a, "蓝色文字", word::wdTextOrientationHorizontal);
           },
           T},
          {"DIREHORORVER not upward",
           [](A a) { return CheckTextOrientation(a, "蓝色文字", word::wdTextOrientationUpward); },
           F},
      });
}

// "红色双下划线" has a double underline in red; the modes say how the rule weighs it.
TEST(TextChecks, UnderlineModes) {
  using A = word::Application&;
  const int32_t dbl = word::wdUnderlineDouble;
  const std::string red = std::to_string(kRed);
  auto under = [red](int16_t mode, int32_t underline, std::string color) {
    return [=](A a) { return CheckUnderline(a, "红色双下划线", mode, underline, color); };
  };
  ExpectChecks(SuiteOpener("suite_characters.docx"),
               {
                   {"1: differs, but it is that underline", under(1, dbl, ""), F},
                   {"1: differs from single", under(1, word::wdUnderlineSingle, ""), T},
                   {"2: differs and red", under(2, word::wdUnderlineSingle, red), T},
                   {"2: differs but another colour", under(2, word::wdUnderlineSingle, "0"), F},
                   {"2: red but the same underline", under(2, dbl, red), F},
                   {"3: that underline", under(3, dbl, ""), T},
                   {"3: not wavy", under(3, word::wdUnderlineWavy, ""), F},
                   {"4: that underline in red", under(4, dbl, red), T},
                   {"4: colour as the colour number only", under(4, dbl, "FF0000"), F},
                   {"4: that underline in another colour", under(4, dbl, "16711680"), F},
                   {"0: no such mode", under(0, dbl, red), F},
                   {"5: no such mode", under(5, dbl, red), F},
               });
}

// The character border: "加框文字" single 1.5 pt red, "加框带阴影" single 0.5 pt black with a
// shadow, "蓝色文字" none (style 0, the default width, automatic colour).
TEST(TextChecks, CharacterBorderCode) {
  using A = word::Application&;
  const int32_t single = word::wdLineStyleSingle;
  ExpectChecks(
      SuiteOpener("suite_characters.docx"),
      {
          {"all four",
           [=](A a) {
             return TextBorderCode(a, "加框文字", single, word::wdLineWidth150pt, kRed, false);
           },
           1111},
          {"all but the shadow",
           [=](A a) {
             return TextBorderCode(a, "加框文字", single, word::wdLineWidth150pt, kRed, true);
           },
           1110},
          {"style and shadow",
           [=](A a) {
             return TextBorderCode(a, "加框文字", single, word::wdLineWidth050pt, 0, false);
           },
           1001},
          {"shadowed border",
           [=](A a) {
             return TextBorderCode(a, "加框带阴影", single, word::wdLineWidth050pt, 0, true);
           },
           1111},
          {"no border",
           [=](A a) {
             return TextBorderCode(a, "蓝色文字", word::wdLineStyleNone, word::wdLineWidth050pt,
                                   word::wdColorAutomatic, false);
           },
           1111},
          {"SELTXTBORDER wants the code itself",
           [=](A a) {
             return CheckTextBorder(a, "加框文字", single, word::wdLineWidth150pt, kRed, false,
                                    1111);
           },
           T},
          // 1110 And 1111 is not zero: a mask would let a wrong shadow pass.
          {"SELTXTBORDER: a wrong shadow fails 1111",
           [=](A a) {
             return CheckTextBorder(a, "加框文字", single, word::wdLineWidth150pt, kRed, true,
                                    1111);
           },
           F},
          {"SELTXTBORDER: all but the shadow as 1110",
           [=](A a) {
             return CheckTextBorder(a, "加框文字", single, word::wdLineWidth150pt, kRed, true,
                                    1110);
           },
           T},
      });
}

// Colours outside the sixteen, and text in a cell written from bottom to top.
DocxContent ColoursAndDirections() {
  DocxContent content;
  content.body = TextPara("自定义颜色", "", "<w:color w:val=\"123456\"/>") +
                 TextPara("红色文字", "", "<w:color w:val=\"FF0000\"/>") +
                 Para(TextRun("一半红色", "<w:color w:val=\"FF0000\"/>") + TextRun("一半黑色")) +
                 "<w:tbl><w:tblGrid><w:gridCol w:w=\"2000\"/></w:tblGrid><w:tr><w:tc><w:tcPr>"
                 "<w:textDirection w:val=\"btLr\"/></w:tcPr>" +
                 TextPara("竖排单元格") + "</w:tc></w:tr></w:tbl>" + TextPara("末段");
  return content;
}

TEST(TextChecks, ColourIndexesAndDirectionsOfBuiltText) {
  using A = word::Application&;
  ExpectChecks(
      [] { return OpenPartAContent(ColoursAndDirections()); },
      {
          {"TEXTCOL red", [](A a) { return TextColorIndex(a, "红色文字"); }, word::wdRed},
          {"TEXTCOL a colour of its own does not fit 16 bits",
           [](A a) { return TextColorIndex(a, "自定义颜色"); }, 0},
          {"TEXTCOL of two colours", [](A a) { return TextColorIndex(a, "一半红色一半黑色"); }, 0},
          {"DIREHORORVER upward in the cell",
           [](A a) { return CheckTextOrientation(a, "竖排单元格", word::wdTextOrientationUpward); },
           T},
          {"DIREHORORVER not horizontal in the cell",
           [](A a) {
             return CheckTextOrientation(a, "竖排单元格", word::wdTextOrientationHorizontal);
           },
           F},
      });
}

// A text that is not found reads nothing: not the text an earlier rule left selected.
TEST(TextChecks, TextNotFoundReadsNothing) {
  auto doc = OpenSuiteDocument("suite_characters.docx");
  ASSERT_EQ(doc->error, "");
  word::Application& app = doc->app;
  const int32_t single = word::wdLineStyleSingle;
  EXPECT_EQ(TextColorIndex(app, "蓝色文字"), word::wdBlue);
  EXPECT_EQ(TextColorIndex(app, "不在文档里"), 0);
  ASSERT_EQ(CheckTextAnimation(app, "闪烁背景", word::wdAnimationBlinkingBackground), T);
  EXPECT_EQ(CheckTextAnimation(app, "不在文档里", word::wdAnimationBlinkingBackground), F);
  ASSERT_EQ(CheckCharacterScaling(app, "缩放百分之一百五十", 150), T);
  EXPECT_EQ(CheckCharacterScaling(app, "不在文档里", 150), F);
  ASSERT_EQ(CheckUnderline(app, "红色双下划线", 3, word::wdUnderlineDouble, ""), T);
  EXPECT_EQ(CheckUnderline(app, "不在文档里", 3, word::wdUnderlineDouble, ""), F);
  ASSERT_EQ(CheckTextShadow(app, "阴影文字", true), T);
  EXPECT_EQ(CheckTextShadow(app, "不在文档里", true), F);
  ASSERT_EQ(TextBorderCode(app, "加框文字", single, word::wdLineWidth150pt, kRed, false), 1111);
  EXPECT_EQ(TextBorderCode(app, "不在文档里", single, word::wdLineWidth150pt, kRed, false), 1);
  ASSERT_EQ(CheckEmphasisMark(app, "上方着重号", word::wdEmphasisMarkOverSolidCircle), T);
  EXPECT_EQ(CheckEmphasisMark(app, "不在文档里", word::wdEmphasisMarkOverSolidCircle), F);
  ASSERT_EQ(CheckTextShadingColor(app, "灰色底纹文字", kGrey), T);
  EXPECT_EQ(CheckTextShadingColor(app, "不在文档里", kGrey), F);
}

TEST(TextChecks, SuccessiveFindsStepThroughTheDocument) {
  auto doc = OpenPartABody(TextPara("标记", "", "<w:color w:val=\"FF0000\"/>") +
                           TextPara("标记", "", "<w:color w:val=\"0000FF\"/>"));
  ASSERT_EQ(doc->error, "");
  EXPECT_EQ(TextColorIndex(doc->app, "标记"), word::wdRed);
  EXPECT_EQ(TextColorIndex(doc->app, "标记"), word::wdBlue);
  EXPECT_EQ(TextColorIndex(doc->app, "标记"), word::wdRed) << "on from the start";
}

// suite_page_a4: a grid of 44 lines of 39 characters, header 850 twips (42.5 pt) and footer 992
// twips (49.6 pt) from the edge, a right-aligned page number in the footer.
TEST(PageChecks, GridDistancesAndPageNumberOfAnA4Page) {
  using A = word::Application&;
  ExpectChecks(
      SuiteOpener("suite_page_a4.docx"),
      {
          {"DOCLINESTR 1: lines", [](A a) { return CheckLinesAndCharacters(a, 1, 44, 0); }, T},
          {"DOCLINESTR 1: other lines", [](A a) { return CheckLinesAndCharacters(a, 1, 40, 39); },
           F},
          {"DOCLINESTR 2: characters", [](A a) { return CheckLinesAndCharacters(a, 2, 0, 39); }, T},
          {"DOCLINESTR 2: other characters",
           [](A a) { return CheckLinesAndCharacters(a, 2, 44, 40); }, F},
          {"DOCLINESTR 3: both", [](A a) { return CheckLinesAndCharacters(a, 3, 44, 39); }, T},
          {"DOCLINESTR 3: only the characters",
           [](A a) { return CheckLinesAndCharacters(a, 3, 40, 39); }, F},
          {"DOCLINESTR 3: only the lines",
           [](A a) { return CheckLinesAndCharacters(a, 3, 44, 40); }, F},
          {"DOCLINESTR 5: no such mode", [](A a) { return CheckLinesAndCharacters(a, 5, 44, 39); },
           F},
          {"DOCLINESTR 0: no such mode", [](A a) { return CheckLinesAndCharacters(a, 0, 0, 0); },
           F},
          {"HEADFOOTDISTANCE both",
           [](A a) { return CheckHeaderFooterDistance(a, 42.5F, 49.6F, 11); }, T},
          {"HEADFOOTDISTANCE both, but the code says only the header",
           [](A a) { return CheckHeaderFooterDistance(a, 42.5F, 49.6F, 10); }, F},
          {"HEADFOOTDISTANCE only the header",
           [](A a) { return CheckHeaderFooterDistance(a, 42.5F, 36, 10); }, T},
          {"HEADFOOTDISTANCE only the footer",
           [](A a) { return CheckHeaderFooterDistance(a, 36, 49.6F, 1); }, T},
          {"HEADFOOTDISTANCE neither", [](A a) { return CheckHeaderFooterDistance(a, 36, 36, 0); },
           T},
          {"HEADFOOTDISTANCE exactly, not within a point",
           [](A a) { return CheckHeaderFooterDistance(a, 42.0F, 49.6F, 11); }, F},
          {"YEMA right",
           [](A a) { return CheckPageNumberAlignment(a, word::wdAlignPageNumberRight); }, T},
          {"YEMA not centred",
           [](A a) { return CheckPageNumberAlignment(a, word::wdAlignPageNumberCenter); }, F},
      });
}

TEST(PageChecks, APageWithoutFooterOrBackground) {
  using A = word::Application&;
  ExpectChecks(
      SuiteOpener("suite_page_custom.docx"),
      {
          {"DOCLINESTR 1: 40 lines", [](A a) { return CheckLinesAndCharacters(a, 1, 40, 0); }, T},
          {"YEMA without a page number reads 0", [](A a) { return CheckPageNumberAlignment(a, 0); },
           T},
          {"YEMA without a page number is not right",
           [](A a) { return CheckPageNumberAlignment(a, word::wdAlignPageNumberRight); }, F},
          {"BACKSTYLEMODE without a background",
           [](A a) { return CheckBackgroundGradient(a, word::msoGradientParchment); }, F},
      });
}

std::string SectionProperties(int header, int footer, const std::string& more = "") {
  return "<w:sectPr>" + more +
         "<w:pgSz w:w=\"11906\" w:h=\"16838\"/><w:pgMar w:top=\"1440\" w:right=\"1800\" "
         "w:bottom=\"1440\" w:left=\"1800\" w:header=\"" +
         std::to_string(header) + "\" w:footer=\"" + std::to_string(footer) +
         "\" w:gutter=\"0\"/></w:sectPr>";
}

// Header 36 pt, footer 40 pt, a page number framed in the centre, a parchment background.
DocxContent BuiltPage() {
  DocxContent content;
  content.body =
      TextPara("正文") +
      SectionProperties(720, 800, "<w:footerReference w:type=\"default\" r:id=\"rIdF\"/>");
  content.headersFooters = {
      {"rIdF", true,
       "<w:p><w:pPr><w:framePr w:wrap=\"around\" w:vAnchor=\"text\" w:hAnchor=\"margin\" "
       "w:xAlign=\"center\" w:y=\"1\"/></w:pPr><w:fldSimple w:instr=\" PAGE \"><w:r><w:t>1</w:t>"
       "</w:r></w:fldSimple></w:p>"}};
  content.background =
      "<w:background w:color=\"FFEFD1\"><v:background id=\"_x0000_s1025\" o:bwmode=\"white\">"
      "<v:fill colors=\"0 #ffefd1;42598f #f0ebd5;1 #d1c39f\" type=\"gradient\"/></v:background>"
      "</w:background>";
  return content;
}

TEST(PageChecks, BuiltPageDistancesFramedNumberAndGradient) {
  using A = word::Application&;
  ExpectChecks(
      [] { return OpenPartAContent(BuiltPage()); },
      {
          {"HEADFOOTDISTANCE 36, 36, 10: header only",
           [](A a) { return CheckHeaderFooterDistance(a, 36, 36, 10); }, T},
          {"HEADFOOTDISTANCE 36, 36, 11 needs both",
           [](A a) { return CheckHeaderFooterDistance(a, 36, 36, 11); }, F},
          {"HEADFOOTDISTANCE 36, 40, 11",
           [](A a) { return CheckHeaderFooterDistance(a, 36, 40, 11); }, T},
          {"YEMA framed in the centre",
           [](A a) { return CheckPageNumberAlignment(a, word::wdAlignPageNumberCenter); }, T},
          {"BACKSTYLEMODE parchment",
           [](A a) { return CheckBackgroundGradient(a, word::msoGradientParchment); }, T},
          {"BACKSTYLEMODE not fire",
           [](A a) { return CheckBackgroundGradient(a, word::msoGradientFire); }, F},
      });
}

TEST(PageChecks, ASolidBackgroundIsNoPreset) {
  DocxContent content;
  content.body = TextPara("正文");
  content.background = "<w:background w:color=\"FFFF00\"/>";
  auto doc = OpenPartAContent(content);
  ASSERT_EQ(doc->error, "");
  EXPECT_EQ(CheckBackgroundGradient(doc->app, word::msoPresetGradientMixed), T);
  EXPECT_EQ(CheckBackgroundGradient(doc->app, word::msoGradientEarlySunset), F);
}

// The document's page setup is one value over its sections: two that differ match neither.
TEST(PageChecks, SectionsThatDifferMatchNoDistance) {
  auto doc = OpenPartABody(Para(TextRun("第一节"), "" + SectionProperties(720, 800)) +
                           TextPara("第二节") + SectionProperties(900, 800));
  ASSERT_EQ(doc->error, "");
  EXPECT_EQ(CheckHeaderFooterDistance(doc->app, 36, 40, 1), T);
  EXPECT_EQ(CheckHeaderFooterDistance(doc->app, 45, 40, 1), T);
  EXPECT_EQ(CheckHeaderFooterDistance(doc->app, 36, 40, 11), F);
}

TEST(PageChecks, NoDocumentReadsNothing) {
  word::Application app;
  EXPECT_EQ(TextColorIndex(app, "蓝色文字"), 0);
  EXPECT_EQ(CheckTextAnimation(app, "闪烁背景", word::wdAnimationBlinkingBackground), F);
  EXPECT_EQ(CheckLinesAndCharacters(app, 1, 44, 39), F);
  EXPECT_EQ(CheckHeaderFooterDistance(app, 36, 36, 11), F);
  EXPECT_EQ(CheckPageNumberAlignment(app, word::wdAlignPageNumberRight), F);
  EXPECT_EQ(CheckBackgroundGradient(app, word::msoGradientParchment), F);
}

}  // namespace
}  // namespace docmark
