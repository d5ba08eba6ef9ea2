// The one-pass cell scanner. It reads tags by hand: a prefix ("x:c") is dropped, comments,
// processing instructions and elements it does not know are skipped, and a cell or row without
// "r" follows the one before it, as some suites write them.
#include "platform/office/excel/sheet_cells.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <cstring>
#include <string>

#include "platform/office/excel/address.h"
#include "platform/office/excel/text_runs.h"

namespace excel {
namespace {

constexpr int kMaxAttributes = 12;

struct Attribute {
  std::string_view name;  // local name
  std::string_view value;
};

struct Tag {
  std::string_view name;  // local name
  Attribute attributes[kMaxAttributes];
  int count = 0;
  bool closing = false;
  bool empty = false;  // <x/>
};

// Character classes for the scanner's loops: one table look-up per character.
enum : uint8_t { kSpace = 1, kNameEnd = 2, kColon = 4 };
constexpr auto kClasses = [] {
  std::array<uint8_t, 256> c{};
  for (unsigned char ch : {' ', '\t', '\r', '\n'}) c[ch] = kSpace | kNameEnd;
  for (unsigned char ch : {'>', '/', '='}) c[ch] = kNameEnd;
  c[static_cast<unsigned char>(':')] = kColon;
  return c;
}();

inline uint8_t ClassOf(char c) {
  return kClasses[static_cast<unsigned char>(c)];
}

class Scanner {
 public:
  explicit Scanner(std::string_view xml) : data_(xml.data()), size_(xml.size()), xml_(xml) {}

  // Moves to the next tag and reads it; false at the end of the text or when it breaks off
  // (then broken() tells which).
  bool Next(Tag& tag) {
    for (;;) {
      if (p_ >= size_) return false;
      if (data_[p_] != '<') {
        const void* lt = std::memchr(data_ + p_, '<', size_ - p_);
        if (lt == nullptr) {
          p_ = size_;
          return false;
        }
        p_ = static_cast<size_t>(static_cast<const char*>(lt) - data_);
      }
      const char next = p_ + 1 < size_ ? data_[p_ + 1] : '\0';
      if (next == '?') {
        if (!SkipPast("?>")) return false;
        continue;
      }
      if (next == '!') {
        if (!SkipPast(Starts("<!--") ? "-->" : Starts("<![CDATA[") ? "]]>" : ">")) return false;
        continue;
      }
      return ReadTag(tag);
    }
  }

  // The text from here to the next tag, or the content of a CDATA section starting here.
  std::string_view Text() {
    if (p_ < size_ && data_[p_] == '<' && Starts("<![CDATA[")) {
      const size_t start = p_ + 9;
      const size_t end = xml_.find("]]>", start);
      if (end == std::string_view::npos) {
        broken_ = true;
        return {};
      }
      p_ = end + 3;
      return xml_.substr(start, end - start);
    }
    const size_t start = p_;
    while (p_ < size_ && data_[p_] != '<') ++p_;
    return xml_.substr(start, p_ - start);
  }

  // Skips to just past the end tag that closes an element just opened; the view of its content.
  std::string_view SkipElement() {
    const size_t start = p_;
    int depth = 1;
    Tag tag;
    while (depth > 0) {
      if (!Next(tag)) {
        broken_ = true;
        return {};
      }
      if (tag.closing) {
        --depth;
      } else if (!tag.empty) {
        ++depth;
      }
    }
    return xml_.substr(start, tagStart_ - start);
  }

  bool broken() const { return broken_; }

  // Reads a "<c ...>" tag without a prefix directly, keeping its r, s and t (the other
  // attributes are skipped); false, having read nothing, for anything else.
  bool CellTag(std::string_view& r, std::string_view& s, std::string_view& t, bool& empty) {
    if (size_ - p_ < 4 || data_[p_] != '<' || data_[p_ + 1] != 'c' || data_[p_ + 2] != ' ')
      return false;
    r = s = t = {};
    for (size_t i = p_ + 3;;) {
      while (i < size_ && (ClassOf(data_[i]) & kSpace) != 0) ++i;
      if (i >= size_) return false;
      if (data_[i] == '>' || (data_[i] == '/' && i + 1 < size_ && data_[i + 1] == '>')) {
        empty = data_[i] == '/';
        tagStart_ = p_;
        p_ = i + (empty ? 2 : 1);
        return true;
      }
      const size_t name = i;
      while (i < size_ && ClassOf(data_[i]) == 0) ++i;
      if (i + 1 >= size_ || data_[i] != '=' || (data_[i + 1] != '"' && data_[i + 1] != '\''))
        return false;
      const char quote = data_[i + 1];
      const size_t value = i + 2;
      size_t end = value;
      while (end < size_ && data_[end] != quote) ++end;
      if (end >= size_) return false;
      if (i - name == 1) {
        const std::string_view v(data_ + value, end - value);
        if (data_[name] == 'r') r = v;
        if (data_[name] == 's') s = v;
        if (data_[name] == 't') t = v;
      }
      i = end + 1;
    }
  }

