// Fuzz target for the answer-workbook path: arbitrary package bytes, arbitrary sheet, string and
// style XML inside a well-formed package, and arbitrary cell texts, all loaded into the grid and
// run through the row loop with a keyword hook that consumes argument cells. Nothing may crash,
// hang or leak.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "grading/engine/answer_grid.h"
#include "grading/engine/engine_state.h"
#include "grading/engine/evaluator.h"
#include "platform/office/excel/testing/xlsx_writer.h"
#include "platform/vb/strings.h"
#include "platform/win/message_box.h"
#include "platform/win/paths.h"

namespace {

// The files of one input live in a folder of the build tree (the test's working folder), reused
// by every run, so nothing is left behind however the fuzzer ends.
const std::filesystem::path& Folder() {
  static const std::filesystem::path folder = [] {
    const char* base = std::getenv("KIRV_TEST_TMP");
    std::error_code ec;
    std::filesystem::path dir =
        (base != nullptr ? std::filesystem::path(base) : std::filesystem::current_path(ec)) /
        "engine_fuzz_tmp";
    std::filesystem::create_directories(dir / "c", ec);
    setenv("KIRV_DRIVE_C", (dir / "c").c_str(), 1);
    win::SetMessageSink([](const win::MessageBoxRequest&) { return int{win::IDOK}; });
    return dir;
  }();
  return folder;
}

// Keywords "K0" to "K9": Kn reads n argument cells and answers 1, 0, -1 or a damaged 2.
void InstallHooks(engine::EngineState& state) {
  state.IsCheckKeyword = [](std::string& token) {
    token = vb::UCase(token);
    return token.size() == 2 && token[0] == 'K' && token[1] >= '0' && token[1] <= '9';
  };
  state.RunCheck = [&state](std::string& token) -> int16_t {
    const int n = token[1] - '0';
    for (int i = 0; i < n; ++i) engine::NextCell(state);
    static constexpr int16_t kAnswers[] = {1, 0, 1, 0, 1, -1, 1, 0, 2, 1};
    return kAnswers[n];
  };
}

void Grade(engine::EngineState& state) {
  state.GridRow = 1;
  state.GridColumn = 0;
  engine::NextCell(state);
  engine::RunRuleRows(state);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::filesystem::path& dir = Folder();
  if (size == 0) return 0;
  const std::string input(reinterpret_cast<const char*>(data + 1), size - 1);
  engine::EngineState state(static_cast<engine::ControlKind>(data[0] % 3));
  InstallHooks(state);
  const std::string folder = win::ToWindowsPath(dir) + "\\";

  switch (data[0] / 3 % 3) {
    case 0: {  // the bytes are the answer workbook file
      std::ofstream(dir / "raw.xlsx", std::ios::binary | std::ios::trunc) << input;
      engine::LoadAnswerTable(state, folder, "raw.xlsx");
      engine::ReadStudentFileName(state, folder, "raw.xlsx");
      break;
    }
    case 1: {  // sheet rows, shared strings and styles, split at NUL, in a real package
      excel::testing::XlsxContent content;
      const size_t a = input.find('\0');
      const size_t b = a == std::string::npos ? a : input.find('\0', a + 1);
      content.sheets = {excel::testing::Sheet("S", input.substr(0, a))};
      if (a != std::string::npos) content.sharedStrings = {input.substr(a + 1, b - a - 1)};
      if (b != std::string::npos) content.styles = input.substr(b + 1);
      content.activeTab = 0;
      if (!excel::testing::WriteXlsx(dir / "xml.xlsx", content)) return 0;
      engine::LoadAnswerTable(state, folder, "xml.xlsx");
      break;
    }
    default: {  // cell texts: cells split at tabs, rows at line feeds
      int row = 1, column = 1;
      std::string cell;
      for (char c : input) {
        if (c == '\t' || c == '\n') {
          state.AnswerGrid.SetCell(row, column, cell);
          cell.clear();
          if (c == '\t') {
            ++column;
          } else {
            ++row;
            column = 1;
          }
        } else {
          cell += c;
        }
      }
      state.AnswerGrid.SetCell(row, column, cell);
      break;
    }
  }
  Grade(state);
  std::error_code ec;
  std::filesystem::remove(dir / "raw.xlsx", ec);
  std::filesystem::remove(dir / "xml.xlsx", ec);
  return 0;
}
