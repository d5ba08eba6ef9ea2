// The grading record of training mode: StudentFolder + "评分记录.txt", the candidate's readable
// account of a grading run. It opens with two lines of notice; then each grader's debug log
// follows behind a separator block, in a fixed order, a missing log adding nothing. The record is
// built in memory and written as a whole new file renamed over the old one, and a log is deleted
// only once the record that holds its lines is on disk, so no line is ever lost between the two.
// The file is in GBK, lines ending CR LF; log lines are copied as their bytes are.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "platform/base/result.h"

inline constexpr std::string_view kGradingRecordName = "评分记录.txt";

// The debug logs gathered, in this order, under the candidate folder: single choice, desktop,
// word processor, spreadsheet, presentation, network part, web page.
inline constexpr std::array<std::string_view, 7> kGradingLogs = {
    "Selkt\\1234.txt",      "1234.txt",        "Wordkt\\docmark.txt", "Excelkt\\1234.txt",
    "Pptkt\\slidemark.txt", "Netkt\\1234.txt", "Fropkt\\webmark.TXT"};

class GradingRecord {
 public:
  // `studentFolder` ends with "\".
  explicit GradingRecord(const std::string& studentFolder);

  const std::string& Path() const { return path_; }
  // The record's bytes as they stand (GBK).
  const std::string& Text() const { return text_; }

  // Starts the record anew with the notice and writes it at once, so that no record of an earlier
  // run stays behind should this one stop early.
  base::Status Begin();
  // Takes one log into the record: a blank line, the separator line and a blank line, then the
  // log's lines. Nothing for a log that reads as missing (also one that is no regular file or a
  // link out of the candidate folder); an error for one that cannot be read.
  base::Status AppendGradingLog(const std::string& logPath);
  // Writes the record, then deletes the logs it took in. When the write fails, the logs stay.
  base::Status Finish();

 private:
  std::string studentFolder_;
  std::string path_;
  std::string text_;
  std::vector<std::string> taken_;
};
