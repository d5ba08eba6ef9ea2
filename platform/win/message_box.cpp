// The message sink behind every message box.
#include "message_box.h"

#include <cstdio>
#include <utility>

namespace win {
namespace {

MessageSink& CurrentSink() {
  static MessageSink sink;
  return sink;
}

}  // namespace

MessageSink SetMessageSink(MessageSink sink) {
  return std::exchange(CurrentSink(), std::move(sink));
}

int DefaultButton(unsigned flags) {
  const bool second = (flags & MB_DEFBUTTON2) != 0;
  switch (flags & MB_TYPEMASK) {
    case MB_OKCANCEL:
      return second ? IDCANCEL : IDOK;
    case MB_ABORTRETRYIGNORE:
      return second ? IDRETRY : IDABORT;
    case MB_YESNOCANCEL:
    case MB_YESNO:
      return second ? IDNO : IDYES;
    case MB_RETRYCANCEL:
      return second ? IDCANCEL : IDRETRY;
    default:
      return IDOK;
  }
}

int MessageBox(std::string_view text, std::string_view caption, unsigned flags) {
  MessageBoxRequest request{std::string(text), std::string(caption), flags};
  if (const MessageSink& sink = CurrentSink()) return sink(request);
  std::fprintf(stderr, "[%s] %s\n", request.caption.c_str(), request.text.c_str());
  return DefaultButton(flags);
}

MessageCapture::MessageCapture(int answer) : answer_(answer) {
  previous_ = SetMessageSink([this](const MessageBoxRequest& request) {
    shown_.push_back(request);
    return answer_ != 0 ? answer_ : DefaultButton(request.flags);
  });
}

MessageCapture::~MessageCapture() {
  SetMessageSink(std::move(previous_));
}

}  // namespace win
