// The desktop grading control as a host meets it: deskmark.ocx registered, created by class id,
// called by dispatch id.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include "grading/deskmark/control.h"
#include "grading/deskmark/testing/desk_fixture.h"
#include "platform/com/control_window.h"
#include "platform/com/library.h"
#include "platform/win/codepage.h"
#include "platform/win/testing/scoped_env.h"
#include "platform/win/testing/test_folder.h"

namespace deskmark {
namespace {

namespace fs = std::filesystem;
using testing::DeskFixture;
using testing::Rule;

// Records the names the control announces as changed.
class Site : public com::ControlSite {
 public:
  void OnPropertyChanged(com::DispId, std::string_view name) override {
    changed.emplace_back(name);
  }
  std::vector<std::string> changed;
};

class Control : public ::testing::Test {
 protected:
  void SetUp() override {
    auto library = com::LoadControlLibrary(KIRV_DESKMARK_OCX);
    ASSERT_TRUE(library) << library.error().message;
    ASSERT_TRUE((*library)->RegisterServer());
    f_.File("Winkt/there.txt", 1);
    // One rule passes, one fails until "Winkt\later.txt" exists.
    ASSERT_TRUE(f_.AnswerBook("desk.xlsx", {Rule("ISFILEEXIST", {"Winkt\\there.txt"}, "10", "有"),
                                            Rule("ISFILEEXIST", {"Winkt\\later.txt"}, "10", "后"),
                                            {"END"}}));
  }

  std::unique_ptr<com::ControlWindow> Create(const com::PropertyBag* bag = nullptr) {
    com::CreateParams params;
    params.windowName = "abc";
    params.childId = 111;
    auto window = com::ControlWindow::Create(winUC::kClass.clsid, params, bag);
    EXPECT_TRUE(window) << window.error().message;
    if (!window) return nullptr;
    (*window)->SetSite(&site_);
    return std::move(*window);
  }
  static int16_t Wingrade(com::ControlWindow& w) {
    auto v = w.Get(DISPID_wingrade);
    if (!v || v->Type() != com::VT_I2) {
      ADD_FAILURE() << "wingrade is not a 16-bit integer";
      return -999;
    }
    return static_cast<int16_t>(v->IntValue());
  }

