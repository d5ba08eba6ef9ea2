// The application object and its workbook collection.
#include "platform/office/excel/application.h"

#include "platform/vb/strings.h"
#include "platform/win/paths.h"

namespace excel {

Workbook* Workbooks::Open(std::string_view fileName) {
  for (auto& book : books_) {
    if (vb::TextEquals(book->FullName(), fileName)) {
      active_ = book.get();
      return active_;
    }
  }
  std::string error;
  std::unique_ptr<Workbook> book =
      Workbook::Open(app_, win::ToHostPath(fileName), std::string(fileName), &error);
  if (book == nullptr) {
    app_.SetLastError(std::string(fileName) + ": " + error);
    return nullptr;
  }
  books_.push_back(std::move(book));
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

void Window::Close() {
  book_.Parent().Workbooks().Close(&book_);
}

}  // namespace excel
