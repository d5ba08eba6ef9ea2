// Painted artwork: simple shapes in the program's grey-green scheme, antialiased, so they scale
// and need no image files in the sources.
#include "client/gui/artwork.h"

#include <QDir>
#include <QFile>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include "platform/ui/gif_writer.h"

namespace {

QPixmap Blank(int size) {
  QPixmap pixmap(size, size);
  pixmap.fill(Qt::transparent);
  return pixmap;
}

void DrawFolder(QPainter& p) {
  p.setPen(QPen(QColor(150, 110, 20), 1));
  p.setBrush(QColor(240, 200, 80));
  p.drawRoundedRect(QRectF(1.5, 3.5, 6, 3), 1, 1);
  QLinearGradient g(0, 5, 0, 14);
  g.setColorAt(0, QColor(255, 226, 120));
  g.setColorAt(1, QColor(230, 170, 40));
  p.setBrush(g);
  p.drawRoundedRect(QRectF(1.5, 5.5, 13, 8), 1, 1);
}

void DrawGlobe(QPainter& p) {
  QRadialGradient g(QPointF(6, 6), 8);
  g.setColorAt(0, QColor(150, 200, 255));
  g.setColorAt(1, QColor(30, 100, 200));
  p.setPen(QPen(QColor(20, 60, 140), 1));
  p.setBrush(g);
  p.drawEllipse(QRectF(1.5, 1.5, 13, 13));
  p.setPen(QPen(QColor(230, 240, 255), 0.9));
  p.setBrush(Qt::NoBrush);
  p.drawEllipse(QRectF(5, 1.5, 6, 13));
  p.drawLine(QPointF(2, 8), QPointF(14, 8));
  p.drawLine(QPointF(3, 5), QPointF(13, 5));
  p.drawLine(QPointF(3, 11), QPointF(13, 11));
}

void DrawMail(QPainter& p) {
  p.setPen(QPen(QColor(90, 90, 90), 1));
  p.setBrush(QColor(250, 250, 245));
  p.drawRect(QRectF(1.5, 3.5, 13, 9));
  p.drawLine(QPointF(1.5, 3.5), QPointF(8, 9));
  p.drawLine(QPointF(14.5, 3.5), QPointF(8, 9));
}

void DrawPin(QPainter& p) {
  p.setPen(QPen(QColor(120, 20, 20), 1));
  p.setBrush(QColor(220, 50, 50));
  p.drawEllipse(QRectF(4.5, 1.5, 7, 7));
  p.setPen(QPen(QColor(80, 80, 80), 1.6));
  p.drawLine(QPointF(8, 8.5), QPointF(8, 14.5));
}

void DrawFontSize(QPainter& p, bool larger) {
  QFont font("DejaVu Sans");
  font.setPixelSize(11);
  font.setBold(true);
  p.setFont(font);
  p.setPen(QColor(30, 60, 40));
  p.drawText(QRectF(0, 2, 10, 13), Qt::AlignCenter, "A");
  p.setPen(QPen(larger ? QColor(20, 140, 40) : QColor(190, 40, 30), 2));
  p.drawLine(QPointF(10, 8), QPointF(15, 8));
  if (larger) p.drawLine(QPointF(12.5, 5.5), QPointF(12.5, 10.5));
}

void DrawExit(QPainter& p) {
  p.setPen(QPen(QColor(90, 60, 30), 1));
  p.setBrush(QColor(170, 120, 70));
  p.drawRect(QRectF(2.5, 1.5, 7, 13));
  p.setPen(QPen(QColor(200, 30, 30), 2));
  p.drawLine(QPointF(8, 8), QPointF(15, 8));
  p.drawLine(QPointF(12, 5), QPointF(15, 8));
  p.drawLine(QPointF(12, 11), QPointF(15, 8));
}

}  // namespace

QIcon ExamIcon() {
  QIcon icon;
  for (int size : {16, 32, 48}) {
    QPixmap pixmap = Blank(size);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 32.0, size / 32.0);
    QLinearGradient g(0, 0, 0, 32);
    g.setColorAt(0, QColor(120, 150, 140));
    g.setColorAt(1, QColor(57, 67, 69));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawRoundedRect(QRectF(1, 1, 30, 30), 6, 6);
    p.setBrush(QColor(245, 245, 240));
    p.drawRect(QRectF(8, 5, 16, 21));
    p.setPen(QPen(QColor(20, 140, 40), 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    QPainterPath tick;
    tick.moveTo(11, 16);
    tick.lineTo(15, 21);
    tick.lineTo(23, 10);
    p.setBrush(Qt::NoBrush);
    p.drawPath(tick);
    p.end();
    icon.addPixmap(pixmap);
  }
  return icon;
}

QIcon ToolbarIcon(int index) {
  if (index < 0 || index > 6) return {};
  QIcon icon;
  for (int size : {16, 32}) {
    QPixmap pixmap = Blank(size);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 16.0, size / 16.0);
    switch (index) {
      case 0:
        DrawFolder(p);
        break;
      case 1:
        DrawGlobe(p);
        break;
      case 2:
        DrawMail(p);
        break;
      case 3:
        DrawPin(p);
        break;
      case 4:
        DrawFontSize(p, true);
        break;
      case 5:
        DrawFontSize(p, false);
        break;
      default:
        DrawExit(p);
        break;
    }
    p.end();
    icon.addPixmap(pixmap);
  }
  return icon;
}

QImage SkinImage(bool horizontal) {
  const QSize size = horizontal ? QSize(1920, 400) : QSize(480, 1200);
  QImage image(size, QImage::Format_RGB32);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  QLinearGradient g(0, 0, horizontal ? size.width() : 0, horizontal ? 0 : size.height());
  g.setColorAt(0, QColor(168, 184, 178));
  g.setColorAt(0.5, QColor(148, 165, 161));
  g.setColorAt(1, QColor(112, 128, 124));
  p.fillRect(image.rect(), g);
  // Faint diagonal lines give the surface some texture.
  p.setPen(QPen(QColor(255, 255, 255, 22), 1));
  for (int x = -size.height(); x < size.width(); x += 14)
    p.drawLine(x, 0, x + size.height(), size.height());
  p.end();
  return image;
}

bool WriteSkinFiles(const std::string& hostFolder) {
  const QString folder = QString::fromStdString(hostFolder);
  if (!QDir().mkpath(folder)) return false;
  for (bool horizontal : {false, true}) {
    QFile file(QDir(folder).filePath(horizontal ? "bgh.gif" : "bgv.gif"));
    if (!file.open(QIODevice::WriteOnly)) return false;
    if (file.write(ui::EncodeGif(SkinImage(horizontal))) <= 0) return false;
  }
  return true;
}
