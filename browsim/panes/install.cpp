// The history and search panes, the "打开" dialog, the operation-record viewer and the logo
// button, as the main frame reaches them.
#include "browsim/core/extensions.h"
#include "browsim/panes/pane_widgets.h"

namespace browsim {

void InstallPanes(BrowserExtensions& extensions) {
  extensions.historyPane = [](BrowserHost&, QWidget* parent) -> QWidget* {
    return new panes::CPlaceholderPane("历史记录", "History View", parent);
  };
  extensions.searchPane = [](BrowserHost&, QWidget* parent) -> QWidget* {
    return new panes::CPlaceholderPane("搜索", "Search View", parent);
  };
  extensions.openPage = [](BrowserHost& host, QWidget* parent) {
    panes::COpenPageDlg dialog(host, parent);
    dialog.exec();
  };
  extensions.logViewer = [](BrowserHost& host, QWidget* parent) {
    panes::CActionLogDlg dialog(host, parent);
    dialog.exec();
  };
  extensions.logoButton = [](BrowserHost&, QWidget* menuBar) -> QWidget* {
    return new panes::CLogoButton(menuBar);
  };
}

}  // namespace browsim
