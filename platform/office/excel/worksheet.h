// One sheet of a workbook. Its XML part is the source of truth: the sheet exposes its
// <worksheet> node for later slices (formats, filters, charts), and indexes its cells by
// position once, on the first read, through a hash map.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include <pugixml.hpp>

#include "platform/office/excel/range.h"

namespace excel {

class Workbook;

// The sheet's limits, as the spreadsheet program has them.
inline constexpr int kMaxRows = 1048576;
inline constexpr int kMaxColumns = 16384;

// Splits an A1 reference ("AB12") into row and column; false when it is none.
bool ParseCellReference(std::string_view ref, int& row, int& column);

class Worksheet {
 public:
  Worksheet(Workbook& parent, std::string name, std::string partName, bool isChart,
            std::string visibility);

  Workbook& Parent() { return parent_; }
  const std::string& Name() const { return name_; }
  const std::string& PartName() const { return partName_; }
  bool IsChart() const { return isChart_; }
  // "visible", "hidden" or "veryHidden".
  const std::string& Visibility() const { return visibility_; }

  // The <worksheet> (or <chartsheet>) element; an empty handle when the part is missing or broken.
  pugi::xml_node Node();

  Range Cells(int row, int column) { return Range(this, row, column); }

  // The <c> element at a position; an empty handle for a cell the file does not hold.
  pugi::xml_node CellNode(int row, int column);

 private:
  void BuildIndex();
  void Insert(uint64_t key, pugi::xml_node cell);

  // Open-addressing table of the sheet's cells by position; a key of 0 marks a free slot.
  struct Slot {
    uint64_t key = 0;
    pugi::xml_node cell;
  };

  Workbook& parent_;
  std::string name_;
  std::string partName_;
  bool isChart_;
  std::string visibility_;
  bool indexed_ = false;
  std::vector<Slot> slots_;
  int shift_ = 64;
};

}  // namespace excel
