// The cost of grading the demo's word task (its answer workbook and the candidate's document with
// every step done, both parts), called as the client calls it: the registered docmark.ocx created
// by class id and its Run method by dispatch id. In the same run, the cost of Debian's
// python-docx opening the same document and reading the same properties in one long-running
// process (testing/python_docx_peer.py).
//   docmark_benchmark              the benchmarks, then the comparison with its ratio
//   docmark_benchmark --no-peer    the benchmarks only
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>
#include <iostream>
#include <optional>
#include <string>

#include "grading/docmark/testing/demo_document.h"
#include "grading/engine/testing/run_by_class_id.h"
#include "platform/base/testing/pass_timing.h"
#include "platform/com/library.h"
#include "platform/office/word/application.h"
#include "platform/win/message_box.h"
#include "platform/win/paths.h"
#include "platform/win/testing/scoped_env.h"
#include "platform/win/testing/test_folder.h"

namespace {

namespace fs = std::filesystem;

const com::Clsid kDocmark = com::Clsid::Of("{58761E9E-8E05-4AF3-B331-A1CFAD77C33E}");

// The task's files in the folders the client hands the control, and the control registered in a
// registry of the run's own.
struct DemoTask {
  win::testing::ScopedTempFolder root{"docmark_benchmark_"};
  win::testing::ScopedEnv registry{"KIRV_REGISTRY", (root.Path() / "registry.ini").string()};
  fs::path answers = root.Path() / "Data" / "Answer";
  fs::path candidate = root.Path() / "26001010101" / "wordkt";
  bool ok = Prepare();

  fs::path Document() const { return candidate / demo::kWordDocument; }

  bool Prepare() {
    fs::create_directories(answers);
    fs::create_directories(candidate);
    base::Result<const com::Library*> library = com::LoadControlLibrary(KIRV_DOCMARK_OCX);
    return library && (*library)->RegisterServer() &&
           demo::WriteWordAnswer(answers / demo::kWordAnswer) &&
           demo::WriteSolvedDocument(Document());
  }
};

DemoTask& Task() {
  static DemoTask task;
  return task;
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
  const std::string file = win::ToWindowsPath(Task().Document());
  for (auto _ : st) {
    word::Application app;
    benchmark::DoNotOptimize(app.Documents().Open(file).has_value());
  }
}
BENCHMARK(OpenCandidateDocument)->Unit(benchmark::kMicrosecond);

// Microseconds per grading over about `seconds`.
double TimeOurs(double seconds) {
  return base::testing::MicrosPerPass(seconds, [](int) { return GradeOnce(); });
}

// The peer's microseconds per pass; negative when it could not run.
double TimePeer(double seconds) {
  return base::testing::PeerMicrosPerPass(
      "/usr/bin/python3 '" KIRV_SOURCE_DIR "/grading/docmark/testing/python_docx_peer.py' '" +
          Task().Document().string() + "' " + std::to_string(seconds),
      "python-docx peer");
}

}  // namespace

int main(int argc, char** argv) {
  // Part A's "Word.Application OK" box, confirmed at once.
  win::SetMessageSink([](const win::MessageBoxRequest&) { return int{win::IDOK}; });
  bool peer = true;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--no-peer") == 0) peer = false;
  }
  if (!Task().ok) {
    std::cerr << "cannot write the demo task's files or register docmark.ocx\n";
    return 1;
  }
  const double percent = GradeOnce();
  if (percent < 0) {
    std::cerr << "the demo task could not be graded\n";
    return 1;
  }
  // A keyword whose check is not in this build fails its rule: the figures then leave its cost
  // out, so they are not the task's.
  if (percent != 100.0)
    std::cerr << "warning: the demo task scored " << percent
              << ", not 100: some of its checks are not in this build\n";
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  if (!peer) return 0;
  const double ours = TimeOurs(3.0);
  const double theirs = TimePeer(3.0);
  std::printf("\ndemo word task, answer workbook + document, both parts graded:  docmark %.1f us\n",
              ours);
  if (theirs < 0) return 1;
  std::printf("the same document opened and read by python-docx:             %.1f us\n", theirs);
  std::printf("ratio: %.1f times faster\n", theirs / ours);
  return 0;
}
