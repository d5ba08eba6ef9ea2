// The application's start-up sequence.
#include "browsim/frame/app.h"

#include <QApplication>

#include "browsim/core/startup.h"
#include "platform/ui/leak_suppressions.h"
#include "platform/ui/message_sink.h"
#include "platform/ui/window_list.h"
#include "platform/ui/window_title_publisher.h"
#include "platform/win/message_box.h"

// Qt WebEngine frees some of its own objects through a base class of another size; the address
// checker of the sanitizer builds would stop every program that shows a page for it.
extern "C" const char* __asan_default_options() {
  return "new_delete_type_mismatch=0";
}

browsim::BrowserExtensions AllExtensions() {
  browsim::BrowserExtensions extensions;
  browsim::InstallMail(extensions);
  browsim::InstallFavorites(extensions);
  browsim::InstallOptions(extensions);
  browsim::InstallPanes(extensions);
  return extensions;
}

std::unique_ptr<CMainFrame> StartBrowsim(const std::filesystem::path& ownFile,
                                         const std::function<void(const char*)>& phase) {
  const auto done = [&](const char* name) {
    if (phase) phase(name);
  };
  ui::KeepLeakSuppressions();
  browsim::BrowserPaths paths;
  browsim::InitBrowserPaths(paths, ownFile);
  if (!browsim::FindExamWindow(paths.globals, ui::TopLevelWindowTitles())) {
    win::MessageBox(browsim::kNoExamMessage, "", win::MB_OK | win::MB_ICONINFORMATION);
    return nullptr;
  }
  done("handshake");
  auto frame = std::make_unique<CMainFrame>(std::move(paths), AllExtensions());
  if (browsim::OpenCandidateDatabase([&] { return frame->Paths().DatabasePath(); },
                                     [&](const std::string& path) {
                                       return frame->OpenDatabase(path);
                                     }) == browsim::DatabaseOpening::EndProgram)
    return nullptr;
  done("database");
  frame->Create();
  done("frame");
  frame->show();
  done("shown");
  frame->View()->OnInitialUpdate();
  done("initial update");
  return frame;
}

int RunBrowsim() {
  ui::InstallMessageSink("browsim");
  ui::PublishTopLevelWindows();
  std::error_code ec;
  const std::filesystem::path own = std::filesystem::read_symlink("/proc/self/exe", ec);
  auto frame = StartBrowsim(own);
  if (!frame) return 0;
  return QApplication::exec();
}
