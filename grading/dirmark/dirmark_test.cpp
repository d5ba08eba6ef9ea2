// The file operation control through its dispatch interface: each put stores, announces and then
// runs its operation; failures come back as run-time errors; the property bag; and the library
// registered and created by class id.
#include "grading/dirmark/dirmark.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <functional>

#include "platform/com/control_window.h"
#include "platform/com/errors.h"
#include "platform/win/attributes.h"
#include "platform/win/files.h"
#include "platform/win/testing/scoped_env.h"
#include "platform/win/testing/test_folder.h"

namespace dirmark {
namespace {

namespace fs = std::filesystem;
using com::Variant;
using win::testing::TestFolder;

// The run-time error number of a dispatch error (0 for success); other codes as they are.
int Number(const base::Status& s) {
  if (s) return 0;
  const int number = com::RuntimeErrorNumber(s.error().code);
  return number != 0 ? number : s.error().code;
}

class Site : public com::ControlSite {
 public:
  void OnPropertyChanged(com::DispId, std::string_view name) override {
    changed.emplace_back(name);
    if (onChange) onChange(name);
  }
  std::vector<std::string> changed;
  std::function<void(std::string_view)> onChange;
};

class Control : public ::testing::Test {
 protected:
  void SetUp() override {
    c_.InitProperties();
    c_.SetSite(&site_);
  }
  int Put(com::DispId id, const Variant& v) { return Number(c_.Put(id, v)); }
  int Name(const std::string& relative) {
    return Put(DISPID_dm_FileName, Variant::String(t_.Win(relative)));
  }
  int Call(com::DispId id) {
    auto r = c_.Call(id);
    return r ? 0 : Number(std::move(r).error());
  }
  Variant Get(com::DispId id) {
    auto r = c_.Get(id);
    EXPECT_TRUE(r) << r.error().message;
    return r ? *r : Variant();
  }

