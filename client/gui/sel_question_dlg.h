// CSelQuestionDlg: the single-choice questions in their tab of the tasks pane. One question at a
// time in the system's question view (no selection, no copying), four answer buttons, previous /
// next, the position and an auto-advance switch; every answer is written to the record at once,
// and an answer that cannot be written is reported on the page, never dropped.
#pragma once

#include <QFont>
#include <QWidget>
#include <functional>
#include <string>

#include "client/exam/single_choice_record.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QPushButton;
class QRadioButton;
class CQuestionRichEdit;

// Shown with the reason when an answer cannot be written to the record.
inline constexpr const char* kAnswerNotSaved = "答案没有保存到考生目录，请通知监考教师！\n";

class CSelQuestionDlg : public QWidget {
 public:
  // Opens (or makes) the candidate's record; `readPapers` gives [Stu].Papers when the record has
  // to be made. `dockEdge`: 0 left, 1 top, 2 right, 3 bottom.
  CSelQuestionDlg(const std::string& programFolder, const std::string& studentFolder,
                  const std::string& examCode, const std::function<std::string()>& readPapers,
                  const QFont& questionFont, int dockEdge, QWidget* parent = nullptr);

  void ShowQuestion(int n);
  void SetAnswer(const std::string& letter);
  void SetDockEdge(int edge);

  const SingleChoiceRecord& Record() const { return record_; }
  CQuestionRichEdit* View() const { return view_; }
  QString PositionText() const;
  // What the red line over the answer buttons says: an answer that could not be saved (it is
  // kept and saved with the next answer), or nothing.
  QString Notice() const;
  bool PrevEnabled() const;
  bool NextEnabled() const;
  int SelectedIndex() const;  // -1 none, 0..3 A..D
  void SetAutoAdvance(bool on);
  void OnPrev();
  void OnNext();

 protected:
  void resizeEvent(QResizeEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void LayOut();
  // Shows what a save said: nothing when it worked.
  void ShowSaved(const base::Status& saved);

  std::string programFolder_;
  SingleChoiceRecord record_;
  QFont font_;
  int dockEdge_;
  CQuestionRichEdit* view_;
  QRadioButton* radios_[4];
  QButtonGroup* group_;
  QCheckBox* auto_;
  QPushButton* prev_;
  QPushButton* next_;
  QLabel* position_;
  QFrame* line_;
  QComboBox* list_;
  QLabel* notice_;
};
