// Tests only: a FakeHost with a main window, as the dialogs find it: its title (the page's) and
// the address box (control 32771). The one QApplication is made on first use.
#pragma once

#include <QComboBox>
#include <QMainWindow>
#include <string>

#include "browsim/core/testing/fake_host.h"
#include "platform/ui/testing/qt_test_app.h"

namespace browsim::testing {

class WindowHost : public FakeHost {
 public:
  explicit WindowHost(std::string_view seedSql = "") : FakeHost(seedSql) {
    ui::TestApp();
    window_ = new QMainWindow;
    addressBox_ = new QComboBox(window_);
    addressBox_->setObjectName("32771");
    addressBox_->setEditable(true);
  }
  ~WindowHost() override { delete window_; }

  QWidget* Window() override { return window_; }
  void Show(const std::string& title, const std::string& address) {
    window_->setWindowTitle(QString::fromStdString(title));
    addressBox_->setEditText(QString::fromStdString(address));
  }

 private:
  QMainWindow* window_;
  QComboBox* addressBox_;
};

}  // namespace browsim::testing
