// The client's wrappers against stand-ins of the six grading controls that accept only the exact
// dispatch ids and argument kinds: what each call sends, what comes back, and the window's life.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <memory>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "client/common/system_utils.h"
#include "client/grading/controls/ping_excel.h"
#include "client/grading/controls/ping_net.h"
#include "client/grading/controls/ping_run.h"
#include "client/grading/controls/ping_win.h"
#include "platform/com/errors.h"
#include "platform/com/library.h"
#include "platform/win/testing/scoped_env.h"
#include "platform/win/testing/test_folder.h"

namespace {

namespace fs = std::filesystem;

class Controls : public ::testing::Test {
 protected:
  void SetUp() override {
    registry_.emplace("KIRV_REGISTRY", (folder_.Path() / "registry.ini").string());
    log_.emplace("KIRV_FAKE_CONTROL_LOG", Log().string());
    auto library = com::LoadControlLibrary(KIRV_FAKE_GRADING_CONTROLS);
    ASSERT_TRUE(library) << library.error().message;
    ASSERT_TRUE((*library)->RegisterServer());
    char text[32];
    std::snprintf(text, sizeof text, "%p", static_cast<void*>(&dialog_));
    parent_ = text;
  }
  void TearDown() override {
    fail_.reset();
    log_.reset();
    registry_.reset();
  }
  std::optional<win::testing::ScopedEnv> registry_, log_, fail_;
  fs::path Log() const { return folder_.Path() / "calls.log"; }
  std::vector<std::string> Logged() const {
    std::vector<std::string> lines;
    std::ifstream in(Log());
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
  }
  // Created the way the graders create them: empty rectangle, style 0, the dialog as parent.
  template <class W>
  std::unique_ptr<W> Make(int childId, const char* name = "") {
    auto w = std::make_unique<W>();
    EXPECT_TRUE(w->Create(name, 0, com::Rect{}, &dialog_, childId)) << w->LastError();
    return w;
  }

