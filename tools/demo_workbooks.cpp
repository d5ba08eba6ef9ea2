// Writes the demo spreadsheet task's workbooks; make_demo.sh calls it once per file.
//
//   demo_workbooks start OUT.xlsx     the candidate's starting workbook (into the paper archive)
//   demo_workbooks answer OUT.xls     the answer workbook (into Data\Answer)
//   demo_workbooks solved OUT.xlsx    the task done, for trying the grading by hand
#include <cstdio>
#include <cstring>
#include <filesystem>

#include "grading/sheetmark/testing/demo_spreadsheet.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: demo_workbooks start|answer|solved FILE\n");
    return 1;
  }
  const std::filesystem::path file = argv[2];
  base::Status written = base::Error::Of("unknown kind \"", argv[1], "\"");
  if (std::strcmp(argv[1], "start") == 0) written = demo::WriteStartingWorkbook(file);
  if (std::strcmp(argv[1], "answer") == 0) written = demo::WriteSpreadsheetAnswer(file);
  if (std::strcmp(argv[1], "solved") == 0) written = demo::WriteSolvedWorkbook(file);
  if (!written) {
    std::fprintf(stderr, "demo_workbooks: %s\n", written.error().message.c_str());
    return 1;
  }
  return 0;
}
