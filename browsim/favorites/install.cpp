// The favourites' dialogs and pane, as the main frame reaches them.
#include "browsim/core/extensions.h"
#include "browsim/favorites/favorites_dialogs.h"

namespace browsim {

void InstallFavorites(BrowserExtensions& extensions) {
  extensions.favoritesPane = [](BrowserHost& host, QWidget* parent) -> QWidget* {
    return new favorites::CFavView(host, parent);
  };
  extensions.addFavorite = [](BrowserHost& host, QWidget* parent) {
    favorites::CAddFavoriteDlg dialog(host, parent);
    return dialog.exec() == QDialog::Accepted;
  };
  extensions.organizeFavorites = [](BrowserHost& host, QWidget* parent) {
    favorites::COrganizeFavoritesDlg dialog(host, parent);
    dialog.exec();
  };
}

}  // namespace browsim
