// The file operation control: its dispatch table and its operations over platform/win.
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
    case kOverflow:
      return "Overflow";
    case kBadFileName:
      return "Bad file name or number";
    case kFileNotFound:
      return "File not found";
    case kPathFileAccess:
      return "Path/File access error";
    case kPathNotFound:
      return "Path not found";
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

const com::DispatchTable<Dirmark>& Dirmark::Table() {
  using T = com::DispatchTable<Dirmark>;
  using D = Dirmark;
  static const T table{
      // Property bag order; dm_Cond is not kept.
      T::Property(DISPID_dm_Act, "dm_Act", &D::dm_Act).Persist("dm_Act", 0),
      T::Property(DISPID_dm_pFrom, "dm_pFrom", &D::dm_pFrom).Persist("dm_pFrom", ""),
      T::Property(DISPID_dm_pTo, "dm_pTo", &D::dm_pTo).Persist("dm_pTo", ""),
      T::Property(DISPID_dm_OP, "dm_OP", &D::dm_OP).AfterPut(&D::Dirmarkerater).Persist("dm_OP", 0),
      T::Property(DISPID_dm_GetAttrib, "dm_GetAttrib", &D::dm_GetAttrib).Persist("dm_GetAttrib", 0),
      T::Property(DISPID_dm_SetAttrib, "dm_SetAttrib", &D::dm_SetAttrib)
          .AfterPut(&D::SetAttrib)
          .Persist("dm_SetAttrib", 0),
      T::Property(DISPID_dm_FileName, "dm_FileName", &D::dm_FileName).Persist("dm_FileName", ""),
      T::Property(DISPID_dm_FileAttrib, "dm_FileAttrib", &D::dm_FileAttrib)
          .AfterPut(&D::IsExistFD)
          .Persist("dm_FileAttrib", 0),
      T::Property(DISPID_dm_IsExistFile, "dm_IsExistFile", &D::dm_IsExistFile)
          .Persist("dm_IsExistFile", false),
      T::Property(DISPID_dm_IsGet, "dm_IsGet", &D::dm_IsGet)
          .AfterPut(&D::GetAttribWhenAsked)
          .Persist("dm_IsGet", false),
      T::Property(DISPID_dm_MkDir, "dm_MkDir", &D::dm_MkDir)
          .AfterPut(&D::FoldOper)
          .Persist("dm_MkDir", false),
      T::Property(DISPID_dm_ChDir, "dm_ChDir", &D::dm_ChDir)
          .AfterPut(&D::FoldOper)
          .Persist("dm_ChDir", false),
      T::Property(DISPID_dm_RmDir, "dm_RmDir", &D::dm_RmDir)
          .AfterPut(&D::FoldOper)
          .Persist("dm_RmDir", false),
      T::Property(DISPID_dm_Cond, "dm_Cond", &D::dm_Cond),
      T::Method(DISPID_IsExistFD, "IsExistFD", &D::IsExistFD),
      T::Method(DISPID_Dirmarkerater, "Dirmarkerater", &D::Dirmarkerater),
      T::Method(DISPID_GetAttrib, "GetAttrib", &D::GetAttrib),
      T::Method(DISPID_SetAttrib, "SetAttrib", &D::SetAttrib),
      T::Method(DISPID_FoldOper, "FoldOper", &D::FoldOper),
  };
  return table;
}

base::Status Dirmark::GetAttribWhenAsked() {
  return dm_IsGet ? GetAttrib() : base::Ok();
}

base::Status Dirmark::IsExistFD() {
  // The mask is the attribute word's bits, a negative one all of them.
  const base::Result<std::vector<std::string>> names =
      win::ListNames(dm_FileName, static_cast<uint16_t>(dm_FileAttrib));
  if (!names) return FromErrno(names.error(), kPathNotFound);
  dm_IsExistFile = !names->empty();
  return base::Ok();
}

base::Status Dirmark::Dirmarkerater() {
  if (dm_Act < INT16_MIN || dm_Act > INT16_MAX)
    return RunTimeFailure(kOverflow, "the flags " + std::to_string(dm_Act) + " do not fit 16 bits");
  win::ShellFileOpRequest request;
  request.operation = static_cast<win::ShellOperation>(dm_OP);
  // The platform reads these as lists ended by two NULs; here they are split explicitly, so a
  // text with one NUL or none is read to its end and no further.
  request.from = win::SplitPathList(dm_pFrom);
  request.to = win::SplitPathList(dm_pTo);
  request.flags = static_cast<uint16_t>(static_cast<int16_t>(dm_Act));
  lastShellError_ = win::RunShellFileOperation(request);
  return base::Ok();
}

base::Status Dirmark::GetAttrib() {
  if (dm_FileName.empty()) return RunTimeFailure(kFileNotFound, "no file name");
  const base::Result<uint16_t> word = win::GetAttributeWord(dm_FileName);
  if (!word) return FromErrno(word.error(), kFileNotFound);
  dm_GetAttrib = static_cast<int16_t>(*word);
  return base::Ok();
}

base::Status Dirmark::SetAttrib() {
  if (dm_FileName.empty()) return RunTimeFailure(kFileNotFound, "no file name");
  return Raise(win::SetAttributeWord(dm_FileName, static_cast<uint16_t>(dm_SetAttrib)),
               kFileNotFound);
}

base::Status Dirmark::FoldOper() {
  if (!dm_MkDir && !dm_ChDir && !dm_RmDir) return base::Ok();
  if (dm_FileName.empty()) return RunTimeFailure(kPathNotFound, "no folder name");
  if (dm_MkDir) return Raise(win::MakeFolder(dm_FileName), kPathNotFound);
  if (dm_ChDir) return Raise(win::ChangeFolder(dm_FileName), kPathNotFound);
  const base::Status removed = win::RemoveFolder(dm_FileName);
  // A file given as the folder is there, but cannot be removed as one.
  if (!removed && removed.error().code == ENOTDIR)
    return RunTimeFailure(kPathFileAccess, removed.error().message);
  return Raise(removed, kPathNotFound);
}

}  // namespace dirmark
