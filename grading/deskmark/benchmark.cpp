// Cost of grading a desktop task: 20 rules of every family over a candidate folder of about 330
// files. "TypicalTask" spreads them over 15 folders of 20 files, as papers do, and each rule
// looks at one or two of them; "EveryFileLookedAt" puts them in three folders of 100 whose every
// file's time or size some rules ask for (one stat for each rule that walks it). Each figure is
// a run after the first: the answer workbook already read, the candidate's folders read afresh
// for every rule, as every run does. "WorkbookRead" parses the workbook again each time, for
// comparison. "ThroughTheControl" is the host's whole call: deskmark.ocx created by class id, the
// four puts (the last one grades), wingrade read, the control destroyed; its counter "first_ms" is
// the first such call, which loads and registers the library.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <iostream>
#include <memory>

#include "grading/deskmark/control.h"
#include "grading/deskmark/driver.h"
#include "grading/deskmark/testing/desk_fixture.h"
#include "platform/com/control_window.h"
#include "platform/com/library.h"
#include "platform/win/attributes.h"
#include "platform/win/testing/scoped_env.h"

namespace {

using deskmark::testing::DeskFixture;
using deskmark::testing::Rule;

const std::string d1 = "2024/6/1 8:00";
const std::string d2 = "2024/6/1 18:00";

using Rows = std::vector<std::vector<std::string>>;

const win::LocalSeconds noon = win::LocalSecondsOfCivil(2024, 6, 1, 12, 0, 0);
const win::LocalSeconds early = win::LocalSecondsOfCivil(2024, 5, 1, 12, 0, 0);

// A candidate folder and its answer workbook "desk.xlsx", built by the task.
class Task : public benchmark::Fixture {
 public:
  void SetUp(const benchmark::State&) override {
    f_ = std::make_unique<DeskFixture>();
    if (!f_->AnswerBook("desk.xlsx", Build(*f_))) std::cerr << "cannot write the workbook\n";
  }
  void TearDown(const benchmark::State&) override { f_.reset(); }

 protected:
  // Makes the candidate's files; the rules, every one of which should pass.
  virtual Rows Build(DeskFixture& f) = 0;

  // Grades once (the workbook is read then; anything but 100 is an error), then per iteration.
  void GradeRepeatedly(benchmark::State& st) {
    deskmark::DeskGrader grader;
    const int16_t first = grader.Grade(f_->Candidate(), f_->AnswerFolder(), "desk.xlsx", false);
    if (first != 100) {
      st.SkipWithError(("expected 100, graded " + std::to_string(first)).c_str());
      return;
    }
    for (auto _ : st)
      benchmark::DoNotOptimize(
          grader.Grade(f_->Candidate(), f_->AnswerFolder(), "desk.xlsx", false));
  }

  // Creates, puts, grades, reads and destroys the control; the grade, -1 when a call failed.
  int16_t GradeByControl() {
    com::CreateParams params;
    params.windowName = "abc";
    params.childId = 111;
    auto window = com::ControlWindow::Create(deskmark::winUC::kClass.clsid, params);
    if (!window) return -1;
    com::ControlWindow& w = **window;
    if (!w.Put(deskmark::DISPID_Debugok, com::Variant::Bool(false)) ||
        !w.Put(deskmark::DISPID_Pathofstu, com::Variant::String(f_->Candidate())) ||
        !w.Put(deskmark::DISPID_Pathofanswer, com::Variant::String(f_->AnswerFolder())) ||
        !w.Put(deskmark::DISPID_Answername, com::Variant::String("desk.xlsx")))
      return -1;
    base::Result<com::Variant> grade = w.Get(deskmark::DISPID_wingrade);
    return grade ? static_cast<int16_t>(grade->IntValue()) : -1;
  }

  void GradeThroughControl(benchmark::State& st) {
    win::testing::ScopedEnv registry("KIRV_REGISTRY", f_->Host("../registry.ini").string());
    const auto start = std::chrono::steady_clock::now();
    auto library = com::LoadControlLibrary(KIRV_DESKMARK_OCX);
    if (!library || !(*library)->RegisterServer()) {
      st.SkipWithError("cannot load and register deskmark.ocx");
      return;
    }
    const int16_t first = GradeByControl();
    st.counters["first_ms"] =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    if (first != 100) {
      st.SkipWithError(("expected 100, graded " + std::to_string(first)).c_str());
      return;
    }
    for (auto _ : st) benchmark::DoNotOptimize(GradeByControl());
  }