  // Consumes `literal` when the text continues with it here (the common shapes of a cell,
  // "<v>" and "</c>", are taken so without reading a tag).
  bool Expect(std::string_view literal) {
    if (size_ - p_ < literal.size() || std::memcmp(data_ + p_, literal.data(), literal.size()) != 0)
      return false;
    p_ += literal.size();
    return true;
  }

 private:
  bool Starts(std::string_view s) const { return xml_.compare(p_, s.size(), s) == 0; }

  bool SkipPast(std::string_view end) {
    const size_t at = xml_.find(end, p_);
    if (at == std::string_view::npos) {
      broken_ = true;
      return false;
    }
    p_ = at + end.size();
    return true;
  }

  // The name starting at i without its prefix; i ends after it.
  std::string_view LocalName(size_t& i) const {
    size_t local = i;
    for (; i < size_; ++i) {
      const uint8_t c = ClassOf(data_[i]);
      if (c == 0) continue;
      if ((c & kColon) == 0) break;
      local = i + 1;
    }
    return xml_.substr(local, i - local);
  }

  // Reads the tag at p_ with its attributes (local names; at most kMaxAttributes kept).
  bool ReadTag(Tag& tag) {
    tagStart_ = p_;
    size_t i = p_ + 1;
    tag.closing = i < size_ && data_[i] == '/';
    if (tag.closing) ++i;
    tag.name = LocalName(i);
    tag.count = 0;
    tag.empty = false;
    for (;;) {
      while (i < size_ && (ClassOf(data_[i]) & kSpace) != 0) ++i;
      if (i >= size_) break;
      if (data_[i] == '>') {
        p_ = i + 1;
        return !tag.name.empty() || Broken();
      }
      if (data_[i] == '/' && i + 1 < size_ && data_[i + 1] == '>') {
        tag.empty = true;
        p_ = i + 2;
        return !tag.name.empty() || Broken();
      }
      // name="value" or name='value'
      const std::string_view name = LocalName(i);
      while (i < size_ && data_[i] != '"' && data_[i] != '\'' && data_[i] != '>') ++i;
      if (i >= size_ || data_[i] == '>') continue;  // a broken attribute; the tag still ends
      const char quote = data_[i++];
      const size_t valueStart = i;
      while (i < size_ && data_[i] != quote) ++i;
      if (i >= size_) break;
      if (tag.count < kMaxAttributes)
        tag.attributes[tag.count++] = {name, xml_.substr(valueStart, i - valueStart)};
      ++i;
    }
    return Broken();
  }

  bool Broken() {
    broken_ = true;
    return false;
  }

  const char* data_;
  size_t size_;
  std::string_view xml_;
  size_t p_ = 0;
  size_t tagStart_ = 0;
  bool broken_ = false;
};

// Calls f(localName, value) for each attribute of the tag.
template <class F>
void ForEachAttribute(const Tag& tag, F&& f) {
  for (int i = 0; i < tag.count; ++i) f(tag.attributes[i].name, tag.attributes[i].value);
}

// A non-negative whole number; -1 when the text is none or too large.
int64_t WholeNumber(std::string_view text) {
  if (text.empty() || text.size() > 10) return -1;
  int64_t n = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return -1;
    n = n * 10 + (c - '0');
  }
  return n;
}

bool TrueText(std::string_view v) {
  return v == "1" || v == "true";
}

CellType TypeOf(std::string_view t) {
  if (t.empty() || t == "n") return CellType::Number;
  if (t == "s") return CellType::SharedString;
  if (t == "str") return CellType::FormulaString;
  if (t == "inlineStr") return CellType::InlineString;
  if (t == "b") return CellType::Boolean;
  if (t == "e") return CellType::Error;
  if (t == "d") return CellType::IsoDate;
  return CellType::Number;
}

FormulaKind FormulaKindOf(std::string_view t) {
  if (t == "shared") return FormulaKind::Shared;
  if (t == "array") return FormulaKind::Array;
  if (t == "dataTable") return FormulaKind::DataTable;
  return FormulaKind::Normal;
}

// "AB12" as most files write a cell's position; false for anything else ("$A$1", lower case),
// which the full parser then reads.
inline bool PlainReference(std::string_view ref, int& row, int& column) {
  size_t i = 0;
  int c = 0;
  while (i < ref.size() && i < 3 && ref[i] >= 'A' && ref[i] <= 'Z')
    c = c * 26 + (ref[i++] - 'A' + 1);
  if (i == 0 || i == ref.size() || ref.size() - i > 7 || ref[i] == '0' || c > kMaxColumns)
    return false;
  int r = 0;
  for (; i < ref.size(); ++i) {
    if (ref[i] < '0' || ref[i] > '9') return false;
    r = r * 10 + (ref[i] - '0');
  }
  if (r > kMaxRows) return false;
  row = r;
  column = c;
  return true;
}

bool HasEntity(std::string_view text) {
  for (char c : text) {
    if (c == '&') return true;
  }
  return false;
}

}  // namespace

