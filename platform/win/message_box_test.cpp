#include "platform/win/message_box.h"

#include <gtest/gtest.h>

namespace win {
namespace {

TEST(MessageBox, CaptureRecordsAndAnswers) {
  MessageCapture capture(IDNO);
  EXPECT_EQ(MessageBox("text", "title", MB_YESNO | MB_ICONQUESTION), IDNO);
  ASSERT_EQ(capture.Shown().size(), 1u);
  EXPECT_EQ(capture.Shown()[0].text, "text");
  EXPECT_EQ(capture.Shown()[0].caption, "title");
  EXPECT_EQ(capture.Shown()[0].flags, unsigned(MB_YESNO | MB_ICONQUESTION));
}

TEST(MessageBox, DefaultButtons) {
  EXPECT_EQ(DefaultButton(MB_OK), IDOK);
  EXPECT_EQ(DefaultButton(MB_YESNO), IDYES);
  EXPECT_EQ(DefaultButton(MB_YESNO | MB_DEFBUTTON2), IDNO);
  EXPECT_EQ(DefaultButton(MB_OKCANCEL | MB_DEFBUTTON2), IDCANCEL);
  MessageCapture capture;
  EXPECT_EQ(MessageBox("q", "t", MB_YESNOCANCEL), IDYES);
}

TEST(MessageBox, CaptureRestoresPreviousSink) {
  MessageCapture outer(IDCANCEL);
  {
    MessageCapture inner(IDOK);
    MessageBox("inner", "", MB_OKCANCEL);
  }
  EXPECT_EQ(MessageBox("outer", "", MB_OKCANCEL), IDCANCEL);
  EXPECT_EQ(outer.Shown().size(), 1u);
}

}  // namespace
}  // namespace win
