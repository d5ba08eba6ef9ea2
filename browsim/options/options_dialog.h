// The "Internet 选项" dialog: the General page (start page, temporary files, history) and the
// Advanced page with its empty settings tree, as tabs; OK and "应用(&A)" save the General page.
#pragma once

#include <QDialog>
#include <QWidget>

#include "browsim/core/browser_host.h"

class QLineEdit;
class QSpinBox;
class QTabWidget;

namespace browsim::options {

class CGeneralPage : public QWidget {
 public:
  CGeneralPage(BrowserHost& host, QWidget* parent);
  QLineEdit* StartPageEdit() const { return startPage_; }
  QSpinBox* HistoryDays() const { return days_; }
  // The start page and the days as the controls show them.
  bool Save();

 private:
  BrowserHost& host_;
  QLineEdit* startPage_;
  QSpinBox* days_;
};

class CInternetOptionsDlg : public QDialog {
 public:
  CInternetOptionsDlg(BrowserHost& host, QWidget* parent);
  CGeneralPage* General() const { return general_; }
  QTabWidget* Tabs() const { return tabs_; }
  // "应用(&A)": saves and stays open.
  void Apply();
  // OK, and the Advanced page's button that carries OK's identifier: saves and closes.
  void accept() override;

 private:
  QTabWidget* tabs_;
  CGeneralPage* general_;
};

}  // namespace browsim::options
