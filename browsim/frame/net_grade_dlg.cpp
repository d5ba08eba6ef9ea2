// The checking dialog and its control wrapper.
#include "browsim/frame/net_grade_dlg.h"

#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "platform/ui/clipboard.h"
#include "platform/win/paths.h"

CNetGradeDlg::CNetGradeDlg(const browsim::BrowserPaths& paths, QWidget* parent) : QDialog(parent) {
  setWindowTitle("KIRV网络部分评分");
  resize(720, 480);
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
  list_ = new QTreeWidget(this);
  list_->setRootIsDecorated(false);
  list_->setAllColumnsShowFocus(true);
  list_->setHeaderLabels({"序号", "评分动作", "参数", "对错", "分值"});
  int column = 0;
  for (int width : {40, 160, 380, 40, 40}) list_->setColumnWidth(column++, width);
  layout->addWidget(list_, 1);
  connect(grade, &QPushButton::clicked, this, &CNetGradeDlg::OnGrade);
  connect(open, &QPushButton::clicked, this, [this] {
    const QString file = QFileDialog::getOpenFileName(this, QString(), QString(),
                                                      "网络操作库文件(*.net);;All Files(*.*)");
    if (!file.isEmpty()) GradeFile(win::ToWindowsPath(file.toStdString()));
  });
  connect(quit, &QPushButton::clicked, this, &QDialog::reject);

  if (!control_.Create("hopmark", 0, com::Rect{}, this, 1040)) {
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
  report_ = QString::fromStdString(ui::ClipboardText());
  ShowReport();
}

void CNetGradeDlg::ShowReport() {
  list_->clear();
  // The header line and the empty line after it, then one row per line: label, parameter,
  // √ or ×, points, separated by tabs.
  const QStringList lines = report_.split("\r\n");
  for (qsizetype i = 2; i < lines.size(); ++i) {
    const QStringList cells = lines[i].split('\t');
    if (cells.size() != 4) continue;
    auto* row = new QTreeWidgetItem(list_);
    row->setText(0, QString::number(list_->topLevelItemCount() - 1));
    for (int c = 0; c < 4; ++c) row->setText(c + 1, cells[c]);
  }
}

QString CNetGradeDlg::ScoreText() const {
  return score_->text();
}
