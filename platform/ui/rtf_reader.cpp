// The RTF reader. One pass over the bytes with an explicit group stack (no recursion, so deep
// nesting costs memory, not the call stack; past a fixed depth groups only count). Text is
// gathered as code-page bytes and Unicode code units and written to the document whenever a
// control word or a brace could change its format. Control words are looked up in tables, one
// per destination, each entry naming the step that handles the word.
#include "rtf_reader.h"

#include <QFile>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextTable>
#include <QUrl>
#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>
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
constexpr size_t kMaxTabStops = 64;
// Budgets for one document, so that a small file cannot make a huge one: table cells beyond the
// budget become plain paragraphs, pictures beyond it placeholders.
constexpr int64_t kMaxTableCells = 10000;
constexpr int64_t kMaxPicturePixels = 64ll * 1024 * 1024;
constexpr double kTwipsPerPixel = 15.0;  // at 96 dots per inch

enum class Dest { Normal, Skip, FontTable, ColorTable, Picture };

// The kinds of text associated character properties are given for: \loch low ANSI, \hich high
// ANSI, \dbch double-byte (East Asian) characters.
enum class CharClass { Low, High, Double };
constexpr size_t kCharClasses = 3;

// Properties given for one character class with \af, \afs, \ab, \ai, \aul; unset ones fall back
// to the ordinary character properties.
struct AssociatedProps {
  std::optional<int> font;
  std::optional<int> halfPoints;
  std::optional<bool> bold, italic, underline;

  bool Empty() const { return !font && !halfPoints && !bold && !italic && !underline; }
};

struct CharProps {
  int font = -1;
  int halfPoints = 24;
  bool bold = false, italic = false, underline = false, strike = false, hidden = false;
  int color = 0, back = 0;
  QTextCharFormat::VerticalAlignment script = QTextCharFormat::AlignNormal;
  std::array<AssociatedProps, kCharClasses> associated;
  CharClass runClass = CharClass::Low;  // the class the latest \loch, \hich or \dbch named
  bool rightToLeft = false;             // after \rtlch: associated properties are for scripts
                                        // written right to left, which these files never hold

  AssociatedProps& Associated() { return associated[static_cast<size_t>(runClass)]; }
};

enum class TabKind { Left, Right, Centre, Decimal };

struct TabStop {
  int position = 0;  // twips from the left margin
  TabKind kind = TabKind::Left;
};

