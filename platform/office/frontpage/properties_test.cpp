#include <gtest/gtest.h>

#include <string>

#include "platform/office/frontpage/document.h"
#include "platform/office/frontpage/testing/pages.h"

namespace frontpage {
namespace {

using testing::OpenTestPage;
using testing::ParseUtf8;

const Element* First(const Document& doc, std::string_view tag, int32_t index = 0) {
  const Element* el = doc.all().tags(tag).at(index);
  EXPECT_NE(el, nullptr) << tag;
  return el;
}

// Each row: an element of the editor-style test page, a property name as a check spells it, and
// what the model answers: text (as written, or the default) or a number.
TEST(Properties, TypedPerTagAsWrittenWithDefaults) {
  auto doc = OpenTestPage("editor_gbk.htm");
  struct Case {
    const char* tag;
    int32_t index;
    const char* name;
    bool isNumber;
    const char* text;
    int32_t number;
  };
  const Case cases[] = {
      {"font", 0, "color", false, "#ff0000", 0},  // written "#FF0000"
      {"font", 0, "SIZE", false, "5", 0},
      {"font", 0, "face", false, "黑体", 0},
      {"font", 1, "color", false, "", 0},  // unset: empty text
      {"p", 0, "align", false, "center", 0},
      {"p", 1, "Align", false, "LEFT", 0},  // as written
      {"img", 0, "border", false, "0", 0},
      {"img", 0, "hspace", true, "", 5},
      {"img", 0, "vspace", true, "", 0},
      {"img", 1, "width", true, "", 50},  // written "50%": its number
      {"img", 1, "height", true, "", 20},
      {"img", 1, "useMap", false, "#fpmap0", 0},
      {"img", 1, "src", false, "images/logo.png", 0},
      {"map", 0, "Name", false, "fpmap0", 0},
      {"area", 0, "shape", false, "rect", 0},
      {"area", 0, "coords", false, "10, 20, 110, 70", 0},
      {"a", 1, "href", false, "page2.htm", 0},  // as written, not resolved
      {"a", 1, "target", false, "_blank", 0},
      {"a", 0, "name", false, "top", 0},
      {"hr", 0, "width", false, "80%", 0},
      {"hr", 0, "size", false, "3", 0},
      {"hr", 1, "align", false, "", 0},
      {"bgsound", 0, "loop", true, "", 3},
      {"bgsound", 0, "src", false, "music/bg.mid", 0},
      {"marquee", 0, "width", false, "300", 0},
      {"marquee", 0, "behavior", false, "alternate", 0},
      {"marquee", 0, "scrollAmount", true, "", 3},
      {"marquee", 1, "direction", false, "left", 0},
      {"marquee", 1, "behavior", false, "scroll", 0},
      {"marquee", 1, "loop", true, "", -1},
      {"marquee", 1, "scrollAmount", true, "", 6},
      {"marquee", 1, "scrollDelay", true, "", 85},
      {"table", 0, "width", false, "80%", 0},
      {"table", 0, "border", false, "1", 0},
      {"table", 0, "borderColor", false, "#000000", 0},
      {"table", 0, "borderColorLight", false, "", 0},
      {"table", 0, "cellPadding", false, "2", 0},
      {"table", 0, "cellSpacing", false, "0", 0},
      {"td", 0, "width", false, "50%", 0},
      {"td", 0, "rowSpan", true, "", 2},
      {"td", 1, "colSpan", true, "", 2},
      {"td", 2, "colSpan", true, "", 1},
      {"td", 1, "vAlign", false, "top", 0},
      {"td", 1, "bgColor", false, "#ff0000", 0},
      {"td", 3, "cellIndex", true, "", 1},
      {"iframe", 0, "name", false, "side", 0},
      {"iframe", 0, "scrolling", false, "no", 0},
      {"meta", 1, "httpEquiv", false, "Content-Type", 0},
      {"meta", 1, "content", false, "text/html; charset=gb2312", 0},
      {"meta", 2, "name", false, "GENERATOR", 0},
      {"meta", 2, "charset", false, "", 0},
      {"base", 0, "target", false, "main", 0},
      {"body", 0, "background", false, "images/banner.gif", 0},
      {"p", 10, "id", false, "last", 0},
      {"p", 0, "id", false, "", 0},
      {"p", 0, "tagName", false, "P", 0},
      {"font", 0, "sourceIndex", true, "", 11},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.tag) + "[" + std::to_string(c.index) + "]." + c.name);
    const Element* el = First(*doc, c.tag, c.index);
    ASSERT_NE(el, nullptr);
    base::Result<PropertyValue> value = el->Property(c.name);
    ASSERT_TRUE(value) << value.error().message;
    EXPECT_EQ(value->isNumber, c.isNumber);
    if (c.isNumber) {
      EXPECT_EQ(value->number, c.number);
      EXPECT_EQ(value->ToText(), std::to_string(c.number));
    } else {
      EXPECT_EQ(value->text, c.text);
    }
  }
}

