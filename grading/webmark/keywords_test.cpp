// The keyword table: found as text compares, branches for the keywords built so far.
#include "grading/webmark/keywords.h"

#include <gtest/gtest.h>

namespace webmark {
namespace {

TEST(Keywords, FoundAsTextComparesAndBuiltOnesHaveABranch) {
  struct Case {
    const char* written;
    const char* name;  // null: no keyword
    bool built;
  } cases[] = {
      {"FrameSet", "FrameSet", true},
      {"frameset", "FrameSet", true},
      {"FRAME", "Frame", true},
      {"iframe", "IFrame", true},
      {"Meta", "Meta", true},
      {"ＤＯＣ", "Doc", true},
      {"ArtText", "ArtText", true},
      {"OBJECT", "OBJECT", true},
      {"tablecell", "TableCell", true},
      {"IMAGE", "Image", true},
      {"Table", "Table", true},
      {"Doc ", nullptr, false},
      {"", nullptr, false},
      {"Picture", nullptr, false},
  };
  for (const Case& c : cases) {
    const KeywordRow* row = FindKeyword(c.written);
    if (!c.name) {
      EXPECT_EQ(row, nullptr) << c.written;
      continue;
    }
    ASSERT_NE(row, nullptr) << c.written;
    EXPECT_EQ(row->name, c.name);
    EXPECT_EQ(row->branch != nullptr, c.built) << c.written;
  }
  EXPECT_EQ(Keywords().size(), 19u);
}

}  // namespace
}  // namespace webmark
