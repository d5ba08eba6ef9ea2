// Worksheet reads (scan, columns, rows, merges, selection) and the edits of its XML tree.
#include "platform/office/excel/worksheet.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "platform/base/text.h"
#include "platform/office/common/font_metrics.h"
#include "platform/office/common/xml_names.h"
#include "platform/office/excel/application.h"
#include "platform/office/excel/errors.h"
#include "platform/office/excel/formula.h"
#include "platform/office/excel/text_runs.h"
#include "platform/office/excel/workbook.h"
#include "platform/vb/strings.h"

namespace excel {
namespace {

// What a sheet keeps of its stored bytes with the package: the scan of its cells.
constexpr std::string_view kCellsKind = "excel.cells";

// The elements of <worksheet> in the order the file format wants them.
const char* const kWorksheetOrder[] = {
    "sheetPr",
    "dimension",
    "sheetViews",
    "sheetFormatPr",
    "cols",
    "sheetData",
    "sheetCalcPr",
    "sheetProtection",
    "protectedRanges",
    "scenarios",
    "autoFilter",
    "sortState",
    "dataConsolidate",
    "customSheetViews",
    "mergeCells",
    "phoneticPr",
    "conditionalFormatting",
    "dataValidations",
    "hyperlinks",
    "printOptions",
    "pageMargins",
    "pageSetup",
    "headerFooter",
    "rowBreaks",
    "colBreaks",
    "customProperties",
    "cellWatches",
    "ignoredErrors",
    "smartTags",
    "drawing",
    "legacyDrawing",
    "legacyDrawingHF",
    "picture",
    "oleObjects",
    "controls",
    "webPublishItems",
    "tableParts",
    "extLst",
};

int OrderOf(std::string_view local) {
  for (size_t i = 0; i < std::size(kWorksheetOrder); ++i) {
    if (local == kWorksheetOrder[i]) return static_cast<int>(i);
  }
  return static_cast<int>(std::size(kWorksheetOrder));
}

// The child of <worksheet> with that local name, made in its place when missing.
pugi::xml_node WorksheetChild(pugi::xml_node worksheet, const char* local) {
  if (pugi::xml_node existing = office::Child(worksheet, local)) return existing;
  const int order = OrderOf(local);
  const std::string name = office::PrefixOf(worksheet) + local;
  for (pugi::xml_node n = worksheet.first_child(); n; n = n.next_sibling()) {
    if (n.type() == pugi::node_element && OrderOf(office::LocalName(n.name())) > order)
      return worksheet.insert_child_before(name.c_str(), n);
  }
  return worksheet.append_child(name.c_str());
}

// Gives every row and cell of <sheetData> its "r", so edits can find positions by attribute.
void NumberRowsAndCells(pugi::xml_node data) {
  int row = 0;
  for (pugi::xml_node r = data.first_child(); r; r = r.next_sibling()) {
    if (!office::IsElement(r, "row")) continue;
    const int64_t number = r.attribute("r").as_llong(0);
    row = number >= 1 && number <= kMaxRows ? static_cast<int>(number) : row + 1;
    if (!r.attribute("r")) r.append_attribute("r");
    r.attribute("r").set_value(row);
    int column = 0;
    for (pugi::xml_node c = r.first_child(); c; c = c.next_sibling()) {
      if (!office::IsElement(c, "c")) continue;
      int refRow, refColumn;
      if (ParseCellReference(c.attribute("r").value(), refRow, refColumn)) {
        column = refColumn;
        continue;
      }
      ++column;
      if (!c.attribute("r")) c.prepend_attribute("r");
      c.attribute("r").set_value((ColumnLetters(column) + std::to_string(row)).c_str());
    }
  }
}

// The number of a numbered <row>.
int RowNumber(pugi::xml_node r) {
  pugi::xml_attribute a = r.first_attribute();  // "r" comes first in what we number
  if (std::strcmp(a.name(), "r") != 0) a = r.attribute("r");
  return a.as_int(0);
}

// The <row r=row> of <sheetData>, or an empty handle with `before` the row it would go before
// (empty: at the end). The search starts at `hint` (the row found last) when it lies above, as
// edits mostly go down the sheet; `hint` becomes the row found.
pugi::xml_node FindRowNode(pugi::xml_node data, int row, pugi::xml_node& hint,
                           pugi::xml_node* before = nullptr) {
  pugi::xml_node start = data.first_child();
  if (hint && hint.parent() == data && RowNumber(hint) <= row) start = hint;
  for (pugi::xml_node r = start; r; r = r.next_sibling()) {
    if (!office::IsElement(r, "row")) continue;
    const int n = RowNumber(r);
    if (n == row) return hint = r;
    if (n > row) {
      if (before != nullptr) *before = r;
      break;
    }
  }
  return {};
}

// The <row r=row> of <sheetData>, made in order when missing; `hint` as for FindRowNode.
pugi::xml_node RowNode(pugi::xml_node data, int row, pugi::xml_node& hint) {
  pugi::xml_node before;
  if (pugi::xml_node found = FindRowNode(data, row, hint, &before)) return found;
  const std::string name = office::PrefixOf(data) + "row";
  pugi::xml_node r =
      before ? data.insert_child_before(name.c_str(), before) : data.append_child(name.c_str());
  r.append_attribute("r").set_value(row);
  return hint = r;
}

// The <c> of a column in a row, made in order when missing (or null when `create` is false).
pugi::xml_node CellNode(pugi::xml_node row, int column, bool create) {
  // Cells are mostly written left to right: past the last one, append.
  if (pugi::xml_node last = row.last_child(); last && office::IsElement(last, "c")) {
    int r, col;
    if (ParseCellReference(last.attribute("r").value(), r, col)) {
      if (col == column) return last;
      if (col < column) {
        if (!create) return {};
        return row.append_child((office::PrefixOf(row) + "c").c_str());
      }
    }
  }
  pugi::xml_node before;
  for (pugi::xml_node c = row.first_child(); c; c = c.next_sibling()) {
    if (!office::IsElement(c, "c")) continue;
    int r, col;
    if (!ParseCellReference(c.attribute("r").value(), r, col)) continue;
    if (col == column) return c;
    if (col > column) {
      before = c;
      break;
    }
  }
  if (!create) return {};
  const std::string name = office::PrefixOf(row) + "c";
  return before ? row.insert_child_before(name.c_str(), before) : row.append_child(name.c_str());
}

// Text the saved tree holds as it is, so a record can point at it unescaped.
bool PlainText(std::string_view text) {
  for (char c : text) {
    const auto u = static_cast<unsigned char>(c);
    if (u < 0x20 || c == '&' || c == '<' || c == '>' || c == '"' || c == '\'') return false;
  }
  return true;
}

const char* TypeText(CellType type) {
  switch (type) {
    case CellType::SharedString:
      return "s";
    case CellType::FormulaString:
      return "str";
    case CellType::InlineString:
      return "inlineStr";
    case CellType::Boolean:
      return "b";
    case CellType::Error:
      return "e";
    case CellType::IsoDate:
      return "d";
    case CellType::Number:
      break;
  }
  return nullptr;
}

// Pixels of a column whose width in the file's unit is `width` (as the suite rounds them).
int WidthPixels(double width, int digit) {
  return static_cast<int>(std::trunc((256 * width + std::trunc(128.0 / digit)) / 256 * digit));
}

}  // namespace

Worksheet::Worksheet(Workbook& parent, std::string name, std::string partName, bool isChart,
                     std::string visibility)
    : parent_(parent),
      name_(std::move(name)),
      partName_(std::move(partName)),
      isChart_(isChart),
      visibility_(std::move(visibility)) {}

base::Status Worksheet::Select() {
  if (visibility_ != "visible") return Failed("the sheet \"", name_, "\" is hidden");
  parent_.Activate(this);
  parent_.Parent().DeactivateChart();
  return base::Ok();
}

base::Result<excel::Range> Worksheet::Range(std::string_view reference) {
  if (isChart_) return Failed("a chart sheet has no cells");
  const QualifiedReference q = SplitSheet(reference);
  if (!q.sheet.empty() && !vb::TextEquals(q.sheet, name_))
    return Failed("\"", reference, "\" is not on the sheet \"", name_, "\"");
  Area area;
  if (ParseArea(q.reference, area)) return excel::Range(this, area);
  std::optional<std::string> target = parent_.DefinedName(base::Trim(q.reference), this);
  if (!target) return Failed("\"", reference, "\" is no reference and no defined name");
  const QualifiedReference t = SplitSheet(*target);
  if (!t.sheet.empty() && !vb::TextEquals(t.sheet, name_))
    return Failed("the name \"", reference, "\" refers to another sheet");
  if (!ParseArea(t.reference, area))
    return Failed("the name \"", reference, "\" stands for no range (", *target, ")");
  return excel::Range(this, area);
}

base::Result<excel::Range> Worksheet::Columns(std::string_view columns) {
  if (isChart_) return Failed("a chart sheet has no cells");
  Area area;
  if (const int column = ColumnNumber(base::Trim(columns)); column > 0) {
    area = {1, column, kMaxRows, column};
  } else if (!ParseArea(columns, area) || area.top != 1 || area.bottom != kMaxRows) {
    return Failed("\"", columns, "\" names no columns");
  }
  return excel::Range(this, area);
}

excel::Range Worksheet::Selection() {
  if (!selection_) {
    selection_ = Area{};
    if (base::Result<pugi::xml_node> root = Node()) {
      pugi::xml_node view = office::Child(office::Child(*root, "sheetViews"), "sheetView");
      for (pugi::xml_node s = office::Child(view, "selection"); s; s = s.next_sibling()) {
        if (!office::IsElement(s, "selection")) continue;
        std::string_view sqref = s.attribute("sqref").value();
        sqref = sqref.substr(0, sqref.find(' '));
        Area area;
        if (ParseArea(sqref, area) || ParseArea(s.attribute("activeCell").value(), area))
          selection_ = area;
      }
    }
  }
  return excel::Range(this, *selection_);
}

base::Result<const SheetCells*> Worksheet::CellTable() {
  if (isChart_) return Failed("a chart sheet has no cells");
  if (!cells_ && cellsError_.empty()) {
    opc::Package& package = parent_.Package();
    base::Result<std::string_view> bytes = package.PartBytes(partName_);
    // The same stored bytes scanned by an earlier opening of the same file scan the same.
    std::shared_ptr<const void> kept =
        bytes ? package.MadeFromStored(kCellsKind, partName_) : nullptr;
    base::Result<SheetCells> scanned =
        kept    ? base::Result<SheetCells>(*static_cast<const SheetCells*>(kept.get()))
        : bytes ? SheetCells::Scan(*bytes)
                : base::Result<SheetCells>(bytes.error());
    if (scanned && kept) {
      scanned->Rebase(*bytes);
    } else if (scanned) {
      auto copy = std::make_shared<SheetCells>(*scanned);
      copy->Rebase({});  // its text is the next opening's
      package.KeepMadeFromStored(kCellsKind, partName_, std::move(copy));
    }
    if (scanned) {
      cells_ = std::move(*scanned);
      cellsText_.clear();
    } else {
      cellsError_ = "the sheet \"" + name_ + "\" cannot be read: " + scanned.error().message;
    }
  }
  if (!cells_) return Failed(cellsError_);
  return &*cells_;
}

base::Result<pugi::xml_node> Worksheet::Node() {
  if (dom_ == nullptr) {
    base::Result<pugi::xml_document*> doc = parent_.Package().PartXml(partName_);
    if (!doc) return Failed("the sheet \"", name_, "\" cannot be read: ", doc.error().message);
    dom_ = *doc;
  }
  return dom_->document_element();
}

uint32_t Worksheet::StyleAt(int row, int column) {
  base::Result<const SheetCells*> table = CellTable();
  if (!table) return 0;
  if (const CellRecord* cell = (*table)->Find(row, column)) return cell->style;
  if (const RowRecord* r = (*table)->RowInfo(row); r != nullptr && r->customFormat) return r->style;
  return ColumnStyle(column);
}

int Worksheet::LastRow() {
  base::Result<const SheetCells*> table = CellTable();
  if (!table) return 0;
  int last = (*table)->Cells().empty() ? 0 : (*table)->Cells().back().row;
  if (!(*table)->Rows().empty()) last = std::max(last, (*table)->Rows().back().row);
  return last;
}

int Worksheet::LastColumn() {
  base::Result<const SheetCells*> table = CellTable();
  if (!table) return 0;
  int last = 0;
  for (const CellRecord& c : (*table)->Cells()) last = std::max(last, c.column);
  return last;
}

void Worksheet::LoadColumns() {
  if (columnsLoaded_) return;
  columnsLoaded_ = true;
  columns_.clear();
  base::Result<pugi::xml_node> root = Node();
  if (!root) return;
  for (pugi::xml_node c = office::Child(office::Child(*root, "cols"), "col"); c;
       c = c.next_sibling()) {
    if (!office::IsElement(c, "col")) continue;
    const int first = c.attribute("min").as_int(0), last = c.attribute("max").as_int(0);
    if (first < 1 || last < first || first > kMaxColumns) continue;
    const char* hidden = c.attribute("hidden").value();
    const double width = c.attribute("width").as_double(-1);
    columns_.push_back({first, std::min(last, kMaxColumns), width >= 0 && width <= 255 ? width : -1,
                        std::strcmp(hidden, "1") == 0 || std::strcmp(hidden, "true") == 0,
                        c.attribute("style").as_uint(0)});
  }
  pugi::xml_node format = office::Child(*root, "sheetFormatPr");
  defaultRowHeight_ = format.attribute("defaultRowHeight").as_double(-1);
  defaultColumnWidth_ = format.attribute("defaultColWidth").as_double(-1);
  baseColumnWidth_ = format.attribute("baseColWidth").as_double(8);
  if (baseColumnWidth_ < 0 || baseColumnWidth_ > 255) baseColumnWidth_ = 8;
}

int Worksheet::DigitWidthPixels() {
  const FontSpec& font = parent_.StyleSheet().DefaultFont();
  return office::MaxDigitWidthPixels(font.name, font.size);
}

double Worksheet::ColumnFileWidth(int column, bool& hidden) {
  LoadColumns();
  hidden = false;
  for (const ColumnSpan& span : columns_) {
    if (column < span.first || column > span.last) continue;
    hidden = span.hidden;
    if (span.width >= 0) return span.width;
    break;
  }
  return DefaultFileWidth();
}

double Worksheet::DefaultFileWidth() {
  LoadColumns();
  if (defaultColumnWidth_ >= 0) return defaultColumnWidth_;
  // baseColWidth characters and the padding, rounded up to a multiple of 8 pixels.
  const int digit = DigitWidthPixels();
  const double pixels = std::ceil((baseColumnWidth_ * digit + 5) / 8) * 8;
  return std::trunc(pixels / digit * 256) / 256;
}

base::Result<double> Worksheet::ColumnWidth(int column) {
  if (isChart_) return Failed("a chart sheet has no columns");
  if (column < 1 || column > kMaxColumns) return Failed("no column ", column);
  bool hidden;
  const double width = ColumnFileWidth(column, hidden);
  if (hidden) return 0.0;
  const int digit = DigitWidthPixels();
  const int pixels = WidthPixels(width, digit);
  if (pixels <= 5) return 0.0;
  return std::trunc((pixels - 5) * 100.0 / digit + 0.5) / 100;
}

double Worksheet::StandardWidth() {
  const int digit = DigitWidthPixels();
  return std::trunc((WidthPixels(DefaultFileWidth(), digit) - 5) * 100.0 / digit + 0.5) / 100;
}

base::Result<double> Worksheet::RowHeight(int row) {
  base::Result<const SheetCells*> table = CellTable();
  if (!table) return table.error();
  if (row < 1 || row > kMaxRows) return Failed("no row ", row);
  if (const RowRecord* r = (*table)->RowInfo(row)) {
    if (r->hidden) return 0.0;
    if (r->height >= 0) return r->height;
  }
  LoadColumns();
  if (defaultRowHeight_ > 0) return defaultRowHeight_;
  const FontSpec& font = parent_.StyleSheet().DefaultFont();
  return office::DefaultRowHeightPoints(font.name, font.size);
}

base::Result<bool> Worksheet::RowHidden(int row) {
  base::Result<const SheetCells*> table = CellTable();
  if (!table) return table.error();
  const RowRecord* r = (*table)->RowInfo(row);
  return r != nullptr && r->hidden;
}

base::Result<const std::vector<Area>*> Worksheet::MergedAreas() {
  if (!merged_) {
    base::Result<pugi::xml_node> root = Node();
    if (!root) return root.error();
    merged_.emplace();
    for (pugi::xml_node m = office::Child(office::Child(*root, "mergeCells"), "mergeCell"); m;
         m = m.next_sibling()) {
      Area area;
      if (office::IsElement(m, "mergeCell") && ParseArea(m.attribute("ref").value(), area))
        merged_->push_back(area);
    }
  }
  return &*merged_;
}

std::optional<Area> Worksheet::MergedAreaAt(int row, int column) {
  base::Result<const std::vector<Area>*> merged = MergedAreas();
  if (!merged) return std::nullopt;
  for (const Area& a : **merged) {
    if (a.Contains(row, column)) return a;
  }
  return std::nullopt;
}

std::optional<Area> Worksheet::AutoFilterArea() {
  base::Result<pugi::xml_node> root = Node();
  if (!root) return std::nullopt;
  Area area;
  if (ParseArea(office::Child(*root, "autoFilter").attribute("ref").value(), area)) return area;
  return std::nullopt;
}

bool Worksheet::FilterMode() {
  base::Result<pugi::xml_node> root = Node();
  return root && office::Child(office::Child(*root, "autoFilter"), "filterColumn");
}

base::Status Worksheet::Changed() {
  parent_.MarkChanged(dom_);
  cells_.reset();
  cellsError_.clear();
  merged_.reset();
  columnsLoaded_ = false;
  return base::Ok();
}

base::Status Worksheet::TreeChanged() {
  if (!cells_) return Changed();
  if (cellsText_.empty()) {
    base::Result<std::string_view> bytes = parent_.Package().PartBytes(partName_);
    if (!bytes) return Changed();
    cellsText_ = std::string(*bytes);
    cells_->Rebase(cellsText_);
  }
  parent_.MarkChanged(dom_);
  merged_.reset();
  columnsLoaded_ = false;
  return base::Ok();
}

pugi::xml_node Worksheet::SheetData(pugi::xml_node root) {
  pugi::xml_node data = WorksheetChild(root, "sheetData");
  if (!numbered_) {
    NumberRowsAndCells(data);
    numbered_ = true;
  }
  return data;
}

base::Status Worksheet::WriteCell(int row, int column, const CellContent& content) {
  return WriteCells(Area{row, column, row, column},
                    [&content](int, int, CellContent&) -> const CellContent& { return content; });
}

base::Result<pugi::xml_node> Worksheet::SheetDataFor(const Area& area) {
  if (area.top < 1 || area.bottom > kMaxRows || area.left < 1 || area.right > kMaxColumns)
    return Failed("no cells at ", AreaText(area));
  base::Result<pugi::xml_node> root = Node();
  if (!root) return root.error();
  return SheetData(*root);
}

base::Status Worksheet::WriteCells(const Area& area, const CellSource& content) {
  base::Result<pugi::xml_node> found = SheetDataFor(area);
  if (!found) return found.error();
  const pugi::xml_node data = *found;
  bool changed = false;
  CellContent scratch;
  for (int r = area.top; r <= area.bottom; ++r) {
    // The row is looked up once, and made only when a cell is written into it.
    pugi::xml_node row = FindRowNode(data, r, rowHint_);
    for (int c = area.left; c <= area.right; ++c) {
      const CellContent& cell = content(r, c, scratch);
      if (!cell.present) {
        // Clearing a position that holds nothing changes nothing.
        pugi::xml_node old = row ? CellNode(row, c, false) : pugi::xml_node();
        if (old) changed |= row.remove_child(old);
        continue;
      }
      if (!row) row = RowNode(data, r, rowHint_);
      WriteCellNode(CellNode(row, c, true), r, c, cell);
      changed = true;
    }
  }
  return changed ? Changed() : base::Ok();
}

base::Status Worksheet::ReplaceCells(
    const Area& block, std::span<const PlacedCell> cells,
    const std::function<std::string(const PlacedCell&)>& formulaOf) {
  base::Result<pugi::xml_node> found = SheetDataFor(block);
  if (!found) return found.error();
  const pugi::xml_node data = *found;
  bool changed = false;
  size_t next = 0;
  CellContent formulaCell;
  // What the records need to follow the edit without a rescan.
  bool follow = cells_ && cells_->Plain();
  std::vector<WrittenCell> written;
  std::vector<int> rowsMade;
  for (int r = block.top; r <= block.bottom; ++r) {
    pugi::xml_node row = FindRowNode(data, r, rowHint_);
    if (row) {
      // Whatever the row holds inside the block goes first.
      for (pugi::xml_node c = row.first_child(); c;) {
        pugi::xml_node following = c.next_sibling();
        int cellRow, column;
        if (office::IsElement(c, "c") &&
            ParseCellReference(c.attribute("r").value(), cellRow, column) && column >= block.left &&
            column <= block.right) {
          row.remove_child(c);
          changed = true;
        }
        c = following;
      }
    }
    for (; next < cells.size() && cells[next].row == r - block.top; ++next) {
      const PlacedCell& cell = cells[next];
      if (!cell.content.present) continue;
      if (!row) {
        row = RowNode(data, r, rowHint_);
        if (follow) rowsMade.push_back(r);
      }
      const int column = block.left + cell.column;
      const CellContent* content = &cell.content;
      if (!cell.content.formula.empty()) {
        formulaCell = cell.content;
        formulaCell.formula = formulaOf(cell);
        content = &formulaCell;
      }
      const pugi::xml_node c = CellNode(row, column, true);
      WriteCellNode(c, r, column, *content);
      changed = true;
      if (follow) {
        follow = PlainText(content->value) && PlainText(content->formula) &&
                 (content->type != CellType::InlineString || !content->value.empty());
        written.push_back({&cell, content->formula, office::PrefixOf(c)});
      }
    }
  }
  if (!changed) return base::Ok();
  if (follow) return CellsReplaced(block, written, rowsMade);
  return Changed();
}

base::Status Worksheet::CellsReplaced(const Area& block, const std::vector<WrittenCell>& written,
                                      const std::vector<int>& rowsMade) {
  if (base::Status kept = TreeChanged(); !kept || !cells_) return kept;
  std::vector<CellRecord> added;
  added.reserve(written.size());
  auto append = [this](const std::string& text) {
    TextSpan span{static_cast<uint32_t>(cellsText_.size()), static_cast<uint32_t>(text.size())};
    cellsText_ += text;
    return span;
  };
  for (const auto& [cell, formula, prefix] : written) {
    CellRecord& record = added.emplace_back();
    record.row = block.top + cell->row;
    record.column = block.left + cell->column;
    record.style = cell->content.style;
    record.type = cell->content.type;
    if (!formula.empty()) {
      record.formula = FormulaKind::Normal;
      record.formulaText = append(formula);
    }
    if (cell->content.type == CellType::InlineString) {
      // The inner XML of the <is> the tree saves.
      record.hasValue = true;
      record.valueEscaped = true;
      record.value = append("<" + prefix + "t xml:space=\"preserve\">" + cell->content.value +
                            "</" + prefix + "t>");
    } else if (!cell->content.value.empty()) {
      record.hasValue = true;
      record.value = append(cell->content.value);
    }
  }
  cells_->Rebase(cellsText_);
  if (!cells_->ReplaceBlock(block.top, block.left, block.bottom, block.right, added, rowsMade))
    return Changed();
  return base::Ok();
}

void Worksheet::WriteCellNode(pugi::xml_node c, int row, int column, const CellContent& content) {
  const std::string prefix = office::PrefixOf(c);
  while (c.first_child()) c.remove_child(c.first_child());
  while (c.first_attribute()) c.remove_attribute(c.first_attribute());
  c.append_attribute("r").set_value((ColumnLetters(column) + std::to_string(row)).c_str());
  if (content.style != 0) c.append_attribute("s").set_value(content.style);
  if (const char* t = TypeText(content.type)) c.append_attribute("t").set_value(t);
  if (!content.formula.empty())
    c.append_child((prefix + "f").c_str()).text().set(content.formula.c_str());
  if (content.type == CellType::InlineString) {
    pugi::xml_node t = c.append_child((prefix + "is").c_str()).append_child((prefix + "t").c_str());
    t.append_attribute("xml:space").set_value("preserve");
    t.text().set(content.value.c_str());
  } else if (!content.value.empty()) {
    c.append_child((prefix + "v").c_str()).text().set(content.value.c_str());
  }
}

base::Status Worksheet::SetColumnWidth(int column, double characters, bool bestFit) {
  if (column < 1 || column > kMaxColumns) return Failed("no column ", column);
  if (!(characters >= 0 && characters <= 255)) return Failed("no column width ", characters);
  base::Result<pugi::xml_node> root = Node();
  if (!root) return root.error();
  // Widths snap to whole pixels.
  const int digit = DigitWidthPixels();
  const double pixels = std::round(characters * digit + 5);
  const double width = std::trunc(pixels / digit * 256) / 256;
  pugi::xml_node cols = WorksheetChild(*root, "cols");
  const std::string name = office::PrefixOf(cols) + "col";
  // Split the span that holds the column so the column has a <col> of its own.
  pugi::xml_node own;
  for (pugi::xml_node c = cols.first_child(); c; c = c.next_sibling()) {
    if (!office::IsElement(c, "col")) continue;
    const int first = c.attribute("min").as_int(0), last = c.attribute("max").as_int(0);
    if (column < first || column > last) continue;
    if (first < column) {
      pugi::xml_node left = cols.insert_copy_before(c, c);
      left.attribute("max").set_value(column - 1);
    }
    if (last > column) {
      pugi::xml_node right = cols.insert_copy_after(c, c);
      right.attribute("min").set_value(column + 1);
    }
    c.attribute("min").set_value(column);
    c.attribute("max").set_value(column);
    own = c;
    break;
  }
  if (!own) {
    pugi::xml_node before;
    for (pugi::xml_node c = cols.first_child(); c; c = c.next_sibling()) {
      if (office::IsElement(c, "col") && c.attribute("min").as_int(0) > column) {
        before = c;
        break;
      }
    }
    own = before ? cols.insert_child_before(name.c_str(), before) : cols.append_child(name.c_str());
    own.append_attribute("min").set_value(column);
    own.append_attribute("max").set_value(column);
  }
  for (const char* a : {"width", "customWidth", "bestFit"}) {
    if (!own.attribute(a)) own.append_attribute(a);
  }
  own.attribute("width").set_value(width);
  own.attribute("customWidth").set_value(1);
  if (bestFit) {
    own.attribute("bestFit").set_value(1);
  } else {
    own.remove_attribute("bestFit");
  }
  return TreeChanged();
}

base::Status Worksheet::SetRowHidden(int row, bool hidden) {
  if (row < 1 || row > kMaxRows) return Failed("no row ", row);
  base::Result<pugi::xml_node> root = Node();
  if (!root) return root.error();
  pugi::xml_node data = SheetData(*root);
  pugi::xml_node r = RowNode(data, row, rowHint_);
  if (hidden) {
    if (!r.attribute("hidden")) r.append_attribute("hidden");
    r.attribute("hidden").set_value(1);
  } else {
    r.remove_attribute("hidden");
  }
  if (cells_ && cells_->SetRowHidden(row, hidden)) return TreeChanged();
  return Changed();
}

base::Status Worksheet::SetAutoFilter(const Area& area, const std::vector<bool>& visible,
                                      const std::function<void(pugi::xml_node)>& writeFilter) {
  base::Result<pugi::xml_node> root = Node();
  if (!root) return root.error();
  if (pugi::xml_node old = office::Child(*root, "autoFilter")) root->remove_child(old);
  pugi::xml_node filter = WorksheetChild(*root, "autoFilter");
  filter.append_attribute("ref").set_value(AreaText(area).c_str());
  writeFilter(filter);
  for (size_t i = 0; i < visible.size(); ++i) {
    if (base::Status s = SetRowHidden(area.top + 1 + static_cast<int>(i), !visible[i]); !s)
      return s;
  }
  return TreeChanged();
}

CellContent Worksheet::ContentAt(int row, int column) {
  base::Result<const SheetCells*> table = CellTable();
  if (!table) return CellContent{};
  if (const CellRecord* cell = (*table)->Find(row, column)) return ContentOf(**table, *cell);
  // A formatted empty position keeps its format.
  CellContent content;
  content.style = StyleAt(row, column);
  content.present = content.style != 0;
  return content;
}

void Worksheet::RowContents(int row, int left, int right,
                            const std::function<void(int column, CellContent content)>& take) {
  base::Result<const SheetCells*> table = CellTable();
  if (!table) return;
  const std::span<const CellRecord> cells = (*table)->Row(row);
  const RowRecord* info = (*table)->RowInfo(row);
  const bool rowFormat = info != nullptr && info->customFormat && info->style != 0;
  LoadColumns();
  const bool columnFormats = std::any_of(
      columns_.begin(), columns_.end(),
      [&](const ColumnSpan& s) { return s.style != 0 && s.last >= left && s.first <= right; });
  auto next = std::lower_bound(cells.begin(), cells.end(), left,
                               [](const CellRecord& c, int col) { return c.column < col; });
  if (!rowFormat && !columnFormats) {
    // Only the cells the row holds.
    for (; next != cells.end() && next->column <= right; ++next)
      take(next->column, ContentOf(**table, *next));
    return;
  }
  for (int column = left; column <= right; ++column) {
    if (next != cells.end() && next->column == column) {
      take(column, ContentOf(**table, *next++));
      continue;
    }
    CellContent empty;
    empty.style = rowFormat ? info->style : ColumnStyle(column);
    empty.present = empty.style != 0;
    if (empty.present) take(column, std::move(empty));
  }
}

CellContent Worksheet::ContentOf(const SheetCells& table, const CellRecord& cell) {
  CellContent content;
  content.present = true;
  content.type = cell.type;
  content.style = cell.style;
  content.value = cell.type == CellType::InlineString
                      ? StringItemText(table.View(cell.value))
                      : (cell.valueEscaped ? DecodeEntities(table.View(cell.value))
                                           : std::string(table.View(cell.value)));
  // Also a cell of an array formula, which holds no <f> of its own.
  if (std::optional<std::string> f = FormulaAt(cell.row, cell.column))
    content.formula = std::move(*f);
  return content;
}

uint32_t Worksheet::ColumnStyle(int column) {
  LoadColumns();
  for (const ColumnSpan& span : columns_) {
    if (column >= span.first && column <= span.last) return span.style;
  }
  return 0;
}

std::optional<std::string> Worksheet::FormulaAt(int row, int column) {
  base::Result<const SheetCells*> table = CellTable();
  if (!table) return std::nullopt;
  const SheetCells& cells = **table;
  const CellRecord* cell = cells.Find(row, column);
  if (cell == nullptr) return std::nullopt;
  auto text = [&cells](const CellRecord& c) {
    const std::string_view f = cells.View(c.formulaText);
    return c.formulaEscaped ? DecodeEntities(f) : std::string(f);
  };
  switch (cell->formula) {
    case FormulaKind::None:
      return std::nullopt;
    case FormulaKind::Shared: {
      if (!cell->formulaText.empty()) return text(*cell);
      const CellRecord* master = cells.SharedMaster(cell->sharedIndex);
      if (master == nullptr) return std::nullopt;
      return ShiftFormula(text(*master), row - master->row, column - master->column);
    }
    case FormulaKind::Array:
    case FormulaKind::DataTable:
      if (!cell->formulaText.empty()) return text(*cell);
      // A cell of an array takes the array's formula, held by its first cell.
      for (const CellRecord& c : cells.Cells()) {
        Area area;
        if (c.formula == FormulaKind::Array && ParseArea(cells.View(c.formulaRef), area) &&
            area.Contains(row, column)) {
          return text(c);
        }
      }
      return std::nullopt;
    case FormulaKind::Normal:
      return text(*cell);
  }
  return std::nullopt;
}

}  // namespace excel
