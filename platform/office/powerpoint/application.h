// The presentation program's application object ("powerpoint.application"): its open
// presentations, the active one, the window settings the grading driver makes, and Quit.
// Every call that can fail returns a base::Result, never an exception.
#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string_view>
#include <vector>

#include "platform/base/result.h"
#include "platform/office/powerpoint/constants.h"
#include "platform/office/powerpoint/presentation.h"

namespace powerpoint {

class Application;

class Presentations {
 public:
  // Opens a presentation by its Windows-form path and makes it active; one open under that
  // name already is made active as it stands. An error says why it is no presentation.
  base::Result<Presentation*> Open(std::string_view fileName);
  // The same for a path the caller has already found on the host.
  base::Result<Presentation*> Open(std::string_view fileName,
                                   const std::filesystem::path& hostFile);
  // The same from the file's bytes, already read by the caller (from the candidate's folder).
  base::Result<Presentation*> OpenBytes(std::string_view fileName, std::string_view bytes);
  // The same from the file, already opened by the caller (confined to the candidate's folder).
  base::Result<Presentation*> OpenFile(std::string_view fileName, win::OpenedFile file);

  int32_t Count() const { return static_cast<int32_t>(presentations_.size()); }
  // By position from 1, or by name ("a.pptx") or full name without regard to case.
  base::Result<Presentation*> Item(int32_t index);
  base::Result<Presentation*> Item(std::string_view name);
  // Closes without saving; false when the presentation is not open here.
  bool Close(Presentation* presentation);

  Presentation* Active() { return active_; }

 private:
  friend class Application;
  explicit Presentations(Application& app) : app_(app) {}
  Presentation* Activate(std::string_view fileName);
  base::Result<Presentation*> Add(std::string_view fileName,
                                  base::Result<std::unique_ptr<Presentation>> presentation);

  Application& app_;
  std::vector<std::unique_ptr<Presentation>> presentations_;
  Presentation* active_ = nullptr;
};

class Application {
 public:
  Application() : presentations_(*this) {}
  Application(const Application&) = delete;
  Application& operator=(const Application&) = delete;

  powerpoint::Presentations& Presentations() { return presentations_; }
  // The active presentation; fails when none is open.
  base::Result<Presentation*> ActivePresentation();

  // The window the program would show: kept, shown nowhere.
  int32_t Visible() const { return visible_; }
  void SetVisible(int32_t visible) { visible_ = visible; }
  int32_t WindowState() const { return windowState_; }
  void SetWindowState(int32_t state) { windowState_ = state; }

  // Closes every presentation without saving.
  void Quit();

 private:
  powerpoint::Presentations presentations_;
  int32_t visible_ = msoFalse;
  int32_t windowState_ = 1;
};

}  // namespace powerpoint
