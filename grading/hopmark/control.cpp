// The network-part grading control's classes, its dispatch table and the library's entry points.
#include "grading/hopmark/control.h"

#include "netdb/net_settings.h"
#include "platform/com/library.h"
#include "platform/com/library_macros.h"
#include "platform/win/message_box.h"
#ifdef KIRV_HOPMARK_QT
#include "platform/ui/clipboard.h"
#endif

namespace hopmark {
namespace {

// The library's own folder and its Net.ini, found once when the library is first used.
const netdb::PathGlobals& ModuleSettings() {
  static const netdb::PathGlobals settings = [] {
    netdb::PathGlobals g;
    static const char anchor = 0;  // an address inside this library
    netdb::InitPaths(g, com::ModulePathOf(&anchor));
    netdb::LocateIniFile(g, g.ProgramFolder + "Net.ini");
    return g;
  }();
  return settings;
}

// The report as plain text on the clipboard; skipped when there is none to open.
void PutOnClipboard(const std::string& report) {
#ifdef KIRV_HOPMARK_QT
  ui::SetClipboardText(report);
#else
  (void)report;
#endif
}

}  // namespace

const com::DispatchTable<CHopmarkCtrl>& CHopmarkCtrl::Table() {
  using T = com::DispatchTable<CHopmarkCtrl>;
  static const T table{
      T::Property(DISPID_State, "State", &CHopmarkCtrl::State),
      T::Property(DISPID_Score, "Score", &CHopmarkCtrl::Score),
      T::Property(DISPID_Rate, "Rate", &CHopmarkCtrl::Rate),
      T::Property(DISPID_StudentDir, "StudentDir", &CHopmarkCtrl::StudentDir),
      T::Property(DISPID_DB, "DB", &CHopmarkCtrl::DB),
      T::Method(DISPID_Go, "Go", &CHopmarkCtrl::Go).OnFailure(com::Variant::R8(0)),
      T::Method(DISPID_GoGoGo, "GoGoGo", &CHopmarkCtrl::GoGoGo).OnFailure(com::Variant::R8(0)),
      T::Method(DISPID_Refresh, "Refresh", &CHopmarkCtrl::Refresh),
      T::Method(DISPID_AboutBox, "AboutBox", &CHopmarkCtrl::AboutBox),
  };
  return table;
}

double CHopmarkCtrl::Go() {
  // What the host reads and sees should the run end by an exception.
  Score = 0;
  rows_.clear();
  if (window_) window_->Show(rows_);
  RunValues v{State, Score, Rate, StudentDir, DB, {}};
  std::optional<std::string> report = RunGrading(v, ModuleSettings());
  State = std::move(v.State);
  Score = v.Score;
  Rate = v.Rate;
  StudentDir = std::move(v.StudentDir);
  DB = std::move(v.DB);
  rows_ = std::move(v.rows);
  if (window_) window_->Show(rows_);
  if (report) PutOnClipboard(*report);
  return Score;
}

base::Status CHopmarkCtrl::OnCreate(const com::CreateParams& params) {
  window_ = ResultListWindow::Create(params);
  return ControlBase::OnCreate(params);
}

void CHopmarkCtrl::OnDestroy() {
  window_.reset();
}

double CHopmarkCtrl::GoGoGo(const std::string& pDir) {
  StudentDir = pDir;
  return Go();
}

void CHopmarkCtrl::AboutBox() {
  win::MessageBox("Hopmark Control, Version 1.0\n网络应用评分控件", "About Hopmark Control",
                  win::MB_OK);
}

const com::DispatchTable<CHopmarkPropPage>& CHopmarkPropPage::Table() {
  static const com::DispatchTable<CHopmarkPropPage> table{};
  return table;
}

}  // namespace hopmark

KIRV_COM_LIBRARY(hopmark::CHopmarkCtrl, hopmark::CHopmarkPropPage)
