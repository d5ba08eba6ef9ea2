// Scores by question type, the debug log, and the engine's error message boxes.
#pragma once

#include <cstdint>
#include <memory>
#include <string_view>

namespace engine {

struct EngineState;
struct KeptLogFile;

// Adds the row's points to its question type's awarded total when `passed` is true (a sum that
// would leave the 16-bit range leaves the total unchanged), lets the host pump its messages, and
// logs the row when DebugFlag is set.
void AddScore(EngineState& state, int16_t points, int16_t questionType, int16_t passed,
              std::string_view text);

// awarded / fullMarks x 100 to three decimals, halves to the even digit, computed exactly;
// fullMarks must not be 0.
double Percentage(int16_t awarded, int16_t fullMarks);

// Appends "text points 分" and CR LF, in GBK, to CheckPath + DebugLogName, never through a
// link, into a FIFO or into a check folder that leads out of the candidate folder; failures are
// ignored.
void WriteDebugLog(const EngineState& state, std::string_view text, int16_t points);

// Appends the line and CR LF, in GBK, to the same log while DebugFlag is set: what the control
// has to tell of a grading (in place of a box that would stop it). Outside debug mode the
// candidate's folder gains no log.
void WriteLogLine(const EngineState& state, std::string_view line);

// Keeps the log of `state` open from its first line until the object ends (a grading): one open
// a grading instead of one a line. Each line is still written at once, so a crash loses none;
// a log the candidate swaps for a link meanwhile is written to as the file it was when opened.
class KeptLog {
 public:
  explicit KeptLog(EngineState& state);
  KeptLog(const KeptLog&) = delete;
  KeptLog& operator=(const KeptLog&) = delete;
  ~KeptLog();

 private:
  EngineState& state_;
  std::unique_ptr<KeptLogFile> file_;
};

// The engine's modal error box: title "错误——" + word, the prompt + "，请与开发人员联系！", OK
// only.
void ShowEngineError(std::string_view titleWord, std::string_view prompt);

}  // namespace engine
