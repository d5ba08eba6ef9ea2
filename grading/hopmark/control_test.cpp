// The network-part grading control as a host meets it: hopmark.ocx registered from a folder of
// its own with its Net.ini beside it, created by class id, called by dispatch id.
#include "grading/hopmark/control.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "netdb/action_log.h"
#include "netdb/testing/browser_steps.h"
#include "platform/com/control_window.h"
#include "platform/com/library.h"
#include "platform/win/message_box.h"
#include "platform/win/paths.h"
#include "platform/win/testing/scoped_env.h"
#include "platform/win/testing/test_folder.h"
#ifdef KIRV_HOPMARK_QT
#include <QTreeWidget>
#include <QWidget>

#include "platform/ui/clipboard.h"
#include "platform/ui/testing/qt_test_app.h"
#endif

namespace hopmark {
namespace {

namespace fs = std::filesystem;

class Control : public ::testing::Test {
 protected:
  // The library copied into a folder with a Net.ini that names another database file, so that a
  // run shows which INI file it read.
  static void SetUpTestSuite() {
    root_ = win::testing::MakeTempFolder("hopmark_control_");
    fs::create_directories(root_ / "Ocx");
    fs::copy_file(KIRV_HOPMARK_OCX, root_ / "Ocx" / "hopmark.ocx");
    std::ofstream(root_ / "Ocx" / "Net.ini") << "[DB]\r\nUserDB=Web\\w.db\r\n";
    // The same file beside the test program would not count.
    registry_ = new win::testing::ScopedEnv("KIRV_REGISTRY", (root_ / "registry.ini").string());
    auto library = com::LoadControlLibrary(root_ / "Ocx" / "hopmark.ocx");
    ASSERT_TRUE(library) << library.error().message;
    ASSERT_TRUE((*library)->RegisterServer());
  }
  static void TearDownTestSuite() {
    delete registry_;
    win::testing::RemoveTempFolder(root_);
  }

  std::unique_ptr<com::ControlWindow> Create(com::CreateParams params = {}) {
    params.childId = 115;
    auto window = com::ControlWindow::Create(CHopmarkCtrl::kClass.clsid, params);
    EXPECT_TRUE(window) << window.error().message;
    return window ? std::move(*window) : nullptr;
  }

  // A candidate folder whose database holds one expected log row worth `points`, done.
  std::string Candidate(const std::string& code, int points) {
    const fs::path folder = work_.Path() / code;
    fs::create_directories(folder / "Web");
    EXPECT_TRUE(netdb::testing::MakeSeededDatabase(
        folder / "Web" / "w.db",
        "insert into Log (Action, Parameter, ItemScore) values ('点击 "
        "刷新', '', " +
            std::to_string(points) + ");"));
    netdb::CAdoConnection db;
    EXPECT_TRUE(db.Open(win::ToWindowsPath(folder / "Web" / "w.db")));
    EXPECT_TRUE(netdb::LogAction(db, netdb::action::kRefresh, ""));
    return win::ToWindowsPath(folder) + "\\";
  }

  static base::Result<com::Variant> GoGoGo(com::ControlWindow& w, const std::string& dir) {
    const com::Variant args[] = {com::Variant::String(dir)};
    return w.Invoke(DISPID_GoGoGo, com::InvokeKind::Method, args);
  }
  static double Real(com::ControlWindow& w, com::DispId id) {
    auto v = w.Get(id);
    EXPECT_TRUE(v && v->Type() == com::VT_R8);
    return v ? v->RealValue() : -1;
  }
  static std::string Text(com::ControlWindow& w, com::DispId id) {
    auto v = w.Get(id);
    EXPECT_TRUE(v && v->Type() == com::VT_BSTR);
    return v ? v->Text() : "";
  }

