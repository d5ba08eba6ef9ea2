// Control libraries end to end: registered by the registration tool into a temporary registry
// store, created by class id, called by dispatch id, unregistered.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>

#include "platform/com/class_registry.h"
#include "platform/com/control_window.h"
#include "platform/com/errors.h"
#include "platform/com/testing/sample_controls.h"
#include "platform/win/message_box.h"
#include "platform/win/paths.h"
#include "platform/win/registry.h"
#include "platform/win/testing/scoped_env.h"
#include "platform/win/testing/test_folder.h"

namespace com {
namespace {

namespace fs = std::filesystem;
using namespace com::testing;

const fs::path kSample = KIRV_SAMPLE_CONTROLS;

CreateParams Child(int childId, std::string name = {}, WindowHandle parent = nullptr) {
  CreateParams p;
  p.childId = childId;
  p.windowName = std::move(name);
  p.parent = parent;
  return p;
}

class ControlLoading : public ::testing::Test {
 protected:
  void SetUp() override {
    registry_.emplace("KIRV_REGISTRY", (folder_.Path() / "registry.ini").string());
  }
  void TearDown() override { registry_.reset(); }
  std::optional<win::testing::ScopedEnv> registry_;

  // Runs the registration tool in `dir` with `args`; its exit code, its output in `output`.
  static int Tool(const std::string& args, std::string* output = nullptr,
                  const fs::path& dir = fs::current_path()) {
    const std::string command =
        "cd '" + dir.string() + "' && '" + std::string(KIRV_REGSVR32) + "' " + args + " 2>&1";
    FILE* pipe = ::popen(command.c_str(), "r");
    if (!pipe) return -1;
    std::string text;
    char buf[512];
    while (size_t n = std::fread(buf, 1, sizeof buf, pipe)) text.append(buf, n);
    const int status = ::pclose(pipe);
    if (output) *output = text;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  }
  static std::string Quoted(const std::string& s) { return "'" + s + "'"; }

