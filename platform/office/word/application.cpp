// The application object, its document collection and options.
#include "platform/office/word/application.h"

#include "platform/office/word/errors.h"
#include "platform/vb/strings.h"
#include "platform/win/paths.h"

namespace word {

base::Result<Document*> Documents::Open(std::string_view fileName) {
  return Open(fileName, win::ToHostPath(fileName));
}

base::Result<Document*> Documents::Open(std::string_view fileName,
                                        const std::filesystem::path& hostFile) {
  if (Document* open = Activate(fileName)) return open;
  return Add(fileName, Document::Open(app_, hostFile, std::string(fileName)));
}

base::Result<Document*> Documents::OpenBytes(std::string_view fileName, std::string_view bytes) {
  if (Document* open = Activate(fileName)) return open;
  return Add(fileName, Document::FromBytes(app_, bytes, std::string(fileName)));
}

base::Result<Document*> Documents::OpenFile(std::string_view fileName, win::OpenedFile file) {
  if (Document* open = Activate(fileName)) return open;
  return Add(fileName, Document::FromFile(app_, std::move(file), std::string(fileName)));
}

Document* Documents::Activate(std::string_view fileName) {
  for (auto& document : documents_) {
    if (vb::TextEquals(document->FullName(), fileName)) {
      active_ = document.get();
      return active_;
    }
  }
  return nullptr;
}

base::Result<Document*> Documents::Add(std::string_view fileName,
                                       base::Result<std::unique_ptr<Document>> document) {
  if (!document) return document.error().In(fileName);
  documents_.push_back(std::move(*document));
  active_ = documents_.back().get();
  return active_;
}

base::Result<Document*> Documents::Item(int index) {
  if (index < 1 || index > Count()) return NoSuchMember("there is no document ", index);
  return documents_[static_cast<size_t>(index - 1)].get();
}

base::Result<Document*> Documents::Item(std::string_view name) {
  for (auto& document : documents_) {
    if (vb::TextEquals(document->Name(), name)) return document.get();
  }
  return NoSuchMember("no document \"", name, "\" is open");
}

bool Documents::Close(Document* document) {
  for (auto it = documents_.begin(); it != documents_.end(); ++it) {
    if (it->get() != document) continue;
    documents_.erase(it);
    if (active_ == document) active_ = documents_.empty() ? nullptr : documents_.back().get();
    return true;
  }
  return false;
}

base::Status Options::SetMeasurementUnit(int32_t unit) {
  if (unit < wdInches || unit > wdPicas)
    return ErrorWith(kErrOutOfRange, "no measurement unit ", unit);
  measurementUnit_ = unit;
  return base::Ok();
}

base::Result<word::Selection*> Application::Selection() {
  Document* document = ActiveDocument();
  if (document == nullptr) return NotAvailable("no document is open");
  return &document->Selection();
}

void Application::Quit() {
  while (Document* document = documents_.Active()) documents_.Close(document);
}

}  // namespace word
