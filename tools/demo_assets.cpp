// Builds the generated files of the demo installation: question files in RTF (text in the GBK
// code page, pictures as embedded PNG), the skin pictures, a bitmap for a task folder and the
// stored form of the system password. The make_demo.sh script calls it once per file.
//
//   demo_assets rtf IN.txt OUT.rtf      question text (UTF-8) to RTF
//   demo_assets skins FOLDER            Login.jpg, Timer.jpg, ScoreOK.jpg, Error.jpg, UploadOK.jpg,
//                                       bgv.gif, bgh.gif
//   demo_assets bmp OUT.bmp             a small picture for a desktop task
//   demo_assets password PLAIN          the value KIRV.ini stores for the system password
//
// Question text: one paragraph per line; "# " starts a heading; "[[picture:NAME]]" embeds a
// drawn picture (folders1, folders2, ram).

#include <QBuffer>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "client/common/system_utils.h"
#include "client/gui/artwork.h"
#include "platform/win/codepage.h"

namespace {

QFont UiFont(int pixels, bool bold = false) {
  QFont f("WenQuanYi Micro Hei");
  f.setPixelSize(pixels);
  f.setBold(bold);
  return f;
}

// A folder icon with its name, as a file manager shows it.
void DrawFolder(QPainter& p, int x, int y, const QString& name, bool hidden = false) {
  QColor body = hidden ? QColor(240, 220, 150, 120) : QColor(240, 200, 80);
  p.setPen(QPen(QColor(160, 120, 30), 1));
  p.setBrush(body);
  p.drawRect(x, y + 4, 36, 24);
  p.drawRect(x, y, 14, 6);
  p.setPen(Qt::black);
  p.setFont(UiFont(13));
  p.drawText(QRect(x - 20, y + 30, 76, 18), Qt::AlignHCenter, name);
}

void DrawFile(QPainter& p, int x, int y, const QString& name) {
  p.setPen(QPen(QColor(90, 90, 90), 1));
  p.setBrush(Qt::white);
  p.drawRect(x + 6, y, 24, 30);
  p.drawLine(x + 10, y + 8, x + 26, y + 8);
  p.drawLine(x + 10, y + 14, x + 26, y + 14);
  p.drawLine(x + 10, y + 20, x + 22, y + 20);
  p.setPen(Qt::black);
  p.setFont(UiFont(13));
  p.drawText(QRect(x - 20, y + 32, 76, 18), Qt::AlignHCenter, name);
}

QImage Window(const QString& title, int w, int h) {
  QImage img(w, h, QImage::Format_RGB32);
  img.fill(Qt::white);
  QPainter p(&img);
  p.fillRect(0, 0, w, 26, QColor(40, 90, 170));
  p.setPen(Qt::white);
  p.setFont(UiFont(14, true));
  p.drawText(QRect(8, 0, w - 16, 26), Qt::AlignVCenter, title);
  p.setPen(QColor(150, 150, 150));
  p.setBrush(Qt::NoBrush);
  p.drawRect(0, 0, w - 1, h - 1);
  return img;
}

QImage Picture(const std::string& name) {
  if (name == "folders1") {
    QImage img = Window(QString::fromUtf8("Winkt"), 420, 150);
    QPainter p(&img);
    DrawFolder(p, 30, 50, "NEWS");
    DrawFolder(p, 110, 50, "report");
    DrawFolder(p, 190, 50, "music", true);
    DrawFolder(p, 270, 50, "photo");
    DrawFile(p, 350, 48, "sea.bmp");
    return img;
  }
  if (name == "folders2") {
    QImage img = Window(QString::fromUtf8("Winkt\\docs"), 340, 150);
    QPainter p(&img);
    DrawFolder(p, 30, 50, "2026");
    DrawFolder(p, 110, 50, "old");
    DrawFile(p, 190, 48, "notes.txt");
    return img;
  }
  if (name == "ram") {
    QImage img(360, 110, QImage::Format_RGB32);
    img.fill(Qt::white);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(QColor(20, 110, 60));
    p.setPen(QColor(10, 60, 30));
    p.drawRect(10, 15, 340, 70);
    p.setBrush(QColor(30, 30, 30));
    for (int i = 0; i < 8; ++i) p.drawRect(22 + i * 41, 28, 30, 34);
    p.setBrush(QColor(210, 170, 40));
    p.setPen(Qt::NoPen);
    for (int x = 16; x < 344; x += 6) p.drawRect(x, 78, 4, 7);
    p.setBrush(Qt::white);
    p.drawRect(170, 76, 8, 10);
    return img;
  }
  return QImage();
}

// RTF text run: ASCII kept (with RTF's own characters escaped), the rest as GBK bytes.
std::string RtfText(const std::string& utf8) {
  std::string gbk = win::Utf8ToGbk(utf8);
  std::string out;
  char hex[8];
  for (unsigned char c : gbk) {
    if (c == '\\' || c == '{' || c == '}') {
      out += '\\';
      out += static_cast<char>(c);
    } else if (c < 0x80) {
      out += static_cast<char>(c);
    } else {
      std::snprintf(hex, sizeof hex, "\\'%02x", c);
      out += hex;
    }
  }
  return out;
}

std::string RtfPicture(const QImage& img) {
  QByteArray png;
  QBuffer buf(&png);
  buf.open(QIODevice::WriteOnly);
  img.save(&buf, "PNG");
  std::ostringstream out;
  out << "{\\pict\\pngblip\\picw" << img.width() << "\\pich" << img.height() << "\\picwgoal"
      << img.width() * 15 << "\\pichgoal" << img.height() * 15 << "\n";
  const char* digits = "0123456789abcdef";
  for (int i = 0; i < png.size(); ++i) {
    unsigned char b = static_cast<unsigned char>(png[i]);
    out << digits[b >> 4] << digits[b & 15];
    if (i % 64 == 63) out << "\n";
  }
  out << "}";
  return out.str();
}

int MakeRtf(const char* in, const char* outPath) {
  std::ifstream src(in, std::ios::binary);
  if (!src) {
    std::fprintf(stderr, "demo_assets: cannot read %s\n", in);
    return 1;
  }
  std::string out =
      "{\\rtf1\\ansi\\ansicpg936\\deff0{\\fonttbl{\\f0\\fnil\\fcharset134 " + RtfText("宋体") +
      ";}{\\f1\\fswiss\\fcharset0 Arial;}}\n\\viewkind4\\uc1\\pard\\lang2052\\f0\\fs24\n";
  std::string line;
  while (std::getline(src, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.rfind("[[picture:", 0) == 0 && line.size() > 12) {
      std::string name = line.substr(10, line.size() - 12);
      QImage img = Picture(name);
      if (img.isNull()) {
        std::fprintf(stderr, "demo_assets: no picture named %s\n", name.c_str());
        return 1;
      }
      out += "\\qc " + RtfPicture(img) + "\\par\\ql\n";
    } else if (line.rfind("# ", 0) == 0) {
      out += "\\qc\\b\\fs32 " + RtfText(line.substr(2)) + "\\b0\\fs24\\par\\ql\n";
    } else {
      out += RtfText(line) + "\\par\n";
    }
  }
  out += "}\n";
  std::ofstream dst(outPath, std::ios::binary | std::ios::trunc);
  dst << out;
  return dst.good() ? 0 : 1;
}

QImage Banner(int w, int h, QColor top, QColor bottom, const QString& text) {
  QImage img(w, h, QImage::Format_RGB32);
  QPainter p(&img);
  QLinearGradient g(0, 0, 0, h);
  g.setColorAt(0, top);
  g.setColorAt(1, bottom);
  p.fillRect(img.rect(), g);
  p.setPen(Qt::white);
  p.setFont(UiFont(h / 7, true));
  p.drawText(img.rect(), Qt::AlignCenter | Qt::TextWordWrap, text);
  return img;
}

int MakeSkins(const QString& folder) {
  struct Skin {
    const char* file;
    QColor top, bottom;
    const char* text;
  } skins[] = {
      {"Login.jpg", QColor(30, 80, 160), QColor(120, 170, 230), "计算机应用能力考试"},
      {"Timer.jpg", QColor(60, 60, 120), QColor(140, 140, 200), "正在准备评分"},
      {"ScoreOK.jpg", QColor(20, 120, 60), QColor(110, 200, 130), "评分完成"},
      {"Error.jpg", QColor(150, 30, 30), QColor(230, 120, 110), "评分出错"},
      {"UploadOK.jpg", QColor(20, 100, 140), QColor(110, 190, 220), "成绩已上传"},
  };
  for (const Skin& s : skins) {
    if (!Banner(400, 300, s.top, s.bottom, QString::fromUtf8(s.text))
             .save(folder + "/" + s.file, "JPG", 90))
      return 1;
  }
  // The tasks pane's own artwork, as the program draws it.
  return WriteSkinFiles(folder.toStdString()) ? 0 : 1;
}

int MakeBmp(const QString& path) {
  QImage img(160, 100, QImage::Format_RGB32);
  QPainter p(&img);
  QLinearGradient sky(0, 0, 0, 60);
  sky.setColorAt(0, QColor(120, 180, 240));
  sky.setColorAt(1, QColor(200, 230, 255));
  p.fillRect(0, 0, 160, 60, sky);
  p.fillRect(0, 60, 160, 40, QColor(30, 90, 170));
  p.setBrush(QColor(255, 220, 80));
  p.setPen(Qt::NoPen);
  p.drawEllipse(110, 10, 24, 24);
  return img.save(path, "BMP") ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: demo_assets rtf IN OUT | skins FOLDER | bmp OUT | password P\n");
    return 2;
  }
  std::string cmd = argv[1];
  if (cmd == "password") {
    // The settings file keeps the form that the password check transforms back.
    std::printf("%s\n", TransformPassword(argv[2], true).c_str());
    return 0;
  }
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  QGuiApplication app(argc, argv);
  if (cmd == "rtf" && argc == 4) return MakeRtf(argv[2], argv[3]);
  if (cmd == "skins") return MakeSkins(QString::fromLocal8Bit(argv[2]));
  if (cmd == "bmp") return MakeBmp(QString::fromLocal8Bit(argv[2]));
  std::fprintf(stderr, "demo_assets: unknown command %s\n", cmd.c_str());
  return 2;
}
