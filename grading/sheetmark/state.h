// The spreadsheet grader's module state: the engine's share (answer grid and cursor, rule
// tables, the type-21 totals, the debug flag, the check folder) and the grader's own (the
// spreadsheet application of the running pass, the sheet selected last, the chart number found
// last). One object per control library, shared by its instances; passes never overlap, they
// run on the host's one thread.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "grading/engine/engine_state.h"
#include "platform/office/common/convert.h"
#include "platform/office/excel/application.h"

namespace sheetmark {

// The question type every rule of this control is scored under.
inline constexpr int16_t kQuestionType = engine::kDocumentQuestionType;

struct SheetState {
  SheetState() : engine(engine::ControlKind::Spreadsheet) {}

  engine::EngineState engine;

  // The application of the running pass; null outside a pass.
  std::unique_ptr<excel::Application> SpreadsheetApp;
  // The sheet selected last through SelectSheet or found by SheetExists; "sheet1" after the
  // candidate's workbook opens.
  std::string CurrentSheet;
  // The number n of the chart "图表 n" ChartExists tried last.
  int16_t ChartNumber = 0;
  // How a candidate's workbook in the binary format is converted (tests name a converter that is
  // missing).
  office::ConvertOptions Conversion;
  // Why the candidate's workbook could not be read when no converter for its format is installed
  // (the grader's failure, not the candidate's); empty otherwise. Emptied when a pass starts.
  std::string UnreadableFormat;

  engine::TypeScore& Totals() { return engine.TypeScores[kQuestionType]; }
};

using engine::ToTruth;

}  // namespace sheetmark
