// Message boxes. Every box the system shows goes through one replaceable sink: the programs set
// a sink that shows a real dialog, tests set one that records the box and answers it, and without
// either a box is written to standard error and answered with its default button.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace win {

// Buttons and icons, combined with "|" as the platform's message box flags are.
enum MessageBoxFlags : unsigned {
  MB_OK = 0x0,
  MB_OKCANCEL = 0x1,
  MB_ABORTRETRYIGNORE = 0x2,
  MB_YESNOCANCEL = 0x3,
  MB_YESNO = 0x4,
  MB_RETRYCANCEL = 0x5,
  MB_ICONERROR = 0x10,
  MB_ICONQUESTION = 0x20,
  MB_ICONWARNING = 0x30,
  MB_ICONINFORMATION = 0x40,
  MB_DEFBUTTON2 = 0x100,
  MB_TYPEMASK = 0xF,
  MB_ICONMASK = 0xF0,
};

// The button that closed a box.
enum DialogResult : int {
  IDOK = 1,
  IDCANCEL = 2,
  IDABORT = 3,
  IDRETRY = 4,
  IDIGNORE = 5,
  IDYES = 6,
  IDNO = 7
};

struct MessageBoxRequest {
  std::string text;     // UTF-8
  std::string caption;  // UTF-8
  unsigned flags = MB_OK;
};

using MessageSink = std::function<int(const MessageBoxRequest&)>;

// Installs a sink and returns the previous one (empty for the default).
MessageSink SetMessageSink(MessageSink sink);

// Shows a box through the current sink and returns the button that closed it.
int MessageBox(std::string_view text, std::string_view caption, unsigned flags = MB_OK);

// The button a box answers with when nobody is there to press one.
int DefaultButton(unsigned flags);

// Records every box shown while it lives and answers each with `answer` (or the default button
// when `answer` is 0). Restores the previous sink when destroyed.
class MessageCapture {
 public:
  explicit MessageCapture(int answer = 0);
  ~MessageCapture();
  MessageCapture(const MessageCapture&) = delete;
  MessageCapture& operator=(const MessageCapture&) = delete;

  const std::vector<MessageBoxRequest>& Shown() const { return shown_; }
  void SetAnswer(int answer) { answer_ = answer; }
  void Clear() { shown_.clear(); }

 private:
  std::vector<MessageBoxRequest> shown_;
  int answer_;
  MessageSink previous_;
};

}  // namespace win
