// GIF encoding: a global colour table padded to a power of two and the pixel indexes as LZW
// codes of growing width, the table cleared when it reaches 4096 codes.
#include "platform/ui/gif_writer.h"

#include <vector>

namespace ui {
namespace {

class BitWriter {
 public:
  explicit BitWriter(QByteArray& out) : out_(out) {}
  void Put(int code, int width) {
    buffer_ |= uint32_t(code) << bits_;
    bits_ += width;
    while (bits_ >= 8) {
      Byte(char(buffer_ & 0xFF));
      buffer_ >>= 8;
      bits_ -= 8;
    }
  }
  void Finish() {
    if (bits_ > 0) Byte(char(buffer_ & 0xFF));
    buffer_ = 0;
    bits_ = 0;
    FlushBlock();
    out_.append('\0');  // block terminator
  }

 private:
  void Byte(char b) {
    block_.append(b);
    if (block_.size() == 255) FlushBlock();
  }
  void FlushBlock() {
    if (block_.isEmpty()) return;
    out_.append(char(block_.size()));
    out_.append(block_);
    block_.clear();
  }
  QByteArray& out_;
  QByteArray block_;
  uint32_t buffer_ = 0;
  int bits_ = 0;
};

void Le16(QByteArray& out, int v) {
  out.append(char(v & 0xFF));
  out.append(char((v >> 8) & 0xFF));
}

}  // namespace

QByteArray EncodeGif(const QImage& source) {
  if (source.isNull()) return {};
  QImage image =
      source.format() == QImage::Format_Indexed8
          ? source
          : source.convertToFormat(QImage::Format_RGB32).convertToFormat(QImage::Format_Indexed8);
  QList<QRgb> colours = image.colorTable();
  int sizeBits = 1;
  while ((1 << sizeBits) < colours.size() && sizeBits < 8) ++sizeBits;
  while (colours.size() < (1 << sizeBits)) colours.append(qRgb(0, 0, 0));

  QByteArray out("GIF89a");
  Le16(out, image.width());
  Le16(out, image.height());
  out.append(char(0x80 | ((sizeBits - 1) << 4) | (sizeBits - 1)));
  out.append('\0');  // background colour
  out.append('\0');  // aspect ratio
  for (QRgb c : colours) {
    out.append(char(qRed(c)));
    out.append(char(qGreen(c)));
    out.append(char(qBlue(c)));
  }
  out.append(',');
  Le16(out, 0);
  Le16(out, 0);
  Le16(out, image.width());
  Le16(out, image.height());
  out.append('\0');

  const int minCodeSize = std::max(2, sizeBits);
  out.append(char(minCodeSize));
  const int clear = 1 << minCodeSize;
  std::vector<int16_t> table(4096 * 256, -1);
  int codeSize = minCodeSize + 1;
  int maxCode = clear + 1;
  BitWriter bits(out);
  bits.Put(clear, codeSize);
  int prefix = -1;
  for (int y = 0; y < image.height(); ++y) {
    const uchar* row = image.constScanLine(y);
    for (int x = 0; x < image.width(); ++x) {
      const int k = row[x];
      if (prefix < 0) {
        prefix = k;
        continue;
      }
      int16_t& entry = table[size_t(prefix) * 256 + size_t(k)];
      if (entry >= 0) {
        prefix = entry;
        continue;
      }
      bits.Put(prefix, codeSize);
      entry = int16_t(++maxCode);
      if (maxCode >= (1 << codeSize)) ++codeSize;
      if (maxCode == 4095) {
        bits.Put(clear, codeSize);
        std::fill(table.begin(), table.end(), int16_t(-1));
        codeSize = minCodeSize + 1;
        maxCode = clear + 1;
      }
      prefix = k;
    }
  }
  if (prefix >= 0) bits.Put(prefix, codeSize);
  bits.Put(clear + 1, codeSize);
  bits.Finish();
  out.append(';');
  return out;
}

}  // namespace ui
