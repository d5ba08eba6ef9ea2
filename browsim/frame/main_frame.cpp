// The main frame: bars, panes, band, command routing and the favourites menu.
#include "browsim/frame/main_frame.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QDialog>
#include <QFileDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QSplitter>
#include <QStackedWidget>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QStyle>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWidgetAction>
#include <algorithm>
#include <filesystem>
#include <limits>

#include "browsim/core/record_fields.h"
#include "browsim/core/site_files.h"
#include "browsim/favorites/favorites_store.h"
#include "browsim/frame/browser_view.h"
#include "browsim/frame/command_ids.h"
#include "browsim/frame/customize_dlg.h"
#include "browsim/frame/find_dlg.h"
#include "browsim/frame/net_grade_dlg.h"
#include "browsim/frame/pane_focus.h"
#include "browsim/frame/properties_dlg.h"
#include "client/common/file_write.h"
#include "netdb/action_log.h"
#include "netdb/variant_convert.h"
#include "platform/base/text.h"
#include "platform/win/attributes.h"
#include "platform/win/confined_file.h"
#include "platform/win/message_box.h"
#include "platform/win/paths.h"
#include "platform/win/registry.h"

namespace cmd = browsim::cmd;
namespace action = netdb::action;
using browsim::FieldText;

namespace {

// The commands that are logged before they run, with their action names.
const std::map<int, std::string_view>& LoggedCommands() {
  static const std::map<int, std::string_view> logged = {
      {cmd::kBack, action::kBack},
      {cmd::kForward, action::kForward},
      {cmd::kStop, action::kStop},
      {cmd::kRefresh, action::kRefresh},
      {cmd::kHome, action::kHome},
      {cmd::kAddFavorite, action::kFavouritesAdd},
      {cmd::kOrganizeFavorites, action::kFavouritesOrganise},
      {cmd::kOpen, action::kFileOpen},
      {cmd::kSaveAs, action::kFileSaveAs},
      {cmd::kPageSetup, action::kFilePageSetup},
      {cmd::kPrintPreview, action::kFilePrintPreview},
      {cmd::kProperties, action::kFileProperties},
      {cmd::kViewSource, action::kViewSource},
      {cmd::kInternetOptions, action::kInternetOptions},
  };
  return logged;
}

// The program's profile in the registry store: the bars' state, and the customised controls a
// layout file brings (kept as hex text: the store holds no binary values).
constexpr const char* kBarsKey = "HKEY_CURRENT_USER\\Software\\KIRV-browsim\\browsim\\CommandBars";
constexpr const char* kControlsKey =
    "HKEY_CURRENT_USER\\Software\\KIRV-browsim\\browsim\\CommandBars-Controls";

std::optional<QByteArray> ProfileBytes(const char* key, const char* name) {
  const auto text = win::RegQueryString(key, name);
  if (!text) return std::nullopt;
  return QByteArray::fromHex(QByteArray::fromStdString(*text));
}

bool SetProfileBytes(const char* key, const char* name, const QByteArray& bytes) {
  return win::RegSetString(key, name, bytes.toHex().toStdString());
}

// Sees every event of the application and tells what it saw.
class EventWatcher : public QObject {
 public:
  EventWatcher(QObject* parent, std::function<void(QObject*, QEvent*)> seen)
      : QObject(parent), seen_(std::move(seen)) {}
  bool eventFilter(QObject* watched, QEvent* event) override {
    seen_(watched, event);
    return false;
  }

 private:
  std::function<void(QObject*, QEvent*)> seen_;
};

bool IsLockKey(const QEvent* event) {
  if (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease) return false;
  const int key = static_cast<const QKeyEvent*>(event)->key();
  return key == Qt::Key_CapsLock || key == Qt::Key_NumLock || key == Qt::Key_ScrollLock;
}

}  // namespace

CMainFrame::CMainFrame(browsim::BrowserPaths paths, browsim::BrowserExtensions extensions)
    : paths_(std::move(paths)), extensions_(std::move(extensions)) {}

CMainFrame::~CMainFrame() = default;

base::Status CMainFrame::OpenDatabase() {
  return OpenDatabase(paths_.DatabasePath());
}

base::Status CMainFrame::OpenDatabase(const std::string& path) {
  return db_.Open(path);
}

void CMainFrame::Create() {
  created_ = false;
  CreateStatusBar();
  CreateMenus();
  CreateBarCommands();
  CreateClient();
  // The logo button keeps itself at the menu bar's right end.
  if (extensions_.logoButton) extensions_.logoButton(*this, menuBar());
  // The lock indicators follow the lock keys, wherever the focus is, and are read again when the
  // window comes back to the front.
  qApp->installEventFilter(new EventWatcher(this, [this](QObject* watched, QEvent* event) {
    if (IsLockKey(event) || (event->type() == QEvent::WindowActivate && watched == this))
      UpdateLockIndicators();
  }));
  // The favourites menu first: its commands are among those a bar may hold.
  RebuildFavorites(true);
  LoadBars();
  if (auto state = ProfileBytes(kBarsKey, "State")) restoreState(*state);
  history_.OnChanged([this] { SyncAddressBox(); });
  history_.LoadHistoryList();
  resize(1024, 720);
  created_ = true;
}

QAction* CMainFrame::AddCommand(QMenu* menu, int id, const QString& text) {
  QAction* a = nullptr;
  if (auto it = actions_.find(id); it != actions_.end()) {
    a = it->second;
  } else {
    a = new QAction(text, this);
    a->setData(id);
    a->setIconText(QString::fromStdString(browsim::PlainCaption(text.toStdString())));
    connect(a, &QAction::triggered, this, [this, id] { OnCommand(id); });
    actions_[id] = a;
    addAction(a);
  }
  if (menu) menu->addAction(a);
  return a;
}

