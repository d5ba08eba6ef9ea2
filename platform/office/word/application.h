// The word processor's application object: its open documents, the active document and its
// selection, the options the checks set, the clipboard Copy fills, and Quit. Every call that
// can fail returns a base::Result, the way an automation call fails, never an exception.
#pragma once

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/base/result.h"
#include "platform/office/word/clipboard.h"
#include "platform/office/word/constants.h"
#include "platform/office/word/document.h"
#include "platform/office/word/selection.h"

namespace word {

class Application;

class Documents {
 public:
  explicit Documents(Application& app) : app_(app) {}

  // Opens a document by its Windows-form path (any extension: the content decides) and makes
  // it active; a document open under that name already is made active as it stands (not read
  // again). An error says why it is no document (the file's own error when it cannot be read).
  base::Result<Document*> Open(std::string_view fileName);
  // The same for a path the caller has already found on the host.
  base::Result<Document*> Open(std::string_view fileName, const std::filesystem::path& hostFile);
  // The same from the file's bytes, already read by the caller (from the candidate's folder).
  base::Result<Document*> OpenBytes(std::string_view fileName, std::string_view bytes);
  // The same from the file, already opened by the caller (confined to the candidate's folder).
  base::Result<Document*> OpenFile(std::string_view fileName, win::OpenedFile file);

  int Count() const { return static_cast<int>(documents_.size()); }
  // By position from 1, or by name ("report.doc") without regard to case; fails when there is
  // no such document.
  base::Result<Document*> Item(int index);
  base::Result<Document*> Item(std::string_view name);
  // Closes without saving; false when the document is not open here.
  bool Close(Document* document);

  Document* Active() { return active_; }

 private:
  // The open document of that full name, made active; null when there is none.
  Document* Activate(std::string_view fileName);
  base::Result<Document*> Add(std::string_view fileName,
                              base::Result<std::unique_ptr<Document>> document);

  Application& app_;
  std::vector<std::unique_ptr<Document>> documents_;
  Document* active_ = nullptr;
};

class Options {
 public:
  // Options.MeasurementUnit: the unit the dialogs show lengths in (WdMeasurementUnits).
  int32_t MeasurementUnit() const { return measurementUnit_; }
  base::Status SetMeasurementUnit(int32_t unit);

 private:
  int32_t measurementUnit_ = wdCentimeters;
};

class Application {
 public:
  Application() : documents_(*this) {}
  Application(const Application&) = delete;
  Application& operator=(const Application&) = delete;

  word::Documents& Documents() { return documents_; }
  // The active document; null when none is open.
  Document* ActiveDocument() { return documents_.Active(); }
  word::Options& Options() { return options_; }
  // The active document's selection; fails when no document is open.
  base::Result<word::Selection*> Selection();
  // Closes every document without saving (the clipboard keeps what it holds).
  void Quit();

  void SetClipboard(Clipboard clipboard) { clipboard_ = std::move(clipboard); }
  const std::optional<Clipboard>& ClipboardContent() const { return clipboard_; }

 private:
  word::Documents documents_;
  word::Options options_;
  std::optional<Clipboard> clipboard_;
};

}  // namespace word
