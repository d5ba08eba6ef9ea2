// Benchmarks only: what the word-processor and presentation controls' benchmarks share. A demo
// task's files in the folders the client hands a control, the control registered in a registry
// of the run's own, and the run that times the control's grading beside its peer program.
#pragma once

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <functional>
#include <iostream>
#include <string>

#include "platform/base/testing/pass_timing.h"
#include "platform/com/library.h"
#include "platform/win/testing/scoped_env.h"
#include "platform/win/testing/test_folder.h"

namespace engine::testing {

class BenchmarkTask {
 public:
  // Writes the answer workbook and the candidate's file into `answers` and `candidate`.
  using Writer = std::function<bool(const std::filesystem::path& answers,
                                    const std::filesystem::path& candidate)>;

  // `taskFolder` is the candidate's task folder ("wordkt"); `library` the control's file.
  BenchmarkTask(const std::string& name, const std::string& taskFolder, const char* library,
                const Writer& write)
      : root_(name + "_"),
        registry_("KIRV_REGISTRY", (root_.Path() / "registry.ini").string()),
        answers(root_.Path() / "Data" / "Answer"),
        candidate(root_.Path() / "26001010101" / taskFolder) {
    std::filesystem::create_directories(answers);
    std::filesystem::create_directories(candidate);
    base::Result<const com::Library*> loaded = com::LoadControlLibrary(library);
    ok = loaded && (*loaded)->RegisterServer() && write(answers, candidate);
  }

 private:
  win::testing::ScopedTempFolder root_;
  win::testing::ScopedEnv registry_;

 public:
  const std::filesystem::path answers;
  const std::filesystem::path candidate;
  bool ok = false;
};

struct Comparison {
  std::string control;      // "docmark.ocx"
  std::string peerCommand;  // the peer's command line, without its seconds
  std::string peerName;     // "python-docx peer"
  std::string oursLine;     // the label of our figure
  std::string theirsLine;   // the label of the peer's
};

// The benchmark program's main: "--no-peer" runs the benchmarks only; otherwise, after them, our
// grading and the peer each timed for three seconds and the ratio printed. A task that cannot be
// prepared or graded ends the run; one that scores under 100 is timed with a warning, since its
// failing rules leave their checks' cost out of the figures.
inline int RunComparison(int argc, char** argv, bool taskReady, double (*gradeOnce)(),
                         const Comparison& c) {
  bool peer = true;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--no-peer") == 0) peer = false;
  }
  if (!taskReady) {
    std::cerr << "cannot write the demo task's files or register " << c.control << "\n";
    return 1;
  }
  const double percent = gradeOnce();
  if (percent < 0) {
    std::cerr << "the demo task could not be graded\n";
    return 1;
  }
  if (percent != 100.0) std::cerr << "warning: the demo task scored " << percent << ", not 100\n";
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  if (!peer) return 0;
  const double ours = base::testing::MicrosPerPass(3.0, [&](int) { return gradeOnce(); });
  const double theirs = base::testing::PeerMicrosPerPass(c.peerCommand + " 3", c.peerName.c_str());
  std::printf("\n%s %.1f us\n", c.oursLine.c_str(), ours);
  if (theirs < 0) return 1;
  std::printf("%s %.1f us\n", c.theirsLine.c_str(), theirs);
  std::printf("ratio: %.1f times faster\n", theirs / ours);
  return 0;
}

}  // namespace engine::testing
