// The side panes, the "打开" dialog, the operation-record viewer and the logo button.
#include "browsim/panes/pane_widgets.h"

#include <qdrawutil.h>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QStatusTipEvent>
#include <QStyle>
#include <QTableWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include "browsim/panes/action_log_view.h"
#include "platform/ui/clipboard.h"
#include "platform/win/paths.h"

namespace browsim::panes {

QFont SongFont() {
  QFont font;
  font.setFamilies(
      {QString::fromUtf8("宋体"), "SimSun", "WenQuanYi Micro Hei", "Noto Sans CJK SC"});
  font.setPixelSize(12);
  return font;
}

QDialogButtonBox* OkCancelButtons(QDialog* dialog) {
  auto* buttons = new QDialogButtonBox(dialog);
  buttons->addButton("确定", QDialogButtonBox::AcceptRole)->setDefault(true);
  buttons->addButton("取消", QDialogButtonBox::RejectRole);
  QObject::connect(buttons, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
  QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
  return buttons;
}

QString AddressBoxText(BrowserHost& host) {
  QWidget* window = host.Window();
  const auto* box = window ? window->findChild<QComboBox*>("32771") : nullptr;
  return box ? box->currentText() : QString();
}

void ClosePane(QWidget* pane) {
  if (pane && pane->parentWidget()) pane->parentWidget()->hide();
}

PaneCaption::PaneCaption(const QString& text, QWidget* pane) : QFrame(pane) {
  setFrameStyle(QFrame::Panel | QFrame::Raised);
  setFixedHeight(19);
  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(2, 0, 2, 0);
  auto* label = new QLabel(text, this);
  label->setAlignment(Qt::AlignCenter);
  layout->addWidget(label, 1);
  close_ = new QToolButton(this);
  close_->setObjectName("103");
  close_->setAutoRaise(true);
  close_->setFixedSize(16, 15);
  close_->setIcon(style()->standardIcon(QStyle::SP_TitleBarCloseButton));
  layout->addWidget(close_);
  QObject::connect(close_, &QToolButton::clicked, pane, [pane] { ClosePane(pane); });
}

CPlaceholderPane::CPlaceholderPane(const QString& caption, const QString& placeholder,
                                   QWidget* parent)
    : QWidget(parent), caption_(new PaneCaption(caption, this)), placeholder_(placeholder) {}

void CPlaceholderPane::resizeEvent(QResizeEvent*) {
  caption_->setGeometry(0, 0, width(), 19);
}

void CPlaceholderPane::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const QRect box(width() / 2 - 50, height() / 2 - 25, 100, 50);
  qDrawShadePanel(&painter, box, palette(), false, 1);
  painter.drawText(box, Qt::AlignCenter | Qt::TextSingleLine, placeholder_);
}

COpenPageDlg::COpenPageDlg(BrowserHost& host, QWidget* parent) : QDialog(parent), host_(host) {
  setWindowTitle("打开");
  setFont(SongFont());
  auto* grid = new QGridLayout(this);
  auto* icon = new QLabel(this);
  icon->setPixmap(style()->standardIcon(QStyle::SP_DirOpenIcon).pixmap(32, 32));
  grid->addWidget(icon, 0, 0);
  auto* prompt =
      new QLabel("键入文档或文件夹的 Internet 地址，Internet Explorer 将为您打开它。", this);
  prompt->setWordWrap(true);
  grid->addWidget(prompt, 0, 1, 1, 2);
  auto* label = new QLabel("打开(&O):", this);
  address_ = new QComboBox(this);
  address_->setObjectName("1035");
  address_->setEditable(true);
  address_->setInsertPolicy(QComboBox::NoInsert);
  label->setBuddy(address_);
  grid->addWidget(label, 1, 0);
  grid->addWidget(address_, 1, 1, 1, 2);
  grid->addWidget(new QCheckBox("以 Web 文件夹方式打开(&F)", this), 2, 1, 1, 2);
  QDialogButtonBox* buttons = OkCancelButtons(this);
  QPushButton* browse = buttons->addButton("浏览(&R)...", QDialogButtonBox::ActionRole);
  grid->addWidget(buttons, 3, 0, 1, 3);
  connect(browse, &QPushButton::clicked, this, [this] {
    const QString file =
        QFileDialog::getOpenFileName(this, QString(), QString(), "HTML文件(*.htm);;All Files(*.*)",
                                     nullptr, QFileDialog::ReadOnly);
    if (!file.isEmpty()) SetChosenFile(file);
  });
  resize(366, 148);
}

void COpenPageDlg::SetChosenFile(const QString& hostPath) {
  address_->setEditText(QString::fromStdString(win::ToWindowsPath(hostPath.toStdString())));
}

void COpenPageDlg::accept() {
  const std::string address = address_->currentText().toStdString();
  if (!address.empty()) host_.Navigate(address);
  QDialog::accept();
}

CActionLogDlg::CActionLogDlg(BrowserHost& host, QWidget* parent) : QDialog(parent), host_(host) {
  setWindowTitle("系统操作记录");
  setFont(SongFont());
  auto* layout = new QVBoxLayout(this);
  list_ = new QTableWidget(0, 4, this);
  list_->setObjectName("1038");
  list_->setHorizontalHeaderLabels({"序号", "动作", "参数或者特征", "时间"});
  const int widths[] = {40, 140, 400, 108};
  for (int i = 0; i < 4; ++i) list_->setColumnWidth(i, widths[i]);
  list_->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft);
  list_->horizontalHeader()->setSectionsMovable(true);
  list_->verticalHeader()->hide();
  list_->setShowGrid(true);
  list_->setSelectionBehavior(QAbstractItemView::SelectRows);
  list_->setSelectionMode(QAbstractItemView::SingleSelection);
  list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  layout->addWidget(list_);
  const std::vector<ActionLogRow> rows = ReadActionLog(host_);
  list_->setRowCount(static_cast<int>(rows.size()));
  for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
    const ActionLogRow& row = rows[static_cast<size_t>(r)];
    int c = 0;
    for (const std::string* text : {&row.number, &row.action, &row.parameter, &row.time})
      list_->setItem(r, c++, new QTableWidgetItem(QString::fromStdString(*text)));
  }
  auto* buttons = new QDialogButtonBox(this);
  QPushButton* copy = buttons->addButton("送到剪贴板(&P)", QDialogButtonBox::ActionRole);
  copy->setDefault(true);
  buttons->addButton("关闭(&C)", QDialogButtonBox::RejectRole);
  layout->addWidget(buttons);
  connect(copy, &QPushButton::clicked, this, [this] { SendToClipboard(); });
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  resize(712, 463);
}

