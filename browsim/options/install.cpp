// The Internet options dialog, as the main frame reaches it.
#include "browsim/core/extensions.h"
#include "browsim/options/options_dialog.h"

namespace browsim {

void InstallOptions(BrowserExtensions& extensions) {
  extensions.internetOptions = [](BrowserHost& host, QWidget* parent) {
    options::CInternetOptionsDlg dialog(host, parent);
    dialog.exec();
  };
}

}  // namespace browsim
