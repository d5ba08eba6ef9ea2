// Tests that written GIF files read back pixel for pixel.
#include "platform/ui/gif_writer.h"

#include <gtest/gtest.h>

#include <QColor>
#include <QPainter>

#include "platform/ui/testing/qt_test_app.h"

namespace {

TEST(GifWriter, ReadsBackAsWritten) {
  ui::TestApp();
  struct Case {
    const char* name;
    QImage image;
  };
  QImage two(3, 2, QImage::Format_RGB32);
  two.fill(Qt::white);
  two.setPixel(1, 1, qRgb(255, 0, 0));
  QImage noisy(300, 200, QImage::Format_Indexed8);  // long enough to clear the code table
  noisy.setColorCount(256);
  for (int i = 0; i < 256; ++i) noisy.setColor(i, qRgb(i, 255 - i, (i * 7) & 255));
  uint32_t seed = 1;
  for (int y = 0; y < noisy.height(); ++y)
    for (int x = 0; x < noisy.width(); ++x) {
      seed = seed * 1103515245 + 12345;
      noisy.setPixel(x, y, (seed >> 16) & 255);
    }
  Case cases[] = {{"two colours", two}, {"256 noisy colours", noisy}};
  for (const Case& c : cases) {
    const QByteArray gif = ui::EncodeGif(c.image);
    const QImage back = QImage::fromData(gif, "GIF");
    ASSERT_EQ(back.size(), c.image.size()) << c.name;
    bool same = true;
    for (int y = 0; y < back.height() && same; ++y)
      for (int x = 0; x < back.width() && same; ++x) same = back.pixel(x, y) == c.image.pixel(x, y);
    EXPECT_TRUE(same) << c.name;
  }
  EXPECT_TRUE(ui::EncodeGif(QImage()).isEmpty());
}

}  // namespace
