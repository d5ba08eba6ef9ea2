// Opening part B's documents (the system's unit wordbas).
#include "grading/docmark/macro/open_document.h"

#include <string>

#include "grading/docmark/macro/verdict.h"
#include "platform/office/word/word_basic.h"
#include "platform/win/folder_listing.h"

namespace docmark {

int16_t OpenDocumentB(word::Application& app, std::string_view folder, std::string_view name) {
  const std::string path = std::string(folder) + std::string(name);
  // Normal files only, as the look-up without attributes lists them (no folders, hidden or
  // system files).
  base::Result<std::vector<std::string>> found = win::ListNames(path, 0);
  if (!found || found->empty()) return engine::kFalse;
  word::WordBasic basic(app);
  return Truth(static_cast<bool>(basic.FileOpen(path)));
}

}  // namespace docmark
