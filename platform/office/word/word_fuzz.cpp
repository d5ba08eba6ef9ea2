// Arbitrary bytes as a document: opened from memory, then every member the checks read driven
// over what it holds (text, fonts and paragraph formats of its first paragraphs, Find, the
// selection walked into its tables, tables, sections with headers, footers and page numbers,
// paragraphs and drop caps, the background, every dialog field), then copied, pasted and saved.
// Nothing may crash, hang or leak. Loops are capped so that a large document stays quick.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string_view>

#include "platform/office/word/word.h"
#include "platform/win/testing/test_folder.h"

namespace {

// A folder of this run's own for the saved copies, removed at exit.
const std::filesystem::path& Folder() {
  static const win::testing::ScopedTempFolder folder("word_fuzz_");
  return folder.Path();
}

void ReadRange(const word::Range& r) {
  static_cast<void>(r.Text());
  const word::Font font = r.Font();
  static_cast<void>(font.Name());
  static_cast<void>(font.Size());
  static_cast<void>(font.Bold());
  static_cast<void>(font.Underline());
  static_cast<void>(font.ColorIndex());
  static_cast<void>(font.Animation());
  static_cast<void>(font.EmphasisMark());
  static_cast<void>(font.Scaling());
  static_cast<void>(font.Spacing());
  if (auto shading = font.Shading()) static_cast<void>(shading->BackgroundPatternColor());
  if (auto border = font.Borders(1)) static_cast<void>(border->LineWidth());
  const word::ParagraphFormat format = r.ParagraphFormat();
  static_cast<void>(format.Alignment());
  static_cast<void>(format.FirstLineIndent());
  static_cast<void>(format.LineSpacing());
  static_cast<void>(format.LineSpacingRule());
  if (auto shading = r.Shading()) static_cast<void>(shading->Texture());
  if (auto border = r.Borders(word::wdBorderBottom)) static_cast<void>(border->LineStyle());
  static_cast<void>(r.Orientation());
  if (auto cells = r.Cells()) static_cast<void>(cells->VerticalAlignment());
  static_cast<void>(word::BoldState(r));
  static_cast<void>(word::ParagraphAlignmentState(r, word::wdAlignParagraphCenter));
  static_cast<void>(word::FontSizeValue(r));
}

void ReadDialogs(const word::Range& r) {
  for (std::string_view dialog :
       {"FormatParagraph", "FormatFont", "FilePageSetup", "FormatDropCap", "FormatColumns"}) {
    for (std::string_view field :
         {"before",      "after",           "LeftIndent",   "RightIndent",   "firstindent",
          "linespacing", "LineSpacingRule", "Font",         "spacing",       "subscript",
          "superscript", "PageWidth",       "PageHeight",   "TopMargin",     "BottomMargin",
          "LeftMargin",  "RightMargin",     "Position",     "DropHeight",    "DistFromText",
          "columns",     "ColLine",         "EvenlySpaced", "columnspacing", "columnwidth"}) {
      static_cast<void>(word::DialogField(r, dialog, field, word::wdCentimeters));
    }
  }
}

void ReadTable(const word::Table& table) {
  static_cast<void>(table.Style());
  static_cast<void>(table.Rows().Alignment());
  static_cast<void>(table.Rows().WrapAroundText());
  const int32_t rows = std::min(table.Rows().Count(), 8);
  const int32_t columns = std::min(table.Columns().Count(), 8);
  for (int32_t c = 1; c <= columns; ++c) {
    if (auto column = table.Columns().Item(c)) static_cast<void>(column->Cells().Count());
  }
  for (int32_t r = 1; r <= rows; ++r) {
    if (auto row = table.Rows().Item(r)) {
      static_cast<void>(row->Cells().Count());
      static_cast<void>(row->HeightRule());
      static_cast<void>(row->Height());
    }
    for (int32_t c = 1; c <= columns; ++c) {
      auto cell = table.Cell(r, c);
      if (!cell) continue;
      static_cast<void>(cell->Width());
      static_cast<void>(cell->Height());
      if (auto border = cell->Borders(word::wdBorderTop)) static_cast<void>(border->Color());
      if (auto shading = cell->Shading()) static_cast<void>(shading->ForegroundPatternColor());
    }
  }
}

// Every shape's members, a text box's text copied to the start, anchors moved, groups taken
// apart until none is left.
void ReadShapes(word::Document& document) {
  word::Shapes& shapes = document.Shapes();
  for (int32_t i = 1; i <= std::min(shapes.Count(), 20); ++i) {
    word::Shape& shape = **shapes.Item(i);
    static_cast<void>(shape.Width());
    static_cast<void>(shape.Left());
    static_cast<void>(shape.Fill().ForeColor().RGB());
    static_cast<void>(shape.Fill().Transparency());
    static_cast<void>(shape.Line().Weight());
    static_cast<void>(shape.Line().DashStyle());
    static_cast<void>(shape.Line().BackColor().RGB());
    static_cast<void>(shape.WrapFormat().DistanceRight());
    static_cast<void>(shape.TextFrame().MarginTop());
    static_cast<void>(shape.TextFrame().HasText());
    static_cast<void>(shape.PictureFormat().ColorType());
    static_cast<void>(shape.SetRelativeHorizontalPosition(word::wdRelativeHorizontalPositionPage));
    static_cast<void>(shape.SetRelativeVerticalPosition(word::wdRelativeVerticalPositionMargin));
    word::Selection& selection = document.Selection();
    if (!shape.Select()) continue;
    if (auto text = selection.ShapeRange()->TextFrame().TextRange()) {
      selection.Select(*text);
      selection.WholeStory();
      ReadRange(selection.Range());
      if (selection.Copy() && selection.GoTo(word::wdGoToPage, word::wdGoToNext, 0, "1"))
        static_cast<void>(selection.Paste());
    }
  }
  for (int round = 0; round < 100 && shapes.Count() > 0; ++round) {
    bool ungrouped = false;
    for (int32_t i = 1; i <= shapes.Count() && !ungrouped; ++i)
      ungrouped = static_cast<bool>((*shapes.Item(i))->UnGroup());
    if (!ungrouped) break;
  }
}

void ReadSections(word::Document& document) {
  const word::Sections sections = document.Sections();
  for (int32_t i = 1; i <= std::min(sections.Count(), 4); ++i) {
    const word::Section section = *sections.Item(i);
    const word::PageSetup setup = section.PageSetup();
    static_cast<void>(setup.PageWidth());
    static_cast<void>(setup.HeaderDistance());
    static_cast<void>(setup.LinesPage());
    static_cast<void>(setup.CharsLine());
    static_cast<void>(setup.TextColumns().Width());
    for (int32_t index = 1; index <= 3; ++index) {
      for (bool footer : {false, true}) {
        auto part = footer ? section.Footers().Item(index) : section.Headers().Item(index);
        if (!part) continue;
        ReadRange(part->Range());
        const word::PageNumbers numbers = part->PageNumbers();
        if (numbers.Count() > 0) static_cast<void>(numbers.Item(1)->Alignment());
      }
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  word::Application app;
  base::Result<word::Document*> opened = app.Documents().OpenBytes(
      "fuzz.docx", std::string_view(reinterpret_cast<const char*>(data), size));
  if (!opened) return 0;
  word::Document& document = **opened;
  const word::Paragraphs paragraphs = document.Paragraphs();
  for (int32_t i = 1; i <= std::min(paragraphs.Count(), 12); ++i) {
    const word::Paragraph paragraph = *paragraphs.Item(i);
    ReadRange(paragraph.Range());
    static_cast<void>(paragraph.DropCap().FontName());
  }
  ReadRange(document.Content());
  word::Selection& selection = document.Selection();
  for (const char* text : {"a", "的", "^p", "x^?y", "^#"}) {
    selection.Find().text = text;
    selection.Find().wrap = word::wdFindContinue;
    static_cast<void>(selection.Find().Execute());
    ReadRange(selection.Range());
  }
  if (selection.GoTo(word::wdGoToTable, word::wdGoToFirst, 1)) {
    static_cast<void>(selection.MoveRight(word::wdCell, 3));
    static_cast<void>(selection.MoveRight(word::wdCharacter, 2, word::wdExtend));
    ReadRange(selection.Range());
    ReadDialogs(selection.Range());
  }
  ReadDialogs(paragraphs.Item(1)->Range());
  const word::Tables tables = document.Tables();
  for (int32_t t = 1; t <= std::min(tables.Count(), 3); ++t) ReadTable(*tables.Item(t));
  ReadSections(document);
  static_cast<void>(document.Background().Fill().PresetGradientType());
  ReadShapes(document);
  static_cast<void>(selection.GoTo(word::wdGoToPage, word::wdGoToNext, 1, "2"));
  selection.SetRange(0, 5);
  if (selection.Copy()) {
    selection.Collapse(word::wdCollapseEnd);
    static_cast<void>(selection.Paste());
    ReadRange(document.Content());
  }
  static_cast<void>(document.SaveAs(Folder() / "out.docx", "out.docx"));
  return 0;
}
