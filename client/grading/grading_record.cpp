// The training-mode grading record (see grading_record.h).
#include "client/grading/grading_record.h"

#include "client/common/file_read.h"
#include "client/common/file_write.h"
#include "client/common/system_utils.h"
#include "platform/win/attributes.h"
#include "platform/win/codepage.h"
#include "platform/win/confined_file.h"
#include "platform/win/files.h"
#include "platform/win/paths.h"

namespace {

constexpr std::string_view kNotice =
    "以下评分记录仅供参考，并非正常开发的功能，因此注意如下事项：\r\n"
    "判分项只要有分值即说明操作正确，0分则说明操作错误！\r\n";

constexpr std::string_view kSeparator =
    "※※※※※※※※※※※※※※※※※※※※※※※※※※※模※块※分※割※线※※※※※※※※※※※※※※※※※※※※※※※※※\r\n";

}  // namespace

GradingRecord::GradingRecord(const std::string& studentFolder)
    : studentFolder_(studentFolder), path_(studentFolder + std::string(kGradingRecordName)) {}

base::Status GradingRecord::Begin() {
  text_ = win::Utf8ToGbk(kNotice);
  taken_.clear();
  return WriteFileAtomically(path_, text_, win::FILE_ATTRIBUTE_NORMAL);
}

base::Status GradingRecord::AppendGradingLog(const std::string& logPath) {
  base::Result<std::string> log = win::ReadConfinedFile(
      win::ToHostPath(logPath), win::ToHostPath(studentFolder_), win::kTextFileCap);
  if (!log) return win::ReadsAsMissing(log.error()) ? base::Ok() : base::Status(log.error());
  text_ += " \r\n" + win::Utf8ToGbk(kSeparator) + " \r\n";
  for (const std::string& line : SplitTextLines(*log)) text_ += line + "\r\n";
  taken_.push_back(logPath);
  return base::Ok();
}

base::Status GradingRecord::Finish() {
  if (base::Status written = WriteFileAtomically(path_, text_, win::FILE_ATTRIBUTE_NORMAL);
      !written)
    return written;
  for (const std::string& log : taken_) win::DeleteFile(log);
  taken_.clear();
  return base::Ok();
}
