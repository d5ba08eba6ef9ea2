// The Internet options dialog and its pages.
#include "browsim/options/options_dialog.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QStyle>
#include <QTabWidget>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "browsim/options/general_page.h"
#include "browsim/panes/pane_widgets.h"

namespace browsim::options {
namespace {

// The number of days: any number can be typed, the arrows stay within 0 to 100.
class DaysBox : public QSpinBox {
 public:
  explicit DaysBox(QWidget* parent) : QSpinBox(parent) { setRange(0, 99999); }
  void stepBy(int steps) override { setValue(std::clamp(value() + steps, 0, 100)); }

 protected:
  StepEnabled stepEnabled() const override {
    StepEnabled enabled = StepNone;
    if (value() > 0) enabled |= StepDownEnabled;
    if (value() < 100) enabled |= StepUpEnabled;
    return enabled;
  }
};

// A group of the General page: its icon, its description and a row of controls below.
QGroupBox* Group(QWidget* parent, const char* title, QStyle::StandardPixmap icon,
                 const char* description, QLayout*& row) {
  auto* group = new QGroupBox(title, parent);
  auto* grid = new QGridLayout(group);
  auto* picture = new QLabel(group);
  picture->setPixmap(parent->style()->standardIcon(icon).pixmap(32, 32));
  grid->addWidget(picture, 0, 0, 2, 1, Qt::AlignTop);
  auto* text = new QLabel(description, group);
  text->setWordWrap(true);
  grid->addWidget(text, 0, 1);
  row = new QHBoxLayout;
  grid->addLayout(row, 1, 1);
  return group;
}

QPushButton* Button(QLayout* row, QWidget* parent, const char* text) {
  auto* button = new QPushButton(text, parent);
  row->addWidget(button);
  return button;
}

}  // namespace

CGeneralPage::CGeneralPage(BrowserHost& host, QWidget* parent) : QWidget(parent), host_(host) {
  auto* layout = new QVBoxLayout(this);
  QLayout* row = nullptr;

  QGroupBox* homeGroup = Group(this, "主页", QStyle::SP_DirHomeIcon, "可以更改主页", row);
  layout->addWidget(homeGroup);
  auto* home = qobject_cast<QHBoxLayout*>(row);
  auto* label = new QLabel("地址(&R):", this);
  startPage_ = new QLineEdit(this);
  startPage_->setObjectName("1030");
  label->setBuddy(startPage_);
  home->addWidget(label);
  home->addWidget(startPage_, 1);
  auto* choices = new QHBoxLayout;
  QPushButton* current = Button(choices, this, "使用当前页(&C)");
  QPushButton* standard = Button(choices, this, "使用默认页(&D)");
  QPushButton* blank = Button(choices, this, "使用空白页(&B)");
  qobject_cast<QGridLayout*>(homeGroup->layout())->addLayout(choices, 2, 1);

  layout->addWidget(Group(this, "Internet 临时文件", QStyle::SP_DriveNetIcon,
                          "所查看的 Internet 页存储在特定的文件夹中，这样可以提高以后的浏览速度。",
                          row));
  QPushButton* cookies = Button(row, this, "删除 Cookies(&I)...");
  QPushButton* files = Button(row, this, "删除文件(&F)...");
  Button(row, this, "设置(&S)...");

  layout->addWidget(Group(this, "历史记录", QStyle::SP_FileDialogContentsView,
                          "“History”文件夹中包含有已访问页的链接，可使用户快速访问最近查看过的页。",
                          row));
  auto* daysLabel = new QLabel("网页保存在历史纪录中的天数(&K):", this);
  days_ = new DaysBox(this);
  days_->setObjectName("1026");
  daysLabel->setBuddy(days_);
  row->addWidget(daysLabel);
  row->addWidget(days_);
  QPushButton* clear = Button(row, this, "清除历史纪录(&H)");

  auto* bottom = new QHBoxLayout;
  for (const char* text : {"颜色(&O)...", "字体(&N)...", "语言(&L)...", "辅助功能(&E)..."})
    Button(bottom, this, text);
  layout->addLayout(bottom);

  const GeneralSettings settings = LoadGeneralSettings(host_);
  startPage_->setText(QString::fromStdString(settings.startPage));
  days_->setValue(settings.historyDays);

  connect(current, &QPushButton::clicked, this,
          [this] { startPage_->setText(panes::AddressBoxText(host_)); });
  connect(standard, &QPushButton::clicked, this,
          [this] { startPage_->setText(kDefaultStartPage); });
  connect(blank, &QPushButton::clicked, this, [this] { startPage_->setText(kBlankPage); });
  connect(cookies, &QPushButton::clicked, this, [this] { DeleteCookies(host_); });
  connect(files, &QPushButton::clicked, this, [this] { DeleteTemporaryFiles(host_); });
  connect(clear, &QPushButton::clicked, this, [this] { ClearHistory(host_); });
}

bool CGeneralPage::Save() {
  return SaveGeneralSettings(host_, {startPage_->text().toStdString(), days_->value()});
}

CInternetOptionsDlg::CInternetOptionsDlg(BrowserHost& host, QWidget* parent) : QDialog(parent) {
  setWindowTitle("Internet 选项");
  setFont(panes::SongFont());
  auto* layout = new QVBoxLayout(this);
  tabs_ = new QTabWidget(this);
  tabs_->setObjectName("1017");
  general_ = new CGeneralPage(host, tabs_);
  tabs_->addTab(general_, "常规");
  auto* advanced = new QWidget(tabs_);
  auto* advancedLayout = new QVBoxLayout(advanced);
  auto* settingsLabel = new QLabel("设置(&S):", advanced);
  auto* settings = new QTreeWidget(advanced);
  settings->setObjectName("1036");
  settings->setHeaderHidden(true);
  settingsLabel->setBuddy(settings);
  advancedLayout->addWidget(settingsLabel);
  advancedLayout->addWidget(settings);
  auto* restore = new QPushButton("还原默认设置(&R)", advanced);
  advancedLayout->addWidget(restore, 0, Qt::AlignRight);
  tabs_->addTab(advanced, "高级");
  layout->addWidget(tabs_);

  QDialogButtonBox* buttons = panes::OkCancelButtons(this);
  QPushButton* apply = buttons->addButton("应用(&A)", QDialogButtonBox::ApplyRole);
  layout->addWidget(buttons);
  connect(apply, &QPushButton::clicked, this, [this] { Apply(); });
  // The Advanced page's button carries OK's identifier.
  connect(restore, &QPushButton::clicked, this, &QDialog::accept);
  resize(470, 486);
}

void CInternetOptionsDlg::Apply() {
  general_->Save();
}

void CInternetOptionsDlg::accept() {
  general_->Save();
  QDialog::accept();
}

}  // namespace browsim::options
