// The start-up timing and screenshot tool of the browser simulation. It plays the question bar
// (publishes the exam window's title for a candidate folder), starts browsim in-process from a
// program folder, and waits for the first page to be painted.
//
//   browsim_tool time PROGRAM_DIR CANDIDATE_DIR      process start to first page painted, in ms
//   browsim_tool shot PROGRAM_DIR CANDIDATE_DIR OUT.png [ADDRESS]
//
// Run with QT_QPA_PLATFORM=offscreen (or under Xvfb); as root, Chromium's sandbox needs
// QTWEBENGINE_DISABLE_SANDBOX=1 in the environment.
#include <time.h>
#include <unistd.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QPixmap>
#include <QTest>
#include <QWebEnginePage>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

#include "browsim/frame/app.h"
#include "platform/ui/window_list.h"
#include "platform/win/paths.h"

namespace {

// Milliseconds since this process was started by the kernel (monotonic, boot-based clock).
double SinceProcessStart() {
  std::ifstream stat("/proc/self/stat");
  std::string text((std::istreambuf_iterator<char>(stat)), std::istreambuf_iterator<char>());
  const size_t close = text.rfind(')');
  std::istringstream fields(text.substr(close + 2));
  std::string field;
  unsigned long long startTicks = 0;
  for (int i = 3; i <= 22 && fields >> field; ++i) {
    if (i == 22) startTicks = std::stoull(field);
  }
  timespec now{};
  clock_gettime(CLOCK_BOOTTIME, &now);
  const double nowMs = now.tv_sec * 1000.0 + now.tv_nsec / 1e6;
  return nowMs - startTicks * 1000.0 / static_cast<double>(sysconf(_SC_CLK_TCK));
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 4 || (std::string(argv[1]) == "shot" && argc < 5)) {
    std::fprintf(stderr,
                 "usage: browsim_tool time|shot PROGRAM_DIR CANDIDATE_DIR [OUT.png [ADDRESS]]\n");
    return 2;
  }
  const std::string mode = argv[1];
  RegisterPseudoSchemes();
  QApplication qt(argc, argv);
  const std::string candidate = win::ToWindowsPath(std::filesystem::absolute(argv[3]));
  if (!ui::PublishWindowTitle(1, "■-未知-" + candidate + "\\")) {
    std::fprintf(stderr, "browsim_tool: cannot publish the exam window's title\n");
    return 1;
  }
  const double appReady = SinceProcessStart();
  auto frame = StartBrowsim(std::filesystem::absolute(argv[2]) / "browsim");
  const double frameReady = SinceProcessStart();
  if (!frame) {
    ui::WithdrawAllWindowTitles();
    return 1;
  }
  bool loaded = false;
  QObject::connect(frame->View()->page(), &QWebEnginePage::loadFinished,
                   [&](bool) { loaded = true; });
  if (std::getenv("BROWSIM_TOOL_TRACE")) {
    auto* page = frame->View()->page();
    QObject::connect(page, &QWebEnginePage::loadStarted,
                     [] { std::printf("load started %.0f\n", SinceProcessStart()); });
    QObject::connect(page, &QWebEnginePage::urlChanged, [](const QUrl& u) {
      std::printf("url %s %.0f\n", u.toString().toStdString().c_str(), SinceProcessStart());
    });
    QObject::connect(page, &QWebEnginePage::loadProgress,
                     [](int p) { std::printf("progress %d %.0f\n", p, SinceProcessStart()); });
  }
  const bool painted = QTest::qWaitFor([&] { return loaded; }, 20000);
  if (mode == "time") {
    // The next frame after the load is the first page on screen.
    QTest::qWait(1);
    frame->View()->grab();
    std::printf("start-up to first page painted: %.0f ms%s (application %.0f ms, frame %.0f ms)\n",
                SinceProcessStart(), painted ? "" : " (no page loaded)", appReady, frameReady);
  } else {
    if (argc > 5) {
      loaded = false;
      frame->Navigate(argv[5]);
      (void)QTest::qWaitFor([&] { return loaded; }, 20000);
    }
    QTest::qWait(500);
    if (!frame->grab().save(argv[4]))
      std::fprintf(stderr, "browsim_tool: cannot save %s\n", argv[4]);
  }
  ui::WithdrawAllWindowTitles();
  frame->close();
  return painted ? 0 : 1;
}
