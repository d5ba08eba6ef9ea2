// The seating import: the candidate list of this machine taken from a database the seating
// system exported (a Jet .mdb made by another program, opened read-only, or one of ours). The
// settings name its table ([KIRV] SourceTable, "xuesheng" by default) and which of its fields
// go to which [Stu] fields (SourceField and DestField, comma-separated, the first source field
// holding the exam code). Room, session and seat come from the exam code unless the source
// fields name a room (考场).
//
// Every source row is read before anything is written; the first write that fails says why and
// ends the import.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "client/proctor/proctor_context.h"
#include "platform/base/result.h"

namespace proctor_text {
inline constexpr std::string_view SeatingFilter =
    "考生信息数据库 (*.mdb)|*.mdb|All Files (*.*)|*.*||";
inline constexpr std::string_view SeatingNotOpened =
    "考生数据库连接失败，请确保导入库为考场编排系统导出的考生库";
inline constexpr std::string_view SeatingEmpty = "考生信息库中没有数据！";
inline constexpr std::string_view SeatingNotRead = "读取考生信息库出错：";
inline constexpr std::string_view FieldListsDiffer =
    "KIRV.ini 中 SourceField 与 DestField 的字段个数不一致或为空，无法导入";
inline constexpr std::string_view ClearQuestion =
    "数据库中已经存在考生信息,要清空吗?\n如果是第一次导入请选择 是\n如果追加考生信息请选择 否";
inline constexpr std::string_view Clearing = "正在清除原有纪录,请稍候 ...";
inline constexpr std::string_view ClearFailed = "清除原有记录失败\n";
inline constexpr std::string_view Importing = "正在导入考生库，请稍候 ...";
inline constexpr std::string_view RowNotWritten = "导入考生信息出错：";
}  // namespace proctor_text

// The error code of ReadSeatingRows when the file does not open as a database.
inline constexpr int kSeatingFileNotOpened = -1;

// The values of the named fields of every row of a table in a database file (Windows-form
// path), opened read-only; values as text. An error with the provider's text when the file
// (kSeatingFileNotOpened), the table or a field cannot be read.
base::Result<std::vector<std::vector<std::string>>> ReadSeatingRows(
    const std::string& path, const std::string& table, const std::vector<std::string>& fields);

// The [Stu] fields one source row is written as: source field i to destination field i, and
// after the first (the exam code) Room, Session and Seat cut from it unless `fromCode` is false.
std::vector<FieldValue> SeatingFields(const std::vector<std::string>& destFields,
                                      const std::vector<std::string>& values, bool fromCode);

class SeatingImport {
 public:
  explicit SeatingImport(ProctorContext& context) : c_(context) {}

  // OnImportCandidateDb. True when the exam database changed (the list is reloaded).
  bool Run();

 private:
  ProctorContext& c_;
};
