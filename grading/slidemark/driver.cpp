// The grading pass.
#include "grading/slidemark/driver.h"

#include <string>

#include "grading/engine/answer_grid.h"
#include "grading/engine/evaluator.h"
#include "grading/engine/scoring.h"
#include "grading/slidemark/keywords.h"
#include "platform/base/text.h"
#include "platform/office/common/file_kind.h"
#include "platform/vb/variant.h"
#include "platform/win/confined_file.h"
#include "platform/win/paths.h"

namespace slidemark {
namespace {

constexpr int kFullMarksRow = 1;
constexpr int kFullMarksColumn = 4;  // D1
constexpr int32_t kMinimized = 2;    // the application window's WindowState

// The hooks last only as long as the pass that set them.
class KeywordHooks {
 public:
  explicit KeywordHooks(SlideState& state) : engine_(state.engine) {
    engine_.IsCheckKeyword = [](std::string& token) { return IsCheckKeyword(token); };
    engine_.RunCheck = [&state](std::string& token) { return RunCheck(state, token); };
  }
  ~KeywordHooks() {
    engine_.IsCheckKeyword = nullptr;
    engine_.RunCheck = nullptr;
  }
  KeywordHooks(const KeywordHooks&) = delete;
  KeywordHooks& operator=(const KeywordHooks&) = delete;

 private:
  engine::EngineState& engine_;
};

// The presentation opened becomes the current one; one that does not open is logged. True: the
// file was there.
bool Keep(SlideState& state, const std::string& path,
          base::Result<powerpoint::Presentation*> opened) {
  if (!opened)
    engine::WriteLogLine(state.engine, "cannot open " + path + ": " + opened.error().message);
  else
    state.CurrentPresentation = *opened;
  return true;
}

}  // namespace

bool OpenStudentPresentation(SlideState& state, std::string_view folder,
                             std::string_view fileName) {
  state.CurrentPresentation = nullptr;
  const std::string path = std::string(folder) + std::string(fileName);
  // The check folder confined to the candidate folder it lies in.
  base::Result<win::ConfinedFolder> confined =
      win::ConfinedFolder::OfCheckFolder(win::ToHostPath(std::string(folder)));
  // Read from the descriptor as the checks ask for its parts: a video in it is never inflated.
  base::Result<win::OpenedFile> file =
      confined ? win::OpenConfinedFile(win::ToHostPath(path), *confined, win::kPackageFileCap)
               : base::Result<win::OpenedFile>(confined.error());
  if (!file) {
    if (win::ReadsAsMissing(file.error())) return false;
    engine::WriteLogLine(state.engine, "cannot open " + path + ": " + file.error().message);
    return true;
  }
  char head[8] = {};
  base::Result<size_t> headRead = file->ReadPrefix(head, sizeof head);
  if (headRead && office::IsCompoundFile(std::string_view(head, *headRead))) {
    // A binary presentation: converted from its bytes, then opened from the package made.
    std::string bytes;
    base::Status read = file->size() > win::kOfficeFileCap
                            ? base::Status(base::Error::Of("larger than a binary file may be"))
                            : base::Ok();
    if (read) {
      bytes.resize(static_cast<size_t>(file->size()));
      read = file->ReadAll(bytes.data());
    }
    base::Result<std::string> converted =
        read ? office::ConvertBytesToPackage(bytes, fileName, office::PackageFormat::Pptx,
                                             state.Conversion)
             : base::Result<std::string>(read.error());
    if (!converted) {
      engine::WriteLogLine(state.engine, "cannot read the format of " + std::string(fileName) +
                                             ": " + converted.error().message);
      if (converted.error().code == office::kConverterMissing)
        state.UnreadableFormat = converted.error().message;
      return true;
    }
    return Keep(state, path, state.PptApp->Presentations().OpenBytes(path, *converted));
  }
  return Keep(state, path, state.PptApp->Presentations().OpenFile(path, *std::move(file)));
}

void StartPresentationGrading(SlideState& state) {
  engine::EngineState& engine = state.engine;
  state.PptApp = std::make_unique<powerpoint::Application>();
  state.PptApp->SetVisible(powerpoint::msoTrue);
  state.PptApp->SetWindowState(kMinimized);
  engine.GridRow = 1;
  engine.GridColumn = 0;
  state.UnreadableFormat.clear();
  if (!base::EqualsNoCase(engine::NextCell(engine), "filename")) {
    engine::ShowEngineError("File", kHeaderError);
  } else {
    const std::string name = engine::NextCell(engine);
    if (OpenStudentPresentation(state, engine.CheckPath, name)) {
      if (state.CurrentPresentation != nullptr) {
        KeywordHooks hooks(state);
        engine::RunRuleRows(engine);
      } else {
        engine::WriteLogLine(engine, "no rule graded: " + name + " did not open");
      }
    }
  }
  // Nothing stays open after the pass; the candidate's file was only read.
  state.CurrentPresentation = nullptr;
  state.PptApp->Quit();
  state.PptApp.reset();
}

base::Status GradeAnswerWorkbook(SlideState& state, std::string_view candidateFolder,
                                 std::string_view answerFolder, std::string_view answerName,
                                 int16_t& fullMarks) {
  state.engine.CheckPath = std::string(candidateFolder);
  const bool loaded = engine::LoadAnswerTable(state.engine, answerFolder, answerName);
  base::Result<int16_t> marks =
      vb::CInt(vb::Variant::String(state.engine.AnswerGrid.Cell(kFullMarksRow, kFullMarksColumn)));
  if (!marks) {
    return marks.error().In(loaded ? "the full marks in D1 of the answer workbook"
                                   : "the answer workbook could not be read, so D1 holds no "
                                     "full marks");
  }
  fullMarks = *marks;
  StartPresentationGrading(state);
  if (!state.UnreadableFormat.empty())
    return base::Error::Of("cannot read the candidate's presentation: ", state.UnreadableFormat);
  return base::Ok();
}

}  // namespace slidemark