bool CActionLogDlg::SendToClipboard() {
  // The report is of the list as shown, row by row.
  std::vector<ActionLogRow> rows;
  const auto cell = [this](int r, int c) {
    const QTableWidgetItem* item = list_->item(r, c);
    return item ? item->text().toStdString() : std::string();
  };
  for (int r = 0; r < list_->rowCount(); ++r)
    rows.push_back({cell(r, 0), cell(r, 1), cell(r, 2), cell(r, 3)});
  return ui::SetClipboardText(ActionLogReport(host_.Paths().globals, rows));
}

QEvent::Type LogoClickEvent() {
  static const auto type = static_cast<QEvent::Type>(QEvent::registerEventType());
  return type;
}

CLogoButton::CLogoButton(QWidget* menuBar) : QAbstractButton(menuBar) {
  setObjectName("61446");
  hide();
  image_ = style()->standardIcon(QStyle::SP_DriveNetIcon).pixmap(22, 22);
  resize(sizeHint());
  setMouseTracking(true);
  // The tooltip is what follows the line feed, or the whole string without one.
  const QString text = Text();
  const QString tip = text.contains('\n') ? text.section('\n', 1) : text;
  if (!tip.isEmpty()) setToolTip(tip);
  timer_ = startTimer(500);
}

CLogoButton::~CLogoButton() {
  if (timer_) killTimer(timer_);
}

QString CLogoButton::Text() {
  return "KIRV 浏览器模拟\nKIRV 考试系统的浏览器模拟";
}

QSize CLogoButton::sizeHint() const {
  return image_.deviceIndependentSize().toSize();
}

void CLogoButton::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  // The same image up and down, as the frame loads it; pressed, it sits one pixel lower.
  painter.drawPixmap(isDown() ? QPoint(1, 1) : QPoint(0, 0), image_);
}

void CLogoButton::timerEvent(QTimerEvent* event) {
  if (event->timerId() != timer_) return QAbstractButton::timerEvent(event);
  show();
  // The menu bar lays out its menus only: the logo keeps itself at the right end.
  if (auto* bar = qobject_cast<QMenuBar*>(parentWidget())) {
    constexpr int kEdge = 2;  // the system's edge width
    move(bar->contentsRect().width() - width() - kEdge, bar->contentsRect().top() + 1);
  }
}

void CLogoButton::mouseMoveEvent(QMouseEvent* event) {
  if (event->buttons() == Qt::NoButton) {
    QStatusTipEvent prompt(Text().section('\n', 0, 0));
    QCoreApplication::sendEvent(window(), &prompt);
  }
  QAbstractButton::mouseMoveEvent(event);
}

void CLogoButton::leaveEvent(QEvent* event) {
  // An empty prompt: the main window shows its idle message.
  QStatusTipEvent idle{QString()};
  QCoreApplication::sendEvent(window(), &idle);
  QAbstractButton::leaveEvent(event);
}

void CLogoButton::mousePressEvent(QMouseEvent* event) {
  QAbstractButton::mousePressEvent(event);
  if (event->button() != Qt::LeftButton) return;
  QEvent click(LogoClickEvent());
  QCoreApplication::sendEvent(window(), &click);
}

}  // namespace browsim::panes