TEST(Properties, WrittenButUnknownAttributesAreExpandosOthersFail) {
  auto doc = ParseUtf8(
      "<p align=center data-x=1 Foo=\"Bar\">t</p><img src=a.gif><frame name=f><span>s</span>");
  const Element* p = First(*doc, "p");
  EXPECT_EQ(p->Text("foo").value_or("?"), "Bar");
  EXPECT_EQ(p->Text("data-x").value_or("?"), "1");
  base::Result<PropertyValue> missing = p->Property("colSpan");
  ASSERT_FALSE(missing);
  EXPECT_EQ(missing.error().code, kErrNoSuchProperty);
  EXPECT_NE(missing.error().message.find("P.colSpan"), std::string::npos);
  // A property of one kind is not offered by another.
  EXPECT_FALSE(First(*doc, "span")->Property("align"));
  EXPECT_FALSE(First(*doc, "img")->Property("scrollDelay"));
  // A header cell is a cell.
  auto table = ParseUtf8("<table><tr><th colspan=2 align=left>h</th><th>i</th></tr></table>");
  EXPECT_EQ(First(*table, "th")->Property("colSpan")->number, 2);
  EXPECT_EQ(First(*table, "th", 1)->Property("rowSpan")->number, 1);
  EXPECT_EQ(*First(*table, "th", 1)->cellIndex(), 1);
  // Every element has the common ones.
  EXPECT_EQ(First(*doc, "span")->Text("className").value_or("?"), "");
  EXPECT_EQ(First(*doc, "span")->Text("innerText").value_or("?"), "s");
  EXPECT_EQ(First(*doc, "span")->Text("outerHTML").value_or("?"), "<span>s</span>");
}

TEST(Properties, ImagesTakeTheirNaturalSizeFromThePictureFile) {
  auto doc = OpenTestPage("editor_gbk.htm");
  struct Case {
    const char* id;
    int32_t width, height;
  };
  const Case cases[] = {
      {"pic1", 120, 45},    // GIF
      {"photo", 200, 100},  // JPEG
      {"icon", 33, 17},     // BMP, written with a backslash
      {"gone", 0, 0},       // no such file
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.id);
    const Element* img = nullptr;
    for (const Element* candidate : doc->images()) {
      if (candidate->id() == c.id) img = candidate;
    }
    ASSERT_NE(img, nullptr);
    EXPECT_EQ(img->Property("width")->number, c.width);
    EXPECT_EQ(img->Property("height")->number, c.height);
  }
  // The PNG in the table, with nothing written.
  const Element* inCell = First(*doc, "td", 3)->all().tags("img").at(0);
  EXPECT_EQ(inCell->Property("width")->number, 64);
  EXPECT_EQ(inCell->Property("height")->number, 32);
  // Only its own images.
  auto other = ParseUtf8("<p>x</p>");
  EXPECT_EQ(other->NaturalSize(*inCell).width, 0);
  EXPECT_EQ(doc->NaturalSize(*First(*doc, "p")).width, 0);
}

TEST(Properties, ImageHrefIsTheResolvedAddress) {
  auto doc = Document::Parse("<img src=\"images/../images/a%20b.gif\"><img src=\"http://x/y.gif\">",
                             "C:\\exam\\Fropkt\\index.htm");
  ASSERT_TRUE(doc);
  EXPECT_EQ((*doc)->images().at(0)->Text("href").value_or(""),
            "file:///C:/exam/Fropkt/images/a%20b.gif");
  EXPECT_EQ((*doc)->images().at(1)->Text("href").value_or(""), "http://x/y.gif");
  EXPECT_EQ((*doc)->Property("URL")->text, "file:///C:/exam/Fropkt/index.htm");
}

TEST(Properties, DocumentMembersAsWrittenOrTheBrowsersDefaults) {
  auto doc = OpenTestPage("editor_gbk.htm");
  EXPECT_EQ(doc->title(), "我的 主页");
  EXPECT_EQ(doc->bgColor(), "#ffffcc");  // written "#FFFFCC"
  EXPECT_EQ(doc->fgColor(), "#000080");
  EXPECT_EQ(doc->linkColor(), "#0000ff");
  EXPECT_EQ(doc->vlinkColor(), "#800080");
  EXPECT_EQ(doc->alinkColor(), "#ff0000");
  EXPECT_EQ(doc->Property("ALINKCOLOR")->text, "#ff0000");
  EXPECT_EQ(doc->Property("Title")->text, "我的 主页");
  EXPECT_FALSE(doc->Property("nosuch"));

  auto bare = ParseUtf8("<title>  a \n b </title><p>x");
  EXPECT_EQ(bare->title(), "a b");
  EXPECT_EQ(bare->bgColor(), "#ffffff");
  EXPECT_EQ(bare->fgColor(), "#000000");
  EXPECT_EQ(bare->linkColor(), "#0000ff");
  EXPECT_EQ(bare->vlinkColor(), "#800080");
  EXPECT_EQ(bare->alinkColor(), "#0000ff");
  EXPECT_EQ(bare->body()->Text("background").value_or("?"), "");
}

