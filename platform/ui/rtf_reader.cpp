// The RTF reader. One pass over the bytes with an explicit group stack (no recursion, so deep
// nesting costs memory, not the call stack; past a fixed depth groups only count). Text is
// gathered as code-page bytes and Unicode code units and written to the document whenever a
// control word or a brace could change its format.
#include "rtf_reader.h"

#include <QFile>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextTable>
#include <QUrl>
#include <algorithm>
#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

#include "platform/ui/rtf_picture.h"
#include "platform/win/codepage.h"

namespace ui {
namespace {

constexpr size_t kMaxDepth = 512;      // deeper groups share their parent's state
constexpr int kMaxPictureSide = 4000;  // pixels; larger requests are scaled down to fit
constexpr int kMaxTableColumns = 64;
// Budgets for one document, so that a small file cannot make a huge one: table cells beyond the
// budget become plain paragraphs, pictures beyond it placeholders.
constexpr int64_t kMaxTableCells = 10000;
constexpr int64_t kMaxPicturePixels = 64ll * 1024 * 1024;

enum class Dest { Normal, Skip, FontTable, ColorTable, Picture };

struct CharProps {
  int font = -1;
  int halfPoints = 24;
  bool bold = false, italic = false, underline = false, strike = false, hidden = false;
  int color = 0, back = 0;
  int script = 0;  // 1 superscript, -1 subscript
};

struct ParaProps {
  Qt::Alignment align = Qt::AlignLeft;
  int left = 0, right = 0, first = 0, before = 0, after = 0;  // twips
  bool inTable = false;
};

struct State {
  Dest dest = Dest::Normal;
  CharProps ch;
  ParaProps para;
  int uc = 1;
  bool upr = false;  // the group of an \upr pair: only its \ud part is shown
};

struct Font {
  QString name;
  int charset = -1;
};

struct Picture {
  RtfPictureKind kind = RtfPictureKind::Unknown;
  int picw = 0, pich = 0, goalw = 0, goalh = 0, scalex = 100, scaley = 100;
  std::string data;
  int nibble = -1;  // a pending high half-byte of hex data
};

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

bool IsLetter(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

// Windows-1252's letters in 0x80-0x9F; 0 where the code page has none.
constexpr char16_t kCp1252High[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

int CodepageOfCharset(int charset) {
  switch (charset) {
    case 134:
      return 936;
    case 2:
      return 42;  // symbol
    default:
      return 1252;
  }
}

class Reader {
 public:
  Reader(std::string_view in, QTextDocument& doc, RtfStats& stats)
      : in_(in), doc_(doc), stats_(stats), cursor_(&doc) {}

  void Run();

 private:
  // Input handling.
  void ControlWord(std::string_view word, bool hasParam, int param);
  void ControlSymbol(char c);
  void TextByte(unsigned char b);
  void OpenGroup();
  void CloseGroup();
  void BinaryData(int length);

  // Text and document building.
  void AddUnicode(char16_t unit);
  void FlushBytes();
  void FlushText();
  void StartContent();
  void Paragraph();
  void Cell();
  void Row();
  void PositionInTable();
  void LeaveTable();
  void InsertPicture();
  QTextCharFormat CharFormat() const;
  QTextBlockFormat BlockFormat() const;
  int Codepage() const;
  int CodepageOfFont(const Font& f) const;
  State& Top() { return stack_.back(); }

  std::string_view in_;
  size_t pos_ = 0;
  QTextDocument& doc_;
  RtfStats& stats_;
  QTextCursor cursor_;

  std::vector<State> stack_{State{}};
  size_t extraDepth_ = 0;  // groups opened past kMaxDepth
  bool star_ = false;      // the last token was "\*"
  int skipChars_ = 0;      // fallback characters still to drop after \uN
  int ansiCodepage_ = 1252;
  int defaultFont_ = 0;

  std::unordered_map<int, Font> fonts_;
  int fontEntry_ = -1;
  std::string fontNameBytes_;
  std::vector<QColor> colors_;
  int red_ = 0, green_ = 0, blue_ = 0;
  bool colorSet_ = false;

  Picture picture_;
  size_t pictureDepth_ = 0;  // stack size of the group that holds the \pict, 0 when none

  std::string pendingBytes_;
  QString pendingText_;
  bool blockHasFormat_ = false;

  QTextTable* table_ = nullptr;
  int row_ = 0, col_ = 0;
  int64_t tableCells_ = 0;
  int64_t picturePixels_ = 0;
  bool rowEnded_ = false, cellPending_ = true;
  std::vector<int> cellx_;
};

const Font* FindFont(const std::unordered_map<int, Font>& fonts, int number) {
  const auto it = fonts.find(number);
  return it == fonts.end() ? nullptr : &it->second;
}

int Reader::CodepageOfFont(const Font& f) const {
  if (f.charset == 1 || f.charset < 0) return ansiCodepage_;
  return CodepageOfCharset(f.charset);
}

int Reader::Codepage() const {
  const int number = stack_.back().ch.font >= 0 ? stack_.back().ch.font : defaultFont_;
  if (const Font* f = FindFont(fonts_, number)) return CodepageOfFont(*f);
  return ansiCodepage_;
}

QString DecodeBytes(const std::string& bytes, int codepage) {
  if (codepage == 936) return QString::fromStdString(win::GbkToUtf8(bytes));
  QString out;
  out.reserve(int(bytes.size()));
  for (unsigned char b : bytes) {
    if (codepage == 42 && b == 0xB7) {
      out.append(QChar(0x2022));
    } else if (codepage == 1252 && b >= 0x80 && b < 0xA0 && kCp1252High[b - 0x80] != 0) {
      out.append(QChar(kCp1252High[b - 0x80]));
    } else {
      out.append(QChar(b));
    }
  }
  return out;
}

void Reader::FlushBytes() {
  if (pendingBytes_.empty()) return;
  pendingText_ += DecodeBytes(pendingBytes_, Codepage());
  pendingBytes_.clear();
}

void Reader::AddUnicode(char16_t unit) {
  FlushBytes();
  pendingText_.append(QChar(unit));
}

QTextCharFormat Reader::CharFormat() const {
  const CharProps& ch = stack_.back().ch;
  QTextCharFormat f;
  if (const Font* font = FindFont(fonts_, ch.font >= 0 ? ch.font : defaultFont_);
      font && !font->name.isEmpty())
    f.setFontFamilies({font->name});
  f.setFontPointSize(std::clamp(ch.halfPoints, 2, 3276) / 2.0);
  if (ch.bold) f.setFontWeight(QFont::Bold);
  f.setFontItalic(ch.italic);
  f.setFontUnderline(ch.underline);
  f.setFontStrikeOut(ch.strike);
  if (ch.color > 0 && size_t(ch.color) < colors_.size() && colors_[ch.color].isValid())
    f.setForeground(colors_[ch.color]);
  if (ch.back > 0 && size_t(ch.back) < colors_.size() && colors_[ch.back].isValid())
    f.setBackground(colors_[ch.back]);
  if (ch.script > 0) f.setVerticalAlignment(QTextCharFormat::AlignSuperScript);
  if (ch.script < 0) f.setVerticalAlignment(QTextCharFormat::AlignSubScript);
  return f;
}

QTextBlockFormat Reader::BlockFormat() const {
  const ParaProps& p = stack_.back().para;
  QTextBlockFormat f;
  f.setAlignment(p.align);
  // Twips to pixels at 96 dots per inch.
  f.setLeftMargin(p.left / 15.0);
  f.setRightMargin(p.right / 15.0);
  f.setTextIndent(p.first / 15.0);
  f.setTopMargin(p.before / 15.0);
  f.setBottomMargin(p.after / 15.0);
  return f;
}

// Called before anything is written to the document: puts the cursor in the right table cell,
// or out of the table, and gives a fresh block its paragraph format.
void Reader::StartContent() {
  if (Top().para.inTable && tableCells_ < kMaxTableCells) {
    PositionInTable();
  } else if (table_) {
    LeaveTable();
  }
  if (!blockHasFormat_) {
    cursor_.setBlockFormat(BlockFormat());
    blockHasFormat_ = true;
  }
}

void Reader::FlushText() {
  FlushBytes();
  if (pendingText_.isEmpty()) return;
  if (Top().dest == Dest::Normal && !Top().ch.hidden) {
    StartContent();
    cursor_.insertText(pendingText_, CharFormat());
  }
  pendingText_.clear();
}

void Reader::PositionInTable() {
  if (!table_) {
    const int columns = std::clamp(int(cellx_.size()), 1, kMaxTableColumns);
    QTextTableFormat format;
    format.setBorder(1);
    format.setBorderStyle(QTextFrameFormat::BorderStyle_Solid);
    format.setCellPadding(3);
    format.setCellSpacing(0);
    format.setBorderCollapse(true);
    QList<QTextLength> widths;
    int last = 0;
    for (int i = 0; i < columns && i < int(cellx_.size()); ++i) {
      widths.append(
          QTextLength(QTextLength::FixedLength, std::clamp(cellx_[i] - last, 15, 30000) / 15.0));
      last = cellx_[i];
    }
    if (widths.size() == columns) format.setColumnWidthConstraints(widths);
    cursor_.movePosition(QTextCursor::End);
    table_ = cursor_.insertTable(1, columns, format);
    tableCells_ += columns;
    ++stats_.tables;
    row_ = col_ = 0;
    rowEnded_ = false;
    cellPending_ = true;
  } else if (rowEnded_) {
    table_->appendRows(1);
    tableCells_ += table_->columns();
    ++row_;
    col_ = 0;
    rowEnded_ = false;
    cellPending_ = true;
  }
  if (cellPending_) {
    if (col_ >= table_->columns()) {
      if (table_->columns() >= kMaxTableColumns)
        col_ = table_->columns() - 1;
      else {
        tableCells_ += int64_t(col_ - table_->columns() + 1) * table_->rows();
        table_->appendColumns(col_ - table_->columns() + 1);
      }
    }
    cursor_ = table_->cellAt(row_, col_).lastCursorPosition();
    cellPending_ = false;
    blockHasFormat_ = false;
  }
}

void Reader::LeaveTable() {
  table_ = nullptr;
  cursor_.movePosition(QTextCursor::End);
  blockHasFormat_ = false;
}

void Reader::Paragraph() {
  FlushText();
  if (Top().dest != Dest::Normal) return;
  StartContent();
  cursor_.setBlockFormat(BlockFormat());
  cursor_.insertBlock();
  blockHasFormat_ = false;
}

void Reader::Cell() {
  FlushText();
  if (Top().dest != Dest::Normal) return;
  Top().para.inTable = true;
  StartContent();
  ++col_;
  cellPending_ = true;
}

void Reader::Row() {
  FlushText();
  if (Top().dest != Dest::Normal || !table_) return;
  rowEnded_ = true;
  cellPending_ = true;
}

void Reader::InsertPicture() {
  Picture& p = picture_;
  QImage image = DecodeRtfPicture(p.kind, p.data, kMaxPicturePixels - picturePixels_);
  picturePixels_ += int64_t(image.width()) * image.height();
  // The size shown: the goal size in twips when given, else the picture's own size.
  const bool metafile = p.kind == RtfPictureKind::Wmf || p.kind == RtfPictureKind::Emf;
  auto side = [&](int goal, int pic, int imageSide, int scale) {
    double px = 0;
    if (goal > 0)
      px = goal / 15.0;
    else if (imageSide > 0 && !metafile)
      px = imageSide;
    else if (pic > 0)
      px = metafile ? pic * 96.0 / 2540.0 : pic;
    else if (imageSide > 0)
      px = imageSide;
    px = px * std::clamp(scale, 1, 10000) / 100.0;
    return std::clamp(int(px + 0.5), 1, kMaxPictureSide);
  };
  const int width = side(p.goalw, p.picw, image.width(), p.scalex);
  const int height = side(p.goalh, p.pich, image.height(), p.scaley);

  QString name;
  if (image.isNull()) {
    name = QStringLiteral("rtf-picture:placeholder");
    if (doc_.resource(QTextDocument::ImageResource, QUrl(name)).isNull()) {
      QImage box(32, 32, QImage::Format_RGB32);
      box.fill(QColor(235, 235, 235));
      for (int i = 0; i < 32; ++i) {
        const QRgb edge = qRgb(150, 150, 150);
        box.setPixel(i, 0, edge);
        box.setPixel(i, 31, edge);
        box.setPixel(0, i, edge);
        box.setPixel(31, i, edge);
      }
      doc_.addResource(QTextDocument::ImageResource, QUrl(name), box);
    }
    ++stats_.placeholders;
  } else {
    name = QStringLiteral("rtf-picture:%1").arg(stats_.pictures + stats_.placeholders);
    doc_.addResource(QTextDocument::ImageResource, QUrl(name), image);
    ++stats_.pictures;
  }
  QTextImageFormat format;
  format.setName(name);
  format.setWidth(width);
  format.setHeight(height);
  StartContent();
  cursor_.insertImage(format);
}

void Reader::OpenGroup() {
  FlushText();
  star_ = false;
  skipChars_ = 0;
  if (stack_.size() >= kMaxDepth) {
    ++extraDepth_;
    return;
  }
  State next = Top();
  next.upr = false;
  stack_.push_back(next);
}

void Reader::CloseGroup() {
  FlushText();
  star_ = false;
  skipChars_ = 0;
  if (extraDepth_ > 0) {
    --extraDepth_;
    return;
  }
  if (stack_.size() <= 1) return;  // an unmatched brace
  if (pictureDepth_ == stack_.size()) {
    stack_.pop_back();
    pictureDepth_ = 0;
    InsertPicture();
    return;
  }
  stack_.pop_back();
}

void Reader::BinaryData(int length) {
  const size_t n = std::min(size_t(std::max(length, 0)), in_.size() - pos_);
  if (Top().dest == Dest::Picture) picture_.data.append(in_.substr(pos_, n));
  pos_ += n;
}

void Reader::TextByte(unsigned char b) {
  if (skipChars_ > 0) {
    --skipChars_;
    return;
  }
  switch (Top().dest) {
    case Dest::Normal:
      pendingBytes_.push_back(char(b));
      break;
    case Dest::FontTable:
      if (b == ';') {
        if (fontEntry_ >= 0) {
          if (const auto it = fonts_.find(fontEntry_); it != fonts_.end())
            it->second.name = DecodeBytes(fontNameBytes_, CodepageOfFont(it->second)).trimmed();
        }
        fontNameBytes_.clear();
      } else {
        fontNameBytes_.push_back(char(b));
      }
      break;
    case Dest::ColorTable:
      if (b == ';') {
        colors_.push_back(colorSet_ ? QColor(red_, green_, blue_) : QColor());
        red_ = green_ = blue_ = 0;
        colorSet_ = false;
      }
      break;
    case Dest::Picture: {
      const int v = HexValue(char(b));
      if (v < 0) break;
      if (picture_.nibble < 0) {
        picture_.nibble = v;
      } else {
        picture_.data.push_back(char(picture_.nibble << 4 | v));
        picture_.nibble = -1;
      }
      break;
    }
    case Dest::Skip:
      break;
  }
}

void Reader::ControlSymbol(char c) {
  switch (c) {
    case '\\':
    case '{':
    case '}':
      TextByte(static_cast<unsigned char>(c));
      return;
    case '*':
      star_ = true;
      return;
    default:
      break;
  }
  if (skipChars_ > 0) {
    --skipChars_;
    return;
  }
  FlushText();
  switch (c) {
    case '~':
      AddUnicode(0x00A0);
      break;
    case '_':
      AddUnicode(0x2011);
      break;
    case '\r':
    case '\n':
      Paragraph();
      break;
    case '\t':
      AddUnicode('\t');
      break;
    default:
      break;  // "\-" (optional hyphen), "\:" and the like show nothing
  }
}

void Reader::ControlWord(std::string_view w, bool hasParam, int param) {
  if (w == "bin") {
    star_ = false;
    BinaryData(hasParam ? param : 0);
    return;
  }
  if (w == "u" && hasParam) {
    star_ = false;
    if (skipChars_ > 0) {
      --skipChars_;
      return;
    }
    // The parameter is a signed 16-bit code unit; anything outside that range is no character.
    if (Top().dest == Dest::Normal)
      AddUnicode(param < -32768 || param > 65535 ? char16_t(0xFFFD)
                                                 : char16_t(param < 0 ? param + 65536 : param));
    skipChars_ = Top().uc;
    return;
  }
  if (skipChars_ > 0) {
    --skipChars_;
    star_ = false;
    return;
  }
  FlushText();
  const bool starred = std::exchange(star_, false);
  State& s = Top();
  const int p = hasParam ? param : 0;
  const bool on = !hasParam || param != 0;

  // Destinations.
  auto enter = [&](Dest d) {
    if (s.dest != Dest::Skip) s.dest = d;
  };
  if (w == "fonttbl") return enter(Dest::FontTable);
  if (w == "colortbl") return enter(Dest::ColorTable);
  if (w == "pict") {
    if (s.dest != Dest::Normal || pictureDepth_ != 0) return enter(Dest::Skip);
    s.dest = Dest::Picture;
    picture_ = Picture{};
    pictureDepth_ = stack_.size();
    return;
  }
  if (w == "upr") {
    enter(Dest::Skip);
    s.upr = true;
    return;
  }
  if (w == "ud") {
    if (stack_.size() >= 2 && stack_[stack_.size() - 2].upr) s.dest = Dest::Normal;
    return;
  }
  if (w == "shppict" || w == "fldrslt" || w == "result" || w == "field" || w == "object") return;
  static const std::string_view kSkipped[] = {"stylesheet", "info",
                                              "header",     "headerl",
                                              "headerr",    "headerf",
                                              "footer",     "footerl",
                                              "footerr",    "footerf",
                                              "footnote",   "annotation",
                                              "fldinst",    "objdata",
                                              "nonshppict", "pn",
                                              "listtable",  "listoverridetable",
                                              "themedata",  "colorschememapping",
                                              "datastore",  "latentstyles",
                                              "xmlnstbl",   "rsidtbl",
                                              "generator",  "filetbl",
                                              "revtbl",     "pgdsctbl",
                                              "template",   "xe",
                                              "tc",         "txe",
                                              "bkmkstart",  "bkmkend",
                                              "shpinst",    "atnid",
                                              "atnauthor",  "fchars",
                                              "lchars",     "private",
                                              "userprops",  "docvar",
                                              "ftnsep",     "ftnsepc",
                                              "ftncn",      "aftnsep",
                                              "aftnsepc",   "objclass",
                                              "objname",    "sp",
                                              "comment",    "title",
                                              "author",     "operator",
                                              "blipuid",    "picprop",
                                              "mmathPr",    "wgrffmtfilter"};
  for (std::string_view k : kSkipped)
    if (w == k) return enter(Dest::Skip);
  if (starred) return enter(Dest::Skip);

  switch (s.dest) {
    case Dest::FontTable:
      if (w == "f") {
        fontEntry_ = p;
        fontNameBytes_.clear();
        fonts_.try_emplace(p);
      } else if (w == "fcharset" && fontEntry_ >= 0) {
        if (const auto it = fonts_.find(fontEntry_); it != fonts_.end()) it->second.charset = p;
      }
      return;
    case Dest::ColorTable:
      if (w == "red") red_ = std::clamp(p, 0, 255), colorSet_ = true;
      if (w == "green") green_ = std::clamp(p, 0, 255), colorSet_ = true;
      if (w == "blue") blue_ = std::clamp(p, 0, 255), colorSet_ = true;
      return;
    case Dest::Picture:
      if (w == "pngblip")
        picture_.kind = RtfPictureKind::Png;
      else if (w == "jpegblip")
        picture_.kind = RtfPictureKind::Jpeg;
      else if (w == "dibitmap")
        picture_.kind = RtfPictureKind::Dib;
      else if (w == "wmetafile")
        picture_.kind = RtfPictureKind::Wmf;
      else if (w == "emfblip")
        picture_.kind = RtfPictureKind::Emf;
      else if (w == "wbitmap")
        picture_.kind = RtfPictureKind::Ddb;
      else if (w == "macpict")
        picture_.kind = RtfPictureKind::Mac;
      else if (w == "picw")
        picture_.picw = p;
      else if (w == "pich")
        picture_.pich = p;
      else if (w == "picwgoal")
        picture_.goalw = p;
      else if (w == "pichgoal")
        picture_.goalh = p;
      else if (w == "picscalex")
        picture_.scalex = hasParam ? p : 100;
      else if (w == "picscaley")
        picture_.scaley = hasParam ? p : 100;
      return;
    case Dest::Skip:
      return;
    case Dest::Normal:
      break;
  }

  // Document settings.
  if (w == "ansicpg") {
    ansiCodepage_ = p;
    return;
  }
  if (w == "deff") {
    defaultFont_ = p;
    return;
  }
  if (w == "uc") {
    s.uc = std::clamp(p, 0, 16);
    return;
  }

  // Character formatting.
  CharProps& ch = s.ch;
  if (w == "plain") {
    ch = CharProps{};
    ch.font = defaultFont_;
  } else if (w == "f")
    ch.font = p;
  else if (w == "fs")
    ch.halfPoints = hasParam ? p : 24;
  else if (w == "b")
    ch.bold = on;
  else if (w == "i")
    ch.italic = on;
  else if (w == "ul" || w == "uld" || w == "uldb" || w == "ulw" || w == "ulth" || w == "uldash")
    ch.underline = on;
  else if (w == "ulnone")
    ch.underline = false;
  else if (w == "strike" || w == "striked")
    ch.strike = on;
  else if (w == "v")
    ch.hidden = on;
  else if (w == "cf")
    ch.color = p;
  else if (w == "cb" || w == "highlight" || w == "chcbpat")
    ch.back = p;
  else if (w == "super")
    ch.script = 1;
  else if (w == "sub")
    ch.script = -1;
  else if (w == "nosupersub")
    ch.script = 0;
  // Paragraph formatting.
  else if (w == "pard")
    s.para = ParaProps{};
  else if (w == "ql")
    s.para.align = Qt::AlignLeft;
  else if (w == "qr")
    s.para.align = Qt::AlignRight;
  else if (w == "qc")
    s.para.align = Qt::AlignHCenter;
  else if (w == "qj" || w == "qd")
    s.para.align = Qt::AlignJustify;
  else if (w == "li")
    s.para.left = std::clamp(p, -30000, 30000);
  else if (w == "ri")
    s.para.right = std::clamp(p, -30000, 30000);
  else if (w == "fi")
    s.para.first = std::clamp(p, -30000, 30000);
  else if (w == "sb")
    s.para.before = std::clamp(p, 0, 30000);
  else if (w == "sa")
    s.para.after = std::clamp(p, 0, 30000);
  else if (w == "intbl")
    s.para.inTable = true;
  // Tables.
  else if (w == "trowd")
    cellx_.clear();
  else if (w == "cellx") {
    if (cellx_.size() < size_t(kMaxTableColumns)) cellx_.push_back(p);
  } else if (w == "cell")
    Cell();
  else if (w == "row")
    Row();
  else if (w == "nestcell")
    AddUnicode('\t');
  else if (w == "nestrow")
    AddUnicode(0x2028);
  // Breaks and special characters.
  else if (w == "par" || w == "page" || w == "sect" || w == "column")
    Paragraph();
  else if (w == "line")
    AddUnicode(0x2028);
  else if (w == "tab")
    AddUnicode('\t');
  else if (w == "emdash")
    AddUnicode(0x2014);
  else if (w == "endash")
    AddUnicode(0x2013);
  else if (w == "emspace")
    AddUnicode(0x2003);
  else if (w == "enspace")
    AddUnicode(0x2002);
  else if (w == "qmspace")
    AddUnicode(0x2005);
  else if (w == "bullet")
    AddUnicode(0x2022);
  else if (w == "lquote")
    AddUnicode(0x2018);
  else if (w == "rquote")
    AddUnicode(0x2019);
  else if (w == "ldblquote")
    AddUnicode(0x201C);
  else if (w == "rdblquote")
    AddUnicode(0x201D);
}

void Reader::Run() {
  const size_t n = in_.size();
  while (pos_ < n) {
    const char c = in_[pos_];
    if (c == '{') {
      ++pos_;
      OpenGroup();
    } else if (c == '}') {
      ++pos_;
      CloseGroup();
    } else if (c == '\\') {
      ++pos_;
      if (pos_ >= n) break;
      const char next = in_[pos_];
      if (IsLetter(next)) {
        const size_t start = pos_;
        while (pos_ < n && IsLetter(in_[pos_])) ++pos_;
        std::string_view word = in_.substr(start, std::min<size_t>(pos_ - start, 32));
        bool hasParam = false, negative = false;
        int64_t value = 0;
        if (pos_ < n && in_[pos_] == '-' && pos_ + 1 < n && in_[pos_ + 1] >= '0' &&
            in_[pos_ + 1] <= '9') {
          negative = true;
          ++pos_;
        }
        while (pos_ < n && in_[pos_] >= '0' && in_[pos_] <= '9') {
          hasParam = true;
          if (value < (int64_t(1) << 40)) value = value * 10 + (in_[pos_] - '0');
          ++pos_;
        }
        if (pos_ < n && in_[pos_] == ' ') ++pos_;
        value = std::clamp<int64_t>(negative ? -value : value, INT32_MIN, INT32_MAX);
        ControlWord(word, hasParam, int(value));
      } else if (next == '\'') {
        ++pos_;
        const int hi = pos_ < n ? HexValue(in_[pos_]) : -1;
        const int lo = pos_ + 1 < n ? HexValue(in_[pos_ + 1]) : -1;
        if (hi >= 0 && lo >= 0) {
          pos_ += 2;
          star_ = false;
          TextByte(static_cast<unsigned char>(hi << 4 | lo));
        }
      } else {
        ++pos_;
        ControlSymbol(next);
      }
    } else {
      ++pos_;
      if (c == '\r' || c == '\n' || c == '\0') continue;
      star_ = false;
      TextByte(static_cast<unsigned char>(c));
    }
  }
  FlushText();
  stats_.truncated = stack_.size() > 1 || extraDepth_ > 0;
  if (pictureDepth_ != 0) {  // a picture cut off by the end of the file is still shown
    while (stack_.size() > pictureDepth_) stack_.pop_back();
    stack_.pop_back();
    pictureDepth_ = 0;
    if (stack_.empty()) stack_.push_back(State{});
    InsertPicture();
  }
}

}  // namespace

bool ReadRtf(std::string_view rtf, QTextDocument& doc, RtfStats* stats) {
  RtfStats local;
  RtfStats& st = stats ? *stats : local;
  st = RtfStats{};
  doc.clear();
  size_t start = 0;
  while (start < rtf.size() &&
         (rtf[start] == ' ' || rtf[start] == '\r' || rtf[start] == '\n' || rtf[start] == '\t'))
    ++start;
  st.isRtf = rtf.substr(start, 5) == "{\\rtf";
  if (!st.isRtf) {
    doc.setPlainText(QString::fromStdString(win::DecodeText(rtf)));
    return false;
  }
  Reader reader(rtf.substr(start), doc, st);
  reader.Run();
  return true;
}

bool ReadRtfFile(const std::filesystem::path& path, QTextDocument& doc, RtfStats* stats) {
  QFile file(QString::fromStdString(path.string()));
  if (!file.open(QIODevice::ReadOnly)) {
    doc.clear();
    if (stats) *stats = RtfStats{};
    return false;
  }
  const QByteArray bytes = file.readAll();
  return ReadRtf(std::string_view(bytes.constData(), size_t(bytes.size())), doc, stats);
}

}  // namespace ui
