// The web editor's automation object ("FrontPage.Application") as the web-page control drives it:
// open a page by its full path into a page window, the active page window, its document and its
// frame window's document, close without saving, quit. Nothing is ever written.
#pragma once

#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/base/result.h"
#include "platform/office/frontpage/document.h"

namespace frontpage {

class PageWindow;

// The window object of a page window: its document is the frames document of a frames page (the
// page itself here, for a frames page and any other).
class FrameWindow {
 public:
  const Document* document() const { return document_; }

 private:
  friend class PageWindow;
  const Document* document_ = nullptr;
};

class PageWindow {
 public:
  const Document* document() const { return document_.get(); }
  const FrameWindow& frameWindow() const { return frame_; }
  // The page's full path as it was opened.
  const std::string& fileName() const { return fileName_; }
  // Closes the window: its document is gone, and it is no longer the active window. The page is
  // never saved, whatever the arguments say.
  void Close(int forceSave = 0, int prompt = 0);
  bool closed() const { return !document_; }

 private:
  friend class Application;
  PageWindow(std::string fileName, std::unique_ptr<Document> document);

  std::string fileName_;
  std::unique_ptr<Document> document_;
  FrameWindow frame_;
};

class Application {
 public:
  Application() = default;
  Application(const Application&) = delete;
  Application& operator=(const Application&) = delete;
  ~Application();

  // "6.0".
  std::string Version() const { return "6.0"; }

  // Opens the page at its full Windows-form path (or a host path) in a new page window and makes
  // it active. The file is read as a candidate's file: a regular file inside its own folder (or
  // inside SetReadRoot's folder), at most kPageFileCap bytes. `viewMode` is accepted and ignored.
  base::Result<PageWindow*> LocatePage(std::string_view fullPath, int viewMode = 1);
  // The same for bytes the caller has already read under that name.
  base::Result<PageWindow*> LocatePageBytes(std::string_view fullPath, std::string_view bytes);

  // The folder pages and their pictures must lie in; by default each page's own folder.
  void SetReadRoot(std::filesystem::path hostFolder) { readRoot_ = std::move(hostFolder); }

  // The page window opened last and still open; nullptr when none is.
  PageWindow* ActivePageWindow() const;
  int PageWindowCount() const { return static_cast<int>(windows_.size()); }

  // Closes every page window without saving.
  void Quit();

 private:
  std::filesystem::path readRoot_;
  std::vector<std::unique_ptr<PageWindow>> windows_;
};

}  // namespace frontpage
