// The drawing-object helpers of part A (part of the system's unit for the document object
// model).
#include "grading/docmark/checks/shapes_navigation.h"

#include "platform/office/word/document.h"
#include "platform/office/word/selection.h"
#include "platform/office/word/shapes.h"

namespace docmark {
namespace {

// The selection's shapes come apart; their children become the selection. False when they
// cannot.
bool UngroupSelection(word::Document& document) {
  base::Result<word::ShapeRange> selected = document.Selection().ShapeRange();
  if (!selected) return false;
  base::Result<word::ShapeRange> children = selected->UnGroup();
  if (!children) return false;
  return children->Select().has_value();
}

}  // namespace

bool SelectShape(word::Application& app, std::string_view name) {
  word::Document* document = app.ActiveDocument();
  if (!document) return false;
  base::Result<word::Shape*> shape = document->Shapes().Item(name);
  return shape && (*shape)->Select().has_value();
}

std::optional<word::ShapeRange> SelectedShape(word::Application& app, std::string_view name) {
  if (!SelectShape(app, name)) return std::nullopt;
  base::Result<word::ShapeRange> selected = app.ActiveDocument()->Selection().ShapeRange();
  if (!selected) return std::nullopt;
  return *std::move(selected);
}

std::string NumberedShapeName(std::string_view prefix, int number) {
  return std::string(prefix) + " " + std::to_string(number);
}

int16_t FindShapeIndex(word::Application& app, std::string_view prefix) {
  for (int16_t n = 1; n <= kMaxShapeNumber; ++n) {
    if (SelectShape(app, NumberedShapeName(prefix, n))) return n;
  }
  return kNoShapeNumber;
}

int16_t UngroupShape(word::Application& app, std::string_view name) {
  word::Document* document = app.ActiveDocument();
  if (!document) return 0;
  int16_t ungrouped = 0;
  if (SelectShape(app, name) && UngroupSelection(*document)) ++ungrouped;
  // Nested groups come apart a level a pass; a group that will not split ends the walk.
  for (int pass = 0; pass < kMaxShapeNumber; ++pass) {
    if (FindShapeIndex(app, "Group") == kNoShapeNumber) break;
    if (!UngroupSelection(*document)) break;
    ++ungrouped;
  }
  return ungrouped;
}

bool CopyTextBoxToStart(word::Application& app, std::string_view name) {
  std::optional<word::ShapeRange> shape = SelectedShape(app, name);
  if (!shape) return false;
  base::Result<word::Range> text = shape->TextFrame().TextRange();
  if (!text) return false;
  word::Selection& selection = app.ActiveDocument()->Selection();
  selection.Select(*text);
  selection.Collapse(word::wdCollapseStart);
  selection.WholeStory();
  if (!selection.Copy()) return false;
  if (!selection.GoTo(word::wdGoToPage, word::wdGoToNext, 1, "1")) return false;
  return selection.Paste().has_value();
}

}  // namespace docmark
