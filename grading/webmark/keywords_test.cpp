// The keyword table: found as text compares, every keyword with its branch.
#include "grading/webmark/keywords.h"

#include <gtest/gtest.h>

namespace webmark {
namespace {

TEST(Keywords, FoundAsTextCompares) {
  struct Case {
    const char* written;
    const char* name;  // null: no keyword
  } cases[] = {
      {"FrameSet", "FrameSet"},
      {"frameset", "FrameSet"},
      {"FRAME", "Frame"},
      {"iframe", "IFrame"},
      {"Meta", "Meta"},
      {"ＤＯＣ", "Doc"},
      {"tablecell", "TableCell"},
      {"IMAGE", "Image"},
      {"Table", "Table"},
      {"ArtText", "ArtText"},
      {"OBJECT", "OBJECT"},
      {"Doc ", nullptr},
      {"", nullptr},
      {"Picture", nullptr},
  };
  for (const Case& c : cases) {
    const KeywordRow* row = FindKeyword(c.written);
    if (!c.name) {
      EXPECT_EQ(row, nullptr) << c.written;
      continue;
    }
    ASSERT_NE(row, nullptr) << c.written;
    EXPECT_EQ(row->name, c.name);
  }
  EXPECT_EQ(Keywords().size(), 19u);
}

TEST(Keywords, EveryKeywordHasItsBranch) {
  for (const KeywordRow& row : Keywords()) EXPECT_NE(row.branch, nullptr) << row.name;
}

}  // namespace
}  // namespace webmark
