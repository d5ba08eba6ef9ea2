// Test fixture: a candidate's document open in a word processor of its own as part A has it (the
// measurement unit centimetres, the selection at the start), from a file saved by an office suite
// or from a package built with the document model's writer; and a table of checks, each run on a
// freshly opened document.
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/office/word/application.h"
#include "platform/office/word/testing/docx_writer.h"

namespace docmark::testing {

struct PartADocument {
  word::Application app;
  std::string error;  // why it did not open; "" when it did
};

// The document in `file` (a host path).
std::unique_ptr<PartADocument> OpenPartAFile(const std::filesystem::path& file);
// One of the office-suite-saved documents of platform/office/word/testdata ("suite_table.docx").
std::unique_ptr<PartADocument> OpenSuiteDocument(std::string_view name);
// A document written from `content`.
std::unique_ptr<PartADocument> OpenPartAContent(const word::testing::DocxContent& content);
// A document of that body and nothing else.
std::unique_ptr<PartADocument> OpenPartABody(const std::string& body);

// A check as a rule calls it, and what it answers.
struct CheckCase {
  const char* name;
  std::function<int32_t(word::Application&)> check;
  int32_t expected;
};

using DocumentOpener = std::function<std::unique_ptr<PartADocument>()>;

// Opens OpenSuiteDocument(name) each time it is called.
DocumentOpener SuiteOpener(std::string_view name);

// Runs each case on a document `open` has just opened, as a test expectation named by the case.
void ExpectChecks(const DocumentOpener& open, const std::vector<CheckCase>& cases);

}  // namespace docmark::testing
