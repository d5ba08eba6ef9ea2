// The text-effect checks as rule rows: over the fontwork LibreOffice Impress saved and over
// WordArt built in code (bold and italic weights, text without a warp, missing shapes).
#include <gtest/gtest.h>

#include "grading/slidemark/checks/text_effects.h"
#include "grading/slidemark/testing/rule_cases.h"
#include "grading/slidemark/testing/slide_fixture.h"
#include "platform/office/powerpoint/constants.h"
#include "platform/office/powerpoint/testing/open_pptx.h"

namespace slidemark {
namespace {

namespace pt = powerpoint::testing;
using testing::RunCases;

TEST(TextEffectAttributes, BoldTwoItalicFour) {
  using powerpoint::msoFalse;
  using powerpoint::msoTriStateMixed;
  using powerpoint::msoTrue;
  const struct {
    int32_t bold;
    int32_t italic;
    int32_t value;
  } rows[] = {{msoFalse, msoFalse, 0},
              {msoTrue, msoFalse, 2},
              {msoFalse, msoTrue, 4},
              {msoTrue, msoTrue, 6},
              {msoTriStateMixed, msoTrue, 4}};
  for (const auto& row : rows) {
    EXPECT_EQ(TextEffectAttributes(row.bold, row.italic), row.value) << row.bold << row.italic;
  }
}

TEST(TextEffectChecks, FontworkImpressSaved) {
  // Slide 2: the title, "Arch 2" (arch up, Arial 36 bold), "Wave 3" (wave 1, Times New Roman
  // 28 italic), "Stop 4" (stop, Arial 24).
  testing::OpenedPresentation opened(pt::SuiteFile("suite_lines.pptx"));
  ASSERT_TRUE(opened.Opened());
  RunCases(opened,
           {
               {"arch up", {"TXTEFFECTPRESHAPE", "2", "2", "9"}, 1},
               {"not arch down", {"TXTEFFECTPRESHAPE", "2", "2", "10"}, 0},
               {"wave 1", {"TXTEFFECTPRESHAPE", "2", "3", "21"}, 1},
               {"stop", {"TXTEFFECTPRESHAPE", "2", "4", "2"}, 1},
               {"the title is not warped", {"TXTEFFECTPRESHAPE", "2", "1", "0"}, 1},
               {"bold Arial 36", {"SHAPETXTEFFECTFONT", "2", "2", "Arial", "36", "2"}, 1},
               {"not plain", {"SHAPETXTEFFECTFONT", "2", "2", "Arial", "36", "0"}, 0},
               {"not 28", {"SHAPETXTEFFECTFONT", "2", "2", "Arial", "28", "2"}, 0},
               {"italic", {"SHAPETXTEFFECTFONT", "2", "3", "Times New Roman", "28", "4"}, 1},
               {"names exact", {"SHAPETXTEFFECTFONT", "2", "3", "times new roman", "28", "4"}, 0},
               {"the text", {"SHAPETXTEFFECTTEXT", "2", "2", "Arch Text"}, 1},
               {"case-sensitive", {"SHAPETXTEFFECTTEXT", "2", "2", "arch text"}, 0},
               // No file records the gallery style: it reads 0 (the first style's number).
               {"no gallery style", {"SHAPETXTEFFECT", "2", "2", "0"}, 1},
               {"not another", {"SHAPETXTEFFECT", "2", "2", "3"}, 0},
           });
}

TEST(TextEffectChecks, CodeBuiltAndMissing) {
  const std::string wordArt =
      R"(<p:sp><p:nvSpPr><p:cNvPr id="2" name="WordArt"/><p:cNvSpPr txBox="1"/><p:nvPr/></p:nvSpPr><p:spPr>)" +
      pt::Xfrm(pt::Box{}) +
      R"(<a:prstGeom prst="rect"><a:avLst/></a:prstGeom></p:spPr><p:txBody><a:bodyPr><a:prstTxWarp prst="textCanUp"><a:avLst/></a:prstTxWarp></a:bodyPr>)" +
      pt::Para(pt::Run("Can", R"(sz="5400" b="1" i="1")", R"(<a:latin typeface="Impact"/>)")) +
      "</p:txBody></p:sp>";
  pt::PptxContent content;
  content.slides = {pt::SlideXml(wordArt + pt::TextBox(3, "Plain", pt::Box{}, pt::TextPara("x")) +
                                 pt::Picture(4, "Picture", pt::Box{}))};
  testing::OpenedPresentation opened(content);
  ASSERT_TRUE(opened.Opened());
  RunCases(opened,
           {
               {"can up", {"TXTEFFECTPRESHAPE", "1", "1", "19"}, 1},
               {"bold italic", {"SHAPETXTEFFECTFONT", "1", "1", "Impact", "54", "6"}, 1},
               {"italic alone is not it", {"SHAPETXTEFFECTFONT", "1", "1", "Impact", "54", "4"}, 0},
               {"no warp reads 0", {"TXTEFFECTPRESHAPE", "1", "2", "0"}, 1},
               {"no warp is not plain text", {"TXTEFFECTPRESHAPE", "1", "2", "1"}, 0},
               {"a text box's text", {"SHAPETXTEFFECTTEXT", "1", "2", "x"}, 1},
               {"a picture has no text", {"SHAPETXTEFFECTTEXT", "1", "3", ""}, 1},
               {"missing shape, shape 0", {"TXTEFFECTPRESHAPE", "1", "9", "0"}, 1},
               {"missing shape, empty font", {"SHAPETXTEFFECTFONT", "1", "9", "", "0", "0"}, 1},
               {"missing shape, a font", {"SHAPETXTEFFECTFONT", "1", "9", "Impact", "0", "0"}, 0},
               {"missing shape, empty text", {"SHAPETXTEFFECTTEXT", "1", "9", ""}, 1},
               {"missing shape, a text", {"SHAPETXTEFFECTTEXT", "1", "9", "Can"}, 0},
               {"missing slide, effect 0", {"SHAPETXTEFFECT", "7", "1", "0"}, 1},
           });
}

}  // namespace
}  // namespace slidemark
