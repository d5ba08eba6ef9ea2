// The demo's word-processor task (module 2, paper 201): the candidate's starting document that
// the paper archive carries, the answer workbook of its rules, and the document with some or all
// of the nine steps done, which the tests and the benchmark grade. The question text is
// demo/paper/word1.txt.
#pragma once

#include <filesystem>

#include "platform/base/result.h"

namespace demo {

// "computer.docx", under "wordkt" in the archive and in the candidate's folder.
inline constexpr const char* kWordDocument = "computer.docx";
// "word1.xlsx", the answer workbook in Data\Answer.
inline constexpr const char* kWordAnswer = "word1.xlsx";
inline constexpr int kWordFullMarks = 100;

// The steps of the question, one bit each, in its order.
enum WordStep : unsigned {
  kReplaceWord = 1u << 0,   // every "电脑" of the text becomes "计算机"
  kTitleFont = 1u << 1,     // the title in 黑体, 22 points, red
  kTitleCentred = 1u << 2,  // the title centred
  kEmphasis = 1u << 3,      // "ENIAC" bold, italic, single underline
  kParagraphs = 1u << 4,    // the body's paragraphs: first line 2 characters, 0.5 lines before
                            // and after, 1.5 line spacing
  kPageSetup = 1u << 5,     // A4, margins 2.5 cm top and bottom, 3 cm left and right
  kHeader = 1u << 6,        // the header "计算机应用能力考试"
  kTable = 1u << 7,         // a 5 x 4 table at the end, style 网格型, centred
  kTextBox = 1u << 8,       // a text box "科技改变生活", 5 x 2 cm, 12 cm and 6 cm from the
                            // page's edges, square wrap
  kAllWordSteps = (1u << 9) - 1,
};

// The points the answer workbook's rules give one step (a single bit of WordStep).
int WordStepPoints(WordStep step);

// The document as the paper archive carries it: no step done.
base::Status WriteStartingDocument(const std::filesystem::path& file);
// The document with the steps `done` (bits of WordStep) done as a word processor saves them.
base::Status WriteSolvedDocument(const std::filesystem::path& file, unsigned done = kAllWordSteps);
// Every step tried, four of them wrong: left and right margins left at 3.17 cm, "ENIAC" only
// bold, no header, the text box wrapped above and below. Its rules give kPartlyWrongPoints.
base::Status WritePartlyWrongDocument(const std::filesystem::path& file);
inline constexpr int kPartlyWrongPoints = 70;
// Row 1 names the candidate's document and the full marks; "a" rules on what the object model
// reads, "b" rules through the macro interface, one "ab" rule on the copy part A saves, "end".
base::Status WriteWordAnswer(const std::filesystem::path& file);

}  // namespace demo
