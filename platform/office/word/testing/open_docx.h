// Test helper: a document built by the writer, opened from its bytes in an application of its
// own, for tests that read through the object model.
#pragma once

#include <memory>
#include <string>

#include "platform/office/word/application.h"
#include "platform/office/word/testing/docx_writer.h"

namespace word::testing {

struct OpenedDocx {
  Application app;
  Document* document = nullptr;  // null (and the test failed) when it did not open
};

std::unique_ptr<OpenedDocx> OpenDocx(const DocxContent& content);
// A document of that body and nothing else.
std::unique_ptr<OpenedDocx> OpenBody(const std::string& body);

}  // namespace word::testing
