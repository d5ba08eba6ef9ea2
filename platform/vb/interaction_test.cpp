// MsgBox through the message sink, and the message pump hook.
#include "platform/vb/interaction.h"

#include <gtest/gtest.h>

#include "platform/win/message_box.h"

namespace vb {
namespace {

TEST(Interaction, MsgBoxGoesThroughTheMessageSink) {
  win::MessageCapture capture(win::IDCANCEL);
  EXPECT_EQ(MsgBox("文本", win::MB_OKCANCEL, "标题"), win::IDCANCEL);
  ASSERT_EQ(capture.Shown().size(), 1u);
  EXPECT_EQ(capture.Shown()[0].text, "文本");
  EXPECT_EQ(capture.Shown()[0].caption, "标题");
  EXPECT_EQ(capture.Shown()[0].flags, unsigned{win::MB_OKCANCEL});
}

TEST(Interaction, PumpMessagesCallsTheHookOnlyWhenSet) {
  PumpMessages();  // no hook: nothing happens
  int calls = 0;
  PumpHook previous = SetPumpHook([&] { ++calls; });
  PumpMessages();
  PumpMessages();
  EXPECT_EQ(calls, 2);
  SetPumpHook(previous);
  PumpMessages();
  EXPECT_EQ(calls, 2);
}

}  // namespace
}  // namespace vb
