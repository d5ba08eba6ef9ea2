// Tests of the end screen: every lock on while it is up, only the password closes it (Esc and
// closing the window do not), a wrong entry is forgotten, and all locks are off afterwards.

#include "client/gui/bye_dlg.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QKeyEvent>

#include "client/exam/lockdown.h"
#include "platform/ui/testing/qt_test_app.h"

namespace {

struct Locks : LockdownBackend {
  bool taskMgr = false, keys = false, taskbar = false;
  void SetTaskManagerPolicy(bool d) override { taskMgr = d; }
  bool TaskManagerPolicyIsOne() override { return taskMgr; }
  void DisableTaskKeys(int d, int) override { keys = d; }
  bool AreTaskKeysDisabled() override { return keys; }
  void DisableTaskbar(bool d) override { taskbar = d; }
  bool TaskbarDisabled() override { return taskbar; }
  bool All() const { return taskMgr && keys && taskbar; }
  bool None() const { return !taskMgr && !keys && !taskbar; }
};

void Type(QWidget& w, const QString& text) {
  for (QChar c : text) {
    QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
    QCoreApplication::sendEvent(&w, &press);
  }
}

void Key(QWidget& w, int key) {
  QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
  QCoreApplication::sendEvent(&w, &press);
}

TEST(CByeDlg, OnlyThePasswordClosesIt) {
  ui::TestApp();
  Locks locks;
  locks.keys = true;  // already on: must stay on, not be toggled off
  std::string checked;
  {
    CByeDlg dlg(
        locks, false,
        [&](const std::string& s) {
          checked = s;
          return s == "kirv2026";
        },
        QStringLiteral("再见\\n谢谢"));
    EXPECT_TRUE(locks.All());
    dlg.show();
    Type(dlg, "wrong");
    Key(dlg, Qt::Key_Return);
    EXPECT_EQ(checked, "wrong");
    EXPECT_TRUE(dlg.Entry().isEmpty());
    EXPECT_TRUE(dlg.isVisible());
    Key(dlg, Qt::Key_Escape);
    dlg.close();
    EXPECT_TRUE(dlg.isVisible());
    EXPECT_TRUE(locks.All());
    Type(dlg, "kirv20266");
    Key(dlg, Qt::Key_Backspace);
    Key(dlg, Qt::Key_Enter);
    EXPECT_FALSE(dlg.isVisible());
    EXPECT_EQ(dlg.result(), QDialog::Accepted);
    EXPECT_TRUE(locks.None());
  }
  EXPECT_TRUE(locks.None());
}

TEST(CByeDlg, TrainingLeavesTheLocksAlone) {
  ui::TestApp();
  Locks locks;
  locks.taskbar = true;
  {
    CByeDlg dlg(
        locks, true, [](const std::string&) { return true; }, QString());
    EXPECT_FALSE(locks.keys || locks.taskMgr);
  }
  EXPECT_TRUE(locks.taskbar);
  EXPECT_EQ(CByeDlg::ScreenText(QStringLiteral("a\\nb\\n")), QStringLiteral("a\nb\n"));
}

}  // namespace
