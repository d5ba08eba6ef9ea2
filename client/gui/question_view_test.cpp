// Tests of the question views: nothing can be copied, keys do nothing, the text size steps.
#include "client/gui/question_view.h"

#include <gtest/gtest.h>

#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>

#include "platform/ui/clipboard.h"
#include "platform/ui/testing/qt_test_app.h"

namespace {

struct ViewFixture {
  QApplication& app = ui::TestApp();  // before the view
  CQuestionRichEdit view;
  ViewFixture() {
    QString text;
    for (int i = 0; i < 200; ++i) text += QString("line %1 of the question\n").arg(i);
    view.setPlainText(text);
    view.resize(300, 200);
    view.show();
    view.setFocus();
  }
};

TEST(QuestionView, CopyAndCutLeaveTheWarning) {
  ViewFixture f;
  for (Qt::Key key : {Qt::Key_C, Qt::Key_X}) {
    ui::SetClipboardText("before");
    QTest::keyClick(&f.view, key, Qt::ControlModifier);
    EXPECT_EQ(ui::ClipboardText(), CQuestionRichEdit::kCopyWarning);
  }
  ui::SetClipboardText("before");
  QTest::keyClick(&f.view, Qt::Key_C);  // without Ctrl nothing happens
  EXPECT_EQ(ui::ClipboardText(), "before");
}

TEST(QuestionView, KeysChangeNothing) {
  ViewFixture f;
  const QString text = f.view.toPlainText();
  ui::SetClipboardText("pasted");
  const int scroll = f.view.verticalScrollBar()->value();
  const struct {
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
  } keys[] = {{Qt::Key_V, Qt::ControlModifier},
              {Qt::Key_A, Qt::ControlModifier},
              {Qt::Key_Down, {}},
              {Qt::Key_PageDown, {}},
              {Qt::Key_End, Qt::ControlModifier},
              {Qt::Key_Delete, {}},
              {Qt::Key_Insert, Qt::ControlModifier},
              {Qt::Key_Z, {}}};
  for (const auto& k : keys) {
    QTest::keyClick(&f.view, k.key, k.modifiers);
    EXPECT_EQ(f.view.verticalScrollBar()->value(), scroll) << k.key;
    EXPECT_FALSE(f.view.textCursor().hasSelection()) << k.key;
  }
  EXPECT_EQ(f.view.toPlainText(), text);
  EXPECT_EQ(ui::ClipboardText(), "pasted");
  EXPECT_EQ(f.view.contextMenuPolicy(), Qt::NoContextMenu);
  EXPECT_EQ(f.view.textInteractionFlags(), Qt::NoTextInteraction);
  // A drag with the mouse selects nothing.
  QTest::mousePress(f.view.viewport(), Qt::LeftButton, {}, QPoint(5, 5));
  QTest::mouseMove(f.view.viewport(), QPoint(200, 150));
  QTest::mouseRelease(f.view.viewport(), Qt::LeftButton, {}, QPoint(200, 150));
  EXPECT_FALSE(f.view.textCursor().hasSelection());
}

TEST(QuestionView, FontSizeStepsKeepProportionsAndStayPositive) {
  ui::TestApp();
  CQuestionRichEdit view;
  QFont font;
  font.setPointSize(9);
  view.setFont(font);
  view.document()->setDefaultFont(font);
  QTextCursor cursor(view.document());
  QTextCharFormat big;
  big.setFontPointSize(20);
  cursor.insertText("small ");
  cursor.insertText("big", big);
  auto sizes = [&] {
    std::vector<double> out;
    for (auto it = view.document()->begin().begin(); !it.atEnd(); ++it)
      out.push_back(it.fragment().charFormat().fontPointSize());
    return out;
  };
  for (int i = 0; i < 10; ++i) view.ChangeFontSize(-0.75);  // ten clicks: 150 twips smaller
  EXPECT_EQ(sizes(), (std::vector<double>{1.5, 12.5}));
  for (int i = 0; i < 10; ++i) view.ChangeFontSize(-0.75);
  EXPECT_EQ(sizes(), (std::vector<double>{1.0, 5.0}));
  view.ChangeFontSize(0.75);
  EXPECT_EQ(sizes(), (std::vector<double>{1.75, 5.75}));
}

TEST(QuestionView, LoadsRtfAndReportsMissingFiles) {
  ui::TestApp();
  CLinkRichEdit view;
  EXPECT_FALSE(view.StreamInRtfFile("Z:\\nonexistent\\kirv\\q.rtf"));
  EXPECT_TRUE(view.toPlainText().isEmpty());
  int notified = 0;
  view.SetNotify([&](int, int) { ++notified; });
  view.resize(200, 100);
  view.show();
  QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, QPoint(10, 10));
  EXPECT_EQ(notified, 0);  // no link areas
  view.SetControlId(3);
  view.SetLinkAreas({{QRect(0, 0, 50, 50), "x", 7}});
  int code = 0, id = 0;
  view.SetNotify([&](int i, int c) { id = i, code = c; });
  QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, QPoint(10, 10));
  EXPECT_EQ(id, 3);
  EXPECT_EQ(code, 7);
}

}  // namespace
