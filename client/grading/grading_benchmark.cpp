// Cost of one grading run as the dialog makes it, on the client's side: the paper list and the
// answer items read from an exam database, the single-choice record against the key, one control
// of each kind created by class id, called and destroyed (stand-ins that answer at once, so that
// the office work of the real controls is not in the figure), the score scrambled and stored.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>

#include "client/exam/exam_session.h"
#include "client/grading/grading_flow.h"
#include "client/store/ado_exam_store.h"
#include "client/store/db/exam_database.h"
#include "client/testing/null_grading_system.h"
#include "platform/com/library.h"
#include "platform/win/testing/test_folder.h"

namespace {

namespace fs = std::filesystem;

struct QuietWindow : ScoreDlgWindow {
  void Show(const ScoreDlgState&) override {}
  void Message(const std::string& text) override { std::cerr << text << "\n"; }
  void StartTimer(int, int) override {}
  void StopTimer(int) override {}
  void EndDialog(int) override {}
  com::WindowHandle ControlParent() override { return this; }
};

void BM_GradeAll(benchmark::State& state) {
  const fs::path root = win::testing::MakeTempFolder("grading_benchmark_");
  fs::create_directories(root / "db");
  fs::create_directories(root / "Data" / "Answer");
  fs::create_directories(root / "exam" / "0101" / "Selkt");
  std::ofstream(root / "KIRV.ini") << "[KIRV]\r\n";
  std::ofstream(root / "Data" / "Answer" / "Sel.ans") << "q01:B\r\nq02:C\r\nq03:A\r\n";
  std::ofstream(root / "exam" / "0101" / "Selkt" / "0101.txt") << "q01:B\nq02:A\nq03:A\n";
  setenv("KIRV_PROGRAM_FOLDER", root.c_str(), 1);
  setenv("KIRV_REGISTRY", (root / "registry.ini").c_str(), 1);
  auto library = com::LoadControlLibrary(KIRV_SCRIPTED_CONTROLS);
  if (!library || !(*library)->RegisterServer()) {
    state.SkipWithError("the stand-in controls could not be registered");
    return;
  }
  PathGlobals paths = InitPaths();
  if (const base::Status created = CreateExamDatabase(paths.ProgramFolder + "db\\kirv.mdb");
      !created) {
    state.SkipWithError(("no exam database: " + created.error().message).c_str());
    return;
  }
  ExamSession session;
  session.Start(paths);
  CAdoConnection& db = static_cast<AdoExamStore&>(session.Store()).Connection();
  for (const char* sql :
       {"insert into [Stu](examcode, Papers, State) values ('0101', "
        "'0-q01,q02,q03|1-1|2-2|3-3|4-4|5-5|6-6', 1)",
        "insert into [Paper](PaperID, ModuleID, AnsFile) values (1, 1, '90.xls*1')",
        "insert into [Paper](PaperID, ModuleID, AnsFile) values (2, 2, '80.xls*0.5|70.xls*0.5')",
        "insert into [Paper](PaperID, ModuleID, AnsFile) values (3, 3, '8of10.xls*1')",
        "insert into [Paper](PaperID, ModuleID, AnsFile) values (4, 4, '60.xls*1')",
        "insert into [Paper](PaperID, ModuleID, AnsFile) values (5, 5, 'n*1')",
        "insert into [Paper](PaperID, ModuleID, AnsFile) values (6, 6, '50.xls*1')"})
    db.Execute(sql);
  QuietWindow window;
  NullGradingSystem machine;
  GradingFlow flow(session, {"0101", paths.ProgramFolder + "exam\\0101\\"}, window, machine);
  for (auto _ : state) benchmark::DoNotOptimize(flow.GradeAll("0101"));
  session.Close();
  win::testing::RemoveTempFolder(root);
}
BENCHMARK(BM_GradeAll)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
