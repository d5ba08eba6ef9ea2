#include "platform/office/frontpage/document.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/office/frontpage/testing/pages.h"

namespace frontpage {
namespace {

using testing::OpenTestPage;
using testing::ParseUtf8;

// Every element's markup stands inside its parent's inner markup, and its own inner markup
// inside its outer markup.
void ExpectNestedMarkup(const Document& doc, const std::string& what) {
  for (const Element* el : doc.all()) {
    EXPECT_NE(el->outerHTML().find(el->innerHTML()), std::string_view::npos)
        << what << ": " << el->tagName() << " #" << el->sourceIndex();
    if (const Element* parent = el->parentElement()) {
      EXPECT_NE(parent->innerHTML().find(el->outerHTML()), std::string_view::npos)
          << what << ": " << el->tagName() << " #" << el->sourceIndex() << " in "
          << parent->tagName() << " #" << parent->sourceIndex() << "\n"
          << el->outerHTML() << "\n---\n"
          << parent->innerHTML();
    }
  }
}

TEST(Document, ChildMarkupStandsInsideParentMarkupOnEveryTestPage) {
  for (const char* name :
       {"editor_gbk.htm", "misnested_gbk.htm", "frames_gbk.htm", "plain_utf8.htm"}) {
    ExpectNestedMarkup(*OpenTestPage(name), name);
  }
  const char* snippets[] = {
      "<font><p>a</font>b</p>",
      "<b>1<p>2</b>3</p><i>x<div>y<i>z</div>",
      "<table><tr><td>1</td></tr>stray<tr><td>2</table>",
      "<p><font color=red>a<p>b<p>c</font>d",
      "<a href=x><div>block</a>after</div>",
      "<table><font>in table</font><tr><td>c</td></tr></table>",
      "</p></p><p>x</b></i>y",
  };
  for (const char* snippet : snippets) ExpectNestedMarkup(*ParseUtf8(snippet), snippet);
}

TEST(Document, UntouchedMarkupIsTheExactSourceSlice) {
  auto doc = OpenTestPage("editor_gbk.htm");
  const Element* font = doc->all().tags("font").at(0);
  ASSERT_NE(font, nullptr);
  EXPECT_EQ(font->outerHTML(),
            "<font face=\"黑体\" size=\"5\" color=\"#FF0000\" id=\"title\">欢迎光临</font>");
  EXPECT_EQ(font->innerHTML(), "欢迎光临");
  const Element* p = doc->all().tags("P").at(1);
  EXPECT_EQ(p->outerHTML(),
            "<P ALIGN=LEFT><FONT FACE=\"宋体\" SIZE=3>第二段<B>粗体</B>文字</FONT></P>");
  // An unclosed paragraph ends where the next one starts.
  auto loose = OpenTestPage("misnested_gbk.htm");
  const Element* first = loose->all().tags("p").at(1);
  EXPECT_EQ(first->outerHTML(), "<p>没有结束的段落一\n");
}

TEST(Document, SourceIndexIsThePlaceInDocumentOrder) {
  auto doc = OpenTestPage("editor_gbk.htm");
  const ElementList& all = doc->all();
  ASSERT_GT(all.length(), 50);
  EXPECT_EQ(all.at(0)->tagName(), "HTML");
  for (int32_t i = 0; i < all.length(); ++i) {
    const Element* el = all.at(i);
    EXPECT_EQ(el->sourceIndex(), i);
    // Descendants follow their ancestor directly, in the order of the children.
    int32_t next = i + 1;
    for (const Element* child : el->children()) {
      EXPECT_EQ(child->sourceIndex(), next);
      EXPECT_EQ(child->parentElement(), el);
      next = child->sourceIndex() + 1 + child->all().length();
    }
    EXPECT_EQ(el->all().length(), next - i - 1);
  }
  EXPECT_FALSE(all.item(all.length()));
  EXPECT_EQ(all.item(all.length()).error().code, kErrNoSuchItem);
  EXPECT_FALSE(all.item(-1));
}

TEST(Document, TagsFiltersWithoutRegardToCaseInDocumentOrder) {
  auto doc = OpenTestPage("editor_gbk.htm");
  const ElementList fonts = doc->all().tags("FoNt");
  ASSERT_EQ(fonts.length(), 5);  // the text box's font among them
  int32_t last = -1;
  for (const Element* f : fonts) {
    EXPECT_EQ(f->tagName(), "FONT");
    EXPECT_GT(f->sourceIndex(), last);
    last = f->sourceIndex();
  }
  EXPECT_EQ(doc->all().tags("table").at(0)->all().tags("td").length(), 7);
  EXPECT_EQ(doc->all().tags("nosuchtag").length(), 0);
}

TEST(Document, CollectionsHoldWhatTheBrowserPutsInThem) {
  auto doc = OpenTestPage("editor_gbk.htm");
  // The fallback pictures of the drawings are no images.
  EXPECT_EQ(doc->images().length(), 6);
  for (const Element* img : doc->images()) {
    EXPECT_EQ(img->getAttribute("v:shapes"), std::nullopt);
  }
  ASSERT_EQ(doc->anchors().length(), 1);
  EXPECT_EQ(doc->anchors().at(0)->Text("name").value_or(""), "top");
  // Links: anchors with an address and the map's areas, in document order.
  ASSERT_EQ(doc->links().length(), 4);
  EXPECT_EQ(doc->links().at(0)->tagName(), "AREA");
  EXPECT_EQ(doc->links().at(2)->tagName(), "A");
  EXPECT_EQ(doc->frames().length(), 1);
  ASSERT_NE(doc->body(), nullptr);
  EXPECT_EQ(doc->body()->tagName(), "BODY");
  auto frames = OpenTestPage("frames_gbk.htm");
  ASSERT_NE(frames->body(), nullptr);
  EXPECT_EQ(frames->body()->tagName(), "FRAMESET");
  EXPECT_EQ(frames->frames().length(), 2);
}

// Markup a hand or an older editor left misnested or unclosed, and the tree a reader of the
// browser's model expects from it.
TEST(Document, MisnestedAndUnclosedMarkupGivesTheExpectedTree) {
  struct Case {
    const char* name;
    const char* markup;
    const char* tag;        // the element looked at: the first of this tag
    const char* parentTag;  // its parent's tag
    const char* innerText;  // its shown text
    int32_t count;          // how many elements of that tag the page has
  };
  const Case cases[] = {
      {"font closed inside its paragraph stays one font, inside the paragraph",
       "<font face=x id=f><p>in</font>out</p>", "font", "P", "in", 1},
      {"the paragraph around it holds the text after the font", "<font face=x><p>in</font>out</p>",
       "p", "BODY", "inout", 1},
      {"an unclosed paragraph ends at the next", "<p>one<p>two<p>three", "p", "BODY", "one", 3},
      {"unclosed cells and rows", "<table><tr><td>a<td>b<tr><td>c</table>", "tr", "TBODY", "a\tb",
       2},
      {"unclosed cells end at the next cell", "<table><tr><td>a<td>b<tr><td>c</table>", "td", "TR",
       "a", 3},
      {"bold closed inside a paragraph keeps its text before it", "<b>1<p>2</b>3</p>", "b", "BODY",
       "1", 2},
      {"a font left open when the next paragraph begins stays one font, in that paragraph",
       "<p>二段<font id=f face=x><p align=center>错位</font>之后</p>", "font", "P", "错位", 1},
      {"a font left open with text of its own keeps it, its copy is a font of its own",
       "<p>二段<font id=f face=x>甲<p align=center>错位</font>之后</p>", "font", "P", "甲", 2},
      {"a table inside an unclosed paragraph stays inside it (no doctype)",
       "<p>text<table><tr><td>c</td></tr></table>", "table", "P", "c", 1},
      {"a stray end tag is ignored", "<p>a</font>b</p>", "p", "BODY", "ab", 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    auto doc = ParseUtf8(c.markup);
    const ElementList found = doc->all().tags(c.tag);
    ASSERT_EQ(found.length(), c.count);
    const Element* el = found.at(0);
    ASSERT_NE(el->parentElement(), nullptr);
    EXPECT_EQ(el->parentElement()->tagName(), c.parentTag);
    EXPECT_EQ(el->innerText(), c.innerText);
  }
}

TEST(Document, TheFontClosedInsideItsParagraphKeepsItsAttributesAndMarkup) {
  auto doc = OpenTestPage("misnested_gbk.htm");
  const ElementList fonts = doc->all().tags("font");
  ASSERT_EQ(fonts.length(), 1);
  const Element* font = fonts.at(0);
  EXPECT_EQ(font->id(), "wrap");
  EXPECT_EQ(font->Text("face").value_or(""), "宋体");
  EXPECT_EQ(font->parentElement()->Text("align").value_or(""), "center");
  EXPECT_EQ(font->outerHTML(), "<font face=\"宋体\" id=\"wrap\">居中文字</font>");
  EXPECT_EQ(font->parentElement()->innerText(), "居中文字后面的文字");
}

TEST(Document, DrawingObjectsAreElementsOfTheirOwn) {
  auto doc = OpenTestPage("editor_gbk.htm");
  const ElementList drawings = doc->all().tags("xxxxescher");
  ASSERT_EQ(drawings.length(), 2);

  const Element* art = drawings.at(0);
  EXPECT_EQ(art->tagName(), "xxxxescher");
  EXPECT_EQ(art->parentElement()->tagName(), "P");
  EXPECT_TRUE(art->outerHTML().starts_with("<v:shape id=\"_x0000_s1025\""));
  EXPECT_TRUE(art->outerHTML().ends_with("</v:shape>"));
  EXPECT_NE(art->outerHTML().find("string=\"欢迎来到我的网站\""), std::string_view::npos);
  EXPECT_NE(art->outerHTML().find("<v:shadow on=\"t\" color=\"#B2B2B2\""), std::string_view::npos);
  // The shape type before it is no drawing, and the fallback picture after it no element.
  EXPECT_EQ(art->outerHTML().find("v:shapetype"), std::string_view::npos);
  EXPECT_TRUE(art->children().empty());
  EXPECT_EQ(art->parentElement()->children().length(), 1);
  EXPECT_EQ(art->innerText(), "");

  const Element* box = drawings.at(1);
  EXPECT_NE(box->outerHTML().find("<v:textbox>"), std::string_view::npos);
  EXPECT_EQ(box->innerText(), "文本框内容");
  const ElementList fonts = box->all().tags("font");
  ASSERT_EQ(fonts.length(), 1);
  EXPECT_EQ(fonts.at(0)->Text("face").value_or(""), "隶书");
  EXPECT_EQ(fonts.at(0)->parentElement()->tagName(), "P");
  EXPECT_EQ(box->children().at(0)->tagName(), "DIV");
  // Elements in the box are in document order with the rest.
  EXPECT_EQ(box->children().at(0)->sourceIndex(), box->sourceIndex() + 1);
}

TEST(Document, VectorMarkupOutsideConditionalBlocksAndUnclosedShapes) {
  auto doc = ParseUtf8(
      "<p>a<v:oval style='width:10pt' fillcolor=red/>b</p>"
      "<p><v:rect id=r1><v:fill type=solid/></v:rect><v:roundrect>never closed</p>");
  const ElementList drawings = doc->all().tags("xxxxescher");
  ASSERT_EQ(drawings.length(), 3);
  EXPECT_EQ(drawings.at(0)->outerHTML(), "<v:oval style='width:10pt' fillcolor=red/>");
  EXPECT_EQ(drawings.at(1)->outerHTML(), "<v:rect id=r1><v:fill type=solid/></v:rect>");
  EXPECT_EQ(drawings.at(2)->outerHTML(), "<v:roundrect>");
  EXPECT_EQ(doc->all().tags("p").at(0)->innerText(), "ab");
  ExpectNestedMarkup(*doc, "vector markup");
}

TEST(Document, ShownTextFollowsTheBrowsersRules) {
  struct Case {
    const char* name;
    const char* markup;
    const char* tag;
    const char* text;
  };
  const Case cases[] = {
      {"blanks collapse and ends are trimmed", "<p>  a \r\n  b\t c  </p>", "p", "a b c"},
      {"a line break", "<p>one<br>two<br><br>three</p>", "p", "one\r\ntwo\r\n\r\nthree"},
      {"paragraphs and blocks on lines of their own", "<div><p>a</p><p>b</p>c<div>d</div></div>",
       "div", "a\r\nb\r\nc\r\nd"},
      {"a table: cells apart by a tab, rows on lines",
       "<table><tr><td>a</td><td> b </td></tr><tr><td>c</td><td>d</td></tr></table>", "table",
       "a\tb\r\nc\td"},
      {"script and style are not shown", "<p>a<script>var x;</script><style>p{}</style>b</p>", "p",
       "ab"},
      {"entities are decoded", "<p>a&amp;b&lt;c&nbsp;d</p>", "p", "a&b<c\u00A0d"},
      {"preformatted text keeps its blanks", "<pre>a  b\nc</pre>", "pre", "a  b\r\nc"},
      {"inline elements join", "<p><b>bo</b><i>ld</i> <u>x</u></p>", "p", "bold x"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    auto doc = ParseUtf8(c.markup);
    const Element* el = doc->all().tags(c.tag).at(0);
    ASSERT_NE(el, nullptr);
    EXPECT_EQ(el->innerText(), c.text);
    EXPECT_EQ(el->outerText(), c.text);
  }
}

TEST(Document, RowAndCellIndexesCountRowsAndCellsNotGridColumns) {
  auto doc = OpenTestPage("editor_gbk.htm");
  const Element* table = doc->all().tags("table").at(0);
  base::Result<ElementList> rows = table->rows();
  ASSERT_TRUE(rows);
  ASSERT_EQ(rows->length(), 3);
  const Element* second = rows->at(1);
  EXPECT_EQ(*second->rowIndex(), 1);
  base::Result<ElementList> cells = second->cells();
  ASSERT_TRUE(cells);
  // The first row's first cell spans two rows: the second row still counts its cells from 0.
  ASSERT_EQ(cells->length(), 2);
  EXPECT_EQ(cells->at(1)->innerText(), "丁");
  EXPECT_EQ(*cells->at(1)->cellIndex(), 1);
  const Element* first = rows->at(0)->cells()->at(0);
  EXPECT_EQ(first->Property("rowSpan")->number, 2);
  const Element* spanning = rows->at(0)->cells()->at(1);
  EXPECT_EQ(spanning->Property("colSpan")->number, 2);
  EXPECT_EQ(*spanning->cellIndex(), 1);
  EXPECT_EQ(rows->at(2)->cells()->length(), 3);
  EXPECT_EQ(*rows->at(2)->rowIndex(), 2);
  EXPECT_EQ(rows->at(2)->Property("rowIndex")->number, 2);
  // Members of other kinds fail as the object model does.
  EXPECT_FALSE(table->cells());
  EXPECT_FALSE(first->rows());
  EXPECT_EQ(first->rowIndex().error().code, kErrNoSuchProperty);
}

TEST(Document, NestedTablesKeepTheirRowsApart) {
  auto doc = ParseUtf8(
      "<table id=outer><thead><tr><td>h</td></tr></thead><tr><td>"
      "<table id=inner><tr><td>i1</td></tr><tr><td>i2</td></tr></table>"
      "</td></tr><tfoot><tr><td>f</td></tr></tfoot></table><tr>no table</tr>");
  const ElementList tables = doc->all().tags("table");
  EXPECT_EQ(tables.at(0)->rows()->length(), 3);
  EXPECT_EQ(tables.at(1)->rows()->length(), 2);
  EXPECT_EQ(*tables.at(1)->rows()->at(1)->rowIndex(), 1);
}

TEST(Document, DeepNestingIsReadWithoutRecursionUpToTheCap) {
  std::string markup;
  for (int i = 0; i < 250; ++i) markup += "<div><b>";
  markup += "deep";
  auto doc = ParseUtf8(markup);
  EXPECT_EQ(doc->all().at(0)->innerText(), "deep");
  EXPECT_GT(doc->all().length(), 500);
  EXPECT_EQ(doc->all().at(doc->all().length() - 1)->innerText(), "deep");
  EXPECT_EQ(doc->body()->outerHTML(), markup);
  ExpectNestedMarkup(*doc, "deep");

  std::string deeper;
  for (int i = 0; i < 100000; ++i) deeper += "<div>";
  base::Result<std::unique_ptr<Document>> refused = Document::Parse(deeper);
  ASSERT_FALSE(refused);
  EXPECT_EQ(refused.error().code, kErrUnreadable);
  EXPECT_NE(refused.error().message.find("nest deeper"), std::string::npos);
  // Nor inside a text box, which is parsed on its own.
  const std::string box = "<v:shape><v:textbox>" + deeper + "</v:textbox></v:shape>";
  EXPECT_FALSE(Document::Parse(box));
}

// Markup the nesting estimate once read apart from the parser, each followed by deep nesting.
TEST(Document, NestingHiddenFromTheEstimateIsStillRefused) {
  std::string divs;
  for (int i = 0; i < 600; ++i) divs += "<div>";
  auto repeat = [](std::string_view piece, int times) {
    std::string out;
    for (int i = 0; i < times; ++i) out += piece;
    return out;
  };
  const struct {
    const char* name;
    std::string page;
  } cases[] = {
      {"noscript is no raw text to a parser without scripts", "<noscript>" + divs},
      {"<!--> is a whole comment", "<!-->" + divs + "-->"},
      {"<!---> is a whole comment", "<!--->" + divs + "-->"},
      {"a longer name is no raw-text element", "<textareax>" + divs + "</textareax>"},
      {"nor is one that shares eight letters", "<plaintextx>" + divs},
      {"a quoted '>' does not end a tag", "<p title='>' <!--'>" + divs + "-->"},
      {"a list box ignores raw-text tags", "<select><xmp></select>" + divs + "</xmp>"},
      {"a formatting end tag does not close a block", repeat("<font><div></font>", 600)},
      {"closed formatting is opened again", repeat("<div><b a=1><i a=2></div>x", 600)},
      {"a cell's end closes no division outside its table",
       repeat("<div><table><tr><td></div>", 200)},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    base::Result<std::unique_ptr<Document>> refused = Document::Parse(c.page);
    ASSERT_FALSE(refused) << (*refused)->all().length() << " elements";
    EXPECT_EQ(refused.error().code, kErrUnreadable);
    EXPECT_NE(refused.error().message.find("nest deeper"), std::string::npos);
  }
}

// Formatting elements left open are copied again at every run of text: a small page makes
// forty elements per "<div>x</div>" and is refused once gumbo's memory passes its budget, while
// the same page with the formatting closed is read.
TEST(Document, FormattingCopiedAtEveryTextIsRefusedPastTheParsersBudget) {
  std::string open, close;
  for (const char* tag : {"b", "i", "u", "s", "em", "strong", "font", "big", "small", "tt",
                          "strike", "code", "nobr"}) {
    open += "<" + std::string(tag) + ">";
    close = "</" + std::string(tag) + ">" + close;
  }
  std::string texts;
  for (int i = 0; i < 3000; ++i) texts += "<div>x</div>";
  base::Result<std::unique_ptr<Document>> refused =
      Document::Parse("<div>" + open + open + open + "</div>" + texts);
  ASSERT_FALSE(refused) << (*refused)->all().length() << " elements";
  EXPECT_EQ(refused.error().code, kErrUnreadable);
  EXPECT_NE(refused.error().message.find("more elements"), std::string::npos);

  base::Result<std::unique_ptr<Document>> read =
      Document::Parse("<div>" + open + close + "</div>" + texts);
  ASSERT_TRUE(read) << read.error().message;
  EXPECT_EQ((*read)->all().length(), 3 + 1 + 13 + 3000);
}

TEST(Document, EmptyAndOddInputStillGivesATree) {
  for (std::string_view bytes :
       {std::string_view(""), std::string_view("\0\0\0", 3), std::string_view("<"),
        std::string_view("\xFF\xFE<\0p\0>\0"), std::string_view("<!--"),
        std::string_view("<![if !vml]><img src=x>"), std::string_view("<v:shape")}) {
    base::Result<std::unique_ptr<Document>> doc = Document::Parse(bytes);
    ASSERT_TRUE(doc);
    ASSERT_GE((*doc)->all().length(), 1);
    EXPECT_EQ((*doc)->all().at(0)->tagName(), "HTML");
    ExpectNestedMarkup(**doc, "odd input");
  }
}

}  // namespace
}  // namespace frontpage