  win::testing::ScopedTempFolder folder_{"controls_"};
  int dialog_ = 0;
  std::string parent_;
};

TEST_F(Controls, SpreadsheetGradesOnAnsnameAndReportsBothMarks) {
  auto excel = Make<PingExcel>(113);
  EXPECT_EQ(excel->GetDlgCtrlID(), 113);
  ASSERT_TRUE(excel->SetEDebug(true));
  ASSERT_TRUE(excel->SetExcelGrade(0));
  ASSERT_TRUE(excel->SetPathofans("C:\\KIRV\\Data\\Answer\\"));
  ASSERT_TRUE(excel->SetPathOfexl("D:\\KirvExam\\0101\\Excelkt\\"));
  ASSERT_TRUE(excel->SetAnsname("e1.xls"));
  EXPECT_EQ(*excel->GetExcelGrade(), 8);
  EXPECT_EQ(*excel->GetExcelAllGrade(), 10);
  excel.reset();
  EXPECT_EQ(Logged(),
            (std::vector<std::string>{
                "113 create name=\"\" style=0 parent=" + parent_,
                "113 property put 0x68030008 BOOL -1 -> EMPTY",
                "113 property put 0x68030002 I2 0 -> EMPTY",
                "113 property put 0x68030005 BSTR \"C:\\KIRV\\Data\\Answer\\\" -> EMPTY",
                "113 property put 0x68030000 BSTR \"D:\\KirvExam\\0101\\Excelkt\\\" -> EMPTY",
                "113 property put 0x68030003 BSTR \"e1.xls\" -> EMPTY",
                "113 property get 0x68030002 -> I2 8",
                "113 property get 0x68030001 -> I2 10",
                "113 destroy",
            }));
}

TEST_F(Controls, DesktopGradesOnAnswernameAndNetworkOnGo) {
  auto win = Make<PingWin>(111, "abc");
  ASSERT_TRUE(win->SetDebugok(false));
  ASSERT_TRUE(win->SetPathofstu("D:\\KirvExam\\0101\\"));
  ASSERT_TRUE(win->SetPathofanswer("C:\\KIRV\\Data\\Answer\\"));
  ASSERT_TRUE(win->SetAnswername("w1.xls"));
  EXPECT_EQ(*win->GetWingrade(), 77);
  win.reset();

  auto net = Make<PingNet>(115);
  ASSERT_TRUE(net->SetStudentDir("D:\\KirvExam\\0101\\"));
  ASSERT_TRUE(net->Go());
  EXPECT_EQ(*net->GetScore(), 66.5);
  net.reset();
  EXPECT_EQ(Logged(), (std::vector<std::string>{
                          "111 create name=\"abc\" style=0 parent=" + parent_,
                          "111 property put 0x68030000 BOOL 0 -> EMPTY",
                          "111 property put 0x68030004 BSTR \"D:\\KirvExam\\0101\\\" -> EMPTY",
                          "111 property put 0x68030003 BSTR \"C:\\KIRV\\Data\\Answer\\\" -> EMPTY",
                          "111 property put 0x68030002 BSTR \"w1.xls\" -> EMPTY",
                          "111 property get 0x68030001 -> I2 77",
                          "111 destroy",
                          "115 create name=\"\" style=0 parent=" + parent_,
                          "115 property put 4 BSTR \"D:\\KirvExam\\0101\\\" -> EMPTY",
                          "115 method 6 -> EMPTY",
                          "115 property get 2 -> R8 66.500000",
                          "115 destroy",
                      }));
}

TEST_F(Controls, RunPassesTextsAndFlagByReferenceAndReturnsADouble) {
  const std::string answers = "C:\\KIRV\\Data\\Answer\\";
  {
    auto word = Make<PingWord>(112);
    std::string check = "D:\\KirvExam\\0101\\wordkt", path = answers, name = "w1.xls";
    bool debug = true;
    EXPECT_EQ(*word->Run(check, path, name, debug), 12.5);
    EXPECT_EQ(check, "D:\\KirvExam\\0101\\wordkt\\");  // written back through the reference
  }
  {
    auto ppt = Make<PingPpt>(114);
    std::string check = "D:\\KirvExam\\0101\\pptkt\\", path = answers, name = "p1.xls";
    bool debug = false;
    EXPECT_EQ(*ppt->Run(check, path, name, debug), 12.5);
    EXPECT_EQ(check, "D:\\KirvExam\\0101\\pptkt\\");
  }
  {
    auto fp = Make<PingFp>(116);
    std::string check = "D:\\KirvExam\\0101\\Fropkt", file = answers + "f1.xls";
    bool debug = false;
    EXPECT_EQ(*fp->Run(check, file, debug), 12.5);
    EXPECT_EQ(check, "D:\\KirvExam\\0101\\Fropkt\\");
  }
  const std::vector<std::string> log = Logged();
  ASSERT_EQ(log.size(), 9u);
  EXPECT_EQ(log[1],
            "112 method 0x6003000E BYREF BSTR \"D:\\KirvExam\\0101\\wordkt\" BYREF BSTR "
            "\"C:\\KIRV\\Data\\Answer\\\" BYREF BSTR \"w1.xls\" BYREF BOOL -1 -> R8 12.500000");
  EXPECT_EQ(log[4],
            "114 method 0x6003000E BYREF BSTR \"D:\\KirvExam\\0101\\pptkt\\\" BYREF BSTR "
            "\"C:\\KIRV\\Data\\Answer\\\" BYREF BSTR \"p1.xls\" BYREF BOOL 0 -> R8 12.500000");
  EXPECT_EQ(log[7],
            "116 method 0x60030000 BYREF BSTR \"D:\\KirvExam\\0101\\Fropkt\" BYREF BSTR "
            "\"C:\\KIRV\\Data\\Answer\\f1.xls\" BYREF BOOL 0 -> R8 12.500000");
  EXPECT_EQ(log[8], "116 destroy");
}

TEST_F(Controls, FailuresComeBackAsErrorsNotExceptions) {
  fail_.emplace("KIRV_FAKE_CONTROL_FAIL", "1");
  auto word = Make<PingWord>(112);
  std::string a = "x", b = "y", c = "z";
  bool debug = false;
  auto failed = word->Run(a, b, c, debug);
  ASSERT_FALSE(failed);
  EXPECT_EQ(failed.error().code, com::RuntimeErrorCode(5));

  // Not registered: Create says no, and calls on the wrapper fail without reaching anything.
  registry_.reset();
  registry_.emplace("KIRV_REGISTRY", (folder_.Path() / "empty.ini").string());
  PingExcel excel;
  EXPECT_FALSE(excel.Create("", 0, com::Rect{}, nullptr, 113));
  EXPECT_NE(excel.LastError().find("class not registered"), std::string::npos) << excel.LastError();
  EXPECT_FALSE(excel.IsCreated());
  EXPECT_FALSE(excel.SetAnsname("e1.xls"));
  EXPECT_FALSE(excel.GetExcelGrade());
}

TEST_F(Controls, StartUpRegistrationOfTheControlFolderMakesTheControlsAvailable) {
  // The client's own step: "regsvr32 /s <name>" for each library of its control folder, started
  // and not waited for; here the tool is found on PATH, in the demo installation beside the client.
  win::testing::TestFolder t;
  fs::create_directories(t.Root() / "Ocx");
  fs::copy_file(KIRV_FAKE_GRADING_CONTROLS, t.Root() / "Ocx" / "grading.ocx");
  registry_.reset();
  registry_.emplace("KIRV_REGISTRY", (folder_.Path() / "startup.ini").string());
  {
    win::testing::ScopedEnv path(
        "PATH", fs::path(KIRV_REGSVR32).parent_path().string() + ":" + std::getenv("PATH"));
    RegisterControls("*.ocx", t.Win("Ocx"));
  }
  // The tool runs on its own: give it time on a loaded machine.
  PingNet net;
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
  while (!net.Create("", 0, com::Rect{}, nullptr, 115) &&
         std::chrono::steady_clock::now() < deadline)
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  ASSERT_TRUE(net.IsCreated()) << net.LastError();
  ASSERT_TRUE(net.Go());
  EXPECT_EQ(*net.GetScore(), 66.5);
}

}  // namespace