base::Result<SheetCells> SheetCells::Scan(std::string_view xml) {
  SheetCells sheet;
  sheet.text_ = xml;
  Scanner scanner(xml);
  auto span = [&xml](std::string_view part) {
    return TextSpan{static_cast<uint32_t>(part.data() - xml.data()),
                    static_cast<uint32_t>(part.size())};
  };
  Tag tag;
  bool found = false;
  while (scanner.Next(tag)) {
    if (!tag.closing && tag.name == "sheetData") {
      found = !tag.empty;
      break;
    }
  }
  if (scanner.broken()) return base::Error::Of("the sheet's XML breaks off");
  if (!found) return sheet;
  // A cell takes some 24 bytes of text at least: reserve once instead of growing.
  sheet.cells_.reserve(std::min<size_t>(xml.size() / 24 + 16, size_t{1} << 24));

  int row = 0;
  int column = 0;
  // Reads the rest of a cell whose tag has been read; the cell is dropped when it lies outside
  // the sheet.
  auto readCell = [&](std::string_view ref, std::string_view style, std::string_view type,
                      bool empty) {
    CellRecord& cell = sheet.cells_.emplace_back();
    int cellRow = row;
    int r, c;
    if (!ref.empty() && (PlainReference(ref, r, c) || ParseCellReference(ref, r, c))) {
      cellRow = r;  // a cell reference outranks its row's position
      column = c;
    } else {
      ++column;
      sheet.plain_ = false;
    }
    if (!type.empty()) cell.type = TypeOf(type);
    if (!style.empty())
      cell.style = static_cast<uint32_t>(std::max<int64_t>(WholeNumber(style), 0));
    if (!empty) {
      for (;;) {
        if (scanner.Expect("<v>")) {
          cell.hasValue = true;
          const std::string_view text = scanner.Text();
          cell.value = span(text);
          cell.valueEscaped = HasEntity(text);
          if (scanner.Expect("</v>")) continue;
          // Something else inside <v>: read on to its end tag.
          while (scanner.Next(tag) && !(tag.closing && tag.name == "v")) {
          }
          if (scanner.broken()) break;
          continue;
        }
        if (scanner.Expect("</c>")) break;
        if (!scanner.Next(tag)) break;
        if (tag.closing) {
          if (tag.name == "c") break;
          continue;
        }
        if (tag.name == "v") {
          cell.hasValue = true;
          if (tag.empty) continue;
          const std::string_view text = scanner.Text();
          cell.value = span(text);
          cell.valueEscaped = HasEntity(text);
        } else if (tag.name == "f") {
          cell.formula = FormulaKind::Normal;
          ForEachAttribute(tag, [&](std::string_view name, std::string_view value) {
            if (name == "t") {
              cell.formula = FormulaKindOf(value);
            } else if (name == "ref") {
              cell.formulaRef = span(value);
            } else if (name == "si") {
              const int64_t si = WholeNumber(value);
              cell.sharedIndex = si >= 0 && si <= INT32_MAX ? static_cast<int32_t>(si) : -1;
            }
          });
          if (tag.empty) continue;
          const std::string_view text = scanner.Text();
          cell.formulaText = span(text);
          cell.formulaEscaped = HasEntity(text);
        } else if (tag.name == "is") {
          cell.hasValue = true;
          if (tag.empty) continue;
          cell.value = span(scanner.SkipElement());
          cell.valueEscaped = true;
        } else if (!tag.empty) {
          scanner.SkipElement();
        }
        if (scanner.broken()) break;
      }
    }
    if (scanner.broken() || column < 1 || column > kMaxColumns || cellRow < 1) {
      sheet.cells_.pop_back();
      sheet.plain_ = false;
      return;
    }
    if (cellRow != row) sheet.plain_ = false;
    cell.row = cellRow;
    cell.column = column;
  };
  for (;;) {
    std::string_view r, style, type;
    bool empty = false;
    if (scanner.CellTag(r, style, type, empty)) {
      readCell(r, style, type, empty);
      if (scanner.broken()) break;
      continue;
    }
    if (!scanner.Next(tag)) break;
    if (tag.closing) {
      if (tag.name == "sheetData") break;
      continue;
    }
    if (tag.name == "row") {
      RowRecord record;
      int64_t number = -1;
      ForEachAttribute(tag, [&](std::string_view name, std::string_view value) {
        if (name == "r") {
          number = WholeNumber(value);
        } else if (name == "ht") {
          char* end = nullptr;
          const std::string copy(value);
          const double h = std::strtod(copy.c_str(), &end);
          if (end != copy.c_str() && h >= 0 && h <= 409.5) record.height = h;
        } else if (name == "hidden") {
          record.hidden = TrueText(value);
        } else if (name == "customHeight") {
          record.customHeight = TrueText(value);
        } else if (name == "customFormat") {
          record.customFormat = TrueText(value);
        } else if (name == "s") {
          record.style = static_cast<uint32_t>(std::max<int64_t>(WholeNumber(value), 0));
        }
      });
      if (number < 1 || number > kMaxRows) sheet.plain_ = false;
      row = number >= 1 && number <= kMaxRows ? static_cast<int>(number) : row + 1;
      if (row > kMaxRows) break;
      column = 0;
      record.row = row;
      sheet.rows_.push_back(record);
      continue;
    }
    if (tag.name != "c") {
      if (!tag.empty && tag.name != "sheetData") scanner.SkipElement();
      if (scanner.broken()) break;
      continue;
    }
    ForEachAttribute(tag, [&](std::string_view name, std::string_view value) {
      if (name == "r") r = value;
      if (name == "s") style = value;
      if (name == "t") type = value;
    });
    readCell(r, style, type, tag.empty);
    if (scanner.broken()) break;
  }
  if (scanner.broken()) return base::Error::Of("the sheet's XML breaks off");
  sheet.BuildIndex();
  return sheet;
}

