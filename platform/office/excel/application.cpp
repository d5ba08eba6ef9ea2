// The application object and its workbook collection.
#include "platform/office/excel/application.h"

#include "platform/base/text.h"
#include "platform/office/excel/errors.h"
#include "platform/vb/strings.h"
#include "platform/win/paths.h"

namespace excel {

base::Result<Workbook*> Workbooks::Open(std::string_view fileName) {
  return Open(fileName, win::ToHostPath(fileName));
}

base::Result<Workbook*> Workbooks::Open(std::string_view fileName,
                                        const std::filesystem::path& hostFile) {
  if (Workbook* open = Activate(fileName)) return open;
  return Add(fileName, Workbook::Open(app_, hostFile, std::string(fileName)));
}

base::Result<Workbook*> Workbooks::OpenBytes(std::string_view fileName, std::string_view bytes) {
  if (Workbook* open = Activate(fileName)) return open;
  return Add(fileName, Workbook::FromBytes(app_, bytes, std::string(fileName)));
}

Workbook* Workbooks::Activate(std::string_view fileName) {
  for (auto& book : books_) {
    if (vb::TextEquals(book->FullName(), fileName)) {
      active_ = book.get();
      return active_;
    }
  }
  return nullptr;
}

base::Result<Workbook*> Workbooks::Add(std::string_view fileName,
                                       base::Result<std::unique_ptr<Workbook>> book) {
  if (!book) return book.error().In(fileName);
  books_.push_back(std::move(*book));
  active_ = books_.back().get();
  return active_;
}

Workbook* Workbooks::Item(int index) {
  return index >= 1 && index <= Count() ? books_[static_cast<size_t>(index - 1)].get() : nullptr;
}

Workbook* Workbooks::Item(std::string_view name) {
  for (auto& book : books_) {
    if (vb::TextEquals(book->Name(), name)) return book.get();
  }
  return nullptr;
}

bool Workbooks::Close(Workbook* book) {
  for (auto it = books_.begin(); it != books_.end(); ++it) {
    if (it->get() != book) continue;
    books_.erase(it);
    if (active_ == book) active_ = books_.empty() ? nullptr : books_.back().get();
    return true;
  }
  return false;
}

Worksheet* Application::ActiveSheet() {
  Workbook* book = ActiveWorkbook();
  return book == nullptr ? nullptr : book->ActiveSheet();
}

Window* Application::ActiveWindow() {
  Workbook* book = ActiveWorkbook();
  return book == nullptr ? nullptr : &book->ActiveWindow();
}

base::Result<excel::Range> Application::Range(std::string_view reference) {
  Worksheet* sheet = ActiveSheet();
  if (sheet == nullptr) return Failed("no workbook is open");
  const QualifiedReference q = SplitSheet(reference);
  if (!q.sheet.empty()) {
    base::Result<Worksheet*> other = sheet->Parent().Sheets(q.sheet);
    if (!other) return other.error();
    return (*other)->Range(q.reference);
  }
  Area area;
  if (ParseArea(reference, area)) return excel::Range(sheet, area);
  // A defined name may stand for a range of any sheet.
  std::optional<std::string> target = sheet->Parent().DefinedName(base::Trim(reference), sheet);
  if (!target) return Failed("\"", reference, "\" is no reference and no defined name");
  const QualifiedReference t = SplitSheet(*target);
  Worksheet* owner = sheet;
  if (!t.sheet.empty()) {
    base::Result<Worksheet*> named = sheet->Parent().Sheets(t.sheet);
    if (!named) return named.error().In(reference);
    owner = *named;
  }
  if (!ParseArea(t.reference, area))
    return Failed("the name \"", reference, "\" stands for no range (", *target, ")");
  return excel::Range(owner, area);
}

base::Result<excel::Range> Application::Columns(std::string_view columns) {
  Worksheet* sheet = ActiveSheet();
  if (sheet == nullptr) return Failed("no workbook is open");
  return sheet->Columns(columns);
}

base::Result<excel::Range> Application::Selection() {
  Worksheet* sheet = ActiveSheet();
  if (sheet == nullptr) return Failed("no workbook is open");
  if (sheet->IsChart()) return Failed("a chart sheet has no cell selection");
  return sheet->Selection();
}

base::Result<Worksheet*> Application::Sheets(std::string_view name) {
  Workbook* book = ActiveWorkbook();
  if (book == nullptr) return Failed("no workbook is open");
  return book->Sheets(name);
}

void Window::Close() {
  book_.Parent().Workbooks().Close(&book_);
}

}  // namespace excel

namespace excel {

base::Result<Chart> Application::ActiveChart() {
  Workbook* book = ActiveWorkbook();
  if (book == nullptr) return Failed("no workbook is open");
  if (activeChart_.empty()) return Failed("no chart is active");
  return Chart::Open(*book, activeChart_);
}

}  // namespace excel
