// The cost of grading the demo's spreadsheet task (its answer workbook and a candidate's workbook
// with every step done), and, in the same run, the cost of Debian's openpyxl loading the same two
// files and reading the same cells in one long-running process (testing/openpyxl_peer.py).
//   sheetmark_benchmark                   the benchmarks, then the comparison with its ratio
//   sheetmark_benchmark --no-peer         the benchmarks only
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "grading/sheetmark/control.h"
#include "grading/sheetmark/driver.h"
#include "grading/sheetmark/testing/demo_spreadsheet.h"
#include "grading/sheetmark/testing/sheet_fixture.h"
#include "platform/base/testing/pass_timing.h"
#include "platform/office/excel/application.h"
#include "platform/win/message_box.h"
#include "platform/win/paths.h"

namespace {

namespace fs = std::filesystem;

// The task's files in the folders a grading pass gets.
struct DemoTask {
  sheetmark::testing::GradingFolders folders;
  bool ok = demo::WriteSpreadsheetAnswer(folders.AnswerHost() / demo::kSpreadsheetAnswer) &&
            demo::WriteSolvedWorkbook(folders.CandidateHost() / demo::kSpreadsheetWorkbook);
  const std::string answerFolder = folders.Answer();  // as the client passes them
  const std::string candidateFolder = folders.Candidate();
  fs::path Answer() const { return folders.AnswerHost() / demo::kSpreadsheetAnswer; }
  fs::path Candidate() const { return folders.CandidateHost() / demo::kSpreadsheetWorkbook; }
};

DemoTask& Task() {
  static DemoTask task;
  return task;
}

// One pass as the client's put of ansname makes it; the awarded points.
int16_t GradeOnce(sheetmark::SheetState& state, const std::string& answerFolder,
                  const std::string& candidateFolder) {
  sheetmark::sheetmark control(state);
  control.Pathofans = answerFolder;
  control.PathOfexl = candidateFolder;
  control.EDebug = false;
  if (!control.PutAnsname(demo::kSpreadsheetAnswer)) return -1;
  return control.ExcelGrade;
}

int16_t GradeOnce(sheetmark::SheetState& state) {
  return GradeOnce(state, Task().answerFolder, Task().candidateFolder);
}

// The workbook with a cell no rule reads set to `mark`, saved under another name: the same task
// in bytes the process has not seen.
bool WriteMarkedCopy(const fs::path& from, const fs::path& to, int mark) {
  excel::Application app;
  base::Result<excel::Workbook*> book = app.Workbooks().Open(win::ToWindowsPath(from));
  if (!book) return false;
  base::Result<excel::Range> cell = app.Range("Z99");
  return cell && cell->SetValue(vb::Variant::Double(mark)) &&
         (*book)->SaveAs(win::ToWindowsPath(to));
}

// More copies of the task than the kept grids, archives and scans hold, so that cycling
// through them makes every pass read its files as the first pass of a grading run does.
constexpr int kFreshCopies = 24;

struct FreshTask {
  sheetmark::testing::GradingFolders folders;
  std::string answerFolder = folders.Answer();
  std::string candidateFolder = folders.Candidate();
};

std::vector<std::unique_ptr<FreshTask>>& FreshTasks() {
  static std::vector<std::unique_ptr<FreshTask>> tasks = [] {
    std::vector<std::unique_ptr<FreshTask>> made;
    for (int k = 0; k < kFreshCopies; ++k) {
      auto task = std::make_unique<FreshTask>();
      if (!WriteMarkedCopy(Task().Answer(), task->folders.AnswerHost() / demo::kSpreadsheetAnswer,
                           k) ||
          !WriteMarkedCopy(Task().Candidate(),
                           task->folders.CandidateHost() / demo::kSpreadsheetWorkbook, k))
        return std::vector<std::unique_ptr<FreshTask>>{};
      made.push_back(std::move(task));
    }
    return made;
  }();
  return tasks;
}

void GradeDemoTask(benchmark::State& st) {
  sheetmark::SheetState state;
  for (auto _ : st) benchmark::DoNotOptimize(GradeOnce(state));
  if (GradeOnce(state) != demo::kSpreadsheetFullMarks) st.SkipWithError("the task did not score");
}
BENCHMARK(GradeDemoTask);

// The same pass on files never graded lately: what the first grading of a run costs.
void GradeDemoTaskFirstSight(benchmark::State& st) {
  const auto& tasks = FreshTasks();
  if (tasks.empty()) {
    st.SkipWithError("cannot write the copies");
    return;
  }
  sheetmark::SheetState state;
  size_t next = 0;
  int16_t points = 0;
  for (auto _ : st) {
    const FreshTask& task = *tasks[next++ % tasks.size()];
    points = GradeOnce(state, task.answerFolder, task.candidateFolder);
    benchmark::DoNotOptimize(points);
  }
  if (points != demo::kSpreadsheetFullMarks) st.SkipWithError("the task did not score");
}
BENCHMARK(GradeDemoTaskFirstSight);

void LoadAnswerWorkbook(benchmark::State& st) {
  sheetmark::SheetState state;
  for (auto _ : st) {
    benchmark::DoNotOptimize(
        engine::LoadAnswerTable(state.engine, Task().answerFolder, demo::kSpreadsheetAnswer));
  }
}
BENCHMARK(LoadAnswerWorkbook);

void OpenCandidateWorkbook(benchmark::State& st) {
  const std::string file = Task().candidateFolder + demo::kSpreadsheetWorkbook;
  for (auto _ : st) {
    excel::Application app;
    benchmark::DoNotOptimize(app.Workbooks().Open(file).has_value());
  }
}
BENCHMARK(OpenCandidateWorkbook);

// Microseconds per pass, over about `seconds`: the same files again, or (fresh) files cycled
// so that no kept data serves.
double TimeOurs(double seconds, bool fresh) {
  sheetmark::SheetState state;
  return base::testing::MicrosPerPass(seconds, [&](int run) {
    if (!fresh) return GradeOnce(state);
    const FreshTask& task = *FreshTasks()[static_cast<size_t>(run) % FreshTasks().size()];
    return GradeOnce(state, task.answerFolder, task.candidateFolder);
  });
}

// The peer's microseconds per pass; negative when it could not run.
double TimePeer(double seconds) {
  return base::testing::PeerMicrosPerPass(
      "/usr/bin/python3 '" KIRV_SOURCE_DIR "/grading/sheetmark/testing/openpyxl_peer.py' '" +
          Task().Answer().string() + "' '" + Task().Candidate().string() + "' " +
          std::to_string(seconds),
      "openpyxl peer");
}

}  // namespace

int main(int argc, char** argv) {
  win::SetMessageSink([](const win::MessageBoxRequest&) { return int{win::IDOK}; });
  bool peer = true;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--no-peer") == 0) peer = false;
  }
  if (!Task().ok) {
    std::cerr << "cannot write the demo task's workbooks\n";
    return 1;
  }
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  if (!peer) return 0;
  if (FreshTasks().empty()) {
    std::cerr << "cannot write the copies of the demo task\n";
    return 1;
  }
  const double ours = TimeOurs(3.0, false);
  const double first = TimeOurs(3.0, true);
  const double theirs = TimePeer(3.0);
  std::printf("\ndemo task, answer + candidate workbook, graded:  sheetmark %.1f us\n", ours);
  std::printf("the same on files not seen lately:               sheetmark %.1f us\n", first);
  if (theirs < 0) return 1;
  std::printf("the same two files loaded and read by openpyxl:  %.1f us\n", theirs);
  std::printf("ratio: %.0f times faster (%.0f on files not seen lately)\n", theirs / ours,
              theirs / first);
  return 0;
}
