// The checking dialog and its control wrapper.
#include "browsim/frame/net_grade_dlg.h"

#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "platform/win/paths.h"

CNetGradeDlg::CNetGradeDlg(const browsim::BrowserPaths& paths, QWidget* parent) : QDialog(parent) {
  setWindowTitle("KIRV网络部分评分");
  // The dialog's 479 x 303 units at its 9-point font.
  resize(719, 492);
  auto* layout = new QVBoxLayout(this);
  auto* row = new QHBoxLayout;
  auto* grade = new QPushButton("评分(&S)", this);
  grade->setDefault(true);
  auto* open = new QPushButton("打开(&O)", this);
  auto* toClipboard = new QPushButton("结果送入剪贴板(&C)", this);
  auto* quit = new QPushButton("退出(&X)", this);
  score_ = new QLabel(this);
  row->addWidget(grade);
  row->addWidget(open);
  row->addWidget(score_, 1);
  row->addWidget(toClipboard);
  row->addWidget(quit);
  layout->addLayout(row);
  // The control's place on the dialog: 465 x 261 units.
  constexpr int kControlWidth = 698, kControlHeight = 424;
  controlArea_ = new QWidget(this);
  controlArea_->setMinimumSize(kControlWidth, kControlHeight);
  layout->addWidget(controlArea_, 1);
  connect(grade, &QPushButton::clicked, this, &CNetGradeDlg::OnGrade);
  connect(open, &QPushButton::clicked, this, [this] {
    const QString file = QFileDialog::getOpenFileName(this, QString(), QString(),
                                                      "网络操作库文件(*.net);;All Files(*.*)");
    if (!file.isEmpty()) GradeFile(win::ToWindowsPath(file.toStdString()));
  });
  connect(quit, &QPushButton::clicked, this, &QDialog::reject);

  if (!control_.Create("hopmark", com::kStyleVisible,
                       com::Rect{0, 0, kControlWidth, kControlHeight}, controlArea_, 1040)) {
    score_->setText("评分控件无法创建: " + QString::fromStdString(control_.LastError()));
    return;
  }
  GradeFile(paths.DatabasePath());
}

void CNetGradeDlg::GradeFile(const std::string& windowsPath) {
  if (base::Status set = control_.SetDB(windowsPath); !set) {
    score_->setText("评分控件无法设置数据库: " + QString::fromStdString(set.error().message));
    return;
  }
  OnGrade();
}

void CNetGradeDlg::OnGrade() {
  if (!control_.IsCreated()) return;
  base::Status graded = control_.Go();
  const auto score = graded ? control_.GetScore() : base::Result<double>(graded.error());
  if (!score) {
    score_->setText("评分失败: " + QString::fromStdString(score.error().message));
    return;
  }
  score_->setText(QString("得分: %1").arg(score.value()));
}

QTreeWidget* CNetGradeDlg::ResultList() const {
  return controlArea_->findChild<QTreeWidget*>("101");
}

QString CNetGradeDlg::ScoreText() const {
  return score_->text();
}
