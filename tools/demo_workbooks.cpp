// Writes the files of the demo's office tasks; make_demo.sh calls it once per file.
//
//   demo_workbooks start OUT.xlsx          the spreadsheet task's starting workbook (paper archive)
//   demo_workbooks answer OUT.xlsx         its answer workbook (into Data\Answer)
//   demo_workbooks solved OUT.xlsx         the task done, for trying the grading by hand
//   demo_workbooks word-start OUT.docx     the word task's starting document (paper archive)
//   demo_workbooks word-answer OUT.xlsx    its answer workbook (into Data\Answer)
//   demo_workbooks word-solved OUT.docx    the task done
//   demo_workbooks word-partly OUT.docx    the task done with three mistakes
//   demo_workbooks ppt-start OUT.pptx      the presentation task's starting presentation
//   demo_workbooks ppt-answer OUT.xlsx     its answer workbook (into Data\Answer)
//   demo_workbooks ppt-solved OUT.pptx     the task done
//   demo_workbooks ppt-partly OUT.pptx     the task done with three mistakes
//   demo_workbooks web-start FOLDER        the web-page task's starting site (paper archive)
//   demo_workbooks web-answer OUT.xlsx     its answer workbook (into Data\Answer)
//   demo_workbooks web-solved FOLDER       the site done
//   demo_workbooks web-partly FOLDER       the site done with three mistakes
#include <cstdio>
#include <filesystem>
#include <string_view>

#include "grading/docmark/testing/demo_document.h"
#include "grading/sheetmark/testing/demo_spreadsheet.h"
#include "grading/slidemark/testing/demo_presentation.h"
#include "grading/webmark/testing/demo_site.h"

namespace {

using Writer = base::Status (*)(const std::filesystem::path&);

struct Kind {
  std::string_view name;
  Writer write;
};

const Kind kKinds[] = {
    {"start", demo::WriteStartingWorkbook},
    {"answer", demo::WriteSpreadsheetAnswer},
    {"solved", [](const std::filesystem::path& f) { return demo::WriteSolvedWorkbook(f); }},
    {"word-start", demo::WriteStartingDocument},
    {"word-answer", demo::WriteWordAnswer},
    {"word-solved", [](const std::filesystem::path& f) { return demo::WriteSolvedDocument(f); }},
    {"word-partly", demo::WritePartlyWrongDocument},
    {"ppt-start", demo::WriteStartingPresentation},
    {"ppt-answer", demo::WritePptAnswer},
    {"ppt-solved", [](const std::filesystem::path& f) { return demo::WriteSolvedPresentation(f); }},
    {"ppt-partly", demo::WritePartlyWrongPresentation},
    {"web-start", demo::WriteStartingSite},
    {"web-answer", demo::WriteSiteAnswer},
    {"web-solved", [](const std::filesystem::path& f) { return demo::WriteSolvedSite(f); }},
    {"web-partly", demo::WritePartlyWrongSite},
};

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr,
                 "usage: demo_workbooks start|answer|solved|word-start|word-answer|word-solved|"
                 "word-partly|ppt-start|ppt-answer|ppt-solved|ppt-partly|web-start|web-answer|"
                 "web-solved|web-partly FILE\n");
    return 1;
  }
  base::Status written = base::Error::Of("unknown kind \"", argv[1], "\"");
  for (const Kind& kind : kKinds) {
    if (kind.name == argv[1]) written = kind.write(argv[2]);
  }
  if (!written) {
    std::fprintf(stderr, "demo_workbooks: %s\n", written.error().message.c_str());
    return 1;
  }
  return 0;
}
