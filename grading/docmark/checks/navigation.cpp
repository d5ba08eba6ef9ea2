// Document access and selection helpers of part A (part of the system's unit for the document
// object model).
#include "grading/docmark/checks/navigation.h"

#include <cmath>
#include <cstdlib>

#include "grading/docmark/checks/check_values.h"
#include "platform/base/rounding.h"
#include "platform/office/word/selection.h"
#include "platform/office/word/table.h"

namespace docmark {
namespace {

word::Selection* SelectionOf(word::Application& app) {
  base::Result<word::Selection*> selection = app.Selection();
  return selection ? *selection : nullptr;
}

}  // namespace

void ResetSearch(word::Find& find, std::string_view text) {
  find.ClearFormatting();
  find.text = std::string(text);
  find.replacement.text.clear();
  find.forward = true;
  find.wrap = word::wdFindContinue;
  find.format = false;
  find.matchCase = false;
  find.matchWholeWord = false;
  find.matchWildcards = false;
  find.matchSoundsLike = false;
  find.matchAllWordForms = false;
  find.matchByte = true;
}

bool GoToFirstItem(word::Application& app, int16_t kind) {
  word::Selection* selection = SelectionOf(app);
  if (!selection) return false;
  const base::Result<word::Range> reached = selection->GoTo(kind, word::wdGoToFirst, 1);
  ResetSearch(selection->Find(), "");
  return reached.has_value();
}

bool MoveRightCells(word::Application& app, int16_t count) {
  word::Selection* selection = SelectionOf(app);
  if (!selection) return false;
  for (int16_t i = 0; i < count; ++i) {
    // The last cell has no cell to its right: the move is refused, not made.
    const base::Result<int32_t> moved = selection->MoveRight(word::wdCell, 1, word::wdMove);
    if (!moved || *moved < 1) return false;
  }
  return true;
}

bool ExtendRight(word::Application& app, int16_t count) {
  word::Selection* selection = SelectionOf(app);
  if (!selection) return false;
  return selection->MoveRight(word::wdCharacter, count, word::wdExtend).has_value();
}

bool GoToTableCell(word::Application& app, int16_t cells, int16_t characters) {
  return GoToFirstItem(app, word::wdGoToTable) && MoveRightCells(app, cells) &&
         ExtendRight(app, characters);
}

bool SelectionInTable(word::Application& app) {
  word::Selection* selection = SelectionOf(app);
  return selection && selection->Range().Cells().has_value();
}

bool FindTextForward(word::Application& app, std::string_view text) {
  word::Selection* selection = SelectionOf(app);
  if (!selection) return false;
  word::Find& find = selection->Find();
  ResetSearch(find, text);
  const base::Result<bool> found = find.Execute();
  return found && *found;
}

void ReadSelectionBorder(word::Application& app, int16_t which, SelectionBorder& border) {
  word::Selection* selection = SelectionOf(app);
  if (!selection) return;
  const base::Result<word::Border> read = selection->Range().Borders(which);
  if (!read) return;
  KeepRead(border.lineStyle, read->LineStyle());
  KeepRead(border.lineWidth, read->LineWidth());
  KeepRead(border.colorIndex, read->ColorIndex());
}

int16_t CmToPoints(double centimetres) {
  const double points = base::RoundHalfEven(kPointsPerCentimetre * centimetres);
  if (!(points >= INT16_MIN && points <= INT16_MAX)) return 0;
  return static_cast<int16_t>(points);
}

bool WithinOnePoint(int16_t a, int16_t b) {
  const int difference = static_cast<int>(a) - static_cast<int>(b);
  if (difference < INT16_MIN || difference > INT16_MAX) return false;
  return std::abs(difference) <= 1;
}

}  // namespace docmark
