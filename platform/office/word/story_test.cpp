// Character positions and shown text of stories as the word processor counts them.
#include "platform/office/word/story.h"

#include <gtest/gtest.h>

#include <string>

namespace word {
namespace {

// A story of the given body XML ("w:" elements need no namespace declaration for pugixml).
struct Built {
  pugi::xml_document xml;
  Story story;
};

std::unique_ptr<Built> Build(const std::string& body,
                             const std::vector<opc::Relationship>& relationships = {}) {
  auto built = std::make_unique<Built>();
  EXPECT_TRUE(built->xml.load_string(("<w:body>" + body + "</w:body>").c_str(),
                                     pugi::parse_default | pugi::parse_ws_pcdata));
  built->story = Story::Build(built->xml.document_element(), relationships);
  return built;
}

std::string P(const std::string& text) {
  return "<w:p><w:r><w:t xml:space=\"preserve\">" + text + "</w:t></w:r></w:p>";
}

std::string Cell(const std::string& inner) {
  return "<w:tc>" + inner + "</w:tc>";
}

TEST(Story, PositionsAndTextAsTheWordProcessorCountsThem) {
  struct Case {
    const char* name;
    std::string body;
    std::string text;
    int32_t length;
  } cases[] = {
      {"two paragraphs", P("ab") + P("cd"), "ab\rcd\r", 6},
      {"empty body gets a paragraph mark", "", "\r", 1},
      {"a character beyond the basic plane takes two positions", P("\xF0\x9D\x84\x9Ex"),
       "\xF0\x9D\x84\x9Ex\r", 4},
      {"tab, line break, page break, column break, symbol",
       "<w:p><w:r><w:t>a</w:t><w:tab/><w:br/><w:br w:type=\"page\"/><w:br w:type=\"column\"/>"
       "<w:sym w:font=\"Wingdings\" w:char=\"F04A\"/></w:r></w:p>",
       "a\t\v\f\x0e\xEF\x81\x8A\r", 7},
      {"a table: one mark per cell and per row, then the paragraph after it",
       "<w:tbl><w:tr>" + Cell(P("a")) + Cell(P("b")) + "</w:tr><w:tr>" + Cell(P("c")) +
           Cell(P("d")) + "</w:tr></w:tbl>" + P("e"),
       "a\r\ab\r\a\r\ac\r\ad\r\a\r\ae\r", 12},
      {"a cell of two paragraphs", "<w:tbl><w:tr>" + Cell(P("a") + P("b")) + "</w:tr></w:tbl>",
       "a\rb\r\a\r\a\r", 6},
      {"an empty cell has its mark", "<w:tbl><w:tr><w:tc/></w:tr></w:tbl>" + P("x"), "\r\a\r\ax\r",
       4},
      {"a section break is the mark of the paragraph holding its properties",
       "<w:p><w:pPr><w:sectPr/></w:pPr><w:r><w:t>x</w:t></w:r></w:p>" + P("y"), "x\fy\r", 4},
      {"a simple field shows its result; its code takes positions",
       "<w:p><w:fldSimple w:instr=\" PAGE \"><w:r><w:t>1</w:t></w:r></w:fldSimple></w:p>", "1\r",
       1 + 6 + 1 + 1 + 1 + 1},
      {"a field of field characters",
       "<w:p><w:r><w:fldChar w:fldCharType=\"begin\"/></w:r><w:r><w:instrText> DATE "
       "</w:instrText></w:r><w:r><w:fldChar w:fldCharType=\"separate\"/></w:r>"
       "<w:r><w:t>2024</w:t></w:r><w:r><w:fldChar w:fldCharType=\"end\"/></w:r>"
       "<w:r><w:t>!</w:t></w:r></w:p>",
       "2024!\r", 1 + 6 + 1 + 4 + 1 + 1 + 1},
      {"a field nested in a field's code stays hidden",
       "<w:p><w:r><w:fldChar w:fldCharType=\"begin\"/><w:instrText>IF </w:instrText>"
       "<w:fldChar w:fldCharType=\"begin\"/><w:instrText>PAGE</w:instrText>"
       "<w:fldChar w:fldCharType=\"separate\"/><w:t>1</w:t><w:fldChar w:fldCharType=\"end\"/>"
       "<w:fldChar w:fldCharType=\"separate\"/><w:t>yes</w:t>"
       "<w:fldChar w:fldCharType=\"end\"/></w:r></w:p>",
       "yes\r", 1 + 3 + 1 + 4 + 1 + 1 + 1 + 1 + 3 + 1 + 1},
      {"a hyperlink is a field whose code names its target",
       "<w:p><w:hyperlink r:id=\"rId9\"><w:r><w:t>site</w:t></w:r></w:hyperlink></w:p>", "site\r",
       1 + 25 + 1 + 4 + 1 + 1},
      {"revisions, smart tags and content controls are transparent",
       "<w:p><w:ins><w:r><w:t>a</w:t></w:r></w:ins><w:del><w:r><w:delText>b</w:delText></w:r>"
       "</w:del><w:smartTag><w:r><w:t>c</w:t></w:r></w:smartTag><w:sdt><w:sdtPr><w:rPr/>"
       "</w:sdtPr><w:sdtContent><w:r><w:t>d</w:t></w:r></w:sdtContent></w:sdt></w:p>",
       "abcd\r", 5},
      {"inline and floating drawings take one position each",
       "<w:p><w:r><w:drawing><wp:inline/></w:drawing><w:drawing><wp:anchor/></w:drawing>"
       "<mc:AlternateContent><mc:Choice><w:drawing><wp:anchor/></w:drawing></mc:Choice>"
       "<mc:Fallback><w:pict/></mc:Fallback></mc:AlternateContent></w:r></w:p>",
       "\x01\x08\x08\r", 4},
  };
  const std::vector<opc::Relationship> links = {
      {"rId9", "http://x/hyperlink", "http://a.b/", true}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    auto built = Build(c.body, links);
    EXPECT_EQ(built->story.Text(), c.text);
    EXPECT_EQ(built->story.Length(), c.length);
    EXPECT_EQ(built->story.TextOf(0, built->story.Length()), c.text);
  }
}

TEST(Story, TablesRowsAndCellsAreIndexedByPosition) {
  // Row 1: a cell holding a nested table, then "b"; row 2: "c", "d".
  auto built = Build(
      "<w:tbl><w:tr>" +
      Cell("<w:tbl><w:tr>" + Cell(P("x")) + Cell(P("y")) + "</w:tr></w:tbl>" + P("a")) +
      Cell(P("b")) + "</w:tr><w:tr>" + Cell(P("c")) + Cell(P("d")) + "</w:tr></w:tbl>" + P("e"));
  const Story& s = built->story;
  ASSERT_EQ(s.Tables().size(), 2u);
  EXPECT_EQ(s.Tables()[0].parentCell, -1);
  EXPECT_EQ(s.Tables()[1].parentCell, 0);
  ASSERT_EQ(s.Tables()[0].rows.size(), 2u);
  const RowSpan& first = s.Rows()[static_cast<size_t>(s.Tables()[0].rows[0])];
  ASSERT_EQ(first.cells.size(), 2u);
  // x\r\a y\r\a \r\a a\r\a b\r\a \r\a | c\r\a d\r\a \r\a | e\r
  EXPECT_EQ(s.Text(), "x\r\ay\r\a\r\aa\r\ab\r\a\r\ac\r\ad\r\a\r\ae\r");
  const CellSpan& outer = s.Cells()[static_cast<size_t>(first.cells[0])];
  EXPECT_EQ(outer.start, 0);
  EXPECT_EQ(outer.end, 7);     // x, mark, y, mark, row mark, a, cell mark
  EXPECT_EQ(s.CellAt(0), 1);   // cells in document order: the outer cell, then x, y, ...
  EXPECT_EQ(s.TableAt(0), 1);  // innermost
  EXPECT_EQ(s.TableAt(5), 0);  // "a" after the nested table
  EXPECT_EQ(s.CellAt(4), -1);  // the nested row's end mark belongs to no cell
  EXPECT_EQ(s.TableAt(4), 1);
  EXPECT_EQ(s.TableAt(s.Length() - 1), -1);
  EXPECT_EQ(s.Cells()[static_cast<size_t>(first.cells[1])].gridColumn, 1);
}

TEST(Story, MergedCellsKeepTheirGridColumns) {
  auto built = Build(
      "<w:tbl><w:tr><w:trPr><w:gridBefore w:val=\"1\"/></w:trPr><w:tc><w:tcPr><w:gridSpan "
      "w:val=\"2\"/><w:vMerge w:val=\"restart\"/></w:tcPr>" +
      P("a") + "</w:tc>" + Cell(P("b")) + "</w:tr><w:tr><w:tc><w:tcPr><w:vMerge/></w:tcPr>" +
      P("") + "</w:tc></w:tr></w:tbl>");
  const Story& s = built->story;
  ASSERT_EQ(s.Cells().size(), 3u);
  EXPECT_EQ(s.Cells()[0].gridColumn, 1);
  EXPECT_EQ(s.Cells()[0].gridSpan, 2);
  EXPECT_EQ(s.Cells()[0].vmerge, VerticalMerge::kRestart);
  EXPECT_EQ(s.Cells()[1].gridColumn, 3);
  EXPECT_EQ(s.Cells()[2].vmerge, VerticalMerge::kContinue);
}

TEST(Story, PositionsPastSixteenBitsMapBothWays) {
  const std::string longText(40000, 'a');
  auto built = Build(P(longText) + P("中文end"));
  const Story& s = built->story;
  EXPECT_EQ(s.Length(), 40000 + 1 + 5 + 1);
  const int32_t at = 40001 + 2;  // "e" of "end"
  EXPECT_EQ(s.TextOf(at, at + 3), "end");
  EXPECT_EQ(s.PositionAtTextOffset(s.TextOffsetAt(at)), at);
  EXPECT_EQ(s.TextOffsetAt(at), 40001u + 6u);  // two ideographs of three bytes each
  EXPECT_EQ(s.ParagraphAt(at), 1);
  EXPECT_EQ(s.ParagraphAt(39999), 0);
  EXPECT_EQ(s.ParagraphAt(40000), 0);  // the mark belongs to its paragraph
}

TEST(Story, SectionsEndAtTheirBreaksAndPagesStartAfterThem) {
  auto built = Build(
      "<w:p><w:pPr><w:sectPr/></w:pPr></w:p>"
      "<w:p><w:pPr><w:sectPr><w:type w:val=\"continuous\"/></w:sectPr></w:pPr>"
      "<w:r><w:t>ab</w:t></w:r></w:p>"
      "<w:p><w:r><w:t>c</w:t><w:br w:type=\"page\"/><w:lastRenderedPageBreak/><w:t>d</w:t>"
      "</w:r></w:p><w:sectPr><w:type w:val=\"nextPage\"/></w:sectPr>");
  const Story& s = built->story;
  ASSERT_EQ(s.Sections().size(), 3u);
  EXPECT_EQ(s.Sections()[0].end, 1);
  EXPECT_EQ(s.Sections()[1].start, 1);
  EXPECT_EQ(s.Sections()[1].end, 4);
  EXPECT_EQ(s.Sections()[2].end, s.Length());
  EXPECT_EQ(s.SectionAt(2), 1);
  // A section's own type says how it starts: the second runs on, the third starts a page; so
  // does the page break (and the break the word processor noted after it).
  EXPECT_EQ(s.PageStarts(), (std::vector<int32_t>{4, 6}));
}

TEST(Story, DeeplyNestedTablesAndContainersNeedNoRecursion) {
  constexpr int kDepth = 20000;
  std::string body;
  for (int i = 0; i < kDepth; ++i) body += "<w:tbl><w:tr><w:tc>";
  body += P("deep");
  for (int i = 0; i < kDepth; ++i) body += "</w:tc></w:tr></w:tbl>";
  std::string inline_ = "<w:p>";
  for (int i = 0; i < kDepth; ++i) inline_ += "<w:smartTag>";
  inline_ += "<w:r><w:t>x</w:t></w:r>";
  for (int i = 0; i < kDepth; ++i) inline_ += "</w:smartTag>";
  inline_ += "</w:p>";
  auto built = Build(body + inline_);
  const Story& s = built->story;
  EXPECT_EQ(s.Tables().size(), static_cast<size_t>(kDepth));
  EXPECT_EQ(s.Text().substr(0, 7), "deep\r\a\r");
  EXPECT_EQ(s.TableAt(0), kDepth - 1);
  EXPECT_EQ(s.Text().substr(s.Text().size() - 2), "x\r");
}

}  // namespace
}  // namespace word