QAction* CMainFrame::Action(int id) const {
  auto it = actions_.find(id);
  return it == actions_.end() ? nullptr : it->second;
}

void CMainFrame::CreateMenus() {
  QMenuBar* bar = menuBar();
  bar->setWindowTitle("菜单栏");
  QMenu* file = bar->addMenu("文件(&F)");
  menus_.push_back(file);
  QMenu* fresh = file->addMenu("新建(&N)");
  AddCommand(fresh, 32782, "窗口(&W)\tCtrl+N");
  AddCommand(file, cmd::kOpen, "打开(&O)...\tCtrl+O");
  file->addAction("编辑(&D)")->setEnabled(false);
  file->addAction("保存(&S)\tCtrl+S")->setEnabled(false);
  AddCommand(file, cmd::kSaveAs, "另存为(&A)...");
  file->addSeparator();
  AddCommand(file, cmd::kPageSetup, "页面设置(&R)...");
  AddCommand(file, cmd::kPrint, "打印(&P)...\tCtrl+P")->setShortcut(QKeySequence("Ctrl+P"));
  AddCommand(file, cmd::kPrintPreview, "打印预览(&V)...");
  file->addSeparator();
  QMenu* send = file->addMenu("发送(&E)");
  AddCommand(send, cmd::kSendPage, "网页通过电子邮件(&P)...");
  AddCommand(send, cmd::kSendLink, "链接通过电子邮件(&L)...");
  AddCommand(send, cmd::kSendShortcut, "桌面快捷方式(&S)");
  AddCommand(file, cmd::kImportExport, "导入和导出(&I)...");
  file->addSeparator();
  AddCommand(file, cmd::kProperties, "属性(&R)");
  AddCommand(file, 32783, "脱机工作(&K)");
  AddCommand(file, cmd::kExit, "关闭(&X)");

  QMenu* edit = bar->addMenu("编辑(&E)");
  menus_.push_back(edit);
  AddCommand(edit, cmd::kCut, "剪切(&T)\tCtrl+X")
      ->setShortcuts({QKeySequence("Ctrl+X"), QKeySequence("Shift+Del")});
  AddCommand(edit, cmd::kCopy, "复制(&C)\tCtrl+C")
      ->setShortcuts({QKeySequence("Ctrl+C"), QKeySequence("Ctrl+Ins")});
  AddCommand(edit, cmd::kPaste, "粘贴(&P)\tCtrl+V")
      ->setShortcuts({QKeySequence("Ctrl+V"), QKeySequence("Shift+Ins")});
  edit->addSeparator();
  AddCommand(edit, cmd::kSelectAll, "全选(&A)\tCtrl+A");
  edit->addSeparator();
  AddCommand(edit, cmd::kFind, "查找(在当前页)(&F)...\tCtrl+F");

  QMenu* view = bar->addMenu("查看(&V)");
  menus_.push_back(view);
  toolBarsMenu_ = view->addMenu("工具栏(&T)");
  QAction* status = view->addAction("状态栏(&B)");
  status->setCheckable(true);
  status->setChecked(true);
  connect(status, &QAction::toggled, this, [this](bool on) { statusBar()->setVisible(on); });
  QMenu* explorer = view->addMenu("浏览器栏(&E)");
  AddCommand(explorer, cmd::kSearchPane, "搜索(&S)")->setCheckable(true);
  AddCommand(explorer, cmd::kFavoritesPane, "收藏夹(&F)")->setCheckable(true);
  AddCommand(explorer, cmd::kHistoryPane, "历史记录(&H)")->setCheckable(true);
  AddCommand(explorer, cmd::kFoldersPane, "文件夹(&O)");
  explorer->addSeparator();
  explorer->addAction("每日提示(&T)")->setEnabled(false);
  QMenu* go = view->addMenu("转到(&O)");
  AddCommand(go, cmd::kBack, "后退(&B)");
  AddCommand(go, cmd::kForward, "前进(&F)");
  go->addSeparator();
  AddCommand(go, cmd::kHome, "主页(&H)");
  AddCommand(view, cmd::kStop, "停止(&P)\tEsc");
  AddCommand(view, cmd::kRefresh, "刷新(&R)\tF5");
  view->addSeparator();
  QMenu* textSize = view->addMenu("文字大小(&X)");
  for (int id = 32809; id <= 32813; ++id) {
    static const char* sizes[] = {"最大(&G)", "较大(&L)", "中(&M)", "较小(&S)", "最小(&A)"};
    AddCommand(textSize, id, sizes[id - 32809]);
  }
  QMenu* encoding = view->addMenu("编码(&D)");
  for (int id = 32814; id <= 32818; ++id) {
    static const char* codes[] = {"自动选择", "简体中文(GB2312)", "繁体中文(Big5)",
                                  "Unicode(UTF-8)", "西欧(Windows)"};
    AddCommand(encoding, id, codes[id - 32814]);
  }
  encoding->addMenu("其他")->setEnabled(false);
  AddCommand(view, cmd::kViewSource, "源文件(&C)");
  AddCommand(view, cmd::kPrivacyReport, "隐私报告(&V)...");
  AddCommand(view, 32786, "全屏显示(&U)\tF11");

  favoritesMenu_ = bar->addMenu("收藏(&A)");
  menus_.push_back(favoritesMenu_);

  QMenu* tools = bar->addMenu("工具(&T)");
  menus_.push_back(tools);
  QMenu* mail = tools->addMenu("邮件和新闻(&M)");
  mail->setEnabled(false);
  AddCommand(tools, 32787, "同步(&S)...");
  AddCommand(tools, 32789, "Windows Update(&U)");
  tools->addSeparator();
  AddCommand(tools, cmd::kInternetOptions, "Internet 选项(&O)...");

  QMenu* help = bar->addMenu("帮助(&H)");
  menus_.push_back(help);
  AddCommand(help, 32790, "目录和索引(&C)");
  AddCommand(help, 32794, "每日提示(&D)");
  AddCommand(help, 32795, "联机支持(&S)");
  AddCommand(help, cmd::kLogViewer, "发送反馈意见(&K)\tCtrl+F12");
  help->addSeparator();
  AddCommand(help, cmd::kAbout, "关于 Internet Explorer(&A)...");

  for (QMenu* menu : menus_)
    menu->menuAction()->setIconText(
        QString::fromStdString(browsim::PlainCaption(menu->title().toStdString())));
  // The bars' toggles go above these two once the bars are made.
  AddCommand(toolBarsMenu_, cmd::kLockToolbars, "锁定工具栏(&B)");
  AddCommand(toolBarsMenu_, cmd::kCustomize, "自定义(&C)...");
  AddCommand(nullptr, cmd::kCustomizeBars, "自定义...");

  // Keys without a menu item.
  AddCommand(nullptr, cmd::kAddFavorite, "添加到收藏夹(&A)...")
      ->setShortcut(QKeySequence("Ctrl+D"));
  Action(cmd::kLogViewer)->setShortcut(QKeySequence("Ctrl+Alt+Shift+F11"));
  AddCommand(nullptr, cmd::kNew, "新建")->setShortcut(QKeySequence("Ctrl+N"));
  AddCommand(nullptr, cmd::kOpenDocument, "打开文档")->setShortcut(QKeySequence("Ctrl+O"));
  AddCommand(nullptr, cmd::kNetGrade, "KIRV网络部分评分")
      ->setShortcut(QKeySequence("Ctrl+Alt+Shift+F12"));
  AddCommand(nullptr, cmd::kNextPane, "下一窗格")->setShortcut(QKeySequence("F6"));
  AddCommand(nullptr, cmd::kPrevPane, "上一窗格")->setShortcut(QKeySequence("Shift+F6"));
}

