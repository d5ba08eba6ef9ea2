// The cost of grading the demo-sized web-page task (its answer workbook and four pages: a main
// page with tables and an inline frame, a frames page, a second page and a UTF-8 page, switched
// between by the workbook), called as the client calls it: the registered webmark.ocx created by
// class id and its Run method by dispatch id. In the same run, the cost of Debian's python3-lxml
// parsing the same pages and deciding the same rules in one long-running process
// (testing/html_lxml_peer.py).
//   webmark_benchmark              the benchmarks, then the comparison with its ratio
//   webmark_benchmark --no-peer    the benchmarks only
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "grading/engine/testing/control_benchmark.h"
#include "grading/engine/testing/run_by_class_id.h"
#include "grading/webmark/control.h"
#include "grading/webmark/testing/web_task.h"
#include "platform/com/change_type.h"
#include "platform/com/control_window.h"
#include "platform/office/frontpage/document.h"
#include "platform/win/paths.h"

namespace {

namespace fs = std::filesystem;

engine::testing::BenchmarkTask& Task() {
  static engine::testing::BenchmarkTask task(
      "webmark_benchmark", "Fropkt", KIRV_WEBMARK_OCX,
      [](const fs::path& answers, const fs::path& candidate) {
        return webmark::testing::WriteWebAnswer(answers / webmark::testing::kWebAnswer) &&
               webmark::testing::WriteWebPages(candidate);
      });
  return task;
}

// One grading as the client's web-page grader makes it: a control window made by class id, Run
// with the check folder, the answer workbook's path and the debug flag by reference; the
// percentage, negative on failure.
double GradeOnce() {
  static const engine::testing::GradingPaths paths(Task().candidate, Task().answers);
  com::CreateParams params;
  params.childId = 116;
  auto window = com::ControlWindow::Create(webmark::webmark::kClass.clsid, params);
  if (!window) return -1;
  std::string check = paths.check;
  std::string answer = paths.answers + std::string(webmark::testing::kWebAnswer);
  com::VariantBool debug = com::kVariantFalse;
  const com::Variant args[] = {com::Variant::RefString(&check), com::Variant::RefString(&answer),
                               com::Variant::RefBool(&debug)};
  base::Result<com::Variant> percent =
      (*window)->Invoke(webmark::webmark::kRun, com::InvokeKind::Method, args);
  if (!percent) return -1;
  base::Result<com::Variant> real = com::ChangeType(*percent, com::VT_R8);
  return real ? real->RealValue() : -1;
}

void GradeDemoTask(benchmark::State& st) {
  for (auto _ : st) benchmark::DoNotOptimize(GradeOnce());
  if (GradeOnce() != 100) st.SkipWithError("the task did not grade 100");
}
BENCHMARK(GradeDemoTask)->Unit(benchmark::kMicrosecond);

// What the four pages alone cost: parsed by the page model, as a grading pass parses them.
void ParseThePages(benchmark::State& st) {
  std::vector<std::string> pages;
  for (const char* name : {"index.htm", "frames.htm", "b.htm", "utf8.htm"}) {
    std::ifstream in(Task().candidate / name, std::ios::binary);
    pages.emplace_back(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  }
  for (auto _ : st) {
    for (const std::string& page : pages)
      benchmark::DoNotOptimize(frontpage::Document::Parse(page).has_value());
  }
}
BENCHMARK(ParseThePages)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
  return engine::testing::RunComparison(
      argc, argv, Task().ok, GradeOnce,
      {"webmark.ocx",
       "/usr/bin/python3 '" KIRV_SOURCE_DIR "/grading/webmark/testing/html_lxml_peer.py' '" +
           Task().candidate.string() + "'",
       "python3-lxml peer",
       "demo-sized web-page task, answer workbook + four pages graded:  webmark",
       "the same pages parsed and the same rules decided by python3-lxml:  "});
}
