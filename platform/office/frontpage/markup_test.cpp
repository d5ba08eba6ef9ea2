// The passes over a page's text before and beside the parse: nesting estimate, vector markup,
// picture headers.
#include <gtest/gtest.h>

#include <string>

#include "platform/office/frontpage/nesting.h"
#include "platform/office/frontpage/picture_size.h"
#include "platform/office/frontpage/testing/pages.h"
#include "platform/office/frontpage/text_position.h"
#include "platform/office/frontpage/vml_scan.h"

namespace frontpage {
namespace {

std::string Repeat(std::string_view piece, int times) {
  std::string out;
  for (int i = 0; i < times; ++i) out += piece;
  return out;
}

TEST(EstimateNesting, CountsWhatATreeBuilderKeepsOpen) {
  struct Case {
    const char* name;
    std::string markup;
    size_t depth;
  };
  const Case cases[] = {
      {"closed elements", "<p><b>x</b></p><div><i>y</i></div>", 2},
      {"nested unclosed blocks", Repeat("<div>", 40), 40},
      {"unclosed paragraphs close each other", Repeat("<p>x", 5000), 1},
      {"unclosed cells, rows and fonts close with the next cell",
       "<table>" + Repeat("<tr><td><font>a<td><font>b", 3000) + "</table>", 5},
      {"void and text-only elements do not nest",
       Repeat("<br><img src=x><hr><meta>", 1000) + "<script><div><div></script><p>", 1},
      {"comments are skipped", "<!--" + Repeat("<div>", 100) + "--><b>", 1},
      {"an end tag closes back to its element", "<div><span><b>x</div><div>", 3},
      {"links close each other", Repeat("<a href=x>y", 1000), 1},
      {"a cap stops the count", Repeat("<span>", 100000), kMaxNesting + 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(EstimateNesting(c.markup).depth, c.depth);
  }
}

TEST(EstimateNesting, CountsTheFormattingCopiedAtEveryText) {
  const std::string formatting =
      "<b><i><u><s><em><strong><font><big><small><tt><strike><code><nobr>";
  // The division and its thirteen, then each division with its copies of them.
  EXPECT_EQ(EstimateNesting("<div>" + formatting + "</div>" + Repeat("<div>x</div>", 100)).elements,
            1 + 13 + 100 * 14u);
  // Each paragraph and bold, and before each bold the earlier ones copied, at most three alike
  // (as gumbo makes them).
  EXPECT_EQ(EstimateNesting(Repeat("<p><b>x", 10)).elements, 10 + 10 + 1 + 2 + 7 * 3u);
  // A cell keeps the formatting before it out.
  EXPECT_EQ(EstimateNesting("<b><table><tr><td>x</td><td>y").elements, 6u);
  // Counting stops past the cap.
  EXPECT_EQ(EstimateNesting(Repeat("<p>", 1000), kMaxNesting, 100).elements, 101u);
}

TEST(ScanVml, DrawingsFallbacksAndBlockMarkersAreFoundWithTheirPositions) {
  const std::string page =
      "<p>a<!--[if gte vml 1]><v:shapetype id=t><v:path/></v:shapetype>"
      "<v:group><v:shape id=s1><v:textbox><p>box</p></v:textbox></v:shape></v:group>"
      "<![endif]--><![if !vml]><img src=fallback.gif><![endif]>b</p>"
      "<!--[if gte mso 9]><v:shape id=ignored></v:shape><![endif]-->"
      "<script>var s = '<v:oval>';</script>";
  const VmlScan scan = ScanVml(page);
  ASSERT_EQ(scan.parseText.size(), page.size());
  ASSERT_EQ(scan.drawings.size(), 1u);
  const DrawingRegion& d = scan.drawings[0];
  EXPECT_EQ(page.substr(d.begin, d.end - d.begin),
            "<v:group><v:shape id=s1><v:textbox><p>box</p></v:textbox></v:shape></v:group>");
  EXPECT_EQ(page.substr(d.textBegin, d.textEnd - d.textBegin), "<p>box</p>");
  EXPECT_TRUE(scan.parseText.substr(d.begin).starts_with("<img "));
  EXPECT_EQ(scan.parseText.find("fallback"), std::string::npos);
  EXPECT_EQ(scan.parseText.find("shapetype"), std::string::npos);
  EXPECT_EQ(scan.parseText.find("[if gte vml"), std::string::npos);
  // A plain comment and a script keep their text.
  EXPECT_NE(scan.parseText.find("id=ignored"), std::string::npos);
  EXPECT_NE(scan.parseText.find("'<v:oval>'"), std::string::npos);
  EXPECT_TRUE(ScanVml("<p>no vector markup</p>").parseText.empty());
  EXPECT_EQ(MaskPrefixedTags("<p>a<o:p></o:p>b</p>"), "<p>a           b</p>");
}

TEST(ScanVml, ManyUnclosedDrawingsCostOneScan) {
  const std::string page = Repeat("<v:shape id=x>", 20000);
  const VmlScan scan = ScanVml(page);
  EXPECT_EQ(scan.drawings.size(), 20000u);
  EXPECT_EQ(scan.drawings[1].begin, 14u);
  EXPECT_EQ(scan.drawings[1].end, 28u);
}

TEST(ReadPictureSize, ReadsEachKindsHeader) {
  struct Case {
    const char* file;
    PictureSize size;
  };
  const Case cases[] = {{"images/banner.gif", {120, 45}},
                        {"images/logo.png", {64, 32}},
                        {"images/photo.jpg", {200, 100}},
                        {"images/icon.bmp", {33, 17}}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.file);
    const std::string bytes = testing::ReadTestPage(c.file);
    ASSERT_FALSE(bytes.empty());
    EXPECT_EQ(ReadPictureSize(bytes), c.size);
    // Cut short before the size, nothing is read.
    EXPECT_EQ(ReadPictureSize(std::string_view(bytes).substr(0, 8)), std::nullopt);
  }
}

TEST(ReadPictureSize, OddHeadersAreNoSize) {
  const std::string oddities[] = {
      "",
      "not a picture at all",
      std::string("\xFF\xD8\xFF\xE0\x00\x01", 6),  // a segment length below 2
      std::string("\xFF\xD8\xFF\xDA\x00\x08", 6),  // image data before any frame
      std::string("\xFF\xD8\x00\x00\x00\x00", 6),  // no marker where one must be
      std::string("\x89PNG\r\n\x1a\n\x00\x00\x00\x0dIHDX", 16) + std::string(12, '\0'),
      std::string("BM") + std::string(12, '\0') + std::string("\x28\0\0\0", 4) +
          std::string("\0\0\0\x80\0\0\0\x80", 8),  // the smallest 32-bit numbers
  };
  for (const std::string& bytes : oddities) EXPECT_EQ(ReadPictureSize(bytes), std::nullopt);
  // A picture stored top down has a negative height.
  std::string topDown = testing::ReadTestPage("images/icon.bmp");
  topDown[22] = static_cast<char>(-17);
  topDown[23] = topDown[24] = topDown[25] = static_cast<char>(0xFF);
  EXPECT_EQ(ReadPictureSize(topDown), (PictureSize{33, 17}));
}

TEST(TextPosition, CountsUtf16Units) {
  // a, a CJK character, one beyond the BMP, b
  const std::string text =
      "a你\xF0\xA0\x80\x80"
      "b";
  EXPECT_EQ(Utf16Length(text), 5);
  EXPECT_EQ(Utf16Length(""), 0);
  struct Case {
    int32_t unit;
    size_t byte;
  };
  const Case cases[] = {{0, 0}, {1, 1}, {2, 4}, {3, 4}, {4, 8}, {5, 9}, {99, 9}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.unit);
    EXPECT_EQ(ByteOffsetOfUnit(text, c.unit), c.byte);
  }
  EXPECT_EQ(UnitOfByteOffset(text, 4), 2);
  EXPECT_EQ(UnitOfByteOffset(text, 8), 4);
  EXPECT_EQ(UnitOfByteOffset(text, 2), 1);  // inside the CJK character
  EXPECT_EQ(UnitOfByteOffset(text, 100), 5);
}

}  // namespace
}  // namespace frontpage
