#include "platform/office/frontpage/application.h"

#include <algorithm>

#include "platform/win/paths.h"

namespace frontpage {

PageWindow::PageWindow(std::string fileName, std::unique_ptr<Document> document)
    : fileName_(std::move(fileName)), document_(std::move(document)) {
  frame_.document_ = document_.get();
}

void PageWindow::Close(int, int) {
  document_.reset();
  frame_.document_ = nullptr;
}

Application::~Application() = default;

namespace {

// A host path ("/srv/exam/a.htm") in the Windows form the rest of the system speaks.
std::string WindowsForm(std::string_view path) {
  if (path.starts_with("/")) return win::ToWindowsPath(std::filesystem::path(path));
  return std::string(path);
}

}  // namespace

base::Result<PageWindow*> Application::LocatePage(std::string_view fullPath, int) {
  const std::string fileName = WindowsForm(fullPath);
  const std::filesystem::path host = win::ToHostPath(fileName);
  const std::filesystem::path root = readRoot_.empty() ? host.parent_path() : readRoot_;
  base::Result<std::string> bytes = ReadPageFile(host, root);
  if (!bytes) return bytes.error();
  return LocatePageBytes(fileName, *bytes);
}

base::Result<PageWindow*> Application::LocatePageBytes(std::string_view fullPath,
                                                       std::string_view bytes) {
  const std::string fileName = WindowsForm(fullPath);
  const std::filesystem::path root =
      readRoot_.empty() ? win::ToHostPath(win::FolderPart(fileName)) : readRoot_;
  base::Result<std::unique_ptr<Document>> doc = Document::Parse(bytes, fileName, root);
  if (!doc) {
    return ErrorWith(kErrUnreadable, "cannot open the page ", fileName, ": ", doc.error().message);
  }
  std::erase_if(windows_, [](const std::unique_ptr<PageWindow>& w) { return w->closed(); });
  windows_.push_back(std::unique_ptr<PageWindow>(new PageWindow(fileName, std::move(*doc))));
  return windows_.back().get();
}

PageWindow* Application::ActivePageWindow() const {
  for (auto it = windows_.rbegin(); it != windows_.rend(); ++it) {
    if (!(*it)->closed()) return it->get();
  }
  return nullptr;
}

void Application::Quit() {
  windows_.clear();
}

}  // namespace frontpage