base::Result<std::vector<std::string>> ScanStringItems(std::string_view xml) {
  std::vector<std::string> items;
  Scanner scanner(xml);
  Tag tag;
  while (scanner.Next(tag)) {
    if (tag.closing || tag.name != "si") continue;
    if (tag.empty) {
      items.emplace_back();
      continue;
    }
    const std::string_view inner = scanner.SkipElement();
    if (scanner.broken()) break;
    // Most items are one plain <t>: take its text as it stands.
    if (inner.starts_with("<t")) {
      const size_t open = inner.find('>');
      const size_t close = inner.find('<', open);
      if (open != std::string_view::npos && inner[open - 1] != '/' &&
          close != std::string_view::npos && inner.substr(close) == "</t>") {
        const std::string_view text = inner.substr(open + 1, close - open - 1);
        if (text.find('&') == std::string_view::npos && text.find("_x") == std::string_view::npos) {
          items.emplace_back(text);
          continue;
        }
      }
    }
    items.push_back(StringItemText(inner));
  }
  if (scanner.broken()) return base::Error::Of("the shared strings' XML breaks off");
  return items;
}

void SheetCells::BuildIndex() {
  auto byPosition = [](const CellRecord& a, const CellRecord& b) {
    return a.row != b.row ? a.row < b.row : a.column < b.column;
  };
  if (!std::is_sorted(cells_.begin(), cells_.end(), byPosition)) {
    std::stable_sort(cells_.begin(), cells_.end(), byPosition);
    plain_ = false;
  }
  // Keeps the first cell of a position, as the file lists them.
  const size_t cellCount = cells_.size();
  cells_.erase(std::unique(cells_.begin(), cells_.end(),
                           [](const CellRecord& a, const CellRecord& b) {
                             return a.row == b.row && a.column == b.column;
                           }),
               cells_.end());
  auto rowOrder = [](const RowRecord& a, const RowRecord& b) { return a.row < b.row; };
  if (!std::is_sorted(rows_.begin(), rows_.end(), rowOrder)) {
    std::stable_sort(rows_.begin(), rows_.end(), rowOrder);
    plain_ = false;
  }
  const size_t rowCount = rows_.size();
  rows_.erase(std::unique(rows_.begin(), rows_.end(),
                          [](const RowRecord& a, const RowRecord& b) { return a.row == b.row; }),
              rows_.end());
  if (cells_.size() != cellCount || rows_.size() != rowCount) plain_ = false;
  spans_.clear();
  direct_.clear();

  for (uint32_t i = 0; i < cells_.size();) {
    uint32_t j = i;
    while (j < cells_.size() && cells_[j].row == cells_[i].row) ++j;
    spans_.push_back({cells_[i].row, i, j});
    i = j;
  }
  if (!spans_.empty()) {
    const auto last = static_cast<size_t>(spans_.back().row);
    if (last <= 4 * cells_.size() + 4096) {
      direct_.assign(last, -1);
      for (size_t s = 0; s < spans_.size(); ++s)
        direct_[static_cast<size_t>(spans_[s].row - 1)] = static_cast<int32_t>(s);
    }
  }
}

