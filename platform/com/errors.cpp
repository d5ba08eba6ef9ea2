// Result codes of the dispatch layer.
#include "platform/com/errors.h"

#include <cstdio>

namespace com {

HResult ResultCodeOf(const base::Error& error) {
  if (error.code < 0) return error.code;
  if (error.code > 0 && error.code <= 0xFFFF) return RuntimeErrorCode(error.code);
  return kErrException;
}

namespace {

// The codes this layer knows: a short English name for developers and, where the system has
// one, the text it shows a user.
struct KnownCode {
  HResult code;
  const char* name;
  const char* shown;
};
constexpr KnownCode kKnownCodes[] = {
    {kOk, "success", nullptr},
    {kErrNotImplemented, "not implemented", "未实现"},
    {kErrFail, "unspecified failure", "未指定的错误"},
    {kErrUnexpected, "unexpected failure", "灾难性故障"},
    {kErrInvalidArg, "invalid argument", "参数错误。"},
    {kErrOutOfMemory, "out of memory", "内存不足"},
    {kErrAccessDenied, "access denied", "拒绝访问。"},
    {kErrUnknownInterface, "unknown interface", nullptr},
    {kErrMemberNotFound, "member not found", nullptr},
    {kErrParamNotFound, "parameter not found", nullptr},
    {kErrTypeMismatch, "type mismatch", nullptr},
    {kErrUnknownName, "unknown name", nullptr},
    {kErrBadVarType, "bad variant type", nullptr},
    {kErrException, "exception occurred", nullptr},
    {kErrOverflow, "out of present range", nullptr},
    {kErrBadParamCount, "invalid number of parameters", nullptr},
    {kErrClassNotAvailable, "class not available", nullptr},
    {kErrClassNotRegistered, "class not registered", "没有注册类"},
    {kErrRegisterTypeLib, "type library registration failed", nullptr},
    {kErrRegisterClass, "class registration failed", nullptr},
    {kErrModuleNotFound, "library not found", nullptr},
    {kErrEntryPointNotFound, "entry point not found", nullptr},
    {kErrBadLibrary, "not a loadable library", nullptr},
};

const KnownCode* FindKnown(HResult code) {
  for (const KnownCode& k : kKnownCodes)
    if (k.code == code) return &k;
  return nullptr;
}

}  // namespace

std::string DescribeResultCode(HResult code) {
  char hex[16];
  std::snprintf(hex, sizeof hex, "0x%08X", static_cast<uint32_t>(code));
  if (const KnownCode* k = FindKnown(code)) return std::string(hex) + " (" + k->name + ")";
  if (const int number = RuntimeErrorNumber(code))
    return std::string(hex) + " (run-time error " + std::to_string(number) + ")";
  return hex;
}

std::string ErrorMessageOf(HResult code) {
  if (const KnownCode* k = FindKnown(code); k && k->shown) return k->shown;
  const auto bits = static_cast<uint32_t>(code);
  char text[40];
  if (bits >= 0x80040200u && bits <= 0x8004FFFFu)
    std::snprintf(text, sizeof text, "IDispatch error #%d", static_cast<int>(bits - 0x80040200u));
  else
    std::snprintf(text, sizeof text, "Unknown error 0x%0lX", static_cast<unsigned long>(bits));
  return text;
}

}  // namespace com
