// The table keywords over small pages: each case a rule and its verdict.
#include "grading/webmark/checks/table.h"

#include <gtest/gtest.h>

#include "grading/webmark/testing/page_under_test.h"
#include "grading/webmark/testing/rule_cases.h"

namespace webmark {
namespace {

using testing::ExpectRuleCases;

constexpr std::string_view kTables =
    "<html><head><meta charset=utf-8></head><body link=\"#00ff00\">\n"
    "<p>one</p><p>two</p>\n"
    "<center><table id=centred width=\"80%\" border=1 bordercolor=red bgcolor=#ffffcc "
    "cellpadding=2 cellspacing=0 style=\"BORDER-COLLAPSE: collapse\">"
    "<tr><td>a</td><td>b</td><td style=\"color:blue\">c</td></tr><tr><td>d</td></tr></table>"
    "</center>\n"
    "<div align=left><table id=lefty align=right><tr><td colspan=3>wide</td></tr></table></div>\n"
    "<p>three</p>\n"
    "<table id=plain><tr><td style=\"width:5\">x</td></tr></table>\n"
    "<table id=empty></table>\n"
    "<table id=plain><tr><td>second of the id</td></tr></table>\n"
    "</body></html>\n";

TEST(TableKeyword, RulesOverAPage) {
  ExpectRuleCases(
      kTables,
      {
          {"found by id in any case", {"Table", "CENTRED"}, {}, true},
          {"no table of that id", {"Table", "none"}, {}, false},
          {"line among the paragraphs", {"Table", "centred"}, {"ATLINE", "3"}, true},
          {"other line", {"Table", "plain"}, {"ATLINE", "3"}, false},
          {"line after three paragraphs", {"Table", "plain"}, {"ATLINE", "4"}, true},
          {"line not a number", {"Table", "plain"}, {"ATLINE", "x"}, false},
          {"centred by its container", {"Table", "centred"}, {"ALIGN", "Center"}, true},
          {"centred in the body", {"Table", "plain"}, {"PALIGN", "center"}, true},
          {"centre in a left div", {"Table", "lefty"}, {"ALIGN", "center"}, false},
          {"container's left", {"Table", "lefty"}, {"PALIGN", "LEFT"}, true},
          {"own align is not read", {"Table", "lefty"}, {"ALIGN", "right"}, false},
          {"attributes as text",
           {"Table", "centred"},
           {"width", "80%", "border", "1", "bordercolor", "#FF0000", "bgcolor", "#FFFFCC",
            "cellpadding", "2", "cellspacing", "0"},
           true},
          {"unset height", {"Table", "centred"}, {"height", ""}, true},
          {"other width", {"Table", "centred"}, {"width", "80"}, false},
          {"rows", {"Table", "centred"}, {"rows", "2"}, true},
          {"other rows", {"Table", "centred"}, {"rows", "3"}, false},
          {"cols by cells", {"Table", "centred"}, {"cols", "3"}, true},
          {"cols by colspan", {"Table", "lefty"}, {"cols", "3"}, true},
          {"cols neither", {"Table", "lefty"}, {"cols", "2"}, false},
          {"cols of an empty table", {"Table", "empty"}, {"cols", "0"}, false},
          {"style holds", {"Table", "centred"}, {"STYLEHAVE", "border-collapse"}, true},
          {"style of a cell is not the table's", {"Table", "plain"}, {"STYLEHAVE", "width"}, false},
          {"position condition", {"Table", "centred"}, {"MARKOBJ", "t"}, true},
          {"unknown key",
           {"Table", "centred"},
           {"summary", "x"},
           false,
           "(0)答案文件有错，关键字：[GeneralCheck]summary=x"},
      });
}

constexpr std::string_view kCells =
    "<html><head><meta charset=utf-8></head><body link=\"#00FF00\">\n"
    "<table id=Grid>\n"
    "<tr><td rowspan=2 align=center valign=top width=100 bgcolor=#ff0000>tall</td>"
    "<td colspan=2><p align=right><font face=\"黑体\" size=4 color=#123456>Big <b>bold</b> "
    "text</font></p></td></tr>\n"
    "<tr><td><img src=\"a.gif\"><img src=\"A.GIF\"></td><td><a href=x.htm>a link</a></td></tr>\n"
    "<tr><td><font size=2><i>plain</i></font></td><td><a href=y.htm><font>fontless</font></a>"
    "</td><td colspan=wide><u>under</u></td></tr>\n"
    "</table>\n"
    "<table id=grid><tr><td>never read</td></tr></table>\n"
    "</body></html>\n";

TEST(TableCellKeyword, RulesOverAPage) {
  ExpectRuleCases(
      kCells,
      {
          {"first cell", {"TableCell", "grid", "0", "0"}, {"ISTEXT", "TALL"}, true},
          {"second table of the id never read",
           {"TableCell", "grid", "0", "0"},
           {"ISTEXT", "never read"},
           false},
          {"no table", {"TableCell", "none", "0", "0"}, {}, false},
          {"missing indexes",
           {"TableCell", "grid", "0"},
           {},
           false,
           "答案文件有错，缺少对象描述参数。关键字：TableCell"},
          {"missing indexes of a missing table", {"TableCell", "none", "0"}, {}, false},
          {"row index at the row count", {"TableCell", "grid", "3", "0"}, {}, false},
          {"cell index at the cell count", {"TableCell", "grid", "1", "2"}, {}, false},
          {"index not a number", {"TableCell", "grid", "first", "0"}, {}, false},
          {"negative index", {"TableCell", "grid", "-1", "0"}, {}, false},
          {"cells of a row below a row span",
           {"TableCell", "grid", "1", "0"},
           {"HAVEIMAGE", "no", "cols", "2"},
           true},
          {"alignment and size",
           {"TableCell", "grid", "0", "0"},
           {"align", "CENTER", "valign", "top", "width", "100", "bgcolor", "#FF0000"},
           true},
          {"unset height", {"TableCell", "grid", "0", "0"}, {"height", ""}, true},
          {"spans",
           {"TableCell", "grid", "0", "1"},
           {"colspan", "2", "rowspan", "1", "rows", "3", "cols", "2"},
           true},
          {"other span", {"TableCell", "grid", "0", "0"}, {"rowspan", "1"}, false},
          {"span not a number", {"TableCell", "grid", "0", "0"}, {"rowspan", "two"}, false},
          {"image counts",
           {"TableCell", "grid", "1", "0"},
           {"IMAGECNTNE", "0", "IMAGECNTEQ", "2", "ISIMAGE", "a.gif"},
           true},
          {"no image", {"TableCell", "grid", "0", "0"}, {"HAVEIMAGE", "yes"}, false},
          {"other image count", {"TableCell", "grid", "1", "0"}, {"IMAGECNTEQ", "1"}, false},
          {"other image", {"TableCell", "grid", "1", "0"}, {"ISIMAGE", "b.gif"}, false},
          {"text held", {"TableCell", "grid", "0", "1"}, {"HAVETEXT", "BOLD"}, true},
          {"whole text", {"TableCell", "grid", "0", "1"}, {"ISTEXT", "bold"}, false},
          {"paragraph align", {"TableCell", "grid", "0", "1"}, {"PALIGN", "right"}, true},
          {"cell's own align first", {"TableCell", "grid", "0", "0"}, {"PALIGN", "center"}, true},
          {"no paragraph", {"TableCell", "grid", "1", "1"}, {"PALIGN", "left"}, false},
          {"font face", {"TableCell", "grid", "0", "1"}, {"FONTFACE", "黑体"}, true},
          {"default face", {"TableCell", "grid", "1", "1"}, {"FONTFACE", "宋体"}, true},
          {"other than the default", {"TableCell", "grid", "1", "1"}, {"FONTFACE", "黑体"}, false},
          {"font size", {"TableCell", "grid", "0", "1"}, {"FONTSIZE", "4"}, true},
          {"no size", {"TableCell", "grid", "1", "1"}, {"FONTSIZE", ""}, false},
          {"font colour", {"TableCell", "grid", "0", "1"}, {"FONTCOLOR", "#123456"}, true},
          {"link colour", {"TableCell", "grid", "1", "1"}, {"FONTCOLOR", "#00ff00"}, true},
          {"other than the link colour",
           {"TableCell", "grid", "1", "1"},
           {"FONTCOLOR", "#0000ff"},
           false},
          {"a font without colour is compared",
           {"TableCell", "grid", "2", "1"},
           {"FONTCOLOR", ""},
           true},
          {"no font and no link", {"TableCell", "grid", "1", "0"}, {"FONTCOLOR", ""}, false},
          {"bold at any depth", {"TableCell", "grid", "0", "1"}, {"FONTBOLD", "true"}, true},
          {"not bold", {"TableCell", "grid", "0", "1"}, {"FONTBOLD", "FALSE"}, false},
          {"bold asked of none", {"TableCell", "grid", "2", "0"}, {"FONTBOLD", "TRUE"}, false},
          {"italic and underline",
           {"TableCell", "grid", "2", "0"},
           {"FONTITALIC", "TRUE", "FONTUNDERLINE", "FALSE"},
           true},
          {"underline", {"TableCell", "grid", "2", "2"}, {"FONTUNDERLINE", "TRUE"}, true},
          {"span written without a number",
           {"TableCell", "grid", "2", "2"},
           {"colspan", "1"},
           true},
          // Any other value asks nothing: it passes whatever the cell holds.
          {"bold neither true nor false",
           {"TableCell", "grid", "0", "1"},
           {"FONTBOLD", "yes"},
           true},
          {"italic neither true nor false, none there",
           {"TableCell", "grid", "0", "1"},
           {"FONTITALIC", "", "FONTUNDERLINE", "1"},
           true},
          {"position conditions",
           {"TableCell", "grid", "2", "1"},
           {"rowindex", "%LASTROW%", "tableid", "grid"},
           true},
          {"unknown key",
           {"TableCell", "grid", "0", "0"},
           {"nowrap", "x"},
           false,
           "(0)答案文件有错，关键字：[GeneralCheck]nowrap=x"},
      });
}

TEST(TableKeywords, UnclosedAndNestedMarkupOfAnEditorPage) {
  struct Case {
    const char* name;
    std::vector<std::string> object;
    std::vector<std::string> conditions;
    bool passed;
  } cases[] = {
      {"rows and cols", {"Table", "outer"}, {"rows", "4", "cols", "2", "border", "1"}, true},
      {"line after the misnested paragraphs", {"Table", "outer"}, {"ATLINE", "5"}, true},
      {"nested table inside its cell", {"Table", "inner"}, {"tableid", "OUTER", "rows", "2"}, true},
      {"cell left open", {"TableCell", "OUTER", "2", "1"}, {"ISTEXT", "三二"}, true},
      {"row left open",
       {"TableCell", "outer", "3", "0"},
       {"FONTFACE", "宋体", "rowindex", "%LASTROW%"},
       true},
      {"paragraph left open in a cell",
       {"TableCell", "outer", "1", "1"},
       {"ISTEXT", "格中段"},
       true},
      {"cell of the nested table",
       {"TableCell", "inner", "1", "0"},
       {"ISTEXT", "内二", "tableid", "inner"},
       true},
      {"the nested table's cells are not the outer cell's text",
       {"TableCell", "outer", "1", "0"},
       {"ISTEXT", "内格"},
       false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    WebState state;
    ASSERT_TRUE(testing::OpenTestPage(state, "index.htm"));
    state.Rules.push_back(RuleRecord{c.object, c.conditions, 2, 105, "d"});
    EXPECT_EQ(EvaluateRule(state, 1), c.passed);
  }
}

}  // namespace
}  // namespace webmark
