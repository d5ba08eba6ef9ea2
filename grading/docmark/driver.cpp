// The two parts and the grading pass.
#include "grading/docmark/driver.h"

#include <string>

#include "grading/docmark/document_access.h"
#include "grading/docmark/keywords.h"
#include "grading/docmark/rule_tables.h"
#include "grading/engine/answer_grid.h"
#include "grading/engine/evaluator.h"
#include "grading/engine/scoring.h"
#include "platform/vb/strings.h"
#include "platform/vb/variant.h"
#include "platform/win/message_box.h"

namespace docmark {
namespace {

constexpr int kFullMarksRow = 1;
constexpr int kFullMarksColumn = 4;  // D1

enum class Part { A, B };

// A box the grader keeps (the answer workbook's faults, which its author must see), with the
// same words in the log.
void ShowAndLog(DocState& state, const std::string& text, std::string_view title) {
  engine::WriteLogLine(state.engine, text);
  win::MessageBox(text, title, win::MB_OK);
}

std::string FaultText(Part part, engine::RowFault fault, int16_t gridRow) {
  using engine::RowFault;
  const bool a = part == Part::A;
  switch (fault) {
    case RowFault::kOperatorPair:
      return a ? "Found Error in answer file at line " + std::to_string(gridRow) + "!"
               : "Found Error in return value!";
    case RowFault::kSymbolStack:
      return a ? "Found Error in symbol stack!" : "Found Error in Symbol Stack !";
    case RowFault::kUnknownKeyword:
      return a ? "Function name isn't exist in A!" : "Function name isn't exist in B!";
    case RowFault::kDamagedAnswer:
      return "The System has something error! ";
    case RowFault::kBadToken:
      return a ? "Found Error vba at run!" : "Found Error in answer file!";
    case RowFault::kOperateStackAtPoints:
      return a ? "Found Error vba in operate stack!" : "Found Error in Operate Stack!";
  }
  return "The System has something error! ";
}

// Part A's document of a file row becomes the current one when it opens.
void OpenCurrentA(DocState& state, const std::string& name) {
  if (OpenDocument(state, PartApplication(state.WordApp), name)) {
    state.CurrentDocumentName = name;
  } else {
    state.CurrentDocumentName.clear();
  }
}

// Part B's file row: every document closed unsaved, then the row's one opened. A working copy
// opens only when part A wrote it in this grading: a file of that name left in the folder is no
// document of this candidate's grading.
void OpenFileRowB(DocState& state, const std::string& name, bool workingCopy) {
  word::Application& app = PartApplication(state.WordBasicApp);
  app.Quit();
  if (workingCopy && !state.WorkingCopies.contains(vb::LCase(name))) {
    engine::WriteLogLine(state.engine, "cannot open " + name +
                                           ": part A wrote no such working copy in this grading");
    return;
  }
  (void)OpenDocument(state, app, name);
}

// The rules of a file row whose document did not open are not evaluated: a rule that holds on
// nothing ("not" a check) must not give points for a document the candidate did not hand in.
bool SkippedWithoutDocument(DocState& state, std::unique_ptr<word::Application>& app) {
  if (PartApplication(app).ActiveDocument() != nullptr) return false;
  engine::WriteLogLine(state.engine, "rule row " + std::to_string(state.engine.GridRow) +
                                         " not graded: its document is not open");
  return true;
}

// The part's hooks into the engine, for as long as its rows run.
class PartHooks {
 public:
  PartHooks(DocState& state, Part part) : engine_(state.engine) {
    if (part == Part::A) {
      engine_.IsCheckKeyword = [](std::string& token) { return IsCheckKeywordA(token); };
      engine_.RunCheck = [&state](std::string& token) { return RunCheckA(state, token); };
      engine_.HandleOwnRow = [&state](const std::string& token) {
        if (token != "FILENAME") return SkippedWithoutDocument(state, state.WordApp);
        SaveAsTmqAndClose(state);
        OpenCurrentA(state, engine::NextCell(state.engine));
        return true;
      };
    } else {
      engine_.IsCheckKeyword = [](std::string& token) { return IsCheckKeywordB(token); };
      engine_.RunCheck = [&state](std::string& token) { return RunCheckB(state, token); };
      engine_.HandleOwnRow = [&state](const std::string& token) {
        if (token != "FILENAME") return SkippedWithoutDocument(state, state.WordBasicApp);
        const bool workingCopy =
            state.RuleTableB.workingCopyRow[static_cast<size_t>(state.engine.GridRow)];
        OpenFileRowB(state, engine::NextCell(state.engine), workingCopy);
        return true;
      };
    }
    engine_.ReportRowFault = [&state, part](engine::RowFault fault) {
      ShowAndLog(state, FaultText(part, fault, state.engine.GridRow), "ERROR");
    };
  }
  ~PartHooks() {
    engine_.IsCheckKeyword = nullptr;
    engine_.RunCheck = nullptr;
    engine_.HandleOwnRow = nullptr;
    engine_.ReportRowFault = nullptr;
  }
  PartHooks(const PartHooks&) = delete;
  PartHooks& operator=(const PartHooks&) = delete;

