// Tables, rows, columns and cells over the story's index.
#include "platform/office/word/table.h"

#include <algorithm>

#include "platform/office/common/xml_names.h"
#include "platform/office/word/errors.h"
#include "platform/office/word/formatting.h"
#include "platform/office/word/layout.h"
#include "platform/office/word/mixed.h"
#include "platform/office/word/styles.h"

namespace word {
namespace {

using office::Attr;
using office::Child;

const Story& StoryOf(Document& document, StoryId story) {
  return document.StoryAt(story);
}

int32_t RowAlignmentOf(std::string_view jc) {
  if (jc == "center") return wdAlignRowCenter;
  if (jc == "right" || jc == "end") return wdAlignRowRight;
  return wdAlignRowLeft;
}

// The element at `path` below w:tblPr (or w:tcPr, w:trPr) of the table itself, else of its
// style's chain (the nearest style that has it); empty when none has it.
pugi::xml_node TableLevel(Document& document, pugi::xml_node table, std::string_view properties,
                          std::initializer_list<std::string_view> path) {
  auto find = [&](pugi::xml_node node) {
    pugi::xml_node at = Child(node, properties);
    for (std::string_view step : path) at = Child(at, step);
    return at;
  };
  if (properties == "tblPr") {
    if (pugi::xml_node own = find(table)) return own;
  }
  const int32_t style = document.Format().TableStyle(table);
  if (style < 0) return {};
  const StyleSheet& styles = document.Styles();
  for (int32_t s : styles.Chain(style)) {
    if (pugi::xml_node found = find(styles.Node(s))) return found;
  }
  return {};
}

// A border side of w:tcBorders, w:tblBorders, ... by its name, or its bidirectional name.
pugi::xml_node Side(pugi::xml_node borders, std::string_view name) {
  if (pugi::xml_node side = Child(borders, name)) return side;
  if (name == "left") return Child(borders, "start");
  if (name == "right") return Child(borders, "end");
  return {};
}

bool HasVerticalMerges(const Story& story, const TableSpan& table) {
  for (int32_t r : table.rows) {
    for (int32_t c : story.Rows()[static_cast<size_t>(r)].cells) {
      if (story.Cells()[static_cast<size_t>(c)].vmerge == VerticalMerge::kContinue) return true;
    }
  }
  return false;
}

}  // namespace

word::Tables Document::Tables() {
  const Story& story = StoryAt(kMainStory);
  std::vector<int32_t> tables;
  for (size_t i = 0; i < story.Tables().size(); ++i) {
    if (story.Tables()[i].parentCell < 0) tables.push_back(static_cast<int32_t>(i));
  }
  return word::Tables(*this, kMainStory, std::move(tables));
}

word::Tables Range::Tables() const {
  const word::Story& story = Index();
  std::vector<int32_t> tables;
  if (const int32_t holding = story.TableAt(start_); holding >= 0) {
    tables.push_back(holding);
  } else {
    for (size_t i = 0; i < story.Tables().size(); ++i) {
      const TableSpan& t = story.Tables()[i];
      if (t.parentCell < 0 && t.start >= start_ && t.start < end_)
        tables.push_back(static_cast<int32_t>(i));
    }
  }
  return word::Tables(*document_, story_, std::move(tables));
}

base::Result<word::Cells> Range::Cells() const {
  const word::Story& story = Index();
  std::vector<int32_t> cells;
  const int32_t first = story.CellAt(start_);
  const int32_t table = story.TableAt(start_);
  if (table < 0) return NotAvailable("the range is not in a table");
  // The cells of that table the range touches (nested tables' cells belong to their own).
  for (size_t i = 0; i < story.Cells().size(); ++i) {
    const CellSpan& c = story.Cells()[i];
    if (c.table != table) continue;
    const bool touches = static_cast<int32_t>(i) == first || (c.start < end_ && c.end > start_);
    if (touches) cells.push_back(static_cast<int32_t>(i));
  }
  if (cells.empty()) return NotAvailable("the range holds no cell");
  return word::Cells(*document_, story_, std::move(cells));
}

base::Result<Table> Tables::Item(int32_t index) const {
  if (index < 1 || index > Count()) return NoSuchMember("there is no table ", index);
  return Table(*document_, story_, tables_[static_cast<size_t>(index - 1)]);
}

const TableSpan& Table::Span() const {
  return StoryOf(*document_, story_).Tables()[static_cast<size_t>(table_)];
}

word::Range Table::Range() const {
  const TableSpan& t = Span();
  return word::Range(*document_, story_, t.start, t.end);
}

int32_t Table::NestingLevel() const {
  const word::Story& story = StoryOf(*document_, story_);
  int32_t level = 1;
  for (int32_t cell = Span().parentCell; cell >= 0;
       cell = story.Tables()[static_cast<size_t>(story.Cells()[static_cast<size_t>(cell)].table)]
                  .parentCell) {
    ++level;
  }
  return level;
}

base::Result<std::string> Table::Style() const {
  const int32_t style = document_->Format().TableStyle(Span().node);
  if (style < 0) return std::string(*BuiltInStyleName("Normal Table"));
  return document_->Styles().ShownName(style);
}

base::Result<word::Cell> Table::Cell(int32_t row, int32_t column) const {
  const TableSpan& t = Span();
  if (row < 1 || row > static_cast<int32_t>(t.rows.size()))
    return NoSuchMember("the table has no row ", row);
  const RowSpan& r =
      StoryOf(*document_, story_).Rows()[static_cast<size_t>(t.rows[static_cast<size_t>(row - 1)])];
  if (column < 1 || column > static_cast<int32_t>(r.cells.size()))
    return NoSuchMember("row ", row, " has no cell ", column);
  const int32_t cell = r.cells[static_cast<size_t>(column - 1)];
  if (StoryOf(*document_, story_).Cells()[static_cast<size_t>(cell)].vmerge ==
      VerticalMerge::kContinue)
    return NoSuchMember("cell (", row, ", ", column, ") is part of the merged cell above it");
  return word::Cell(*document_, story_, cell);
}

int32_t TableRows::Count() const {
  return static_cast<int32_t>(table_->Span().rows.size());
}

base::Result<Row> TableRows::Item(int32_t index) const {
  const TableSpan& t = table_->Span();
  if (index < 1 || index > Count()) return NoSuchMember("the table has no row ", index);
  if (HasVerticalMerges(table_->Document().StoryAt(table_->Story()), t))
    return ErrorWith(kErrVerticallyMerged,
                     "cannot reach single rows of a table with vertically merged cells");
  return Row(table_->Document(), table_->Story(), t.rows[static_cast<size_t>(index - 1)]);
}

base::Result<int32_t> TableRows::Alignment() const {
  std::vector<int32_t> rows;
  for (int32_t r : table_->Span().rows)
    rows.push_back(Row(table_->Document(), table_->Story(), r).Alignment());
  return CommonNumber(rows, [](int32_t a) { return a; });
}

base::Result<int32_t> TableRows::WrapAroundText() const {
  return Truth(static_cast<bool>(Child(Child(table_->Span().node, "tblPr"), "tblpPr")));
}

int32_t TableColumns::Count() const {
  const Story& story = table_->Document().StoryAt(table_->Story());
  size_t most = 0;
  for (int32_t r : table_->Span().rows)
    most = std::max(most, story.Rows()[static_cast<size_t>(r)].cells.size());
  return static_cast<int32_t>(most);
}

base::Result<Column> TableColumns::Item(int32_t index) const {
  if (index < 1 || index > Count()) return NoSuchMember("the table has no column ", index);
  const Story& story = table_->Document().StoryAt(table_->Story());
  // Columns exist only when every row's cells stand on the same grid lines.
  std::vector<std::pair<int32_t, int32_t>> first;
  for (int32_t r : table_->Span().rows) {
    std::vector<std::pair<int32_t, int32_t>> edges;
    for (int32_t c : story.Rows()[static_cast<size_t>(r)].cells) {
      const CellSpan& cell = story.Cells()[static_cast<size_t>(c)];
      edges.emplace_back(cell.gridColumn, cell.gridColumn + cell.gridSpan);
    }
    if (r == table_->Span().rows.front()) {
      first = std::move(edges);
    } else if (edges != first) {
      return ErrorWith(kErrMixedCellWidths,
                       "cannot reach single columns of a table with mixed cell widths");
    }
  }
  // Every row has Count() cells now.
  std::vector<int32_t> cells;
  for (int32_t r : table_->Span().rows) {
    const int32_t c = story.Rows()[static_cast<size_t>(r)].cells[static_cast<size_t>(index - 1)];
    if (story.Cells()[static_cast<size_t>(c)].vmerge != VerticalMerge::kContinue)
      cells.push_back(c);
  }
  return Column(table_->Document(), table_->Story(), std::move(cells));
}

base::Result<word::Cell> Cells::Item(int32_t index) const {
  if (index < 1 || index > Count()) return NoSuchMember("there is no cell ", index);
  return word::Cell(*document_, story_, cells_[static_cast<size_t>(index - 1)]);
}

base::Result<int32_t> Cells::VerticalAlignment() const {
  std::vector<int32_t> values;
  for (int32_t c : cells_) {
    base::Result<int32_t> v = word::Cell(*document_, story_, c).VerticalAlignment();
    if (!v) return v.error();
    values.push_back(*v);
  }
  return CommonNumber(values, [](int32_t v) { return v; });
}

int32_t Row::Index() const {
  return StoryOf(*document_, story_).Rows()[static_cast<size_t>(row_)].indexInTable + 1;
}

word::Cells Row::Cells() const {
  return word::Cells(*document_, story_,
                     StoryOf(*document_, story_).Rows()[static_cast<size_t>(row_)].cells);
}

word::Range Row::Range() const {
  const RowSpan& r = StoryOf(*document_, story_).Rows()[static_cast<size_t>(row_)];
  return word::Range(*document_, story_, r.start, r.end);
}

base::Result<int32_t> Row::HeightRule() const {
  const pugi::xml_node height =
      Child(Child(StoryOf(*document_, story_).Rows()[static_cast<size_t>(row_)].node, "trPr"),
            "trHeight");
  if (!height || !Attr(height, "val")) return wdRowHeightAuto;
  const std::string_view rule = Attr(height, "hRule").value();
  if (rule == "exact") return wdRowHeightExactly;
  if (rule == "auto") return wdRowHeightAuto;
  return wdRowHeightAtLeast;
}

base::Result<float> Row::Height() const {
  base::Result<int32_t> rule = HeightRule();
  if (!rule) return rule.error();
  if (*rule != wdRowHeightAuto) {
    const pugi::xml_node height =
        Child(Child(StoryOf(*document_, story_).Rows()[static_cast<size_t>(row_)].node, "trPr"),
              "trHeight");
    return static_cast<float>(Attr(height, "val").as_int(0)) / 20.0f;
  }
  return AutoRowHeight(*document_, story_, row_);
}

int32_t Row::Alignment() const {
  const word::Story& story = StoryOf(*document_, story_);
  const RowSpan& r = story.Rows()[static_cast<size_t>(row_)];
  if (pugi::xml_node jc = Child(Child(r.node, "trPr"), "jc"))
    return RowAlignmentOf(Attr(jc, "val").value());
  const pugi::xml_node table = story.Tables()[static_cast<size_t>(r.table)].node;
  return RowAlignmentOf(Attr(TableLevel(*document_, table, "tblPr", {"jc"}), "val").value());
}

int32_t Cell::RowIndex() const {
  const word::Story& story = StoryOf(*document_, story_);
  return story.Rows()[static_cast<size_t>(story.Cells()[static_cast<size_t>(cell_)].row)]
             .indexInTable +
         1;
}

int32_t Cell::ColumnIndex() const {
  return StoryOf(*document_, story_).Cells()[static_cast<size_t>(cell_)].indexInRow + 1;
}

word::Range Cell::Range() const {
  const CellSpan& c = StoryOf(*document_, story_).Cells()[static_cast<size_t>(cell_)];
  return word::Range(*document_, story_, c.start, c.end);
}

base::Result<float> Cell::Width() const {
  const word::Story& story = StoryOf(*document_, story_);
  const CellSpan& c = story.Cells()[static_cast<size_t>(cell_)];
  const pugi::xml_node table = story.Tables()[static_cast<size_t>(c.table)].node;
  // The grid: the widths of the columns the cell spans, and of the whole table.
  std::vector<int32_t> grid;
  for (pugi::xml_node g = Child(Child(table, "tblGrid"), "gridCol"); g; g = g.next_sibling()) {
    if (office::IsElement(g, "gridCol")) grid.push_back(Attr(g, "w").as_int(0));
  }
  int64_t spanned = 0;
  int64_t total = 0;
  for (size_t i = 0; i < grid.size(); ++i) {
    total += grid[i];
    if (static_cast<int32_t>(i) >= c.gridColumn &&
        static_cast<int32_t>(i) < c.gridColumn + c.gridSpan)
      spanned += grid[i];
  }
  const pugi::xml_node tcW = Child(Child(c.node, "tcPr"), "tcW");
  const std::string_view type = Attr(tcW, "type").value();
  const std::string_view w = Attr(tcW, "w").value();
  if (tcW && (type == "dxa" || type.empty()) && !w.empty())
    return static_cast<float>(Attr(tcW, "w").as_int(0)) / 20.0f;
  if (tcW && type == "pct" && !w.empty()) {
    // Fiftieths of a percent, or a percentage written with its sign.
    const double fraction = w.back() == '%' ? Attr(tcW, "w").as_double(0) / 100.0
                                            : Attr(tcW, "w").as_double(0) / 5000.0;
    return static_cast<float>(fraction * static_cast<double>(total) / 20.0);
  }
  return static_cast<float>(static_cast<double>(spanned) / 20.0);
}

base::Result<float> Cell::Height() const {
  const CellSpan& c = StoryOf(*document_, story_).Cells()[static_cast<size_t>(cell_)];
  return Row(*document_, story_, c.row).Height();
}

base::Result<int32_t> Cell::VerticalAlignment() const {
  const word::Story& story = StoryOf(*document_, story_);
  const CellSpan& c = story.Cells()[static_cast<size_t>(cell_)];
  pugi::xml_node vAlign = Child(Child(c.node, "tcPr"), "vAlign");
  if (!vAlign) {
    vAlign = TableLevel(*document_, story.Tables()[static_cast<size_t>(c.table)].node, "tcPr",
                        {"vAlign"});
  }
  const std::string_view v = Attr(vAlign, "val").value();
  if (v == "center") return wdCellAlignVerticalCenter;
  if (v == "bottom") return wdCellAlignVerticalBottom;
  return wdCellAlignVerticalTop;
}

base::Result<word::Shading> Cell::Shading() const {
  const word::Story& story = StoryOf(*document_, story_);
  const CellSpan& c = story.Cells()[static_cast<size_t>(cell_)];
  const pugi::xml_node table = story.Tables()[static_cast<size_t>(c.table)].node;
  pugi::xml_node shd = Child(Child(c.node, "tcPr"), "shd");
  if (!shd) shd = Child(Child(table, "tblPr"), "shd");
  if (!shd) shd = TableLevel(*document_, table, "tcPr", {"shd"});
  return word::Shading({ReadShading(shd).value_or(ShadingProps{})});
}

base::Result<Border> Cell::Borders(int32_t index) const {
  const word::Story& story = StoryOf(*document_, story_);
  const CellSpan& c = story.Cells()[static_cast<size_t>(cell_)];
  const RowSpan& row = story.Rows()[static_cast<size_t>(c.row)];
  const TableSpan& table = story.Tables()[static_cast<size_t>(c.table)];
  const bool firstRow = row.indexInTable == 0;
  const bool lastRow = row.indexInTable + 1 == static_cast<int32_t>(table.rows.size());
  const bool firstCell = c.indexInRow == 0;
  const bool lastCell = c.indexInRow + 1 == static_cast<int32_t>(row.cells.size());
  std::string_view own;        // the side in w:tcBorders
  std::string_view tableLine;  // the line in w:tblBorders
  switch (index) {
    case wdBorderTop:
      own = "top";
      tableLine = firstRow ? "top" : "insideH";
      break;
    case wdBorderBottom:
      own = "bottom";
      tableLine = lastRow ? "bottom" : "insideH";
      break;
    case wdBorderLeft:
      own = "left";
      tableLine = firstCell ? "left" : "insideV";
      break;
    case wdBorderRight:
      own = "right";
      tableLine = lastCell ? "right" : "insideV";
      break;
    case wdBorderHorizontal:
      own = tableLine = "insideH";
      break;
    case wdBorderVertical:
      own = tableLine = "insideV";
      break;
    case wdBorderDiagonalDown:
      own = "tl2br";
      break;
    case wdBorderDiagonalUp:
      own = "tr2bl";
      break;
    default:
      return NoSuchMember("a cell has no border ", index);
  }
  pugi::xml_node line = Side(Child(Child(c.node, "tcPr"), "tcBorders"), own);
  if (!line && !tableLine.empty())
    line = Side(TableLevel(*document_, table.node, "tblPr", {"tblBorders"}), tableLine);
  return Border({ReadBorder(line).value_or(BorderProps{})});
}

int32_t Cell::Orientation() const {
  const CellSpan& c = StoryOf(*document_, story_).Cells()[static_cast<size_t>(cell_)];
  return ReadTextDirection(Child(Child(c.node, "tcPr"), "textDirection"))
      .value_or(wdTextOrientationHorizontal);
}

}  // namespace word
