// The demo's presentation task graded end to end: its answer workbook and a candidate's
// presentation in the folders the client passes, slidemark.ocx registered and created by its
// class id, and the client's PingPpt calling Run with the texts by reference, as its grader does.
#include "grading/slidemark/testing/demo_presentation.h"

#include <gtest/gtest.h>

#include <fstream>
#include <optional>
#include <string>

#include "client/grading/controls/ping_run.h"
#include "platform/com/library.h"
#include "platform/win/testing/scoped_env.h"
#include "platform/win/testing/test_folder.h"
#include "tools/testing/grade_by_run.h"

namespace {

namespace fs = std::filesystem;

class DemoPpt : public ::testing::Test {
 protected:
  void SetUp() override {
    registry_.emplace("KIRV_REGISTRY", (root_.Path() / "registry.ini").string());
    base::Result<const com::Library*> library = com::LoadControlLibrary(KIRV_SLIDEMARK_OCX);
    ASSERT_TRUE(library) << library.error().message;
    ASSERT_TRUE((*library)->RegisterServer());
    fs::create_directories(Answers());
    fs::create_directories(Candidate());
    ASSERT_TRUE(demo::WritePptAnswer(Answers() / demo::kPptAnswer));
  }
  void TearDown() override { registry_.reset(); }

  fs::path Answers() const { return root_.Path() / "Data" / "Answer"; }
  fs::path Candidate() const { return root_.Path() / "26001010101" / "pptkt"; }

  double Grade() { return GradeByRun<PingPpt>(Candidate(), Answers(), demo::kPptAnswer, 114); }

  win::testing::ScopedTempFolder root_{"demo_ppt_"};
  std::optional<win::testing::ScopedEnv> registry_;
};

double Percent(int points) {
  return points * 100.0 / demo::kPptFullMarks;
}

TEST_F(DemoPpt, TheTaskDoneScoresFullMarks) {
  ASSERT_TRUE(demo::WriteSolvedPresentation(Candidate() / demo::kPptPresentation));
  EXPECT_DOUBLE_EQ(Grade(), 100.0);
}

TEST_F(DemoPpt, TheStartingPresentationScoresNothing) {
  ASSERT_TRUE(demo::WriteStartingPresentation(Candidate() / demo::kPptPresentation));
  EXPECT_DOUBLE_EQ(Grade(), 0.0);
}

TEST_F(DemoPpt, ThePartlyWrongPresentationLosesThePointsOfItsMistakes) {
  ASSERT_TRUE(demo::WritePartlyWrongPresentation(Candidate() / demo::kPptPresentation));
  EXPECT_DOUBLE_EQ(Grade(), Percent(demo::kPartlyWrongPptPoints));
}

TEST_F(DemoPpt, AStepLeftUndoneCostsItsPoints) {
  for (unsigned bit = 1; bit <= demo::kAllPptSteps; bit <<= 1) {
    const auto step = static_cast<demo::PptStep>(bit);
    SCOPED_TRACE(bit);
    ASSERT_TRUE(demo::WriteSolvedPresentation(Candidate() / demo::kPptPresentation,
                                              demo::kAllPptSteps & ~bit));
    EXPECT_DOUBLE_EQ(Grade(), Percent(demo::kPptFullMarks - demo::PptStepPoints(step)));
  }
}

TEST_F(DemoPpt, APresentationThatIsNotThereScoresNothing) {
  EXPECT_DOUBLE_EQ(Grade(), 0.0);
}

TEST_F(DemoPpt, APresentationThatDoesNotOpenScoresNothing) {
  std::ofstream(Candidate() / demo::kPptPresentation, std::ios::binary) << "PK\3\4 not a package";
  EXPECT_DOUBLE_EQ(Grade(), 0.0);
}

}  // namespace
