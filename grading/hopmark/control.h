// The network-part grading control as its hosts see it: class CHopmarkCtrl with its five
// properties and the grading methods Go and GoGoGo, and its (empty) property page. A host sets
// StudentDir (the exam client) or DB (the browser's checking dialog), calls Go, reads Score and,
// when it wants the report, the clipboard. Nothing of a run fails towards the host.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "grading/hopmark/driver.h"
#include "grading/hopmark/result_list_window.h"
#include "platform/com/dispatch_table.h"

namespace hopmark {

enum DispId : com::DispId {
  DISPID_State = 1,
  DISPID_Score = 2,
  DISPID_Rate = 3,
  DISPID_StudentDir = 4,
  DISPID_DB = 5,
  DISPID_Go = 6,
  DISPID_GoGoGo = 7,
  DISPID_Refresh = -550,
  DISPID_AboutBox = -552,
};

class CHopmarkCtrl : public com::ControlBase<CHopmarkCtrl> {
 public:
  static constexpr com::ClassInfo kClass{com::Clsid::Of("{E0EA6E57-AA68-43DF-9DBB-8AA575445545}"),
                                         "Hopmark Control", "HOPMARK.HopmarkCtrl.1"};
  static const com::DispatchTable<CHopmarkCtrl>& Table();

  std::string State;       // message of the last run that found no database
  double Score = 0;        // the last run's result
  int32_t Rate = 0;        // Score's scale: 100 after a run
  std::string StudentDir;  // the candidate folder, ending in "\"
  std::string DB;          // the network database's full path

  // The grading run; returns Score.
  double Go();
  // StudentDir := pDir, then Go.
  double GoGoGo(const std::string& pDir);
  void Refresh() {}
  void AboutBox();

  // The result list of the last run, one row per item.
  const std::vector<ResultRow>& ResultList() const { return rows_; }

  base::Status OnCreate(const com::CreateParams& params) override;
  void OnDestroy() override;

 private:
  std::vector<ResultRow> rows_;
  std::unique_ptr<ResultListWindow> window_;  // only for a visible creation
};

// The property page: no properties of its own.
class CHopmarkPropPage : public com::ControlBase<CHopmarkPropPage> {
 public:
  static constexpr com::ClassInfo kClass{com::Clsid::Of("{384E335A-A679-460E-8576-A21078E9F147}"),
                                         "Hopmark Property Page", "HOPMARK.HopmarkPropPage.1"};
  static const com::DispatchTable<CHopmarkPropPage>& Table();
};

}  // namespace hopmark
