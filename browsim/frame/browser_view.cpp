// The browser view over Qt WebEngine and its navigation hook.
#include "browsim/frame/browser_view.h"

#include <QCoreApplication>
#include <QDialog>
#include <QEventLoop>
#include <QFileDialog>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QPageSetupDialog>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QTimer>
#include <QVBoxLayout>
#include <QWebEngineDownloadRequest>
#include <QWebEngineHistory>
#include <QWebEngineProfile>
#include <QWebEngineScript>
#include <QWebEngineUrlRequestInfo>
#include <QWebEngineUrlRequestInterceptor>
#include <QWebEngineUrlRequestJob>
#include <QWebEngineUrlScheme>
#include <QWebEngineUrlSchemeHandler>
#include <cstdio>
#include <memory>
#include <vector>

#include "browsim/core/query_params.h"
#include "browsim/core/site_files.h"
#include "browsim/frame/main_frame.h"
#include "browsim/frame/page_setup_store.h"
#include "netdb/action_log.h"
#include "netdb/variant_convert.h"
#include "platform/win/confined_file.h"
#include "platform/win/paths.h"

namespace {

constexpr uint64_t kLargestPage = 64ull << 20;

// Anything that still reaches a pseudo-scheme (a picture or frame naming one) is refused: the
// navigation hook serves the addresses, never the network stack.
class PseudoSchemeHandler : public QWebEngineUrlSchemeHandler {
 public:
  using QWebEngineUrlSchemeHandler::QWebEngineUrlSchemeHandler;
  void requestStarted(QWebEngineUrlRequestJob* job) override {
    job->fail(QWebEngineUrlRequestJob::RequestDenied);
  }
};

// The site copies lie in a folder the candidate can write during the exam: a local file is
// only shown when it is a regular file of sane size, and below the site folder only when no
// link leads out of it.
class LocalFileGuard : public QWebEngineUrlRequestInterceptor {
 public:
  LocalFileGuard(std::filesystem::path siteFolder, QObject* parent)
      : QWebEngineUrlRequestInterceptor(parent), site_(std::move(siteFolder)) {}

  void interceptRequest(QWebEngineUrlRequestInfo& info) override {
    const QUrl url = info.requestUrl();
    if (!url.isLocalFile()) return;
    const std::filesystem::path file = url.toLocalFile().toStdString();
    const bool inSite = file.lexically_normal().native().starts_with(site_.native());
    const auto opened = inSite ? win::OpenConfinedFile(file, site_, kLargestPage)
                               : win::OpenRegularFile(file, kLargestPage);
    if (!opened) info.block(true);
  }

 private:
  std::filesystem::path site_;
};

}  // namespace

void RegisterPseudoSchemes() {
  for (const char* name : {"email", "search"}) {
    QWebEngineUrlScheme scheme(name);
    scheme.setSyntax(QWebEngineUrlScheme::Syntax::Path);
    scheme.setFlags(QWebEngineUrlScheme::LocalScheme | QWebEngineUrlScheme::LocalAccessAllowed);
    QWebEngineUrlScheme::registerScheme(scheme);
  }
}

std::string AddressOfUrl(const QUrl& url, std::string_view charset) {
  if (url.isLocalFile()) return win::ToWindowsPath(url.toLocalFile().toStdString());
  std::string text =
      browsim::DecodeAddress(url.toString(QUrl::FullyEncoded).toStdString(), charset);
  // The engine may drop an empty authority ("search:?keyword=a"); the services expect "//".
  const std::string scheme = url.scheme().toLower().toStdString();
  if (scheme == "email" || scheme == "search") {
    size_t rest = scheme.size() + 1;
    while (rest < text.size() && text[rest] == '/') ++rest;
    text = scheme + "://" + text.substr(rest);
  }
  return text;
}

QUrl UrlOfAddress(const std::string& address) {
  if (address.size() >= 3 && address[1] == ':' && (address[2] == '\\' || address[2] == '/'))
    return QUrl::fromLocalFile(QString::fromStdString(win::ToHostPath(address).string()));
  QUrl url(QString::fromStdString(address));
  // A start page, favourite or opened address written without its scheme ("www.a.cn") is a
  // web address, as the browser control takes it.
  if (url.scheme().isEmpty() && !address.empty())
    url = QUrl(QString::fromStdString("http://" + address));
  // A host without a path is the host's root page, as the engine shows it ("http://a.cn/").
  if (!url.host().isEmpty() && url.path().isEmpty()) url.setPath("/");
  return url;
}

