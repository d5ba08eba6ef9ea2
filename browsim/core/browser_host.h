// What the main frame offers everything else in the browser simulation: the one database
// connection, the paths and net.ini values, the action log that reports its own failures, the
// band that tells the candidate what failed, navigation of the one browser view, and the
// favourites list the menu and the favourites pane share. Panes, dialogs and the pseudo-address
// services take a BrowserHost&; tests give them a fake over a real database.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "netdb/ado_connection.h"
#include "netdb/net_settings.h"

class QWidget;

namespace browsim {

// The process-wide paths (netdb::PathGlobals) and the net.ini values that name the folders of
// the local sites and the web mail, read once at start-up.
struct BrowserPaths {
  netdb::PathGlobals globals;
  std::string siteDir = "Site";           // [browsimOE] SiteDir
  std::string jsDir = "emailjs";          // [browsimOE] JsDir
  std::string attachDir = "emailattach";  // [browsimOE] AttachDir

  // ProgramFolder + SiteDir + "\": the local copies of the web sites (Windows form).
  std::string SiteFolder() const;
  // SiteFolder + JsDir + "\": start.js and content.js of the web mail (Windows form).
  std::string MailFolder() const;
  // StudentFolder + [DB] UserDB: the candidate's network database (Windows form).
  std::string DatabasePath() const;

  // Reads the [browsimOE] keys through the INI file of `globals`.
  void ReadSettings();
};

// One favourite of the menu and the pane: folders first (newest first), each with its links,
// then the top-level links; `index` is the entry's place in the frame's FavoriteUrls.
struct FavoriteEntry {
  std::string name;
  std::string url;                   // empty for a folder
  int index = -1;                    // into FavoriteUrls; -1 for a folder
  std::vector<FavoriteEntry> links;  // a folder's links
};

class BrowserHost {
 public:
  virtual ~BrowserHost() = default;

  virtual netdb::CAdoConnection& Database() = 0;
  virtual const BrowserPaths& Paths() const = 0;

  // LogAction on the one connection. When the row cannot be stored the band says so and the
  // result is false; the caller never reports the action as recorded then.
  virtual bool Log(std::string_view action, std::string_view parameter) = 0;
  // Shows a failure (a database that cannot be written, a file that cannot be read) in the band
  // above the page until the candidate closes it.
  virtual void ReportFailure(const std::string& text) = 0;

  // Navigates the browser view; the address passes the navigation hook like any other.
  virtual void Navigate(const std::string& address) = 0;
  // Reloads the current page (the web mail's page after content.js was rewritten).
  virtual void Refresh() = 0;

  // Reads the favourites again into FavoriteUrls and the pane's tree; with `withMenu` the
  // favourites menu is rebuilt as well.
  virtual void RebuildFavorites(bool withMenu) = 0;
  // The favourites as the last rebuild read them.
  virtual const std::vector<FavoriteEntry>& Favorites() const = 0;
  // Navigates to FavoriteUrls[index]; an index outside the list is ignored.
  virtual void OpenFavorite(int index) = 0;
  // Called after every rebuild (the favourites pane refills its tree).
  virtual void OnFavoritesChanged(std::function<void()> listener) = 0;

  // Refills the address box's list from History (after the history was cleared).
  virtual void LoadHistoryList() = 0;

  // The main window: the parent of dialogs. Null in tests without a screen.
  virtual QWidget* Window() = 0;
};

}  // namespace browsim
