// Tests only: what the frame's tests on Qt's offscreen platform share. One QApplication for the
// whole test program, made after the pseudo-schemes are registered, with Chromium's sandbox
// switched off (it cannot start as root, as CI runs); scripts run in a page and waits for its
// text; and an installation in a fresh folder: a program folder beside a candidate folder, the
// window list and registry store kept inside.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <QVariant>
#include <QWebEnginePage>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <vector>

#include "browsim/frame/browser_view.h"
#include "netdb/ado_connection.h"
#include "netdb/variant_convert.h"
#include "platform/ui/window_list.h"
#include "platform/win/paths.h"
#include "platform/win/testing/scoped_env.h"
#include "platform/win/testing/test_folder.h"

namespace browsim::testing {

inline QApplication& OffscreenApp() {
  static int argc = 1;
  static char name[] = "browsim_test";
  static char* argv[] = {name, nullptr};
  static QApplication* app = [] {
    setenv("QTWEBENGINE_DISABLE_SANDBOX", "1", 1);
    setenv("QTWEBENGINE_CHROMIUM_FLAGS", "--disable-gpu", 0);
    RegisterPseudoSchemes();
    return new QApplication(argc, argv);
  }();
  return *app;
}

// Writes a test file, making its folders.
inline void WriteTestFile(const std::filesystem::path& file, const std::string& text) {
  std::filesystem::create_directories(file.parent_path());
  std::ofstream(file, std::ios::binary) << text;
}

// Runs a script in the page and waits for its result.
inline QVariant RunScript(QWebEnginePage& page, const QString& script) {
  QVariant result;
  bool done = false;
  page.runJavaScript(script, [&](const QVariant& v) {
    result = v;
    done = true;
  });
  EXPECT_TRUE(QTest::qWaitFor([&] { return done; }, 10000)) << script.toStdString();
  return result;
}

// Waits until the page's text holds `text`; a failure shows the text there is. The page is
// looked at every 100 ms: a script run at every turn of the event loop slows its loading down.
inline bool WaitForPageText(QWebEnginePage& page, const QString& text) {
  const auto holds = [&] {
    return RunScript(page, "document.body ? document.body.innerText : ''")
        .toString()
        .contains(text);
  };
  bool found = holds();
  for (int i = 0; i < 200 && !found; ++i) {
    QTest::qWait(100);
    found = holds();
  }
  if (!found)
    ADD_FAILURE() << "page text: "
                  << RunScript(page, "document.body.innerText").toString().toStdString();
  return found;
}

// VariantToString of `field` for every row of `sql` ("?" for a missing field); empty when the
// database or the query fails.
inline std::vector<std::string> DatabaseColumn(const std::filesystem::path& database,
                                               const std::string& sql, const char* field) {
  netdb::CAdoConnection db;
  std::vector<std::string> values;
  if (!db.Open(win::ToWindowsPath(database))) return values;
  netdb::RecordsetPtr rs;
  if (!db.OpenRecordset(rs, sql)) return values;
  for (; !rs->IsEOF(); rs->MoveNext()) {
    ado::Variant v;
    values.push_back(rs->GetValue(field, v) ? netdb::VariantToString(v) : "?");
  }
  return values;
}

// The candidate folder is reached through drive T: ("T:\\KS\\001\\"), as the exam's folders
// are through their drive, so a "-" in the build's own path cannot shift the title's fields.
class TestInstallation {
 public:
  TestInstallation() = default;
  ~TestInstallation() { ui::WithdrawAllWindowTitles(); }

  std::filesystem::path Program() const { return folder_.Root() / "KIRV"; }
  std::filesystem::path Candidate() const { return folder_.Root() / "KS" / "001"; }
  std::filesystem::path Database() const { return Candidate() / "Netkt" / "net.net"; }

  // The question bar's title for the candidate folder, as browsim looks for it.
  bool PublishExamWindow() const {
    return ui::PublishWindowTitle(7, "■-未知-" + folder_.Win("KS\\001\\"));
  }
  std::vector<std::string> Column(const std::string& sql, const char* field) const {
    return DatabaseColumn(Database(), sql, field);
  }

 private:
  win::testing::TestFolder folder_{'T'};
  win::testing::ScopedEnv windows_{"KIRV_WINDOW_LIST", (folder_.Root() / "windows").string()};
  win::testing::ScopedEnv registry_{"KIRV_REGISTRY", (folder_.Root() / "registry.ini").string()};
};

}  // namespace browsim::testing
