// A1 address parsing.
#include "platform/office/excel/address.h"

#include <algorithm>
#include <utility>

#include "platform/base/text.h"

namespace excel {
namespace {

bool IsLetter(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}
bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

// "$AB" -> column; false when it is no column in the sheet.
bool ParseColumnPart(std::string_view text, int& column) {
  if (!text.empty() && text.front() == '$') text.remove_prefix(1);
  column = ColumnNumber(text);
  return column > 0;
}

// "$12" -> row; false when it is no row in the sheet.
bool ParseRowPart(std::string_view text, int& row) {
  if (!text.empty() && text.front() == '$') text.remove_prefix(1);
  if (text.empty() || text.size() > 7) return false;
  int64_t r = 0;
  for (char c : text) {
    if (!IsDigit(c)) return false;
    r = r * 10 + (c - '0');
  }
  if (r < 1 || r > kMaxRows) return false;
  row = static_cast<int>(r);
  return true;
}

}  // namespace

int ColumnNumber(std::string_view letters) {
  if (letters.empty() || letters.size() > 3) return 0;
  int column = 0;
  for (char c : letters) {
    if (!IsLetter(c)) return 0;
    column = column * 26 + (base::AsciiUpper(c) - 'A' + 1);
  }
  return column <= kMaxColumns ? column : 0;
}

std::string ColumnLetters(int column) {
  if (column < 1 || column > kMaxColumns) return {};
  std::string name;
  for (; column > 0; column = (column - 1) / 26)
    name.insert(name.begin(), static_cast<char>('A' + (column - 1) % 26));
  return name;
}

bool ParseCellReference(std::string_view ref, int& row, int& column) {
  // The common "AB12": letters then digits, no "$".
  {
    size_t i = 0;
    int c = 0;
    while (i < ref.size() && i < 3 && ref[i] >= 'A' && ref[i] <= 'Z')
      c = c * 26 + (ref[i++] - 'A' + 1);
    if (i > 0 && i < ref.size() && ref[i] >= '1' && ref[i] <= '9' && ref.size() - i <= 7 &&
        c <= kMaxColumns) {
      int r = 0;
      size_t j = i;
      while (j < ref.size() && ref[j] >= '0' && ref[j] <= '9') r = r * 10 + (ref[j++] - '0');
      if (j == ref.size() && r <= kMaxRows) {
        row = r;
        column = c;
        return true;
      }
    }
  }
  size_t i = 0;
  if (i < ref.size() && ref[i] == '$') ++i;
  const size_t letters = i;
  while (i < ref.size() && IsLetter(ref[i])) ++i;
  if (i == letters) return false;
  int c = 0, r = 0;
  if (!ParseColumnPart(ref.substr(letters, i - letters), c) || !ParseRowPart(ref.substr(i), r))
    return false;
  row = r;
  column = c;
  return true;
}

bool ParseArea(std::string_view text, Area& area) {
  text = base::Trim(text);
  const size_t colon = text.find(':');
  const std::string_view first = text.substr(0, colon);
  const std::string_view second = colon == std::string_view::npos ? first : text.substr(colon + 1);
  if (second.find(':') != std::string_view::npos) return false;
  Area a;
  int r1, c1, r2, c2;
  if (ParseCellReference(first, r1, c1) && ParseCellReference(second, r2, c2)) {
    a = {std::min(r1, r2), std::min(c1, c2), std::max(r1, r2), std::max(c1, c2)};
  } else if (colon != std::string_view::npos && ParseColumnPart(first, c1) &&
             ParseColumnPart(second, c2)) {
    a = {1, std::min(c1, c2), kMaxRows, std::max(c1, c2)};
  } else if (colon != std::string_view::npos && ParseRowPart(first, r1) &&
             ParseRowPart(second, r2)) {
    a = {std::min(r1, r2), 1, std::max(r1, r2), kMaxColumns};
  } else {
    return false;
  }
  area = a;
  return true;
}

QualifiedReference SplitSheet(std::string_view text) {
  text = base::Trim(text);
  if (!text.empty() && text.front() == '=') text = base::Trim(text.substr(1));
  if (!text.empty() && text.front() == '\'') {
    std::string sheet;
    size_t i = 1;
    for (; i < text.size(); ++i) {
      if (text[i] == '\'') {
        if (i + 1 < text.size() && text[i + 1] == '\'') {
          sheet += '\'';
          ++i;
          continue;
        }
        break;
      }
      sheet += text[i];
    }
    if (i + 1 < text.size() && text[i + 1] == '!') return {std::move(sheet), text.substr(i + 2)};
    return {{}, text};
  }
  const size_t bang = text.rfind('!');
  if (bang == std::string_view::npos) return {{}, text};
  return {std::string(text.substr(0, bang)), text.substr(bang + 1)};
}

std::string AreaText(const Area& area) {
  std::string text = ColumnLetters(area.left) + std::to_string(area.top);
  if (!area.IsCell()) text += ":" + ColumnLetters(area.right) + std::to_string(area.bottom);
  return text;
}

}  // namespace excel
