// Opening the demo-sized task presentation from memory, and the reads one grading pass makes
// of it: a text searched on every slide, a shape's font and geometry, a slide's layout and id.
#include <benchmark/benchmark.h>

#include <string>

#include "platform/office/powerpoint/application.h"
#include "platform/office/powerpoint/testing/sample_presentations.h"

namespace {

const std::string& TaskBytes() {
  static const std::string bytes =
      powerpoint::testing::PptxBytes(powerpoint::testing::TaskPresentation()).value();
  return bytes;
}

void BM_Open(benchmark::State& state) {
  const std::string& bytes = TaskBytes();
  for (auto _ : state) {
    powerpoint::Application app;
    benchmark::DoNotOptimize(app.Presentations().OpenBytes("C:\\task.pptx", bytes));
  }
}
BENCHMARK(BM_Open);

void BM_OpenAndTypicalReads(benchmark::State& state) {
  const std::string& bytes = TaskBytes();
  for (auto _ : state) {
    powerpoint::Application app;
    powerpoint::Presentation* presentation = *app.Presentations().OpenBytes("C:\\task.pptx", bytes);
    bool found = false;
    for (const auto& slide : presentation->Slides()) {
      for (const auto& shape : slide->Shapes()) {
        if (shape->HasTextFrame() != powerpoint::msoTrue) continue;
        if (shape->TextFrame()->TextRange().Find("MILLISECONDS")) found = true;
      }
    }
    benchmark::DoNotOptimize(found);
    powerpoint::Slide* slide = *presentation->Slides().Item(3);
    powerpoint::Shape* shape = *slide->Shapes().Item(2);
    powerpoint::TextRange text = shape->TextFrame()->TextRange();
    benchmark::DoNotOptimize(text.Font().Size());
    benchmark::DoNotOptimize(text.Font().Name());
    benchmark::DoNotOptimize(text.Font().Color());
    benchmark::DoNotOptimize(shape->Width());
    benchmark::DoNotOptimize(shape->Left());
    benchmark::DoNotOptimize(slide->Layout());
    benchmark::DoNotOptimize(slide->SlideID());
  }
}
BENCHMARK(BM_OpenAndTypicalReads);

}  // namespace

BENCHMARK_MAIN();
