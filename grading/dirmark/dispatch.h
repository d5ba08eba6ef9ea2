// The file operation control's dispatch interface over the plain class: its identifiers, and
// get, put and call by DISPID with run-time values, as the dispatch wrapper forwards them. A
// value that does not convert to the member's type (a 16-bit property given 40000) raises the
// conversion's error and changes nothing. Also the property bag's keys, order and defaults.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "grading/dirmark/dirmark.h"
#include "platform/base/result.h"
#include "platform/vb/variant.h"

namespace dirmark {

inline constexpr const char* kClassId = "{9D9C9198-8F26-11D4-87C6-444553540001}";
inline constexpr const char* kTypeLibraryId = "{9D9C919A-8F26-11D4-87C6-444553540001}";
inline constexpr const char* kDispatchInterfaceId = "{9D9C9197-8F26-11D4-87C6-444553540001}";
inline constexpr const char* kEventInterfaceId = "{9D9C9199-8F26-11D4-87C6-444553540001}";

enum DispId : int32_t {
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

// The events the interface declares (never fired): IsExistFD 1, GetAttrib 2, SetAttrib 3,
// FoldOper 4, Dirmarkerater 5.

// A property's value; kNoSuchMember for an id that is no property.
base::Result<vb::Variant> Get(const Dirmark& control, int32_t dispid);

// Converts and puts a property's value (which may run its operation); kNoSuchMember for an id
// that is no property, the conversion's error (kOverflow, kTypeMismatch) when the value does
// not fit.
base::Status Put(Dirmark& control, int32_t dispid, const vb::Variant& value);

// Calls a method; kNoSuchMember for an id that is no method.
base::Status Call(Dirmark& control, int32_t dispid);

// The persisted properties as the property bag stores them, in its order.
std::vector<std::pair<std::string, vb::Variant>> WriteProperties(const Dirmark& control);

// Reads them back through `read` (nothing for a missing key: its default); a value of the wrong
// kind also gives the default. Runs no operation.
void ReadProperties(Dirmark& control,
                    const std::function<std::optional<vb::Variant>(std::string_view key)>& read);

}  // namespace dirmark
