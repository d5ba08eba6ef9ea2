// CbrowsimView: the browser view over Qt WebEngine. Every navigation of the main frame passes
// the frame's NavigationDispatch first (acceptNavigationRequest), new windows are loaded
// through the same hook in this view, the title and back/forward state follow the page, and
// downloads and save-as go through our save dialog. The pseudo-schemes "email" and "search"
// are registered before the application object exists (RegisterPseudoSchemes).
#pragma once

#include <QPageLayout>
#include <QUrl>
#include <QWebEnginePage>
#include <QWebEngineView>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

class CMainFrame;
class QPrinter;
class QWebEngineProfile;

// Registers "email" and "search" with Qt WebEngine; call before the QApplication is made.
void RegisterPseudoSchemes();

// The address the navigation hook sees for a URL: a local file as a Windows-form path, any
// other URL as its text, percent-decoded, its query read in `charset`, the charset of the page
// that sent it ("" when not known; our own addresses are UTF-8).
std::string AddressOfUrl(const QUrl& url, std::string_view charset = "UTF-8");
// The URL to load for an address: a Windows-form path ("X:\...") becomes a file URL, an address
// without a scheme a web address.
QUrl UrlOfAddress(const std::string& address);

class CbrowsimPage : public QWebEnginePage {
  Q_OBJECT

 public:
  CbrowsimPage(CMainFrame& frame, QWebEngineProfile* profile, QObject* parent);
  ~CbrowsimPage() override;

  // Loads a URL; `dispatched` when the navigation hook has already decided on it.
  void Load(const QUrl& url, bool dispatched);
  // The charset of the document shown ("GBK", "UTF-8"); "" until it has loaded.
  const std::string& Charset() const { return document_->charset; }

 protected:
  bool acceptNavigationRequest(const QUrl& url, NavigationType type, bool isMainFrame) override;
  QWebEnginePage* createWindow(WebWindowType type) override;

 private:
  // Points the page's frames that ask for `address` at its local copy.
  void LoadInFrames(const QUrl& address, const QUrl& local);

  CMainFrame& frame_;
  bool skipTyped_ = false;
  bool reloading_ = false;  // the main frame's last navigation was a reload
  struct Document {
    std::string charset;
    int loads = 0;  // a charset reported for an earlier document is not this one's
  };
  // Shared with the charset query's answer, which the engine also gives while the page is being
  // destroyed: by then the answer finds it gone.
  std::shared_ptr<Document> document_ = std::make_shared<Document>();
};

class CbrowsimView : public QWebEngineView {
  Q_OBJECT

 public:
  CbrowsimView(CMainFrame& frame, QWidget* parent);
  ~CbrowsimView() override;

  // Logs the start, resets content.js from start.js, and opens the start pages of Options.
  void OnInitialUpdate();
  // Passes the address through the navigation hook, then loads what it decided.
  void Navigate(const std::string& address);
  // Saves the current page through a save dialog (browser command "save as").
  void SaveAs();
  // Page setup through Qt's dialog; the layout chosen is kept for print and print preview, and
  // for the next run.
  void PageSetup();
  void PrintPage();
  void PrintPreview();
  // A printer laid out as page setup last chose (the printer's defaults before that).
  std::unique_ptr<QPrinter> NewPrinter() const;
  // The page's source in a text window.
  void ViewSource();

 private:
  void OnTitleChanged(const QString& title);

  CMainFrame& frame_;
  CbrowsimPage* page_ = nullptr;
  std::optional<QPageLayout> pageLayout_;
};
