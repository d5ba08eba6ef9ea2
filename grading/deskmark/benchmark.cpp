// Cost of grading a desktop task: 20 rules of every family over a candidate folder of about 300
// files and folders. "Graded" is a run after the first (the answer workbook already read, the
// candidate's folders read afresh as every run does); "WorkbookRead" forces the workbook to be
// parsed each time, for comparison.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <iostream>
#include <memory>

#include "grading/deskmark/driver.h"
#include "grading/deskmark/testing/desk_fixture.h"
#include "platform/win/attributes.h"

namespace {

using deskmark::testing::DeskFixture;
using deskmark::testing::Rule;

const std::string d1 = "2024/6/1 8:00";
const std::string d2 = "2024/6/1 18:00";

class DesktopTask : public benchmark::Fixture {
 public:
  void SetUp(const benchmark::State&) override {
    f_ = std::make_unique<DeskFixture>();
    const win::LocalSeconds noon = win::LocalSecondsOfCivil(2024, 6, 1, 12, 0, 0);
    const win::LocalSeconds early = win::LocalSecondsOfCivil(2024, 5, 1, 12, 0, 0);
    for (int i = 0; i < 100; ++i) {
      const std::string n = std::to_string(i);
      f_->File("src/f" + n + ".txt", 100 + i * 40).Modified("src/f" + n + ".txt", early);
      f_->File("dst/f" + n + ".txt", 100 + i * 40);
      f_->File("docs/d" + n + ".doc", 2000).Modified("docs/d" + n + ".doc", i < 50 ? noon : early);
    }
    for (int i = 0; i < 10; ++i) {
      f_->File("src/h" + std::to_string(i) + ".bak")
          .Attributes("src/h" + std::to_string(i) + ".bak", win::FILE_ATTRIBUTE_HIDDEN);
      f_->Folder("dst/sub" + std::to_string(i)).Modified("dst/sub" + std::to_string(i), noon);
    }
    f_->File("moved/m.txt", 5000).Modified("moved/m.txt", noon).Folder("gone");
    f_->File("links/记事本.lnk").Folder("hid").Attributes("hid", win::FILE_ATTRIBUTE_HIDDEN);
    rows_ = {
        Rule("ISFLDREXIST", {"docs"}, "5"),
        Rule("ISFILEEXIST", {"src\\f7.txt"}, "5"),
        Rule("FILESX", {"src\\h3.bak", "2"}, "5"),
        Rule("FLDRSX", {"hid", "18"}, "5"),
        Rule("ISFILECOPY", {"src", "dst", "f*.txt"}, "5"),
        Rule("ISFILEMOVE", {"src", "moved", "*.txt"}, "5"),
        Rule("ISFILEMRENAME", {"old.txt", "moved\\m.txt"}, "5"),
        Rule("ISFILECRENAME", {"src\\f1.txt", "dst\\f1.txt"}, "5"),
        Rule("ISFILEDEL", {"src", "*.tmp", "x.doc"}, "5"),
        Rule("ISFLDRDEL", {"gone2"}, "5"),
        Rule("ISFLDRMOVE", {"gone2", "gone"}, "5"),
        Rule("ISFLDRCOPY", {"src", "dst"}, "5"),
        Rule("ISKJFSEXIST", {"links", "", "记事本.lnk"}, "5"),
        Rule("DATELASTMODIFIEDFILEMOVE", {"src", "moved", d1, d2}, "5"),
        Rule("ISDALAMOFLDRCOPY", {"dst", "dst", d1, d2}, "5"),
        Rule("DATAMODIFYFILEADDRIBE", {"docs", d1, d2, "32"}, "5"),
        Rule("ISDALAMOFILEFLDRDEL", {"src", d1, d2}, "5"),
        Rule("ISFILELENCOPY", {"src", "dst", "1", "4"}, "5"),
        Rule("ISFILELENDEL", {"docs", "10", "20"}, "5"),
        Rule("ISFILELENADDRIBE", {"src", "1", "1", "0"}, "5"),
        {"END"},
    };
    if (!f_->AnswerBook("desk.xlsx", rows_)) std::cerr << "cannot write the workbook\n";
  }
  void TearDown(const benchmark::State&) override { f_.reset(); }

 protected:
  std::unique_ptr<DeskFixture> f_;
  std::vector<std::vector<std::string>> rows_;
};

BENCHMARK_F(DesktopTask, Graded)(benchmark::State& st) {
  deskmark::DeskGrader grader;
  const int16_t first = grader.Grade(f_->Candidate(), f_->AnswerFolder(), "desk.xlsx", false);
  if (first != 100) st.SkipWithError(("expected 100, graded " + std::to_string(first)).c_str());
  for (auto _ : st) {
    benchmark::DoNotOptimize(grader.Grade(f_->Candidate(), f_->AnswerFolder(), "desk.xlsx", false));
  }
}

BENCHMARK_F(DesktopTask, WorkbookRead)(benchmark::State& st) {
  for (auto _ : st) {
    deskmark::DeskGrader grader;  // a fresh state reads the workbook again
    benchmark::DoNotOptimize(grader.Grade(f_->Candidate(), f_->AnswerFolder(), "desk.xlsx", false));
  }
}

}  // namespace

BENCHMARK_MAIN();
