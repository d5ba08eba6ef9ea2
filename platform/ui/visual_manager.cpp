// The stock looks differ only in their colours; the drawing is shared.
#include "platform/ui/visual_manager.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPolygon>

namespace ui {
namespace {

std::unique_ptr<VisualManager>& Current() {
  static std::unique_ptr<VisualManager> manager;
  return manager;
}

}  // namespace

VisualManager& VisualManager::Default() {
  auto& current = Current();
  if (!current) current = std::make_unique<VisualManager2003>();
  return *current;
}

void VisualManager::SetDefault(std::unique_ptr<VisualManager> manager) {
  Current() = std::move(manager);
}

void VisualManager::FillTasksPaneBackground(QPainter& p, const QRect& rect, DockEdge) {
  p.fillRect(rect, paneBackground);
}

void VisualManager::DrawTasksGroupCaption(QPainter& p, const QRect& rect,
                                          const TasksGroupCaption& group) {
  FillGradient(p, rect, captionStart, captionEnd, Qt::Horizontal);
  QColor text = group.textColor.isValid() ? group.textColor : captionText;
  if (group.highlighted && group.textColorHot.isValid()) text = group.textColorHot;
  p.setPen(text);
  QFont font = p.font();
  font.setBold(true);
  p.setFont(font);
  const int arrowSpace = group.canCollapse ? MenuImageSize().width() + 12 : 4;
  p.drawText(
      rect.adjusted(6, 0, -arrowSpace, 0), Qt::AlignVCenter | Qt::AlignLeft | Qt::TextSingleLine,
      p.fontMetrics().elidedText(group.name, Qt::ElideMiddle, rect.width() - 6 - arrowSpace));
  if (group.canCollapse && !group.name.isEmpty()) {
    const QSize image = MenuImageSize();
    const QRect arrow(rect.right() - image.width() - 6, rect.center().y() - image.height() / 2,
                      image.width(), image.height());
    DrawMenuArrow(p, arrow, !group.collapsed, text);
  }
}

void VisualManager::FillTasksGroupInterior(QPainter& p, const QRect& rect) {
  p.fillRect(rect, groupBackground);
}

void VisualManager::DrawTasksGroupAreaBorder(QPainter& p, const QRect& rect) {
  p.setPen(groupBorder);
  p.setBrush(Qt::NoBrush);
  p.drawRect(rect.adjusted(0, 0, -1, -1));
}

void VisualManager::DrawTask(QPainter& p, const QRect& rect, const QString& text, bool separator,
                             bool highlighted) {
  if (separator) {
    p.setPen(groupBorder);
    p.drawLine(rect.left(), rect.center().y(), rect.right(), rect.center().y());
    return;
  }
  QFont font = p.font();
  font.setUnderline(highlighted);
  p.setFont(font);
  p.setPen(sharedText);
  p.drawText(rect.adjusted(4, 0, -4, 0), Qt::AlignVCenter | Qt::AlignLeft | Qt::TextSingleLine,
             text);
}

void VisualManager::DrawScrollButton(QPainter& p, const QRect& rect, int, bool up,
                                     bool highlighted) {
  p.fillRect(rect, highlighted ? groupBackground.lighter(115) : groupBackground);
  p.setPen(groupBorder);
  p.drawRect(rect.adjusted(0, 0, -1, -1));
  DrawMenuArrow(p, rect, up);
}

void VisualManager::FillFrame(QPainter& p, const QRect& rect, const QMargins& inner) {
  FillFrameBand(p, rect, inner, groupBackground, groupBorder);
}

void VisualManager::DrawGroupTitleBand(QPainter& p, const QRect& rect, const QString& title) {
  FillGradient(p, rect, captionEnd, captionStart, Qt::Vertical);
  p.setPen(captionText);
  p.drawText(rect.adjusted(4, 0, -4, 0), Qt::AlignVCenter | Qt::AlignLeft | Qt::TextSingleLine,
             title);
}

void FillGradient(QPainter& p, const QRect& rect, const QColor& from, const QColor& to,
                  Qt::Orientation direction) {
  QLinearGradient gradient(rect.topLeft(),
                           direction == Qt::Horizontal ? rect.topRight() : rect.bottomLeft());
  gradient.setColorAt(0, from);
  gradient.setColorAt(1, to);
  p.fillRect(rect, gradient);
}

void FillFrameBand(QPainter& p, const QRect& rect, const QMargins& inner, const QColor& fill,
                   const QColor& outline) {
  p.save();
  p.setClipRegion(QRegion(rect).subtracted(QRegion(rect.marginsRemoved(inner))));
  p.fillRect(rect, fill);
  p.restore();
  p.setPen(outline);
  p.setBrush(Qt::NoBrush);
  p.drawRect(rect.adjusted(0, 0, -1, -1));
}

void DrawMenuArrow(QPainter& p, const QRect& rect, bool up, const QColor& color) {
  const QPoint c = rect.center();
  QPolygon arrow;
  if (up)
    arrow << QPoint(c.x() - 4, c.y() + 2) << QPoint(c.x() + 4, c.y() + 2)
          << QPoint(c.x(), c.y() - 2);
  else
    arrow << QPoint(c.x() - 4, c.y() - 2) << QPoint(c.x() + 4, c.y() - 2)
          << QPoint(c.x(), c.y() + 2);
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(Qt::NoPen);
  p.setBrush(color);
  p.drawPolygon(arrow);
  p.restore();
}

namespace {

// The colours of a stock look as 0xRRGGBB; task and caption text share one colour.
struct StockColours {
  QRgb captionStart, captionEnd, text, paneBackground, groupBackground, groupBorder;
};

void Use(VisualManager& look, const StockColours& c) {
  look.captionStart = QColor(c.captionStart);
  look.captionEnd = QColor(c.captionEnd);
  look.captionText = look.sharedText = QColor(c.text);
  look.paneBackground = QColor(c.paneBackground);
  look.groupBackground = QColor(c.groupBackground);
  look.groupBorder = QColor(c.groupBorder);
}

}  // namespace

VisualManagerXP::VisualManagerXP() {
  Use(*this, {0xFFFFFF, 0xC6D3F7, 0x215DC6, 0x7BA2E7, 0xD6DFF7, 0xFFFFFF});
}

VisualManager2003::VisualManager2003() {
  Use(*this, {0xE3EFFF, 0x87ADE4, 0x002D96, 0xADD1FF, 0xDDECFE, 0x3B619C});
}

VisualManagerVS2005::VisualManagerVS2005() {
  Use(*this, {0xFBFAF7, 0xD4D0C8, 0x000000, 0xECE9D8, 0xFCFCF9, 0xACA899});
}

}  // namespace ui
