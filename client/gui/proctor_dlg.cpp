// The proctor's window (see proctor_dlg.h).
#include "client/gui/proctor_dlg.h"

#include <QApplication>
#include <QButtonGroup>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QTableWidget>
#include <QVBoxLayout>

#include "client/exam/login.h"
#include "client/gui/artwork.h"
#include "client/gui/proctor_hook.h"
#include "client/gui/proctor_screen.h"

namespace {

QString Text(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

CProctorDlg::CProctorDlg(ExamSession& session, Regrader regrader, QWidget* parent)
    : QDialog(parent),
      session_(session),
      screen_(std::make_unique<ProctorScreen>(this)),
      context_(session, *screen_),
      server_(context_),
      records_(context_, std::move(regrader)),
      transfer_(context_),
      seating_(context_),
      exports_(context_) {
  setWindowTitle(QStringLiteral("考试机考务管理"));
  setWindowIcon(ExamIcon());
  auto* layout = new QVBoxLayout(this);

  list_ = new QTableWidget(0, static_cast<int>(kProctorColumns.size()), this);
  QStringList titles;
  for (size_t i = 0; i < kProctorColumns.size(); ++i) {
    titles << Text(kProctorColumns[i].title);
    list_->setColumnWidth(static_cast<int>(i), kProctorColumns[i].width);
  }
  list_->setHorizontalHeaderLabels(titles);
  list_->setShowGrid(true);
  list_->setSelectionBehavior(QAbstractItemView::SelectRows);
  list_->setSelectionMode(QAbstractItemView::SingleSelection);
  list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  list_->horizontalHeader()->setSectionsMovable(true);
  list_->verticalHeader()->hide();
  list_->verticalHeader()->setDefaultSectionSize(list_->fontMetrics().height() + 8);
  list_->setMinimumHeight(220);
  layout->addWidget(list_, 1);

  auto* records = new QGroupBox(QStringLiteral("本机考生信息管理"), this);
  auto* recordButtons = new QGridLayout(records);
  const std::pair<int, std::pair<const char*, void (CProctorDlg::*)()>> recordOps[] = {
      {kRegrade, {"重新评分(&R)", &CProctorDlg::OnRegrade}},
      {kSendScore, {"发送分数(&S)", &CProctorDlg::OnSendScore}},
      {kExtendTime, {"考试延时(&A)", &CProctorDlg::OnExtendTime}},
      {kReleasePaper, {"重新释放考题(&E)", &CProctorDlg::OnReleasePaper}},
      {kRetake, {"重新考试(&K)", &CProctorDlg::OnRetake}},
      {kImportCandidateDb, {"导入考生库(&I)", &CProctorDlg::OnImportCandidateDb}},
      {kExportScoreDb, {"导出成绩库(&X)", &CProctorDlg::OnExportScoreDb}},
      {kExportScores, {"查看成绩(&V)", &CProctorDlg::OnExportScores}},
      {kExportCandidate, {"导出考生数据以便换机考试(&H)", &CProctorDlg::OnExportCandidate}},
      {kImportCandidate, {"导入换机考生数据继续考试(&D)", &CProctorDlg::OnImportCandidate}},
  };
  int at = 0;
  for (const auto& [id, op] : recordOps) {
    const int span = id == kExportCandidate || id == kImportCandidate ? 2 : 1;
    recordButtons->addWidget(AddButton(id, op.first, op.second), at / 4, at % 4, 1, span);
    at += span;
  }
  layout->addWidget(records);

  auto* lower = new QHBoxLayout;
  auto* marks = new QGroupBox(QStringLiteral("缺考违纪考生信息管理"), this);
  auto* markLayout = new QGridLayout(marks);
  examCode_ = new QLineEdit(this);
  markLayout->addWidget(new QLabel(QStringLiteral("准考证号："), this), 0, 0);
  markLayout->addWidget(examCode_, 0, 1);
  markLayout->addWidget(AddButton(kMarkAbsent, "登录缺考(&Q)", &CProctorDlg::OnMarkAbsent), 1, 0);
  markLayout->addWidget(AddButton(kMarkViolation, "登录违纪(&W)", &CProctorDlg::OnMarkViolation), 1,
                        1);
  lower->addWidget(marks);

  auto* query = new QGroupBox(QStringLiteral("服务器端本考场信息查询"), this);
  auto* queryLayout = new QGridLayout(query);
  rooms_ = new QComboBox(this);
  sessions_ = new QComboBox(this);
  for (int n = 1; n <= kRoomChoices; ++n) {
    sessions_->addItem(QString::fromStdString(SessionChoice(n)), n);
    rooms_->addItem(QString::fromStdString(RoomChoice(n)), n);
  }
  auto* received = new QRadioButton(QStringLiteral("已接收成绩(&Y)"), this);
  notReceived_ = new QRadioButton(QStringLiteral("未接收成绩(&N)"), this);
  auto* scores = new QButtonGroup(this);
  scores->addButton(received, 0);
  scores->addButton(notReceived_, 1);
  notReceived_->setChecked(true);
  queryLayout->addWidget(rooms_, 0, 0);
  queryLayout->addWidget(sessions_, 0, 1);
  queryLayout->addWidget(received, 1, 0);
  queryLayout->addWidget(notReceived_, 1, 1);
  queryLayout->addWidget(AddButton(kQueryRoom, "查询(&C)", &CProctorDlg::OnQueryRoom), 2, 0, 1, 2);
  lower->addWidget(query);

  auto* config = new QGroupBox(QStringLiteral("系统参数配置"), this);
  auto* configLayout = new QGridLayout(config);
  mode_ = new QComboBox(this);
  for (std::string_view name : kServerModeNames) mode_->addItem(Text(name));
  address_ = new QLineEdit(this);
  address_->setValidator(new QRegularExpressionValidator(
      QRegularExpression(QStringLiteral(R"(^(\d{1,3}(\.\d{0,3}){0,3})?$)")), address_));
  port_ = new QLineEdit(this);
  port_->setValidator(new QIntValidator(0, 65535, port_));
  configLayout->addWidget(mode_, 0, 0, 1, 2);
  configLayout->addWidget(new QLabel(QStringLiteral("服务器："), this), 1, 0);
  configLayout->addWidget(address_, 1, 1);
  configLayout->addWidget(new QLabel(QStringLiteral("端口："), this), 2, 0);
  configLayout->addWidget(port_, 2, 1);
  configLayout->addWidget(
      AddButton(kSetServer, "设定服务器地址和端口(&S)", &CProctorDlg::OnSetServer), 3, 0);
  configLayout->addWidget(AddButton(kTestServer, "测试(&T)", &CProctorDlg::OnTestServer), 3, 1);
  lower->addWidget(config);
  layout->addLayout(lower);

  auto* box = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  box->button(QDialogButtonBox::Ok)->setText(QStringLiteral("确定"));
  box->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("取消"));
  QObject::connect(box, &QDialogButtonBox::accepted, this, &QDialog::accept);
  QObject::connect(box, &QDialogButtonBox::rejected, this, &QDialog::reject);
  layout->addWidget(box);

  // OnInitDialog: the list, the settings, the score file only in training mode.
  RefreshList();
  CIniFile& settings = session_.Settings();
  address_->setText(QString::fromStdString(settings.Read("KIRV", "ServerIP")));
  port_->setText(QString::fromStdString(settings.Read("KIRV", "Port")));
  mode_->setCurrentIndex(ServerModeIndex(settings.Read("KIRV", "Server")));
  QObject::connect(mode_, &QComboBox::activated, this, &CProctorDlg::OnServerModeChange);
  Button(kExportScores)->setEnabled(session_.TrainingMode());
  resize(900, 560);
}

CProctorDlg::~CProctorDlg() = default;

int CProctorDlg::DoModal() {
  return exec() == QDialog::Accepted ? 1 : 2;
}

QPushButton* CProctorDlg::AddButton(int id, const char* caption, void (CProctorDlg::*handler)()) {
  auto* button = new QPushButton(QString::fromUtf8(caption), this);
  button->setAutoDefault(false);
  QObject::connect(button, &QPushButton::clicked, this, handler);
  buttons_[id] = button;
  return button;
}

QPushButton* CProctorDlg::Button(int id) const {
  auto it = buttons_.find(id);
  return it == buttons_.end() ? nullptr : it->second;
}

void CProctorDlg::ShowRows(const std::vector<ProctorListRow>& rows) {
  list_->clearSelection();
  list_->setRowCount(0);
  list_->setRowCount(static_cast<int>(rows.size()));
  for (size_t r = 0; r < rows.size(); ++r)
    for (size_t c = 0; c < rows[r].size(); ++c)
      list_->setItem(static_cast<int>(r), static_cast<int>(c),
                     new QTableWidgetItem(QString::fromStdString(rows[r][c])));
}

void CProctorDlg::RefreshList() {
  const base::Result<std::vector<ProctorListRow>> rows = MachineListRows(session_.Store());
  ShowRows(rows ? *rows : std::vector<ProctorListRow>());
  if (!rows) context_.Show(std::string(login_text::ReadFailed) + rows.error().message);
}

void CProctorDlg::Refreshed(bool changed) {
  if (changed) RefreshList();
}

Selection CProctorDlg::SelectedCode() const {
  const QList<QTableWidgetItem*> selected = list_->selectedItems();
  if (selected.isEmpty()) return std::nullopt;
  const QTableWidgetItem* code = list_->item(selected.front()->row(), kExamCodeColumn);
  return code ? code->text().toStdString() : std::string();
}

void CProctorDlg::OnRegrade() {
  Refreshed(records_.Regrade(SelectedCode()));
}

void CProctorDlg::OnSendScore() {
  Refreshed(server_.SendScore(SelectedCode()));
}

void CProctorDlg::OnExtendTime() {
  records_.ExtendTime(SelectedCode());
}

void CProctorDlg::OnReleasePaper() {
  records_.ReleasePaper(SelectedCode());
}

void CProctorDlg::OnRetake() {
  Refreshed(records_.Retake(SelectedCode()));
}

void CProctorDlg::OnImportCandidateDb() {
  Refreshed(seating_.Run());
}

void CProctorDlg::OnExportScoreDb() {
  exports_.ExportDatabase();
}

void CProctorDlg::OnExportScores() {
  exports_.ExportScores();
}

void CProctorDlg::OnExportCandidate() {
  transfer_.Export(SelectedCode());
}

void CProctorDlg::OnImportCandidate() {
  Refreshed(transfer_.Import());
}

void CProctorDlg::OnMarkAbsent() {
  ChangeCandidateState(kStateAbsent);
}

void CProctorDlg::OnMarkViolation() {
  ChangeCandidateState(kStateViolation);
}

void CProctorDlg::ChangeCandidateState(int state) {
  const bool sent = server_.ChangeCandidateState(examCode_->text().toStdString(), state);
  RefreshList();
  if (!sent) examCode_->setFocus();
}

void CProctorDlg::OnQueryRoom() {
  const auto rows =
      server_.QueryRoom(rooms_->currentData().toInt(), sessions_->currentData().toInt(),
                        notReceived_->isChecked() ? 1 : 0);
  if (rows) ShowRows(*rows);
}

void CProctorDlg::OnSetServer() {
  server_.SetServer(address_->text().toStdString(), port_->text().toStdString());
}

void CProctorDlg::OnTestServer() {
  server_.TestServer();
}

void CProctorDlg::OnServerModeChange(int index) {
  server_.ChangeServerMode(index);
}

void InstallProctorDialog(ExamSession& session, Regrader regrader) {
  SetProctorOpener([&session, regrader](QWidget* parent) {
    if (session.TrainingMode()) return;
    CProctorDlg dialog(session, regrader, parent);
    dialog.DoModal();
  });
}