void CMainFrame::CreateBarCommands() {
  QStyle* s = style();
  struct Button {
    int id;
    const char* caption;
    QStyle::StandardPixmap icon;
  } buttons[] = {
      {cmd::kBack, "后退", QStyle::SP_ArrowBack},
      {cmd::kForward, "前进", QStyle::SP_ArrowForward},
      {cmd::kStop, "停止", QStyle::SP_BrowserStop},
      {cmd::kRefresh, "刷新", QStyle::SP_BrowserReload},
      {cmd::kHome, "主页", QStyle::SP_DirHomeIcon},
      {cmd::kSearchPane, "搜索", QStyle::SP_FileDialogContentsView},
      {cmd::kFavoritesPane, "收藏夹", QStyle::SP_DirLinkIcon},
      {cmd::kHistoryPane, "历史", QStyle::SP_FileDialogDetailedView},
      {cmd::kMail, "邮件", QStyle::SP_MessageBoxInformation},
      {cmd::kPrintButton, "打印", QStyle::SP_DialogSaveButton},
      {cmd::kGo, "转到", QStyle::SP_MediaPlay},
  };
  for (const Button& b : buttons) {
    QAction* a = AddCommand(nullptr, b.id, b.caption);
    a->setIcon(s->standardIcon(b.icon));
    a->setIconText(b.caption);
  }
  AddCommand(nullptr, cmd::kLinks, "链接");

  const std::string theme =
      base::AsciiLower(netdb::ReadIniString(paths_.globals, "browsim", "Theme", "Default"));
  // Looks 3, 4 and 6 caption the history button as well; look 3 puts captions below the icons.
  const bool oldLook = theme == "windows98" || theme == "windows2000";
  captioned_ = {cmd::kBack, cmd::kSearchPane, cmd::kFavoritesPane};
  if (oldLook) captioned_.insert(cmd::kHistoryPane);
  captionStyle_ = theme == "windows98" ? Qt::ToolButtonTextUnderIcon : Qt::ToolButtonTextBesideIcon;

  // The address box and its caption are one control, so a bar shows or drops them together.
  auto* box = new QWidget;
  box->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
  auto* row = new QHBoxLayout(box);
  row->setContentsMargins(0, 0, 0, 0);
  row->setSpacing(0);
  auto* caption = new QLabel("地址(&D) ", box);
  row->addWidget(caption);
  addressBox_ = new QComboBox(box);
  caption->setBuddy(addressBox_);
  addressBox_->setEditable(true);
  addressBox_->setInsertPolicy(QComboBox::NoInsert);
  addressBox_->setMinimumWidth(500);
  addressBox_->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
  addressBox_->setObjectName("32771");
  row->addWidget(addressBox_, 1);
  connect(addressBox_->lineEdit(), &QLineEdit::returnPressed, this, [this] { OnGo(true); });
  addressControl_ = new QWidgetAction(this);
  addressControl_->setDefaultWidget(box);
  addressControl_->setText("地址");
}

