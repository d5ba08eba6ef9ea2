#include "platform/office/frontpage/application.h"

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
base::Result<PageWindow*> Application::LocatePage(std::string_view fullPath, int) {
  return ErrorWith(kErrUnreadable, "cannot open ", fullPath);
}
base::Result<PageWindow*> Application::LocatePageBytes(std::string_view fullPath,
                                                       std::string_view) {
  return ErrorWith(kErrUnreadable, "cannot open ", fullPath);
}
PageWindow* Application::ActivePageWindow() const {
  return nullptr;
}
void Application::Quit() {
  windows_.clear();
}

}  // namespace frontpage
