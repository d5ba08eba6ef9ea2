// The cost of grading the demo's word task (its answer workbook and the candidate's document with
// every step done, both parts), called as the client calls it: the registered docmark.ocx created
// by class id and its Run method by dispatch id. In the same run, the cost of Debian's
// python-docx opening the same document and reading the same properties in one long-running
// process (testing/python_docx_peer.py).
//   docmark_benchmark              the benchmarks, then the comparison with its ratio
//   docmark_benchmark --no-peer    the benchmarks only
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

#include "grading/docmark/testing/demo_document.h"
#include "grading/engine/testing/control_benchmark.h"
#include "grading/engine/testing/run_by_class_id.h"
#include "platform/office/word/application.h"
#include "platform/win/message_box.h"
#include "platform/win/paths.h"

namespace {

namespace fs = std::filesystem;

const com::Clsid kDocmark = com::Clsid::Of("{58761E9E-8E05-4AF3-B331-A1CFAD77C33E}");

engine::testing::BenchmarkTask& Task() {
  static engine::testing::BenchmarkTask task(
      "docmark_benchmark", "wordkt", KIRV_DOCMARK_OCX,
      [](const fs::path& answers, const fs::path& candidate) {
        return demo::WriteWordAnswer(answers / demo::kWordAnswer) &&
               demo::WriteSolvedDocument(candidate / demo::kWordDocument);
      });
  return task;
}

fs::path Document() {
  return Task().candidate / demo::kWordDocument;
}

// One grading as the client's word grader makes it: a control window made by class id, Run with
// the three texts and the debug flag by reference; the percentage, negative on failure.
double GradeOnce() {
  static const engine::testing::GradingPaths paths(Task().candidate, Task().answers);
  return engine::testing::RunByClassId(kDocmark, 112, paths, demo::kWordAnswer);
}

void GradeDemoTask(benchmark::State& st) {
  for (auto _ : st) benchmark::DoNotOptimize(GradeOnce());
  if (GradeOnce() < 0) st.SkipWithError("the task could not be graded");
}
BENCHMARK(GradeDemoTask)->Unit(benchmark::kMicrosecond);

// What the document alone costs: opened by the model, as part A opens it.
void OpenCandidateDocument(benchmark::State& st) {
  const std::string file = win::ToWindowsPath(Document());
  for (auto _ : st) {
    word::Application app;
    benchmark::DoNotOptimize(app.Documents().Open(file).has_value());
  }
}
BENCHMARK(OpenCandidateDocument)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
  // Part A's "Word.Application OK" box, confirmed at once.
  win::SetMessageSink([](const win::MessageBoxRequest&) { return int{win::IDOK}; });
  return engine::testing::RunComparison(
      argc, argv, Task().ok, GradeOnce,
      {"docmark.ocx",
       "/usr/bin/python3 '" KIRV_SOURCE_DIR "/grading/docmark/testing/python_docx_peer.py' '" +
           Document().string() + "'",
       "python-docx peer",
       "demo word task, answer workbook + document, both parts graded:  docmark",
       "the same document opened and read by python-docx:            "});
}
