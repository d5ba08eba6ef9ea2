// CMainFrame: the browser's main window, dressed as the system browser: menu bar, standard
// toolbar, address bar, links bar (their controls customised through CCustomizeDlg), status
// bar, the band that shows failures, and a splitter with a side pane (favourites, history,
// search) beside the browser view. It owns the one database connection, routes every command
// (logging those the grader cares about), keeps the favourites menu and FavoriteUrls, and is the
// BrowserHost of every pane and dialog.
#pragma once

#include <QMainWindow>
#include <QPointer>
#include <array>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "browsim/core/bar_layout.h"
#include "browsim/core/browser_host.h"
#include "browsim/core/extensions.h"
#include "browsim/core/navigation.h"
#include "browsim/core/url_mapping.h"
#include "platform/base/result.h"
#include "platform/ui/keyboard_locks.h"

class QAction;
class QComboBox;
class QLabel;
class QMenu;
class QSplitter;
class QToolBar;
class QFrame;
class QWidgetAction;
class CbrowsimView;
struct CustomizeCatalog;

// The status bar's message when there is nothing else to say.
inline constexpr const char* kIdleMessage = "就绪";

class CMainFrame : public QMainWindow, public browsim::BrowserHost {
  Q_OBJECT

 public:
  CMainFrame(browsim::BrowserPaths paths, browsim::BrowserExtensions extensions);
  ~CMainFrame() override;

  // Opens the candidate's database (StudentFolder + [DB] UserDB, or `path` when given); the
  // caller ends the program with "未发现考生网络测试模块数据" when it fails.
  base::Status OpenDatabase();
  base::Status OpenDatabase(const std::string& path);
  // Builds the bars, panes and view (OnCreate, OnCreateClient) and fills the address list.
  void Create();

  // Runs the command `id` as its menu item, button or key would.
  void OnCommand(int id);
  // The action that carries command `id` (menus, toolbars and keys share it); null if none.
  QAction* Action(int id) const;

  // BrowserHost
  netdb::CAdoConnection& Database() override { return db_; }
  const browsim::BrowserPaths& Paths() const override { return paths_; }
  bool Log(std::string_view action, std::string_view parameter) override;
  void ReportFailure(const std::string& text) override;
  void Navigate(const std::string& address) override;
  void Refresh() override;
  void RebuildFavorites(bool withMenu) override;
  const std::vector<browsim::FavoriteEntry>& Favorites() const override { return favorites_; }
  void OpenFavorite(int index) override;
  void OnFavoritesChanged(std::function<void()> listener) override;
  void LoadHistoryList() override;
  QWidget* Window() override { return this; }

  CbrowsimView* View() const { return view_; }
  QComboBox* AddressBox() const { return addressBox_; }
  // The band's text; empty while it is hidden.
  QString BandText() const;
  browsim::NavigationDispatch& Dispatch() { return dispatch_; }
  browsim::VisitHistory& History() { return history_; }
  const std::vector<std::string>& FavoriteUrls() const { return favoriteUrls_; }
  // The pane shown in the left column (145, 146, 147), 0 when the column is hidden.
  int ShownPane() const;

  // The toolbars' controls and options as shown, and the toolbar of a bar id ("128", ...).
  const browsim::BarLayout& Bars() const { return bars_; }
  const browsim::BarOptions& CurrentBarOptions() const { return barOptions_; }
  QToolBar* ToolBar(std::string_view id) const;
  // Where the layout export (32798) writes; asks with a save-file dialog unless set (tests).
  void SetLayoutFileChooser(std::function<QString()> choose) {
    chooseLayoutFile_ = std::move(choose);
  }

  // The file the open-document command (Ctrl+O) opens; asks with an open-file dialog unless set
  // (tests).
  void SetDocumentFileChooser(std::function<QString()> choose) {
    chooseDocument_ = std::move(choose);
  }

  // The status bar's message pane.
  QString StatusMessage() const;
  // Where the lock indicators read the keys' state (tests give their own).
  void SetLockKeyReader(std::function<std::optional<ui::KeyboardLocks>()> read);

  // The toolbars' context menu: their toggles and "自定义...".
  QMenu* createPopupMenu() override;

 protected:
  void closeEvent(QCloseEvent* event) override;
  // Status tips (menus, buttons, the logo) go to the message pane.
  bool event(QEvent* event) override;
  // Screen tips on the toolbar buttons are held back while the options turn them off.
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  friend class CbrowsimView;
  void CreateMenus();
  void CreateBarCommands();
  // The saved (or imported) layout and options applied; what does not read is shown in the band
  // and the defaults are kept.
  void LoadBars();
  void ApplyBars(const browsim::BarLayout& layout, const browsim::BarOptions& options);
  void FillToolBar(QToolBar* bar, const browsim::BarSpec& barEntry);
  void RebuildToolBarsMenu();
  void Customize();
  // What the customisation sheet offers: the menu bar's categories and their commands.
  CustomizeCatalog Catalog() const;
  // The commands a bar may hold: those of the menus and of the default toolbars.
  std::set<int> BarCommands() const;
  void CreateStatusBar();
  // An empty text shows the idle message.
  void SetStatusMessage(const QString& text);
  void UpdateLockIndicators();
  void CreateClient();
  QAction* AddCommand(QMenu* menu, int id, const QString& text);
  void OnGo(bool fromEnter);
  void TogglePane(int id);
  void SetNavigationState(bool canBack, bool canForward);
  void SyncAddressBox();
  // The bytes of the Layout file net.ini names (none for "Default"); "Controls" out to a file.
  base::Result<std::optional<std::string>> ReadLayoutFile() const;
  void ExportLayout();
  void OpenDocument();

  browsim::BrowserPaths paths_;
  browsim::BrowserExtensions extensions_;
  netdb::CAdoConnection db_;
  browsim::VisitHistory history_{*this};
  browsim::NavigationDispatch dispatch_{*this, history_, extensions_};

  CbrowsimView* view_ = nullptr;
  QSplitter* splitter_ = nullptr;
  std::map<int, QWidget*> panes_;  // by command id, made on first use
  int leftPane_ = 0;
  QMenu* favoritesMenu_ = nullptr;
  QComboBox* addressBox_ = nullptr;
  QWidgetAction* addressControl_ = nullptr;  // the address box with its caption, for any bar
  std::vector<QMenu*> menus_;                // the menu bar's six menus
  QMenu* toolBarsMenu_ = nullptr;
  std::vector<QPointer<QMenu>> newMenus_;  // the bars' menus of the user's own
  browsim::BarLayout bars_;
  browsim::BarOptions barOptions_;
  std::function<QString()> chooseLayoutFile_;
  std::function<QString()> chooseDocument_;
  std::set<int> captioned_;  // the buttons that show their caption beside (or below) the icon
  Qt::ToolButtonStyle captionStyle_ = Qt::ToolButtonTextBesideIcon;
  QLabel* messagePane_ = nullptr;
  std::array<QLabel*, 3> lockPanes_{};
  std::array<QString, 3> lockTexts_;
  std::function<std::optional<ui::KeyboardLocks>()> readLocks_ = &ui::ReadKeyboardLocks;
  QFrame* band_ = nullptr;
  QLabel* bandText_ = nullptr;
  std::map<int, QAction*> actions_;
  std::vector<std::string> favoriteUrls_;
  std::vector<browsim::FavoriteEntry> favorites_;
  std::vector<std::function<void()>> favoritesListeners_;
  bool created_ = false;
  bool exitLogged_ = false;
};
