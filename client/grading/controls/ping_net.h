// PingNet: the client's wrapper of the network-part grading control (hopmark). `Go` grades the
// candidate folder's network database; the client then reads `Score`.
#pragma once

#include <string_view>

#include "client/grading/controls/control_wnd.h"

class PingNet : public CControlWnd {
 public:
  static constexpr com::Clsid kClsid = com::Clsid::Of("{E0EA6E57-AA68-43DF-9DBB-8AA575445545}");
  static constexpr com::DispId kScore = 2;
  static constexpr com::DispId kStudentDir = 4;
  static constexpr com::DispId kGo = 6;

  const com::Clsid& GetClsid() const override { return kClsid; }

  base::Result<double> GetScore();
  base::Status SetStudentDir(std::string_view value) { return SetText(kStudentDir, value); }
  base::Status Go();
};
