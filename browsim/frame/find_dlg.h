// CFindDlg: the modeless "查找" dialog of the edit menu's find command. It searches the page it
// was opened on with the web engine's own text search, which highlights every match and scrolls
// to the active one; a search without a match says "找不到" in a message box.
#pragma once

#include <QDialog>
#include <QPointer>
#include <QString>
#include <QWebEnginePage>

class QCheckBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

class CFindDlg : public QDialog {
  Q_OBJECT

 public:
  // The one find dialog of `parent`, made on first use, shown and brought to the front; text
  // selected on the page becomes the text to find.
  static CFindDlg* Open(QWebEnginePage* page, QWidget* parent);

  CFindDlg(QWebEnginePage* page, QWidget* parent);

  QLineEdit* TextBox() const { return text_; }
  QCheckBox* MatchCase() const { return matchCase_; }
  QRadioButton* Up() const { return up_; }
  QPushButton* FindNextButton() const { return findNext_; }

  // Searches for the next (or, upwards, the previous) match of the box's text.
  void FindNext();

 signals:
  // After each search: the matches on the page (0 when none) and the active one (from 1).
  void Searched(int matches, int active);

 protected:
  // Closing takes the highlight off the page.
  void done(int result) override;

 private:
  void Search(const QString& text, QWebEnginePage::FindFlags flags, bool retry);

  QPointer<QWebEnginePage> page_;
  QLineEdit* text_ = nullptr;
  QCheckBox* matchCase_ = nullptr;
  QRadioButton* up_ = nullptr;
  QRadioButton* down_ = nullptr;
  QPushButton* findNext_ = nullptr;
};
