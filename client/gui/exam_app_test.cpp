// Tests of the application object's own steps: the site hooks run in the Script folder only when
// present, start-up releases every lock, and the window title the browser simulation looks for.

#include "client/gui/exam_app.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "client/common/system_utils.h"
#include "client/testing/fake_exam_store.h"
#include "platform/ui/testing/qt_test_app.h"
#include "platform/win/message_box.h"
#include "platform/win/paths.h"
#include "platform/win/registry.h"
#include "platform/win/testing/test_folder.h"

namespace {

namespace fs = std::filesystem;

TEST(CExamApp, HooksLocksAndTitle) {
  ui::TestApp();
  win::testing::ScopedTempFolder tmp("exam_app_");
  const fs::path root = tmp.Path();
  fs::create_directories(root / "Script");
  std::ofstream(root / "Script/exit.bat") << "pwd > ran.txt\n";
  win::SetRegistryFile(root / "registry.ini");
  PathGlobals paths;
  paths.ProgramFolder = win::ToWindowsPath(root) + "\\";
  ExamSession session;
  session.Start(paths, std::make_unique<FakeExamStore>());

  CExamApp app{session, CExamApp::Screens{}};
  win::MessageCapture boxes;
  app.RunHook("exit.bat");
  app.RunHook("init.bat");  // missing: nothing runs, nothing is shown
  EXPECT_TRUE(boxes.Shown().empty());
  std::ifstream ran(root / "Script/ran.txt");
  std::string cwd;
  std::getline(ran, cwd);
  EXPECT_EQ(fs::canonical(cwd), fs::canonical(root / "Script"));

  RegistryLockdown locks;
  LockForEndScreen(locks, false);
  app.ReleaseLocks();
  EXPECT_FALSE(IsTaskMgrDisabled(locks) || locks.AreTaskKeysDisabled() || IsTaskbarDisabled(locks));

  EXPECT_EQ(ExamWindowTitle({"C1", "未知", "D:\\KirvExam\\C1\\", 0, ""}),
            "■-未知-D:\\KirvExam\\C1\\");
  win::SetRegistryFile({});
}

}  // namespace
