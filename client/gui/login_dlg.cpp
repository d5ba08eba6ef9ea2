// The login window (see login_dlg.h).

#include "client/gui/login_dlg.h"

#include <QApplication>
#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QVBoxLayout>
#include "client/common/system_utils.h"
#include "client/gui/artwork.h"
#include "platform/base/text.h"
#include "platform/win/message_box.h"
#include "platform/win/paths.h"

CLoginDlg::CLoginDlg(ExamStore& store, LoginHost& host, const std::string& programFolder,
                     const std::string& paperSetting, bool trainingMode, Hooks hooks,
                     QWidget* parent)
    : QDialog(parent),
      store_(store),
      login_(store, host, *this, programFolder, trainingMode),
      paperSetting_(paperSetting.empty() ? "Random" : paperSetting),
      training_(trainingMode),
      hooks_(std::move(hooks)) {
  setWindowIcon(ExamIcon());
  setWindowTitle(QStringLiteral("练习系统登录"));
  picture_.load(
      QString::fromStdString(win::ToHostPath(programFolder + "Skins\\Login.jpg").string()));

  pictureArea_ = new QLabel(this);
  pictureArea_->setFixedSize(320, 240);
  pictureArea_->setFrameShape(QFrame::Box);
  if (!picture_.isNull())
    pictureArea_->setPixmap(
        picture_.scaled(pictureArea_->size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation));

  code_ = new QLineEdit(QStringLiteral("someone"), this);
  QFont codeFont(QStringLiteral("Arial"));
  codeFont.setPixelSize(18);
  codeFont.setBold(true);
  code_->setFont(codeFont);
  status_ = new QLabel(QStringLiteral("正在初始化练习系统环境，请稍候。。。"), this);
  status_->setWordWrap(true);
  progress_ = new QProgressBar(this);
  progress_->setRange(0, 100);
  progress_->hide();

  modes_ = new QButtonGroup(this);
  auto* single = new QRadioButton(QStringLiteral("单模块练习(&M)"), this);
  auto* composed = new QRadioButton(QStringLiteral("综合练习(&Z)"), this);
  auto* random = new QRadioButton(QStringLiteral("随机组题(&S)"), this);
  modes_->addButton(single, int(DrawMode::SingleModule));
  modes_->addButton(composed, int(DrawMode::Group));
  modes_->addButton(random, int(DrawMode::Random));
  chooseLabel_ = new QLabel(QStringLiteral("请选择试题："), this);
  modules_ = new QComboBox(this);
  papers_ = new QComboBox(this);
  groups_ = new QComboBox(this);
  ok_ = new QPushButton(QStringLiteral("登录(&L)"), this);
  cancel_ = new QPushButton(QStringLiteral("取消(&C)"), this);
  ok_->setDefault(true);

  choices_ = new QWidget(this);
  auto* choiceLayout = new QGridLayout(choices_);
  choiceLayout->setContentsMargins(0, 0, 0, 0);
  choiceLayout->addWidget(single, 0, 0);
  choiceLayout->addWidget(composed, 0, 1);
  choiceLayout->addWidget(random, 0, 2);
  choiceLayout->addWidget(chooseLabel_, 1, 0);
  choiceLayout->addWidget(modules_, 2, 0);
  choiceLayout->addWidget(papers_, 2, 1, 1, 2);
  choiceLayout->addWidget(groups_, 3, 0, 1, 3);

  auto* right = new QVBoxLayout;
  right->addWidget(code_);
  right->addWidget(status_);
  right->addWidget(progress_);
  right->addWidget(choices_);
  right->addStretch();
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(ok_);
  buttons->addWidget(cancel_);
  right->addLayout(buttons);
  auto* top = new QHBoxLayout(this);
  top->addWidget(pictureArea_);
  top->addLayout(right, 1);

  connect(ok_, &QPushButton::clicked, this, [this] { OnLogin(); });
  connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);
  connect(modes_, &QButtonGroup::idClicked, this,
          [this](int id) { SetMode(static_cast<DrawMode>(id)); });
  connect(modules_, &QComboBox::currentIndexChanged, this, [this] { FillPapers(); });
  if (!training_) {
    auto* hotKey = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_F12), this);
    hotKey->setContext(Qt::ApplicationShortcut);
    connect(hotKey, &QShortcut::activated, this, [this] { OnHotKey(); });
  }

  status_->setText(QString::fromUtf8(login_text::Prompt.data(), login_text::Prompt.size()));
  code_->setFocus();
  code_->selectAll();

  if (base::AsciiLower(paperSetting_) == "random") {
    choices_->hide();
  } else {
    Fill(groups_, store_.GroupList().value_or(std::vector<ListEntry>()));
    QSignalBlocker block(modules_);
    Fill(modules_, store_.ModuleList().value_or(std::vector<ListEntry>()));
    FillPapers();
    single->setChecked(true);
    SetMode(DrawMode::SingleModule);
  }
}

void CLoginDlg::Fill(QComboBox* box, const std::vector<ListEntry>& entries) {
  for (const ListEntry& e : entries) box->addItem(QString::fromStdString(e.name), e.id);
}

void CLoginDlg::FillPapers() {
  papers_->clear();
  std::optional<int> module = Selected(modules_);
  if (!module) return;
  Fill(papers_, store_.PaperList(*module).value_or(std::vector<ListEntry>()));
}

std::optional<int> CLoginDlg::Selected(QComboBox* box) const {
  if (box->currentIndex() < 0) return std::nullopt;
  return box->currentData().toInt();
}

void CLoginDlg::SetMode(DrawMode mode) {
  mode_ = mode;
  if (QAbstractButton* b = modes_->button(int(mode))) b->setChecked(true);
  chooseLabel_->setVisible(mode != DrawMode::Random);
  modules_->setVisible(mode == DrawMode::SingleModule);
  papers_->setVisible(mode == DrawMode::SingleModule);
  groups_->setVisible(mode == DrawMode::Group);
}

QString CLoginDlg::StatusText() const {
  return status_->text();
}

void CLoginDlg::OnLogin() {
  LoginRequest request;
  request.code = code_->text().toStdString();
  request.paperSetting = paperSetting_;
  request.mode = mode_;
  request.moduleId = Selected(modules_);
  request.paperId = Selected(papers_);
  request.groupId = Selected(groups_);
  outcome_ = login_.OnLogin(request);
  if (outcome_) accept();
}

void CLoginDlg::OnHotKey() {
  raise();
  activateWindow();
  if (hooks_.askSystemPassword && hooks_.askSystemPassword() && hooks_.openProctor)
    hooks_.openProctor();
}

int CLoginDlg::Message(const std::string& text, unsigned flags) {
  return win::MessageBox(text, ApplicationTitle, flags);
}

bool CLoginDlg::AskSystemPassword() {
  return hooks_.askSystemPassword && hooks_.askSystemPassword();
}

void CLoginDlg::SetStatus(const std::string& text) {
  status_->setText(QString::fromStdString(text));
}

void CLoginDlg::FocusCode() {
  code_->setFocus();
  code_->selectAll();
}

void CLoginDlg::DrawStarted() {
  progress_->show();
  code_->hide();
  status_->hide();
}

void CLoginDlg::SetProgress(int percent) {
  progress_->setValue(percent);
  QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void CLoginDlg::DisableOk() {
  ok_->setEnabled(false);
}

void CLoginDlg::DrawUndone() {
  progress_->hide();
  code_->show();
  status_->show();
  ok_->setEnabled(true);
}
