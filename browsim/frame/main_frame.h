// CMainFrame: the browser's main window, dressed as the system browser: menu bar, standard
// toolbar, address bar, links bar, status bar, the band that shows failures, and a splitter
// with a side pane (favourites, history, search) beside the browser view. It owns the one
// database connection, routes every command (logging those the grader cares about), keeps the
// favourites menu and FavoriteUrls, and is the BrowserHost of every pane and dialog.
#pragma once

#include <QMainWindow>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "browsim/core/browser_host.h"
#include "browsim/core/extensions.h"
#include "browsim/core/navigation.h"
#include "browsim/core/url_mapping.h"
#include "platform/base/result.h"

class QAction;
class QComboBox;
class QLabel;
class QMenu;
class QSplitter;
class QToolBar;
class QFrame;
class CbrowsimView;

class CMainFrame : public QMainWindow, public browsim::BrowserHost {
  Q_OBJECT

 public:
  CMainFrame(browsim::BrowserPaths paths, browsim::BrowserExtensions extensions);
  ~CMainFrame() override;

  // Opens the candidate's database (StudentFolder + [DB] UserDB); the caller ends the program
  // with "未发现考生网络测试模块数据" when it fails.
  base::Status OpenDatabase();
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

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  friend class CbrowsimView;
  void CreateMenus();
  void CreateToolBars();
  void CreateStatusBar();
  void CreateClient();
  QAction* AddCommand(QMenu* menu, int id, const QString& text);
  void OnGo(bool fromEnter);
  void TogglePane(int id);
  void SetNavigationState(bool canBack, bool canForward);
  void SyncAddressBox();
  // The Layout file of net.ini into the profile's "Controls"; "Controls" out to a layout file.
  void ImportLayout();
  void ExportLayout();

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
  QFrame* band_ = nullptr;
  QLabel* bandText_ = nullptr;
  std::map<int, QAction*> actions_;
  std::vector<std::string> favoriteUrls_;
  std::vector<browsim::FavoriteEntry> favorites_;
  std::vector<std::function<void()>> favoritesListeners_;
  bool created_ = false;
  bool exitLogged_ = false;
};
