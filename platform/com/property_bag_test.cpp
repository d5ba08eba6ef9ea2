// Property bags: what they keep, their text form, and the text they refuse.
#include "platform/com/property_bag.h"

#include <gtest/gtest.h>

#include "platform/com/errors.h"

namespace com {
namespace {

TEST(PropertyBag, TextFormRestoresEveryKindExactly) {
  PropertyBag bag;
  const std::pair<const char*, Variant> values[] = {
      {"PathOfexl", Variant::String("C:\\exam\\Excelkt\\ \"q\"\n\t\x01 中文")},
      {"ExcelGrade", Variant::I2(-8)},
      {"Rate", Variant::I4(100)},
      {"EDebug", Variant::Bool(true)},
      {"Score", Variant::R8(0.1 + 0.2)},
      {"Small", Variant::R4(1.1f)},
      {"Money", Variant::Currency(-12345)},
      {"When", Variant::Date(45000.25)},
      {"Big", Variant::UI8(18446744073709551615ull)},
      {"Cell", Variant::Error(2042)},
      {"Blob", Variant::Bytes({0, 255, 16})},
      {"Nothing", Variant()},
      {"Missing", Variant::Null()},
  };
  for (const auto& [name, v] : values) ASSERT_TRUE(bag.Write(name, v)) << name;
  auto back = PropertyBag::Parse(bag.ToText());
  ASSERT_TRUE(back) << back.error().message << "\n" << bag.ToText();
  ASSERT_EQ(back->Items().size(), std::size(values));
  for (const auto& [name, v] : values) EXPECT_EQ(back->Read(name), v) << name;
  EXPECT_EQ(back->ToText(), bag.ToText());
}

TEST(PropertyBag, NamesIgnoreCaseAndAMissingNameGivesTheFallback) {
  PropertyBag bag;
  ASSERT_TRUE(bag.Write("Pathofans", Variant::String("a")));
  ASSERT_TRUE(bag.Write("pathofans", Variant::String("b")));  // replaces, keeps the first spelling
  std::string target = "through";
  ASSERT_TRUE(bag.Write("Ref", Variant::RefString(&target)));  // stores what it points at
  EXPECT_EQ(bag.Items().size(), 2u);
  EXPECT_EQ(bag.Items()[0].first, "Pathofans");
  EXPECT_EQ(bag.Read("PATHOFANS").Text(), "b");
  EXPECT_EQ(bag.Read("Ref"), Variant::String("through"));
  EXPECT_EQ(bag.Read("EDebug", Variant::Bool(true)), Variant::Bool(true));

  for (const char* bad : {"", " lead", "a=b", "line\nbreak"})
    EXPECT_FALSE(bag.Write(bad, Variant::I2(1))) << bad;
  EXPECT_EQ(bag.Write("Object", Variant::Array({})).error().code, kErrBadVarType);
}

TEST(PropertyBag, MalformedTextIsRefusedWithItsLine) {
  const struct {
    const char* name;
    const char* text;
    const char* says;
  } cases[] = {
      {"no equals sign", "Name BSTR \"x\"", "line 1"},
      {"unknown kind", "# saved\nA = I2 1\nB = WORD 1", "line 3: unknown kind"},
      {"I2 out of range", "Grade = I2 40000", "overflow"},
      {"not a number", "Grade = I4 12a", "not a number"},
      {"unquoted text", "Name = BSTR abc", "double quotes"},
      {"quote inside", "Name = BSTR \"a\"b\"", "escaped"},
      {"open escape", "Name = BSTR \"a\\\"", "escape"},
      {"unknown escape", "Name = BSTR \"\\q\"", "unknown escape"},
      {"odd hex", "Blob = ARRAY_UI1 abc", "two hex digits"},
      {"twice", "A = I2 1\na = I2 2", "twice"},
      {"value after EMPTY", "A = EMPTY 3", "no value"},
  };
  for (const auto& c : cases) {
    auto r = PropertyBag::Parse(c.text);
    ASSERT_FALSE(r) << c.name;
    EXPECT_NE(r.error().message.find(c.says), std::string::npos)
        << c.name << ": " << r.error().message;
  }
  auto ok = PropertyBag::Parse("\n# comment\n  Name = BSTR \"x\"  \r\n");
  ASSERT_TRUE(ok) << ok.error().message;
  EXPECT_EQ(ok->Read("Name").Text(), "x");
}

}  // namespace
}  // namespace com
