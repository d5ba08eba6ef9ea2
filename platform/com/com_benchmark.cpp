// Cost of creating a control by class id and calling it by dispatch id once its library is
// loaded: what each answer workbook of a grading run pays. The first creation (registry read,
// library load) is timed once and printed before the benchmarks.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <iostream>

#include "platform/com/control_window.h"
#include "platform/com/library.h"
#include "platform/com/testing/sample_controls.h"
#include "platform/win/testing/test_folder.h"

namespace {

using namespace com;
using namespace com::testing;

CreateParams Params() {
  CreateParams p;
  p.childId = 113;
  return p;
}

void BM_CreateAndDestroy(benchmark::State& state) {
  for (auto _ : state) {
    auto window = ControlWindow::Create(kSampleClsid, Params());
    benchmark::DoNotOptimize(window);
  }
}
BENCHMARK(BM_CreateAndDestroy);

// One grading's worth of calls: create, three puts, a method with by-reference arguments, a get.
void BM_CreateCallDestroy(benchmark::State& state) {
  for (auto _ : state) {
    auto window = ControlWindow::Create(kSampleClsid, Params());
    ControlWindow& w = **window;
    (void)w.Put(kDebug, Variant::Bool(false));
    (void)w.Put(kName, Variant::String("C:\\KirvExam\\0101001\\Excelkt\\"));
    (void)w.Put(kAnswer, Variant::String("e1.xls"));
    std::string path = "C:\\KirvExam\\0101001\\wordkt";
    std::string file = "w1.xls";
    VariantBool debug = kVariantFalse;
    auto r = w.Call(
        kRun, {Variant::RefString(&path), Variant::RefString(&file), Variant::RefBool(&debug)});
    benchmark::DoNotOptimize(r);
    benchmark::DoNotOptimize(w.Get(kScore));
  }
}
BENCHMARK(BM_CreateCallDestroy);

void BM_PropertyPut(benchmark::State& state) {
  auto window = ControlWindow::Create(kSampleClsid, Params());
  const Variant value = Variant::I2(7);
  for (auto _ : state) benchmark::DoNotOptimize((*window)->Put(kGrade, value));
}
BENCHMARK(BM_PropertyPut);

void BM_MethodWithByRefArguments(benchmark::State& state) {
  auto window = ControlWindow::Create(kSampleClsid, Params());
  std::string path, file;
  VariantBool debug = kVariantFalse;
  for (auto _ : state) {
    path = "C:\\KirvExam\\0101001\\wordkt";
    file = "w1.xls";
    benchmark::DoNotOptimize((*window)->Call(
        kRun, {Variant::RefString(&path), Variant::RefString(&file), Variant::RefBool(&debug)}));
  }
}
BENCHMARK(BM_MethodWithByRefArguments);

}  // namespace

int main(int argc, char** argv) {
  win::testing::ScopedTempFolder folder("com_benchmark_");
  ::setenv("KIRV_REGISTRY", (folder.Path() / "registry.ini").c_str(), 1);
  using Clock = std::chrono::steady_clock;
  auto micros = [](Clock::duration d) {
    return std::chrono::duration<double, std::micro>(d).count();
  };
  const auto loadStart = Clock::now();
  auto library = LoadControlLibrary(KIRV_SAMPLE_CONTROLS);
  const auto loaded = Clock::now();
  if (!library || !(*library)->RegisterServer()) {
    std::cerr << "cannot register " << KIRV_SAMPLE_CONTROLS << "\n";
    return 1;
  }
  const auto createStart = Clock::now();
  auto first = ControlWindow::Create(kSampleClsid, Params());
  const auto created = Clock::now();
  if (!first) {
    std::cerr << first.error().message << "\n";
    return 1;
  }
  std::cout << "library load: " << micros(loaded - loadStart)
            << " us; first creation (registry read, class object): "
            << micros(created - createStart) << " us\n";
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
