// The engine's module state: everything the engine and its control share for one control
// library (the answer grid and its cursor, the two stacks, the rule tables, the score totals,
// the debug flag and the check folder), kept in one object that the control owns, together
// with the two keyword hooks the control supplies.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <map>
#include <string>

#include "grading/engine/answer_grid.h"

namespace engine {

// Truth values of the engine and every check.
inline constexpr int16_t kTrue = -1;
inline constexpr int16_t kFalse = 0;

inline constexpr int16_t ToTruth(bool value) {
  return value ? kTrue : kFalse;
}

inline constexpr int kStackSize = 40;
inline constexpr int kRuleLevels = 5;

// The question types the engine scores under.
inline constexpr int16_t kPresentationQuestionType = 41;
inline constexpr int16_t kDocumentQuestionType = 21;  // word processor and spreadsheet

// What a control's RunCheck answers.
enum CheckAnswer : int16_t { kCheckFails = 0, kCheckHolds = 1, kNoSuchKeyword = -1 };

// The faults that end a rule row unscored, each with a message of its own.
enum class RowFault {
  kOperatorPair,         // two operators that may not stand together ("not not")
  kSymbolStack,          // a reduction met something other than "not", "and" or "or"
  kUnknownKeyword,       // the dispatcher has no branch for a keyword token
  kDamagedAnswer,        // the dispatcher answered something other than 1, 0 or -1
  kBadToken,             // no operator, no keyword and no points
  kOperateStackAtPoints  // at the points cell such a symbol was left to reduce
};

// Which control the engine serves: decides its question type, its log file and how the answer
// workbook is closed.
enum class ControlKind { Presentation, WordProcessor, Spreadsheet };

// The totals of one question type.
struct TypeScore {
  int16_t awarded = 0;
  int16_t possible = 0;
};

struct KeptLogFile;

struct EngineState {
  explicit EngineState(ControlKind kind = ControlKind::Presentation);

  ControlKind Kind;

  // Answer grid and its cursor.
  Grid AnswerGrid;
  int16_t GridRow = 0;
  int16_t GridColumn = 0;
  std::string StudentFileName;

  // Evaluation stacks; position 0 is never written, a top of 0 means empty.
  std::array<std::string, kStackSize + 1> SymbolStack;
  int16_t SymbolTop = 0;
  std::array<int16_t, kStackSize + 1> OperateStack{};
  int16_t OperateTop = 0;

  // Rule tables: a result per grid row (0 unused) and the latest row per level (0 unused).
  std::array<int16_t, kGridRows + 1> RuleResults{};
  std::array<int16_t, kRuleLevels + 1> RuleLevels{};

  // The control's keyword hooks. IsCheckKeyword may rewrite the token; RunCheck reads the
  // keyword's argument cells with NextCell and answers one of the CheckAnswer values (any other
  // value means the dispatcher is damaged).
  std::function<bool(std::string& token)> IsCheckKeyword;
  std::function<int16_t(std::string& token)> RunCheck;
  // Optional hooks of a control with rows of its own and messages of its own. HandleOwnRow gets
  // each row's upper-cased first cell before the row is evaluated (never "END") and answers
  // true when it has dealt with the row itself. ReportRowFault, when set, tells of a fault in
  // place of the engine's own box; the row ends unscored either way.
  std::function<bool(const std::string& token)> HandleOwnRow;
  std::function<void(RowFault fault)> ReportRowFault;

  // Scores and the debug log.
  int16_t QuestionType;
  std::map<int16_t, TypeScore> TypeScores;
  int16_t DebugFlag = kFalse;
  std::string CheckPath;     // Windows form, ending with a separator
  std::string DebugLogName;  // "slidemark.txt", "docmark.txt" or "1234.txt"
  // Set while a KeptLog (scoring.h) keeps the log open for a grading.
  KeptLogFile* KeptLog = nullptr;
};

}  // namespace engine
