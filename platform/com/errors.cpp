// Result codes of the dispatch layer.
#include "platform/com/errors.h"

#include <cstdio>

namespace com {

HResult ResultCodeOf(const base::Error& error) {
  if (error.code < 0) return error.code;
  if (error.code > 0 && error.code <= 0xFFFF) return RuntimeErrorCode(error.code);
  return kErrException;
}

std::string DescribeResultCode(HResult code) {
  struct Known {
    HResult code;
    const char* name;
  };
  static constexpr Known known[] = {
      {kOk, "success"},
      {kErrNotImplemented, "not implemented"},
      {kErrFail, "unspecified failure"},
      {kErrUnexpected, "unexpected failure"},
      {kErrInvalidArg, "invalid argument"},
      {kErrUnknownInterface, "unknown interface"},
      {kErrMemberNotFound, "member not found"},
      {kErrParamNotFound, "parameter not found"},
      {kErrTypeMismatch, "type mismatch"},
      {kErrUnknownName, "unknown name"},
      {kErrBadVarType, "bad variant type"},
      {kErrException, "exception occurred"},
      {kErrOverflow, "out of present range"},
      {kErrBadParamCount, "invalid number of parameters"},
      {kErrClassNotAvailable, "class not available"},
      {kErrClassNotRegistered, "class not registered"},
      {kErrRegisterTypeLib, "type library registration failed"},
      {kErrRegisterClass, "class registration failed"},
      {kErrModuleNotFound, "library not found"},
      {kErrEntryPointNotFound, "entry point not found"},
      {kErrBadLibrary, "not a loadable library"},
  };
  char hex[16];
  std::snprintf(hex, sizeof hex, "0x%08X", static_cast<uint32_t>(code));
  for (const Known& k : known)
    if (k.code == code) return std::string(hex) + " (" + k.name + ")";
  if (const int number = RuntimeErrorNumber(code))
    return std::string(hex) + " (run-time error " + std::to_string(number) + ")";
  return hex;
}

std::string ErrorMessageOf(HResult code) {
  struct Known {
    HResult code;
    const char* text;
  };
  // The system's own texts of the codes a user can meet here.
  static constexpr Known known[] = {
      {kErrFail, "未指定的错误"},
      {kErrUnexpected, "灾难性故障"},
      {kErrNotImplemented, "未实现"},
      {kErrOutOfMemory, "内存不足"},
      {kErrInvalidArg, "参数错误。"},
      {kErrAccessDenied, "拒绝访问。"},
      {kErrClassNotRegistered, "没有注册类"},
  };
  for (const Known& k : known)
    if (k.code == code) return k.text;
  const auto bits = static_cast<uint32_t>(code);
  char text[40];
  if (bits >= 0x80040200u && bits <= 0x8004FFFFu)
    std::snprintf(text, sizeof text, "IDispatch error #%d", static_cast<int>(bits - 0x80040200u));
  else
    std::snprintf(text, sizeof text, "Unknown error 0x%0lX", static_cast<unsigned long>(bits));
  return text;
}

}  // namespace com
