// The page setup in the registry store, as readable text: "A4", "portrait", "20,15,20,15" (mm).
#include "browsim/frame/page_setup_store.h"

#include <QPageSize>
#include <QRectF>
#include <QSizeF>
#include <QStringList>
#include <string>

#include "platform/win/registry.h"

namespace {

constexpr const char* kKey = "HKEY_CURRENT_USER\\Software\\KIRV-browsim\\browsim\\PageSetup";

// A named size by its key ("A4"), any other as "WIDTHxHEIGHT" in millimetres.
std::string PageSizeText(const QPageSize& size) {
  if (size.id() != QPageSize::Custom) return size.key().toStdString();
  const QSizeF mm = size.size(QPageSize::Millimeter);
  return QString("%1x%2").arg(mm.width()).arg(mm.height()).toStdString();
}

std::optional<QPageSize> PageSizeOf(const QString& text) {
  for (int id = 0; id <= QPageSize::LastPageSize; ++id) {
    const auto sizeId = static_cast<QPageSize::PageSizeId>(id);
    if (sizeId != QPageSize::Custom && QPageSize::key(sizeId) == text) return QPageSize(sizeId);
  }
  const QStringList parts = text.split('x');
  bool wide = false, high = false;
  const double width = parts.size() == 2 ? parts[0].toDouble(&wide) : 0;
  const double height = parts.size() == 2 ? parts[1].toDouble(&high) : 0;
  if (!wide || !high || width < 10 || height < 10 || width > 5000 || height > 5000)
    return std::nullopt;
  return QPageSize(QSizeF(width, height), QPageSize::Millimeter);
}

std::optional<QMarginsF> MarginsOf(const QString& text) {
  const QStringList parts = text.split(',');
  if (parts.size() != 4) return std::nullopt;
  double values[4] = {};
  for (int i = 0; i < 4; ++i) {
    bool ok = false;
    values[i] = parts[i].toDouble(&ok);
    if (!ok || values[i] < 0 || values[i] > 1000) return std::nullopt;
  }
  return QMarginsF(values[0], values[1], values[2], values[3]);
}

}  // namespace

std::optional<QPageLayout> LoadPageSetup() {
  const auto size = win::RegQueryString(kKey, "PageSize");
  const auto orientation = win::RegQueryString(kKey, "Orientation");
  const auto margins = win::RegQueryString(kKey, "Margins");
  if (!size || !orientation || !margins) return std::nullopt;
  const auto pageSize = PageSizeOf(QString::fromStdString(*size));
  const auto pageMargins = MarginsOf(QString::fromStdString(*margins));
  if (!pageSize || !pageMargins || (*orientation != "portrait" && *orientation != "landscape"))
    return std::nullopt;
  QPageLayout layout(*pageSize,
                     *orientation == "landscape" ? QPageLayout::Landscape : QPageLayout::Portrait,
                     QMarginsF(), QPageLayout::Millimeter);
  // Margins that leave no room to print on are not kept.
  const QSizeF paper = layout.fullRect(QPageLayout::Millimeter).size();
  if (pageMargins->left() + pageMargins->right() >= paper.width() ||
      pageMargins->top() + pageMargins->bottom() >= paper.height() ||
      !layout.setMargins(*pageMargins))
    return std::nullopt;
  return layout;
}

bool SavePageSetup(const QPageLayout& layout) {
  const QMarginsF m = layout.margins(QPageLayout::Millimeter);
  const std::string margins = QString("%1,%2,%3,%4")
                                  .arg(m.left())
                                  .arg(m.top())
                                  .arg(m.right())
                                  .arg(m.bottom())
                                  .toStdString();
  return win::RegSetString(kKey, "PageSize", PageSizeText(layout.pageSize())) &&
         win::RegSetString(
             kKey, "Orientation",
             layout.orientation() == QPageLayout::Landscape ? "landscape" : "portrait") &&
         win::RegSetString(kKey, "Margins", margins);
}
