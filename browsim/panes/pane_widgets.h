// The Qt views of the side panes and small dialogs: the caption every side pane carries, the
// history and search placeholder panes, the "打开" dialog, the operation-record viewer and the
// logo button.
#pragma once

#include <QAbstractButton>
#include <QDialog>
#include <QEvent>
#include <QFont>
#include <QFrame>
#include <QPixmap>
#include <QString>

#include "browsim/core/browser_host.h"

class QComboBox;
class QDialogButtonBox;
class QTableWidget;
class QToolButton;

namespace browsim::panes {

// The caption bar of a side pane: its text on a raised band, and a close button (command 103)
// that hides the main window's left column, the pane's parent.
class PaneCaption : public QFrame {
 public:
  PaneCaption(const QString& text, QWidget* pane);
  QToolButton* CloseButton() const { return close_; }

 private:
  QToolButton* close_;
};

// "宋体" 9 points (12 pixels), with the fonts that stand in for it on this system.
QFont SongFont();

// The buttons "确定" (default) and "取消" of a dialog, wired to its accept and reject.
QDialogButtonBox* OkCancelButtons(QDialog* dialog);

// The text of the main window's address box (its control id is its command's, 32771).
QString AddressBoxText(BrowserHost& host);

// Hides the left column of the main window that holds `pane`.
void ClosePane(QWidget* pane);

// CHistoryView and CSearchView: a caption and a placeholder text in a raised box.
class CPlaceholderPane : public QWidget {
 public:
  CPlaceholderPane(const QString& caption, const QString& placeholder, QWidget* parent);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  PaneCaption* caption_;
  QString placeholder_;
};

// "打开": navigates the browser view to a typed address or a chosen local file.
class COpenPageDlg : public QDialog {
 public:
  COpenPageDlg(BrowserHost& host, QWidget* parent);
  QComboBox* AddressBox() const { return address_; }
  // "浏览(&R)...": shows `hostPath` (a chosen file) in its Windows form.
  void SetChosenFile(const QString& hostPath);
  void accept() override;

 private:
  BrowserHost& host_;
  QComboBox* address_;
};

// "系统操作记录": the Log table as a list, and the report to the clipboard.
class CActionLogDlg : public QDialog {
 public:
  CActionLogDlg(BrowserHost& host, QWidget* parent);
  QTableWidget* List() const { return list_; }
  // "送到剪贴板(&P)"; false when there is no clipboard.
  bool SendToClipboard();

 private:
  BrowserHost& host_;
  QTableWidget* list_;
};

// The event the logo button sends the main window when pressed, registered once under the name
// "OnLogoClick"; no window of the browser handles it.
QEvent::Type LogoClickEvent();

// CLogoButton: the logo on the menu bar (61446). Made hidden; its timer shows it and keeps it
// at the bar's right end. Over it the status bar shows its prompt and a tooltip shows; a press
// sends LogoClickEvent to the main window.
class CLogoButton : public QAbstractButton {
 public:
  explicit CLogoButton(QWidget* menuBar);
  ~CLogoButton() override;

  // Timer 1: every 500 ms.
  int TimerId() const { return timer_; }
  // The button's string: the status prompt, a line feed, the tooltip.
  static QString Text();
  QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void timerEvent(QTimerEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;

 private:
  QPixmap image_;
  int timer_ = 0;
};

}  // namespace browsim::panes
