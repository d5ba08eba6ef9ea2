// Cost of grading the demo's network task: the paper's database (demo/netdb/net1.sql on the
// schema) filled the way the browser fills it, every task done. "Run" is the grading run itself:
// the private copy made and opened, the six sections' queries (each table read once), the report
// built. "ThroughTheControl" is the host's whole call:
// hopmark.ocx created by class id, StudentDir put, Go, Score read, the control destroyed.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "grading/hopmark/control.h"
#include "grading/hopmark/driver.h"
#include "netdb/action_log.h"
#include "netdb/testing/browser_steps.h"
#include "platform/com/control_window.h"
#include "platform/com/library.h"
#include "platform/win/paths.h"
#include "platform/win/testing/scoped_env.h"
#include "platform/win/testing/test_folder.h"

namespace {

namespace fs = std::filesystem;

class DemoTask : public benchmark::Fixture {
 public:
  void SetUp(const benchmark::State&) override {
    folder_ = std::make_unique<win::testing::ScopedTempFolder>("hopmark_bench_");
    const fs::path database = folder_->Path() / "Netkt" / "net.net";
    fs::create_directories(database.parent_path());
    std::ifstream seed(fs::path(KIRV_SOURCE_DIR) / "demo/netdb/net1.sql");
    const std::string sql(std::istreambuf_iterator<char>(seed), {});
    ok_ = netdb::testing::MakeSeededDatabase(database, sql).has_value();
    netdb::CAdoConnection db;
    ok_ = ok_ && db.Open(win::ToWindowsPath(database)).has_value() &&
          netdb::testing::VisitAddress(db, "http://www.kirv.cn/") &&
          netdb::testing::VisitAddress(db, "http://www.kirv.cn/notice.htm") &&
          netdb::testing::AddFavourite(db, "报名须知", "http://www.kirv.cn/notice.htm", 0) > 0 &&
          netdb::testing::SendMail(db, "teacher@kirv.cn", "考试报名");
    dir_ = win::ToWindowsPath(folder_->Path()) + "\\";
  }
  void TearDown(const benchmark::State&) override { folder_.reset(); }

 protected:
  std::unique_ptr<win::testing::ScopedTempFolder> folder_;
  std::string dir_;
  bool ok_ = false;
};

BENCHMARK_DEFINE_F(DemoTask, Run)(benchmark::State& st) {
  const netdb::PathGlobals settings;
  for (auto _ : st) {
    hopmark::RunValues v;
    v.StudentDir = dir_;
    benchmark::DoNotOptimize(hopmark::RunGrading(v, settings));
    if (!ok_ || v.Score != 100) {
      st.SkipWithError("the solved demo task did not grade to 100");
      return;
    }
  }
}

BENCHMARK_DEFINE_F(DemoTask, ThroughTheControl)(benchmark::State& st) {
  win::testing::ScopedEnv registry("KIRV_REGISTRY", (folder_->Path() / "registry.ini").string());
  auto library = com::LoadControlLibrary(KIRV_HOPMARK_OCX);
  if (!library || !(*library)->RegisterServer()) {
    st.SkipWithError("cannot load and register hopmark.ocx");
    return;
  }
  for (auto _ : st) {
    auto window = com::ControlWindow::Create(hopmark::CHopmarkCtrl::kClass.clsid, {});
    if (!window || !(*window)->Put(hopmark::DISPID_StudentDir, com::Variant::String(dir_)) ||
        !(*window)->Invoke(hopmark::DISPID_Go, com::InvokeKind::Method, {})) {
      st.SkipWithError("a call failed");
      return;
    }
    auto score = (*window)->Get(hopmark::DISPID_Score);
    if (!ok_ || !score || score->RealValue() != 100) {
      st.SkipWithError("the solved demo task did not grade to 100");
      return;
    }
  }
}

BENCHMARK_REGISTER_F(DemoTask, Run)->Unit(benchmark::kMillisecond);
BENCHMARK_REGISTER_F(DemoTask, ThroughTheControl)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
