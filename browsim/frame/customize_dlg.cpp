// The customisation sheet: the commands page over a copy of the layout, the options page.
#include "browsim/frame/customize_dlg.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <utility>

using browsim::BarControl;
using Kind = browsim::BarControl::Kind;

namespace {

// The menu animations in the order of the options page's choice.
constexpr const char* kAnimationTexts[] = {"(无)", "展开", "滑动", "淡入淡出"};

}  // namespace

CCustomizeDlg::CCustomizeDlg(CustomizeCatalog catalog, browsim::BarLayout layout,
                             browsim::BarOptions options, QWidget* parent)
    : QDialog(parent), catalog_(std::move(catalog)), layout_(std::move(layout)) {
  setWindowTitle("自定义");
  auto* pages = new QTabWidget(this);
  pages->addTab(MakeCommandsPage(), "命令");
  pages->addTab(MakeOptionsPage(options), "选项");
  auto* buttons = new QDialogButtonBox(this);
  QPushButton* ok = buttons->addButton("确定", QDialogButtonBox::AcceptRole);
  buttons->addButton("取消", QDialogButtonBox::RejectRole);
  ok->setDefault(true);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  auto* column = new QVBoxLayout(this);
  column->addWidget(pages);
  column->addWidget(buttons);
  categories_->setCurrentRow(0);
  ShowBars(layout_.bars.empty() ? std::string() : layout_.bars.front().id);
}

QWidget* CCustomizeDlg::MakeCommandsPage() {
  auto* page = new QWidget(this);
  auto* grid = new QGridLayout(page);
  grid->addWidget(new QLabel("类别:", page), 0, 0);
  grid->addWidget(new QLabel("命令:", page), 0, 1);
  grid->addWidget(new QLabel("工具栏:", page), 0, 2);
  categories_ = new QListWidget(page);
  for (const CustomizeCategory& c : catalog_.categories) categories_->addItem(c.name);
  commands_ = new QListWidget(page);
  bars_ = new QComboBox(page);
  controls_ = new QListWidget(page);
  auto* newBar = new QPushButton("新建...", page);
  deleteBar_ = new QPushButton("删除工具栏", page);
  auto* barButtons = new QHBoxLayout;
  for (QPushButton* b : {newBar, deleteBar_}) {
    b->setAutoDefault(false);
    barButtons->addWidget(b);
  }
  connect(newBar, &QPushButton::clicked, this, [this] { NewBar(); });
  connect(deleteBar_, &QPushButton::clicked, this, [this] { DeleteBar(); });
  auto* barColumn = new QVBoxLayout;
  barColumn->addWidget(bars_);
  barColumn->addLayout(barButtons);
  barColumn->addWidget(controls_, 1);
  grid->addWidget(categories_, 1, 0);
  grid->addWidget(commands_, 1, 1);
  grid->addLayout(barColumn, 1, 2);

  auto* buttons = new QVBoxLayout;
  const auto button = [&](const char* text, auto slot) {
    auto* b = new QPushButton(text, page);
    b->setAutoDefault(false);
    connect(b, &QPushButton::clicked, this, slot);
    buttons->addWidget(b);
    return b;
  };
  add_ = button("添加", [this] {
    const QListWidgetItem* item = commands_->currentItem();
    const int category = categories_->currentRow();
    if (!item || category < 0) return;
    Insert(catalog_.categories[static_cast<size_t>(category)]
               .items[static_cast<size_t>(item->data(Qt::UserRole).toInt())]
               .control);
  });
  button("添加分隔符", [this] { Insert(BarControl::Separator()); });
  remove_ = button("删除", [this] { Remove(); });
  rename_ = button("重命名...", [this] { Rename(); });
  up_ = button("上移", [this] { Move(-1); });
  down_ = button("下移", [this] { Move(1); });
  button("重置", [this] { Reset(); });
  buttons->addStretch(1);
  grid->addLayout(buttons, 1, 3);

  connect(categories_, &QListWidget::currentRowChanged, this,
          [this](int row) { ShowCategory(row); });
  connect(commands_, &QListWidget::currentRowChanged, this, [this] { UpdateButtons(); });
  connect(bars_, &QComboBox::currentIndexChanged, this, [this] {
    controls_->clear();
    ShowBar();
  });
  connect(controls_, &QListWidget::currentRowChanged, this, [this] { UpdateButtons(); });
  return page;
}

