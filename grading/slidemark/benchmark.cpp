// The cost of grading the demo's presentation task (its answer workbook and the candidate's
// presentation with every step done), called as the client calls it: the registered
// slidemark.ocx created by class id and its Run method by dispatch id. In the same run, the cost
// of Debian's python3-lxml opening the same presentation's parts and reading the same properties
// in one long-running process (testing/pptx_lxml_peer.py).
//   slidemark_benchmark              the benchmarks, then the comparison with its ratio
//   slidemark_benchmark --no-peer    the benchmarks only
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

#include "grading/engine/testing/control_benchmark.h"
#include "grading/engine/testing/run_by_class_id.h"
#include "grading/slidemark/testing/demo_presentation.h"
#include "platform/office/powerpoint/application.h"
#include "platform/win/paths.h"

namespace {

namespace fs = std::filesystem;

const com::Clsid kSlidemark = com::Clsid::Of("{BE07296E-8F7B-4CA2-9FAE-3E9B3A9C7EAB}");

engine::testing::BenchmarkTask& Task() {
  static engine::testing::BenchmarkTask task(
      "slidemark_benchmark", "pptkt", KIRV_SLIDEMARK_OCX,
      [](const fs::path& answers, const fs::path& candidate) {
        return demo::WritePptAnswer(answers / demo::kPptAnswer) &&
               demo::WriteSolvedPresentation(candidate / demo::kPptPresentation);
      });
  return task;
}

fs::path Presentation() {
  return Task().candidate / demo::kPptPresentation;
}

// One grading as the client's presentation grader makes it: a control window made by class id,
// Run with the three texts and the debug flag by reference; the percentage, negative on failure.
double GradeOnce() {
  static const engine::testing::GradingPaths paths(Task().candidate, Task().answers);
  return engine::testing::RunByClassId(kSlidemark, 114, paths, demo::kPptAnswer);
}

void GradeDemoTask(benchmark::State& st) {
  for (auto _ : st) benchmark::DoNotOptimize(GradeOnce());
  if (GradeOnce() < 0) st.SkipWithError("the task could not be graded");
}
BENCHMARK(GradeDemoTask)->Unit(benchmark::kMicrosecond);

// What the presentation alone costs: opened by the model, as a grading pass opens it.
void OpenCandidatePresentation(benchmark::State& st) {
  const std::string file = win::ToWindowsPath(Presentation());
  for (auto _ : st) {
    powerpoint::Application app;
    benchmark::DoNotOptimize(app.Presentations().Open(file).has_value());
  }
}
BENCHMARK(OpenCandidatePresentation)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
  return engine::testing::RunComparison(
      argc, argv, Task().ok, GradeOnce,
      {"slidemark.ocx",
       "/usr/bin/python3 '" KIRV_SOURCE_DIR "/grading/slidemark/testing/pptx_lxml_peer.py' '" +
           Presentation().string() + "'",
       "python3-lxml peer",
       "demo presentation task, answer workbook + presentation graded:  slidemark",
       "the same presentation's parts opened and read by python3-lxml:  "});
}