  std::unique_ptr<DeskFixture> f_;
};

class TypicalTask : public Task {
 protected:
  Rows Build(DeskFixture& f) override {
    for (int folder = 0; folder < 15; ++folder) {
      char name[8];
      std::snprintf(name, sizeof name, "f%02d", folder);
      for (int i = 0; i < 20; ++i) {
        char file[32];
        // f13 holds the old files "a..", f14 the new ones "n.."; elsewhere all "n.." and old.
        std::snprintf(file, sizeof file, "%s/%s%02d.txt", name, folder == 13 ? "a" : "n", i);
        f.File(file, 100 * static_cast<size_t>(i))
            .Modified(file, folder == 14 && i < 10 ? noon : early);
      }
    }
    for (const char* doc : {"a.doc", "b.doc", "c.doc"}) {
      f.File(std::string("f06/") + doc, 700);
    }
    for (const auto& entry : std::filesystem::directory_iterator(f.Host("f06")))
      f.File("f07/" + entry.path().filename().string(), entry.file_size());
    f.File("f05/h.txt").Attributes("f05/h.txt", win::FILE_ATTRIBUTE_HIDDEN);
    f.File("f09/x.bak").File("f09/y.bak").File("f10/new.txt").File("f11/copy.txt");
    f.Folder("moved").Folder("hid").Attributes("hid", win::FILE_ATTRIBUTE_HIDDEN);
    f.File("links/记事本.lnk");
    f.Folder("fc1/D").Folder("fc2/D").Modified("fc2/D", noon);
    return {
        Rule("ISFLDREXIST", {"f03"}, "5"),
        Rule("ISFILEEXIST", {"f04\\n07.txt"}, "5"),
        Rule("FILESX", {"f05\\h.txt", "2"}, "5"),
        Rule("FLDRSX", {"hid", "18"}, "5"),
        Rule("ISFILECOPY", {"f06", "f07", "*.doc"}, "5"),
        Rule("ISFILEMOVE", {"f08", "f09", "*.bak"}, "5"),
        Rule("ISFILEMRENAME", {"f10\\old.txt", "f10\\new.txt"}, "5"),
        Rule("ISFILECRENAME", {"f11\\n01.txt", "f11\\copy.txt"}, "5"),
        Rule("ISFILEDEL", {"f12", "*.tmp"}, "5"),
        Rule("ISFLDRDEL", {"gone"}, "5"),
        Rule("ISFLDRMOVE", {"gone", "moved"}, "5"),
        Rule("ISFLDRCOPY", {"f01", "f02"}, "5"),
        Rule("ISKJFSEXIST", {"links", "", "记事本.lnk"}, "5"),
        Rule("DATELASTMODIFIEDFILEMOVE", {"f13", "f14", d1, d2}, "5"),
        Rule("ISDALAMOFLDRCOPY", {"fc1", "fc2", d1, d2}, "5"),
        Rule("DATAMODIFYFILEADDRIBE", {"f14", d1, d2, "32"}, "5"),
        Rule("ISDALAMOFILEFLDRDEL", {"f13", d1, d2}, "5"),
        Rule("ISFILELENCOPY", {"f06", "f07", "1", "2"}, "5"),
        Rule("ISFILELENDEL", {"f12", "50", "60"}, "5"),
        Rule("ISFILELENADDRIBE", {"f05", "1", "1", "0"}, "5"),
        {"END"},
    };
  }
};

BENCHMARK_F(TypicalTask, Graded)(benchmark::State& st) {
  GradeRepeatedly(st);
}

BENCHMARK_F(TypicalTask, ThroughTheControl)(benchmark::State& st) {
  GradeThroughControl(st);
}

BENCHMARK_F(TypicalTask, WorkbookRead)(benchmark::State& st) {
  for (auto _ : st) {
    deskmark::DeskGrader grader;  // a fresh state reads the workbook again
    benchmark::DoNotOptimize(grader.Grade(f_->Candidate(), f_->AnswerFolder(), "desk.xlsx", false));
  }
}

class EveryFileLookedAt : public Task {
 protected:
  Rows Build(DeskFixture& f) override {
    for (int i = 0; i < 100; ++i) {
      const std::string n = std::to_string(i);
      f.File("src/f" + n + ".txt", 100 + i * 40).Modified("src/f" + n + ".txt", early);
      f.File("dst/f" + n + ".txt", 100 + i * 40);
      f.File("docs/d" + n + ".doc", 2000).Modified("docs/d" + n + ".doc", i < 50 ? noon : early);
    }
    for (int i = 0; i < 10; ++i) {
      f.File("src/h" + std::to_string(i) + ".bak")
          .Attributes("src/h" + std::to_string(i) + ".bak", win::FILE_ATTRIBUTE_HIDDEN);
      f.Folder("dst/sub" + std::to_string(i)).Modified("dst/sub" + std::to_string(i), noon);
    }
    f.File("moved/m.txt", 5000).Modified("moved/m.txt", noon).Folder("gone");
    f.File("links/记事本.lnk").Folder("hid").Attributes("hid", win::FILE_ATTRIBUTE_HIDDEN);
    return {
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
  }
};

BENCHMARK_F(EveryFileLookedAt, Graded)(benchmark::State& st) {
  GradeRepeatedly(st);
}

}  // namespace

BENCHMARK_MAIN();