 private:
  engine::EngineState& engine_;
};

// Loads the part's table and reads its first cell: true when it is a file row (the cursor then
// stands on it), false for END or, after the box, for anything else.
bool StartsWithFileRow(DocState& state, const RuleTable& table) {
  engine::ResetRuleTables(state.engine);
  LoadRuleTable(state, table);
  state.engine.GridRow = 1;
  state.engine.GridColumn = 0;
  const std::string first = vb::LCase(engine::NextCell(state.engine));
  if (first == "filename") return true;
  if (first != "end") ShowAndLog(state, std::string(kOpenError), "ERR");
  return false;
}

}  // namespace

void StartWordGradingA(DocState& state) {
  if (!StartsWithFileRow(state, state.RuleTableA)) return;
  state.WordApp = std::make_unique<word::Application>();
  OpenCurrentA(state, engine::NextCell(state.engine));
  {
    PartHooks hooks(state, Part::A);
    engine::RunRuleRows(state.engine);
  }
  SaveAsTmqAndClose(state);
  state.WordApp->Quit();
  state.WordApp.reset();
}

void StartWordGradingB(DocState& state) {
  if (!StartsWithFileRow(state, state.RuleTableB)) return;
  state.WordBasicApp = std::make_unique<word::Application>();
  OpenFileRowB(state, engine::NextCell(state.engine), state.RuleTableB.workingCopyRow[1]);
  {
    PartHooks hooks(state, Part::B);
    engine::RunRuleRows(state.engine);
  }
  // Every document closed unsaved; no process of anyone's is ended.
  state.WordBasicApp->Quit();
  state.WordBasicApp.reset();
}

base::Status GradeAnswerWorkbook(DocState& state, std::string_view candidateFolder,
                                 std::string_view answerFolder, std::string_view answerName,
                                 int16_t& fullMarks) {
  state.engine.CheckPath = std::string(candidateFolder);
  const engine::KeptLog keptLog(state.engine);
  state.WorkingCopies.clear();
  state.CandidateFolder.reset();
  state.DocumentBytes.clear();
  state.UnreadableFormat = false;
  const bool loaded = engine::LoadAnswerTable(state.engine, answerFolder, answerName);
  base::Result<int16_t> marks =
      vb::CInt(vb::Variant::String(state.engine.AnswerGrid.Cell(kFullMarksRow, kFullMarksColumn)));
  if (!marks) {
    return marks.error().In(loaded ? "the full marks in D1 of the answer workbook"
                                   : "the answer workbook could not be read, so D1 holds no "
                                     "full marks");
  }
  fullMarks = *marks;
  SplitAnsFile(state);
  StartWordGradingA(state);
  StartWordGradingB(state);
  state.DocumentBytes.clear();
  return base::Ok();
}

}  // namespace docmark
