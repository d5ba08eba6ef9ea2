// The three grading controls the client drives through one `Run` method whose arguments are all
// by reference (texts the client allocates for the call, then the debug flag) and whose result
// is a double: PingWord (docmark), PingPpt (slidemark) and PingFp (webmark).
#pragma once

#include <string>

#include "client/grading/controls/control_wnd.h"

class PingWord : public CControlWnd {
 public:
  static constexpr com::Clsid kClsid = com::Clsid::Of("{58761E9E-8E05-4AF3-B331-A1CFAD77C33E}");
  static constexpr com::DispId kRun = 0x6003000E;

  const com::Clsid& GetClsid() const override { return kClsid; }
  base::Result<double> Run(std::string& wordCheckPath, std::string& wordAnswerPath,
                           std::string& wordAnswerFileName, bool& debugMode);
};

class PingPpt : public CControlWnd {
 public:
  static constexpr com::Clsid kClsid = com::Clsid::Of("{BE07296E-8F7B-4CA2-9FAE-3E9B3A9C7EAB}");
  static constexpr com::DispId kRun = 0x6003000E;

  const com::Clsid& GetClsid() const override { return kClsid; }
  base::Result<double> Run(std::string& pptCheckPath, std::string& pptAnswerPath,
                           std::string& pptAnswerFileName, bool& debugMode);
};

// The web-page control is created by the class id it registers itself, so that client and
// control agree on one id.
class PingFp : public CControlWnd {
 public:
  static constexpr com::Clsid kClsid = com::Clsid::Of("{2A649FAC-358B-4E71-A64C-CA83C5C216B1}");
  static constexpr com::DispId kRun = 0x60030000;

  const com::Clsid& GetClsid() const override { return kClsid; }
  base::Result<double> Run(std::string& fpCheckPath, std::string& fpAnswerFile, bool& debugMode);
};