CbrowsimPage::CbrowsimPage(CMainFrame& frame, QWebEngineProfile* profile, QObject* parent)
    : QWebEnginePage(profile, parent), frame_(frame) {
  // A form or script of the page sends its query in the page's charset (a GBK site copy: GBK).
  connect(this, &QWebEnginePage::loadStarted, this, [this] {
    ++document_->loads;
    document_->charset.clear();
  });
  connect(this, &QWebEnginePage::loadFinished, this, [this] {
    const std::weak_ptr<Document> shown = document_;
    // Asked in a world of our own: the page's scripts cannot answer for the document.
    runJavaScript("document.characterSet", QWebEngineScript::ApplicationWorld,
                  [shown, load = document_->loads](const QVariant& name) {
                    const std::shared_ptr<Document> document = shown.lock();
                    if (document && document->loads == load)
                      document->charset = name.toString().toStdString();
                  });
  });
}

CbrowsimPage::~CbrowsimPage() {
  // The engine's page, going after this, may still report on the document.
  disconnect(this, nullptr, this, nullptr);
}

void CbrowsimPage::Load(const QUrl& url, bool dispatched) {
  skipTyped_ = dispatched;
  load(url);
}

bool CbrowsimPage::acceptNavigationRequest(const QUrl& url, NavigationType type, bool isMainFrame) {
  if (isMainFrame && type == NavigationTypeTyped && skipTyped_) {
    skipTyped_ = false;
    return true;
  }
  // A reload shows the same page again, frames and all: no new visit.
  if (isMainFrame) reloading_ = type == NavigationTypeReload;
  if (type == NavigationTypeReload) return true;
  // A frame with no document of its own is nothing the candidate visited.
  if (!isMainFrame && QStringList{"about", "data", "blob", "javascript"}.contains(url.scheme()))
    return true;
  // Our own loads are UTF-8. What the page sends is in its charset; a frame's, or that of the
  // page a history entry came from, is not known here.
  const bool sentByPage = type == NavigationTypeLinkClicked ||
                          type == NavigationTypeFormSubmitted || type == NavigationTypeOther;
  const std::string charset = type == NavigationTypeTyped ? "UTF-8"
                              : isMainFrame && sentByPage ? document_->charset
                                                          : "";
  const browsim::NavigationOutcome outcome =
      frame_.Dispatch().BeforeNavigate(AddressOfUrl(url, charset), isMainFrame || !reloading_);
  if (!outcome.loadInstead.empty()) {
    const QUrl local = UrlOfAddress(outcome.loadInstead);
    if (isMainFrame)
      QTimer::singleShot(0, this, [this, local] { Load(local, false); });
    else
      LoadInFrames(url, local);
  }
  return outcome.proceed;
}

void CbrowsimPage::LoadInFrames(const QUrl& address, const QUrl& local) {
  // The engine cannot point one frame elsewhere from here: the page's frames that ask for the
  // address get the local copy instead, which passes the hook again and is recorded there.
  const QString arguments =
      QJsonDocument(QJsonArray{address.toString(QUrl::FullyEncoded).toLower(), local.toString()})
          .toJson(QJsonDocument::Compact);
  runJavaScript(
      "(function (from, to) {"
      "  document.querySelectorAll('frame, iframe').forEach(function (f) {"
      "    if (f.src.toLowerCase() == from) f.src = to;"
      "  });"
      "}).apply(null, " +
      arguments + ")");
}

namespace {

// The page a new window would show: its first navigation is handed to the main view, which
// passes it through the hook like any other, and the page goes away.
class NewWindowCatcher : public QWebEnginePage {
 public:
  NewWindowCatcher(CMainFrame& frame, std::string charset, QWebEngineProfile* profile,
                   QObject* parent)
      : QWebEnginePage(profile, parent), frame_(frame), charset_(std::move(charset)) {}

 protected:
  bool acceptNavigationRequest(const QUrl& url, NavigationType, bool) override {
    if (!done_) {
      done_ = true;
      const std::string address = AddressOfUrl(url, charset_);
      QTimer::singleShot(0, &frame_, [frame = &frame_, address] { frame->Navigate(address); });
      deleteLater();
    }
    return false;
  }

 private:
  CMainFrame& frame_;
  std::string charset_;  // of the page that opened it
  bool done_ = false;
};

}  // namespace

QWebEnginePage* CbrowsimPage::createWindow(WebWindowType type) {
  (void)type;
  return new NewWindowCatcher(frame_, document_->charset, profile(), this);
}