QWidget* CCustomizeDlg::MakeOptionsPage(const browsim::BarOptions& options) {
  auto* page = new QWidget(this);
  auto* column = new QVBoxLayout(page);
  largeIcons_ = new QCheckBox("大图标(&L)", page);
  largeIcons_->setChecked(options.largeIcons);
  screenTips_ = new QCheckBox("在工具栏上显示屏幕提示(&T)", page);
  screenTips_->setChecked(options.screenTips);
  shortcutsInTips_ = new QCheckBox("在屏幕提示中显示快捷键(&H)", page);
  shortcutsInTips_->setChecked(options.shortcutsInTips);
  shortcutsInTips_->setEnabled(options.screenTips);
  connect(screenTips_, &QCheckBox::toggled, shortcutsInTips_, &QWidget::setEnabled);
  animation_ = new QComboBox(page);
  for (const char* text : kAnimationTexts) animation_->addItem(text);
  animation_->setCurrentIndex(static_cast<int>(options.menuAnimation));
  auto* animationRow = new QHBoxLayout;
  auto* animationLabel = new QLabel("菜单的打开方式(&M):", page);
  animationLabel->setBuddy(animation_);
  animationRow->addWidget(animationLabel);
  animationRow->addWidget(animation_, 1);
  column->addWidget(largeIcons_);
  column->addWidget(screenTips_);
  column->addWidget(shortcutsInTips_);
  column->addLayout(animationRow);
  column->addStretch(1);
  return page;
}

browsim::BarOptions CCustomizeDlg::Options() const {
  browsim::BarOptions options;
  options.largeIcons = largeIcons_->isChecked();
  options.screenTips = screenTips_->isChecked();
  options.shortcutsInTips = shortcutsInTips_->isChecked();
  options.menuAnimation = static_cast<browsim::MenuAnimation>(animation_->currentIndex());
  return options;
}

QPushButton* CCustomizeDlg::Button(const QString& text) const {
  for (QPushButton* b : findChildren<QPushButton*>()) {
    if (b->text() == text) return b;
  }
  return nullptr;
}

QString CCustomizeDlg::ControlText(const BarControl& control) const {
  switch (control.kind) {
    case Kind::kCommand: {
      auto it = catalog_.commandNames.find(control.id);
      return it != catalog_.commandNames.end() ? it->second : QString::number(control.id);
    }
    case Kind::kSeparator:
      return "---- 分隔符 ----";
    case Kind::kMenu:
      return catalog_.menuNames.value(control.id, QString::number(control.id));
    case Kind::kNewMenu:
      return QString::fromStdString(control.caption);
  }
  return {};
}

void CCustomizeDlg::ShowCategory(int row) {
  commands_->clear();
  if (row < 0 || row >= static_cast<int>(catalog_.categories.size())) return;
  const auto& items = catalog_.categories[static_cast<size_t>(row)].items;
  for (size_t i = 0; i < items.size(); ++i) {
    auto* item = new QListWidgetItem(items[i].text, commands_);
    item->setData(Qt::UserRole, static_cast<int>(i));
  }
  commands_->setCurrentRow(items.empty() ? -1 : 0);
  UpdateButtons();
}

void CCustomizeDlg::ShowBars(const std::string& id) {
  {
    QSignalBlocker quiet(bars_);
    bars_->clear();
    for (const browsim::BarSpec& bar : layout_.bars)
      bars_->addItem(QString::fromStdString(bar.caption), QString::fromStdString(bar.id));
    bars_->setCurrentIndex(std::max(0, bars_->findData(QString::fromStdString(id))));
  }
  controls_->clear();
  ShowBar();
}

void CCustomizeDlg::NewBar() {
  // A bar of one's own is one without default controls.
  const int own = static_cast<int>(std::count_if(
      layout_.bars.begin(), layout_.bars.end(),
      [](const browsim::BarSpec& bar) { return browsim::DefaultBarControls(bar.id).empty(); }));
  bool ok = false;
  // The caption ends its line in the layout text.
  const QString name = QInputDialog::getText(this, "新建工具栏", "工具栏名称:", QLineEdit::Normal,
                                             QString("自定义 %1").arg(own + 1), &ok)
                           .simplified();
  if (!ok || name.isEmpty()) return;
  ShowBars(browsim::AddBar(layout_, name.toStdString()));
}

