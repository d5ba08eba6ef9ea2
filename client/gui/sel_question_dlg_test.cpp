// Tests of the single-choice dialog: position and buttons, answers written at once with auto
// advance, a missing question file shown as an empty view, the question kept from the clipboard,
// and the resume of a record.

#include "client/gui/sel_question_dlg.h"

#include <gtest/gtest.h>

#include <QTest>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "client/gui/question_view.h"
#include "platform/ui/clipboard.h"
#include "platform/ui/testing/qt_test_app.h"
#include "platform/win/paths.h"
#include "platform/win/testing/test_folder.h"

namespace {

namespace fs = std::filesystem;

TEST(CSelQuestionDlg, AnswersNavigationAndResume) {
  ui::TestApp();
  win::testing::ScopedTempFolder tmp("sel_dlg_");
  const fs::path root = tmp.Path();
  fs::create_directories(root / "prog/Data/Paper/Sel");
  fs::create_directories(root / "exam/C1");
  std::ofstream(root / "prog/Data/Paper/Sel/q01.rtf") << "{\\rtf1\\ansi First question\\par}";
  std::ofstream(root / "prog/Data/Paper/Sel/q02.rtf") << "{\\rtf1\\ansi Second question\\par}";
  std::string prog = win::ToWindowsPath(root / "prog") + "\\";
  std::string student = win::ToWindowsPath(root / "exam/C1") + "\\";
  auto papers = [] { return std::string("1-101|0-q01,q02,q03"); };
  auto record = [&] {
    std::ifstream in(root / "exam/C1/selkt/C1.txt", std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  };

  {
    CSelQuestionDlg dlg(prog, student, "C1", papers, QFont(), 1);
    dlg.resize(600, 300);
    EXPECT_EQ(dlg.PositionText(), QStringLiteral("第 1/3 题"));
    EXPECT_FALSE(dlg.PrevEnabled());
    EXPECT_TRUE(dlg.NextEnabled());
    EXPECT_TRUE(dlg.View()->toPlainText().contains("First question"));
    EXPECT_EQ(dlg.SelectedIndex(), -1);

    // The question cannot be selected or copied out of the view.
    dlg.show();
    dlg.View()->setFocus();
    ui::SetClipboardText("before");
    for (Qt::Key key : {Qt::Key_A, Qt::Key_C})
      QTest::keyClick(dlg.View(), key, Qt::ControlModifier);
    EXPECT_FALSE(dlg.View()->textCursor().hasSelection());
    EXPECT_EQ(ui::ClipboardText(), CQuestionRichEdit::kCopyWarning);

    dlg.SetAutoAdvance(true);
    dlg.SetAnswer("B");
    EXPECT_EQ(record(), "q01:B\nq02:X\nq03:X\n");
    EXPECT_EQ(dlg.PositionText(), QStringLiteral("第 2/3 题"));
    EXPECT_TRUE(dlg.View()->toPlainText().contains("Second question"));

    dlg.OnNext();  // q03 has no file: an empty view, the answers still work
    EXPECT_TRUE(dlg.View()->toPlainText().isEmpty());
    EXPECT_FALSE(dlg.NextEnabled());
    dlg.SetAnswer("D");
    EXPECT_EQ(dlg.PositionText(), QStringLiteral("第 3/3 题"));
    EXPECT_EQ(dlg.SelectedIndex(), 3);
    EXPECT_EQ(record(), "q01:B\nq02:X\nq03:D\n");
  }

  CSelQuestionDlg again(prog, student, "C1", papers, QFont(), 0);
  again.resize(420, 600);
  EXPECT_EQ(again.PositionText(), QStringLiteral("第 2/3 题"));
  again.OnPrev();
  EXPECT_EQ(again.SelectedIndex(), 1);
}

// An answer that cannot be written (the record's folder is gone, a file in its place) is shown on
// the page and kept: it is written with the next answer that can be.
TEST(CSelQuestionDlg, UnsavedAnswerIsShownAndKept) {
  ui::TestApp();
  win::testing::ScopedTempFolder tmp("sel_dlg_");
  const fs::path root = tmp.Path();
  fs::create_directories(root / "exam/C1");
  const std::string student = win::ToWindowsPath(root / "exam/C1") + "\\";
  CSelQuestionDlg dlg(
      win::ToWindowsPath(root) + "\\", student, "C1", [] { return std::string("0-q01,q02"); },
      QFont(), 1);
  EXPECT_TRUE(dlg.Notice().isEmpty());
  fs::remove_all(root / "exam/C1/selkt");
  std::ofstream(root / "exam/C1/selkt") << "in the way";
  dlg.SetAnswer("A");
  EXPECT_TRUE(dlg.Notice().startsWith(QString::fromUtf8(kAnswerNotSaved)))
      << dlg.Notice().toStdString();
  EXPECT_EQ(dlg.SelectedIndex(), 0);

  fs::remove(root / "exam/C1/selkt");
  dlg.OnNext();
  dlg.SetAnswer("C");
  EXPECT_TRUE(dlg.Notice().isEmpty());
  std::ifstream in(root / "exam/C1/selkt/C1.txt", std::ios::binary);
  EXPECT_EQ(std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>()),
            "q01:A\nq02:C\n");
}

}  // namespace
