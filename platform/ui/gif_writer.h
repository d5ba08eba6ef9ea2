// A small GIF writer (Qt reads GIF but does not write it): one frame, up to 256 colours, LZW
// compressed. Used to make the program's skin pictures.
#pragma once

#include <QByteArray>
#include <QImage>

namespace ui {

// The image as a GIF file; more than 256 colours are reduced to a palette first. Empty for a null
// image.
QByteArray EncodeGif(const QImage& image);

}  // namespace ui