std::set<int> CMainFrame::BarCommands() const {
  std::set<int> ids = {cmd::kAddressBox, cmd::kGo, cmd::kLinks, cmd::kMail, cmd::kPrintButton};
  for (int id = cmd::kBack; id <= cmd::kHistoryPane; ++id) ids.insert(id);
  std::function<void(const QMenu*)> collect = [&](const QMenu* menu) {
    for (QAction* a : menu->actions()) {
      bool ok = false;
      const int id = a->data().toInt(&ok);
      if (a->menu())
        collect(a->menu());
      else if (ok && actions_.count(id))
        ids.insert(id);
    }
  };
  for (const QMenu* menu : menus_) collect(menu);
  return ids;
}

CustomizeCatalog CMainFrame::Catalog() const {
  CustomizeCatalog catalog;
  const std::set<int> commands = BarCommands();
  for (int id : commands) {
    if (const QAction* a = Action(id)) catalog.commandNames[id] = a->iconText();
  }
  catalog.commandNames[cmd::kAddressBox] = addressControl_->text();
  const auto item = [&](int id) {
    return CustomizeItem{browsim::BarControl::Command(id), catalog.commandNames[id]};
  };
  // A menu's commands in the order of its items, its submenus flattened.
  std::function<void(const QMenu*, std::vector<CustomizeItem>&)> collect =
      [&](const QMenu* menu, std::vector<CustomizeItem>& items) {
        for (QAction* a : menu->actions()) {
          const int id = a->data().toInt();
          if (a->menu())
            collect(a->menu(), items);
          else if (a->data().isValid() && commands.count(id) &&
                   std::none_of(items.begin(), items.end(),
                                [&](const CustomizeItem& i) { return i.control.id == id; }))
            items.push_back(item(id));
        }
      };
  for (const QMenu* menu : menus_) {
    CustomizeCategory category{menu->menuAction()->iconText(), {}};
    collect(menu, category.items);
    catalog.menuNames << category.name;
    catalog.categories.push_back(std::move(category));
  }
  CustomizeCategory all{"所有命令", {}};
  for (int id : commands) {
    // There is one address box; it cannot be added again.
    if (id != cmd::kAddressBox) all.items.push_back(item(id));
  }
  std::stable_sort(all.items.begin(), all.items.end(),
                   [](const CustomizeItem& a, const CustomizeItem& b) { return a.text < b.text; });
  catalog.categories.push_back(std::move(all));
  CustomizeCategory menus{"内置菜单", {}};
  for (int i = 0; i < catalog.menuNames.size(); ++i)
    menus.items.push_back({browsim::BarControl::Menu(i), catalog.menuNames[i]});
  catalog.categories.push_back(std::move(menus));
  catalog.categories.push_back(
      {"新菜单", {{browsim::BarControl::NewMenu(), browsim::kNewMenuCaption}}});
  return catalog;
}

base::Result<std::optional<std::string>> CMainFrame::ReadLayoutFile() const {
  const std::string layout =
      base::AsciiLower(netdb::ReadIniString(paths_.globals, "browsim", "Layout", "Default"));
  if (layout == "default") return std::optional<std::string>();
  auto bytes = browsim::ReadSiteFile(paths_.globals.ProgramFolder + layout);
  if (!bytes) return bytes.error();
  return std::optional<std::string>(std::move(*bytes));
}

void CMainFrame::LoadBars() {
  browsim::BarLayout layout = browsim::DefaultBarLayout();
  browsim::BarOptions options;
  const std::set<int> commands = BarCommands();
  const auto known = [&](int id) { return commands.count(id) > 0; };
  // A Layout file of net.ini replaces the saved layout each time the browser starts.
  const auto file = ReadLayoutFile();
  std::optional<std::string> text;
  std::string source = "保存的工具栏布局";
  if (!file) {
    ReportFailure("工具栏布局文件无法读取, 显示默认的工具栏: " + file.error().message);
  } else if (*file) {
    text = **file;
    source = "工具栏布局文件";
  } else if (auto controls = ProfileBytes(kControlsKey, "Controls")) {
    text = controls->toStdString();
  }
  if (text) {
    auto read = browsim::ReadBarLayout(*text, known);
    if (!read) {
      ReportFailure(source + "无法读取, 显示默认的工具栏: " + read.error().message);
    } else {
      layout = std::move(*read);
      if (file && *file &&
          !SetProfileBytes(kControlsKey, "Controls", QByteArray::fromStdString(*text)))
        ReportFailure("工具栏布局文件无法导入配置");
    }
  }
  if (auto saved = win::RegQueryString(kBarsKey, "Options")) {
    auto read = browsim::ReadBarOptions(*saved);
    if (read)
      options = *read;
    else
      ReportFailure("保存的工具栏选项无法读取: " + read.error().message);
  }
  ApplyBars(layout, options);
}

QToolBar* CMainFrame::ToolBar(std::string_view id) const {
  // The frame's own bars only: a pane may have toolbars of its own.
  return findChild<QToolBar*>(QString::fromUtf8(id.data(), static_cast<qsizetype>(id.size())),
                              Qt::FindDirectChildrenOnly);
}