std::span<const CellRecord> SheetCells::Row(int row) const {
  const Span* span = nullptr;
  if (!direct_.empty() || spans_.empty()) {
    if (row < 1 || static_cast<size_t>(row) > direct_.size()) return {};
    const int32_t s = direct_[static_cast<size_t>(row - 1)];
    if (s < 0) return {};
    span = &spans_[static_cast<size_t>(s)];
  } else {
    auto it = std::lower_bound(spans_.begin(), spans_.end(), row,
                               [](const Span& s, int r) { return s.row < r; });
    if (it == spans_.end() || it->row != row) return {};
    span = &*it;
  }
  return std::span<const CellRecord>(cells_.data() + span->begin, span->end - span->begin);
}

const CellRecord* SheetCells::Find(int row, int column) const {
  const std::span<const CellRecord> cells = Row(row);
  if (cells.empty()) return nullptr;
  // Rows are mostly filled from their first column on: try the direct slot first.
  const int64_t guess = int64_t{column} - cells.front().column;
  if (guess >= 0 && static_cast<size_t>(guess) < cells.size() &&
      cells[static_cast<size_t>(guess)].column == column) {
    return &cells[static_cast<size_t>(guess)];
  }
  auto it = std::lower_bound(cells.begin(), cells.end(), column,
                             [](const CellRecord& c, int col) { return c.column < col; });
  return it != cells.end() && it->column == column ? &*it : nullptr;
}

const RowRecord* SheetCells::RowInfo(int row) const {
  auto it = std::lower_bound(rows_.begin(), rows_.end(), row,
                             [](const RowRecord& r, int n) { return r.row < n; });
  return it != rows_.end() && it->row == row ? &*it : nullptr;
}

bool SheetCells::SetRowHidden(int row, bool hidden) {
  if (!plain_) return false;
  MadeRow(row)->hidden = hidden;
  return true;
}

RowRecord* SheetCells::MadeRow(int row) {
  auto it = std::lower_bound(rows_.begin(), rows_.end(), row,
                             [](const RowRecord& r, int n) { return r.row < n; });
  if (it != rows_.end() && it->row == row) return &*it;
  RowRecord added;
  added.row = row;
  return &*rows_.insert(it, added);
}

bool SheetCells::ReplaceBlock(int top, int left, int bottom, int right,
                              std::span<const CellRecord> added, std::span<const int> rowsMade) {
  if (!plain_) return false;
  for (int row : rowsMade) MadeRow(row);
  auto inBlock = [&](const CellRecord& c) {
    return c.row >= top && c.row <= bottom && c.column >= left && c.column <= right;
  };
  cells_.erase(std::remove_if(cells_.begin(), cells_.end(), inBlock), cells_.end());
  const size_t kept = cells_.size();
  cells_.insert(cells_.end(), added.begin(), added.end());
  auto byPosition = [](const CellRecord& a, const CellRecord& b) {
    return a.row != b.row ? a.row < b.row : a.column < b.column;
  };
  std::inplace_merge(cells_.begin(), cells_.begin() + static_cast<std::ptrdiff_t>(kept),
                     cells_.end(), byPosition);
  BuildIndex();
  return plain_;
}

const CellRecord* SheetCells::SharedMaster(int32_t si) const {
  for (const CellRecord& c : cells_) {
    if (c.formula == FormulaKind::Shared && c.sharedIndex == si && !c.formulaText.empty())
      return &c;
  }
  return nullptr;
}

}  // namespace excel
