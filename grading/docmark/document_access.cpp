// Document access of the two parts.
#include "grading/docmark/document_access.h"

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "grading/docmark/rule_tables.h"
#include "grading/engine/scoring.h"
#include "platform/office/common/file_kind.h"
#include "platform/vb/strings.h"
#include "platform/win/confined_file.h"
#include "platform/win/paths.h"

namespace docmark {
namespace {

base::Error Logged(DocState& state, std::string_view fileName, const base::Error& error) {
  engine::WriteLogLine(state.engine, "cannot open " + std::string(fileName) + ": " + error.message);
  return error;
}

// The check folder confined to the candidate's folder, resolved at the first document of a
// grading.
base::Result<const win::ConfinedFolder*> CandidateFolder(DocState& state) {
  if (!state.CandidateFolder || state.CandidateFolderPath != state.engine.CheckPath) {
    state.CandidateFolder.reset();
    base::Result<win::ConfinedFolder> resolved =
        win::ConfinedFolder::OfCheckFolder(win::ToHostPath(state.engine.CheckPath));
    if (!resolved) return resolved.error();
    state.CandidateFolder = *std::move(resolved);
    state.CandidateFolderPath = state.engine.CheckPath;
  }
  return &*state.CandidateFolder;
}

// The document opened in `app` as a docx package: from its bytes, read confined to the
// candidate's folder and converted from an older format when needed, or as read before in this
// grading; one too large to hold is read from its file piece by piece instead.
base::Result<word::Document*> OpenIn(DocState& state, word::Application& app,
                                     std::string_view fileName, const std::string& path) {
  if (auto kept = state.DocumentBytes.find(path); kept != state.DocumentBytes.end())
    return app.Documents().OpenBytes(path, kept->second);
  base::Result<const win::ConfinedFolder*> folder = CandidateFolder(state);
  if (!folder) return folder.error();
  const std::filesystem::path file = win::ToHostPath(path);
  base::Result<win::OpenedFile> opened =
      win::OpenConfinedFile(file, **folder, win::kPackageFileCap);
  if (!opened) return opened.error();
  if (opened->size() > win::kOfficeFileCap)
    return app.Documents().OpenFile(path, *std::move(opened));
  std::string bytes(static_cast<size_t>(opened->size()), '\0');
  if (base::Status read = opened->ReadAll(bytes.data()); !read) return read.error();
  if (office::NeedsConversion(bytes)) {
    base::Result<std::string> converted = office::ConvertBytesToPackage(
        bytes, fileName, office::PackageFormat::Docx, state.Conversion);
    if (!converted) {
      if (converted.error().code == office::kConverterMissing) {
        state.UnreadableFormat = true;
        engine::WriteLogLine(state.engine, "cannot read the format of " + std::string(fileName) +
                                               ": no converter is installed");
      }
      return converted.error();
    }
    bytes = *std::move(converted);
  }
  return app.Documents().OpenBytes(path, state.DocumentBytes[path] = std::move(bytes));
}

// True when `host` is a regular file of its own (no link, no second name) in the candidate's
// folder holding exactly `bytes`.
bool HoldsExactly(DocState& state, const std::filesystem::path& host, std::string_view bytes) {
  struct stat st;
  if (::lstat(host.c_str(), &st) != 0 || !S_ISREG(st.st_mode) || st.st_nlink != 1 ||
      static_cast<uint64_t>(st.st_size) != bytes.size()) {
    return false;
  }
  base::Result<const win::ConfinedFolder*> folder = CandidateFolder(state);
  if (!folder) return false;
  base::Result<std::string> held = win::ReadConfinedFile(host, **folder, bytes.size());
  return held && *held == bytes;
}

}  // namespace

word::Application& PartApplication(std::unique_ptr<word::Application>& app) {
  if (!app) app = std::make_unique<word::Application>();
  return *app;
}

base::Status OpenDocument(DocState& state, word::Application& app, std::string_view fileName) {
  const std::string path = state.engine.CheckPath + std::string(fileName);
  base::Result<word::Document*> opened = OpenIn(state, app, fileName, path);
  if (!opened) return Logged(state, fileName, opened.error());
  (void)app.Options().SetMeasurementUnit(word::wdCentimeters);
  return base::Ok();
}

base::Status SaveWorkingCopy(DocState& state, word::Application& app, std::string_view path) {
  word::Document* document = app.ActiveDocument();
  if (document == nullptr) return base::Error::Of("no document is open to save as ", path);
  base::Result<const win::ConfinedFolder*> folder = CandidateFolder(state);
  if (!folder) return folder.error();
  base::Result<std::filesystem::path> writable = win::WritablePath(win::ToHostPath(path), **folder);
  if (!writable) return writable.error();
  const std::filesystem::path& host = *writable;
  const opc::Package& package = document->Package();
  // A package read piece by piece is not held, so not compared nor kept: it is written.
  const bool unchanged = !package.Changed() && package.Whole();
  if (!unchanged || !HoldsExactly(state, host, package.ArchiveBytes())) {
    // unlink: a folder is never removed, a link is removed itself, never what it points to.
    ::unlink(host.c_str());
    if (base::Status saved = document->SaveAs(host, std::string(path)); !saved) return saved;
  }
  // Known to be on disk as they are: an "ab" row opens them without reading them back.
  if (unchanged) state.DocumentBytes[std::string(path)] = std::string(package.ArchiveBytes());
  return base::Ok();
}

void CloseActiveWindow(word::Application& app) {
  if (word::Document* document = app.ActiveDocument()) app.Documents().Close(document);
}

void SaveAsTmqAndClose(DocState& state) {
  word::Application& app = PartApplication(state.WordApp);
  if (!state.CurrentDocumentName.empty() && app.ActiveDocument() != nullptr) {
    const std::string copy = TmqDocName(state.CurrentDocumentName);
    if (state.CandidateDocuments.contains(vb::LCase(copy))) {
      engine::WriteLogLine(state.engine, "working copy " + copy +
                                             " not saved: the answer workbook names a document "
                                             "of the candidate's so");
    } else {
      const std::string path = state.engine.CheckPath + copy;
      state.DocumentBytes.erase(path);  // what was read under that name is replaced now
      if (base::Status saved = SaveWorkingCopy(state, app, path); !saved) {
        engine::WriteLogLine(state.engine,
                             "working copy " + copy + " not saved: " + saved.error().message);
      } else {
        state.WorkingCopies.insert(vb::LCase(copy));
        engine::WriteLogLine(state.engine, "Word.Application OK: working copy " + copy + " saved");
      }
    }
  }
  CloseActiveWindow(app);
  state.CurrentDocumentName.clear();
}

}  // namespace docmark
