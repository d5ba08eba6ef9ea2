// The reference tokenizer and its two writers.
#include "platform/office/excel/formula.h"

#include <functional>

#include "platform/base/text.h"
#include "platform/office/excel/address.h"

namespace excel {
namespace {

// One end of a reference: a row, a column or both, each absolute or not.
struct RefPart {
  int row = 0;     // 0: no row (a column span)
  int column = 0;  // 0: no column (a row span)
  bool rowAbsolute = false;
  bool columnAbsolute = false;
};

bool WordChar(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_' ||
         c == '$' || c == '.' || c == '\\' || c == '?' || static_cast<unsigned char>(c) >= 0x80;
}

// "$B$3", "B3", "$B", "3" as a part of the wanted kind; false when it is none.
bool ParsePart(std::string_view text, bool wantRow, bool wantColumn, RefPart& part) {
  RefPart p;
  size_t i = 0;
  if (wantColumn) {
    p.columnAbsolute = i < text.size() && text[i] == '$';
    if (p.columnAbsolute) ++i;
    const size_t start = i;
    while (i < text.size() &&
           ((text[i] >= 'A' && text[i] <= 'Z') || (text[i] >= 'a' && text[i] <= 'z')))
      ++i;
    p.column = ColumnNumber(text.substr(start, i - start));
    if (p.column == 0) return false;
  }
  if (wantRow) {
    p.rowAbsolute = i < text.size() && text[i] == '$';
    if (p.rowAbsolute) ++i;
    const size_t start = i;
    int64_t r = 0;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9' && i - start < 8)
      r = r * 10 + (text[i++] - '0');
    if (i == start || r < 1 || r > kMaxRows) return false;
    p.row = static_cast<int>(r);
  }
  if (i != text.size()) return false;
  part = p;
  return true;
}

// Just past the quoted run that starts at f[i] (its quote doubled inside it).
size_t QuotedEnd(std::string_view f, size_t i) {
  const char quote = f[i];
  size_t j = i + 1;
  while (j < f.size()) {
    if (f[j] == quote) {
      if (j + 1 < f.size() && f[j + 1] == quote) {
        j += 2;
        continue;
      }
      break;
    }
    ++j;
  }
  return std::min(j + 1, f.size());
}

// Walks a formula, handing each reference (one part, or two joined by ":") to `onReference`,
// which writes it; everything else is copied to `out`.
using ReferenceWriter = std::function<void(const RefPart&, const RefPart*, std::string&)>;

std::string Rewrite(std::string_view f, const ReferenceWriter& onReference, bool stripPrefixes) {
  std::string out;
  out.reserve(f.size() + 16);
  size_t i = 0;
  while (i < f.size()) {
    const char c = f[i];
    if (c == '"' || c == '\'') {  // a text literal or a quoted sheet name; doubled inside
      const size_t j = QuotedEnd(f, i);
      out.append(f.substr(i, j - i));
      i = j;
      continue;
    }
    if (c == '[') {  // an external workbook or a structured reference
      int depth = 0;
      size_t j = i;
      for (; j < f.size(); ++j) {
        if (f[j] == '[') ++depth;
        if (f[j] == ']' && --depth == 0) break;
      }
      j = std::min(j + 1, f.size());
      out.append(f.substr(i, j - i));
      i = j;
      continue;
    }
    if (!WordChar(c)) {
      out += c;
      ++i;
      continue;
    }
    // A number: digits, point, exponent with its sign.
    size_t j = i;
    while (j < f.size() && WordChar(f[j])) ++j;
    std::string_view word = f.substr(i, j - i);
    const bool numeric = (c >= '0' && c <= '9') || c == '.';
    if (numeric && j < f.size() && (f[j] == '+' || f[j] == '-') &&
        (word.back() == 'E' || word.back() == 'e') &&
        word.find_first_not_of("0123456789.Ee") == std::string_view::npos) {
      size_t k = j + 1;
      while (k < f.size() && f[k] >= '0' && f[k] <= '9') ++k;
      out.append(f.substr(i, k - i));
      i = k;
      continue;
    }
    if (j < f.size() && (f[j] == '!' || f[j] == '(')) {  // a sheet prefix or a function name
      if (stripPrefixes && f[j] == '(' &&
          (base::StartsWithNoCase(word, "_xlfn.") || base::StartsWithNoCase(word, "_xlws."))) {
        word.remove_prefix(6);
      }
      out.append(word);
      out += f[j];
      i = j + 1;
      continue;
    }
    RefPart first, second;
    // A span: two parts of the same kind joined by ":".
    if (j < f.size() && f[j] == ':') {
      size_t k = j + 1;
      while (k < f.size() && WordChar(f[k])) ++k;
      const std::string_view other = f.substr(j + 1, k - j - 1);
      for (int kind = 0; kind < 3; ++kind) {
        const bool row = kind != 1, column = kind != 2;
        if (ParsePart(word, row, column, first) && ParsePart(other, row, column, second)) {
          onReference(first, &second, out);
          i = k;
          goto next;
        }
      }
    }
    if (ParsePart(word, true, true, first)) {
      onReference(first, nullptr, out);
    } else {
      out.append(word);
    }
    i = j;
  next:;
  }
  return out;
}

void WriteR1C1Part(const RefPart& p, int row, int column, std::string& out) {
  auto axis = [&](char letter, int value, bool absolute, int base) {
    out += letter;
    if (absolute) {
      out += std::to_string(value);
    } else if (value != base) {
      out += "[" + std::to_string(value - base) + "]";
    }
  };
  if (p.row != 0) axis('R', p.row, p.rowAbsolute, row);
  if (p.column != 0) axis('C', p.column, p.columnAbsolute, column);
}

void WriteA1Part(const RefPart& p, std::string& out) {
  if (p.column != 0) {
    if (p.columnAbsolute) out += '$';
    out += ColumnLetters(p.column);
  }
  if (p.row != 0) {
    if (p.rowAbsolute) out += '$';
    out += std::to_string(p.row);
  }
}

// Moves the relative parts; false when one leaves the sheet.
bool Shift(RefPart& p, int dr, int dc) {
  if (p.row != 0 && !p.rowAbsolute) {
    p.row += dr;
    if (p.row < 1 || p.row > kMaxRows) return false;
  }
  if (p.column != 0 && !p.columnAbsolute) {
    p.column += dc;
    if (p.column < 1 || p.column > kMaxColumns) return false;
  }
  return true;
}

}  // namespace

std::string FormulaToR1C1(std::string_view formula, int row, int column) {
  return Rewrite(
      formula,
      [row, column](const RefPart& a, const RefPart* b, std::string& out) {
        std::string first, second;
        WriteR1C1Part(a, row, column, first);
        out += first;
        if (b == nullptr) return;
        WriteR1C1Part(*b, row, column, second);
        // A span of one whole column or row is written once, as the suite does ("C[-2]").
        if (second == first && (a.row == 0 || a.column == 0)) return;
        out += ':';
        out += second;
      },
      true);
}

std::string DisplayFormula(std::string_view formula) {
  return Rewrite(
      formula,
      [](const RefPart& a, const RefPart* b, std::string& out) {
        WriteA1Part(a, out);
        if (b == nullptr) return;
        out += ':';
        WriteA1Part(*b, out);
      },
      true);
}

std::string ShiftFormula(std::string_view formula, int rowOffset, int columnOffset) {
  return Rewrite(
      formula,
      [&](const RefPart& a, const RefPart* b, std::string& out) {
        RefPart x = a;
        RefPart y = b != nullptr ? *b : RefPart{};
        if (!Shift(x, rowOffset, columnOffset) ||
            (b != nullptr && !Shift(y, rowOffset, columnOffset))) {
          out += "#REF!";
          return;
        }
        WriteA1Part(x, out);
        if (b == nullptr) return;
        out += ':';
        WriteA1Part(y, out);
      },
      false);
}

}  // namespace excel
