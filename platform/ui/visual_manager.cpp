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
  QLinearGradient gradient(rect.topLeft(), rect.topRight());
  gradient.setColorAt(0, captionStart);
  gradient.setColorAt(1, captionEnd);
  p.fillRect(rect, gradient);
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
  const QRect inside = rect.marginsRemoved(inner);
  p.save();
  p.setClipRegion(QRegion(rect).subtracted(QRegion(inside)));
  p.fillRect(rect, groupBackground);
  p.restore();
  p.setPen(groupBorder);
  p.setBrush(Qt::NoBrush);
  p.drawRect(rect.adjusted(0, 0, -1, -1));
}

void VisualManager::DrawGroupTitleBand(QPainter& p, const QRect& rect, const QString& title) {
  QLinearGradient gradient(rect.topLeft(), rect.bottomLeft());
  gradient.setColorAt(0, captionEnd);
  gradient.setColorAt(1, captionStart);
  p.fillRect(rect, gradient);
  p.setPen(captionText);
  p.drawText(rect.adjusted(4, 0, -4, 0), Qt::AlignVCenter | Qt::AlignLeft | Qt::TextSingleLine,
             title);
}

void VisualManager::FillToolBar(QPainter& p, const QRect& rect) {
  p.fillRect(rect, toolBarBackground);
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

VisualManagerXP::VisualManagerXP() {
  captionStart = QColor(255, 255, 255);
  captionEnd = QColor(198, 211, 247);
  captionText = QColor(33, 93, 198);
  sharedText = QColor(33, 93, 198);
  paneBackground = QColor(123, 162, 231);
  groupBackground = QColor(214, 223, 247);
  groupBorder = QColor(255, 255, 255);
  toolBarBackground = QColor(236, 233, 216);
}

VisualManager2003::VisualManager2003() {
  captionStart = QColor(227, 239, 255);
  captionEnd = QColor(135, 173, 228);
  captionText = QColor(0, 45, 150);
  sharedText = QColor(0, 45, 150);
  paneBackground = QColor(173, 209, 255);
  groupBackground = QColor(221, 236, 254);
  groupBorder = QColor(59, 97, 156);
  toolBarBackground = QColor(196, 218, 250);
}

VisualManagerVS2005::VisualManagerVS2005() {
  captionStart = QColor(251, 250, 247);
  captionEnd = QColor(212, 208, 200);
  captionText = QColor(0, 0, 0);
  sharedText = QColor(0, 0, 0);
  paneBackground = QColor(236, 233, 216);
  groupBackground = QColor(252, 252, 249);
  groupBorder = QColor(172, 168, 153);
  toolBarBackground = QColor(229, 229, 215);
}

}  // namespace ui