struct ParaProps {
  Qt::Alignment align = Qt::AlignLeft;
  int left = 0, right = 0, first = 0, before = 0, after = 0;  // twips
  bool inTable = false;
  std::vector<TabStop> tabs;
  TabKind nextTab = TabKind::Left;  // the kind \tqr, \tqc or \tqdec gave the next stop
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

// A control word's parameter as its handlers read it.
struct WordArg {
  bool hasParam = false;
  int param = 0;
  int Value() const { return hasParam ? param : 0; }
  // A toggle: on without a parameter or with one other than 0 ("\b", "\b1"; "\b0" is off).
  bool On() const { return !hasParam || param != 0; }
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

// The class a character of the document belongs to: double-byte text is what the East Asian code
// pages hold beyond ASCII (CJK symbols and punctuation, kana, ideographs, Hangul, full-width
// forms; surrogates stand for ideographs outside the basic plane).
CharClass ClassOf(char16_t c) {
  if (c < 0x80) return CharClass::Low;
  if (c >= 0x2E80) return CharClass::Double;
  return CharClass::High;
}

// Destinations whose content is not shown.
constexpr std::string_view kSkippedDestinations[] = {"stylesheet", "info",
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

// Groups that only wrap what is shown: their words change nothing.
constexpr std::string_view kTransparentDestinations[] = {"shppict", "fldrslt", "result", "field",
                                                         "object"};

// Words that stand for one character.
const std::unordered_map<std::string_view, char16_t>& SpecialCharacters() {
  static const std::unordered_map<std::string_view, char16_t> table = {
      {"line", 0x2028},    {"tab", u'\t'},      {"emdash", 0x2014},    {"endash", 0x2013},
      {"emspace", 0x2003}, {"enspace", 0x2002}, {"qmspace", 0x2005},   {"bullet", 0x2022},
      {"lquote", 0x2018},  {"rquote", 0x2019},  {"ldblquote", 0x201C}, {"rdblquote", 0x201D},
      {"nestcell", u'\t'}, {"nestrow", 0x2028},
  };
  return table;
}

// The kind of picture data each word announces.
const std::unordered_map<std::string_view, RtfPictureKind>& PictureKinds() {
  static const std::unordered_map<std::string_view, RtfPictureKind> table = {
      {"pngblip", RtfPictureKind::Png},  {"jpegblip", RtfPictureKind::Jpeg},
      {"dibitmap", RtfPictureKind::Dib}, {"wmetafile", RtfPictureKind::Wmf},
      {"emfblip", RtfPictureKind::Emf},  {"wbitmap", RtfPictureKind::Ddb},
      {"macpict", RtfPictureKind::Mac},
  };
  return table;
}

class Reader {
 public:
  Reader(std::string_view in, QTextDocument& doc, RtfStats& stats)
      : in_(in), doc_(doc), stats_(stats), cursor_(&doc) {}

  void Run();

 private:
  using Handler = void (*)(Reader&, const WordArg&);
  using HandlerTable = std::unordered_map<std::string_view, Handler>;

  // Input handling.
  void Escape();
  void ControlWord(std::string_view word, bool hasParam, int param);
  void ControlSymbol(char c);
  void TextByte(unsigned char b);
  void OpenGroup();
  void CloseGroup();
  void BinaryData(int length);
  void UnicodeWord(const WordArg& arg);
  bool EnterDestination(std::string_view word);

  // The words each destination understands.
  static const HandlerTable& DocumentWords();
  static const HandlerTable& PictureWords();
  static const HandlerTable& FontTableWords();
  static const HandlerTable& ColorTableWords();
  template <size_t Part>
  static void ColorPart(Reader& r, const WordArg& a);

  // Text and document building.
  void AddUnicode(char16_t unit);
  void FlushBytes();
  void FlushText();
  void StartContent();
  void Paragraph();
  void Cell();
  void Row();
  void PositionInTable();
  void StartTable();
  void LeaveTable();
  void InsertPicture();
  QSize PictureSize(const QImage& image) const;
  QString PictureResource(const QImage& image);
  QTextCharFormat CharFormat(CharClass textClass) const;
  QTextBlockFormat BlockFormat() const;
  bool HasAssociatedProps() const;
  int Codepage() const;
  int CodepageOfFont(const Font& f) const;
  State& Top() { return stack_.back(); }
  CharProps& Ch() { return stack_.back().ch; }
  ParaProps& Para() { return stack_.back().para; }

  // Setters of associated properties: ignored for scripts written right to left.
  template <class T>
  void SetAssociated(std::optional<T> AssociatedProps::*member, T value) {
    if (!Ch().rightToLeft) Ch().Associated().*member = value;
  }
  // An ordinary property set for the current class takes over from its associated one.
  template <class T>
  void DropAssociated(std::optional<T> AssociatedProps::*member) {
    if (!Ch().rightToLeft) (Ch().Associated().*member).reset();
  }
  void AddTabStop(int position);

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
  std::array<int, 3> rgb_{};  // the colour table entry being read
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

// The code page of the bytes now read: the font of the run's class decides, so the bytes of a
// double-byte run are read in its associated font's code page.
int Reader::Codepage() const {
  const CharProps& ch = stack_.back().ch;
  int number = ch.font >= 0 ? ch.font : defaultFont_;
  const AssociatedProps& own = ch.associated[static_cast<size_t>(ch.runClass)];
  if (!ch.rightToLeft && own.font) number = *own.font;
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

bool Reader::HasAssociatedProps() const {
  const CharProps& ch = stack_.back().ch;
  return std::any_of(ch.associated.begin(), ch.associated.end(),
                     [](const AssociatedProps& a) { return !a.Empty(); });
}

// The format of text of one class: the ordinary character properties with the class's
// associated ones over them.
QTextCharFormat Reader::CharFormat(CharClass textClass) const {
  const CharProps& ch = stack_.back().ch;
  const AssociatedProps& a = ch.associated[static_cast<size_t>(textClass)];
  QTextCharFormat f;
  const int fontNumber = a.font ? *a.font : ch.font >= 0 ? ch.font : defaultFont_;
  if (const Font* font = FindFont(fonts_, fontNumber); font && !font->name.isEmpty())
    f.setFontFamilies({font->name});
  f.setFontPointSize(std::clamp(a.halfPoints.value_or(ch.halfPoints), 2, 3276) / 2.0);
  if (a.bold.value_or(ch.bold)) f.setFontWeight(QFont::Bold);
  f.setFontItalic(a.italic.value_or(ch.italic));
  f.setFontUnderline(a.underline.value_or(ch.underline));
  f.setFontStrikeOut(ch.strike);
  if (ch.color > 0 && size_t(ch.color) < colors_.size() && colors_[ch.color].isValid())
    f.setForeground(colors_[ch.color]);
  if (ch.back > 0 && size_t(ch.back) < colors_.size() && colors_[ch.back].isValid())
    f.setBackground(colors_[ch.back]);
  if (ch.script != QTextCharFormat::AlignNormal) f.setVerticalAlignment(ch.script);
  return f;
}

QTextBlockFormat Reader::BlockFormat() const {
  const ParaProps& p = stack_.back().para;
  QTextBlockFormat f;
  f.setAlignment(p.align);
  f.setLeftMargin(p.left / kTwipsPerPixel);
  f.setRightMargin(p.right / kTwipsPerPixel);
  f.setTextIndent(p.first / kTwipsPerPixel);
  f.setTopMargin(p.before / kTwipsPerPixel);
  f.setBottomMargin(p.after / kTwipsPerPixel);
  if (!p.tabs.empty()) {
    // RTF measures stops from the page margin, a text layout from the paragraph's own edge.
    QList<QTextOption::Tab> tabs;
    for (const TabStop& t : p.tabs) {
      const double position = (t.position - p.left) / kTwipsPerPixel;
      if (position < 0) continue;
      switch (t.kind) {
        case TabKind::Right:
          tabs.append(QTextOption::Tab(position, QTextOption::RightTab));
          break;
        case TabKind::Centre:
          tabs.append(QTextOption::Tab(position, QTextOption::CenterTab));
          break;
        case TabKind::Decimal:
          tabs.append(QTextOption::Tab(position, QTextOption::DelimiterTab, QChar('.')));
          break;
        case TabKind::Left:
          tabs.append(QTextOption::Tab(position, QTextOption::LeftTab));
          break;
      }
    }
    f.setTabPositions(tabs);
  }
  return f;
}

void Reader::AddTabStop(int position) {
  ParaProps& p = Para();
  const TabKind kind = std::exchange(p.nextTab, TabKind::Left);
  if (p.tabs.size() >= kMaxTabStops) return;
  const TabStop stop{std::clamp(position, 0, 30000 * 15), kind};
  // Kept in order of position; a stop given twice keeps its latest kind.
  const auto at =
      std::lower_bound(p.tabs.begin(), p.tabs.end(), stop,
                       [](const TabStop& a, const TabStop& b) { return a.position < b.position; });
  if (at != p.tabs.end() && at->position == stop.position)
    at->kind = kind;
  else
    p.tabs.insert(at, stop);
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

// Writes the gathered text; with associated properties in force each class of characters gets
// its own format.
void Reader::FlushText() {
  FlushBytes();
  if (pendingText_.isEmpty()) return;
  if (Top().dest == Dest::Normal && !Top().ch.hidden) {
    StartContent();
    if (!HasAssociatedProps()) {
      cursor_.insertText(pendingText_, CharFormat(Top().ch.runClass));
    } else {
      qsizetype start = 0;
      while (start < pendingText_.size()) {
        const CharClass cls = ClassOf(pendingText_[start].unicode());
        qsizetype end = start + 1;
        while (end < pendingText_.size() && ClassOf(pendingText_[end].unicode()) == cls) ++end;
        cursor_.insertText(pendingText_.mid(start, end - start), CharFormat(cls));
        start = end;
      }
    }
  }
  pendingText_.clear();
}

// A new table at the end of the document. A paragraph mark just before it ended the paragraph
// before the table: the empty block it opened is not shown as a paragraph of its own.
void Reader::StartTable() {
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
    widths.append(QTextLength(QTextLength::FixedLength,
                              std::clamp(cellx_[i] - last, 15, 30000) / kTwipsPerPixel));
    last = cellx_[i];
  }
  if (widths.size() == columns) format.setColumnWidthConstraints(widths);
  cursor_.movePosition(QTextCursor::End);
  const QTextBlock block = cursor_.block();
  if (block.length() <= 1 && block.previous().isValid() && !QTextCursor(block).currentTable() &&
      !QTextCursor(block.previous()).currentTable())
    cursor_.deletePreviousChar();
  table_ = cursor_.insertTable(1, columns, format);
  tableCells_ += columns;
  ++stats_.tables;
  row_ = col_ = 0;
  rowEnded_ = false;
  cellPending_ = true;
}

void Reader::PositionInTable() {
  if (!table_) {
    StartTable();
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

// The size a picture is shown at: its goal size in twips when given, else its own size, scaled.
QSize Reader::PictureSize(const QImage& image) const {
  const Picture& p = picture_;
  const bool metafile = p.kind == RtfPictureKind::Wmf || p.kind == RtfPictureKind::Emf;
  auto side = [&](int goal, int pic, int imageSide, int scale) {
    double px = 0;
    if (goal > 0)
      px = goal / kTwipsPerPixel;
    else if (imageSide > 0 && !metafile)
      px = imageSide;
    else if (pic > 0)
      px = metafile ? pic * 96.0 / 2540.0 : pic;  // a metafile's own size is in 0.01 mm
    else if (imageSide > 0)
      px = imageSide;
    px = px * std::clamp(scale, 1, 10000) / 100.0;
    // Clamped as a double: a hostile size must not overflow the conversion to int.
    return static_cast<int>(std::clamp(px + 0.5, 1.0, double(kMaxPictureSide)));
  };
  return {side(p.goalw, p.picw, image.width(), p.scalex),
          side(p.goalh, p.pich, image.height(), p.scaley)};
}

// The document resource that shows the picture: the image, or a grey box when it could not be
// decoded.
QString Reader::PictureResource(const QImage& image) {
  if (!image.isNull()) {
    const QString name =
        QStringLiteral("rtf-picture:%1").arg(stats_.pictures + stats_.placeholders);
    doc_.addResource(QTextDocument::ImageResource, QUrl(name), image);
    ++stats_.pictures;
    return name;
  }
  const QString name = QStringLiteral("rtf-picture:placeholder");
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
  return name;
}

void Reader::InsertPicture() {
  const QImage image =
      DecodeRtfPicture(picture_.kind, picture_.data, kMaxPicturePixels - picturePixels_);
  picturePixels_ += int64_t(image.width()) * image.height();
  const QSize size = PictureSize(image);
  QTextImageFormat format;
  format.setName(PictureResource(image));
  format.setWidth(size.width());
  format.setHeight(size.height());
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
        colors_.push_back(colorSet_ ? QColor(rgb_[0], rgb_[1], rgb_[2]) : QColor());
        rgb_ = {};
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

void Reader::UnicodeWord(const WordArg& arg) {
  star_ = false;
  if (skipChars_ > 0) {
    --skipChars_;
    return;
  }
  // The parameter is a signed 16-bit code unit; anything outside that range is no character.
  const int v = arg.param;
  if (Top().dest == Dest::Normal)
    AddUnicode(v < -32768 || v > 65535 ? char16_t(0xFFFD) : char16_t(v < 0 ? v + 65536 : v));
  skipChars_ = Top().uc;
}

// Words that open a destination (or skip one). True when the word was one of them.
bool Reader::EnterDestination(std::string_view w) {
  State& s = Top();
  auto enter = [&](Dest d) {
    if (s.dest != Dest::Skip) s.dest = d;
    return true;
  };
  if (w == "fonttbl") return enter(Dest::FontTable);
  if (w == "colortbl") return enter(Dest::ColorTable);
  if (w == "pict") {
    if (s.dest != Dest::Normal || pictureDepth_ != 0) return enter(Dest::Skip);
    s.dest = Dest::Picture;
    picture_ = Picture{};
    pictureDepth_ = stack_.size();
    return true;
  }
  if (w == "upr") {
    s.upr = true;
    return enter(Dest::Skip);
  }
  if (w == "ud") {
    if (stack_.size() >= 2 && stack_[stack_.size() - 2].upr) s.dest = Dest::Normal;
    return true;
  }
  for (std::string_view t : kTransparentDestinations)
    if (w == t) return true;
  for (std::string_view k : kSkippedDestinations)
    if (w == k) return enter(Dest::Skip);
  return false;
}

void Reader::ControlWord(std::string_view w, bool hasParam, int param) {
  const WordArg arg{hasParam, param};
  if (w == "bin") {
    star_ = false;
    BinaryData(arg.Value());
    return;
  }
  if (w == "u" && hasParam) return UnicodeWord(arg);
  if (skipChars_ > 0) {
    --skipChars_;
    star_ = false;
    return;
  }
  FlushText();
  const bool starred = std::exchange(star_, false);
  if (EnterDestination(w)) return;
  if (starred) {
    if (Top().dest != Dest::Skip) Top().dest = Dest::Skip;
    return;
  }
  const HandlerTable* table = nullptr;
  switch (Top().dest) {
    case Dest::Normal:
      table = &DocumentWords();
      break;
    case Dest::FontTable:
      table = &FontTableWords();
      break;
    case Dest::ColorTable:
      table = &ColorTableWords();
      break;
    case Dest::Picture:
      if (const auto kind = PictureKinds().find(w); kind != PictureKinds().end()) {
        picture_.kind = kind->second;
        return;
      }
      table = &PictureWords();
      break;
    case Dest::Skip:
      return;
  }
  if (const auto it = table->find(w); it != table->end()) {
    it->second(*this, arg);
  } else if (Top().dest == Dest::Normal) {
    if (const auto c = SpecialCharacters().find(w); c != SpecialCharacters().end())
      AddUnicode(c->second);
  }
}

const Reader::HandlerTable& Reader::FontTableWords() {
  static const HandlerTable table = {
      {"f",
       [](Reader& r, const WordArg& a) {
         r.fontEntry_ = a.Value();
         r.fontNameBytes_.clear();
         r.fonts_.try_emplace(a.Value());
       }},
      {"fcharset",
       [](Reader& r, const WordArg& a) {
         if (const auto it = r.fonts_.find(r.fontEntry_); it != r.fonts_.end())
           it->second.charset = a.Value();
       }},
  };
  return table;
}

template <size_t Part>
void Reader::ColorPart(Reader& r, const WordArg& a) {
  r.rgb_[Part] = std::clamp(a.Value(), 0, 255);
  r.colorSet_ = true;
}

const Reader::HandlerTable& Reader::ColorTableWords() {
  static const HandlerTable table = {
      {"red", &ColorPart<0>},
      {"green", &ColorPart<1>},
      {"blue", &ColorPart<2>},
  };
  return table;
}

const Reader::HandlerTable& Reader::PictureWords() {
  static const HandlerTable table = {
      {"picw", [](Reader& r, const WordArg& a) { r.picture_.picw = a.Value(); }},
      {"pich", [](Reader& r, const WordArg& a) { r.picture_.pich = a.Value(); }},
      {"picwgoal", [](Reader& r, const WordArg& a) { r.picture_.goalw = a.Value(); }},
      {"pichgoal", [](Reader& r, const WordArg& a) { r.picture_.goalh = a.Value(); }},
      {"picscalex",
       [](Reader& r, const WordArg& a) { r.picture_.scalex = a.hasParam ? a.param : 100; }},
      {"picscaley",
       [](Reader& r, const WordArg& a) { r.picture_.scaley = a.hasParam ? a.param : 100; }},
  };
  return table;
}

// The words of the document text: settings, character and paragraph formatting, tab stops,
// tables and breaks. Words standing for one character are in SpecialCharacters().
const Reader::HandlerTable& Reader::DocumentWords() {
  static const auto underline = [](Reader& r, const WordArg& a) {
    r.Ch().underline = a.On();
    r.DropAssociated(&AssociatedProps::underline);
  };
  static const auto strike = [](Reader& r, const WordArg& a) { r.Ch().strike = a.On(); };
  static const auto background = [](Reader& r, const WordArg& a) { r.Ch().back = a.Value(); };
  static const auto justify = [](Reader& r, const WordArg&) { r.Para().align = Qt::AlignJustify; };
  static const auto paragraph = [](Reader& r, const WordArg&) { r.Paragraph(); };
  static const auto associatedUnderline = [](Reader& r, const WordArg& a) {
    r.SetAssociated(&AssociatedProps::underline, a.On());
  };
  static const auto charClass = [](CharClass c) {
    return [c](Reader& r) {
      r.Ch().runClass = c;
      r.Ch().rightToLeft = false;
    };
  };
  static const HandlerTable table = {
      // Document settings.
      {"ansicpg", [](Reader& r, const WordArg& a) { r.ansiCodepage_ = a.Value(); }},
      {"deff", [](Reader& r, const WordArg& a) { r.defaultFont_ = a.Value(); }},
      {"uc", [](Reader& r, const WordArg& a) { r.Top().uc = std::clamp(a.Value(), 0, 16); }},

      // Character formatting.
      {"plain",
       [](Reader& r, const WordArg&) {
         r.Ch() = CharProps{};
         r.Ch().font = r.defaultFont_;
       }},
      {"f",
       [](Reader& r, const WordArg& a) {
         r.Ch().font = a.Value();
         r.DropAssociated(&AssociatedProps::font);
       }},
      {"fs",
       [](Reader& r, const WordArg& a) {
         r.Ch().halfPoints = a.hasParam ? a.param : 24;
         r.DropAssociated(&AssociatedProps::halfPoints);
       }},
      {"b",
       [](Reader& r, const WordArg& a) {
         r.Ch().bold = a.On();
         r.DropAssociated(&AssociatedProps::bold);
       }},
      {"i",
       [](Reader& r, const WordArg& a) {
         r.Ch().italic = a.On();
         r.DropAssociated(&AssociatedProps::italic);
       }},
      {"ul", underline},
      {"uld", underline},
      {"uldb", underline},
      {"ulw", underline},
      {"ulth", underline},
      {"uldash", underline},
      {"ulnone",
       [](Reader& r, const WordArg&) {
         r.Ch().underline = false;
         r.DropAssociated(&AssociatedProps::underline);
       }},
      {"strike", strike},
      {"striked", strike},
      {"v", [](Reader& r, const WordArg& a) { r.Ch().hidden = a.On(); }},
      {"cf", [](Reader& r, const WordArg& a) { r.Ch().color = a.Value(); }},
      {"cb", background},
      {"highlight", background},
      {"chcbpat", background},
      {"super",
       [](Reader& r, const WordArg&) { r.Ch().script = QTextCharFormat::AlignSuperScript; }},
      {"sub", [](Reader& r, const WordArg&) { r.Ch().script = QTextCharFormat::AlignSubScript; }},
      {"nosupersub",
       [](Reader& r, const WordArg&) { r.Ch().script = QTextCharFormat::AlignNormal; }},

      // Associated character properties and the classes they are given for.
      {"loch", [](Reader& r, const WordArg&) { charClass(CharClass::Low)(r); }},
      {"hich", [](Reader& r, const WordArg&) { charClass(CharClass::High)(r); }},
      {"dbch", [](Reader& r, const WordArg&) { charClass(CharClass::Double)(r); }},
      {"rtlch", [](Reader& r, const WordArg&) { r.Ch().rightToLeft = true; }},
      {"ltrch", [](Reader& r, const WordArg&) { r.Ch().rightToLeft = false; }},
      {"af",
       [](Reader& r, const WordArg& a) { r.SetAssociated(&AssociatedProps::font, a.Value()); }},
      {"afs",
       [](Reader& r, const WordArg& a) {
         r.SetAssociated(&AssociatedProps::halfPoints, a.hasParam ? a.param : 24);
       }},
      {"ab", [](Reader& r, const WordArg& a) { r.SetAssociated(&AssociatedProps::bold, a.On()); }},
      {"ai",
       [](Reader& r, const WordArg& a) { r.SetAssociated(&AssociatedProps::italic, a.On()); }},
      {"aul", associatedUnderline},
      {"auld", associatedUnderline},
      {"auldb", associatedUnderline},
      {"aulw", associatedUnderline},
      {"aulnone",
       [](Reader& r, const WordArg&) { r.SetAssociated(&AssociatedProps::underline, false); }},

      // Paragraph formatting.
      {"pard", [](Reader& r, const WordArg&) { r.Para() = ParaProps{}; }},
      {"ql", [](Reader& r, const WordArg&) { r.Para().align = Qt::AlignLeft; }},
      {"qr", [](Reader& r, const WordArg&) { r.Para().align = Qt::AlignRight; }},
      {"qc", [](Reader& r, const WordArg&) { r.Para().align = Qt::AlignHCenter; }},
      {"qj", justify},
      {"qd", justify},
      {"li",
       [](Reader& r, const WordArg& a) { r.Para().left = std::clamp(a.Value(), -30000, 30000); }},
      {"ri",
       [](Reader& r, const WordArg& a) { r.Para().right = std::clamp(a.Value(), -30000, 30000); }},
      {"fi",
       [](Reader& r, const WordArg& a) { r.Para().first = std::clamp(a.Value(), -30000, 30000); }},
      {"sb",
       [](Reader& r, const WordArg& a) { r.Para().before = std::clamp(a.Value(), 0, 30000); }},
      {"sa", [](Reader& r, const WordArg& a) { r.Para().after = std::clamp(a.Value(), 0, 30000); }},
      {"intbl", [](Reader& r, const WordArg&) { r.Para().inTable = true; }},

      // Tab stops: the kind comes before the position it applies to. A bar tab (\tb) draws a
      // line and stops no text.
      {"tqr", [](Reader& r, const WordArg&) { r.Para().nextTab = TabKind::Right; }},
      {"tqc", [](Reader& r, const WordArg&) { r.Para().nextTab = TabKind::Centre; }},
      {"tqdec", [](Reader& r, const WordArg&) { r.Para().nextTab = TabKind::Decimal; }},
      {"tx", [](Reader& r, const WordArg& a) { r.AddTabStop(a.Value()); }},
      {"tb", [](Reader& r, const WordArg&) { r.Para().nextTab = TabKind::Left; }},

      // Tables.
      {"trowd", [](Reader& r, const WordArg&) { r.cellx_.clear(); }},
      {"cellx",
       [](Reader& r, const WordArg& a) {
         if (r.cellx_.size() < size_t(kMaxTableColumns)) r.cellx_.push_back(a.Value());
       }},
      {"cell", [](Reader& r, const WordArg&) { r.Cell(); }},
      {"row", [](Reader& r, const WordArg&) { r.Row(); }},

      // Breaks.
      {"par", paragraph},
      {"page", paragraph},
      {"sect", paragraph},
      {"column", paragraph},
  };
  return table;
}

// A backslash has been read: a control word with its parameter, a hex byte or a control symbol.
void Reader::Escape() {
  const size_t n = in_.size();
  if (pos_ >= n) return;
  const char next = in_[pos_];
  if (IsLetter(next)) {
    const size_t start = pos_;
    while (pos_ < n && IsLetter(in_[pos_])) ++pos_;
    const std::string_view word = in_.substr(start, std::min<size_t>(pos_ - start, 32));
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
}

void Reader::Run() {
  while (pos_ < in_.size()) {
    const char c = in_[pos_++];
    if (c == '{') {
      OpenGroup();
    } else if (c == '}') {
      CloseGroup();
    } else if (c == '\\') {
      Escape();
    } else if (c != '\r' && c != '\n' && c != '\0') {
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