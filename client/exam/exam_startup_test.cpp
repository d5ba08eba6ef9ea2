// Tests of the start-up order and its ways out: a second instance, a failed library start-up,
// the rules or login left without OK, a question bar that cannot be made; the exit hook runs
// whenever start-up got past the instance lock.

#include "client/exam/exam_startup.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct Recorder : StartupSteps {
  std::string failAt;  // the step that fails
  std::vector<std::string> calls;
  bool Step(const std::string& name) {
    calls.push_back(name);
    return name != failAt;
  }
  bool AcquireInstance() override { return Step("instance"); }
  void ShowRegisterBox(bool show) override { Step(show ? "register box" : "register box off"); }
  bool InitOle() override { return Step("ole"); }
  bool InitRichEdit() override { return Step("richedit"); }
  bool InitSockets() override { return Step("sockets"); }
  void Message(const std::string& t) override { Step("message " + t); }
  void InitPathsAndGlobals() override { Step("globals"); }
  void RegisterControls() override { Step("controls"); }
  void CreateShortcut() override { Step("shortcut"); }
  void ApplyTheme() override { Step("theme"); }
  void ReleaseLocks() override { Step("release locks"); }
  void StartCompanion() override { Step("companion"); }
  void RunHook(const std::string& name) override { Step(name); }
  bool ShowRules() override { return Step("rules"); }
  bool ShowLogin() override { return Step("login"); }
  bool CreateQuestionBar() override { return Step("bar"); }
  void CreateExamFrame() override { Step("frame"); }
  void StartCountdown() override { Step("countdown"); }
  void WriteLog(const std::string& l) override { Step("log " + l); }
  std::string Timestamp() override { return "20261210080000"; }
  void OpenStudentFolder() override { Step("open folder"); }
  void DestroyQuestionBar() override { Step("destroy bar"); }
  void CloseDatabase() override { Step("close db"); }
  int RunEventLoop() override { return Step("loop") ? 0 : 3; }
};

const std::vector<std::string> kPrepare = {
    "instance",        "register box", "ole",   "richedit",      "sockets",   "globals",
    "controls",        "shortcut",     "theme", "release locks", "companion", "init.bat",
    "register box off"};
const std::vector<std::string> kExit = {"destroy bar", "exit.bat", "close db"};

std::vector<std::string> Join(std::vector<std::vector<std::string>> parts) {
  std::vector<std::string> out;
  for (auto& p : parts) out.insert(out.end(), p.begin(), p.end());
  return out;
}

TEST(Startup, OrderAndWaysOut) {
  struct Case {
    const char* failAt;
    std::vector<std::string> expected;
  } cases[] = {
      {"", Join({kPrepare,
                 {"rules", "login", "bar", "frame", "extract.bat", "countdown",
                  "log 考试开始于：20261210080000", "open folder", "loop"},
                 kExit})},
      {"instance", {"instance"}},
      {"ole", Join({{"instance", "register box", "ole", "message OLE(COM) 初始化错误!"}, kExit})},
      {"richedit",
       Join({{"instance", "register box", "ole", "richedit", "message RichEdit 初始化错误!"},
             kExit})},
      {"sockets", Join({{"instance", "register box", "ole", "richedit", "sockets",
                         "message Socket 初始化错误!"},
                        kExit})},
      {"rules", Join({kPrepare, {"rules"}, kExit})},
      {"login", Join({kPrepare, {"rules", "login"}, kExit})},
      {"bar", Join({kPrepare, {"rules", "login", "bar"}, kExit})},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.failAt);
    Recorder r;
    r.failAt = c.failAt;
    EXPECT_EQ(RunExamApp(r), 0);
    EXPECT_EQ(r.calls, c.expected);
  }
}

TEST(Startup, EventLoopExitCodeIsKept) {
  Recorder r;
  r.failAt = "loop";
  EXPECT_EQ(RunExamApp(r), 3);
  EXPECT_EQ(r.calls.back(), "close db");
}

}  // namespace
