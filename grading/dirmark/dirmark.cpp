// The file operation control's logic over platform/win.
#include "grading/dirmark/dirmark.h"

#include <cerrno>

#include "platform/win/attributes.h"
#include "platform/win/files.h"
#include "platform/win/folder_listing.h"
#include "platform/win/shell_file_op.h"

namespace dirmark {
namespace {

const char* Text(RunTimeError number) {
  switch (number) {
    case kInvalidCall:
      return "Invalid procedure call or argument";
    case kOverflow:
      return "Overflow";
    case kTypeMismatch:
      return "Type mismatch";
    case kBadFileName:
      return "Bad file name or number";
    case kFileNotFound:
      return "File not found";
    case kPathFileAccess:
      return "Path/File access error";
    case kPathNotFound:
      return "Path not found";
    case kNoSuchMember:
      return "Object doesn't support this property or method";
  }
  return "Application-defined or object-defined error";
}

// The run-time error a failed file call raises: a missing item is `missing` (file or path not
// found), a name no file may have is a bad file name, anything else an access error.
base::Error FromErrno(const base::Error& error, RunTimeError missing) {
  switch (error.code) {
    case ENOENT:
    case ENOTDIR:
      return RunTimeFailure(missing, error.message);
    case EINVAL:
    case ENAMETOOLONG:
      return RunTimeFailure(kBadFileName, error.message);
    default:
      return RunTimeFailure(kPathFileAccess, error.message);
  }
}

base::Status Raise(const base::Status& status, RunTimeError missing) {
  if (status) return base::Ok();
  return FromErrno(status.error(), missing);
}

}  // namespace

base::Error RunTimeFailure(RunTimeError number, std::string_view detail) {
  std::string text = Text(number);
  if (!detail.empty()) text += std::string(": ") + std::string(detail);
  return base::Error::WithCode(number, std::move(text));
}

void Dirmark::Changed(std::string_view property) const {
  if (changed_) changed_(property);
}

void Dirmark::put_dm_pFrom(std::string value) {
  pFrom_ = std::move(value);
  Changed("dm_pFrom");
}

void Dirmark::put_dm_pTo(std::string value) {
  pTo_ = std::move(value);
  Changed("dm_pTo");
}

void Dirmark::put_dm_Act(int32_t value) {
  act_ = value;
  Changed("dm_Act");
}

void Dirmark::put_dm_GetAttrib(int16_t value) {
  getAttrib_ = value;
  Changed("dm_GetAttrib");
}

void Dirmark::put_dm_FileName(std::string value) {
  fileName_ = std::move(value);
  Changed("dm_FileName");
}

void Dirmark::put_dm_IsExistFile(bool value) {
  isExistFile_ = value;
  Changed("dm_IsExistFile");
}

void Dirmark::put_dm_Cond(bool value) {
  cond_ = value;
  Changed("dm_Cond");
}

base::Status Dirmark::put_dm_OP(int32_t value) {
  op_ = value;
  Changed("dm_OP");
  return Dirmarkerater();
}

base::Status Dirmark::put_dm_FileAttrib(int16_t value) {
  fileAttrib_ = value;
  Changed("dm_FileAttrib");
  return IsExistFD();
}

base::Status Dirmark::put_dm_SetAttrib(int16_t value) {
  setAttrib_ = value;
  Changed("dm_SetAttrib");
  return SetAttrib();
}

base::Status Dirmark::put_dm_IsGet(bool value) {
  isGet_ = value;
  Changed("dm_IsGet");
  return value ? GetAttrib() : base::Ok();
}

base::Status Dirmark::put_dm_MkDir(bool value) {
  mkDir_ = value;
  Changed("dm_MkDir");
  return FoldOper();
}

base::Status Dirmark::put_dm_ChDir(bool value) {
  chDir_ = value;
  Changed("dm_ChDir");
  return FoldOper();
}

base::Status Dirmark::put_dm_RmDir(bool value) {
  rmDir_ = value;
  Changed("dm_RmDir");
  return FoldOper();
}

base::Status Dirmark::IsExistFD() {
  // The mask is the attribute word's bits, a negative one all of them.
  const base::Result<std::vector<std::string>> names =
      win::ListNames(fileName_, static_cast<uint16_t>(fileAttrib_));
  if (!names) return FromErrno(names.error(), kPathNotFound);
  isExistFile_ = !names->empty();
  return base::Ok();
}

base::Status Dirmark::Dirmarkerater() {
  if (act_ < INT16_MIN || act_ > INT16_MAX)
    return RunTimeFailure(kOverflow, "the flags " + std::to_string(act_) + " do not fit 16 bits");
  win::ShellFileOpRequest request;
  request.operation = static_cast<win::ShellOperation>(op_);
  // The platform reads these as lists ended by two NULs; here they are split explicitly, so a
  // text with one NUL or none is read to its end and no further.
  request.from = win::SplitPathList(pFrom_);
  request.to = win::SplitPathList(pTo_);
  request.flags = static_cast<uint16_t>(static_cast<int16_t>(act_));
  lastShellError_ = win::RunShellFileOperation(request);
  return base::Ok();
}

base::Status Dirmark::GetAttrib() {
  if (fileName_.empty()) return RunTimeFailure(kFileNotFound, "no file name");
  const base::Result<uint16_t> word = win::GetAttributeWord(fileName_);
  if (!word) return FromErrno(word.error(), kFileNotFound);
  getAttrib_ = static_cast<int16_t>(*word);
  return base::Ok();
}

base::Status Dirmark::SetAttrib() {
  if (fileName_.empty()) return RunTimeFailure(kFileNotFound, "no file name");
  return Raise(win::SetAttributeWord(fileName_, static_cast<uint16_t>(setAttrib_)), kFileNotFound);
}

base::Status Dirmark::FoldOper() {
  if (!mkDir_ && !chDir_ && !rmDir_) return base::Ok();
  if (fileName_.empty()) return RunTimeFailure(kPathNotFound, "no folder name");
  if (mkDir_) return Raise(win::MakeFolder(fileName_), kPathNotFound);
  if (chDir_) return Raise(win::ChangeFolder(fileName_), kPathNotFound);
  const base::Status removed = win::RemoveFolder(fileName_);
  // A file given as the folder is there, but cannot be removed as one.
  if (!removed && removed.error().code == ENOTDIR)
    return RunTimeFailure(kPathFileAccess, removed.error().message);
  return Raise(removed, kPathNotFound);
}

void Dirmark::InitNew() {
  Load(Persisted{});
}

Dirmark::Persisted Dirmark::Save() const {
  return {act_,        op_,          pFrom_, pTo_,   fileName_, getAttrib_, setAttrib_,
          fileAttrib_, isExistFile_, isGet_, mkDir_, chDir_,    rmDir_};
}

void Dirmark::Load(const Persisted& v) {
  act_ = v.act;
  op_ = v.op;
  pFrom_ = v.pFrom;
  pTo_ = v.pTo;
  fileName_ = v.fileName;
  getAttrib_ = v.getAttrib;
  setAttrib_ = v.setAttrib;
  fileAttrib_ = v.fileAttrib;
  isExistFile_ = v.isExistFile;
  isGet_ = v.isGet;
  mkDir_ = v.mkDir;
  chDir_ = v.chDir;
  rmDir_ = v.rmDir;
}

}  // namespace dirmark
