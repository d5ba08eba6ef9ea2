// The grading dialog (see score_dlg.h).
#include "client/gui/score_dlg.h"

#include <QApplication>
#include <QCheckBox>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <QTimerEvent>
#include <QVBoxLayout>

#include "client/common/system_utils.h"
#include "client/exam/exam_session.h"
#include "client/gui/artwork.h"
#include "client/gui/grading_system.h"

CScorePicture::CScorePicture(QWidget* parent) : QFrame(parent) {
  setFrameShape(QFrame::StyledPanel);
  setFixedSize(200, 260);
}

void CScorePicture::SetPicture(const std::string& path) {
  if (path == path_) return;
  path_ = path;
  holder_ = CPictureHolder();
  if (!path.empty()) holder_.LoadPictureFile(path);
  repaint();
}

void CScorePicture::paintEvent(QPaintEvent* event) {
  QFrame::paintEvent(event);
  QPainter painter(this);
  const QRect r = contentsRect();
  holder_.Render(painter, r.left(), r.top(), r.right() + 1, r.bottom() + 1);
}

CScoreDlg::CScoreDlg(ExamSession& session, GradingCandidate candidate, GradingSystem& system,
                     QWidget* parent)
    : QDialog(parent), flow_(session, std::move(candidate), *this, system) {
  setWindowIcon(ExamIcon());
  picture_ = new CScorePicture(this);
  list_ = new QListWidget(this);
  list_->setSelectionMode(QAbstractItemView::NoSelection);
  progress_ = new QProgressBar(this);
  progress_->setRange(0, 100);
  progress_->setValue(0);

  auto button = [this](int id, const char* text) {
    auto* b = new QPushButton(QString::fromUtf8(text), this);
    b->setObjectName(QString::number(id));
    b->setAutoDefault(false);
    buttons_[id] = b;
    return b;
  };
  auto checkBox = [this](int id, const char* text) {
    auto* c = new QCheckBox(QString::fromUtf8(text), this);
    c->setObjectName(QString::number(id));
    checkBoxes_[id] = c;
    return c;
  };
  QPushButton* view = button(1039, "查看结果(&V)");
  QPushButton* upload = button(1038, "重新上传(&R)");
  QPushButton* restart = button(1018, "重新启动(&B)");
  QPushButton* start = button(1009, "开始评分(&S)");
  QPushButton* exit = button(1, "退出(&X)");
  QCheckBox* autoRestart = checkBox(1024, "上传分数完毕后自动重新启动考试系统(&A)");
  QCheckBox* autoScore = checkBox(1056, "自动开始评分");
  upload->setVisible(false);
  autoRestart->setVisible(false);
  start->setDefault(true);

  auto* right = new QVBoxLayout;
  right->addWidget(list_, 1);
  right->addWidget(progress_);
  right->addWidget(autoScore);
  right->addWidget(autoRestart);
  auto* top = new QHBoxLayout;
  top->addWidget(picture_);
  top->addLayout(right, 1);
  auto* bottom = new QHBoxLayout;
  for (QPushButton* b : {view, upload, restart}) bottom->addWidget(b);
  bottom->addStretch(1);
  bottom->addWidget(start);
  bottom->addWidget(exit);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top, 1);
  layout->addLayout(bottom);
  resize(760, 380);

  connect(view, &QPushButton::clicked, this, [this] { flow_.OnViewRecord(); });
  connect(upload, &QPushButton::clicked, this, [this] { flow_.OnUploadAgain(); });
  connect(restart, &QPushButton::clicked, this, [this] { flow_.RestartProgram(); });
  connect(start, &QPushButton::clicked, this, [this] { flow_.OnStartGrading(); });
  connect(exit, &QPushButton::clicked, this, [this] { done(1); });
  connect(autoScore, &QCheckBox::clicked, this, [this](bool on) { flow_.OnAutoScore(on); });
  connect(autoRestart, &QCheckBox::clicked, this, [this](bool on) { flow_.OnAutoRestart(on); });

  Show(flow_.State());
  flow_.OnInitDialog();
}

CScoreDlg::~CScoreDlg() {
  if (waitCursor_) QApplication::restoreOverrideCursor();
}

int CScoreDlg::DoModal() {
  return exec() == 1 ? 1 : 0;
}

QPushButton* CScoreDlg::Button(int id) const {
  auto it = buttons_.find(id);
  return it == buttons_.end() ? nullptr : it->second;
}

QCheckBox* CScoreDlg::CheckBox(int id) const {
  auto it = checkBoxes_.find(id);
  return it == checkBoxes_.end() ? nullptr : it->second;
}

void CScoreDlg::Show(const ScoreDlgState& state) {
  setWindowTitle(QString::fromStdString(state.caption));
  QStringList lines;
  for (const std::string& line : state.lines) lines << QString::fromStdString(line);
  bool same = list_->count() == lines.size();
  for (int i = 0; same && i < lines.size(); ++i) same = list_->item(i)->text() == lines[i];
  if (!same) {
    list_->clear();
    list_->addItems(lines);
    list_->scrollToBottom();
  }
  progress_->setValue(state.progress);
  picture_->SetPicture(state.picture);
  for (int id : {1009, 1018}) buttons_[id]->setEnabled(state.buttonsEnabled);
  buttons_[1039]->setEnabled(state.viewEnabled);
  for (int id : {1056, 1024}) checkBoxes_[id]->setEnabled(state.buttonsEnabled);
  buttons_[1038]->setEnabled(state.uploadEnabled);
  buttons_[1039]->setVisible(state.viewVisible);
  checkBoxes_[1056]->setChecked(state.autoScore);
  checkBoxes_[1024]->setChecked(state.autoRestart);
  if (state.waitCursor != waitCursor_) {
    waitCursor_ = state.waitCursor;
    if (waitCursor_)
      QApplication::setOverrideCursor(Qt::WaitCursor);
    else
      QApplication::restoreOverrideCursor();
  }
  // Grading runs inside a handler: what changed is drawn now, without taking any input.
  if (isVisible()) repaint();
}

void CScoreDlg::Message(const std::string& text) {
  ShowMessage(text);
}

void CScoreDlg::StartTimer(int id, int milliseconds) {
  timers_[id].start(milliseconds, this);
}

void CScoreDlg::StopTimer(int id) {
  timers_[id].stop();
}

void CScoreDlg::EndDialog(int result) {
  done(result);
}

void CScoreDlg::done(int result) {
  if (flow_.Busy()) return;
  for (auto& [id, timer] : timers_) timer.stop();
  QDialog::done(result);
}

void CScoreDlg::timerEvent(QTimerEvent* event) {
  for (auto& [id, timer] : timers_) {
    if (timer.timerId() == event->timerId()) {
      flow_.OnTimer(id);
      return;
    }
  }
  QDialog::timerEvent(event);
}

int RunGradingDialog(ExamSession& session, const GradingCandidate& candidate, QWidget* parent) {
  QtGradingSystem system;
  CScoreDlg dialog(session, candidate, system, parent);
  return dialog.DoModal();
}

int GradeCandidateAgain(ExamSession& session, const std::string& examCode,
                        const std::string& studentFolder) {
  return RunGradingDialog(session, {examCode, studentFolder}, QApplication::activeModalWidget());
}
