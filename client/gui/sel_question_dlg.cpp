// The single-choice answer dialog (see sel_question_dlg.h).

#include "client/gui/sel_question_dlg.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include "client/gui/question_view.h"

CSelQuestionDlg::CSelQuestionDlg(const std::string& programFolder, const std::string& studentFolder,
                                 const std::string& examCode,
                                 const std::function<std::string()>& readPapers,
                                 const QFont& questionFont, int dockEdge, QWidget* parent)
    : QWidget(parent), programFolder_(programFolder), font_(questionFont), dockEdge_(dockEdge) {
  view_ = new CQuestionRichEdit(this);
  group_ = new QButtonGroup(this);
  const char* letters[4] = {"A", "B", "C", "D"};
  for (int i = 0; i < 4; ++i) {
    radios_[i] = new QRadioButton(QString::fromLatin1(letters[i]), this);
    group_->addButton(radios_[i], i);
    std::string letter = letters[i];
    connect(radios_[i], &QRadioButton::clicked, this, [this, letter] { SetAnswer(letter); });
  }
  auto_ = new QCheckBox(QStringLiteral("自动跳题(&A)"), this);
  prev_ = new QPushButton(QStringLiteral("上一题(&P)"), this);
  next_ = new QPushButton(QStringLiteral("下一题(&N)"), this);
  position_ = new QLabel(QStringLiteral("第 1/30 题"), this);
  line_ = new QFrame(this);
  line_->setFrameShape(QFrame::HLine);
  line_->setFrameShadow(QFrame::Sunken);
  list_ = new QComboBox(this);
  list_->hide();
  notice_ = new QLabel(this);
  notice_->setWordWrap(true);
  notice_->setStyleSheet(QStringLiteral("color: red; background: white;"));
  notice_->hide();
  connect(prev_, &QPushButton::clicked, this, [this] { OnPrev(); });
  connect(next_, &QPushButton::clicked, this, [this] { OnNext(); });

  ShowSaved(record_.Open(studentFolder, examCode, readPapers));
  for (int i = 1; i <= record_.Count(); ++i)
    list_->addItem(QString::fromStdString(record_.Name(i)));
  connect(list_, &QComboBox::activated, this, [this](int index) { ShowQuestion(index + 1); });
  ShowQuestion(record_.Current());
  LayOut();
}

void CSelQuestionDlg::ShowQuestion(int n) {
  record_.Go(n);
  n = record_.Current();
  view_->clear();
  view_->setFont(font_);
  // A question file that cannot be read leaves the view empty; the answer buttons still work.
  if (record_.Count() > 0 && !view_->StreamInRtfFile(record_.QuestionFile(programFolder_, n)))
    view_->clear();
  position_->setText(PositionText());
  prev_->setEnabled(n > 1);
  next_->setEnabled(n < record_.Count());
  int index = record_.Count() > 0 ? record_.AnswerIndex(n) : -1;
  group_->setExclusive(false);
  for (int i = 0; i < 4; ++i) radios_[i]->setChecked(i == index);
  group_->setExclusive(true);
}

QString CSelQuestionDlg::PositionText() const {
  return QStringLiteral("第 %1/%2 题").arg(record_.Current()).arg(record_.Count());
}

bool CSelQuestionDlg::PrevEnabled() const {
  return prev_->isEnabled();
}
bool CSelQuestionDlg::NextEnabled() const {
  return next_->isEnabled();
}

int CSelQuestionDlg::SelectedIndex() const {
  return group_->checkedId();
}

void CSelQuestionDlg::SetAutoAdvance(bool on) {
  auto_->setChecked(on);
}

void CSelQuestionDlg::SetAnswer(const std::string& letter) {
  ShowSaved(record_.SetAnswer(letter, auto_->isChecked()));
  ShowQuestion(record_.Current());
}

void CSelQuestionDlg::OnPrev() {
  ShowQuestion(record_.Current() - 1);
}
void CSelQuestionDlg::OnNext() {
  ShowQuestion(record_.Current() + 1);
}

void CSelQuestionDlg::SetDockEdge(int edge) {
  dockEdge_ = edge;
  LayOut();
}

void CSelQuestionDlg::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  LayOut();
}

QString CSelQuestionDlg::Notice() const {
  return notice_->isHidden() ? QString() : notice_->text();
}

void CSelQuestionDlg::ShowSaved(const base::Status& saved) {
  if (saved) {
    notice_->hide();
    return;
  }
  notice_->setText(QString::fromStdString(std::string(kAnswerNotSaved) + saved.error().message));
  notice_->show();
  notice_->raise();
}

void CSelQuestionDlg::closeEvent(QCloseEvent* event) {
  ShowSaved(record_.Save());
  QWidget::closeEvent(event);
}

void CSelQuestionDlg::LayOut() {
  int w = width(), h = height();
  bool across = dockEdge_ == 1 || dockEdge_ == 3;
  int bw = prev_->sizeHint().width();
  view_->setGeometry(0, 0, std::max(w - 1, 0), std::max(h - (across ? 40 : 80), 0));
  line_->setGeometry(0, h - 40, w, 2);
  position_->adjustSize();
  position_->move(5, h - (across ? 25 : 65));
  for (int i = 0; i < 4; ++i) {
    radios_[i]->adjustSize();
    radios_[i]->move(80 + 50 * i, h - (across ? 28 : 68));
  }
  const int bottom = h - (across ? 40 : 80);
  notice_->setGeometry(0, std::max(bottom - 36, 0), std::max(w - 1, 0), 36);
  prev_->resize(prev_->sizeHint());
  next_->resize(next_->sizeHint());
  auto_->adjustSize();
  if (across) {
    prev_->move(280, h - 32);
    next_->move(bw + 300, h - 32);
    auto_->move(w - auto_->width() - 10, h - 25);
  } else {
    prev_->move(w - 2 * bw - 20, h - 30);
    next_->move(w - bw - 10, h - 30);
    auto_->move(5, h - 26);
  }
}
