// Cost of what a word-processor task's checks do to a candidate's document: open it from its
// bytes and read what a task reads (the table kTaskReads below: texts found and their fonts,
// paragraph formats and dialog values, tables walked and read by index, page setup, headers and
// footers, the background), and save the copy part A saves. The candidate is the demo-sized
// task document of testing/sample_documents. A text is counted as the macro interface counts it
// (one search after another to the end) in the long document of testdata/. A candidate's huge
// style table is opened and read where its text uses it.
//   word_benchmark                      run the benchmarks
//   word_benchmark --write <folder>     only write task_document.docx there, for other readers
#include <benchmark/benchmark.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>

#include "platform/office/word/testing/sample_documents.h"
#include "platform/office/word/word.h"
#include "platform/win/testing/test_folder.h"

namespace {

const std::string& TaskBytes() {
  static const std::string bytes = *word::testing::DocxBytes(word::testing::TaskDocument());
  return bytes;
}

// The texts a task's checks look for, each read as a text check reads it.
const char* const kTaskTexts[] = {"春天的故事", "万物复苏", "加粗的部分", "带下划线",
                                  "第3段",      "表格之后", "网站",       "第一项"};

void ReadFound(word::Selection& s, const char* text) {
  s.SetRange(0, 0);
  word::Find& find = s.Find();
  find.ClearFormatting();
  find.text = text;
  find.wrap = word::wdFindContinue;
  benchmark::DoNotOptimize(find.Execute());
  const word::Font font = s.Range().Font();
  benchmark::DoNotOptimize(font.ColorIndex());
  benchmark::DoNotOptimize(font.Underline());
  benchmark::DoNotOptimize(font.EmphasisMark());
  benchmark::DoNotOptimize(font.Name());
  benchmark::DoNotOptimize(font.Shading()->BackgroundPatternColor());
  benchmark::DoNotOptimize(word::BoldState(s.Range()));
  benchmark::DoNotOptimize(word::DialogField(s.Range(), "FormatParagraph", "before", 1));
  benchmark::DoNotOptimize(word::DialogField(s.Range(), "FormatParagraph", "LeftIndent", 1));
  benchmark::DoNotOptimize(word::DialogField(s.Range(), "FormatFont", "Font", 1));
}

// What one task's checks read, in the order a rule table reads it.
void ReadTask(word::Document& d) {
  word::Selection& s = d.Selection();
  for (const char* text : kTaskTexts) ReadFound(s, text);
  const word::Tables tables = d.Tables();
  const word::Table table = *tables.Item(1);
  benchmark::DoNotOptimize(table.Rows().Count());
  benchmark::DoNotOptimize(table.Columns().Count());
  benchmark::DoNotOptimize(table.Cell(2, 2)->Width());
  benchmark::DoNotOptimize(table.Cell(2, 2)->Height());
  benchmark::DoNotOptimize(table.Cell(2, 3)->Borders(word::wdBorderTop)->LineStyle());
  benchmark::DoNotOptimize(table.Cell(1, 1)->Shading()->Texture());
  benchmark::DoNotOptimize(table.Rows().Alignment());
  benchmark::DoNotOptimize(table.Style());
  benchmark::DoNotOptimize(s.GoTo(word::wdGoToTable, word::wdGoToFirst, 1));
  benchmark::DoNotOptimize(s.MoveRight(word::wdCell, 2));
  benchmark::DoNotOptimize(s.Range().Cells()->VerticalAlignment());
  benchmark::DoNotOptimize(s.Range().Shading()->BackgroundPatternColorIndex());
  const word::Section section = *d.Sections().Item(1);
  const word::PageSetup setup = section.PageSetup();
  benchmark::DoNotOptimize(setup.HeaderDistance());
  benchmark::DoNotOptimize(setup.LinesPage());
  benchmark::DoNotOptimize(setup.CharsLine());
  benchmark::DoNotOptimize(section.Footers().Item(1)->PageNumbers().Item(1)->Alignment());
  benchmark::DoNotOptimize(d.Background().Fill().PresetGradientType());
  const word::Range all = d.Content();
  for (const char* field : {"PageWidth", "TopMargin", "LeftMargin"})
    benchmark::DoNotOptimize(word::DialogField(all, "FilePageSetup", field, 1));
  // The paragraph the dropped letter starts, and the columns.
  const word::Range dropped = d.Paragraphs().Item(3)->Range();
  benchmark::DoNotOptimize(word::DialogField(dropped, "FormatDropCap", "Position", 1));
  benchmark::DoNotOptimize(word::DialogField(dropped, "FormatDropCap", "Font", 1));
  benchmark::DoNotOptimize(word::DialogField(all, "FormatColumns", "columnspacing", 1));
}

void BM_Open(benchmark::State& state) {
  for (auto _ : state) {
    word::Application app;
    base::Result<word::Document*> d = app.Documents().OpenBytes("task.doc", TaskBytes());
    benchmark::DoNotOptimize(d);
  }
}
BENCHMARK(BM_Open)->Unit(benchmark::kMicrosecond);

void BM_OpenAndReadTask(benchmark::State& state) {
  for (auto _ : state) {
    word::Application app;
    base::Result<word::Document*> d = app.Documents().OpenBytes("task.doc", TaskBytes());
    ReadTask(**d);
  }
}
BENCHMARK(BM_OpenAndReadTask)->Unit(benchmark::kMicrosecond);

void BM_OpenReadAndSaveCopy(benchmark::State& state) {
  win::testing::ScopedTempFolder folder("word_benchmark_");
  const std::filesystem::path copy = folder.Path() / "tasktmq.doc";
  for (auto _ : state) {
    word::Application app;
    base::Result<word::Document*> d = app.Documents().OpenBytes("task.doc", TaskBytes());
    ReadTask(**d);
    benchmark::DoNotOptimize((*d)->SaveAs(copy, "tasktmq.doc"));
  }
}
BENCHMARK(BM_OpenReadAndSaveCopy)->Unit(benchmark::kMicrosecond);

const std::string& LongBytes() {
  static const std::string bytes = [] {
    std::ifstream in(std::filesystem::path(KIRV_WORD_TESTDATA) / "suite_long.docx",
                     std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  }();
  return bytes;
}

// Every occurrence of a word each of the 800 paragraphs holds, found search after search.
void BM_CountOccurrencesInLongDocument(benchmark::State& state) {
  word::Application app;
  base::Result<word::Document*> d = app.Documents().OpenBytes("long.docx", LongBytes());
  if (!d) {
    state.SkipWithError(d.error().message.c_str());
    return;
  }
  word::WordBasic basic(app);
  int64_t count = 0;
  for (auto _ : state) {
    count = 0;
    static_cast<void>(basic.StartOfDocument());
    while (basic.EditFind("计算机") && basic.EditFindFound() != 0) ++count;
  }
  state.counters["occurrences"] = static_cast<double>(count);
}
BENCHMARK(BM_CountOccurrencesInLongDocument)->Unit(benchmark::kMillisecond);

// A candidate's style table of `range(0)` styles: minimal ones, or (range(1) = 1) a chain each
// based on the one before; one paragraph uses the last. Opening indexes the table; the font read
// reads the used style's chain, at most 32 styles, however many the table holds.
std::string StyleTableBytes(int count, bool chain) {
  word::testing::DocxContent content;
  content.styles.reserve(static_cast<size_t>(count) * (chain ? 80 : 30));
  for (int i = 0; i < count; ++i) {
    content.styles += "<w:style w:styleId=\"s" + std::to_string(i) + "\">";
    if (chain && i > 0) content.styles += "<w:basedOn w:val=\"s" + std::to_string(i - 1) + "\"/>";
    content.styles += "</w:style>";
  }
  content.body =
      word::testing::TextPara("text", "<w:pStyle w:val=\"s" + std::to_string(count - 1) + "\"/>");
  return *word::testing::DocxBytes(content);
}

void BM_OpenLargeStyleTable(benchmark::State& state) {
  const std::string bytes = StyleTableBytes(static_cast<int>(state.range(0)), state.range(1) == 1);
  for (auto _ : state) {
    word::Application app;
    base::Result<word::Document*> d = app.Documents().OpenBytes("styles.doc", bytes);
    if (!d) {
      state.SkipWithError(d.error().message.c_str());
      return;
    }
    benchmark::DoNotOptimize((*d)->Content().Font().Size());
  }
}
BENCHMARK(BM_OpenLargeStyleTable)
    ->Args({1'000'000, 0})
    ->Args({200'000, 1})
    ->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  if (argc == 3 && std::strcmp(argv[1], "--write") == 0) {
    const std::filesystem::path file = std::filesystem::path(argv[2]) / "task_document.docx";
    if (base::Status written = word::testing::WriteDocx(file, word::testing::TaskDocument());
        !written) {
      std::cerr << written.error().message << "\n";
      return 1;
    }
    return 0;
  }
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