void CMainFrame::ApplyBars(const browsim::BarLayout& layout, const browsim::BarOptions& options) {
  bars_ = layout;
  barOptions_ = options;
  for (QToolBar* bar : findChildren<QToolBar*>(Qt::FindDirectChildrenOnly)) {
    if (bar->objectName().isEmpty()) continue;  // going already
    for (QAction* a : bar->actions()) {
      bar->removeAction(a);
      if (a->parent() == bar) delete a;  // its separators
    }
    // A bar of the user's own that the layout no longer has; its context menu may be what
    // opened the sheet, so it goes once the events in hand are done.
    if (!bars_.Find(bar->objectName().toStdString())) {
      removeToolBar(bar);
      bar->setObjectName(QString());
      bar->hide();
      bar->deleteLater();
    }
  }
  for (QPointer<QMenu>& menu : newMenus_) delete menu.data();
  newMenus_.clear();

  for (const auto& [id, a] : actions_) {
    QString tip = a->iconText();
    if (options.shortcutsInTips && !a->shortcut().isEmpty())
      tip += " (" + a->shortcut().toString(QKeySequence::NativeText) + ")";
    a->setToolTip(tip);
  }
  for (const browsim::BarSpec& barEntry : bars_.bars) {
    const QString caption = QString::fromStdString(barEntry.caption);
    QToolBar* bar = ToolBar(barEntry.id);
    if (!bar) {
      // The links bar shares the address bar's row; every other bar starts a row of its own.
      if (barEntry.id != "134" && !findChildren<QToolBar*>(Qt::FindDirectChildrenOnly).isEmpty())
        addToolBarBreak();
      bar = addToolBar(caption);
      bar->setObjectName(QString::fromStdString(barEntry.id));
    }
    bar->setWindowTitle(caption);
    const int standard = style()->pixelMetric(QStyle::PM_ToolBarIconSize, nullptr, bar);
    bar->setIconSize(options.largeIcons     ? QSize(32, 32)
                     : barEntry.id == "128" ? QSize(24, 24)
                                            : QSize(standard, standard));
    FillToolBar(bar, barEntry);
  }
  using Animation = browsim::MenuAnimation;
  // Qt opens menus scrolling or fading: unfold and slide both scroll.
  QApplication::setEffectEnabled(Qt::UI_AnimateMenu, options.menuAnimation != Animation::kNone);
  QApplication::setEffectEnabled(Qt::UI_FadeMenu, options.menuAnimation == Animation::kFade);
  RebuildToolBarsMenu();
}

void CMainFrame::FillToolBar(QToolBar* bar, const browsim::BarSpec& barEntry) {
  using Kind = browsim::BarControl::Kind;
  for (const browsim::BarControl& c : barEntry.controls) {
    switch (c.kind) {
      case Kind::kCommand:
        if (c.IsAddressBox())
          bar->addAction(addressControl_);
        else if (QAction* a = Action(c.id))
          bar->addAction(a);
        break;
      case Kind::kSeparator:
        bar->addSeparator();
        break;
      case Kind::kMenu:
        if (c.id >= 0 && c.id < static_cast<int>(menus_.size()))
          bar->addAction(menus_[static_cast<size_t>(c.id)]->menuAction());
        break;
      case Kind::kNewMenu: {
        auto* menu = new QMenu(QString::fromStdString(c.caption), bar);
        newMenus_.push_back(menu);
        bar->addAction(menu->menuAction());
        break;
      }
    }
  }
  for (QAction* a : bar->actions()) {
    auto* button = qobject_cast<QToolButton*>(bar->widgetForAction(a));
    if (!button) continue;
    button->installEventFilter(this);
    const int id = a->data().toInt();
    if (a->menu()) {
      button->setPopupMode(QToolButton::InstantPopup);
      button->setToolButtonStyle(Qt::ToolButtonTextOnly);
    } else if (a->icon().isNull()) {
      button->setToolButtonStyle(Qt::ToolButtonTextOnly);
    } else if (id == cmd::kGo) {
      button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    } else {
      button->setToolButtonStyle(captioned_.count(id) ? captionStyle_ : Qt::ToolButtonIconOnly);
    }
    // Back, forward and mail are split buttons: the command, and a drop-down part beside it.
    if (!a->menu() && (id == cmd::kBack || id == cmd::kForward || id == cmd::kMail)) {
      button->setPopupMode(QToolButton::MenuButtonPopup);
      if (!button->menu()) button->setMenu(new QMenu(button));
    }
  }
}

void CMainFrame::RebuildToolBarsMenu() {
  toolBarsMenu_->clear();
  for (const browsim::BarSpec& barEntry : bars_.bars) {
    if (QToolBar* bar = ToolBar(barEntry.id)) toolBarsMenu_->addAction(bar->toggleViewAction());
  }
  toolBarsMenu_->addSeparator();
  toolBarsMenu_->addAction(Action(cmd::kLockToolbars));
  toolBarsMenu_->addAction(Action(cmd::kCustomize));
}

QMenu* CMainFrame::createPopupMenu() {
  QMenu* menu = QMainWindow::createPopupMenu();
  if (!menu) menu = new QMenu(this);
  menu->addSeparator();
  menu->addAction(Action(cmd::kCustomizeBars));
  return menu;
}

bool CMainFrame::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::ToolTip && !barOptions_.screenTips &&
      qobject_cast<QToolButton*>(watched))
    return true;
  return QMainWindow::eventFilter(watched, event);
}

void CMainFrame::Customize() {
  CCustomizeDlg sheet(Catalog(), bars_, barOptions_, this);
  if (sheet.exec() != QDialog::Accepted) return;
  ApplyBars(sheet.Layout(), sheet.Options());
  const bool saved = SetProfileBytes(kControlsKey, "Controls",
                                     QByteArray::fromStdString(browsim::WriteBarLayout(bars_))) &&
                     win::RegSetString(kBarsKey, "Options", browsim::WriteBarOptions(barOptions_));
  if (!saved) ReportFailure("工具栏的设置无法保存, 下次启动时仍是原来的工具栏");
}

