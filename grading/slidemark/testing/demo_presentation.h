// The demo's presentation task (module 4, paper 401): the candidate's starting presentation that
// the paper archive carries, the answer workbook of its rules, and the presentation with some or
// all of the ten steps done, which the tests and the benchmark grade. The question text is
// demo/paper/ppt1.txt.
#pragma once

#include <filesystem>

#include "platform/base/result.h"

namespace demo {

// "history.pptx", under "pptkt" in the archive and in the candidate's folder.
inline constexpr const char* kPptPresentation = "history.pptx";
// "ppt1.xlsx", the answer workbook in Data\Answer.
inline constexpr const char* kPptAnswer = "ppt1.xlsx";
inline constexpr int kPptFullMarks = 100;

// The steps of the question, one bit each, in its order.
enum PptStep : unsigned {
  kBlankSlide = 1u << 0,   // a third slide at the end, layout "Blank"
  kTitleLayout = 1u << 1,  // the first slide's layout becomes "Title Slide"
  kTitleText = 1u << 2,  // the first slide's title "计算机的发展简史" in 黑体, 40 points, bold
  kBodyCentred = 1u << 3,   // the second slide's body text centred
  kStarGeometry = 1u << 4,  // the second slide's third shape 3 x 3 cm, 18 cm and 10 cm from the
                            // slide's top left corner
  kStarShape = 1u << 5,     // that shape a five-point star
  kStarFill = 1u << 6,      // the star filled red
  kSubtitleLink = 1u << 7,  // the first slide's subtitle text linked to "http://www.edu.cn/"
  kDissolve = 1u << 8,      // the second slide's transition "Dissolve"
  kStarFlyIn = 1u << 9,     // the star's entrance "Fly In" from the left
  kAllPptSteps = (1u << 10) - 1,
};

// The points the answer workbook's rules give one step (a single bit of PptStep).
int PptStepPoints(PptStep step);

// The presentation as the paper archive carries it: no step done.
base::Status WriteStartingPresentation(const std::filesystem::path& file);
// The presentation with the steps `done` (bits of PptStep) done as the presentation program
// saves them.
base::Status WriteSolvedPresentation(const std::filesystem::path& file,
                                     unsigned done = kAllPptSteps);
// Every step tried, five of them wrong: the title at 36 points, the body right-aligned, the star
// 4 cm wide, filled yellow and flying in from the right. Its rules give kPartlyWrongPptPoints.
base::Status WritePartlyWrongPresentation(const std::filesystem::path& file);
inline constexpr int kPartlyWrongPptPoints = 60;
// Row 1 names the candidate's presentation and the full marks; a rule row per step, "END".
base::Status WritePptAnswer(const std::filesystem::path& file);

}  // namespace demo
