// The pieces of the browser simulation that other folders provide, as the main frame reaches
// them: the web mail behind "email://", the side panes, and the dialogs of the favourites, the
// Internet options and the small tools. Each folder fills its slots in its Install function;
// an empty slot means the command does nothing. Panes and dialogs get the host and a parent.
#pragma once

#include <functional>
#include <string>

#include "browsim/core/browser_host.h"

class QWidget;

namespace browsim {

struct BrowserExtensions {
  // Serves one "email://" address (lower case, percent-decoded) inside the navigation hook.
  std::function<void(BrowserHost&, const std::string& address)> mail;

  // Side panes, made on first use; the frame's splitter owns them.
  std::function<QWidget*(BrowserHost&, QWidget* parent)> favoritesPane;
  std::function<QWidget*(BrowserHost&, QWidget* parent)> historyPane;
  std::function<QWidget*(BrowserHost&, QWidget* parent)> searchPane;

  // Modal dialogs. addFavorite is true when a favourite was added (OK).
  std::function<bool(BrowserHost&, QWidget* parent)> addFavorite;
  std::function<void(BrowserHost&, QWidget* parent)> organizeFavorites;
  std::function<void(BrowserHost&, QWidget* parent)> internetOptions;
  std::function<void(BrowserHost&, QWidget* parent)> openPage;
  std::function<void(BrowserHost&, QWidget* parent)> logViewer;

  // The logo button at the right end of the menu bar (a child of `menuBar`).
  std::function<QWidget*(BrowserHost&, QWidget* menuBar)> logoButton;
};

// Each fills its own slots; defined in browsim/mail, browsim/favorites, browsim/options and
// browsim/panes.
void InstallMail(BrowserExtensions& extensions);
void InstallFavorites(BrowserExtensions& extensions);
void InstallOptions(BrowserExtensions& extensions);
void InstallPanes(BrowserExtensions& extensions);

}  // namespace browsim