void CMainFrame::CreateStatusBar() {
  QStatusBar* bar = statusBar();
  // The message pane is a pane of its own: the bar's passing message would hide the icon pane.
  auto* icon = new QLabel(bar);
  icon->setObjectName("102");
  icon->setPixmap(style()->standardIcon(QStyle::SP_FileIcon).pixmap(16, 16));
  bar->addWidget(icon);
  messagePane_ = new QLabel(bar);
  messagePane_->setObjectName("message");
  bar->addWidget(messagePane_, 1);
  auto* progress = new QProgressBar(bar);
  progress->setObjectName("101");
  progress->setRange(0, 100);
  progress->setValue(0);
  progress->setTextVisible(false);
  progress->setFixedWidth(150);
  bar->addPermanentWidget(progress);
  // Caps Lock, Num Lock, Scroll Lock: each shows its text while its key is locked.
  const char* indicators[][2] = {{"59137", "CAP"}, {"59138", "NUM"}, {"59139", "SCRL"}};
  for (size_t i = 0; i < lockPanes_.size(); ++i) {
    QLabel* pane = new QLabel(bar);
    pane->setObjectName(indicators[i][0]);
    pane->setAlignment(Qt::AlignCenter);
    pane->setFixedWidth(pane->fontMetrics().horizontalAdvance(indicators[i][1]) + 8);
    lockTexts_[i] = indicators[i][1];
    lockPanes_[i] = pane;
    bar->addPermanentWidget(pane);
  }
  auto* zone = new QWidget(bar);
  zone->setObjectName("103");
  auto* zoneRow = new QHBoxLayout(zone);
  zoneRow->setContentsMargins(2, 0, 2, 0);
  zoneRow->setSpacing(4);
  auto* zoneIcon = new QLabel(zone);
  zoneIcon->setPixmap(style()->standardIcon(QStyle::SP_DriveNetIcon).pixmap(16, 16));
  zoneRow->addWidget(zoneIcon);
  zoneRow->addWidget(new QLabel("Internet", zone));
  bar->addPermanentWidget(zone);
  SetStatusMessage(QString());
  UpdateLockIndicators();
}

void CMainFrame::SetStatusMessage(const QString& text) {
  // With no menu or button prompt to show, the message pane says the browser is idle.
  if (messagePane_) messagePane_->setText(text.isEmpty() ? QString(kIdleMessage) : text);
}

QString CMainFrame::StatusMessage() const {
  return messagePane_ ? messagePane_->text() : QString();
}

void CMainFrame::UpdateLockIndicators() {
  const std::optional<ui::KeyboardLocks> locks = readLocks_();
  const bool on[] = {locks && locks->caps, locks && locks->num, locks && locks->scroll};
  for (size_t i = 0; i < lockPanes_.size(); ++i)
    lockPanes_[i]->setText(on[i] ? lockTexts_[i] : QString());
}

void CMainFrame::SetLockKeyReader(std::function<std::optional<ui::KeyboardLocks>()> read) {
  readLocks_ = std::move(read);
  UpdateLockIndicators();
}

bool CMainFrame::event(QEvent* event) {
  if (event->type() == QEvent::StatusTip) {
    SetStatusMessage(static_cast<QStatusTipEvent*>(event)->tip());
    return true;
  }
  return QMainWindow::event(event);
}

void CMainFrame::CreateClient() {
  splitter_ = new QSplitter(Qt::Horizontal, this);
  auto* left = new QStackedWidget(splitter_);
  left->setMinimumWidth(120);
  splitter_->addWidget(left);
  auto* right = new QWidget(splitter_);
  auto* column = new QVBoxLayout(right);
  column->setContentsMargins(0, 0, 0, 0);
  column->setSpacing(0);
  band_ = new QFrame(right);
  band_->setObjectName("band");
  band_->setStyleSheet("#band { background: #ffffe1; border-bottom: 1px solid #a0a0a0; }");
  auto* bandRow = new QHBoxLayout(band_);
  bandRow->setContentsMargins(6, 3, 6, 3);
  bandText_ = new QLabel(band_);
  bandText_->setWordWrap(true);
  auto* close = new QToolButton(band_);
  close->setText("×");
  close->setAutoRaise(true);
  connect(close, &QToolButton::clicked, band_, &QWidget::hide);
  bandRow->addWidget(bandText_, 1);
  bandRow->addWidget(close);
  band_->hide();
  column->addWidget(band_);
  view_ = new CbrowsimView(*this, right);
  column->addWidget(view_, 1);
  splitter_->addWidget(right);
  splitter_->setStretchFactor(1, 1);
  splitter_->setSizes({200, 824});
  left->hide();
  setCentralWidget(splitter_);
  view_->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(view_, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
    QMenu menu(this);
    QAction* back = menu.addAction("后退");
    QAction* forward = menu.addAction("前进");
    menu.addSeparator();
    QAction* source = menu.addAction("查看源文件(&V)");
    back->setEnabled(Action(cmd::kBack)->isEnabled());
    forward->setEnabled(Action(cmd::kForward)->isEnabled());
    QAction* chosen = menu.exec(view_->mapToGlobal(at));
    if (chosen == back) OnCommand(cmd::kBack);
    if (chosen == forward) OnCommand(cmd::kForward);
    if (chosen == source) view_->ViewSource();
  });
  SetNavigationState(false, false);
}

bool CMainFrame::Log(std::string_view actionName, std::string_view parameter) {
  if (netdb::LogAction(db_, actionName, parameter)) return true;
  ReportFailure("网络数据库无法写入，这一操作没有记录: " + std::string(actionName) + " " +
                std::string(parameter));
  return false;
}

void CMainFrame::ReportFailure(const std::string& text) {
  if (!bandText_) {
    win::MessageBox(text, "", win::MB_OK | win::MB_ICONWARNING);
    return;
  }
  bandText_->setText(QString::fromStdString(text));
  band_->show();
  SetStatusMessage(QString::fromStdString(text));
}

