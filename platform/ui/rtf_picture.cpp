// Picture decoding for the RTF reader. The metafile walkers only look for bitmap records; each
// record's length is checked against what is left before anything inside it is read.
#include "rtf_picture.h"

#include <QBuffer>
#include <QImageReader>
#include <cstdint>
#include <cstring>

namespace ui {
namespace {

uint32_t U32(std::string_view s, size_t at) {
  if (at + 4 > s.size()) return 0;
  const auto* p = reinterpret_cast<const unsigned char*>(s.data() + at);
  return p[0] | (p[1] << 8) | (p[2] << 16) | (uint32_t(p[3]) << 24);
}

uint16_t U16(std::string_view s, size_t at) {
  if (at + 2 > s.size()) return 0;
  const auto* p = reinterpret_cast<const unsigned char*>(s.data() + at);
  return uint16_t(p[0] | (p[1] << 8));
}

void PutU32(std::string& s, uint32_t v) {
  for (int i = 0; i < 4; ++i) s.push_back(char((v >> (8 * i)) & 0xFF));
}

// Keeps the larger of two candidate bitmaps.
void KeepLarger(std::string& best, std::string candidate) {
  if (candidate.size() > best.size()) best = std::move(candidate);
}

}  // namespace

std::string DibToBmp(std::string_view dib) {
  const uint32_t headerSize = U32(dib, 0);
  if (headerSize < 12 || headerSize > dib.size()) return {};
  uint32_t paletteBytes = 0;
  if (headerSize == 12) {  // core header: 3-byte colour entries
    const uint16_t bits = U16(dib, 10);
    if (bits <= 8) paletteBytes = 3u << bits;
  } else {
    if (headerSize < 40) return {};
    const uint16_t bits = U16(dib, 14);
    const uint32_t compression = U32(dib, 16);
    uint32_t used = U32(dib, 32);
    if (bits <= 8) {
      const uint32_t full = 1u << bits;
      if (used == 0 || used > full) used = full;
    } else if (used > 256) {
      used = 0;
    }
    paletteBytes = used * 4;
    if (headerSize == 40 && (compression == 3 || compression == 6))
      paletteBytes += compression == 3 ? 12 : 16;
  }
  const uint64_t offBits = 14ull + headerSize + paletteBytes;
  if (offBits > 14ull + dib.size()) return {};
  std::string bmp = "BM";
  PutU32(bmp, uint32_t(14 + dib.size()));
  PutU32(bmp, 0);
  PutU32(bmp, uint32_t(offBits));
  bmp.append(dib);
  return bmp;
}

std::string DibFromWmf(std::string_view wmf) {
  size_t pos = 0;
  if (U32(wmf, 0) == 0x9AC6CDD7u) pos = 22;  // placeable header
  const uint16_t headerWords = U16(wmf, pos + 2);
  if (headerWords < 9) return {};
  pos += size_t(headerWords) * 2;
  std::string best;
  while (pos + 6 <= wmf.size()) {
    const uint64_t bytes = uint64_t(U32(wmf, pos)) * 2;
    const uint16_t function = U16(wmf, pos + 4);
    if (bytes < 6 || bytes > wmf.size() - pos) break;
    if (function == 0) break;  // end of file record
    const std::string_view record = wmf.substr(pos, size_t(bytes));
    const uint32_t words = uint32_t(bytes / 2);
    size_t dibAt = 0;
    switch (function) {
      case 0x0B41:  // DIBSTRETCHBLT; the form without a bitmap is 14 words long
        if (words != 14) dibAt = 6 + 20;
        break;
      case 0x0940:  // DIBBITBLT; without a bitmap 12 words
        if (words != 12) dibAt = 6 + 16;
        break;
      case 0x0F43:  // STRETCHDIB
        dibAt = 6 + 22;
        break;
      case 0x0D33:  // SETDIBTODEV
        dibAt = 6 + 18;
        break;
      default:
        break;
    }
    if (dibAt != 0 && dibAt < record.size()) KeepLarger(best, std::string(record.substr(dibAt)));
    pos += size_t(bytes);
  }
  return best;
}

std::string DibFromEmf(std::string_view emf) {
  if (U32(emf, 0) != 1) return {};  // the first record is the header
  size_t pos = 0;
  std::string best;
  while (pos + 8 <= emf.size()) {
    const uint32_t type = U32(emf, pos);
    const uint32_t size = U32(emf, pos + 4);
    if (size < 8 || size > emf.size() - pos) break;
    const std::string_view record = emf.substr(pos, size);
    size_t offsetsAt = 0;
    switch (type) {
      case 81:  // STRETCHDIBITS
      case 80:  // SETDIBITSTODEVICE
        offsetsAt = 48;
        break;
      case 76:  // BITBLT
      case 77:  // STRETCHBLT
        offsetsAt = 84;
        break;
      default:
        break;
    }
    if (offsetsAt != 0 && offsetsAt + 16 <= record.size()) {
      const uint64_t offBmi = U32(record, offsetsAt), cbBmi = U32(record, offsetsAt + 4);
      const uint64_t offBits = U32(record, offsetsAt + 8), cbBits = U32(record, offsetsAt + 12);
      if (cbBmi > 0 && offBmi + cbBmi <= record.size() && offBits + cbBits <= record.size()) {
        std::string dib(record.substr(size_t(offBmi), size_t(cbBmi)));
        dib.append(record.substr(size_t(offBits), size_t(cbBits)));
        KeepLarger(best, std::move(dib));
      }
    }
    if (type == 14) break;  // end of file
    pos += size;
  }
  return best;
}

QImage DecodeRtfPicture(RtfPictureKind kind, std::string_view bytes, int64_t maxPixels) {
  if (bytes.size() > 0x7FFFFFFF || maxPixels <= 0) return {};
  std::string data;
  const char* format = nullptr;
  switch (kind) {
    case RtfPictureKind::Png:
      data = bytes, format = "PNG";
      break;
    case RtfPictureKind::Jpeg:
      data = bytes, format = "JPEG";
      break;
    case RtfPictureKind::Dib:
      data = DibToBmp(bytes), format = "BMP";
      break;
    case RtfPictureKind::Wmf:
      data = DibToBmp(DibFromWmf(bytes)), format = "BMP";
      break;
    case RtfPictureKind::Emf:
      data = DibToBmp(DibFromEmf(bytes)), format = "BMP";
      break;
    default:
      return {};
  }
  if (data.empty()) return {};
  QByteArray array = QByteArray::fromRawData(data.data(), qsizetype(data.size()));
  QBuffer buffer(&array);
  buffer.open(QIODevice::ReadOnly);
  QImageReader reader(&buffer, format);
  // The header gives the size before anything is decoded.
  const QSize size = reader.size();
  if (!size.isValid() || int64_t(size.width()) * size.height() > maxPixels) return {};
  QImage image;
  reader.read(&image);
  return image;
}

}  // namespace ui
