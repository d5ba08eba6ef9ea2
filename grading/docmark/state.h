// The word-processor grader's module state: the engine's share (answer grid and cursor, rule
// results, the type-21 totals, the debug flag, the check folder) and the grader's own (the two
// rule tables, the application of each part, the drawing object the rules talk about, the
// working copies part A wrote). One object per control library, shared by its instances;
// gradings never overlap, they run on the host's one thread.
#pragma once

#include <array>
#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>

#include "grading/engine/engine_state.h"
#include "platform/office/common/convert.h"
#include "platform/office/word/application.h"
#include "platform/win/confined_file.h"

namespace docmark {

// The question type every rule of this control is scored under.
inline constexpr int16_t kQuestionType = engine::kDocumentQuestionType;

// A rule table of one part: rows in the engine's form (column 1 the first cell after the part
// tag), file rows naming the document the rules after them check, closed by "END".
struct RuleTable {
  engine::Grid cells;
  // The file rows that name part A's working copy of a document ("ab" rules).
  std::array<bool, engine::kGridRows + 1> workingCopyRow{};
};

struct DocState {
  DocState() : engine(engine::ControlKind::WordProcessor) {}

  engine::EngineState engine;

  RuleTable RuleTableA;
  RuleTable RuleTableB;

  // The application of part A (its object model) and of part B (read through the macro
  // interface, a facade over an application); each lives for its part's run.
  std::unique_ptr<word::Application> WordApp;
  std::unique_ptr<word::Application> WordBasicApp;

  // The drawing object the OBJ* keywords talk about: EXISTOBJ writes it, nothing else does. It
  // carries over from row to row and from document to document.
  std::string CurrentShapeName;
  // Where the last OBJLEFTTOP (or OPPPOSITION) found its shape, in whole points.
  int16_t LastShapeLeft = 0;
  int16_t LastShapeTop = 0;

  // Part A: the file name of the document its rows check; empty when none is open.
  std::string CurrentDocumentName;
  // The file names (lower case) of the candidate's documents the rule tables name, which no
  // working copy may overwrite, and of the working copies part A saved in this grading, the only
  // ones part B's "ab" rows open.
  std::set<std::string> CandidateDocuments;
  std::set<std::string> WorkingCopies;

  // The check folder (CheckPath) confined to the candidate's folder, resolved once for the
  // documents a grading reads from it; a grading starts without one.
  std::optional<win::ConfinedFolder> CandidateFolder;
  std::string CandidateFolderPath;  // the CheckPath it was resolved for
  // The bytes of each candidate's document read in this grading (converted when it was in an
  // older format) and of each working copy whose saved bytes are known, by Windows-form path:
  // part B opens them without reading and converting them again. Emptied when a grading starts
  // and ends.
  std::map<std::string, std::string> DocumentBytes;
  // How a document in an older format is converted (tests name a converter that is missing).
  office::ConvertOptions Conversion;
  // Set when a document could not be read because no converter for its format is installed:
  // the grader, not the candidate, failed.
  bool UnreadableFormat = false;

  engine::TypeScore& Totals() { return engine.TypeScores[kQuestionType]; }
};

// The application of a part, made when it has none yet.
word::Application& PartApplication(std::unique_ptr<word::Application>& app);

using engine::ToTruth;

}  // namespace docmark
