// Moving a candidate between exam machines (see candidate_transfer.h).
#include "client/proctor/candidate_transfer.h"

#include "client/common/system_utils.h"
#include "client/exam/login.h"
#include "client/exam/login_host.h"
#include "client/grading/process_sweep.h"
#include "client/store/ado_exam_store.h"
#include "platform/win/attributes.h"
#include "platform/win/files.h"
#include "platform/win/paths.h"

namespace {

constexpr uint32_t kHiddenCopy = win::FILE_ATTRIBUTE_READONLY | win::FILE_ATTRIBUTE_HIDDEN;

// Removes a folder when the operation ends, however it ended.
struct RemoveAfter {
  LoginHost& host;
  std::string folder;
  ~RemoveAfter() { host.RemoveFolder(folder); }
};

}  // namespace

std::string QuoteArgument(std::string_view text) {
  std::string quoted = "\"";
  for (char ch : text) quoted += ch == '"' ? std::string("\"\"") : std::string(1, ch);
  return quoted + "\"";
}

std::string PackCommand(std::string_view programFolder, std::string_view archive,
                        std::string_view folder) {
  return std::string(programFolder) + "7za.exe a " + QuoteArgument(archive) + " " +
         QuoteArgument(folder);
}

std::string UnpackAllCommand(std::string_view programFolder, std::string_view archive,
                             std::string_view folder) {
  return std::string(programFolder) + "7za.exe x -aoa " + QuoteArgument(archive) + " -o" +
         QuoteArgument(folder) + " ";
}

std::string PackageCode(std::string_view packagePath) {
  std::string name = win::FileNamePart(packagePath);
  if (const size_t dot = name.rfind('.'); dot != std::string::npos) name.resize(dot);
  return name;
}

void CandidateTransfer::Export(const Selection& selection) {
  const auto code = c_.Selected(selection, proctor_text::NoExportSelection);
  if (!code) return;
  c_.Show(std::string(proctor_text::ExportNotice));
  if (!c_.AskOkCancel(std::string(proctor_text::ExportQuestion))) return;
  const auto folder = c_.StudentFolder(*code);
  if (!folder) return;
  std::optional<std::string> target =
      c_.Ui().ChooseFolder(std::string(proctor_text::ExportFolderTitle));
  if (!target || target->empty()) return;
  HostProcesses processes;
  KillListedProcesses(c_.Session().KillProcessList(), processes);
  if (!win::IsFolder(*folder)) {
    c_.Show(std::string(proctor_text::NoCandidateFolder) + *folder);
    return;
  }

  // The database as it is now, replacing the read-only copy of an earlier export.
  SystemLoginHost host;
  const std::string copy = *folder + "log\\KIRV.mdb";
  base::Status copied = host.MakeDirPath(*folder + "log");
  if (copied) copied = c_.Store().CopyDatabase(copy);
  if (!copied) {
    c_.Show(std::string(proctor_text::DatabaseNotCopied) + copy + "\n" + copied.error().message);
    return;
  }
  win::SetFileAttributes(copy, kHiddenCopy);

  // An archive left by an earlier attempt would be updated rather than made anew.
  const std::string archive = *folder + *code + ".zip";
  win::DeleteFile(archive);
  const std::string& program = c_.Session().ProgramFolder();
  if (!host.RunAndWait(PackCommand(program, archive, *folder), program) ||
      !win::PathExists(archive)) {
    win::DeleteFile(archive);
    c_.Show(std::string(proctor_text::NotPacked));
    return;
  }
  if (target->back() != '\\') *target += "\\";
  const std::string package = *target + *code + ".zip";
  const bool delivered = win::CopyFile(archive, package, false);
  win::DeleteFile(archive);
  c_.Show(delivered ? std::string(proctor_text::Exported)
                    : std::string(proctor_text::PackageNotCopied) + package);
}

bool CandidateTransfer::Import() {
  const std::optional<std::string> package =
      c_.Ui().ChooseFileToOpen(std::string(proctor_text::PackageFilter));
  if (!package) return false;
  const std::string code = PackageCode(*package);
  const auto folder = c_.StudentFolder(code);
  if (!folder) return false;

  // Unpacked beside the candidate folders first, so that only the candidate's own folder of the
  // package reaches the root, and only once its database has been read.
  SystemLoginHost host;
  const std::string stamp = host.Timestamp();
  const RemoveAfter staging{host, StagingFolder(*folder, stamp, "import")};
  const std::string& program = c_.Session().ProgramFolder();
  host.RunAndWait(UnpackAllCommand(program, *package, staging.folder), program);
  const std::string unpacked = staging.folder + code + "\\";
  if (!win::IsFolder(unpacked)) {
    c_.Show(std::string(proctor_text::NotUnpacked));
    return false;
  }

  CandidateRecord record;
  {
    AdoExamStore packaged;
    if (!packaged.Open(unpacked + "log\\KIRV.mdb")) {
      c_.Show(std::string(proctor_text::PackageDbFailed));
      return false;
    }
    const base::Result<std::optional<CandidateRecord>> row = packaged.FindCandidate(code);
    packaged.Close();
    if (!row || !*row) {
      c_.Show(row ? std::string(proctor_text::NotInPackage) : row.error().message);
      return false;
    }
    record = **row;
  }

  std::string aside;
  if (FileExists(*folder)) {
    aside = BackupFolderName(*folder, stamp);
    if (!host.RenameFile(*folder, aside)) {
      c_.Show(std::string(proctor_text::OldFolderStays) + *folder);
      return false;
    }
  }
  auto undo = [&] {
    host.RemoveFolder(*folder);
    if (!aside.empty()) host.RenameFile(aside, *folder);
  };
  if (!host.RenameFile(unpacked, *folder)) {
    undo();
    c_.Show(std::string(proctor_text::NotUnpacked));
    return false;
  }
  const base::Result<bool> known = c_.Store().RowExists(code);
  const base::Status written = !known   ? base::Status(known.error())
                               : *known ? c_.Store().UpdateTransferred(record)
                                        : c_.Store().InsertTransferred(record);
  if (!written) {
    undo();
    c_.Show(written.error().message);
    return false;
  }
  win::SetFileAttributes(*folder + "log\\KIRV.mdb", kHiddenCopy);
  c_.Show("成功导入 " + code + " 的考生考试信息\n现在可以返回登录界面登录继续考试!");
  return true;
}
