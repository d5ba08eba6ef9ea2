// Opening writer-built documents for tests.
#include "platform/office/word/testing/open_docx.h"

#include <gtest/gtest.h>

namespace word::testing {

std::unique_ptr<OpenedDocx> OpenDocx(const DocxContent& content) {
  auto opened = std::make_unique<OpenedDocx>();
  base::Result<std::string> bytes = DocxBytes(content);
  EXPECT_TRUE(bytes) << bytes.error().message;
  if (!bytes) return opened;
  base::Result<Document*> document = opened->app.Documents().OpenBytes("test.docx", *bytes);
  EXPECT_TRUE(document) << document.error().message;
  if (document) opened->document = *document;
  return opened;
}

std::unique_ptr<OpenedDocx> OpenBody(const std::string& body) {
  DocxContent content;
  content.body = body;
  return OpenDocx(content);
}

}  // namespace word::testing
