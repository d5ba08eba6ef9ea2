// Opening documents for the part-A checks' tests.
#include "grading/docmark/checks/testing/part_a_document.h"

#include <gtest/gtest.h>

namespace docmark::testing {
namespace {

std::unique_ptr<PartADocument> Opened(std::unique_ptr<PartADocument> opened,
                                      const base::Result<word::Document*>& document) {
  if (!document) {
    opened->error = document.error().message;
    return opened;
  }
  if (base::Status unit = opened->app.Options().SetMeasurementUnit(word::wdCentimeters); !unit)
    opened->error = unit.error().message;
  return opened;
}

}  // namespace

std::unique_ptr<PartADocument> OpenPartAFile(const std::filesystem::path& file) {
  auto opened = std::make_unique<PartADocument>();
  const base::Result<word::Document*> document =
      opened->app.Documents().Open(file.filename().string(), file);
  return Opened(std::move(opened), document);
}

std::unique_ptr<PartADocument> OpenSuiteDocument(std::string_view name) {
  return OpenPartAFile(std::filesystem::path(KIRV_WORD_TESTDATA) / name);
}

std::unique_ptr<PartADocument> OpenPartAContent(const word::testing::DocxContent& content) {
  auto opened = std::make_unique<PartADocument>();
  base::Result<std::string> bytes = word::testing::DocxBytes(content);
  if (!bytes) {
    opened->error = bytes.error().message;
    return opened;
  }
  const base::Result<word::Document*> document =
      opened->app.Documents().OpenBytes("test.docx", *bytes);
  return Opened(std::move(opened), document);
}

std::unique_ptr<PartADocument> OpenPartABody(const std::string& body) {
  word::testing::DocxContent content;
  content.body = body;
  return OpenPartAContent(content);
}

DocumentOpener SuiteOpener(std::string_view name) {
  return [file = std::string(name)] { return OpenSuiteDocument(file); };
}

void ExpectChecks(const DocumentOpener& open, const std::vector<CheckCase>& cases) {
  for (const CheckCase& c : cases) {
    std::unique_ptr<PartADocument> doc = open();
    ASSERT_EQ(doc->error, "") << c.name;
    EXPECT_EQ(c.check(doc->app), c.expected) << c.name;
  }
}

}  // namespace docmark::testing
