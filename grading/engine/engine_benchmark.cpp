// Cost of grading one answer workbook: load a 100-row workbook from its .xlsx file into the
// grid and evaluate every row against a test hook; and loading the same workbook saved in the
// binary format (testdata/benchmark_answer.xls, made from this one by LibreOffice Calc). Run with
// "--write <file>" to only write the workbook, for comparing other readers on the same file.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iostream>
#include <iterator>

#include "grading/engine/answer_grid.h"
#include "grading/engine/engine_state.h"
#include "grading/engine/evaluator.h"
#include "platform/office/excel/application.h"
#include "platform/office/excel/testing/xlsx_writer.h"
#include "platform/vb/strings.h"
#include "platform/win/message_box.h"
#include "platform/win/paths.h"

namespace {

bool WriteWorkbook(const std::filesystem::path& file) {
  excel::testing::XlsxContent content;
  std::vector<std::vector<std::string>> rows = {{"filename", "a.pptx", "", "100"}};
  for (int r = 2; r <= 100; ++r) {
    std::vector<std::string> row;
    if (r % 3 == 0) row.push_back("");  // a level-2 row
    for (const char* cell : {"CHECKA", "Title", "宋体", "and", "not", "CHECKB", "2", "or", "(",
                             "CHECKC", "3.5", ")", "1"}) {
      row.push_back(cell);
    }
    row.push_back("第" + std::to_string(r) + "题");
    rows.push_back(row);
  }
  content.sheets = {excel::testing::TextSheet("Sheet1", rows, content.sharedStrings)};
  if (base::Status written = excel::testing::WriteXlsx(file, content); !written) {
    std::cerr << written.error().message << "\n";
    return false;
  }
  return true;
}

void InstallHooks(engine::EngineState& state) {
  state.IsCheckKeyword = [](std::string& token) {
    token = vb::UCase(token);
    return token == "CHECKA" || token == "CHECKB" || token == "CHECKC";
  };
  state.RunCheck = [&state](std::string& token) -> int16_t {
    const int args = token == "CHECKA" ? 2 : 1;
    std::string last;
    for (int i = 0; i < args; ++i) last = engine::NextCell(state);
    return token == "CHECKB" ? 0 : 1;
  };
}

class Workbook : public benchmark::Fixture {
 public:
  void SetUp(const benchmark::State&) override {
    tmp_ = std::make_unique<excel::testing::TempFolder>("engine_benchmark");
    std::filesystem::create_directories(tmp_->Path() / "c");
    setenv("KIRV_DRIVE_C", (tmp_->Path() / "c").c_str(), 1);
    WriteWorkbook(tmp_->Path() / "answer.xlsx");
    std::filesystem::copy_file(std::filesystem::path(KIRV_ENGINE_TESTDATA) / "benchmark_answer.xls",
                               tmp_->Path() / "answer.xls",
                               std::filesystem::copy_options::overwrite_existing);
    folder_ = win::ToWindowsPath(tmp_->Path()) + "\\";
    win::SetMessageSink([](const win::MessageBoxRequest&) { return int{win::IDOK}; });
  }
  void TearDown(const benchmark::State&) override { tmp_.reset(); }

 protected:
  std::unique_ptr<excel::testing::TempFolder> tmp_;
  std::string folder_;
};

BENCHMARK_F(Workbook, LoadAndEvaluate)(benchmark::State& st) {
  engine::EngineState state;
  InstallHooks(state);
  for (auto _ : st) {
    if (!engine::LoadAnswerTable(state, folder_, "answer.xlsx")) st.SkipWithError("load failed");
    state.GridRow = 1;
    state.TypeScores.clear();
    engine::RunRuleRows(state);
    benchmark::DoNotOptimize(state.TypeScores[41].awarded);
  }
}

// A load as each grading makes it: the file read and compared with the grid kept for its bytes.
void Load(benchmark::State& st, const std::string& folder, const char* name) {
  engine::EngineState state;
  for (auto _ : st) {
    if (!engine::LoadAnswerTable(state, folder, name)) st.SkipWithError("load failed");
  }
}

BENCHMARK_F(Workbook, LoadOnly)(benchmark::State& st) {
  Load(st, folder_, "answer.xlsx");
}

BENCHMARK_F(Workbook, LoadOnlyBinary)(benchmark::State& st) {
  Load(st, folder_, "answer.xls");
}

// The first load of a workbook: its bytes opened as a workbook and the grid read from it.
void OpenAndRead(benchmark::State& st, const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  engine::EngineState state;
  for (auto _ : st) {
    excel::Application app;
    if (!app.Workbooks().OpenBytes("C:\\answer", bytes) || !engine::ReadAnswerGrid(state, app))
      st.SkipWithError("read failed");
    benchmark::DoNotOptimize(state.AnswerGrid.Cell(100, 2));
  }
}

BENCHMARK_F(Workbook, FirstLoad)(benchmark::State& st) {
  OpenAndRead(st, tmp_->Path() / "answer.xlsx");
}

BENCHMARK_F(Workbook, FirstLoadBinary)(benchmark::State& st) {
  OpenAndRead(st, tmp_->Path() / "answer.xls");
}

BENCHMARK_F(Workbook, EvaluateOnly)(benchmark::State& st) {
  engine::EngineState state;
  InstallHooks(state);
  engine::LoadAnswerTable(state, folder_, "answer.xlsx");
  for (auto _ : st) {
    state.GridRow = 1;
    state.TypeScores.clear();
    engine::RunRuleRows(state);
    benchmark::DoNotOptimize(state.TypeScores[41].awarded);
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 3 && std::strcmp(argv[1], "--write") == 0) return WriteWorkbook(argv[2]) ? 0 : 1;
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
