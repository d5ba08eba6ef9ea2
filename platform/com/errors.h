// The dispatch layer's error numbers. A failed call comes back as a base::Error whose code is one
// of these 32-bit result codes (negative as a signed int) and whose message says what failed; a
// control's own failure carries its run-time error number in the low word of kRuntimeFacility
// codes ("Overflow" 6 becomes 0x800A0006), as the platform's controls report theirs.
#pragma once

#include <cstdint>
#include <string>

#include "platform/base/result.h"

namespace com {

using HResult = int32_t;

inline constexpr HResult kOk = 0;
inline constexpr HResult kErrNotImplemented = static_cast<HResult>(0x80004001u);
inline constexpr HResult kErrFail = static_cast<HResult>(0x80004005u);
inline constexpr HResult kErrUnexpected = static_cast<HResult>(0x8000FFFFu);
inline constexpr HResult kErrInvalidArg = static_cast<HResult>(0x80070057u);
inline constexpr HResult kErrOutOfMemory = static_cast<HResult>(0x8007000Eu);
inline constexpr HResult kErrAccessDenied = static_cast<HResult>(0x80070005u);
// Dispatch calls.
inline constexpr HResult kErrUnknownInterface = static_cast<HResult>(0x80020001u);
inline constexpr HResult kErrMemberNotFound = static_cast<HResult>(0x80020003u);
inline constexpr HResult kErrParamNotFound = static_cast<HResult>(0x80020004u);
inline constexpr HResult kErrTypeMismatch = static_cast<HResult>(0x80020005u);
inline constexpr HResult kErrUnknownName = static_cast<HResult>(0x80020006u);
inline constexpr HResult kErrBadVarType = static_cast<HResult>(0x80020008u);
inline constexpr HResult kErrException = static_cast<HResult>(0x80020009u);
inline constexpr HResult kErrOverflow = static_cast<HResult>(0x8002000Au);
inline constexpr HResult kErrBadParamCount = static_cast<HResult>(0x8002000Eu);
// Classes and libraries.
inline constexpr HResult kErrClassNotAvailable = static_cast<HResult>(0x80040111u);
inline constexpr HResult kErrClassNotRegistered = static_cast<HResult>(0x80040154u);
inline constexpr HResult kErrRegisterTypeLib = static_cast<HResult>(0x80040200u);
inline constexpr HResult kErrRegisterClass = static_cast<HResult>(0x80040201u);
inline constexpr HResult kErrModuleNotFound = static_cast<HResult>(0x8007007Eu);
inline constexpr HResult kErrEntryPointNotFound = static_cast<HResult>(0x8007007Fu);
inline constexpr HResult kErrBadLibrary = static_cast<HResult>(0x800700C1u);
// The facility of a control's run-time errors: 0x800A0000 | number.
inline constexpr HResult kRuntimeFacility = static_cast<HResult>(0x800A0000u);

inline bool Failed(HResult hr) {
  return hr < 0;
}

// A dispatch error with its code and description.
inline base::Error DispatchError(HResult code, std::string description) {
  return base::Error{std::move(description), code};
}

// The code of a control's run-time error `number` (1..65535).
inline HResult RuntimeErrorCode(int number) {
  return static_cast<HResult>(static_cast<uint32_t>(kRuntimeFacility) |
                              (static_cast<uint32_t>(number) & 0xFFFFu));
}

// The run-time error number in a kRuntimeFacility code; 0 for any other code.
inline int RuntimeErrorNumber(HResult code) {
  return (static_cast<uint32_t>(code) & 0xFFFF0000u) == static_cast<uint32_t>(kRuntimeFacility)
             ? static_cast<int>(static_cast<uint32_t>(code) & 0xFFFFu)
             : 0;
}

// The result code an error from inside a control stands for: a result code as it is, a positive
// number (a run-time error number such as vb's Overflow 6) in the run-time facility, and no number
// at all as kErrException.
HResult ResultCodeOf(const base::Error& error);

// "0x80020003" and, for the codes above, a short English name ("member not found").
std::string DescribeResultCode(HResult code);

// What the system shows a user for a result code, as an error object's message gives it: the
// system's text for a code it knows ("未指定的错误"), "IDispatch error #N" for the codes the
// dispatch interface's own errors use (N counted from 0x80040200), "Unknown error 0x%0lX" else.
std::string ErrorMessageOf(HResult code);

}  // namespace com
