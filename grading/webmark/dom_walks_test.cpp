// The element walks over one small page: each case a walk, its element and its answer.
#include "grading/webmark/dom_walks.h"

#include <gtest/gtest.h>

#include "grading/webmark/testing/page_under_test.h"

namespace webmark {
namespace {

const char kPage[] =
    "<html><body>"
    "<p id=p1>一<img src=\"a.gif\"></p>"
    "<table id=outer><tr><td id=c1>x</td></tr>"
    "<tr><td id=c2><table id=nested><tr><td>n</td></tr></table></td></tr>"
    "<tr><td id=c3><p id=cp><font id=cf>格</font></p><p>二</p></td></tr></table>"
    "<p id=p2><b><font id=inner>b</font></b><font id=second>s</font><img src=\"b.gif\">"
    "<img src=\"a.gif\"></p>"
    "<font id=lone>孤</font>"
    "</body></html>";

class DomWalks : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(testing::OpenPageBytes(state_, kPage)); }
  const frontpage::Element& E(std::string_view id) {
    const frontpage::Element* e = testing::ElementById(state_, id);
    EXPECT_TRUE(e) << id;
    return *e;
  }
  const frontpage::Document& Doc() { return *state_.PageWindow->document(); }

  WebState state_;
};

TEST_F(DomWalks, getTableRows) {
  struct Case {
    const char* id;
    int32_t rows;
  } cases[] = {{"c1", 3}, {"cf", 3}, {"p1", -1}, {"nested", 3}, {"outer", -1}};
  for (const Case& c : cases) EXPECT_EQ(*getTableRows(E(c.id)), c.rows) << c.id;
  EXPECT_EQ(*getTableRowCols(E("c1"), 5), 0);
  EXPECT_FALSE(getTableRows(*Doc().all().at(0)));  // the top of the tree has no parent
}

TEST_F(DomWalks, FindAllImageInNodeInDocumentOrderWithDuplicates) {
  std::vector<std::string> sources{"kept"};
  ASSERT_TRUE(FindAllImageInNode(*Doc().body(), sources));
  ASSERT_EQ(sources.size(), 4u);
  EXPECT_EQ(sources[0], "kept");
  EXPECT_NE(sources[1].find("a.gif"), std::string::npos);
  EXPECT_NE(sources[2].find("b.gif"), std::string::npos);
  EXPECT_NE(sources[3].find("a.gif"), std::string::npos);
}

TEST_F(DomWalks, AtParaCountsParagraphsBackToTheTag) {
  struct Case {
    const char* id;
    const char* tag;
    int32_t count;
  } cases[] = {
      {"cf", "td", 2},    // the enclosing paragraph counts
      {"cp", "td", 1},    // the paragraph itself does not
      {"c3", "td", 1},    // the element has the tag
      {"p1", "body", 1},  // the first paragraph of the body
      {"cf", "body", 3}, {"lone", "body", 5},
  };
  for (const Case& c : cases) EXPECT_EQ(*AtPara(Doc(), E(c.id), c.tag), c.count) << c.id << c.tag;
}

TEST_F(DomWalks, TagSearchesKeepTheirResult) {
  EXPECT_TRUE(*FindChildrenByTag(state_, E("p2"), "font"));
  EXPECT_EQ(state_.FoundElement, &E("inner"));  // pre-order: the font inside the b first
  EXPECT_TRUE(state_.FoundFlag);
  EXPECT_FALSE(*FindChildrenByTag(state_, E("lone"), "font"));  // no children: left as it was
  EXPECT_EQ(state_.FoundElement, &E("inner"));
  EXPECT_FALSE(*FindChildrenByTag(state_, E("p1"), "font"));
  EXPECT_EQ(state_.FoundElement, nullptr);
  EXPECT_FALSE(state_.FoundFlag);

  state_.FoundFlag = true;  // FindChildren searches only while nothing is found
  ASSERT_TRUE(FindChildren(state_, E("p2"), "font"));
  EXPECT_EQ(state_.FoundElement, nullptr);

  EXPECT_TRUE(*FindParentByTag(state_, E("cf"), "td"));
  EXPECT_EQ(state_.FoundElement, &E("c3"));
  EXPECT_FALSE(*FindParentByTag(state_, E("cf"), "table"));  // the walk stops at the row
  EXPECT_EQ(state_.FoundElement, &E("c3"));
  EXPECT_TRUE(*FindParentByTag(state_, E("cf"), "font"));  // the element itself is a candidate
  EXPECT_EQ(state_.FoundElement, &E("cf"));
  EXPECT_FALSE(*FindParentByTag(state_, E("lone"), "p"));  // stops at the body
}

}  // namespace
}  // namespace webmark
