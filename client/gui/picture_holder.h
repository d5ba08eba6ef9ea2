// CPictureHolder: one picture loaded from a file (JPEG, GIF, BMP, PNG, ...) and drawn on demand;
// the login and end screens, the grading dialog and the visual manager use it for their skins.
#pragma once

#include <QImage>
#include <QSize>
#include <string>

class QPainter;

class CPictureHolder {
 public:
  // Loads a picture file (Windows-form path). False, keeping the previous picture, when the file
  // cannot be opened; true otherwise, even when its contents do not decode (the holder is then
  // empty).
  bool LoadPictureFile(const std::string& path);

  // The picture's size in device pixels; (0, 0) when empty.
  QSize GetSize() const;
  bool IsEmpty() const { return picture_.isNull(); }

  // Draws the whole picture stretched into the rectangle; with all four 0 at its own size at
  // (0, 0). Nothing when empty.
  void Render(QPainter& painter, int left, int top, int right, int bottom) const;

 private:
  QImage picture_;
};
