// The page properties dialog and the texts it shows.
#include "browsim/frame/properties_dlg.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <string_view>
#include <system_error>
#include <utility>

#include "platform/base/text.h"

namespace {

struct Named {
  std::string_view key;
  std::string_view text;
};

// By scheme; any other has no protocol name.
constexpr Named kProtocols[] = {
    {"http", "超文本传输协议"}, {"https", "安全超文本传输协议"}, {"ftp", "文件传输协议"},
    {"file", "文件协议"},       {"email", "电子邮件"},           {"search", "搜索"},
    {"about", "About 协议"},
};

// By file extension; any other is "<EXT> 文件".
constexpr Named kTypes[] = {
    {"htm", "HTML 文档"},  {"html", "HTML 文档"}, {"shtml", "HTML 文档"}, {"asp", "HTML 文档"},
    {"aspx", "HTML 文档"}, {"php", "HTML 文档"},  {"jsp", "HTML 文档"},   {"mht", "MHTML 文档"},
    {"xml", "XML 文档"},   {"txt", "文本文档"},   {"jpg", "JPEG 图像"},   {"jpeg", "JPEG 图像"},
    {"gif", "GIF 图像"},   {"png", "PNG 图像"},   {"bmp", "位图图像"},
};

std::string_view Lookup(const Named* begin, const Named* end, std::string_view key) {
  for (const Named* n = begin; n != end; ++n)
    if (n->key == key) return n->text;
  return {};
}

std::string Scheme(const std::string& address) {
  const size_t colon = address.find(':');
  // "C:\..." is a drive, not a scheme.
  if (colon == std::string::npos || colon < 2) return address.size() > 1 ? "file" : "";
  return base::AsciiLower(address.substr(0, colon));
}

std::string Extension(const std::string& address, const std::filesystem::path& localFile) {
  std::string ext = localFile.extension().string();
  if (ext.empty()) {
    // The address's own path, without its query or fragment; a host alone has none.
    std::string path = address.substr(0, address.find_first_of("?#"));
    if (const size_t authority = path.find("://"); authority != std::string::npos) {
      const size_t slash = path.find('/', authority + 3);
      path = slash == std::string::npos ? "" : path.substr(slash);
    }
    for (char& c : path)
      if (c == '\\') c = '/';
    ext = std::filesystem::path(path).extension().string();
  }
  return ext.empty() ? "" : base::AsciiLower(ext.substr(1));
}

}  // namespace

PageProperties DescribePage(const std::string& title, const std::string& address,
                            const std::filesystem::path& localFile) {
  PageProperties page;
  page.title = title.empty() ? address : title;
  page.address = address;
  page.protocol = Lookup(std::begin(kProtocols), std::end(kProtocols), Scheme(address));
  if (page.protocol.empty()) page.protocol = "不可用";
  const std::string ext = Extension(address, localFile);
  page.type = Lookup(std::begin(kTypes), std::end(kTypes), ext);
  if (page.type.empty()) page.type = ext.empty() ? "不可用" : base::AsciiUpper(ext) + " 文件";
  page.size = "不可用";
  std::error_code ec;
  if (!localFile.empty() && std::filesystem::symlink_status(localFile, ec).type() ==
                                std::filesystem::file_type::regular) {
    const auto bytes = std::filesystem::file_size(localFile, ec);
    if (!ec) page.size = std::to_string(bytes) + " 字节";
  }
  return page;
}

CPropertiesDlg::CPropertiesDlg(const PageProperties& page, QWidget* parent)
    : QDialog(parent), page_(page) {
  setWindowTitle("属性");
  auto* layout = new QGridLayout(this);
  auto* icon = new QLabel(this);
  icon->setPixmap(style()->standardIcon(QStyle::SP_FileIcon).pixmap(32, 32));
  layout->addWidget(icon, 0, 0);
  auto* title = new QLabel(QString::fromStdString(page_.title), this);
  title->setTextInteractionFlags(Qt::TextSelectableByMouse);
  title->setWordWrap(true);
  layout->addWidget(title, 0, 1);
  auto* line = new QFrame(this);
  line->setFrameShape(QFrame::HLine);
  layout->addWidget(line, 1, 0, 1, 2);
  const std::pair<const char*, const std::string*> rows[] = {
      {"协议:", &page_.protocol},
      {"类型:", &page_.type},
      {"地址(URL):", &page_.address},
      {"大小:", &page_.size},
  };
  int row = 2;
  for (const auto& [caption, value] : rows) {
    layout->addWidget(new QLabel(caption, this), row, 0, Qt::AlignTop);
    auto* text = new QLabel(QString::fromStdString(*value), this);
    text->setObjectName(caption);
    text->setTextInteractionFlags(Qt::TextSelectableByMouse);
    text->setWordWrap(true);
    text->setMinimumWidth(300);
    layout->addWidget(text, row++, 1);
  }
  auto* ok = new QPushButton("确定", this);
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(ok);
  layout->addLayout(buttons, row, 0, 1, 2);
}
