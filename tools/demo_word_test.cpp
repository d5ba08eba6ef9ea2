// The demo's word-processor task graded end to end: its answer workbook and a candidate's
// document in the folders the client passes, docmark.ocx registered and created by its class
// id, and the client's PingWord calling Run with the texts by reference, as its grader does.
#include "grading/docmark/testing/demo_document.h"

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>

#include "client/grading/controls/ping_run.h"
#include "platform/com/library.h"
#include "platform/win/message_box.h"
#include "platform/win/testing/scoped_env.h"
#include "platform/win/testing/test_folder.h"
#include "tools/testing/grade_by_run.h"

namespace {

namespace fs = std::filesystem;

class DemoWord : public ::testing::Test {
 protected:
  void SetUp() override {
    // Part A's "Word.Application OK" box is confirmed as a proctor would.
    win::SetMessageSink([this](const win::MessageBoxRequest& box) {
      boxes_.push_back(box.text);
      return int{win::IDOK};
    });
    registry_.emplace("KIRV_REGISTRY", (root_.Path() / "registry.ini").string());
    base::Result<const com::Library*> library = com::LoadControlLibrary(KIRV_DOCMARK_OCX);
    ASSERT_TRUE(library) << library.error().message;
    ASSERT_TRUE((*library)->RegisterServer());
    fs::create_directories(Answers());
    fs::create_directories(Candidate());
    ASSERT_TRUE(demo::WriteWordAnswer(Answers() / demo::kWordAnswer));
  }
  void TearDown() override {
    registry_.reset();
    win::SetMessageSink(nullptr);
  }

  fs::path Answers() const { return root_.Path() / "Data" / "Answer"; }
  fs::path Candidate() const { return root_.Path() / "26001010101" / "wordkt"; }

  double Grade() { return GradeByRun<PingWord>(Candidate(), Answers(), demo::kWordAnswer, 112); }

  win::testing::ScopedTempFolder root_{"demo_word_"};
  std::optional<win::testing::ScopedEnv> registry_;
  std::vector<std::string> boxes_;
};

double Percent(int points) {
  return points * 100.0 / demo::kWordFullMarks;
}

TEST_F(DemoWord, TheTaskDoneScoresFullMarks) {
  ASSERT_TRUE(demo::WriteSolvedDocument(Candidate() / demo::kWordDocument));
  EXPECT_DOUBLE_EQ(Grade(), 100.0);
  // Part A saved its copy for the "ab" rule beside the candidate's document.
  EXPECT_TRUE(fs::is_regular_file(Candidate() / "computertmq.doc"));
}

TEST_F(DemoWord, TheStartingDocumentScoresNothing) {
  ASSERT_TRUE(demo::WriteStartingDocument(Candidate() / demo::kWordDocument));
  EXPECT_DOUBLE_EQ(Grade(), 0.0);
}

TEST_F(DemoWord, ThePartlyWrongDocumentLosesThePointsOfItsMistakes) {
  ASSERT_TRUE(demo::WritePartlyWrongDocument(Candidate() / demo::kWordDocument));
  EXPECT_DOUBLE_EQ(Grade(), Percent(demo::kPartlyWrongPoints));
}

TEST_F(DemoWord, AStepLeftUndoneCostsItsPoints) {
  for (unsigned bit = 1; bit <= demo::kAllWordSteps; bit <<= 1) {
    const auto step = static_cast<demo::WordStep>(bit);
    SCOPED_TRACE(bit);
    ASSERT_TRUE(
        demo::WriteSolvedDocument(Candidate() / demo::kWordDocument, demo::kAllWordSteps & ~bit));
    EXPECT_DOUBLE_EQ(Grade(), Percent(demo::kWordFullMarks - demo::WordStepPoints(step)));
  }
}

TEST_F(DemoWord, ADocumentThatIsNotThereScoresNothing) {
  EXPECT_DOUBLE_EQ(Grade(), 0.0);
}

}  // namespace
