// A demo-sized page: decoded and parsed, and a grading pass's reads over it (the collections, a
// walk of every font's text and markup, table cells' properties, the drawings' markup).
#include <benchmark/benchmark.h>

#include "platform/office/frontpage/document.h"
#include "platform/office/frontpage/testing/pages.h"

namespace {

void BM_ParsePage(benchmark::State& state) {
  const std::string bytes = frontpage::testing::ReadTestPage("editor_gbk.htm");
  for (auto _ : state) {
    auto doc = frontpage::Document::Parse(bytes, "C:\\exam\\Fropkt\\index.htm");
    benchmark::DoNotOptimize(doc);
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes.size()));
}
BENCHMARK(BM_ParsePage);

void BM_ParseAndRead(benchmark::State& state) {
  const std::string bytes = frontpage::testing::ReadTestPage("editor_gbk.htm");
  const std::string folder = frontpage::testing::TestDataFolder();
  for (auto _ : state) {
    auto doc = frontpage::Document::Parse(bytes, folder + "editor_gbk.htm", folder);
    const frontpage::Document& d = **doc;
    size_t total = d.title().size();
    for (const frontpage::Element* font : d.all().tags("font")) {
      total += font->innerText().size() + font->outerHTML().size();
      total += font->Text("face").value_or("").size();
    }
    for (const frontpage::Element* td : d.all().tags("td")) {
      total += td->Text("align").value_or("").size() + td->innerText().size();
    }
    for (const frontpage::Element* img : d.images()) {
      total += static_cast<size_t>(img->Property("width")->number);
    }
    for (const frontpage::Element* art : d.all().tags("xxxxescher"))
      total += art->outerHTML().size();
    benchmark::DoNotOptimize(total);
  }
}
BENCHMARK(BM_ParseAndRead);

}  // namespace

BENCHMARK_MAIN();
