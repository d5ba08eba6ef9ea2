// The numbering part read on use: a list table costs the levels its paragraphs use, the part's
// last definition of a level wins, and the package's budget bounds what is kept.
#include "platform/office/word/numbering.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/office/word/testing/part_fixture.h"

namespace word {
namespace {

std::string Level(int level, int leftTwips) {
  return "<w:lvl w:ilvl=\"" + std::to_string(level) + "\"><w:pPr><w:ind w:left=\"" +
         std::to_string(leftTwips) + "\"/></w:pPr></w:lvl>";
}

std::string Abstract(int id, const std::string& levels) {
  return "<w:abstractNum w:abstractNumId=\"" + std::to_string(id) + "\">" + levels +
         "</w:abstractNum>";
}

std::string List(int id, int abstractId, const std::string& overrides = "") {
  return "<w:num w:numId=\"" + std::to_string(id) + "\"><w:abstractNumId w:val=\"" +
         std::to_string(abstractId) + "\"/>" + overrides + "</w:num>";
}

// The left indent a level gives, or -1 for none.
int32_t LeftOf(const Numbering& numbering, int32_t numId, int32_t level) {
  ParagraphProps scratch;
  const ParagraphProps* props = numbering.Level(numId, level, scratch);
  return props != nullptr && props->left ? props->left->twips : -1;
}

TEST(Numbering, AListTableOfThreeHundredThousandCostsOnlyTheLevelsUsed) {
  constexpr int kLists = 300'000;
  std::string xml = Abstract(0, Level(0, 720) + Level(1, 1440));
  xml.reserve(static_cast<size_t>(kLists) * 25);
  for (int i = 1; i <= kLists; ++i) xml += "<w:num w:numId=\"" + std::to_string(i) + "\"/>";
  xml += List(kLists + 1, 0);
  const testing::ParsedElement part("numbering", xml);
  xml.clear();
  testing::Budget budget;
  base::Result<std::unique_ptr<Numbering>> read = Numbering::Read(part.Root(), {}, budget.Charge());
  ASSERT_TRUE(read) << read.error().message;
  const Numbering& numbering = **read;
  // The index alone: nothing is kept for each list.
  EXPECT_LE(budget.taken, 32u * kLists);
  EXPECT_EQ(numbering.LevelsRead(), 0u);

  EXPECT_EQ(LeftOf(numbering, kLists + 1, 1), 1440);
  EXPECT_EQ(LeftOf(numbering, kLists + 1, 1), 1440);  // kept: read no more
  EXPECT_EQ(LeftOf(numbering, 5, 0), -1);             // a list of no abstract definition
  EXPECT_EQ(LeftOf(numbering, kLists + 2, 0), -1);    // no such list
  EXPECT_EQ(numbering.LevelsRead(), 1u);
}

TEST(Numbering, AnOverrideWinsAndTheLastDefinitionOfALevelWins) {
  struct Case {
    const char* name;
    std::string xml;
    int32_t numId, level, left;
  };
  const Case cases[] = {
      {"the abstract definition's level", Abstract(3, Level(0, 100)) + List(1, 3), 1, 0, 100},
      {"a level override before it",
       Abstract(3, Level(0, 100)) +
           List(1, 3, "<w:lvlOverride w:ilvl=\"0\">" + Level(0, 200) + "</w:lvlOverride>"),
       1, 0, 200},
      {"an override of another level leaves this one",
       Abstract(3, Level(0, 100)) +
           List(1, 3, "<w:lvlOverride w:ilvl=\"1\">" + Level(1, 200) + "</w:lvlOverride>"),
       1, 0, 100},
      {"a later abstract definition of the id redefines the level",
       Abstract(3, Level(0, 100) + Level(1, 150)) + Abstract(3, Level(0, 300)) + List(1, 3), 1, 0,
       300},
      {"while its other levels stay",
       Abstract(3, Level(0, 100) + Level(1, 150)) + Abstract(3, Level(0, 300)) + List(1, 3), 1, 1,
       150},
      {"the last list of the id names the abstract definition",
       Abstract(3, Level(0, 100)) + Abstract(4, Level(0, 400)) + List(1, 3) + List(1, 4), 1, 0,
       400},
      {"a level beyond 8", Abstract(3, Level(9, 100)) + List(1, 3), 1, 9, -1},
      {"a level that is not there", Abstract(3, Level(0, 100)) + List(1, 3), 1, 2, -1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const testing::ParsedElement part("numbering", c.xml);
    base::Result<std::unique_ptr<Numbering>> read = Numbering::Read(part.Root(), {});
    ASSERT_TRUE(read) << read.error().message;
    EXPECT_EQ(LeftOf(**read, c.numId, c.level), c.left);
  }
}

TEST(Numbering, TheBudgetBoundsTheIndexAndWhatIsKept) {
  std::string xml = Abstract(0, Level(0, 720));
  for (int i = 1; i <= 1000; ++i) xml += List(i, 0);
  const testing::ParsedElement part("numbering", xml);

  testing::Budget tight{.limit = 1000};
  base::Result<std::unique_ptr<Numbering>> refused =
      Numbering::Read(part.Root(), {}, tight.Charge());
  ASSERT_FALSE(refused);
  EXPECT_EQ(refused.error().message, "over budget");

  // Room for the index only: a level is read anew at each use, and still right.
  testing::Budget indexOnly;
  base::Result<std::unique_ptr<Numbering>> read =
      Numbering::Read(part.Root(), {}, indexOnly.Charge());
  ASSERT_TRUE(read) << read.error().message;
  indexOnly.limit = indexOnly.taken;
  for (size_t use = 1; use <= 3; ++use) {
    EXPECT_EQ(LeftOf(**read, 7, 0), 720);
    EXPECT_EQ((*read)->LevelsRead(), use);
  }
}

}  // namespace
}  // namespace word