CbrowsimView::CbrowsimView(CMainFrame& frame, QWidget* parent)
    : QWebEngineView(parent), frame_(frame), pageLayout_(LoadPageSetup()) {
  // Off the record, and the view's own: its guard knows this frame's site folder.
  auto* profile = new QWebEngineProfile(this);
  profile->installUrlSchemeHandler("email", new PseudoSchemeHandler(profile));
  profile->installUrlSchemeHandler("search", new PseudoSchemeHandler(profile));
  profile->setUrlRequestInterceptor(
      new LocalFileGuard(win::ToHostPath(frame.Paths().SiteFolder()).lexically_normal(), profile));
  page_ = new CbrowsimPage(frame, profile, this);
  setPage(page_);
  connect(page_, &QWebEnginePage::titleChanged, this, &CbrowsimView::OnTitleChanged);
  connect(page_, &QWebEnginePage::urlChanged, this, [this](const QUrl&) {
    frame_.SetNavigationState(history()->canGoBack(), history()->canGoForward());
  });
  connect(profile, &QWebEngineProfile::downloadRequested, this,
          [this](QWebEngineDownloadRequest* download) {
            const QString name =
                QFileDialog::getSaveFileName(this, QString(), download->downloadFileName());
            if (name.isEmpty()) {
              download->cancel();
              return;
            }
            const QFileInfo target(name);
            download->setDownloadDirectory(target.absolutePath());
            download->setDownloadFileName(target.fileName());
            download->accept();
          });
}

CbrowsimView::~CbrowsimView() {
  // The page goes before the profile it was made on.
  setPage(nullptr);
  delete page_;
}

void CbrowsimView::OnInitialUpdate() {
  frame_.Log(netdb::action::kStarted, "");
  const std::string mail = frame_.Paths().MailFolder();
  (void)browsim::CopyFileBuffered(mail + "start.js", mail + "content.js");
  netdb::RecordsetPtr rs;
  if (!frame_.Database().OpenRecordset(rs, "Select * From Options order by ID")) {
    frame_.ReportFailure("网络数据库无法读取: " + frame_.Database().LastError());
    return;
  }
  std::vector<std::string> starts;
  for (; !rs->IsEOF(); rs->MoveNext()) {
    ado::Variant value;
    if (rs->GetValue("StartPage", value)) starts.push_back(netdb::VariantToString(value));
  }
  netdb::CAdoConnection::ReleaseRecordset(rs);
  for (const std::string& start : starts) {
    frame_.Log(netdb::action::kToStartPage, start);
    Navigate(start);
  }
}

void CbrowsimView::Navigate(const std::string& address) {
  // Dispatched here, so that an address with a local copy never reaches the engine (which would
  // start resolving its host first).
  const QUrl url = UrlOfAddress(address);
  const browsim::NavigationOutcome outcome = frame_.Dispatch().BeforeNavigate(AddressOfUrl(url));
  if (!outcome.loadInstead.empty()) {
    page_->Load(UrlOfAddress(outcome.loadInstead), false);
  } else if (outcome.proceed) {
    page_->Load(url, true);
  }
}

void CbrowsimView::OnTitleChanged(const QString& title) {
  frame_.setWindowTitle(title + " - Microsoft Internet Explorer");
}

void CbrowsimView::SaveAs() {
  const QString name = QFileDialog::getSaveFileName(this, QString(), title() + ".htm",
                                                    "网页(*.htm *.html);;所有文件(*.*)");
  if (!name.isEmpty()) page_->save(name, QWebEngineDownloadRequest::SingleHtmlSaveFormat);
}

std::unique_ptr<QPrinter> CbrowsimView::NewPrinter() const {
  auto printer = std::make_unique<QPrinter>();
  if (pageLayout_) printer->setPageLayout(*pageLayout_);
  return printer;
}

void CbrowsimView::PageSetup() {
  const std::unique_ptr<QPrinter> printer = NewPrinter();
  QPageSetupDialog dialog(printer.get(), this);
  dialog.setWindowTitle("页面设置");
  if (dialog.exec() != QDialog::Accepted) return;
  pageLayout_ = printer->pageLayout();
  if (!SavePageSetup(*pageLayout_)) frame_.ReportFailure("页面设置无法保存，下次启动时不再有效");
}

void CbrowsimView::PrintPage() {
  std::shared_ptr<QPrinter> printer = NewPrinter();
  QPrintDialog dialog(printer.get(), this);
  if (dialog.exec() != QDialog::Accepted) return;
  print(printer.get());
  // The printer must outlive the asynchronous print.
  connect(
      this, &QWebEngineView::printFinished, this, [printer](bool) {}, Qt::SingleShotConnection);
}

void CbrowsimView::PrintPreview() {
  const std::unique_ptr<QPrinter> printer = NewPrinter();
  QPrintPreviewDialog preview(printer.get(), this);
  connect(&preview, &QPrintPreviewDialog::paintRequested, this, [this](QPrinter* p) {
    QEventLoop loop;
    connect(this, &QWebEngineView::printFinished, &loop, &QEventLoop::quit);
    print(p);
    loop.exec();
  });
  preview.exec();
}

void CbrowsimView::ViewSource() {
  page_->toHtml([this, title = title()](const QString& html) {
    auto* window = new QDialog(this);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->setWindowTitle(title + " - 源文件");
    auto* text = new QPlainTextEdit(html, window);
    text->setReadOnly(true);
    auto* layout = new QVBoxLayout(window);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(text);
    window->resize(720, 520);
    window->show();
  });
}
