// PingExcel: the client's wrapper of the spreadsheet grading control (sheetmark). Putting
// `ansname` grades; the client then reads the awarded and the full marks.
#pragma once

#include <string_view>

#include "client/grading/controls/control_wnd.h"

class PingExcel : public CControlWnd {
 public:
  static constexpr com::Clsid kClsid = com::Clsid::Of("{FBACF490-9A1C-424D-971E-5D1409C0B2C9}");
  static constexpr com::DispId kPathOfexl = 0x68030000;
  static constexpr com::DispId kExcelAllGrade = 0x68030001;
  static constexpr com::DispId kExcelGrade = 0x68030002;
  static constexpr com::DispId kAnsname = 0x68030003;
  static constexpr com::DispId kPathofans = 0x68030005;
  static constexpr com::DispId kEDebug = 0x68030008;

  const com::Clsid& GetClsid() const override { return kClsid; }

  base::Status SetEDebug(bool value) { return SetProperty(kEDebug, com::Variant::Bool(value)); }
  base::Status SetPathofans(std::string_view value) { return SetText(kPathofans, value); }
  base::Status SetAnsname(std::string_view value) { return SetText(kAnsname, value); }
  base::Status SetPathOfexl(std::string_view value) { return SetText(kPathOfexl, value); }
  base::Status SetExcelGrade(int16_t value) {
    return SetProperty(kExcelGrade, com::Variant::I2(value));
  }
  base::Result<int16_t> GetExcelGrade() { return GetShort(kExcelGrade); }
  base::Result<int16_t> GetExcelAllGrade() { return GetShort(kExcelAllGrade); }
};
