// The application object and its presentation collection.
#include "platform/office/powerpoint/application.h"

#include "platform/office/powerpoint/errors.h"
#include "platform/vb/strings.h"
#include "platform/win/paths.h"

namespace powerpoint {

base::Result<Presentation*> Presentations::Open(std::string_view fileName) {
  return Open(fileName, win::ToHostPath(fileName));
}

base::Result<Presentation*> Presentations::Open(std::string_view fileName,
                                                const std::filesystem::path& hostFile) {
  if (Presentation* open = Activate(fileName)) return open;
  return Add(fileName, Presentation::Open(app_, hostFile, std::string(fileName)));
}

base::Result<Presentation*> Presentations::OpenBytes(std::string_view fileName,
                                                     std::string_view bytes) {
  if (Presentation* open = Activate(fileName)) return open;
  return Add(fileName, Presentation::FromBytes(app_, bytes, std::string(fileName)));
}

base::Result<Presentation*> Presentations::OpenFile(std::string_view fileName,
                                                    win::OpenedFile file) {
  if (Presentation* open = Activate(fileName)) return open;
  return Add(fileName, Presentation::FromFile(app_, std::move(file), std::string(fileName)));
}

Presentation* Presentations::Activate(std::string_view fileName) {
  for (auto& presentation : presentations_) {
    if (vb::TextEquals(presentation->FullName(), fileName)) {
      active_ = presentation.get();
      return active_;
    }
  }
  return nullptr;
}

base::Result<Presentation*> Presentations::Add(
    std::string_view fileName, base::Result<std::unique_ptr<Presentation>> presentation) {
  if (!presentation) return presentation.error().In(fileName);
  presentations_.push_back(std::move(*presentation));
  active_ = presentations_.back().get();
  return active_;
}

base::Result<Presentation*> Presentations::Item(int32_t index) {
  if (index < 1 || index > Count()) return NoSuchMember("there is no presentation ", index);
  return presentations_[static_cast<size_t>(index - 1)].get();
}

base::Result<Presentation*> Presentations::Item(std::string_view name) {
  for (auto& presentation : presentations_) {
    if (vb::TextEquals(presentation->Name(), name) ||
        vb::TextEquals(presentation->FullName(), name))
      return presentation.get();
  }
  return NoSuchMember("no presentation \"", name, "\" is open");
}

bool Presentations::Close(Presentation* presentation) {
  for (auto it = presentations_.begin(); it != presentations_.end(); ++it) {
    if (it->get() != presentation) continue;
    presentations_.erase(it);
    if (active_ == presentation)
      active_ = presentations_.empty() ? nullptr : presentations_.back().get();
    return true;
  }
  return false;
}

base::Result<Presentation*> Application::ActivePresentation() {
  Presentation* active = presentations_.Active();
  if (active == nullptr) return NoSuchMember("no presentation is open");
  return active;
}

void Application::Quit() {
  while (Presentation* presentation = presentations_.Active()) presentations_.Close(presentation);
}

}  // namespace powerpoint