  win::testing::ScopedTempFolder folder_{"com_"};
};

TEST_F(ControlLoading, RegistrationRecordsEveryClassAgainstTheLibrarysPath) {
  // The Windows form, as a command line of the exam client would give it.
  ASSERT_EQ(Tool("/s " + Quoted(win::ToWindowsPath(kSample))), 0);
  for (const Clsid& id : {kSampleClsid, kSecondClsid, kRawClsid}) {
    auto path = InprocServerPath(id);
    ASSERT_TRUE(path) << path.error().message;
    EXPECT_EQ(fs::canonical(*path), fs::canonical(kSample));
  }
  EXPECT_EQ(win::RegQueryString("HKCR\\CLSID\\" + kSampleClsid.ToString(), ""), "SampleControl");
  EXPECT_EQ(*ClsidFromProgId(kSampleProgId), kSampleClsid);
}

TEST_F(ControlLoading, AControlFoundByClassIdAnswersByDispatchId) {
  // A bare name in the library's folder, as the exam client registers its control folder.
  ASSERT_EQ(Tool("/s " + kSample.filename().string(), nullptr, kSample.parent_path()), 0);
  int parent = 0;
  auto window = ControlWindow::Create(kSampleClsid, Child(113, "abc", &parent));
  ASSERT_TRUE(window) << window.error().message;
  ControlWindow& w = **window;
  EXPECT_EQ(w.ChildId(), 113);
  EXPECT_EQ(w.Params().parent, &parent);
  EXPECT_EQ(w.Call(kWindow)->Text(), "113|abc|0");
  EXPECT_TRUE(w.Get(kDebug)->BoolValue());  // its default, set on creation

  ASSERT_TRUE(w.Put(kName, Variant::String("seven!!")));
  ASSERT_TRUE(w.Put(kAnswer, Variant::String("go")));  // the put grades
  EXPECT_EQ(*w.Get(kScore), Variant::R8(7));
  EXPECT_EQ(*w.Call(kAdd, {Variant::I4(40), Variant::I2(2)}), Variant::I4(42));

  std::string path = "C:\\exam\\wordkt";
  std::string file = "w1.xls";
  VariantBool debug = kVariantTrue;
  auto run = w.Call(
      kRun, {Variant::RefString(&path), Variant::RefString(&file), Variant::RefBool(&debug)});
  ASSERT_TRUE(run) << run.error().message;
  EXPECT_EQ(run->RealValue(), 20);
  EXPECT_EQ(path, "C:\\exam\\wordkt\\");
  EXPECT_EQ(file, "w1.xls.done");
  EXPECT_EQ(debug, kVariantFalse);

  // Another class of the same library, and a persisted control made again from its bag.
  auto second = ControlWindow::Create(kSecondClsid, Child(2));
  ASSERT_TRUE(second) << second.error().message;
  ASSERT_TRUE((*second)->Put(kValue, Variant::I4(-9)));
  EXPECT_EQ((*second)->Get(kValue)->IntValue(), -9);
  ASSERT_TRUE(w.Put(kDebug, Variant::Bool(false)));
  auto bag = w.SaveProperties();
  ASSERT_TRUE(bag);
  auto again = ControlWindow::Create(kSampleClsid, Child(114), &*bag);
  ASSERT_TRUE(again) << again.error().message;
  EXPECT_EQ((*again)->Get(kName)->Text(), "seven!!");
  EXPECT_FALSE((*again)->Get(kDebug)->BoolValue());
}

TEST_F(ControlLoading, DeletingTheWindowDestroysTheControl) {
  ASSERT_EQ(Tool("/s " + Quoted(kSample.string())), 0);
  auto probe = ControlWindow::Create(kSampleClsid, {});
  ASSERT_TRUE(probe);
  const int64_t before = (*probe)->Call(kDestroyed)->IntValue();
  std::weak_ptr<Control> instance;
  {
    auto window = ControlWindow::Create(kSampleClsid, Child(112));
    ASSERT_TRUE(window);
    instance = (*window)->ObjectRef();
  }
  EXPECT_TRUE(instance.expired());
  EXPECT_EQ((*probe)->Call(kDestroyed)->IntValue(), before + 1);
}

TEST_F(ControlLoading, FailuresInsideAControlComeBackAsDispatchErrors) {
  ASSERT_EQ(Tool("/s " + Quoted(kSample.string())), 0);
  auto sample = ControlWindow::Create(kSampleClsid, {});
  auto raw = ControlWindow::Create(kRawClsid, {});
  ASSERT_TRUE(sample && raw);
  const struct {
    const char* name;
    ControlWindow* window;
    DispId id;
    HResult code;
    const char* says;
  } cases[] = {
      {"thrown in the pattern", sample->get(), kThrow, kErrException, "boom"},
      {"run-time error", sample->get(), kFail, RuntimeErrorCode(6), "numbers too large"},
      {"thrown by hand", raw->get(), kRawThrow, kErrException, "raw failure"},
      {"no such member", raw->get(), 99, kErrMemberNotFound, "no member 99"},
  };
  for (const auto& c : cases) {
    auto r = c.window->Call(c.id);
    ASSERT_FALSE(r) << c.name;
    EXPECT_EQ(r.error().code, c.code) << c.name << ": " << r.error().message;
    EXPECT_NE(r.error().message.find(c.says), std::string::npos) << c.name;
  }
  EXPECT_EQ(*(*raw)->Call(kRawAnswer), Variant::I4(42));  // still usable afterwards
}

TEST_F(ControlLoading, AControlsMessageBoxesGoWhereTheHostsGo) {
  ASSERT_EQ(Tool("/s " + Quoted(kSample.string())), 0);
  auto window = ControlWindow::Create(kSampleClsid, {});
  ASSERT_TRUE(window);
  win::MessageCapture capture;
  ASSERT_TRUE((*window)->Call(kSay, {Variant::String("考生网络操作数据库并不存在")}));
  ASSERT_EQ(capture.Shown().size(), 1u);
  EXPECT_EQ(capture.Shown()[0].text, "考生网络操作数据库并不存在");
  EXPECT_EQ(capture.Shown()[0].caption, "SampleControl");
}

TEST_F(ControlLoading, CreationFailsWithTheReasonWhenNoUsableLibraryIsRegistered) {
  const fs::path text = folder_.Path() / "notes.ocx";
  std::ofstream(text) << "not a library";
  auto registerAt = [](const Clsid& id, const fs::path& library) {
    win::RegSetString("HKCR\\CLSID\\" + id.ToString() + "\\InprocServer32", "",
                      win::ToWindowsPath(library));
  };
  const Clsid unknown = Clsid::Of("{11111111-2222-3333-4444-555555555555}");
  const Clsid missing = Clsid::Of("{11111111-2222-3333-4444-555555555556}");
  const Clsid notLibrary = Clsid::Of("{11111111-2222-3333-4444-555555555557}");
  const Clsid noEntries = Clsid::Of("{11111111-2222-3333-4444-555555555558}");
  const Clsid notServed = Clsid::Of("{11111111-2222-3333-4444-555555555559}");
  registerAt(missing, folder_.Path() / "gone.ocx");
  registerAt(notLibrary, text);
  registerAt(noEntries, KIRV_NO_ENTRY_POINTS);
  registerAt(notServed, kSample);
  const struct {
    const char* name;
    Clsid id;
    HResult code;
  } cases[] = {
      {"not registered", unknown, kErrClassNotRegistered},
      {"library gone", missing, kErrModuleNotFound},
      {"not a library", notLibrary, kErrBadLibrary},
      {"no entry points", noEntries, kErrEntryPointNotFound},
      {"class not served", notServed, kErrClassNotAvailable},
  };
  for (const auto& c : cases) {
    auto w = ControlWindow::Create(c.id, {});
    ASSERT_FALSE(w) << c.name;
    EXPECT_EQ(w.error().code, c.code) << c.name << ": " << w.error().message;
  }
}

TEST_F(ControlLoading, UnregisteringRemovesTheClassesEvenFromAProcessThatUsedThem) {
  ASSERT_EQ(Tool("/s " + Quoted(kSample.string())), 0);
  ASSERT_TRUE(ControlWindow::Create(kSampleClsid, {}));
  ASSERT_EQ(Tool("/u /s " + Quoted(kSample.string())), 0);
  auto after = ControlWindow::Create(kSampleClsid, {});
  ASSERT_FALSE(after);
  EXPECT_EQ(after.error().code, kErrClassNotRegistered);
  EXPECT_TRUE(win::RegEnumKeys("HKCR\\CLSID").empty());
  EXPECT_FALSE(ClsidFromProgId(kSampleProgId));
  ASSERT_EQ(Tool("/s " + Quoted(kSample.string())), 0);  // and back again
  EXPECT_TRUE(ControlWindow::Create(kSampleClsid, {}));
}

TEST_F(ControlLoading, TheToolReportsEachFileUnlessSilentAndExitsWithTheFirstFailure) {
  std::string out;
  EXPECT_EQ(Tool(Quoted(kSample.string()), &out), 0);
  EXPECT_NE(out.find("Registered"), std::string::npos) << out;
  const struct {
    const char* name;
    std::string args;
    int exitCode;
    const char* says;  // without /s
  } cases[] = {
      {"missing file", Quoted((folder_.Path() / "none.ocx").string()), 3, "no library at"},
      {"no entry points", Quoted(KIRV_NO_ENTRY_POINTS), 4, "KirvComRegisterServer"},
      {"first failure counts",
       Quoted(KIRV_NO_ENTRY_POINTS) + " " + Quoted((folder_.Path() / "x.ocx").string()), 4,
       "Could not register"},
      {"unknown option", "/x " + Quoted(kSample.string()), 1, "Unknown option"},
      {"no file", "", 1, "No file"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Tool(c.args, &out), c.exitCode) << c.name;
    EXPECT_NE(out.find(c.says), std::string::npos) << c.name << ": " << out;
    if (c.exitCode != 1) {
      EXPECT_EQ(Tool("/s " + c.args, &out), c.exitCode) << c.name;
      EXPECT_EQ(out, "") << c.name;
    }
  }
}

}  // namespace
}  // namespace com
