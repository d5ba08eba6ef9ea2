// The navigation hook's decisions: every address the browser view is about to show passes
// here first. A real address is swapped for its local copy, a local copy is recorded under its
// real address, and the pseudo-addresses "email://" and "search://" are served by the program.
#pragma once

#include <string>
#include <string_view>

#include "browsim/core/browser_host.h"
#include "browsim/core/extensions.h"
#include "browsim/core/url_mapping.h"

namespace browsim {

enum class NavigationKind {
  Unexamined,  // too long to examine: goes ahead, nothing recorded
  Web,         // "http..." or "ftp...": its local copy, or the real address recorded
  Mail,        // "email://": served by the web mail
  Search,      // "search://": served by HandleSearch
  Local,       // anything else (a local file, a blank page): recorded under its real address
};

// Addresses of this many bytes or more (in the GBK code page) are not examined; the
// pseudo-addresses are always served, whatever their length (a mail's body makes them long).
inline constexpr size_t kLongestExaminedAddress = 254;

// The kind of an address, already lower-cased and percent-decoded (UTF-8).
NavigationKind ClassifyAddress(std::string_view address);

// What the view does with the navigation it was asked about.
struct NavigationOutcome {
  bool proceed = true;      // false: the navigation is cancelled
  std::string loadInstead;  // when set, a Windows-form path of a local copy to load instead
};

class NavigationDispatch {
 public:
  NavigationDispatch(BrowserHost& host, VisitHistory& history, const BrowserExtensions& extensions)
      : host_(host), history_(history), extensions_(extensions) {}

  // The hook. `address` as the view gives it: percent-decoded UTF-8; a local file in Windows
  // form ("Z:\opt\kirv\site\a\index.htm"). Without `record` (a frame of a page being
  // reloaded) the address is mapped and served but no visit is recorded.
  NavigationOutcome BeforeNavigate(std::string_view address, bool record = true);

  // Serves a "search://" address: the keyword's URLs row, else the engine's search page.
  void HandleSearch(const std::string& address);

 private:
  BrowserHost& host_;
  VisitHistory& history_;
  const BrowserExtensions& extensions_;
};

// The search page of an engine ("baidu", "so", "google"; "" means "so") for a keyword; "" for
// an engine the program does not know.
std::string SearchEngineAddress(std::string_view engine, std::string_view keyword);

}  // namespace browsim
