// Reading the answer workbook into the rule model.
#include "grading/webmark/rules.h"

#include <cmath>
#include <limits>
#include <map>
#include <mutex>
#include <optional>
#include <string>

#include "platform/base/rounding.h"
#include "platform/office/excel/application.h"
#include "platform/vb/strings.h"
#include "platform/win/confined_file.h"
#include "platform/win/paths.h"

namespace webmark {
namespace {

// What reading a workbook does to the state: its records, the control-level values its rows set,
// and the messages it logged. It depends on the workbook's bytes alone.
struct BookSnapshot {
  std::vector<RuleRecord> rules;
  std::vector<ScoreItem> items;
  std::optional<std::string> paperTitle;
  std::optional<int32_t> fullMarks;
  std::optional<std::string> pageFile;
  std::string log;

  void Log(std::string_view line) {
    log.append(line);
    log.append("\r\n");
  }
  void ApplyTo(WebState& state) const {
    state.Rules = rules;
    state.ScoreItems = items;
    if (paperTitle) state.PaperTitle = *paperTitle;
    if (fullMarks) state.FullMarks = *fullMarks;
    if (pageFile) state.PageFile = *pageFile;
    state.LogText += log;
  }
};

// Workbooks read before, by host file and exact bytes: the same answer workbook grades every
// candidate of a paper, so it is parsed once.
class BookCache {
 public:
  std::optional<BookSnapshot> Find(const std::string& file, const std::string& bytes) {
    std::lock_guard<std::mutex> lock(mutex_);
    auto at = entries_.find(file);
    if (at == entries_.end() || at->second.first != bytes) return std::nullopt;
    return at->second.second;
  }
  void Store(const std::string& file, std::string bytes, BookSnapshot snapshot) {
    std::lock_guard<std::mutex> lock(mutex_);
    if (entries_.size() >= kEntries && entries_.count(file) == 0) entries_.clear();
    entries_[file] = {std::move(bytes), std::move(snapshot)};
  }

 private:
  static constexpr size_t kEntries = 16;
  std::mutex mutex_;
  std::map<std::string, std::pair<std::string, BookSnapshot>> entries_;
};

BookCache& Cache() {
  static BookCache cache;
  return cache;
}

bool IsOperator(std::string_view text) {
  return text == "AND" || text == "OR" || text == "ADD" || text == "SUB";
}

std::string Position(int row, int column) {
  return "错误行号：" + std::to_string(row) + "，错误列号：" + std::to_string(column);
}

// The cells of one row, each read by value.
class RowCells {
 public:
  RowCells(excel::Worksheet& sheet, int row) : sheet_(sheet), row_(row) {}

  base::Result<vb::Variant> Value(int column) const {
    base::Result<vb::Variant> value = sheet_.Cells(row_, column).Value();
    if (!value) return Failed(column, value.error().message);
    return value;
  }
  // The value as text: a number in its plain form, an empty cell "".
  base::Result<std::string> Text(int column) const {
    base::Result<vb::Variant> value = Value(column);
    if (!value) return value.error();
    base::Result<std::string> text = vb::CStr(*std::move(value));
    if (!text) return Failed(column, text.error().message);
    return text;
  }
  base::Result<int16_t> Int16(int column) const {
    base::Result<vb::Variant> value = Value(column);
    if (!value) return value.error();
    base::Result<int16_t> number = vb::CInt(*value);
    if (!number) return Failed(column, number.error().message);
    return number;
  }
  base::Result<int32_t> Int32(int column) const {
    base::Result<vb::Variant> value = Value(column);
    if (!value) return value.error();
    base::Result<int32_t> number = vb::CLng(*value);
    if (!number) return Failed(column, number.error().message);
    return number;
  }
  // Pairs from `column` on, two cells at a time, until a pair's first cell is empty.
  base::Status Pairs(int column, std::vector<std::string>& into) const {
    for (;; column += 2) {
      base::Result<std::string> key = Text(column);
      if (!key) return key.error();
      if (key->empty()) return base::Ok();
      base::Result<std::string> value = Text(column + 1);
      if (!value) return value.error();
      into.push_back(*std::move(key));
      into.push_back(*std::move(value));
    }
  }
  // Texts from `column` on until the first empty cell.
  base::Status Texts(int column, std::vector<std::string>& into) const {
    for (;; ++column) {
      base::Result<std::string> text = Text(column);
      if (!text) return text.error();
      if (text->empty()) return base::Ok();
      into.push_back(*std::move(text));
    }
  }
  base::Error Failed(int column, std::string_view why) const {
    return base::Error::Of("答案文件有错！，", Position(row_, column), "（", why, "）");
  }
  int row() const { return row_; }

