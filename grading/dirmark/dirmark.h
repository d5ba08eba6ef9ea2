// The file operation control's logic, without the dispatch wrapper: its properties, the puts
// that run an operation after storing the value, and the five operations (existence by listing
// with an attribute mask, one shell file operation, reading and setting attributes, making,
// entering or removing a folder). A failed operation comes back as the run-time error the host
// sees as a dispatch exception (the error's code is its number); the value put stays stored.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "platform/base/result.h"

namespace dirmark {

// The run-time error numbers the operations raise.
enum RunTimeError : int {
  kInvalidCall = 5,      // "Invalid procedure call or argument"
  kOverflow = 6,         // "Overflow"
  kTypeMismatch = 13,    // "Type mismatch"
  kBadFileName = 52,     // "Bad file name or number"
  kFileNotFound = 53,    // "File not found"
  kPathFileAccess = 75,  // "Path/File access error"
  kPathNotFound = 76,    // "Path not found"
  kNoSuchMember = 438,   // "Object doesn't support this property or method"
};

// A run-time error with its number and the platform's text for it, then the detail.
base::Error RunTimeFailure(RunTimeError number, std::string_view detail = {});

class Dirmark {
 public:
  // Told the name of each property a put changes ("dm_OP"), before its operation runs.
  using ChangeSink = std::function<void(std::string_view property)>;

  explicit Dirmark(ChangeSink changed = {}) : changed_(std::move(changed)) {}

  // Properties that a put only stores.
  void put_dm_pFrom(std::string value);
  void put_dm_pTo(std::string value);
  void put_dm_Act(int32_t value);
  void put_dm_GetAttrib(int16_t value);
  void put_dm_FileName(std::string value);
  void put_dm_IsExistFile(bool value);
  void put_dm_Cond(bool value);

  // Properties whose put runs an operation after storing: dm_OP runs Dirmarkerater,
  // dm_FileAttrib IsExistFD, dm_SetAttrib SetAttrib, dm_IsGet GetAttrib (only when true), the
  // three selectors FoldOper (whatever the new value).
  base::Status put_dm_OP(int32_t value);
  base::Status put_dm_FileAttrib(int16_t value);
  base::Status put_dm_SetAttrib(int16_t value);
  base::Status put_dm_IsGet(bool value);
  base::Status put_dm_MkDir(bool value);
  base::Status put_dm_ChDir(bool value);
  base::Status put_dm_RmDir(bool value);

  const std::string& dm_pFrom() const { return pFrom_; }
  const std::string& dm_pTo() const { return pTo_; }
  int32_t dm_OP() const { return op_; }
  int32_t dm_Act() const { return act_; }
  int16_t dm_GetAttrib() const { return getAttrib_; }
  int16_t dm_SetAttrib() const { return setAttrib_; }
  const std::string& dm_FileName() const { return fileName_; }
  int16_t dm_FileAttrib() const { return fileAttrib_; }
  bool dm_IsExistFile() const { return isExistFile_; }
  bool dm_IsGet() const { return isGet_; }
  bool dm_MkDir() const { return mkDir_; }
  bool dm_ChDir() const { return chDir_; }
  bool dm_RmDir() const { return rmDir_; }
  bool dm_Cond() const { return cond_; }

  // dm_IsExistFile := the listing of dm_FileName (wildcards allowed) under the mask
  // dm_FileAttrib yields a name (hidden 2, system 4 and folder 16 admit those entries).
  base::Status IsExistFD();
  // One shell file operation: dm_OP (move 1, copy 2, delete 3, rename 4) from the path list
  // dm_pFrom to dm_pTo with the flags dm_Act. Flags that do not fit 16 bits raise Overflow and
  // nothing is done; a refusal of the shell itself is not raised (see LastShellError).
  base::Status Dirmarkerater();
  // dm_GetAttrib := the attribute word of dm_FileName.
  base::Status GetAttrib();
  // Gives dm_FileName the attributes dm_SetAttrib.
  base::Status SetAttrib();
  // Makes, enters or removes the folder dm_FileName by the first true selector in that order.
  base::Status FoldOper();

  // What the last shell file operation said (the system error it left for the host).
  const base::Status& LastShellError() const { return lastShellError_; }

  // Persistence: InitNew sets every persisted property to its default; Load assigns the values
  // directly and runs nothing.
  void InitNew();
  struct Persisted {
    int32_t act = 0, op = 0;
    std::string pFrom, pTo, fileName;
    int16_t getAttrib = 0, setAttrib = 0, fileAttrib = 0;
    bool isExistFile = false, isGet = false, mkDir = false, chDir = false, rmDir = false;
  };
  Persisted Save() const;
  void Load(const Persisted& values);

 private:
  void Changed(std::string_view property) const;

  std::string pFrom_, pTo_;
  int32_t op_ = 0, act_ = 0;
  int16_t getAttrib_ = 0, setAttrib_ = 0;
  std::string fileName_;
  int16_t fileAttrib_ = 0;
  bool isExistFile_ = false, isGet_ = false, mkDir_ = false, chDir_ = false, rmDir_ = false;
  bool cond_ = false;
  base::Status lastShellError_;
  ChangeSink changed_;
};

}  // namespace dirmark
