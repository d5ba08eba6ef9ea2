// The web mail serves the "email://" addresses of the navigation hook.
#include "browsim/core/extensions.h"
#include "browsim/mail/mail_handler.h"

namespace browsim {

void InstallMail(BrowserExtensions& extensions) {
  extensions.mail = [](BrowserHost& host, const std::string& address) {
    mail::HandleMailCommand(host, address);
  };
}

}  // namespace browsim
