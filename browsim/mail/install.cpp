// Placeholder: fills no slot yet.
#include "browsim/core/extensions.h"

namespace browsim {

void InstallMail(BrowserExtensions&) {}

}  // namespace browsim
