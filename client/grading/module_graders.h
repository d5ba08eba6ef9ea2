// The graders of the grading dialog, one per module. The single-choice module is graded here, from
// the candidate's answer record and the answer key. Every other module has a grading control: its
// grader creates the control's wrapper as an invisible child window of the dialog, calls its
// members in the order the control expects, reads the score back and deletes the wrapper, which
// destroys the control. A grader answers the score as the control reports it (a percentage); the
// dialog truncates and clamps it.
//
// A control that cannot be created is shown in a box and a list line, and scores 0. A call that
// fails, or a result that is no number (an infinity, NaN), scores the item 0 with a list line
// naming the module; grading goes on with the next item.
#pragma once

#include <string>
#include <vector>

#include "platform/com/control.h"

// What every grader works with.
struct GraderContext {
  std::string programFolder;  // ends with "\"
  std::string studentFolder;  // ends with "\"
  std::string examCode;
  bool training = false;               // the controls' debug flag; the single-choice tally line
  com::WindowHandle parent = nullptr;  // the grading dialog, the controls' parent window
};

// What the graders tell the dialog.
class GraderReport {
 public:
  virtual ~GraderReport() = default;
  // A modal box with an OK button.
  virtual void Message(const std::string& text) = 0;
  // A line in the dialog's list.
  virtual void Line(const std::string& text) = 0;
  // The word-processor watchdog runs while the word-processor control grades.
  virtual void StartWordWatchdog() = 0;
  virtual void StopWordWatchdog() = 0;
  // The clipboard's text, where the network-part control leaves its report; "" when none.
  virtual std::string ClipboardText() = 0;
};

// Application folder + "Data\Answer\".
std::string AnswerFolder(const GraderContext& context);

// The single-choice record against the key: lines of the record (blank lines aside), those
// answered (not ending in "X"), and of those the ones equal to a line of the key.
struct SingleChoiceTally {
  int questions = 0;
  int answered = 0;
  int right = 0;
  int wrong = 0;
  bool operator==(const SingleChoiceTally&) const = default;
};
SingleChoiceTally TallySingleChoice(const std::vector<std::string>& record,
                                    const std::vector<std::string>& key);
// The line of training mode: "共有 10 道单选题，你选择了 8 道，其中正确 6 道，错误 2 道，正确率为
// 75％。", or "共有 10 道单选题，你一道没做！".
std::string TallyText(const SingleChoiceTally& tally);
// right × 100 / questions; 0 without questions.
double TallyPercent(const SingleChoiceTally& tally);

// The single-choice module from StudentFolder + "Selkt\" + exam code + ".txt" and `answerFile`
// (application folder + "Data\Answer\Sel.ans" when empty). In training mode the tally line goes
// to "Selkt\1234.txt".
double GradeSingleChoice(const GraderContext& context, GraderReport& report,
                         const std::string& answerFile);

// The control graders, each for one answer workbook `name`.
double GradeDesktopOps(const GraderContext& context, GraderReport& report, const std::string& name);
double GradeDocument(const GraderContext& context, GraderReport& report, const std::string& name);
// ExcelGrade × 100 / ExcelAllGrade in integers; 0 when the full marks are 0.
double GradeSpreadsheet(const GraderContext& context, GraderReport& report,
                        const std::string& name);
double GradePresentation(const GraderContext& context, GraderReport& report,
                         const std::string& name);
// The network part has no workbook; in training mode the control's clipboard report is kept in
// "Netkt\1234.txt".
double GradeNetwork(const GraderContext& context, GraderReport& report);
// The web-page control's percentage as it is; a result that is not >= 0 gives 0.
double GradeWebPage(const GraderContext& context, GraderReport& report, const std::string& name);

// The grader of module `moduleId` (1 desktop, 2 word processor, 3 spreadsheet, 4 presentation,
// 5 network part, 6 web page) for one answer workbook; 0 for any other module.
double GradeAnswerItem(int moduleId, const GraderContext& context, GraderReport& report,
                       const std::string& name);
