#include "platform/win/registry.h"

#include <gtest/gtest.h>

#include "platform/win/testing/test_folder.h"

namespace win {
namespace {

constexpr const char* kPolicies =
    "HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\System";

TEST(Registry, ValuesRoundTripWithoutCase) {
  testing::TestFolder t;
  SetRegistryFile(t.Root() / "reg" / "registry.ini");
  EXPECT_FALSE(RegQueryDword(kPolicies, "DisableTaskMgr"));
  ASSERT_TRUE(RegSetDword(kPolicies, "DisableTaskMgr", 1));
  EXPECT_EQ(RegQueryDword("hkcu\\SOFTWARE\\microsoft\\Windows\\CurrentVersion\\Policies\\System\\",
                          "disabletaskmgr"),
            1u);
  ASSERT_TRUE(RegSetDword(kPolicies, "DISABLETASKMGR", 0xFFFFFFFF));
  EXPECT_EQ(RegQueryDword(kPolicies, "DisableTaskMgr"), 0xFFFFFFFFu);
  EXPECT_FALSE(RegQueryString(kPolicies, "DisableTaskMgr"));  // a number is no text

  const std::string odd = "C:\\x \"y\"\n第二行\\n";
  ASSERT_TRUE(RegSetString("HKCR\\CLSID\\{1}", "", odd));
  ASSERT_TRUE(RegSetString("HKCR\\CLSID\\{2}\\InprocServer32", "Path", "p"));
  EXPECT_EQ(RegQueryString("HKEY_CLASSES_ROOT\\clsid\\{1}", ""), odd);
  EXPECT_EQ(RegEnumKeys("HKEY_CLASSES_ROOT\\CLSID"), (std::vector<std::string>{"{1}", "{2}"}));

  EXPECT_TRUE(RegDeleteValue(kPolicies, "disableTaskMgr"));
  EXPECT_FALSE(RegDeleteValue(kPolicies, "disableTaskMgr"));
  EXPECT_FALSE(RegQueryDword(kPolicies, "DisableTaskMgr"));
  EXPECT_TRUE(RegDeleteKey("HKCR\\CLSID"));
  EXPECT_FALSE(RegQueryString("HKCR\\CLSID\\{2}\\InprocServer32", "Path"));
  EXPECT_TRUE(RegEnumKeys("HKCR\\CLSID").empty());
  EXPECT_FALSE(RegDeleteKey("HKCR\\CLSID"));
  SetRegistryFile({});
}

}  // namespace
}  // namespace win
