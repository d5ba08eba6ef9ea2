// PingWin: the client's wrapper of the desktop-operation grading control (deskmark). Putting
// `Answername` grades; the client then reads `wingrade`.
#pragma once

#include <string_view>

#include "client/grading/controls/control_wnd.h"

class PingWin : public CControlWnd {
 public:
  static constexpr com::Clsid kClsid = com::Clsid::Of("{5C95237B-21CB-41B6-AAC6-0D27DB405911}");
  static constexpr com::DispId kDebugok = 0x68030000;
  static constexpr com::DispId kWingrade = 0x68030001;
  static constexpr com::DispId kAnswername = 0x68030002;
  static constexpr com::DispId kPathofanswer = 0x68030003;
  static constexpr com::DispId kPathofstu = 0x68030004;

  const com::Clsid& GetClsid() const override { return kClsid; }

  base::Status SetDebugok(bool value) { return SetProperty(kDebugok, com::Variant::Bool(value)); }
  base::Status SetPathofstu(std::string_view value) { return SetText(kPathofstu, value); }
  base::Status SetPathofanswer(std::string_view value) { return SetText(kPathofanswer, value); }
  base::Status SetAnswername(std::string_view value) { return SetText(kAnswername, value); }
  base::Result<int16_t> GetWingrade() { return GetShort(kWingrade); }
};
