// Tests only: a BrowserHost over a real network database in a fresh folder laid out as an
// installation (program folder with Site\ and Site\emailjs\) beside a candidate folder
// (Netkt\net.net). Failures, navigations and refreshes are recorded instead of shown.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "browsim/core/browser_host.h"
#include "netdb/ado_connection.h"
#include "platform/ado/variant.h"
#include "platform/win/message_box.h"
#include "platform/win/testing/test_folder.h"

namespace browsim::testing {

class FakeHost : public BrowserHost {
 public:
  // A new database with the statements of `seedSql` applied; ASSERTs in the caller's test
  // fail when it cannot be made.
  explicit FakeHost(std::string_view seedSql = "");

  netdb::CAdoConnection& Database() override { return db_; }
  const BrowserPaths& Paths() const override { return paths_; }
  bool Log(std::string_view action, std::string_view parameter) override;
  void ReportFailure(const std::string& text) override { failures.push_back(text); }
  void Navigate(const std::string& address) override { navigations.push_back(address); }
  void Refresh() override { ++refreshes; }
  void RebuildFavorites(bool withMenu) override { rebuilds.push_back(withMenu); }
  const std::vector<FavoriteEntry>& Favorites() const override { return favorites; }
  void OpenFavorite(int index) override { openedFavorites.push_back(index); }
  void OnFavoritesChanged(std::function<void()>) override {}
  void LoadHistoryList() override { ++historyReloads; }
  QWidget* Window() override { return nullptr; }

  // Host paths of the installation's folders.
  std::filesystem::path ProgramFolder() const { return root_.Path() / "prog"; }
  std::filesystem::path SiteFolder() const { return ProgramFolder() / "Site"; }
  std::filesystem::path MailFolder() const { return SiteFolder() / "emailjs"; }
  std::filesystem::path CandidateFolder() const { return root_.Path() / "ks" / "001"; }
  std::filesystem::path DatabaseFile() const { return CandidateFolder() / "Netkt" / "net.net"; }

  // The rows of a query as VariantToString of `field`, in order.
  std::vector<std::string> Column(const std::string& sql, std::string_view field,
                                  const netdb::SqlParams& params = {});
  // The number of rows of a query (-1 when it fails).
  long Count(const std::string& sql, const netdb::SqlParams& params = {});

  std::vector<std::string> failures;
  std::vector<std::string> navigations;
  std::vector<bool> rebuilds;
  std::vector<int> openedFavorites;
  std::vector<FavoriteEntry> favorites;
  int refreshes = 0;
  int historyReloads = 0;
  win::MessageCapture boxes;

 private:
  win::testing::ScopedTempFolder root_{"browsim_"};
  netdb::CAdoConnection db_;
  BrowserPaths paths_;
};

}  // namespace browsim::testing
