// CPictureHolder (see picture_holder.h). Decoding is by content, not by the file's extension.
#include "client/gui/picture_holder.h"

#include <QFile>
#include <QPainter>

#include "platform/win/paths.h"

bool CPictureHolder::LoadPictureFile(const std::string& path) {
  QFile file(QString::fromStdString(win::ToHostPath(path).string()));
  if (!file.open(QIODevice::ReadOnly)) return false;
  picture_ = QImage::fromData(file.readAll());
  return true;
}

QSize CPictureHolder::GetSize() const {
  return picture_.isNull() ? QSize(0, 0) : picture_.size();
}

void CPictureHolder::Render(QPainter& painter, int left, int top, int right, int bottom) const {
  if (picture_.isNull()) return;
  if (left == 0 && top == 0 && right == 0 && bottom == 0) {
    right = picture_.width();
    bottom = picture_.height();
  }
  painter.drawImage(QRect(left, top, right - left, bottom - top), picture_);
}
