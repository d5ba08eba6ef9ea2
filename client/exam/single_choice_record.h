// The single-choice answer record and the navigation over its questions, without a window.
// The record is StudentFolder + "selkt\" + exam code + ".txt": one line "name:answer" per drawn
// question, answer "A".."D" or "X" for none. It is rewritten after every answer, each time as a
// whole new file renamed over the old one, and is read-only and hidden. The login makes it;
// CSelQuestionDlg shows what this class holds.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/base/result.h"

// The question names of the single-choice item (module id "0") of a paper list, wherever the
// item stands; empty when there is none.
std::vector<std::string> SingleChoiceNames(std::string_view paperList);

class SingleChoiceRecord {
 public:
  // Opens the record of `code` in `studentFolder` (Windows form, ends with "\"). A missing or
  // empty record is made anew from the paper list `readPapers` returns, every answer "X"; so is
  // one that is no regular file of his folder (a link out of it, a FIFO, a device). Afterwards
  // the current question is the first unanswered one (1 when all are answered). An error when a
  // new record cannot be written (the questions are held all the same), or when the record is
  // there but cannot be read (it is left as it is, with no questions held).
  base::Status Open(const std::string& studentFolder, const std::string& code,
                    const std::function<std::string()>& readPapers);

  const std::string& Path() const { return path_; }
  int Count() const { return static_cast<int>(names_.size()); }
  int Current() const { return current_; }
  // 1-based accessors; n must lie in 1..Count().
  const std::string& Name(int n) const { return names_[n - 1]; }
  const std::string& Answer(int n) const { return answers_[n - 1]; }
  // The question's RTF file under the program folder.
  std::string QuestionFile(const std::string& programFolder, int n) const;
  // 0..3 for A..D, -1 for anything else.
  int AnswerIndex(int n) const;

  // Records the current question's answer and saves; with `autoAdvance` moves on. The answer is
  // kept even when it cannot be saved, and goes with the next save.
  base::Status SetAnswer(const std::string& letter, bool autoAdvance);
  void Prev();
  void Next();
  void Go(int n);  // clamped to 1..Count()

  // Rewrites the record as a whole (a new file renamed over the old, read-only and hidden).
  base::Status Save();

 private:
  std::string folder_;  // StudentFolder + "selkt"
  std::string path_;
  std::vector<std::string> names_, answers_;
  int current_ = 1;
};
