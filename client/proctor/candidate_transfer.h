// Moving a candidate to another exam machine: his folder packed with a copy of this machine's
// exam database (log\KIRV.mdb, read-only and hidden) into <exam code>.zip with 7-Zip, and on
// the other machine the package unpacked into the candidate root and his row taken from the
// database inside it, so that he resumes at the login with his time and paper.
//
// The import reads the package's own database and puts it in place whole: a folder the
// candidate had on this machine before is renamed aside (as the login does), never mixed with
// the package's files, and is put back when the import fails.
#pragma once

#include <string>
#include <string_view>

#include "client/proctor/proctor_context.h"

namespace proctor_text {
inline constexpr std::string_view NoExportSelection = "请选中要转移考试机的考生";
inline constexpr std::string_view ExportNotice =
    "注意：\n导出考生数据时请关闭所有打开的相关文档窗口\n"
    "导出的数据必须在其他考试机上导入之后考生才能继续考试。";
inline constexpr std::string_view ExportQuestion =
    "当所有文档窗口关闭后点击 [确定] 开始导出，取消导出请点击 [取消]";
inline constexpr std::string_view ExportFolderTitle = "请选择考生信息打包后放置的文件夹";
inline constexpr std::string_view NoCandidateFolder = "考生目录不存在：";
inline constexpr std::string_view DatabaseNotCopied = "无法复制考试数据库到考生目录：";
inline constexpr std::string_view Exported = "考生考试信息导出完成，可以到其他机器上导入继续考试";
inline constexpr std::string_view NotPacked = "考生目录压缩失败";
inline constexpr std::string_view PackageNotCopied = "无法复制考生数据包到 ";
inline constexpr std::string_view PackageFilter =
    "考生考试信息压缩包 (*.zip)|*.zip|All Files (*.*)|*.*||";
inline constexpr std::string_view NotUnpacked = "考生目录释放失败";
inline constexpr std::string_view PackageDbFailed = "考生信息数据库连接失败";
inline constexpr std::string_view NotInPackage = "该考生库中没有该考生数据！";
inline constexpr std::string_view OldFolderStays = "无法移走原有考生目录 ";
}  // namespace proctor_text

// A command-line argument in double quotes, each quote inside doubled.
std::string QuoteArgument(std::string_view text);

// The 7-Zip command lines: pack a folder into an archive, unpack an archive into a folder
// (overwriting what is there).
std::string PackCommand(std::string_view programFolder, std::string_view archive,
                        std::string_view folder);
std::string UnpackAllCommand(std::string_view programFolder, std::string_view archive,
                             std::string_view folder);

// The exam code a package stands for: its file name without folder and extension.
std::string PackageCode(std::string_view packagePath);

class CandidateTransfer {
 public:
  explicit CandidateTransfer(ProctorContext& context) : c_(context) {}

  // OnExportCandidate: <exam code>.zip in a folder the proctor chooses.
  void Export(const Selection& selection);
  // OnImportCandidate: a package the proctor chooses taken over. True when the row changed.
  bool Import();

 private:
  ProctorContext& c_;
};
