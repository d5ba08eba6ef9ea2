// Tests of the single-choice answer record: made from the paper list, resumed at the first
// unanswered question, rewritten after each answer and read-only and hidden between writes.

#include "client/exam/single_choice_record.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "platform/win/attributes.h"
#include "platform/win/paths.h"
#include "platform/win/testing/test_folder.h"

namespace {

namespace fs = std::filesystem;

TEST(SingleChoiceNames, TakesTheItemOfModuleZeroWhereverItStands) {
  struct Case {
    const char* papers;
    std::vector<std::string> names;
  } cases[] = {
      {"0-q01,q02|1-101", {"q01", "q02"}},
      {"1-101|0-q03,q01|2-201", {"q03", "q01"}},
      {"10-x|0-y", {"y"}},
      {"1-101|0-q02,q01,|", {"q02", "q01"}},
      {"1-101|2-201", {}},
      {"0-", {}},
      {"", {}},
  };
  for (const Case& c : cases) EXPECT_EQ(SingleChoiceNames(c.papers), c.names) << c.papers;
}

struct RecordFixture : ::testing::Test {
  win::testing::ScopedTempFolder tmp{"sel_record_"};
  const fs::path root = tmp.Path();
  std::string student;  // Windows form, ends with "\"
  int papersRead = 0;
  std::string papers = "1-101|0-q03,q01,q02";

