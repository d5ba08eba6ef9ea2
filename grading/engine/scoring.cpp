// AddScore, the debug log and the engine's messages.
#include "grading/engine/scoring.h"

#include <filesystem>
#include <string>

#include "grading/engine/engine_state.h"
#include "platform/vb/interaction.h"
#include "platform/win/codepage.h"
#include "platform/win/confined_file.h"
#include "platform/win/message_box.h"
#include "platform/win/paths.h"

namespace engine {

void AddScore(EngineState& state, int16_t points, int16_t questionType, int16_t passed,
              std::string_view text) {
  vb::PumpMessages();
  const int16_t awarded = passed != kFalse ? points : int16_t{0};
  vb::PumpMessages();
  int16_t& total = state.TypeScores[questionType].awarded;
  const int sum = total + awarded;
  if (sum >= INT16_MIN && sum <= INT16_MAX) total = static_cast<int16_t>(sum);
  vb::PumpMessages();
  vb::PumpMessages();
  vb::PumpMessages();
  if (state.DebugFlag != kFalse) WriteDebugLog(state, text, awarded);
}

double Percentage(int16_t awarded, int16_t fullMarks) {
  // In thousandths of a percent, as a fraction n / d with d > 0.
  int64_t n = int64_t{awarded} * 100000;
  int64_t d = fullMarks;
  if (d < 0) n = -n, d = -d;
  int64_t q = n / d, r = n % d;
  if (r < 0) q -= 1, r += d;  // q is now the floor
  if (2 * r > d || (2 * r == d && q % 2 != 0)) q += 1;
  return static_cast<double>(q) / 1000.0;
}

void WriteDebugLog(const EngineState& state, std::string_view text, int16_t points) {
  WriteLogLine(state, std::string(text) + " " + std::to_string(points) + " 分");
}

// The log a KeptLog holds open, the Windows-form path it was opened for and the check folder it
// lies in.
struct KeptLogFile {
  std::string path;
  std::filesystem::path host;
  base::Result<win::ConfinedFolder> folder = base::Error::Of("not resolved");
  win::LogFile file;
};

void WriteLogLine(const EngineState& state, std::string_view line) {
  if (state.DebugFlag == kFalse) return;
  // The log lies in the check folder: a link or a FIFO there is skipped, and so is a check folder
  // that leads out of the candidate folder; grading goes on.
  const std::string path = state.CheckPath + state.DebugLogName;
  const std::string bytes = win::Utf8ToGbk(line) + "\r\n";
  if (KeptLogFile* kept = state.KeptLog) {
    if (kept->path != path || kept->host.empty()) {
      kept->path = path;
      kept->host = win::ToHostPath(path);
      kept->folder = win::ConfinedFolder::OfCheckFolder(kept->host.parent_path());
    }
    if (kept->folder) (void)kept->file.Append(kept->host, bytes, &*kept->folder);
    return;
  }
  const std::filesystem::path host = win::ToHostPath(path);
  if (base::Result<win::ConfinedFolder> folder =
          win::ConfinedFolder::OfCheckFolder(host.parent_path()))
    (void)win::AppendToLogFile(host, bytes, false, &*folder);
}

KeptLog::KeptLog(EngineState& state) : state_(state), file_(std::make_unique<KeptLogFile>()) {
  state_.KeptLog = file_.get();
}

KeptLog::~KeptLog() {
  state_.KeptLog = nullptr;
}

void ShowEngineError(std::string_view titleWord, std::string_view prompt) {
  vb::MsgBox(std::string(prompt) + "，请与开发人员联系！", win::MB_OK,
             "错误——" + std::string(titleWord));
}

}  // namespace engine