  static inline fs::path root_;
  static inline win::testing::ScopedEnv* registry_ = nullptr;
  win::testing::ScopedTempFolder work_{"hopmark_work_"};
  win::MessageCapture boxes_;
};

TEST_F(Control, GoGradesTheCandidateFolderTheClientSets) {
  auto w = Create();
  ASSERT_TRUE(w);
  const std::string dir = Candidate("0001", 75);
  ASSERT_TRUE(w->Put(DISPID_Score, com::Variant::R8(12)));
  ASSERT_TRUE(w->Put(DISPID_StudentDir, com::Variant::String(dir)));
  auto go = w->Invoke(DISPID_Go, com::InvokeKind::Method, {});
  ASSERT_TRUE(go) << go.error().message;
  EXPECT_EQ(go->RealValue(), 75);
  EXPECT_EQ(Real(*w, DISPID_Score), 75);
  auto rate = w->Get(DISPID_Rate);
  ASSERT_TRUE(rate);
  EXPECT_EQ(rate->Type(), com::VT_I4);
  EXPECT_EQ(rate->IntValue(), 100);
  // The Net.ini beside the control named the file.
  EXPECT_EQ(Text(*w, DISPID_DB), dir + "Web\\w.db");
  EXPECT_EQ(Text(*w, DISPID_State), "");
  EXPECT_TRUE(boxes_.Shown().empty());
}

TEST_F(Control, TheFirstDatabaseFoundIsGradedByLaterCalls) {
  auto w = Create();
  ASSERT_TRUE(w);
  const std::string first = Candidate("0001", 40);
  const std::string second = Candidate("0002", 90);
  auto one = GoGoGo(*w, first);
  ASSERT_TRUE(one) << one.error().message;
  EXPECT_EQ(one->RealValue(), 40);
  auto two = GoGoGo(*w, second);
  ASSERT_TRUE(two);
  EXPECT_EQ(two->RealValue(), 40);
  EXPECT_EQ(Text(*w, DISPID_StudentDir), first);
}

TEST_F(Control, ADatabaseSetByPathDecidesAndGivesTheCandidateFolder) {
  auto w = Create();
  ASSERT_TRUE(w);
  const std::string dir = Candidate("0003", 55);
  ASSERT_TRUE(w->Put(DISPID_StudentDir, com::Variant::String("C:\\elsewhere\\")));
  ASSERT_TRUE(w->Put(DISPID_DB, com::Variant::String(dir + "Web\\w.db")));
  auto go = w->Invoke(DISPID_Go, com::InvokeKind::Method, {});
  ASSERT_TRUE(go);
  EXPECT_EQ(go->RealValue(), 55);
  EXPECT_EQ(Text(*w, DISPID_StudentDir), dir);
}

TEST_F(Control, AMissingDatabaseLeavesItsMessageInState) {
  auto w = Create();
  ASSERT_TRUE(w);
  const std::string dir = win::ToWindowsPath(work_.Path()) + "\\";
  auto go = GoGoGo(*w, dir);
  ASSERT_TRUE(go);
  EXPECT_EQ(go->RealValue(), 0);
  const std::string message =
      "考生网络操作数据库并不存在\n请检查考生是否误删除了 " + dir + "Web\\w.db";
  EXPECT_EQ(Text(*w, DISPID_State), message);
  ASSERT_EQ(boxes_.Shown().size(), 1u);
  EXPECT_EQ(boxes_.Shown()[0].text, message);
}

TEST_F(Control, RefreshAndTheAboutBoxAreThere) {
  auto w = Create();
  ASSERT_TRUE(w);
  EXPECT_TRUE(w->Invoke(DISPID_Refresh, com::InvokeKind::Method, {}));
  EXPECT_TRUE(w->Invoke(DISPID_AboutBox, com::InvokeKind::Method, {}));
  ASSERT_EQ(boxes_.Shown().size(), 1u);
  EXPECT_EQ(boxes_.Shown()[0].caption, "About Hopmark Control");
}

#ifdef KIRV_HOPMARK_QT
TEST_F(Control, ARunLeavesItsReportOnTheClipboard) {
  ui::TestApp();
  ASSERT_TRUE(ui::SetClipboardText("before"));
  auto w = Create();
  ASSERT_TRUE(w);
  const std::string dir = Candidate("0004", 30);
  auto go = GoGoGo(*w, dir);
  ASSERT_TRUE(go);
  EXPECT_EQ(ui::ClipboardText(),
            dir + "Web\\w.db 的系统评分记录，模块成绩以100分计\r\n\r\n" + "点击 刷新\t\t√\t30\r\n");
}

// A visible control in a host's window shows its own result list, which each run fills anew.
TEST_F(Control, AVisibleControlListsEachRunInItsOwnWindow) {
  ui::TestApp();
  QWidget host;
  com::CreateParams params;
  params.style = com::kStyleVisible;
  params.parent = &host;
  auto w = Create(params);
  ASSERT_TRUE(w);
  auto* list = host.findChild<QTreeWidget*>("101");
  ASSERT_NE(list, nullptr);
  EXPECT_EQ(list->parentWidget()->size(), QSize(700, 400));
  ASSERT_EQ(list->columnCount(), 5);
  QStringList headings;
  for (int c = 0; c < 5; ++c) headings << list->headerItem()->text(c);
  EXPECT_EQ(headings, QStringList({"序号", "评分动作", "参数", "对错", "分值"}));

  ASSERT_TRUE(GoGoGo(*w, Candidate("0005", 30)));
  ASSERT_EQ(list->topLevelItemCount(), 1);
  QStringList row;
  for (int c = 0; c < 5; ++c) row << list->topLevelItem(0)->text(c);
  EXPECT_EQ(row, QStringList({"0", "点击 刷新", "", "√", "30"}));

  // A run that finds no database leaves the list empty, not showing the run before.
  ASSERT_TRUE(
      w->Put(DISPID_DB, com::Variant::String(win::ToWindowsPath(work_.Path()) + "\\x\\n.net")));
  ASSERT_TRUE(w->Invoke(DISPID_Go, com::InvokeKind::Method, {}));
  EXPECT_EQ(list->topLevelItemCount(), 0);

  // An invisible control, as the exam client makes it, adds nothing to its host.
  auto hidden = Create({.windowName = "", .style = 0, .rect = {}, .parent = &host, .childId = 0});
  ASSERT_TRUE(hidden);
  EXPECT_EQ(host.findChildren<QTreeWidget*>().size(), 1);
}
#endif

}  // namespace
}  // namespace hopmark
