#include "grading/dirmark/dispatch.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>

#include "platform/win/testing/test_folder.h"

namespace dirmark {
namespace {

namespace fs = std::filesystem;
using win::testing::TestFolder;

int Number(const base::Status& s) {
  return s ? 0 : s.error().code;
}

TEST(Dispatch, ValuesThatDoNotFitRaiseAndChangeNothing) {
  TestFolder t;
  t.Write("a.txt", "");
  Dirmark c;
  std::vector<std::string> changed;
  Dirmark watched([&](std::string_view p) { changed.emplace_back(p); });
  ASSERT_EQ(Number(Put(watched, DISPID_dm_FileName, vb::Variant::String(t.Win("a.txt")))), 0);
  struct Case {
    const char* name;
    int32_t dispid;
    vb::Variant value;
    int error;
  } cases[] = {
      {"a 16-bit mask of 40000", DISPID_dm_FileAttrib, vb::Variant::Long(40000), kOverflow},
      {"a 16-bit word of -32769", DISPID_dm_SetAttrib, vb::Variant::Double(-32769), kOverflow},
      {"an operation code that is no number", DISPID_dm_OP, vb::Variant::String("copy"),
       kTypeMismatch},
      {"a flag word beyond 32 bits", DISPID_dm_Act, vb::Variant::Double(3e9), kOverflow},
      {"a selector that is no truth value", DISPID_dm_MkDir, vb::Variant::String("yes"),
       kTypeMismatch},
      {"no such member", 0x12345, vb::Variant::Integer(1), kNoSuchMember},
      {"a method is no property", DISPID_FoldOper, vb::Variant::Integer(1), kNoSuchMember},
  };
  for (const Case& c : cases) EXPECT_EQ(Number(Put(watched, c.dispid, c.value)), c.error) << c.name;
  EXPECT_EQ(changed, std::vector<std::string>{"dm_FileName"});  // nothing else was put
  EXPECT_EQ(watched.dm_FileAttrib(), 0);
  EXPECT_FALSE(watched.dm_IsExistFile());
  EXPECT_EQ(watched.dm_OP(), 0);
  EXPECT_FALSE(watched.dm_MkDir());

  // A value that fits converts the run-time way: 2.5 is 2.
  ASSERT_EQ(Number(Put(watched, DISPID_dm_FileAttrib, vb::Variant::Double(2.5))), 0);
  EXPECT_EQ(*Get(watched, DISPID_dm_FileAttrib), vb::Variant::Integer(2));
  EXPECT_EQ(*Get(watched, DISPID_dm_IsExistFile), vb::Variant::Boolean(true));
  EXPECT_EQ(Number(Call(watched, DISPID_GetAttrib)), 0);
  EXPECT_EQ(*Get(watched, DISPID_dm_GetAttrib), vb::Variant::Integer(32));
  EXPECT_EQ(Number(Call(watched, DISPID_dm_OP)), kNoSuchMember);
  EXPECT_FALSE(Get(watched, DISPID_IsExistFD));
}

TEST(Dispatch, PropertyBagRoundTripRunsNothing) {
  TestFolder t;
  Dirmark c;
  c.put_dm_Act(0x14);
  c.put_dm_pFrom(t.Win("none.txt"));
  c.put_dm_pTo(t.Win("b"));
  ASSERT_TRUE(c.put_dm_OP(2));  // the shell finds nothing to copy
  c.put_dm_GetAttrib(34);
  c.put_dm_FileName(t.Win("made"));
  c.put_dm_IsExistFile(true);
  c.put_dm_Cond(true);
  ASSERT_TRUE(c.put_dm_MkDir(true));  // makes the folder
  ASSERT_TRUE(fs::remove(t.Root() / "made"));
  ASSERT_TRUE(c.put_dm_IsGet(false));

  std::map<std::string, vb::Variant, std::less<>> bag;
  std::vector<std::string> order;
  for (auto& [key, value] : WriteProperties(c)) {
    order.push_back(key);
    bag.emplace(key, value);
  }
  EXPECT_EQ(order, (std::vector<std::string>{"dm_Act", "dm_pFrom", "dm_pTo", "dm_OP",
                                             "dm_GetAttrib", "dm_SetAttrib", "dm_FileName",
                                             "dm_FileAttrib", "dm_IsExistFile", "dm_IsGet",
                                             "dm_MkDir", "dm_ChDir", "dm_RmDir"}));
  EXPECT_EQ(bag["dm_OP"], vb::Variant::Long(2));
  bag["dm_OP"] = vb::Variant::String("not a number");  // the default instead

  Dirmark loaded;
  ReadProperties(loaded, [&](std::string_view key) -> std::optional<vb::Variant> {
    auto it = bag.find(key);
    if (it == bag.end()) return std::nullopt;
    return it->second;
  });
  EXPECT_EQ(loaded.dm_Act(), 0x14);
  EXPECT_EQ(loaded.dm_pFrom(), t.Win("none.txt"));
  EXPECT_EQ(loaded.dm_pTo(), t.Win("b"));
  EXPECT_EQ(loaded.dm_OP(), 0);  // 2 was stored, but this bag's value is no number
  EXPECT_EQ(loaded.dm_GetAttrib(), 34);
  EXPECT_EQ(loaded.dm_FileName(), t.Win("made"));
  EXPECT_TRUE(loaded.dm_IsExistFile());
  EXPECT_TRUE(loaded.dm_MkDir());
  EXPECT_FALSE(loaded.dm_Cond());               // not persisted
  EXPECT_FALSE(fs::exists(t.Root() / "made"));  // loading made nothing

  ReadProperties(loaded, [](std::string_view) { return std::nullopt; });
  EXPECT_EQ(loaded.dm_Act(), 0);
  EXPECT_EQ(loaded.dm_FileName(), "");
  EXPECT_FALSE(loaded.dm_MkDir());
}

}  // namespace
}  // namespace dirmark