  win::testing::ScopedTempFolder store_{"deskmark_control_"};
  win::testing::ScopedEnv registry_{"KIRV_REGISTRY", (store_.Path() / "registry.ini").string()};
  DeskFixture f_;
  Site site_;
};

TEST_F(Control, PuttingAnswernameGradesWithTheValuesPutBefore) {
  auto w = Create();
  ASSERT_TRUE(w);
  EXPECT_EQ(Wingrade(*w), 0);
  ASSERT_TRUE(w->Put(DISPID_Debugok, com::Variant::Bool(true)));
  ASSERT_TRUE(w->Put(DISPID_Pathofstu, com::Variant::String(f_.Candidate())));
  ASSERT_TRUE(w->Put(DISPID_Pathofanswer, com::Variant::String(f_.AnswerFolder())));
  ASSERT_TRUE(w->Put(DISPID_Answername, com::Variant::String("desk.xlsx")));
  EXPECT_EQ(Wingrade(*w), 50);
  // The result is stored without a change notice.
  EXPECT_EQ(site_.changed,
            (std::vector<std::string>{"Debugok", "Pathofstu", "Pathofanswer", "Answername"}));
  EXPECT_EQ(win::testing::TestFolder::Read(f_.Host("1234.txt")),
            win::Utf8ToGbk("有 10分\r\n后 0分\r\n"));

  // The same name again grades again, as does DGrade.
  f_.File("Winkt/later.txt", 1);
  ASSERT_TRUE(w->Put(DISPID_Answername, com::Variant::String("desk.xlsx")));
  EXPECT_EQ(Wingrade(*w), 100);
  f_.Remove("Winkt/there.txt");
  ASSERT_TRUE(w->Call(DISPID_DGrade));
  EXPECT_EQ(Wingrade(*w), 50);
  auto name = w->Get(DISPID_Answername);
  ASSERT_TRUE(name);
  EXPECT_EQ(name->Text(), "desk.xlsx");

  // A second instance has its own values but the library's run state.
  auto other = Create();
  ASSERT_TRUE(other);
  EXPECT_EQ(Wingrade(*other), 0);
  auto stu = other->Get(DISPID_Pathofstu);
  ASSERT_TRUE(stu);
  EXPECT_EQ(stu->Text(), "");
}

TEST_F(Control, NothingOfARunReachesTheHost) {
  std::ofstream(f_.Host("../answer/text.xlsx")) << "not a workbook";
  auto w = Create();
  ASSERT_TRUE(w);
  ASSERT_TRUE(w->Put(DISPID_Pathofstu, com::Variant::String(f_.Candidate())));
  ASSERT_TRUE(w->Put(DISPID_Pathofanswer, com::Variant::String(f_.AnswerFolder())));
  ASSERT_TRUE(w->Put(DISPID_Answername, com::Variant::String("desk.xlsx")));
  ASSERT_EQ(Wingrade(*w), 50);
  struct Case {
    const char* name;
    std::string pathofstu, pathofanswer, answername;
  } cases[] = {
      {"a workbook that is no package", f_.Candidate(), f_.AnswerFolder(), "text.xlsx"},
      {"a missing workbook", f_.Candidate(), f_.AnswerFolder(), "none.xlsx"},
      {"a missing answer folder", f_.Candidate(), f_.Candidate() + "none\\", "desk.xlsx"},
      {"nothing set", "", "", ""},
      {"odd text", "\x01\xff|<>", "\"*?", std::string(5000, 'x')},
  };
  for (const Case& c : cases) {
    ASSERT_TRUE(w->Put(DISPID_Pathofstu, com::Variant::String(c.pathofstu))) << c.name;
    ASSERT_TRUE(w->Put(DISPID_Pathofanswer, com::Variant::String(c.pathofanswer))) << c.name;
    EXPECT_TRUE(w->Put(DISPID_Answername, com::Variant::String(c.answername))) << c.name;
    EXPECT_EQ(Wingrade(*w), 0) << c.name;
  }
  EXPECT_FALSE(fs::exists(f_.Host("1234.txt")));

  // wingrade itself can be put, and is announced under its bag key.
  site_.changed.clear();
  ASSERT_TRUE(w->Put(DISPID_wingrade, com::Variant::I2(77)));
  EXPECT_EQ(Wingrade(*w), 77);
  EXPECT_EQ(site_.changed, std::vector<std::string>{"Wingrade"});
}

TEST_F(Control, PropertyBagKeepsTheFiveValuesAndLoadingDoesNotGrade) {
  auto w = Create();
  ASSERT_TRUE(w);
  ASSERT_TRUE(w->Put(DISPID_Debugok, com::Variant::Bool(true)));
  ASSERT_TRUE(w->Put(DISPID_Pathofstu, com::Variant::String(f_.Candidate())));
  ASSERT_TRUE(w->Put(DISPID_Pathofanswer, com::Variant::String(f_.AnswerFolder())));
  ASSERT_TRUE(w->Put(DISPID_Answername, com::Variant::String("desk.xlsx")));
  auto bag = w->SaveProperties();
  ASSERT_TRUE(bag);
  std::vector<std::string> keys;
  for (const auto& [key, value] : bag->Items()) keys.push_back(key);
  EXPECT_EQ(keys, (std::vector<std::string>{"Pathofstu", "Pathofanswer", "Answername", "Wingrade",
                                            "Debugok"}));
  EXPECT_EQ(bag->Read("Wingrade"), com::Variant::I2(50));
  fs::remove(f_.Host("1234.txt"));

  // Loaded with a result the files would not give: it stays, and no run writes a log.
  ASSERT_TRUE(bag->Write("Wingrade", com::Variant::I2(7)));
  auto loaded = Create(&*bag);
  ASSERT_TRUE(loaded);
  EXPECT_EQ(Wingrade(*loaded), 7);
  auto debug = loaded->Get(DISPID_Debugok);
  ASSERT_TRUE(debug);
  EXPECT_EQ(*debug, com::Variant::Bool(true));
  EXPECT_FALSE(fs::exists(f_.Host("1234.txt")));
}

}  // namespace
}  // namespace deskmark