  void SetUp() override {
    fs::create_directories(root / "C1");
    student = win::ToWindowsPath(root / "C1");
    if (student.back() != '\\') student += '\\';
  }
  SingleChoiceRecord Open() {
    SingleChoiceRecord r;
    EXPECT_TRUE(r.Open(student, "C1", [&] {
      ++papersRead;
      return papers;
    }));
    return r;
  }
  void WriteRecord(const std::string& text) {
    fs::create_directories(root / "C1/selkt");
    std::ofstream(root / "C1/selkt/C1.txt", std::ios::binary) << text;
  }
  std::string ReadRecord() {
    std::ifstream in(root / "C1/selkt/C1.txt", std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  }
  uint32_t RecordAttributes() { return win::GetHostFileAttributes(root / "C1/selkt/C1.txt"); }
};

constexpr uint32_t kRoHidden = win::FILE_ATTRIBUTE_READONLY | win::FILE_ATTRIBUTE_HIDDEN;

TEST_F(RecordFixture, MadeFromThePaperListWhenMissingOrEmpty) {
  for (bool emptyFile : {false, true}) {
    SCOPED_TRACE(emptyFile ? "empty file" : "no file");
    if (emptyFile) {
      fs::remove_all(root / "C1/selkt");
      WriteRecord("");
    }
    papersRead = 0;
    SingleChoiceRecord r = Open();
    EXPECT_EQ(papersRead, 1);
    EXPECT_EQ(ReadRecord(), "q03:X\nq01:X\nq02:X\n");
    EXPECT_EQ(RecordAttributes() & kRoHidden, kRoHidden);
    EXPECT_EQ(r.Count(), 3);
    EXPECT_EQ(r.Current(), 1);
    EXPECT_EQ(r.Name(1), "q03");
    EXPECT_EQ(r.QuestionFile("E:\\kirv\\", 2), "E:\\kirv\\Data\\Paper\\Sel\\q01.rtf");
  }
}

// What the candidate put in place of his record is not read: a link to the answer key does not
// fill in his answers, a FIFO is not waited on; a record is made anew in its place.
TEST_F(RecordFixture, NoRecordOfHisIsMadeAnew) {
  std::ofstream(root / "Sel.ans") << "q03:A\nq01:B\nq02:C\n";
  struct Case {
    const char* what;
    void (*make)(const fs::path& record, const fs::path& key);
  } cases[] = {
      {"link to the key", [](const fs::path& r, const fs::path& k) { fs::create_symlink(k, r); }},
      {"FIFO", [](const fs::path& r, const fs::path&) { ASSERT_EQ(::mkfifo(r.c_str(), 0644), 0); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    fs::remove_all(root / "C1/selkt");
    fs::create_directories(root / "C1/selkt");
    c.make(root / "C1/selkt/C1.txt", root / "Sel.ans");
    papersRead = 0;
    SingleChoiceRecord r = Open();
    EXPECT_GT(papersRead, 0);
    EXPECT_EQ(ReadRecord(), "q03:X\nq01:X\nq02:X\n");
    EXPECT_FALSE(fs::is_symlink(root / "C1/selkt/C1.txt"));
    std::ifstream key(root / "Sel.ans");
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(key), {}), "q03:A\nq01:B\nq02:C\n");
  }
}

TEST_F(RecordFixture, ResumesAtTheFirstUnansweredQuestion) {
  struct Case {
    const char* record;
    int current;
  } cases[] = {
      {"q03:A\nq01:X\nq02:B\n", 2},
      {"q03:A\r\nq01:C\r\nq02:X\r\n", 3},
      {"q03:A\nq01:D\nq02:B\n", 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.record);
    fs::remove_all(root / "C1/selkt");
    WriteRecord(c.record);
    papersRead = 0;
    SingleChoiceRecord r = Open();
    EXPECT_EQ(papersRead, 0);
    EXPECT_EQ(r.Count(), 3);
    EXPECT_EQ(r.Current(), c.current);
    EXPECT_EQ(r.AnswerIndex(1), 0);
    EXPECT_EQ(RecordAttributes() & kRoHidden, kRoHidden);
  }
}

TEST_F(RecordFixture, EveryAnswerRewritesTheWholeRecord) {
  SingleChoiceRecord r = Open();
  // A reader of the record (a grader, a copy) holding it while an answer comes reads the record
  // as it was, whole: the new record replaces it instead of being written into it.
  std::ifstream reader(root / "C1/selkt/C1.txt", std::ios::binary);
  EXPECT_TRUE(r.SetAnswer("B", false));
  EXPECT_EQ(std::string((std::istreambuf_iterator<char>(reader)), std::istreambuf_iterator<char>()),
            "q03:X\nq01:X\nq02:X\n");
  EXPECT_EQ(ReadRecord(), "q03:B\nq01:X\nq02:X\n");
  EXPECT_EQ(RecordAttributes() & kRoHidden, kRoHidden);
  EXPECT_EQ(r.Current(), 1);

  EXPECT_TRUE(r.SetAnswer("C", true));  // replaces the first answer and moves on
  EXPECT_EQ(r.Current(), 2);
  r.Go(3);
  EXPECT_TRUE(r.SetAnswer("D", true));  // the last question stays the last
  EXPECT_EQ(r.Current(), 3);
  EXPECT_EQ(ReadRecord(), "q03:C\nq01:X\nq02:D\n");
  EXPECT_EQ(RecordAttributes() & kRoHidden, kRoHidden);

  // Read back after a restart of the client.
  SingleChoiceRecord again = Open();
  EXPECT_EQ(again.Current(), 2);
  EXPECT_EQ(again.AnswerIndex(3), 3);
  EXPECT_EQ(again.AnswerIndex(2), -1);
}

TEST_F(RecordFixture, NavigationStaysWithinTheQuestions) {
  SingleChoiceRecord r = Open();
  r.Prev();
  EXPECT_EQ(r.Current(), 1);
  r.Next();
  r.Next();
  r.Next();
  EXPECT_EQ(r.Current(), 3);
  r.Go(0);
  EXPECT_EQ(r.Current(), 1);

  papers = "1-101";  // no single-choice item: an empty record, nothing to answer
  fs::remove_all(root / "C1/selkt");
  SingleChoiceRecord none = Open();
  EXPECT_EQ(none.Count(), 0);
  EXPECT_FALSE(none.SetAnswer("A", true));
  EXPECT_EQ(ReadRecord(), "");
}

}  // namespace
