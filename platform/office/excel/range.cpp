// Range reads over the sheet's cells and cell formats, and the simple range actions. A property
// of a range is read for every position of the range inside the used area (and one position
// past it, standing for the empty rest); if any two differ the read is mixed.
#include "platform/office/excel/range.h"

#include <cmath>
#include <cstdlib>
#include <optional>
#include <vector>

#include "platform/base/date_serial.h"
#include "platform/base/rounding.h"
#include "platform/office/excel/cell_value.h"
#include "platform/office/excel/errors.h"
#include "platform/office/excel/formula.h"
#include "platform/office/excel/number_format.h"
#include "platform/office/excel/workbook.h"
#include "platform/office/excel/worksheet.h"

namespace excel {
namespace {

base::Status CheckSheet(Worksheet* sheet) {
  if (sheet == nullptr) return Failed("no workbook is open");
  if (sheet->IsChart()) return Failed("a chart sheet has no cells");
  return base::Ok();
}

// The range's area cut to the used area plus one row and column standing for the rest.
Area Clipped(Worksheet& sheet, const Area& a) {
  Area c = a;
  c.bottom = std::min(a.bottom, std::max(a.top, sheet.LastRow() + 1));
  c.right = std::min(a.right, std::max(a.left, sheet.LastColumn() + 1));
  return c;
}

// The one value `valueOf(cell format)` has over the range, or a mixed error.
template <class T, class F>
base::Result<T> Uniform(Worksheet* sheet, const Area& area, std::string_view property, F valueOf) {
  if (base::Status ok = CheckSheet(sheet); !ok) return ok.error();
  base::Result<const SheetCells*> table = sheet->CellTable();
  if (!table) return table.error();
  const Area a = Clipped(*sheet, area);
  std::optional<T> value;
  uint32_t lastStyle = 0;
  bool haveLast = false;
  for (int r = a.top; r <= a.bottom; ++r) {
    for (int c = a.left; c <= a.right; ++c) {
      const uint32_t style = sheet->StyleAt(r, c);
      if (haveLast && style == lastStyle) continue;
      haveLast = true;
      lastStyle = style;
      T v = valueOf(style);
      if (!value) {
        value = std::move(v);
      } else if (!(*value == v)) {
        return Mixed(property);
      }
    }
  }
  return *value;
}

const Styles& StylesOf(Worksheet* sheet) {
  return sheet->Parent().StyleSheet();
}

int HorizontalCode(const std::string& h) {
  if (h == "left") return xlLeft;
  if (h == "center") return xlCenter;
  if (h == "right") return xlRight;
  if (h == "fill") return xlFill;
  if (h == "justify") return xlJustify;
  if (h == "centerContinuous") return xlCenterAcrossSelection;
  if (h == "distributed") return xlDistributed;
  return xlGeneral;
}

int VerticalCode(const std::string& v) {
  if (v == "top") return xlTop;
  if (v == "center") return xlCenter;
  if (v == "justify") return xlJustify;
  if (v == "distributed") return xlDistributed;
  return xlBottom;
}

int OrientationCode(int rotation) {
  if (rotation == 0) return xlHorizontal;
  if (rotation == 255) return xlVertical;
  if (rotation == 90) return xlUpward;
  if (rotation == 180) return xlDownward;
  if (rotation > 90 && rotation < 180) return -(rotation - 90);
  return rotation;
}

int UnderlineCode(const std::string& u) {
  if (u.empty()) return xlNone;
  if (u == "double") return xlUnderlineStyleDouble;
  if (u == "singleAccounting") return xlUnderlineStyleSingleAccounting;
  if (u == "doubleAccounting") return xlUnderlineStyleDoubleAccounting;
  return xlUnderlineStyleSingle;
}

int PatternCode(const std::string& p) {
  struct Entry {
    const char* type;
    int code;
  };
  static const Entry kPatterns[] = {
      {"none", xlNone},         {"solid", xlSolid},
      {"mediumGray", xlGray50}, {"darkGray", xlGray75},
      {"lightGray", xlGray25},  {"darkHorizontal", -4128},
      {"darkVertical", -4166},  {"darkDown", -4121},
      {"darkUp", -4162},        {"darkGrid", 9},
      {"darkTrellis", 10},      {"lightHorizontal", 11},
      {"lightVertical", 12},    {"lightDown", 13},
      {"lightUp", 14},          {"lightGrid", 15},
      {"lightTrellis", 16},     {"gray125", 17},
      {"gray0625", 18},         {"gradient", xlPatternLinearGradient},
  };
  for (const Entry& e : kPatterns) {
    if (p == e.type) return e.code;
  }
  return xlNone;
}

// The object model's Color: red in the low byte.
int32_t ColorValue(uint32_t rgb) {
  return static_cast<int32_t>(((rgb & 0xFF) << 16) | (rgb & 0xFF00) | ((rgb >> 16) & 0xFF));
}

struct LineCode {
  int style = xlNone;
  int weight = xlThin;
  int color = xlNone;
  bool operator==(const LineCode&) const = default;
};

LineCode LineCodeOf(const BorderLine& line, const Styles& styles) {
  struct Entry {
    const char* style;
    int lineStyle;
    int weight;
  };
  static const Entry kLines[] = {
      {"thin", xlContinuous, xlThin},
      {"medium", xlContinuous, xlMedium},
      {"thick", xlContinuous, xlThick},
      {"hair", xlContinuous, xlHairline},
      {"dashed", xlDash, xlThin},
      {"dotted", xlDot, xlThin},
      {"double", xlDouble, xlThick},
      {"dashDot", xlDashDot, xlThin},
      {"dashDotDot", xlDashDotDot, xlThin},
      {"mediumDashed", xlDash, xlMedium},
      {"mediumDashDot", xlDashDot, xlMedium},
      {"mediumDashDotDot", xlDashDotDot, xlMedium},
      {"slantDashDot", xlSlantDashDot, xlMedium},
  };
  LineCode code;
  if (line.style.empty()) return code;
  for (const Entry& e : kLines) {
    if (line.style == e.style) {
      code.style = e.lineStyle;
      code.weight = e.weight;
      break;
    }
  }
  if (code.style == xlNone) return code;
  code.color = styles.ColorIndex(line.color, xlAutomatic, xlAutomatic);
  return code;
}

enum class Side { Left, Right, Top, Bottom };

const BorderLine& SideOf(const BorderSpec& b, Side side) {
  switch (side) {
    case Side::Left:
      return b.left;
    case Side::Right:
      return b.right;
    case Side::Top:
      return b.top;
    case Side::Bottom:
      break;
  }
  return b.bottom;
}

// The line drawn on a side of a cell: the cell's own, else its neighbour's facing side.
const BorderLine& LineAt(Worksheet& sheet, int row, int column, Side side) {
  const Styles& styles = StylesOf(&sheet);
  const BorderLine& own =
      SideOf(styles.Border(styles.Format(sheet.StyleAt(row, column)).border), side);
  if (!own.style.empty()) return own;
  int nr = row, nc = column;
  Side facing = side;
  switch (side) {
    case Side::Left:
      nc = column - 1;
      facing = Side::Right;
      break;
    case Side::Right:
      nc = column + 1;
      facing = Side::Left;
      break;
    case Side::Top:
      nr = row - 1;
      facing = Side::Bottom;
      break;
    case Side::Bottom:
      nr = row + 1;
      facing = Side::Top;
      break;
  }
  if (nr < 1 || nc < 1 || nr > kMaxRows || nc > kMaxColumns) return own;
  return SideOf(styles.Border(styles.Format(sheet.StyleAt(nr, nc)).border), facing);
}

}  // namespace

Range Range::Cells(int row, int column) const {
  const int r = area_.top + row - 1, c = area_.left + column - 1;
  return Range(sheet_, {r, c, r, c});
}

std::string Range::Address() const {
  auto cell = [](int r, int c) { return "$" + ColumnLetters(c) + "$" + std::to_string(r); };
  std::string text = cell(area_.top, area_.left);
  if (!area_.IsCell()) text += ":" + cell(area_.bottom, area_.right);
  return text;
}

base::Result<vb::Variant> Range::Value() const {
  if (base::Status ok = CheckSheet(sheet_); !ok) return ok.error();
  if (!area_.IsCell()) return Failed("the value of several cells is an array");
  return CellValue(*sheet_, area_.top, area_.left);
}

base::Result<std::string> Range::Text() const {
  if (base::Status ok = CheckSheet(sheet_); !ok) return ok.error();
  if (!area_.IsCell()) {
    // Several cells show one text only when they all show the same.
    std::optional<std::string> text;
    for (int r = area_.top; r <= std::min(area_.bottom, area_.top + 1000); ++r) {
      for (int c = area_.left; c <= std::min(area_.right, area_.left + 1000); ++c) {
        base::Result<std::string> t = CellText(*sheet_, r, c);
        if (!t) return t.error();
        if (text && *text != *t) return Mixed("Text");
        text = std::move(*t);
      }
    }
    return *text;
  }
  return CellText(*sheet_, area_.top, area_.left);
}

base::Result<std::string> Range::Formula() const {
  if (base::Status ok = CheckSheet(sheet_); !ok) return ok.error();
  if (std::optional<std::string> f = sheet_->FormulaAt(area_.top, area_.left))
    return "=" + DisplayFormula(*f);
  return CellConstantText(*sheet_, area_.top, area_.left);
}

base::Result<std::string> Range::FormulaR1C1() const {
  if (base::Status ok = CheckSheet(sheet_); !ok) return ok.error();
  if (std::optional<std::string> f = sheet_->FormulaAt(area_.top, area_.left))
    return "=" + FormulaToR1C1(*f, area_.top, area_.left);
  return CellConstantText(*sheet_, area_.top, area_.left);
}

base::Result<std::string> Range::NumberFormat() const {
  Worksheet* sheet = sheet_;
  return Uniform<std::string>(sheet_, area_, "NumberFormat", [sheet](uint32_t xf) {
    const Styles& s = StylesOf(sheet);
    return s.NumberFormatCode(s.Format(xf).numberFormat);
  });
}

base::Result<std::string> Range::NumberFormatLocal() const {
  Worksheet* sheet = sheet_;
  return Uniform<std::string>(sheet_, area_, "NumberFormatLocal", [sheet](uint32_t xf) {
    const Styles& s = StylesOf(sheet);
    return s.NumberFormatLocal(s.Format(xf).numberFormat);
  });
}

Font Range::Font() const {
  return excel::Font(*this);
}
Interior Range::Interior() const {
  return excel::Interior(*this);
}
Border Range::Borders(int index) const {
  return Border(*this, index);
}

base::Result<int> Range::HorizontalAlignment() const {
  Worksheet* sheet = sheet_;
  return Uniform<int>(sheet_, area_, "HorizontalAlignment", [sheet](uint32_t xf) {
    return HorizontalCode(StylesOf(sheet).Format(xf).alignment.horizontal);
  });
}

base::Result<int> Range::VerticalAlignment() const {
  Worksheet* sheet = sheet_;
  return Uniform<int>(sheet_, area_, "VerticalAlignment", [sheet](uint32_t xf) {
    return VerticalCode(StylesOf(sheet).Format(xf).alignment.vertical);
  });
}

base::Result<int> Range::Orientation() const {
  Worksheet* sheet = sheet_;
  return Uniform<int>(sheet_, area_, "Orientation", [sheet](uint32_t xf) {
    return OrientationCode(StylesOf(sheet).Format(xf).alignment.textRotation);
  });
}

base::Result<bool> Range::MergeCells() const {
  if (base::Status ok = CheckSheet(sheet_); !ok) return ok.error();
  base::Result<const std::vector<excel::Area>*> merged = sheet_->MergedAreas();
  if (!merged) return merged.error();
  // Merged areas do not overlap: the cells they cover add up.
  int64_t covered = 0;
  for (const excel::Area& m : **merged) {
    if (!m.Intersects(area_)) continue;
    covered += int64_t{std::min(m.bottom, area_.bottom) - std::max(m.top, area_.top) + 1} *
               (std::min(m.right, area_.right) - std::max(m.left, area_.left) + 1);
  }
  const int64_t total = int64_t{area_.Rows()} * area_.Columns();
  if (covered == 0) return false;
  if (covered >= total) return true;
  return Mixed("MergeCells");
}

base::Result<double> Range::RowHeight() const {
  if (base::Status ok = CheckSheet(sheet_); !ok) return ok.error();
  const int last = std::min(area_.bottom, std::max(area_.top, sheet_->LastRow() + 1));
  std::optional<double> height;
  for (int r = area_.top; r <= last; ++r) {
    base::Result<double> h = sheet_->RowHeight(r);
    if (!h) return h.error();
    if (height && *height != *h) return Mixed("RowHeight");
    height = *h;
  }
  return *height;
}

base::Result<double> Range::ColumnWidth() const {
  if (base::Status ok = CheckSheet(sheet_); !ok) return ok.error();
  std::optional<double> width;
  for (int c = area_.left; c <= area_.right; ++c) {
    base::Result<double> w = sheet_->ColumnWidth(c);
    if (!w) return w.error();
    if (width && *width != *w) return Mixed("ColumnWidth");
    width = *w;
  }
  return *width;
}

base::Status Range::Select() const {
  if (base::Status ok = CheckSheet(sheet_); !ok) return ok;
  if (sheet_->Parent().ActiveSheet() != sheet_)
    return Failed("a range of the sheet \"", sheet_->Name(),
                  "\" cannot be selected: it is not active");
  sheet_->SetSelection(area_);
  return base::Ok();
}

base::Status Range::Activate() const {
  return Select();
}

base::Status Range::SetValue(const vb::Variant& value) const {
  if (base::Status ok = CheckSheet(sheet_); !ok) return ok;
  if (int64_t{area_.Rows()} * area_.Columns() > 1000000) return Failed("too many cells to set");
  // The cells keep their formats: read them all before the first write changes the sheet.
  std::vector<uint32_t> styles;
  for (int r = area_.top; r <= area_.bottom; ++r) {
    for (int c = area_.left; c <= area_.right; ++c) styles.push_back(sheet_->StyleAt(r, c));
  }
  size_t next = 0;
  return sheet_->WriteCells(area_, [&](int, int, CellContent& content) -> const CellContent& {
    content = CellContent{};
    content.style = styles[next++];
    content.present = true;
    switch (value.Type()) {
      case vb::VarType::Empty:
      case vb::VarType::Null:
        content.present = content.style != 0;
        break;
      case vb::VarType::String:
        content.type = CellType::InlineString;
        content.value = value.Text();
        break;
      case vb::VarType::Boolean:
        content.type = CellType::Boolean;
        content.value = value.Number() != 0 ? "1" : "0";
        break;
      case vb::VarType::Error:
        content.type = CellType::Error;
        content.value = ErrorText(static_cast<int32_t>(value.Number()));
        break;
      default: {
        char buffer[32];
        std::snprintf(buffer, sizeof buffer, "%.17g", value.Number());
        content.value = buffer;
      }
    }
    return content;
  });
}

base::Status Range::SetColumnWidth(double characters) const {
  if (base::Status ok = CheckSheet(sheet_); !ok) return ok;
  for (int c = area_.left; c <= area_.right; ++c) {
    if (base::Status s = sheet_->SetColumnWidth(c, characters, false); !s) return s;
  }
  return base::Ok();
}

// --- Font ---

base::Result<std::string> Font::Name() const {
  Worksheet* sheet = range_.Parent();
  return Uniform<std::string>(sheet, range_.Area(), "Font.Name", [sheet](uint32_t xf) {
    const Styles& s = StylesOf(sheet);
    return s.Font(s.Format(xf).font).name;
  });
}

base::Result<double> Font::Size() const {
  Worksheet* sheet = range_.Parent();
  return Uniform<double>(sheet, range_.Area(), "Font.Size", [sheet](uint32_t xf) {
    const Styles& s = StylesOf(sheet);
    return s.Font(s.Format(xf).font).size;
  });
}

base::Result<bool> Font::Bold() const {
  Worksheet* sheet = range_.Parent();
  return Uniform<bool>(sheet, range_.Area(), "Font.Bold", [sheet](uint32_t xf) {
    const Styles& s = StylesOf(sheet);
    return s.Font(s.Format(xf).font).bold;
  });
}

base::Result<bool> Font::Italic() const {
  Worksheet* sheet = range_.Parent();
  return Uniform<bool>(sheet, range_.Area(), "Font.Italic", [sheet](uint32_t xf) {
    const Styles& s = StylesOf(sheet);
    return s.Font(s.Format(xf).font).italic;
  });
}

base::Result<int> Font::Underline() const {
  Worksheet* sheet = range_.Parent();
  return Uniform<int>(sheet, range_.Area(), "Font.Underline", [sheet](uint32_t xf) {
    const Styles& s = StylesOf(sheet);
    return UnderlineCode(s.Font(s.Format(xf).font).underline);
  });
}

base::Result<int> Font::ColorIndex() const {
  Worksheet* sheet = range_.Parent();
  return Uniform<int>(sheet, range_.Area(), "Font.ColorIndex", [sheet](uint32_t xf) {
    const Styles& s = StylesOf(sheet);
    return s.ColorIndex(s.Font(s.Format(xf).font).color, xlAutomatic, xlAutomatic);
  });
}

base::Result<int32_t> Font::Color() const {
  Worksheet* sheet = range_.Parent();
  return Uniform<int32_t>(sheet, range_.Area(), "Font.Color", [sheet](uint32_t xf) {
    const Styles& s = StylesOf(sheet);
    uint32_t rgb = 0;  // the automatic colour is black
    s.Rgb(s.Font(s.Format(xf).font).color, rgb);
    return ColorValue(rgb);
  });
}

// --- Interior ---

namespace {

struct InteriorCodes {
  int colorIndex = xlNone;
  int32_t color = 0xFFFFFF;
  int pattern = xlNone;
  int patternColorIndex = xlNone;
};

InteriorCodes InteriorOf(const Styles& s, uint32_t xf) {
  const FillSpec& fill = s.Fill(s.Format(xf).fill);
  InteriorCodes codes;
  codes.pattern = PatternCode(fill.pattern);
  if (codes.pattern == xlNone || codes.pattern == xlPatternLinearGradient) return codes;
  // A solid fill's colour is its foreground; behind a pattern the cell shows the background
  // and the pattern is drawn in the foreground.
  const ColorSpec& cell = codes.pattern == xlSolid ? fill.foreground : fill.background;
  const ColorSpec& pattern = codes.pattern == xlSolid ? fill.background : fill.foreground;
  codes.colorIndex = s.ColorIndex(cell, codes.pattern == xlSolid ? xlAutomatic : xlNone, xlNone);
  uint32_t rgb;
  if (s.Rgb(cell, rgb)) codes.color = ColorValue(rgb);
  codes.patternColorIndex = s.ColorIndex(pattern, xlAutomatic, xlAutomatic);
  return codes;
}

}  // namespace

base::Result<int> Interior::ColorIndex() const {
  Worksheet* sheet = range_.Parent();
  return Uniform<int>(sheet, range_.Area(), "Interior.ColorIndex",
                      [sheet](uint32_t xf) { return InteriorOf(StylesOf(sheet), xf).colorIndex; });
}

base::Result<int32_t> Interior::Color() const {
  Worksheet* sheet = range_.Parent();
  return Uniform<int32_t>(sheet, range_.Area(), "Interior.Color",
                          [sheet](uint32_t xf) { return InteriorOf(StylesOf(sheet), xf).color; });
}

base::Result<int> Interior::Pattern() const {
  Worksheet* sheet = range_.Parent();
  return Uniform<int>(sheet, range_.Area(), "Interior.Pattern",
                      [sheet](uint32_t xf) { return InteriorOf(StylesOf(sheet), xf).pattern; });
}

base::Result<int> Interior::PatternColorIndex() const {
  Worksheet* sheet = range_.Parent();
  return Uniform<int>(sheet, range_.Area(), "Interior.PatternColorIndex", [sheet](uint32_t xf) {
    return InteriorOf(StylesOf(sheet), xf).patternColorIndex;
  });
}

// --- Borders ---

namespace {

// The one line over the cells of a border index, or a mixed error.
base::Result<LineCode> RangeLine(const Range& range, int index) {
  Worksheet* sheet = range.Parent();
  if (base::Status ok = CheckSheet(sheet); !ok) return ok.error();
  if (base::Result<const SheetCells*> t = sheet->CellTable(); !t) return t.error();
  const Area a = Clipped(*sheet, range.Area());
  const Styles& styles = StylesOf(sheet);
  std::optional<LineCode> line;
  const BorderLine* last = nullptr;  // the line `line` was read from: the same one reads the same
  auto add = [&](const BorderLine& l) {
    if (&l == last) return true;
    last = &l;
    const LineCode code = LineCodeOf(l, styles);
    if (line && !(*line == code)) return false;
    line = code;
    return true;
  };
  bool uniform = true;
  switch (index) {
    case xlEdgeLeft:
    case xlEdgeRight:
      for (int r = a.top; r <= a.bottom && uniform; ++r) {
        uniform = index == xlEdgeLeft ? add(LineAt(*sheet, r, a.left, Side::Left))
                                      : add(LineAt(*sheet, r, range.Area().right, Side::Right));
      }
      break;
    case xlEdgeTop:
    case xlEdgeBottom:
      for (int c = a.left; c <= a.right && uniform; ++c) {
        uniform = index == xlEdgeTop ? add(LineAt(*sheet, a.top, c, Side::Top))
                                     : add(LineAt(*sheet, range.Area().bottom, c, Side::Bottom));
      }
      break;
    case xlInsideVertical:
      for (int r = a.top; r <= a.bottom && uniform; ++r) {
        for (int c = a.left; c < a.right && uniform; ++c)
          uniform = add(LineAt(*sheet, r, c, Side::Right));
      }
      break;
    case xlInsideHorizontal:
      for (int r = a.top; r < a.bottom && uniform; ++r) {
        for (int c = a.left; c <= a.right && uniform; ++c)
          uniform = add(LineAt(*sheet, r, c, Side::Bottom));
      }
      break;
    case xlDiagonalDown:
    case xlDiagonalUp:
      for (int r = a.top; r <= a.bottom && uniform; ++r) {
        for (int c = a.left; c <= a.right && uniform; ++c) {
          const BorderSpec& b = styles.Border(styles.Format(sheet->StyleAt(r, c)).border);
          const bool drawn = index == xlDiagonalDown ? b.diagonalDown : b.diagonalUp;
          uniform = add(drawn ? b.diagonal : BorderLine{});
        }
      }
      break;
    default:
      return Failed("no border number ", index);
  }
  if (!uniform) return Mixed("Borders");
  return line.value_or(LineCode{});  // no inside lines in a single row or column
}

}  // namespace

base::Result<int> Border::LineStyle() const {
  base::Result<LineCode> line = RangeLine(range_, index_);
  if (!line) return line.error();
  return line->style;
}

base::Result<int> Border::Weight() const {
  base::Result<LineCode> line = RangeLine(range_, index_);
  if (!line) return line.error();
  return line->weight;
}

base::Result<int> Border::ColorIndex() const {
  base::Result<LineCode> line = RangeLine(range_, index_);
  if (!line) return line.error();
  return line->color;
}

}  // namespace excel
