// The bookmark, hyperlink and image-map keywords over a small page: each case a rule and its
// verdict.
#include <gtest/gtest.h>

#include <span>

#include "grading/webmark/checks/links.h"
#include "grading/webmark/checks/map_area.h"
#include "grading/webmark/testing/page_under_test.h"
#include "grading/webmark/testing/rule_cases.h"

namespace webmark {
namespace {

using List = std::vector<std::string>;

constexpr std::string_view kLinksPage = R"(<html><head><meta charset="utf-8"></head><body>
<p><img src="images/a.gif">前面的<b>文字</b><a name="m1">书签</a>后面<i>的字</i><img src="images/b.gif"></p>
<p><a name="m2"><img src="images/c.gif">图</a></p>
<p><a name="m4">末尾</a></p>
<a name="m3">外面</a>
<p><a href="b.htm" target="_blank"><b>粗</b><img src="x.gif"><img src="y.gif"></a></p>
<map name="mp"><area shape="circle" coords="100,100,50" href="c.htm">
<area shape="rect" coords="50,45,71,46" href="r.htm">
<area shape="rect" coords="50.5,45.5,70,47" href="half.htm">
<area shape="poly" coords="0,0,10,0,11,11" href="p.htm">
<area shape="polygon" coords="0,0,10,0,11,11" href="pg.htm">
<area shape="circle" coords="x,100,50" href="bad.htm">
<area shape="polygon" coords="0,0,10" href="short.htm">
<area shape="rect" coords="1,2" href="few.htm"></map>
<img src="images/map.gif" usemap="#mp">
</body></html>)";

struct Case {
  const char* name;
  List object;
  List conditions;
  bool passed;
};

// The cases over kLinksPage, or over the committed page `page`.
void ExpectCases(std::span<const Case> cases, const char* page = nullptr) {
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    WebState state;
    ASSERT_TRUE(page ? testing::OpenTestPage(state, page)
                     : testing::OpenPageBytes(state, kLinksPage));
    state.Rules.push_back(RuleRecord{c.object, c.conditions, 2, 5, "d"});
    EXPECT_EQ(EvaluateRule(state, 1), c.passed);
  }
}

TEST(AnchorKeyword, RulesOverAPage) {
  const Case cases[] = {
      {"no such bookmark", {"Anchor", "m9"}, {}, false},
      {"leader image", {"Anchor", "m1"}, {"LEADERIMAGE", "a.gif"}, true},
      {"leader image is the nearest", {"Anchor", "m1"}, {"LEADERIMAGE", "b.gif"}, false},
      {"follow image", {"Anchor", "m1"}, {"FOLLOWIMAGE", "B.GIF"}, true},
      {"leader text ends the text before", {"Anchor", "m1"}, {"LEADERTEXT", "的文字"}, true},
      {"leader text longer than the text before",
       {"Anchor", "m1"},
       {"LEADERTEXT", "很长很长很长的前面的文字"},
       false},
      {"leader text not at the end", {"Anchor", "m1"}, {"LEADERTEXT", "前面"}, false},
      {"follow text", {"Anchor", "m1"}, {"FOLLOWTEXT", "后面的"}, true},
      {"follow text not at the start", {"Anchor", "m1"}, {"FOLLOWTEXT", "的字"}, false},
      {"follow text at the paragraph's end", {"Anchor", "m4"}, {"FOLLOWTEXT", "x"}, false},
      {"follow text outside a paragraph", {"Anchor", "m3"}, {"FOLLOWTEXT", ""}, false},
      {"in text", {"Anchor", "m1"}, {"INTEXT", "书签"}, true},
      {"in image", {"Anchor", "m2"}, {"INIMAGE", "images/c.gif"}, true},
      {"in image needs the whole quoted src", {"Anchor", "m2"}, {"INIMAGE", "c.gif"}, false},
      {"in image without one", {"Anchor", "m1"}, {"INIMAGE", "images/c.gif"}, false},
      {"position condition", {"Anchor", "m1"}, {"tableid", "t"}, false},
  };
  ExpectCases(cases);
}

