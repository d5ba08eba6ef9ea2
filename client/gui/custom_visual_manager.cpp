// CCustomVisualManager and the theme choice (see custom_visual_manager.h).
#include "client/gui/custom_visual_manager.h"

#include <QLinearGradient>
#include <QPainter>
#include <algorithm>
#include <climits>
#include <cstdlib>

namespace {
const QColor kSeparator(148, 165, 161);
const QColor kOutline(57, 67, 69);
const QColor kBand(75, 75, 75);
const QColor kBandLight(193, 193, 193);
const QColor kLightText(220, 220, 220);
const QColor kInterior(113, 111, 100);
}  // namespace

CCustomVisualManager::CCustomVisualManager(const std::string& programFolder)
    : vertical_{programFolder + "Skins\\bgv.gif", false, {}},
      horizontal_{programFolder + "Skins\\bgh.gif", false, {}} {
  groupBackground = kInterior;
  groupBorder = kOutline;
}

const CPictureHolder& CCustomVisualManager::Skin(ui::DockEdge edge) const {
  LazySkin& skin =
      edge == ui::DockEdge::Top || edge == ui::DockEdge::Bottom ? horizontal_ : vertical_;
  if (!skin.loaded) {
    skin.loaded = true;
    skin.picture.LoadPictureFile(skin.file);
  }
  return skin.picture;
}

QRect CCustomVisualManager::SkinRect(const QRect& rect, ui::DockEdge edge) const {
  const CPictureHolder& skin = Skin(edge);
  if (skin.IsEmpty()) return {};
  const QSize size = skin.GetSize();
  // Windows-style rectangle: right and bottom exclusive.
  const int l = rect.left(), t = rect.top(), r = rect.right() + 1, b = rect.bottom() + 1;
  const int left = (l + r) / 2 - size.width() / 2, top = (t + b) / 2 - size.height() / 2;
  const int right = (l + r) / 2 + size.width() / 2, bottom = (t + b) / 2 + size.height() / 2;
  return QRect(QPoint(left, top), QPoint(right - 1, bottom - 1));
}

void CCustomVisualManager::FillTasksPaneBackground(QPainter& p, const QRect& rect,
                                                   ui::DockEdge edge) {
  // The library's own background, and the skin over it where there is one.
  ui::VisualManager2003::FillTasksPaneBackground(p, rect, edge);
  const QRect skin = SkinRect(rect, edge);
  if (!skin.isEmpty())
    Skin(edge).Render(p, skin.left(), skin.top(), skin.right() + 1, skin.bottom() + 1);
}

std::optional<QRect> CollapseRingRect(const QRect& caption, const QSize& image) {
  const int w = image.width(), h = image.height();
  const int l = caption.left(), t = caption.top(), r = caption.right() + 1,
            b = caption.bottom() + 1;
  const int o = (b - t + 1) / 2;
  const int x = std::max(l, r - (w + 1) / 2 - o);
  const int y = std::max(t, b - (h + 1) / 2 - o);
  if (r < x + w || b < y + h) return std::nullopt;
  const int cx = (2 * x + w) / 2, cy = (2 * y + h) / 2;
  return QRect(QPoint(cx - 6, cy - 6), QPoint(cx + 8 - 1, cy + 8 - 1));
}

void CCustomVisualManager::DrawTasksGroupCaption(QPainter& p, const QRect& rect,
                                                 const ui::TasksGroupCaption& group) {
  captionStart = QColor(120, 120, 120);
  captionEnd = kOutline;
  const QColor savedShared = sharedText, savedCaption = captionText;
  sharedText = captionText = kLightText;
  ui::VisualManager2003::DrawTasksGroupCaption(p, rect, group);
  if (group.canCollapse && !group.name.isEmpty()) {
    if (const auto ring = CollapseRingRect(rect, MenuImageSize())) {
      p.save();
      p.setRenderHint(QPainter::Antialiasing);
      QLinearGradient gradient(ring->topLeft(), ring->bottomRight());  // 45 degrees
      gradient.setColorAt(0, QColor(14, 88, 13));
      gradient.setColorAt(1, QColor(167, 245, 167));
      p.setPen(QPen(QBrush(gradient), 2.5));
      p.setBrush(Qt::NoBrush);
      p.drawEllipse(QRectF(*ring).adjusted(1.5, 1.5, -1.5, -1.5));
      p.restore();
    }
  }
  sharedText = savedShared;
  captionText = savedCaption;
}

void CCustomVisualManager::FillTasksGroupInterior(QPainter& p, const QRect& rect) {
  QColor faded = kInterior;
  faded.setAlpha(130);
  ui::FillGradient(p, rect, kInterior, faded, Qt::Horizontal);
}

void CCustomVisualManager::DrawTasksGroupAreaBorder(QPainter&, const QRect&) {}

void CCustomVisualManager::DrawTask(QPainter& p, const QRect& rect, const QString& text,
                                    bool separator, bool highlighted) {
  if (separator) {
    p.setPen(kSeparator);
    p.drawLine(rect.left(), rect.center().y(), rect.right(), rect.center().y());
    return;
  }
  const QColor saved = sharedText;
  sharedText = kLightText;
  ui::VisualManager2003::DrawTask(p, rect, text, false, highlighted);
  sharedText = saved;
}

void CCustomVisualManager::DrawScrollButton(QPainter& p, const QRect& rect, int borderSize, bool up,
                                            bool highlighted) {
  p.fillRect(rect.adjusted(0, -borderSize, 0, 0), kSeparator);
  p.setPen(kBand);
  p.setBrush(Qt::NoBrush);
  p.drawRect(rect.adjusted(0, 0, -1, -1));
  if (highlighted) {
    p.fillRect(rect, kBandLight);
    p.drawRect(rect.adjusted(0, 0, -1, -1));
  }
  ui::DrawMenuArrow(p, rect, up);
}

void CCustomVisualManager::FillFrame(QPainter& p, const QRect& rect, const QMargins& inner) {
  ui::FillFrameBand(p, rect, inner, kSeparator, kOutline);
}

void CCustomVisualManager::DrawGroupTitleBand(QPainter& p, const QRect& rect,
                                              const QString& title) {
  ui::FillGradient(p, rect, kBand, kBandLight, Qt::Vertical);
  p.setPen(Qt::white);
  p.drawText(rect.adjusted(4, 0, -4, 0), Qt::AlignVCenter | Qt::AlignLeft | Qt::TextSingleLine,
             title);
}

int ThemeNumber(const std::string& setting) {
  // strtol saturates where atoi would overflow; the result is clamped to an int.
  const long value = std::strtol(setting.c_str(), nullptr, 10);
  return int(std::clamp<long>(value, INT_MIN, INT_MAX));
}

QString ApplyTheme(int theme, const std::string& programFolder) {
  switch (theme) {
    case 0:
      ui::VisualManager::SetDefault(std::make_unique<CCustomVisualManager>(programFolder));
      break;
    case 1:
      ui::VisualManager::SetDefault(std::make_unique<ui::VisualManagerXP>());
      break;
    case 2:
      ui::VisualManager::SetDefault(std::make_unique<ui::VisualManager2003>());
      break;
    case 3:
      ui::VisualManager::SetDefault(std::make_unique<ui::VisualManagerVS2005>());
      break;
    default:
      break;
  }
  return ui::VisualManager::Default().Name();
}
