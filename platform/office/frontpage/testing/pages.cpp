#include "platform/office/frontpage/testing/pages.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>

namespace frontpage::testing {

std::string TestDataFolder() {
  return std::string(KIRV_SOURCE_DIR) + "/platform/office/frontpage/testdata/";
}

std::string ReadTestPage(std::string_view name) {
  std::ifstream file(TestDataFolder() + std::string(name), std::ios::binary);
  std::stringstream bytes;
  bytes << file.rdbuf();
  return bytes.str();
}

namespace {

std::unique_ptr<Document> OrDie(base::Result<std::unique_ptr<Document>> doc,
                                std::string_view what) {
  if (!doc) {
    std::fprintf(stderr, "cannot parse %.*s: %s\n", static_cast<int>(what.size()), what.data(),
                 doc.error().message.c_str());
    std::abort();
  }
  return std::move(*doc);
}

}  // namespace

std::unique_ptr<Document> OpenTestPage(std::string_view name) {
  const std::string path = TestDataFolder() + std::string(name);
  return OrDie(Document::Parse(ReadTestPage(name), path, TestDataFolder()), name);
}

std::unique_ptr<Document> ParseUtf8(std::string_view markup) {
  return OrDie(Document::Parse("\xEF\xBB\xBF" + std::string(markup)), "markup");
}

}  // namespace frontpage::testing
