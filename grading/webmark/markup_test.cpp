// The markup utilities, a table per utility.
#include "grading/webmark/markup.h"

#include <gtest/gtest.h>

namespace webmark {
namespace {

struct TextCase {
  const char* name;
  std::string s1;
  std::string s2;
  std::string expected;
};

template <size_t N>
void ExpectAll(const TextCase (&cases)[N], std::string (*fn)(std::string_view, std::string_view)) {
  for (const TextCase& c : cases) EXPECT_EQ(fn(c.s1, c.s2), c.expected) << c.name;
}

TEST(Markup, RemoveTagAfterAndBefore) {
  const std::string bold = "<B>粗体</B>正文";
  const int64_t closing = static_cast<int64_t>(bold.find("</B>")) + 1;
  EXPECT_EQ(RemoveTagBefore(bold, closing), "粗体");
  EXPECT_EQ(*RemoveTagAfter(bold, 1), "粗体正文");
  EXPECT_EQ(*RemoveTagAfter(bold, closing), "正文");
  EXPECT_EQ(*RemoveTagAfter("a > b <i>c</i>", 1), "a > b c");
  EXPECT_EQ(RemoveTagBefore(bold, 1), "");
  EXPECT_EQ(RemoveTagBefore(bold, -3), "");
  EXPECT_EQ(*RemoveTagAfter(bold, 1000), "");
  EXPECT_FALSE(RemoveTagAfter(bold, 0));
}

TEST(Markup, FindMapName) {
  struct Case {
    const char* name;
    const char* s;
    const char* expected;
  } cases[] = {
      {"a double-quoted name", "<map name=\"FPMap0\"><area></map>", "FPMap0"},
      {"any case of the search text", "<MAP NAME=\"m1\">", "m1"},
      {"no map", "<img src=\"a.gif\">", ""},
      {"no closing quote ends at the end", "<map name=\"open", "open"},
      {"the first character is always taken", "<map name=\"\"\"", "\""},
      {"nothing after the quote", "<map name=\"", ""},
  };
  for (const Case& c : cases) EXPECT_EQ(FindMapName(c.s), c.expected) << c.name;
}

TEST(Markup, ExtractVMLtag) {
  const std::string shape =
      "<v:shape id=\"_x0000_s1025\"><v:textpath style='font-family:\"宋体\"' string=\"欢迎\"/>"
      "</v:shape>";
  const TextCase cases[] = {
      {"one self-closed element: its attributes after a blank", shape, "textpath",
       " style='font-family:\"宋体\"' string=\"欢迎\""},
      {"two elements, two pieces", "<v:f a=\"1\"/><v:f b=\"2\"/>", "f", " a=\"1\" b=\"2\""},
      {"an element with content gives its inner markup", "<v:stroke>x</v:stroke>", "stroke", " x"},
      {"any case", "<V:TEXTPATH s=\"1\"/>", "textpath", " s=\"1\""},
      {"none", shape, "fill", ""},
      {"an empty content ends the scan", "<v:f/>", "f", ""},
  };
  ExpectAll(cases, ExtractVMLtag);
  EXPECT_EQ(ExtractItem(ExtractVMLtag(shape, "textpath"), "string"), "欢迎");
}

TEST(Markup, ExtractStyleItem) {
  const TextCase cases[] = {
      {"the colour after a size", "font-size:12pt;color:#FF0000", "color", "#FF0000"},
      {"found inside a longer name first", "background-color:red;color:blue", "color", "red"},
      {"inside double quotes ends at the quote", "<span style=\"font-size: 9pt \">", "font-size",
       "9pt"},
      {"outside quotes runs on", "font-size: 9pt\" x", "font-size", "9pt\" x"},
      {"ends at an apostrophe or slash", "style='width:10px'", "width", "10px"},
      {"none", "color:red", "width", ""},
  };
  ExpectAll(cases, ExtractStyleItem);
}

TEST(Markup, ExtractSpanItem) {
  const TextCase cases[] = {
      {"after a blank", "<span style=\"font-size: 16pt; color:red\">", "color", "red"},
      {"after a double quote, up to ;", "<span style=\"font-size: 16pt; color:red\">", "font-size",
       "16pt"},
      {"after a double quote", "<span style=\"color:#ff0000\">", "color", "#ff0000"},
      {"right after a semicolon it is not found", "<span style=\"a:1;color:red\">", "color", ""},
      {"ends at >", "<x style=\" font-weight:700>", "font-weight", "700"},
  };
  ExpectAll(cases, ExtractSpanItem);
}

TEST(Markup, ExtractItem) {
  const TextCase cases[] = {
      {"a quoted value loses its quotes", "<iframe width=\"300\" name=x>", "width", "300"},
      {"an unquoted value ends at a blank", "<iframe name=side src=a.htm>", "name", "side"},
      {"a quoted value keeps its blanks", "<p title=\"a b\">", "title", "a b"},
      {"a quoted path ends at its first slash", "<img src=\"images/a.gif\">", "src", "images"},
      {"also as the tail of a longer name", "<iframe marginwidth=5 width=7>", "width", "5"},
      {"ends at CR", "a=1\r\nb=2", "a", "1"},
      {"not written", "<iframe name=x>", "width", ""},
  };
  ExpectAll(cases, ExtractItem);
}

TEST(Markup, GetStyleStringAndRemoveQuote) {
  EXPECT_EQ(GetStyleString("<v:shape style='width:100pt; height:20pt ' o:x>"),
            "width:100pt; height:20pt");
  EXPECT_EQ(GetStyleString("<v:shape style=\"width:100pt\">"), "");
  EXPECT_EQ(GetStyleString("style='open"), "open");
  EXPECT_EQ(RemoveQuote(" \"a\" 'b' "), "a   b");
  EXPECT_EQ(RemoveQuote(""), "");
}

TEST(Markup, CoordsCheck) {
  struct Case {
    int16_t cv;
    const char* cond;
    bool expected;
  } cases[] = {
      {5, "<10", true}, {10, "<10", false}, {10, "=10", true},   {3, "3", false},
      {0, ">", false},  {11, "> 10", true}, {10, "=10.0", true}, {1, "", false},
  };
  for (const Case& c : cases) EXPECT_EQ(CoordsCheck(c.cv, c.cond), c.expected) << c.cv << c.cond;
}

}  // namespace
}  // namespace webmark