// A colour attribute reads as the browser answered it: "#rrggbb" in lower case, whatever way it
// was written; text that names no colour is made one hex digit at a time.
TEST(Properties, ColoursReadByTheLegacyColourRules) {
  struct Case {
    const char* written;
    const char* read;
  };
  const Case cases[] = {
      {"yellow", "#ffff00"},
      {"Red", "#ff0000"},
      {" LightGoldenRodYellow\t", "#fafad2"},
      {"grey", "#808080"},
      {"#FF00cc", "#ff00cc"},
      {"ff00cc", "#ff00cc"},
      {"#F0C", "#ff00cc"},  // #rgb
      {"F0C", "#0f000c"},   // without "#" one digit per component
      {"#1234", "#123400"},
      {"chucknorris", "#c00000"},
      {"#ff000", "#ff0000"},  // padded to a multiple of three
      {"red ", "#ff0000"},
      {"黄色", "#000000"},
      {"#123456789abc", "#12569a"},                       // four digits each, two kept
      {"0012340056780090ab", "#125690"},                  // zeros in front dropped
      {"0000000000000000000000000000abcdef", "#0000ab"},  // the last eight digits each
      {"   ", "#000000"},
      {"", ""},             // no colour: as if not written
      {"transparent", ""},  // no colour either
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.written);
    auto doc = ParseUtf8(std::string("<font color=\"") + c.written + "\">x</font>");
    EXPECT_EQ(First(*doc, "font")->Text("color").value_or("?"), c.read);
  }
}

// Every colour property, of the document and of each element kind, reads the same way.
TEST(Properties, EveryColourPropertyIsNormalised) {
  auto doc = ParseUtf8(
      "<body bgcolor=yellow text=Navy link=RED vlink=#ABCDEF alink=\"fuchsia\">"
      "<table bgcolor=Silver bordercolor=red bordercolorlight=WHITE bordercolordark=black>"
      "<tr bgcolor=Lime bordercolor=blue><td bgcolor=aqua bordercolor=gray "
      "bordercolorlight=teal bordercolordark=Maroon>c</td></tr></table>"
      "<hr color=Green><marquee bgcolor=Orange>m</marquee><p color=red>an expando</p>");
  EXPECT_EQ(doc->bgColor(), "#ffff00");
  EXPECT_EQ(doc->fgColor(), "#000080");
  EXPECT_EQ(doc->linkColor(), "#ff0000");
  EXPECT_EQ(doc->vlinkColor(), "#abcdef");
  EXPECT_EQ(doc->alinkColor(), "#ff00ff");
  EXPECT_EQ(doc->Property("bgColor")->text, "#ffff00");
  struct Case {
    const char* tag;
    const char* name;
    const char* read;
  };
  const Case cases[] = {
      {"body", "bgColor", "#ffff00"},
      {"body", "text", "#000080"},
      {"body", "link", "#ff0000"},
      {"body", "vLink", "#abcdef"},
      {"body", "aLink", "#ff00ff"},
      {"table", "bgColor", "#c0c0c0"},
      {"table", "borderColor", "#ff0000"},
      {"table", "borderColorLight", "#ffffff"},
      {"table", "borderColorDark", "#000000"},
      {"tr", "bgColor", "#00ff00"},
      {"tr", "borderColor", "#0000ff"},
      {"td", "bgColor", "#00ffff"},
      {"td", "borderColor", "#808080"},
      {"td", "borderColorLight", "#008080"},
      {"td", "borderColorDark", "#800000"},
      {"hr", "color", "#008000"},
      {"marquee", "bgColor", "#ffa500"},
      {"p", "color", "red"},  // not a colour property of a paragraph: its text as written
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.tag) + "." + c.name);
    EXPECT_EQ(First(*doc, c.tag)->Text(c.name).value_or("?"), c.read);
  }
  // A body colour that gives none reads as unset.
  EXPECT_EQ(ParseUtf8("<body bgcolor=\"\" link=transparent>x")->bgColor(), "#ffffff");
  EXPECT_EQ(ParseUtf8("<body bgcolor=\"\" link=transparent>x")->linkColor(), "#0000ff");
}

TEST(Properties, FramesPageMembers) {
  auto doc = OpenTestPage("frames_gbk.htm");
  const Element* frameset = First(*doc, "frameset");
  EXPECT_EQ(frameset->Text("cols").value_or(""), "30%,70%");
  const Element* main = First(*doc, "frame", 1);
  EXPECT_EQ(main->Text("Name").value_or(""), "MAIN");
  EXPECT_EQ(main->Text("src").value_or(""), "right.htm");
  EXPECT_EQ(main->Text("scrolling").value_or(""), "auto");  // unset
  EXPECT_EQ(First(*doc, "frame")->Text("scrolling").value_or(""), "no");
  EXPECT_EQ(doc->title(), "框架网页");
}

}  // namespace
}  // namespace frontpage
