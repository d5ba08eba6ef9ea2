// The cost of grading the demo's presentation task (its answer workbook and the candidate's
// presentation with every step done), called as the client calls it: the registered
// slidemark.ocx created by class id and its Run method by dispatch id. In the same run, the cost
// of Debian's python3-lxml opening the same presentation's parts and reading the same properties
// in one long-running process (testing/pptx_lxml_peer.py).
//   slidemark_benchmark              the benchmarks, then the comparison with its ratio
//   slidemark_benchmark --no-peer    the benchmarks only
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>
#include <iostream>
#include <string>

#include "grading/engine/testing/run_by_class_id.h"
#include "grading/slidemark/testing/demo_presentation.h"
#include "platform/base/testing/pass_timing.h"
#include "platform/com/library.h"
#include "platform/office/powerpoint/application.h"
#include "platform/win/paths.h"
#include "platform/win/testing/scoped_env.h"
#include "platform/win/testing/test_folder.h"

namespace {

namespace fs = std::filesystem;

const com::Clsid kSlidemark = com::Clsid::Of("{BE07296E-8F7B-4CA2-9FAE-3E9B3A9C7EAB}");

// The task's files in the folders the client hands the control, and the control registered in a
// registry of the run's own.
struct DemoTask {
  win::testing::ScopedTempFolder root{"slidemark_benchmark_"};
  win::testing::ScopedEnv registry{"KIRV_REGISTRY", (root.Path() / "registry.ini").string()};
  fs::path answers = root.Path() / "Data" / "Answer";
  fs::path candidate = root.Path() / "26001010101" / "pptkt";
  bool ok = Prepare();

  fs::path Presentation() const { return candidate / demo::kPptPresentation; }

  bool Prepare() {
    fs::create_directories(answers);
    fs::create_directories(candidate);
    base::Result<const com::Library*> library = com::LoadControlLibrary(KIRV_SLIDEMARK_OCX);
    return library && (*library)->RegisterServer() &&
           demo::WritePptAnswer(answers / demo::kPptAnswer) &&
           demo::WriteSolvedPresentation(Presentation());
  }
};

DemoTask& Task() {
  static DemoTask task;
  return task;
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
  const std::string file = win::ToWindowsPath(Task().Presentation());
  for (auto _ : st) {
    powerpoint::Application app;
    benchmark::DoNotOptimize(app.Presentations().Open(file).has_value());
  }
}
BENCHMARK(OpenCandidatePresentation)->Unit(benchmark::kMicrosecond);

// Microseconds per grading over about `seconds`.
double TimeOurs(double seconds) {
  return base::testing::MicrosPerPass(seconds, [](int) { return GradeOnce(); });
}

// The peer's microseconds per pass; negative when it could not run.
double TimePeer(double seconds) {
  return base::testing::PeerMicrosPerPass(
      "/usr/bin/python3 '" KIRV_SOURCE_DIR "/grading/slidemark/testing/pptx_lxml_peer.py' '" +
          Task().Presentation().string() + "' " + std::to_string(seconds),
      "python3-lxml peer");
}

}  // namespace

int main(int argc, char** argv) {
  bool peer = true;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--no-peer") == 0) peer = false;
  }
  if (!Task().ok) {
    std::cerr << "cannot write the demo task's files or register slidemark.ocx\n";
    return 1;
  }
  const double percent = GradeOnce();
  if (percent < 0) {
    std::cerr << "the demo task could not be graded\n";
    return 1;
  }
  // A rule that fails leaves its checks' cost out of the figures: they are then not the task's.
  if (percent != 100.0) std::cerr << "warning: the demo task scored " << percent << ", not 100\n";
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  if (!peer) return 0;
  const double ours = TimeOurs(3.0);
  const double theirs = TimePeer(3.0);
  std::printf(
      "\ndemo presentation task, answer workbook + presentation graded:  slidemark %.1f us\n",
      ours);
  if (theirs < 0) return 1;
  std::printf("the same presentation's parts opened and read by python3-lxml:   %.1f us\n", theirs);
  std::printf("ratio: %.1f times faster\n", theirs / ours);
  return 0;
}