QString CMainFrame::BandText() const {
  return band_ && !band_->isHidden() ? bandText_->text() : QString();
}

void CMainFrame::Navigate(const std::string& address) {
  if (view_) view_->Navigate(address);
}

void CMainFrame::Refresh() {
  if (view_) view_->reload();
}

void CMainFrame::OnGo(bool fromEnter) {
  const std::string typed = addressBox_->currentText().toStdString();
  if (typed.empty() && !fromEnter) return;
  Log(action::kAddressEntered, typed);
  const std::string address = browsim::AddressFromTypedText(typed);
  addressBox_->setEditText(QString::fromStdString(address));
  Navigate(address);
}

void CMainFrame::SyncAddressBox() {
  if (!addressBox_) return;
  const QString edit = addressBox_->currentText();
  QSignalBlocker block(addressBox_);
  addressBox_->clear();
  for (const std::string& a : history_.Addresses()) addressBox_->addItem(QString::fromStdString(a));
  if (history_.Selected() >= 0)
    addressBox_->setCurrentIndex(history_.Selected());
  else
    addressBox_->setEditText(edit);
}

void CMainFrame::LoadHistoryList() {
  history_.LoadHistoryList();
}

void CMainFrame::SetNavigationState(bool canBack, bool canForward) {
  if (QAction* a = Action(cmd::kBack)) a->setEnabled(canBack);
  if (QAction* a = Action(cmd::kForward)) a->setEnabled(canForward);
}

int CMainFrame::ShownPane() const {
  auto* left = qobject_cast<QStackedWidget*>(splitter_->widget(0));
  return left->isHidden() ? 0 : leftPane_;
}

void CMainFrame::TogglePane(int id) {
  auto* left = qobject_cast<QStackedWidget*>(splitter_->widget(0));
  const bool hidden = left->isHidden();
  if (hidden) left->show();
  if (leftPane_ == id) {
    if (!hidden) left->hide();
  } else {
    QWidget*& pane = panes_[id];
    if (!pane) {
      const auto& make = id == cmd::kSearchPane    ? extensions_.searchPane
                         : id == cmd::kHistoryPane ? extensions_.historyPane
                                                   : extensions_.favoritesPane;
      pane = make ? make(*this, left) : new QLabel(left);
      left->addWidget(pane);
    }
    left->setCurrentWidget(pane);
    leftPane_ = id;
  }
  for (int pid : {cmd::kSearchPane, cmd::kFavoritesPane, cmd::kHistoryPane})
    Action(pid)->setChecked(pid == leftPane_);
}

void CMainFrame::RebuildFavorites(bool withMenu) {
  favoriteUrls_.clear();
  favorites_.clear();
  browsim::favorites::FavoritesStore store(*this);
  favorites_ = browsim::favorites::ReadFavorites(store, favoriteUrls_);
  if (withMenu && favoritesMenu_) {
    favoritesMenu_->clear();
    favoritesMenu_->addAction(Action(cmd::kAddFavorite));
    AddCommand(favoritesMenu_, cmd::kOrganizeFavorites, "整理收藏夹(&O)...");
    favoritesMenu_->addSeparator();
    const auto addLink = [this](QMenu* menu, const browsim::FavoriteEntry& e) {
      const int index = e.index;
      menu->addAction(QString::fromStdString(e.name), this,
                      [this, index] { OnCommand(cmd::kFirstFavorite + index); });
    };
    for (const browsim::FavoriteEntry& e : favorites_) {
      if (e.index < 0) {
        QMenu* sub = favoritesMenu_->addMenu(QString::fromStdString(e.name));
        for (const browsim::FavoriteEntry& link : e.links) addLink(sub, link);
      } else {
        addLink(favoritesMenu_, e);
      }
    }
  }
  for (const auto& listener : favoritesListeners_) listener();
}

void CMainFrame::OpenFavorite(int index) {
  if (index < 0 || index >= static_cast<int>(favoriteUrls_.size())) return;
  Navigate(favoriteUrls_[static_cast<size_t>(index)]);
}

void CMainFrame::OnFavoritesChanged(std::function<void()> listener) {
  favoritesListeners_.push_back(std::move(listener));
}

