// The file operation control as its hosts see it: class dirmark with its properties, the puts
// that run an operation after storing the value, the five operations (existence by listing with
// an attribute mask, one shell file operation, reading and setting attributes, making, entering
// or removing a folder) and the property bag. A failed operation comes back to the host as a
// dispatch error carrying its run-time error number (0x800A0000 | number); the value put stays
// stored.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/base/result.h"
#include "platform/com/dispatch_table.h"

namespace dirmark {

// The run-time error numbers the operations raise.
enum RunTimeError : int {
  kOverflow = 6,         // "Overflow"
  kBadFileName = 52,     // "Bad file name or number"
  kFileNotFound = 53,    // "File not found"
  kPathFileAccess = 75,  // "Path/File access error"
  kPathNotFound = 76,    // "Path not found"
};

// A run-time error with its number and the platform's text for it, then the detail.
base::Error RunTimeFailure(RunTimeError number, std::string_view detail = {});

enum DispId : com::DispId {
  DISPID_IsExistFD = 0x6003000E,
  DISPID_Dirmarkerater = 0x6003000F,
  DISPID_GetAttrib = 0x60030010,
  DISPID_SetAttrib = 0x60030011,
  DISPID_FoldOper = 0x60030012,
  DISPID_dm_IsExistFile = 0x6803000D,
  DISPID_dm_Act = 0x6803000C,
  DISPID_dm_pFrom = 0x6803000B,
  DISPID_dm_pTo = 0x6803000A,
  DISPID_dm_OP = 0x68030009,
  DISPID_dm_GetAttrib = 0x68030008,
  DISPID_dm_FileAttrib = 0x68030007,
  DISPID_dm_SetAttrib = 0x68030006,
  DISPID_dm_FileName = 0x68030005,
  DISPID_dm_IsGet = 0x68030004,
  DISPID_dm_MkDir = 0x68030003,
  DISPID_dm_ChDir = 0x68030002,
  DISPID_dm_RmDir = 0x68030001,
  DISPID_dm_Cond = 0x68030000,
};

class Dirmark : public com::ControlBase<Dirmark> {
 public:
  static constexpr com::ClassInfo kClass{com::Clsid::Of("{9D9C9198-8F26-11D4-87C6-444553540001}"),
                                         "dirmark", "WinDirmark.dirmark"};
  static const com::DispatchTable<Dirmark>& Table();

  // The properties. Puts of dm_OP, dm_FileAttrib, dm_SetAttrib, dm_IsGet (when true) and the
  // three selectors run an operation after storing; the others only store.
  std::string dm_pFrom;  // source path list of the shell operation
  std::string dm_pTo;    // destination path list
  int32_t dm_OP = 0;     // move 1, copy 2, delete 3, rename 4
  int32_t dm_Act = 0;    // the shell operation's flags, which must fit 16 bits
  int16_t dm_GetAttrib = 0;
  int16_t dm_SetAttrib = 0;
  std::string dm_FileName;
  int16_t dm_FileAttrib = 0;
  bool dm_IsExistFile = false;
  bool dm_IsGet = false;
  bool dm_MkDir = false;
  bool dm_ChDir = false;
  bool dm_RmDir = false;
  bool dm_Cond = false;  // kept, never read

  // dm_IsExistFile := the listing of dm_FileName (wildcards allowed) under the mask
  // dm_FileAttrib yields a name (hidden 2, system 4 and folder 16 admit those entries).
  base::Status IsExistFD();
  // One shell file operation: dm_OP from the path list dm_pFrom to dm_pTo with the flags dm_Act.
  // Flags that do not fit 16 bits raise Overflow and nothing is done; a refusal of the shell
  // itself is not raised (see LastShellError).
  base::Status Dirmarkerater();
  // dm_GetAttrib := the attribute word of dm_FileName.
  base::Status GetAttrib();
  // Gives dm_FileName the attributes dm_SetAttrib.
  base::Status SetAttrib();
  // Makes, enters or removes the folder dm_FileName by the first true selector in that order;
  // nothing without one.
  base::Status FoldOper();

  // What the last shell file operation said (the system error it left for the host).
  const base::Status& LastShellError() const { return lastShellError_; }

 private:
  // After a put of dm_IsGet: reads the attributes when it is true.
  base::Status GetAttribWhenAsked();

  base::Status lastShellError_;
};

}  // namespace dirmark
