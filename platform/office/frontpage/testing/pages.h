// Test pages for the page model's tests, fuzzer and benchmark: the files in testdata/ (written by
// testdata/make_pages.py) and pages made from UTF-8 text in code.
#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "platform/office/frontpage/document.h"

namespace frontpage::testing {

// The folder of the committed test pages, with a trailing separator.
std::string TestDataFolder();
// A test page's bytes; empty when it is missing.
std::string ReadTestPage(std::string_view name);
// A committed test page parsed under its full path (so its pictures are found); fails the test
// run with a message when it cannot be.
std::unique_ptr<Document> OpenTestPage(std::string_view name);
// UTF-8 markup parsed as a page (a byte-order mark says what it is).
std::unique_ptr<Document> ParseUtf8(std::string_view markup);

}  // namespace frontpage::testing