void CMainFrame::OnCommand(int id) {
  if (auto it = LoggedCommands().find(id); it != LoggedCommands().end()) Log(it->second, "");
  if (id >= cmd::kFirstFavorite && id <= cmd::kLastFavorite) {
    OpenFavorite(id - cmd::kFirstFavorite);
    return;
  }
  QWebEnginePage* page = view_->page();
  const auto run = [&](const std::function<void(BrowserHost&, QWidget*)>& dialog) {
    if (dialog) dialog(*this, this);
  };
  switch (id) {
    case cmd::kBack:
      view_->back();
      break;
    case cmd::kForward:
      view_->forward();
      break;
    case cmd::kStop:
      view_->stop();
      break;
    case cmd::kRefresh:
      view_->reload();
      break;
    case cmd::kHome: {
      netdb::RecordsetPtr rs;
      if (!db_.OpenRecordset(rs, "Select StartPage From Options order by ID")) {
        ReportFailure("网络数据库无法读取: " + db_.LastError());
        break;
      }
      std::vector<std::string> starts;
      for (; !rs->IsEOF(); rs->MoveNext()) starts.push_back(browsim::FieldText(rs, "StartPage"));
      netdb::CAdoConnection::ReleaseRecordset(rs);
      for (const std::string& start : starts) Navigate(start);
      break;
    }
    case cmd::kSearchPane:
    case cmd::kFavoritesPane:
    case cmd::kHistoryPane:
      TogglePane(id);
      break;
    case cmd::kAddFavorite:
      if (extensions_.addFavorite && extensions_.addFavorite(*this, this)) {
        RebuildFavorites(false);
        if (leftPane_ != cmd::kFavoritesPane || ShownPane() == 0) TogglePane(cmd::kFavoritesPane);
      }
      break;
    case cmd::kOrganizeFavorites:
      run(extensions_.organizeFavorites);
      break;
    case cmd::kGo:
      OnGo(false);
      break;
    case cmd::kOpen:
      run(extensions_.openPage);
      break;
    case cmd::kSaveAs:
      view_->SaveAs();
      break;
    case cmd::kPageSetup:
      view_->PageSetup();
      break;
    case cmd::kPrintPreview:
      view_->PrintPreview();
      break;
    case cmd::kProperties: {
      // The address the candidate sees is the last visit recorded (a copy's real address).
      const QUrl url = page->url();
      const auto& visits = history_.Addresses();
      const size_t shown = static_cast<size_t>(history_.Selected());
      const std::string address = shown < visits.size() ? visits[shown] : AddressOfUrl(url);
      const std::filesystem::path local =
          url.isLocalFile() ? std::filesystem::path(url.toLocalFile().toStdString()) : "";
      CPropertiesDlg dialog(DescribePage(page->title().toStdString(), address, local), this);
      dialog.exec();
      break;
    }
    case cmd::kPrint:
      view_->PrintPage();
      break;
    case cmd::kCut:
      page->triggerAction(QWebEnginePage::Cut);
      break;
    case cmd::kCopy:
      page->triggerAction(QWebEnginePage::Copy);
      break;
    case cmd::kPaste:
      page->triggerAction(QWebEnginePage::Paste);
      break;
    case cmd::kSelectAll:
      page->triggerAction(QWebEnginePage::SelectAll);
      break;
    case cmd::kFind:
      CFindDlg::Open(page, this);
      break;
    case cmd::kNextPane:
    case cmd::kPrevPane: {
      QWidget* side = ShownPane() ? panes_[leftPane_] : nullptr;
      FocusNextPane({addressBox_, side, view_}, id == cmd::kNextPane);
      break;
    }
    case cmd::kViewSource:
      win::MessageBox("请使用浏览器右键菜单中的 查看源文件", "", win::MB_OK);
      break;
    case cmd::kInternetOptions:
      run(extensions_.internetOptions);
      break;
    case cmd::kLogViewer:
      run(extensions_.logViewer);
      break;
    case cmd::kNetGrade: {
      CNetGradeDlg dialog(paths_, this);
      dialog.exec();
      break;
    }
    case cmd::kAbout: {
      QDialog about(this);
      about.setWindowTitle("关于 Internet Explorer");
      auto* layout = new QGridLayout(&about);
      auto* icon = new QLabel(&about);
      icon->setPixmap(style()->standardIcon(QStyle::SP_ComputerIcon).pixmap(32, 32));
      layout->addWidget(icon, 0, 0);
      layout->addWidget(new QLabel("browsim 1.0 版", &about), 0, 1);
      auto* ok = new QPushButton("确定", &about);
      ok->setDefault(true);
      connect(ok, &QPushButton::clicked, &about, &QDialog::accept);
      layout->addWidget(ok, 0, 2);
      about.exec();
      break;
    }
    case cmd::kLockToolbars:
      ExportLayout();
      break;
    case cmd::kCustomize:
    case cmd::kCustomizeBars:
      Customize();
      break;
    case cmd::kNew:
      view_->OnInitialUpdate();
      break;
    case cmd::kOpenDocument:
      OpenDocument();
      break;
    case cmd::kExit:
      close();
      break;
    default:
      break;
  }
}

void CMainFrame::OpenDocument() {
  const QString file = chooseDocument_
                           ? chooseDocument_()
                           : QFileDialog::getOpenFileName(this, "打开", QString(), "所有文件 (*)");
  if (file.isEmpty()) return;
  // The document holds nothing: the file is opened, nothing is read, and the view starts again
  // as with a new document.
  if (!win::OpenRegularFile(file.toStdString(), std::numeric_limits<uint64_t>::max())) {
    win::MessageBox("无法打开文档: " + win::ToWindowsPath(file.toStdString()), "",
                    win::MB_OK | win::MB_ICONWARNING);
    return;
  }
  view_->OnInitialUpdate();
}

void CMainFrame::ExportLayout() {
  const QString file = chooseLayoutFile_
                           ? chooseLayoutFile_()
                           : QFileDialog::getSaveFileName(this, QString(), QString(),
                                                          "布局文件(*.Layout);;All Files(*.*)");
  if (file.isEmpty()) return;
  // Without a saved layout the default bars are shown; their text is what gives them back.
  const auto controls = ProfileBytes(kControlsKey, "Controls");
  const std::string bytes = controls ? controls->toStdString() : browsim::WriteBarLayout(bars_);
  const base::Status written = WriteFileAtomically(win::ToWindowsPath(file.toStdString()), bytes,
                                                   win::FILE_ATTRIBUTE_ARCHIVE);
  if (!written) ReportFailure("布局文件无法写入: " + written.error().message);
}

void CMainFrame::closeEvent(QCloseEvent* event) {
  if (!exitLogged_) {
    exitLogged_ = true;
    Log(action::kExited, "");
    (void)SetProfileBytes(kBarsKey, "State", saveState());
  }
  event->accept();
}
