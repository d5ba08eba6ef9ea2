// The desktop grading control as its hosts see it: class winUC with its five properties, the
// grading method DGrade and the property bag. Putting Answername grades at once with the values
// already put; the host then reads the percentage from wingrade. Nothing of a run ever fails
// towards the host.
#pragma once

#include <cstdint>
#include <string>

#include "platform/com/dispatch_table.h"

namespace deskmark {

enum DispId : com::DispId {
  DISPID_DGrade = 0x60030005,
  DISPID_Pathofstu = 0x68030004,
  DISPID_Pathofanswer = 0x68030003,
  DISPID_Answername = 0x68030002,
  DISPID_wingrade = 0x68030001,
  DISPID_Debugok = 0x68030000,
};

class winUC : public com::ControlBase<winUC> {
 public:
  static constexpr com::ClassInfo kClass{com::Clsid::Of("{5C95237B-21CB-41B6-AAC6-0D27DB405911}"),
                                         "winUC", "win.winUC"};
  static const com::DispatchTable<winUC>& Table();

  std::string Pathofstu;     // the candidate folder, ending with "\"
  std::string Pathofanswer;  // the answer workbook's folder, ending with "\"
  std::string Answername;    // the answer workbook's file name; a put grades
  int16_t wingrade = 0;      // the last run's percentage
  bool Debugok = false;      // append one line per scored rule to "1234.txt"

  // One run with this instance's four values; the result goes into wingrade without a change
  // notice. The run's state is the library's, shared by every instance (they run one at a time
  // on the host's thread).
  void DGrade();
};

}  // namespace deskmark