void CCustomizeDlg::DeleteBar() {
  if (const browsim::BarSpec* bar = ChosenBar(); bar && browsim::RemoveBar(layout_, bar->id))
    ShowBars(layout_.bars.front().id);
}

browsim::BarSpec* CCustomizeDlg::ChosenBar() {
  return layout_.Find(bars_->currentData().toString().toStdString());
}

void CCustomizeDlg::ShowBar() {
  const int row = controls_->currentRow();
  controls_->clear();
  if (const browsim::BarSpec* bar = ChosenBar()) {
    for (const BarControl& c : bar->controls) controls_->addItem(ControlText(c));
  }
  controls_->setCurrentRow(std::min(row, controls_->count() - 1));
  UpdateButtons();
}

void CCustomizeDlg::Insert(const BarControl& control) {
  browsim::BarSpec* bar = ChosenBar();
  if (!bar) return;
  auto& controls = bar->controls;
  const bool single = control.kind == Kind::kCommand || control.kind == Kind::kMenu;
  if (auto it = std::find(controls.begin(), controls.end(), control);
      single && it != controls.end()) {
    controls_->setCurrentRow(static_cast<int>(it - controls.begin()));
    return;
  }
  const int row =
      controls_->currentRow() < 0 ? static_cast<int>(controls.size()) : controls_->currentRow() + 1;
  controls.insert(controls.begin() + row, control);
  controls_->setCurrentRow(-1);
  ShowBar();
  controls_->setCurrentRow(row);
}

void CCustomizeDlg::Remove() {
  browsim::BarSpec* bar = ChosenBar();
  const int row = controls_->currentRow();
  if (!bar || row < 0 || row >= static_cast<int>(bar->controls.size())) return;
  // The address logic needs its box.
  if (bar->controls[static_cast<size_t>(row)].IsAddressBox()) return;
  bar->controls.erase(bar->controls.begin() + row);
  ShowBar();
}

void CCustomizeDlg::Move(int by) {
  browsim::BarSpec* bar = ChosenBar();
  const int row = controls_->currentRow();
  const int to = row + by;
  if (!bar || row < 0 || to < 0 || to >= static_cast<int>(bar->controls.size())) return;
  std::swap(bar->controls[static_cast<size_t>(row)], bar->controls[static_cast<size_t>(to)]);
  ShowBar();
  controls_->setCurrentRow(to);
}

void CCustomizeDlg::Rename() {
  browsim::BarSpec* bar = ChosenBar();
  const int row = controls_->currentRow();
  if (!bar || row < 0 || row >= static_cast<int>(bar->controls.size())) return;
  BarControl& control = bar->controls[static_cast<size_t>(row)];
  if (control.kind != Kind::kNewMenu) return;
  bool ok = false;
  const QString name = QInputDialog::getText(this, "重命名", "名称:", QLineEdit::Normal,
                                             QString::fromStdString(control.caption), &ok)
                           .simplified();
  if (!ok || name.isEmpty()) return;
  control.caption = name.toStdString();
  ShowBar();
}

void CCustomizeDlg::Reset() {
  if (browsim::BarSpec* bar = ChosenBar()) {
    browsim::ResetBar(layout_, bar->id);
    ShowBar();
  }
}

void CCustomizeDlg::UpdateButtons() {
  const browsim::BarSpec* bar = ChosenBar();
  const int row = controls_->currentRow();
  const int count = bar ? static_cast<int>(bar->controls.size()) : 0;
  const BarControl* chosen =
      bar && row >= 0 && row < count ? &bar->controls[static_cast<size_t>(row)] : nullptr;
  add_->setEnabled(bar && commands_->currentItem());
  deleteBar_->setEnabled(bar && browsim::CanRemoveBar(layout_, bar->id));
  remove_->setEnabled(chosen && !chosen->IsAddressBox());
  rename_->setEnabled(chosen && chosen->kind == Kind::kNewMenu);
  up_->setEnabled(chosen && row > 0);
  down_->setEnabled(chosen && row + 1 < count);
}