TEST(LinkKeyword, RulesOverAPage) {
  const Case cases[] = {
      {"no such link", {"Link", "z.htm"}, {}, false},
      {"target", {"Link", "B.HTM"}, {"target", "_blank"}, true},
      {"in text", {"Link", "b.htm"}, {"INTEXT", "粗"}, true},
      {"second picture in the link", {"Link", "b.htm"}, {"INIMAGE", "y.gif"}, true},
      {"picture src is whole", {"Link", "b.htm"}, {"INIMAGE", "y"}, false},
      {"target on an area", {"Link", "c.htm"}, {"target", ""}, false},
      {"shape", {"Link", "c.htm"}, {"11111111shape", "CIRCLE"}, true},
      {"plain shape is a position key", {"Link", "c.htm"}, {"shape", "circle"}, false},
      {"shape of an a element", {"Link", "b.htm"}, {"11111111shape", ""}, false},
      {"circle within tolerance",
       {"Link", "c.htm"},
       {"1111111111111111111coords", "98,102,50,2,2,0"},
       true},
      {"circle y beyond tolerance",
       {"Link", "c.htm"},
       {"1111111111111111111coords", "98,103,50,2,2,0"},
       false},
      {"circle radius with no tolerance",
       {"Link", "c.htm"},
       {"1111111111111111111coords", "98,102,51,2,2,0"},
       false},
      {"rectangle within tolerance",
       {"Link", "r.htm"},
       {"1111111111111111111coords", "50,45,70,46,0,0,1,0"},
       true},
      {"too few tolerances", {"Link", "c.htm"}, {"1111111111111111111coords", "100,100,50"}, false},
      {"polygon has no coordinate test",
       {"Link", "p.htm"},
       {"1111111111111111111coords", "0,0,10,0,0,0,0,0"},
       false},
      {"area coordinate not a number",
       {"Link", "bad.htm"},
       {"1111111111111111111coords", "0,100,50,0,0,0"},
       false},
      {"expected coordinate not a number",
       {"Link", "c.htm"},
       {"1111111111111111111coords", "x,100,50,100,0,0"},
       false},
      {"image using the map", {"Link", "c.htm"}, {"IMAGESRC", "map.gif"}, true},
      {"image using the map, other src", {"Link", "c.htm"}, {"IMAGESRC", "a.gif"}, false},
      {"image of an a link", {"Link", "b.htm"}, {"IMAGESRC", "map.gif"}, false},
  };
  ExpectCases(cases);
}

TEST(MapAreaKeyword, RulesOverAPage) {
  const Case cases[] = {
      {"no such shape", {"MapArea", "default"}, {}, false},
      {"by shape and href", {"MapArea", "rect", "half.htm"}, {"AreaLeft", "=50"}, true},
      {"image using the map", {"MapArea", "circle"}, {"IMAGESRC", "map.gif"}, true},
      {"circle edges",
       {"MapArea", "circle"},
       {"AreaLeft", "=50", "AreaRight", "=150", "AreaTop", "=50", "AreaBottom", ">149"},
       true},
      {"circle size and centre",
       {"MapArea", "circle"},
       {"AreaWidth", "=100", "AreaHeight", "<101", "AreaCenterX", "=100", "AreaCenterY", "=100"},
       true},
      {"rectangle centre rounds halves to even",
       {"MapArea", "rect", "r.htm"},
       {"AreaCenterX", "=60", "AreaCenterY", "=46"},
       true},
      {"rectangle edges round halves to even",
       {"MapArea", "rect", "half.htm"},
       {"AreaLeft", "=50", "AreaTop", "=46", "AreaWidth", "=20", "AreaHeight", "=2"},
       true},
      {"rectangle with too few coordinates",
       {"MapArea", "rect", "few.htm"},
       {"AreaLeft", "=1"},
       false},
      {"polygon extremes",
       {"MapArea", "poly"},
       {"AreaLeft", "=0", "AreaRight", "=11", "AreaTop", "=0", "AreaBottom", "=11"},
       true},
      {"polygon mean and size",
       {"MapArea", "poly"},
       {"AreaCenterX", "=7", "AreaCenterY", "=4", "AreaWidth", "=11", "AreaHeight", "=11"},
       true},
      {"corner pairs of a polygon", {"MapArea", "polygon"}, {"CoordsPair", "3"}, true},
      {"corner pairs need the long name", {"MapArea", "poly"}, {"CoordsPair", "3"}, false},
      {"polygon lacking its last y",
       {"MapArea", "polygon", "short.htm"},
       {"AreaTop", ">-1"},
       false},
      {"coordinate not a number against 0",
       {"MapArea", "circle", "bad.htm"},
       {"AreaCenterX", "=0"},
       false},
      {"unknown comparison", {"MapArea", "circle"}, {"AreaLeft", "50"}, false},
  };
  ExpectCases(cases);
}

