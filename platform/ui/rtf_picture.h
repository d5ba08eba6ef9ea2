// Pictures embedded in RTF: PNG and JPEG blips, device-independent bitmaps, and the bitmaps that
// Windows and enhanced metafiles carry. Metafiles are not played back; the largest bitmap found
// in one is taken as the picture. Every length and offset read from the data is checked.
#pragma once

#include <QImage>
#include <cstdint>
#include <string>
#include <string_view>

namespace ui {

enum class RtfPictureKind { Unknown, Png, Jpeg, Dib, Wmf, Emf, Ddb, Mac };

// Decodes picture bytes of the given kind; a null image when nothing can be shown or the picture
// has more than `maxPixels` pixels.
QImage DecodeRtfPicture(RtfPictureKind kind, std::string_view bytes,
                        int64_t maxPixels = 64ll * 1024 * 1024);

// A device-independent bitmap (info header, colour table, bits) as a BMP file; empty when the
// header is not sound.
std::string DibToBmp(std::string_view dib);

// The largest bitmap a Windows metafile (with or without its placeable header) or an enhanced
// metafile holds, as a DIB; empty when there is none.
std::string DibFromWmf(std::string_view wmf);
std::string DibFromEmf(std::string_view emf);

}  // namespace ui
