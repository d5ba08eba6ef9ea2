// Tests of the login window: its messages, the lists shown per mode, the window after a draw,
// and Ctrl+F12 leading to the proctor only through the system password.

#include "client/gui/login_dlg.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>
#include <filesystem>

#include "client/store/ado_exam_store.h"
#include "client/testing/demo_database.h"
#include "client/testing/fake_exam_store.h"
#include "platform/ui/testing/qt_test_app.h"
#include "platform/win/message_box.h"
#include "platform/win/paths.h"
#include "platform/win/testing/test_folder.h"

namespace {

struct Host : LoginHost {
  bool FileExists(const std::string&) override { return false; }
  bool RenameFile(const std::string&, const std::string&) override { return true; }
  base::Status MakeDirPath(const std::string&) override { return base::Ok(); }
  void RemoveFolder(const std::string&) override {}
  bool RunAndWait(const std::string&, const std::string&) override { return true; }
  std::vector<std::string> ListFiles(const std::string&) override { return {}; }
  base::Status WriteLog(const std::string&, const std::string&, const std::string&) override {
    return base::Ok();
  }
  base::Status WriteAnswerRecord(const std::string&, const std::string&,
                                 const std::string&) override {
    return base::Ok();
  }
  std::string Timestamp() override { return "20260101000000"; }
  void SeedRandom() override {}
  int Random() override { return 0; }
};

TEST(CLoginDlg, MessagesDrawAndHotKey) {
  ui::TestApp();
  FakeExamStore store;
  store.constRow = ConstRow{0, "D:\\exam"};
  store.modules[1] = {"Windows", true};
  store.AddPaper(1, 7, "", 0);
  Host host;
  int passwords = 0, proctors = 0;
  bool passwordOk = false;
  CLoginDlg::Hooks hooks{[&] {
                           ++passwords;
                           return passwordOk;
                         },
                         [&] { ++proctors; }};
  win::MessageCapture boxes;

  FakeExamStore empty;  // empty lists: nothing chosen
  CLoginDlg manual(empty, host, "E:\\kirv\\", "manual", false, hooks);
  manual.CodeEdit()->setText("C1");
  manual.OnLogin();
  ASSERT_EQ(boxes.Shown().size(), 1u);
  EXPECT_EQ(boxes.Shown()[0].text, "请选择要操作的模块和试题");
  EXPECT_FALSE(manual.Outcome());

  // Ctrl+F12 typed wherever the focus is, as a keyboard sends it.
  manual.show();
  manual.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&manual));
  for (QWidget* focus : {static_cast<QWidget*>(manual.CodeEdit()),
                         static_cast<QWidget*>(manual.findChild<QComboBox*>())}) {
    focus->setFocus();
    ASSERT_EQ(QApplication::focusWidget(), focus);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F12, Qt::ControlModifier);
    passwordOk = true;
  }
  EXPECT_EQ(passwords, 2);
  EXPECT_EQ(proctors, 1);
  manual.hide();

  CLoginDlg dlg(store, host, "E:\\kirv\\", "", false, hooks);
  dlg.CodeEdit()->setText("   ");
  dlg.OnLogin();
  EXPECT_EQ(boxes.Shown().back().text, "请输入你的练习账号");
  dlg.CodeEdit()->setText(" C1 ");
  dlg.show();
  dlg.OnLogin();
  ASSERT_TRUE(dlg.Outcome());
  EXPECT_EQ(dlg.Outcome()->studentFolder, "D:\\exam\\C1\\");
  EXPECT_EQ(dlg.Outcome()->papers, "1-7");
  EXPECT_EQ(dlg.result(), QDialog::Accepted);
  EXPECT_FALSE(dlg.CodeEdit()->isVisible());
}

}  // namespace

namespace {

// The lists of a login that lets the candidate choose, filled from the demo's rows, and a
// composed exam drawn from the chosen group.
TEST(CLoginDlg, ManualChoicesFromTheDatabase) {
  ui::TestApp();
  win::testing::ScopedTempFolder tmp("login_dlg_");
  const std::filesystem::path dir = tmp.Path();
  AdoExamStore store;
  std::string error;
  ASSERT_TRUE(OpenDemoDatabase(dir / "kirv.mdb", store.Connection(), &error)) << error;
  ASSERT_TRUE(store.Open(win::ToWindowsPath(dir / "kirv.mdb")));
  Host host;
  CLoginDlg dlg(store, host, "E:\\kirv\\", "Manual", false, {});
  QList<QComboBox*> boxes = dlg.findChildren<QComboBox*>();
  ASSERT_EQ(boxes.size(), 3);       // modules, papers, groups
  EXPECT_EQ(boxes[0]->count(), 7);  // the enabled modules
  EXPECT_EQ(boxes[1]->count(), 1);  // the papers of the first one
  boxes[0]->setCurrentIndex(1);
  EXPECT_EQ(boxes[1]->count(), 2);
  EXPECT_EQ(boxes[1]->itemData(1).toInt(), 102);
  EXPECT_EQ(boxes[2]->count(), 2);  // the groups
  EXPECT_EQ(dlg.Mode(), DrawMode::SingleModule);
  dlg.show();
  EXPECT_TRUE(boxes[1]->isVisible());
  EXPECT_FALSE(boxes[2]->isVisible());

  dlg.SetMode(DrawMode::Group);
  EXPECT_FALSE(boxes[1]->isVisible());
  EXPECT_TRUE(boxes[2]->isVisible());
  boxes[2]->setCurrentIndex(0);
  dlg.CodeEdit()->setText("26001010103");
  dlg.OnLogin();
  ASSERT_TRUE(dlg.Outcome());
  EXPECT_EQ(dlg.Outcome()->papers.substr(0, 2), "0-");
  EXPECT_EQ(dlg.Outcome()->papers.substr(dlg.Outcome()->papers.size() - 36),
            "|1-101|2-201|3-301|4-401|5-501|6-601");
  EXPECT_EQ(dlg.Outcome()->examSeconds, 6000);
  store.Close();
}

}  // namespace
