// The two directions between real web addresses and the local copies that stand for them
// (table URLs), and the visit record: a log row, the History count and the address box's list.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "browsim/core/browser_host.h"

namespace browsim {

// The FakeURL of the first URLs row (lowest ID) of `address`, or the address itself when no row
// has it or its FakeURL is empty; that row is marked browsed. A lookup that fails is reported
// and maps nothing.
std::string MapUrlToLocal(BrowserHost& host, const std::string& address);

// The real address of a local copy: the site folder (lower case) is removed from `address`,
// and the lower-cased rest is looked up as a FakeURL; the row's URL (marked browsed), or the
// site folder followed by the rest when no row has it.
std::string MapLocalToUrl(BrowserHost& host, const std::string& address);

// The address box's list and the History table, kept in step: the list is only filled from
// History and by RecordVisit.
class VisitHistory {
 public:
  explicit VisitHistory(BrowserHost& host) : host_(host) {}

  // "打开网址" logged, the History row counted (made when missing) with today's date and time,
  // the address put at the top of the list or selected there.
  void RecordVisit(const std::string& address);
  // The list refilled from History: oldest first, as each row is put at the top in turn.
  void LoadHistoryList();

  const std::vector<std::string>& Addresses() const { return addresses_; }
  int Selected() const { return selected_; }
  // Called whenever the list or its selection changed (the address box follows).
  void OnChanged(std::function<void()> listener) { changed_ = std::move(listener); }

 private:
  void Changed();

  BrowserHost& host_;
  std::vector<std::string> addresses_;
  int selected_ = -1;
  std::function<void()> changed_;
};

// What the go button and Enter in the address box do with the typed text: "http://" in front
// when no ":" stands at its second character or later, then lower case.
std::string AddressFromTypedText(const std::string& typed);

}  // namespace browsim
