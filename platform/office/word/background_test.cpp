// The page background's fill and its preset gradients.
#include "platform/office/word/background.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/office/word/constants.h"
#include "platform/office/word/testing/open_docx.h"

namespace word {
namespace {

std::string BackgroundWith(const std::string& fill) {
  return "<w:background w:color=\"FFFF00\"><v:background id=\"_x0000_s1025\" o:bwmode=\"white\" "
         "o:targetscreensize=\"1024,768\">" +
         fill + "</v:background></w:background>";
}

TEST(Background, PresetGradientsAreKnownByTheirColours) {
  struct Case {
    const char* name;
    std::string background;
    int32_t type;
    int32_t preset;
  } cases[] = {
      {"early sunset as the word processor writes it",
       BackgroundWith("<v:fill color2=\"#ff8200\" colors=\"0 #000082;19661f #66008f;42598f "
                      "#ba0066;58982f red;1 #ff8200\" method=\"none\" focus=\"100%\" "
                      "type=\"gradient\"/>"),
       msoFillGradient, msoGradientEarlySunset},
      {"fire from the other end (a variant)",
       BackgroundWith("<v:fill colors=\"0 #4d0808;20000f #ff0300;36045f #ff7a00;1 #fff200\" "
                      "type=\"gradientRadial\"/>"),
       msoFillGradient, msoGradientFire},
      {"rainbow with colour names",
       BackgroundWith("<v:fill colors=\"0 #a603ab;13763f #0819fb;22938f #1a8d48;34079f yellow;"
                      "47841f #ee3f17;57672f #e81766;1 #a603ab\" type=\"gradient\"/>"),
       msoFillGradient, msoGradientRainbow},
      {"parchment",
       BackgroundWith("<v:fill colors=\"0 #ffefd1;42598f #f0ebd5;1 #d1c39f\" type=\"gradient\"/>"),
       msoFillGradient, msoGradientParchment},
      {"two colours of one's own", BackgroundWith("<v:fill color2=\"blue\" type=\"gradient\"/>"),
       msoFillGradient, msoPresetGradientMixed},
      {"a colour alone", "<w:background w:color=\"FFFF00\"/>", msoFillSolid,
       msoPresetGradientMixed},
      {"a texture", BackgroundWith("<v:fill r:id=\"rId9\" type=\"tile\"/>"), msoFillTextured,
       msoPresetGradientMixed},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    testing::DocxContent content;
    content.background = c.background;
    content.body = testing::TextPara("x");
    auto o = testing::OpenDocx(content);
    const FillFormat fill = o->document->Background().Fill();
    EXPECT_EQ(*fill.Type(), c.type);
    EXPECT_EQ(*fill.PresetGradientType(), c.preset);
  }
  auto none = testing::OpenBody(testing::TextPara("x"));
  EXPECT_FALSE(none->document->Background().Fill().PresetGradientType());
}

TEST(Background, VmlColourListsReadHexShortHexAndNames) {
  EXPECT_EQ(ReadVmlColors("0 #000082;19661f #66008F;.5 red;1 #f80;junk;1 #zzzzzz"),
            (std::vector<uint32_t>{0x000082, 0x66008F, 0xFF0000, 0xFF8800}));
  EXPECT_EQ(PresetGradientOf({}), msoPresetGradientMixed);
}

}  // namespace
}  // namespace word