// Coordinates written with a unit read as their leading number, on the page and in the answer;
// but the first operand of a sum or difference is the text itself, and "10px" is no number there.
TEST(MapAreaKeyword, CoordinatesReadByTheirLeadingNumber) {
  constexpr std::string_view kUnits =
      "<html><head><meta charset=utf-8></head><body><map name=m>"
      "<area shape=rect coords=\"10px,20px,110,70\" href=\"r.htm\">"
      "<area shape=circle coords=\"100,80px,25pt\" href=\"c.htm\"></map>"
      "<img src=a.gif usemap=#m></body></html>";
  testing::ExpectRuleCases(
      kUnits,
      {
          {"edges", {"MapArea", "rect"}, {"AreaLeft", "=10", "AreaTop", "=20"}, true},
          {"size: the units stand second",
           {"MapArea", "rect"},
           {"AreaWidth", "=100", "AreaHeight", "=50"},
           true},
          {"centre x: 10px first", {"MapArea", "rect"}, {"AreaCenterX", "=60"}, false},
          {"centre y: 20px first", {"MapArea", "rect"}, {"AreaCenterY", "=45"}, false},
          {"circle: x first, y alone, radius second",
           {"MapArea", "circle"},
           {"AreaLeft", "=75", "AreaRight", "=125", "AreaCenterY", "=80", "AreaWidth", "=50"},
           true},
          {"circle top: 80px first", {"MapArea", "circle"}, {"AreaTop", "=55"}, false},
          {"link coordinates",
           {"Link", "r.htm"},
           {"1111111111111111111coords", "10,20,110,70,0,0,0,0"},
           true},
          {"link coordinates expected with units",
           {"Link", "c.htm"},
           {"1111111111111111111coords", "100px,80,25,0,0,0"},
           true},
      });
}

TEST(LinkKeywords, UnclosedAndMisnestedMarkup) {
  const Case cases[] = {
      {"leader text in an unclosed paragraph",
       {"Anchor", "m1"},
       {"LEADERTEXT", "前面的文字"},
       true},
      {"follow text stops at the paragraph", {"Anchor", "m1"}, {"FOLLOWTEXT", "后面的字"}, true},
      {"follow image of the next paragraph", {"Anchor", "m2"}, {"FOLLOWIMAGE", "c.gif"}, true},
      {"link text across crossed tags", {"Link", "b.htm"}, {"INTEXT", "粗体链接"}, true},
      {"link picture after crossed tags", {"Link", "b.htm"}, {"INIMAGE", "x.gif"}, true},
      {"map image", {"Link", "r.htm"}, {"IMAGESRC", "images/map.gif"}, true},
      {"area centre", {"MapArea", "RECT"}, {"AreaCenterX", "=60", "IMAGESRC", "map.gif"}, true},
  };
  ExpectCases(cases, "links.htm");
}

TEST(AreaCoordinates, SplitAndRead) {
  EXPECT_TRUE(SplitCoords("").empty());
  EXPECT_EQ(SplitCoords("1,,2"), (List{"1", "", "2"}));
  EXPECT_EQ(*CoordInt16({"60.5"}, 0), 60);
  EXPECT_EQ(*CoordInt16({"45.5"}, 0), 46);
  EXPECT_EQ(*CoordInt16({" 7 "}, 0), 7);
  EXPECT_EQ(*CoordInt16({"12px"}, 0), 12);  // its leading number
  EXPECT_EQ(*CoordInt16({" 8.5pt"}, 0), 8);
  EXPECT_FALSE(CoordInt16({""}, 0));  // none: never 0
  EXPECT_FALSE(CoordInt16({"px"}, 0));
  EXPECT_FALSE(CoordInt16({"40000"}, 0));
  EXPECT_FALSE(CoordInt16({"1"}, 1));
}

}  // namespace
}  // namespace webmark
