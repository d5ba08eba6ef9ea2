// Worksheet part access and the cell index. Rows and cells without an "r" attribute (written so
// by some suites) follow the one before them.
#include "platform/office/excel/worksheet.h"

#include "platform/office/excel/workbook.h"
#include "platform/office/excel/xml_names.h"

namespace excel {
namespace {

// Never 0 for a cell inside the sheet.
uint64_t CellKey(int row, int column) {
  return static_cast<uint64_t>(row) * (kMaxColumns + 1) + static_cast<uint64_t>(column);
}

size_t Hash(uint64_t key, int shift) {
  return static_cast<size_t>((key * 0x9E3779B97F4A7C15ull) >> shift);
}

}  // namespace

bool ParseCellReference(std::string_view ref, int& row, int& column) {
  size_t i = 0;
  int64_t c = 0;
  while (i < ref.size() && ((ref[i] >= 'A' && ref[i] <= 'Z') || (ref[i] >= 'a' && ref[i] <= 'z'))) {
    c = c * 26 + ((ref[i] | 0x20) - 'a' + 1);
    if (c > kMaxColumns) return false;
    ++i;
  }
  if (i == 0 || i == ref.size()) return false;
  int64_t r = 0;
  for (; i < ref.size(); ++i) {
    if (ref[i] < '0' || ref[i] > '9') return false;
    r = r * 10 + (ref[i] - '0');
    if (r > kMaxRows) return false;
  }
  if (r < 1) return false;
  row = static_cast<int>(r);
  column = static_cast<int>(c);
  return true;
}

Worksheet::Worksheet(Workbook& parent, std::string name, std::string partName, bool isChart,
                     std::string visibility)
    : parent_(parent),
      name_(std::move(name)),
      partName_(std::move(partName)),
      isChart_(isChart),
      visibility_(std::move(visibility)) {}

pugi::xml_node Worksheet::Node() {
  pugi::xml_document* doc = parent_.Package().PartXml(partName_);
  return doc == nullptr ? pugi::xml_node() : doc->document_element();
}

void Worksheet::BuildIndex() {
  indexed_ = true;
  if (isChart_) return;
  pugi::xml_node data = ChildElement(Node(), "sheetData");
  // Size the table first (load at most 0.7), so the index costs one allocation.
  size_t count = 0;
  for (pugi::xml_node r = data.first_child(); r; r = r.next_sibling()) {
    for (pugi::xml_node c = r.first_child(); c; c = c.next_sibling()) ++count;
  }
  int bits = 4;
  while ((size_t{1} << bits) * 7 < count * 10) ++bits;
  shift_ = 64 - bits;
  slots_.assign(size_t{1} << bits, Slot{});

  int row = 0;
  for (pugi::xml_node r = data.first_child(); r; r = r.next_sibling()) {
    if (!IsElement(r, "row")) continue;
    const int64_t number = r.attribute("r").as_llong(0);
    row = number >= 1 && number <= kMaxRows ? static_cast<int>(number) : row + 1;
    if (row > kMaxRows) break;
    int column = 0;
    for (pugi::xml_node c = r.first_child(); c; c = c.next_sibling()) {
      if (!IsElement(c, "c")) continue;
      int refRow, refColumn;
      if (ParseCellReference(c.attribute("r").value(), refRow, refColumn)) {
        column = refColumn;
        if (refRow != row) {  // a cell reference outranks its row's position
          Insert(CellKey(refRow, refColumn), c);
          continue;
        }
      } else {
        ++column;
      }
      if (column > kMaxColumns) break;
      Insert(CellKey(row, column), c);
    }
  }
}

// Keeps the first cell of a position, as the file lists them.
void Worksheet::Insert(uint64_t key, pugi::xml_node cell) {
  const size_t mask = slots_.size() - 1;
  for (size_t i = Hash(key, shift_);; i = (i + 1) & mask) {
    if (slots_[i].key == key) return;
    if (slots_[i].key == 0) {
      slots_[i] = {key, cell};
      return;
    }
  }
}

pugi::xml_node Worksheet::CellNode(int row, int column) {
  if (!indexed_) BuildIndex();
  if (slots_.empty()) return {};
  const uint64_t key = CellKey(row, column);
  const size_t mask = slots_.size() - 1;
  for (size_t i = Hash(key, shift_);; i = (i + 1) & mask) {
    if (slots_[i].key == key) return slots_[i].cell;
    if (slots_[i].key == 0) return {};
  }
}

}  // namespace excel
