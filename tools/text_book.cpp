// Builds a workbook of one sheet from tab-separated text, for the demo's answer workbooks: each
// line is a row from row 1, each tab-separated field a cell from column A; a field that reads
// as a number becomes a number cell, any other non-empty field a text cell. Lines starting with
// "#" are comments. The text is UTF-8.
//
//   text_book IN.tsv OUT.xlsx
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "platform/office/excel/testing/xlsx_writer.h"

namespace {

namespace fs = std::filesystem;

std::vector<std::string> Fields(const std::string& line) {
  std::vector<std::string> fields;
  size_t start = 0;
  for (size_t tab = line.find('\t'); tab != std::string::npos; tab = line.find('\t', start)) {
    fields.push_back(line.substr(start, tab - start));
    start = tab + 1;
  }
  fields.push_back(line.substr(start));
  return fields;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: text_book IN.tsv OUT.xlsx\n");
    return 2;
  }
  std::ifstream in(argv[1], std::ios::binary);
  if (!in) {
    std::fprintf(stderr, "text_book: cannot read %s\n", argv[1]);
    return 1;
  }
  std::vector<std::vector<std::string>> rows;
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.starts_with("#")) continue;
    rows.push_back(Fields(line));
  }
  excel::testing::XlsxContent content;
  content.sheets = {excel::testing::TextSheet("Sheet1", rows, content.sharedStrings)};
  // Written beside the target and renamed over it, so no half-written workbook is left.
  const fs::path out = argv[2];
  const fs::path temp = out.string() + ".new";
  if (const base::Status written = excel::testing::WriteXlsx(temp, content); !written) {
    std::fprintf(stderr, "text_book: cannot write %s: %s\n", argv[2],
                 written.error().message.c_str());
    return 1;
  }
  std::error_code ec;
  fs::rename(temp, out, ec);
  if (ec) {
    std::fprintf(stderr, "text_book: cannot write %s: %s\n", argv[2], ec.message().c_str());
    fs::remove(temp, ec);
    return 1;
  }
  return 0;
}