  TestFolder t_;
  win::testing::ScopedEnv store_{"KIRV_ATTRIBUTE_STORE", (t_.Root() / "store").string()};
  win::testing::ScopedEnv data_{"XDG_DATA_HOME", (t_.Root() / "data").string()};
  Site site_;
  Dirmark c_;
};

TEST_F(Control, ExistenceByMaskRunsOnThePutOfTheMask) {
  t_.Write("h.txt", "");
  ASSERT_TRUE(win::SetFileAttributes(t_.Win("h.txt"), win::FILE_ATTRIBUTE_HIDDEN));
  fs::create_directories(t_.Root() / "dir");
  struct Case {
    std::string name;
    int16_t mask;
    bool exists;
  } cases[] = {
      {"h.txt", 0, false}, {"h.txt", 2, true}, {"H.TXT", 22, true},  {"dir", 0, false},
      {"dir", 16, true},   {"*.txt", 2, true}, {"*.doc", 22, false}, {"none\\*.*", 22, false},
  };
  for (const Case& c : cases) {
    ASSERT_EQ(Name(c.name), 0);
    ASSERT_EQ(Put(DISPID_dm_FileAttrib, Variant::I2(c.mask)), 0) << c.name;
    EXPECT_EQ(Get(DISPID_dm_IsExistFile), Variant::Bool(c.exists)) << c.name << " " << c.mask;
  }
  // A value that fits converts: 2.5 is 2 (halves to even).
  ASSERT_EQ(Name("h.txt"), 0);
  ASSERT_EQ(Put(DISPID_dm_FileAttrib, Variant::R8(2.5)), 0);
  EXPECT_EQ(Get(DISPID_dm_FileAttrib), Variant::I2(2));
  EXPECT_TRUE(c_.dm_IsExistFile);

  ASSERT_EQ(Name("a|b"), 0);
  EXPECT_EQ(Put(DISPID_dm_FileAttrib, Variant::I2(0)), kBadFileName);
  EXPECT_EQ(Get(DISPID_dm_FileAttrib), Variant::I2(0));  // stored although the operation failed
}

TEST_F(Control, AttributesAreReadOnlyWhenAskedAndSetOnPut) {
  t_.Write("f.txt", "x");
  ASSERT_EQ(Name("f.txt"), 0);
  ASSERT_EQ(Put(DISPID_dm_SetAttrib,
                Variant::I2(win::FILE_ATTRIBUTE_HIDDEN | win::FILE_ATTRIBUTE_READONLY)),
            0);
  EXPECT_EQ(win::GetFileAttributes(t_.Win("f.txt")),
            win::FILE_ATTRIBUTE_HIDDEN | win::FILE_ATTRIBUTE_READONLY);
  EXPECT_EQ(Put(DISPID_dm_IsGet, Variant::Bool(false)), 0);
  EXPECT_EQ(Get(DISPID_dm_GetAttrib), Variant::I2(0));  // false reads nothing
  EXPECT_EQ(Put(DISPID_dm_IsGet, Variant::Bool(true)), 0);
  EXPECT_EQ(Get(DISPID_dm_GetAttrib), Variant::I2(3));

  ASSERT_EQ(Name("missing.txt"), 0);
  EXPECT_EQ(Put(DISPID_dm_IsGet, Variant::Bool(true)), kFileNotFound);
  EXPECT_EQ(Get(DISPID_dm_GetAttrib), Variant::I2(3));  // the last result stays
  EXPECT_EQ(Put(DISPID_dm_SetAttrib, Variant::I2(2)), kFileNotFound);
  EXPECT_EQ(Get(DISPID_dm_SetAttrib), Variant::I2(2));
  EXPECT_EQ(Call(DISPID_GetAttrib), kFileNotFound);
  ASSERT_EQ(Put(DISPID_dm_FileName, Variant::String("")), 0);
  EXPECT_EQ(Call(DISPID_SetAttrib), kFileNotFound);
}

TEST_F(Control, SelectorsStaySet) {
  ASSERT_EQ(Name("new"), 0);
  ASSERT_EQ(Put(DISPID_dm_MkDir, Variant::Bool(true)), 0);
  EXPECT_TRUE(fs::is_directory(t_.Root() / "new"));
  // Make is still selected: putting remove makes again, which fails.
  EXPECT_EQ(Put(DISPID_dm_RmDir, Variant::Bool(true)), kPathFileAccess);
  EXPECT_EQ(Get(DISPID_dm_RmDir), Variant::Bool(true));
  EXPECT_TRUE(fs::is_directory(t_.Root() / "new"));
  // Clearing make runs the operation with the selectors left: remove.
  ASSERT_EQ(Put(DISPID_dm_MkDir, Variant::Bool(false)), 0);
  EXPECT_FALSE(fs::exists(t_.Root() / "new"));
  EXPECT_EQ(Put(DISPID_dm_RmDir, Variant::Bool(false)), 0);  // nothing selected: nothing done

  t_.Write("full/f", "");
  ASSERT_EQ(Name("full"), 0);
  EXPECT_EQ(Put(DISPID_dm_RmDir, Variant::Bool(true)), kPathFileAccess);
  ASSERT_EQ(Name("gone"), 0);
  EXPECT_EQ(Call(DISPID_FoldOper), kPathNotFound);
  EXPECT_EQ(Put(DISPID_dm_RmDir, Variant::Bool(false)), 0);
  ASSERT_EQ(Name("no\\parent"), 0);
  EXPECT_EQ(Put(DISPID_dm_MkDir, Variant::Bool(true)), kPathNotFound);
  ASSERT_EQ(Put(DISPID_dm_MkDir, Variant::Bool(false)), 0);

  const std::string before = win::GetCurrentDirectory();
  ASSERT_EQ(Name("full"), 0);
  ASSERT_EQ(Put(DISPID_dm_ChDir, Variant::Bool(true)), 0);
  EXPECT_EQ(win::GetCurrentDirectory(), t_.Win("full"));
  ASSERT_TRUE(win::SetCurrentDirectory(before));
}

TEST_F(Control, EveryPutMarksItsPropertyBeforeItsOperation) {
  bool existedWhenMarked = true;
  site_.onChange = [&](std::string_view p) {
    if (p == "dm_MkDir") existedWhenMarked = fs::exists(t_.Root() / "made");
  };
  ASSERT_EQ(Name("made"), 0);
  ASSERT_EQ(Put(DISPID_dm_MkDir, Variant::Bool(true)), 0);
  EXPECT_FALSE(existedWhenMarked);
  EXPECT_TRUE(fs::exists(t_.Root() / "made"));

  site_.changed.clear();
  ASSERT_EQ(Put(DISPID_dm_pFrom, Variant::String("a")), 0);
  ASSERT_EQ(Put(DISPID_dm_pTo, Variant::String("b")), 0);
  ASSERT_EQ(Put(DISPID_dm_Act, Variant::I4(0)), 0);
  ASSERT_EQ(Put(DISPID_dm_Cond, Variant::Bool(true)), 0);
  ASSERT_EQ(Put(DISPID_dm_GetAttrib, Variant::I2(1)), 0);
  ASSERT_EQ(Put(DISPID_dm_IsExistFile, Variant::Bool(true)), 0);
  EXPECT_EQ(site_.changed, (std::vector<std::string>{"dm_pFrom", "dm_pTo", "dm_Act", "dm_Cond",
                                                     "dm_GetAttrib", "dm_IsExistFile"}));
}

TEST_F(Control, ValuesThatDoNotFitAreRefusedAndChangeNothing) {
  struct Case {
    const char* name;
    com::DispId dispid;
    Variant value;
    int error;
  } cases[] = {
      {"a 16-bit mask of 40000", DISPID_dm_FileAttrib, Variant::I4(40000), com::kErrOverflow},
      {"a 16-bit word of -32769", DISPID_dm_SetAttrib, Variant::R8(-32769), com::kErrOverflow},
      {"an operation code that is no number", DISPID_dm_OP, Variant::String("copy"),
       com::kErrTypeMismatch},
      {"a flag word beyond 32 bits", DISPID_dm_Act, Variant::R8(3e9), com::kErrOverflow},
      {"a selector that is no truth value", DISPID_dm_MkDir, Variant::String("yes"),
       com::kErrTypeMismatch},
      {"no such member", 0x12345, Variant::I2(1), com::kErrMemberNotFound},
      {"a method is no property", DISPID_FoldOper, Variant::I2(1), com::kErrMemberNotFound},
  };
  for (const Case& c : cases) EXPECT_EQ(Put(c.dispid, c.value), c.error) << c.name;
  EXPECT_TRUE(site_.changed.empty());
  EXPECT_EQ(c_.dm_FileAttrib, 0);
  EXPECT_EQ(c_.dm_OP, 0);
  EXPECT_FALSE(c_.dm_MkDir);
  EXPECT_EQ(Call(DISPID_dm_OP), com::kErrMemberNotFound);
  EXPECT_FALSE(c_.Get(DISPID_IsExistFD));
}

TEST_F(Control, ShellOperationFromPathLists) {
  t_.Write("src/a.txt", "a");
  t_.Write("src/b.txt", "b");
  ASSERT_EQ(Put(DISPID_dm_pFrom, Variant::String(t_.Win("src\\a.txt") + std::string(1, '\0') +
                                                 t_.Win("src\\b.txt"))),
            0);
  ASSERT_EQ(Put(DISPID_dm_pTo, Variant::String(t_.Win("dst") + std::string(2, '\0'))), 0);
  ASSERT_EQ(Put(DISPID_dm_Act, Variant::I4(0x10)), 0);  // no confirmation
  ASSERT_EQ(Put(DISPID_dm_OP, Variant::I4(2)), 0);
  EXPECT_EQ(TestFolder::Read(t_.Root() / "dst" / "a.txt"), "a");
  EXPECT_EQ(TestFolder::Read(t_.Root() / "dst" / "b.txt"), "b");
  EXPECT_TRUE(c_.LastShellError());

  // A refusal of the shell is not raised, but kept for the host.
  ASSERT_EQ(Put(DISPID_dm_pFrom, Variant::String(t_.Win("src\\none.txt"))), 0);
  EXPECT_EQ(Put(DISPID_dm_OP, Variant::I4(3)), 0);
  ASSERT_FALSE(c_.LastShellError());
  EXPECT_EQ(c_.LastShellError().error().code, ENOENT);

  // Undoable delete: into the trash.
  ASSERT_EQ(Put(DISPID_dm_pFrom, Variant::String(t_.Win("dst\\*.txt"))), 0);
  ASSERT_EQ(Put(DISPID_dm_Act, Variant::I4(0x40 | 0x10)), 0);
  ASSERT_EQ(Put(DISPID_dm_OP, Variant::I4(3)), 0);
  EXPECT_FALSE(fs::exists(t_.Root() / "dst" / "a.txt"));
  EXPECT_TRUE(fs::exists(t_.Root() / "data" / "Trash" / "files" / "a.txt"));
}

TEST_F(Control, FlagsBeyondSixteenBitsOverflowAndDoNothing) {
  t_.Write("src/a.txt", "a");
  ASSERT_EQ(Put(DISPID_dm_pFrom, Variant::String(t_.Win("src\\a.txt"))), 0);
  ASSERT_EQ(Put(DISPID_dm_pTo, Variant::String(t_.Win("dst"))), 0);
  ASSERT_EQ(Put(DISPID_dm_Act, Variant::I4(32768)), 0);
  EXPECT_EQ(Put(DISPID_dm_OP, Variant::I4(2)), kOverflow);
  EXPECT_EQ(Get(DISPID_dm_OP), Variant::I4(2));  // the put stored its value
  EXPECT_FALSE(fs::exists(t_.Root() / "dst"));
  ASSERT_EQ(Put(DISPID_dm_Act, Variant::I4(-1)), 0);  // fits: every flag
  EXPECT_EQ(Call(DISPID_Dirmarkerater), 0);
  EXPECT_TRUE(fs::exists(t_.Root() / "dst"));
}

// The control never acts through a link it was not asked to follow: a link moved onto a folder
// of its name goes there as a link, and its attributes cannot be set through it.
TEST_F(Control, LinksAreNeverActedThrough) {
  t_.Write("outside/o.txt", "o");
  t_.Write("work/holder/link/h.txt", "h");
  fs::create_symlink("../outside", t_.Root() / "work" / "link");
  ASSERT_EQ(Put(DISPID_dm_pFrom, Variant::String(t_.Win("work\\link"))), 0);
  ASSERT_EQ(Put(DISPID_dm_pTo, Variant::String(t_.Win("work\\holder"))), 0);
  ASSERT_EQ(Put(DISPID_dm_OP, Variant::I4(1)), 0);
  EXPECT_TRUE(c_.LastShellError()) << c_.LastShellError().error().message;
  EXPECT_TRUE(fs::is_symlink(t_.Root() / "work" / "holder" / "link"));
  EXPECT_FALSE(fs::exists(fs::symlink_status(t_.Root() / "work" / "link")));
  EXPECT_EQ(TestFolder::Read(t_.Root() / "outside" / "o.txt"), "o");

  t_.Write("target.txt", "x");
  fs::create_symlink("target.txt", t_.Root() / "link.txt");
  ASSERT_EQ(Name("link.txt"), 0);
  EXPECT_EQ(Put(DISPID_dm_SetAttrib, Variant::I2(win::FILE_ATTRIBUTE_HIDDEN)), kPathFileAccess);
  EXPECT_EQ(win::GetFileAttributes(t_.Win("target.txt")), win::FILE_ATTRIBUTE_ARCHIVE);
}

TEST_F(Control, PropertyBagRoundTripRunsNothing) {
  ASSERT_EQ(Put(DISPID_dm_Act, Variant::I4(0x14)), 0);
  ASSERT_EQ(Put(DISPID_dm_pFrom, Variant::String(t_.Win("none.txt"))), 0);
  ASSERT_EQ(Put(DISPID_dm_pTo, Variant::String(t_.Win("b"))), 0);
  ASSERT_EQ(Put(DISPID_dm_OP, Variant::I4(2)), 0);  // the shell finds nothing to copy
  ASSERT_EQ(Put(DISPID_dm_GetAttrib, Variant::I2(34)), 0);
  ASSERT_EQ(Name("made"), 0);
  ASSERT_EQ(Put(DISPID_dm_IsExistFile, Variant::Bool(true)), 0);
  ASSERT_EQ(Put(DISPID_dm_Cond, Variant::Bool(true)), 0);
  ASSERT_EQ(Put(DISPID_dm_MkDir, Variant::Bool(true)), 0);  // makes the folder
  ASSERT_TRUE(fs::remove(t_.Root() / "made"));

  com::PropertyBag bag;
  ASSERT_TRUE(c_.WriteProperties(bag));
  std::vector<std::string> order;
  for (const auto& [key, value] : bag.Items()) order.push_back(key);
  EXPECT_EQ(order, (std::vector<std::string>{"dm_Act", "dm_pFrom", "dm_pTo", "dm_OP",
                                             "dm_GetAttrib", "dm_SetAttrib", "dm_FileName",
                                             "dm_FileAttrib", "dm_IsExistFile", "dm_IsGet",
                                             "dm_MkDir", "dm_ChDir", "dm_RmDir"}));
  EXPECT_EQ(bag.Read("dm_OP"), Variant::I4(2));

  Dirmark loaded;
  ASSERT_TRUE(loaded.ReadProperties(bag));
  EXPECT_EQ(loaded.dm_Act, 0x14);
  EXPECT_EQ(loaded.dm_pFrom, t_.Win("none.txt"));
  EXPECT_EQ(loaded.dm_pTo, t_.Win("b"));
  EXPECT_EQ(loaded.dm_OP, 2);
  EXPECT_EQ(loaded.dm_GetAttrib, 34);
  EXPECT_EQ(loaded.dm_FileName, t_.Win("made"));
  EXPECT_TRUE(loaded.dm_IsExistFile);
  EXPECT_TRUE(loaded.dm_MkDir);
  EXPECT_FALSE(loaded.dm_Cond);                  // not kept
  EXPECT_FALSE(fs::exists(t_.Root() / "made"));  // loading made nothing

  // A value that does not fit fails the load and changes nothing; missing keys are defaults.
  ASSERT_TRUE(bag.Write("dm_OP", Variant::String("not a number")));
  EXPECT_FALSE(loaded.ReadProperties(bag));
  EXPECT_EQ(loaded.dm_Act, 0x14);
  ASSERT_TRUE(loaded.ReadProperties(com::PropertyBag{}));
  EXPECT_EQ(loaded.dm_Act, 0);
  EXPECT_EQ(loaded.dm_FileName, "");
  EXPECT_FALSE(loaded.dm_MkDir);
}

TEST(Library, RegisteredAndCreatedByClassId) {
  TestFolder t;
  win::testing::ScopedEnv registry("KIRV_REGISTRY", (t.Root() / "registry.ini").string());
  const fs::path ocx = KIRV_DIRMARK_OCX;
  const std::string command = "cd '" + ocx.parent_path().string() + "' && '" KIRV_REGSVR32 "' /s " +
                              ocx.filename().string();
  ASSERT_EQ(std::system(command.c_str()), 0);
  auto w = com::ControlWindow::Create(Dirmark::kClass.clsid, com::CreateParams{});
  ASSERT_TRUE(w) << w.error().message;
  t.Write("f.txt", "");
  ASSERT_TRUE((*w)->Put(DISPID_dm_FileName, Variant::String(t.Win("f.txt"))));
  ASSERT_TRUE((*w)->Put(DISPID_dm_IsGet, Variant::Bool(true)));
  EXPECT_EQ(*(*w)->Get(DISPID_dm_GetAttrib), Variant::I2(win::FILE_ATTRIBUTE_ARCHIVE));
  // A failed operation reaches the host as a dispatch error with its run-time number.
  ASSERT_TRUE((*w)->Put(DISPID_dm_FileName, Variant::String(t.Win("none.txt"))));
  const base::Status failed = (*w)->Put(DISPID_dm_IsGet, Variant::Bool(true));
  ASSERT_FALSE(failed);
  EXPECT_EQ(static_cast<uint32_t>(failed.error().code), 0x800A0035u) << failed.error().message;
}

}  // namespace
}  // namespace dirmark