 private:
  excel::Worksheet& sheet_;
  int row_;
};

base::Status ReadScoreItem(BookSnapshot& book, const RowCells& cells) {
  base::Result<std::string> b = cells.Text(2);
  if (!b) return b.error();
  ScoreItem item;
  if (IsOperator(vb::UCase(*b))) {
    item.Operator = vb::UCase(*b);
    if (base::Status ids = cells.Texts(3, item.RuleIds); !ids) return ids;
  } else {
    base::Result<std::string> e = cells.Text(5);
    if (!e) return e.error();
    if (!IsOperator(vb::UCase(*e))) {
      book.Log("答案文件有错，" + Position(cells.row(), 5));
      return base::Ok();
    }
    base::Result<int32_t> number = cells.Int32(2);
    if (!number) return number.error();
    base::Result<int16_t> full = cells.Int16(3);
    if (!full) return full.error();
    base::Result<std::string> description = cells.Text(4);
    if (!description) return description.error();
    item.ItemNumber = *number;
    item.FullScore = *full;
    item.Description = *std::move(description);
    item.Operator = vb::UCase(*e);
    if (base::Status ids = cells.Texts(6, item.RuleIds); !ids) return ids;
  }
  book.items.push_back(std::move(item));
  return base::Ok();
}

base::Status ReadRuleCompletion(BookSnapshot& book, const RowCells& cells) {
  if (book.rules.empty())
    return base::Error::Of("答案文件有错！，", Position(cells.row(), 1), "（A 行之前没有 O 行）");
  base::Result<int32_t> id = cells.Int32(2);
  if (!id) return id.error();
  base::Result<int16_t> points = cells.Int16(3);
  if (!points) return points.error();
  base::Result<std::string> description = cells.Text(4);
  if (!description) return description.error();
  RuleRecord& rule = book.rules.back();
  rule.Id = *id;
  rule.Points = *points;
  rule.Description = *std::move(description);
  return cells.Pairs(5, rule.Conditions);
}

// The leading number of the text, rounded halves to even, in 32 bits.
base::Result<int32_t> FullMarksOf(const std::string& text, const RowCells& cells) {
  base::Result<double> value = vb::Val(text);
  if (!value) return cells.Failed(3, value.error().message);
  const double rounded = base::RoundHalfEven(*value);
  if (rounded < std::numeric_limits<int32_t>::min() ||
      rounded > std::numeric_limits<int32_t>::max())
    return cells.Failed(3, "overflow");
  return static_cast<int32_t>(rounded);
}

base::Status ReadRow(BookSnapshot& book, const RowCells& cells, const std::string& type) {
  if (type == "O") {
    RuleRecord& rule = book.rules.emplace_back();
    return cells.Pairs(2, rule.ObjectDescription);
  }
  if (type == "A") return ReadRuleCompletion(book, cells);
  if (type == "L") return ReadScoreItem(book, cells);
  if (type == "T") {
    base::Result<std::string> title = cells.Text(2);
    if (!title) return title.error();
    base::Result<std::string> marks = cells.Text(3);
    if (!marks) return marks.error();
    base::Result<int32_t> full = FullMarksOf(*marks, cells);
    if (!full) return full.error();
    book.paperTitle = *std::move(title);
    book.fullMarks = *full;
    return base::Ok();
  }
  if (type == "F") {
    base::Result<std::string> page = cells.Text(2);
    if (!page) return page.error();
    book.pageFile = *std::move(page);
    return base::Ok();
  }
  if (type == "C") return base::Ok();
  if (type.empty() || type == " ") {
    book.Log(kNoEndMark);
  } else {
    book.Log("答案文件有错！，" + Position(cells.row(), 1));
  }
  return base::Ok();
}

// Reads "Sheet1" row by row to "E" into `book`; an error leaves the rows read before it there.
base::Status ReadSheet(excel::Worksheet& sheet, BookSnapshot& book) {
  const int lastRow = sheet.LastRow();
  for (int row = 1;; ++row) {
    if (row > lastRow) {
      book.Log(kNoEndMark);
      return base::Ok();
    }
    const RowCells cells(sheet, row);
    base::Result<std::string> a = cells.Text(1);
    if (!a) return a.error();
    const std::string type = vb::UCase(*a);
    if (type == "E") return base::Ok();
    if (base::Status read = ReadRow(book, cells, type); !read) return read;
  }
}

}  // namespace

base::Result<BookRead> ReadAnswerWorkbook(WebState& state, std::string_view path) {
  state.Rules.clear();
  state.ScoreItems.clear();
  const std::filesystem::path host = win::ToHostPath(path);
  base::Result<std::string> bytes = win::ReadRegularFile(host, win::kOfficeFileCap);
  if (!bytes) return BookRead::NotOpened;
  if (std::optional<BookSnapshot> cached = Cache().Find(host.native(), *bytes)) {
    cached->ApplyTo(state);
    return BookRead::Read;
  }
  excel::Application app;
  base::Result<excel::Workbook*> book = app.Workbooks().OpenBytes(path, *bytes);
  if (!book) return BookRead::NotOpened;
  base::Result<excel::Worksheet*> sheet = (*book)->Worksheets("Sheet1");
  if (!sheet) return base::Error::Of("答案文件有错！没有工作表 Sheet1");
  BookSnapshot snapshot;
  base::Status read = ReadSheet(**sheet, snapshot);
  snapshot.ApplyTo(state);
  if (!read) return read.error();
  Cache().Store(host.native(), *std::move(bytes), std::move(snapshot));
  return BookRead::Read;
}

int16_t FindRuleIndex(const WebState& state, int32_t id) {
  const size_t count = std::min<size_t>(state.Rules.size(), INT16_MAX);
  for (size_t i = 0; i < count; ++i) {
    if (state.Rules[i].Id == id) return static_cast<int16_t>(i + 1);
  }
  return 0;
}

}  // namespace webmark
