// Placeholder: fills no slot yet.
#include "browsim/core/extensions.h"

namespace browsim {

void InstallPanes(BrowserExtensions&) {}

}  // namespace browsim
