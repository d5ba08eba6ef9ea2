// The start-up timing and screenshot tool of the browser simulation. It plays the question bar
// (publishes the exam window's title for a candidate folder), starts browsim in-process from a
// program folder, and waits for the first page to be painted.
//
//   browsim_tool time PROGRAM_DIR CANDIDATE_DIR      process start to first page painted, in ms
//   browsim_tool shot PROGRAM_DIR CANDIDATE_DIR OUT.png [ADDRESS]
//   browsim_tool bare PAGE.html      the same time for a bare web view showing one local file,
//                                    the floor that browsim's start-up is compared with
//
// Run with QT_QPA_PLATFORM=offscreen (or under Xvfb); as root, Chromium's sandbox needs
// QTWEBENGINE_DISABLE_SANDBOX=1 in the environment.
#include <time.h>
#include <unistd.h>

#include <QApplication>
#include <QEventLoop>
#include <QFileInfo>
#include <QPixmap>
#include <QTest>
#include <QTimer>
#include <QWebEnginePage>
#include <QWebEngineView>
#include <cmath>
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

// A web view with nothing of browsim: process start to its one local page painted.
int TimeBareView(const char* file) {
  QWebEngineView view;
  bool loaded = false;
  QEventLoop wait;
  QObject::connect(view.page(), &QWebEnginePage::loadFinished, [&](bool ok) {
    loaded = ok;
    wait.quit();
  });
  view.resize(1024, 720);
  view.show();
  view.load(QUrl::fromLocalFile(QFileInfo(file).absoluteFilePath()));
  QTimer::singleShot(20000, &wait, &QEventLoop::quit);
  wait.exec();
  QTest::qWait(1);
  view.grab();
  std::printf("bare view to first page painted: %.0f ms%s\n", SinceProcessStart(),
              loaded ? "" : " (no page loaded)");
  return loaded ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
  const std::string mode = argc > 1 ? argv[1] : "";
  if (mode == "bare" && argc == 3) {
    QApplication qt(argc, argv);
    return TimeBareView(argv[2]);
  }
  if (argc < 4 || (mode == "shot" && argc < 5)) {
    std::fprintf(stderr,
                 "usage: browsim_tool time|shot PROGRAM_DIR CANDIDATE_DIR [OUT.png [ADDRESS]]\n"
                 "       browsim_tool bare PAGE.html\n");
    return 2;
  }
  RegisterPseudoSchemes();
  QApplication qt(argc, argv);
  const std::string candidate = win::ToWindowsPath(std::filesystem::absolute(argv[3]));
  if (!ui::PublishWindowTitle(1, "■-未知-" + candidate + "\\")) {
    std::fprintf(stderr, "browsim_tool: cannot publish the exam window's title\n");
    return 1;
  }
  const double appReady = SinceProcessStart();
  std::string phases;
  auto frame = StartBrowsim(std::filesystem::absolute(argv[2]) / "browsim", [&](const char* name) {
    phases += std::string(", ") + name + " " + std::to_string(std::lround(SinceProcessStart()));
  });
  if (!frame) {
    ui::WithdrawAllWindowTitles();
    return 1;
  }
  bool loaded = false;
  QEventLoop wait;
  QObject::connect(frame->View()->page(), &QWebEnginePage::loadFinished, [&](bool) {
    loaded = true;
    wait.quit();
  });
  // The engine's own tasks run from the event loop; a polling wait would slow them down.
  const auto waitForLoad = [&] {
    if (loaded) return true;
    QTimer::singleShot(20000, &wait, &QEventLoop::quit);
    wait.exec();
    return loaded;
  };
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
  const bool painted = waitForLoad();
  if (mode == "time") {
    // The next frame after the load is the first page on screen.
    QTest::qWait(1);
    frame->View()->grab();
    std::printf("start-up to first page painted: %.0f ms%s (application %.0f%s)\n",
                SinceProcessStart(), painted ? "" : " (no page loaded)", appReady, phases.c_str());
  } else {
    if (argc > 5) {
      loaded = false;
      frame->Navigate(argv[5]);
      (void)waitForLoad();
    }
    QTest::qWait(500);
    if (!frame->grab().save(argv[4]))
      std::fprintf(stderr, "browsim_tool: cannot save %s\n", argv[4]);
  }
  ui::WithdrawAllWindowTitles();
  frame->close();
  return painted ? 0 : 1;
}
