// Tests of the RTF reader on small documents checked through the Qt document they produce.
#include "platform/ui/rtf_reader.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QImage>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFragment>
#include <QTextTable>
#include <QUrl>
#include <string>

#include "platform/ui/rtf_picture.h"
#include "platform/ui/testing/qt_test_app.h"

namespace {

std::string Hex(const std::string& bytes) {
  static const char* digits = "0123456789abcdef";
  std::string out;
  for (unsigned char b : bytes) {
    out += digits[b >> 4];
    out += digits[b & 15];
  }
  return out;
}

std::string Le32(uint32_t v) {
  return {char(v), char(v >> 8), char(v >> 16), char(v >> 24)};
}
std::string Le16(uint16_t v) {
  return {char(v), char(v >> 8)};
}

// A 2 x 1 24-bit DIB: red then blue.
std::string SmallDib() {
  std::string dib = Le32(40) + Le32(2) + Le32(1) + Le16(1) + Le16(24) + Le32(0) + Le32(8) +
                    Le32(0) + Le32(0) + Le32(0) + Le32(0);
  dib += std::string("\x00\x00\xff\xff\x00\x00\x00\x00", 8);  // BGR red, BGR blue, row padding
  return dib;
}

std::string PngBytes(int w, int h) {
  QImage image(w, h, QImage::Format_RGB32);
  image.fill(Qt::green);
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  image.save(&buffer, "PNG");
  return bytes.toStdString();
}

struct Doc {
  QTextDocument doc;
  ui::RtfStats stats;
  bool ok = false;
  explicit Doc(const std::string& rtf) {
    ui::TestApp();
    ok = ui::ReadRtf(rtf, doc, &stats);
  }
  // The text with paragraph ends as "\n" and every other character as it is.
  QString Text() const { return doc.toRawText().replace(QChar(0x2029), QChar('\n')); }
  // The format of the first fragment that holds `text`.
  QTextCharFormat FormatOf(const QString& text) const {
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next())
      for (auto it = b.begin(); !it.atEnd(); ++it)
        if (it.fragment().text().contains(text)) return it.fragment().charFormat();
    ADD_FAILURE() << "no fragment with " << text.toStdString();
    return {};
  }
  QTextImageFormat Image(int n) const {
    int seen = 0;
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next())
      for (auto it = b.begin(); !it.atEnd(); ++it)
        if (it.fragment().charFormat().isImageFormat() && seen++ == n)
          return it.fragment().charFormat().toImageFormat();
    return {};
  }
};

struct TextCase {
  const char* name;
  std::string rtf;
  QString expected;
};

TEST(RtfReader, TextComesOutDecoded) {
  const std::string gbkHeader =
      "{\\rtf1\\ansi\\ansicpg936\\deff0{\\fonttbl{\\f0\\fnil\\fcharset134 \\'cb\\'ce\\'cc\\'e5;}"
      "{\\f1\\fswiss\\fcharset0 Arial;}}";
  const TextCase cases[] = {
      {"gbk escapes", gbkHeader + "\\f0 \\'d6\\'d0\\'ce\\'c4}", u"中文"_qs},
      {"raw gbk bytes", gbkHeader + "\\f0 \xd6\xd0\xce\xc4}", u"中文"_qs},
      {"western font keeps cp1252", gbkHeader + "\\f1 caf\\'e9 \\'93q\\'94}", u"café “q”"_qs},
      {"unicode with one fallback", "{\\rtf1\\ansi \\u20013?\\u25991?!}", u"中文!"_qs},
      {"unicode with two fallback bytes", gbkHeader + "\\uc2\\u20013\\'d6\\'d0x}", u"中x"_qs},
      {"unicode without fallback", "{\\rtf1\\uc0\\u20013\\u25991 ok}", u"中文ok"_qs},
      {"negative unicode", "{\\rtf1\\u-3913?}", QString(QChar(0xF0B7))},
      {"fallback stops at a group end", "{\\rtf1{\\uc3\\u20013 a}bc}", u"中bc"_qs},
      {"escaped symbols", "{\\rtf1 a\\\\b\\{c\\}d\\~e}", u"a\\b{c}d\u00a0e"_qs},
      {"tab and line break", "{\\rtf1 a\\tab b\\line c}", u"a\tb\u2028c"_qs},
      {"paragraphs", "{\\rtf1 one\\par two\\par}", u"one\ntwo\n"_qs},
      {"unknown starred destination skipped", "{\\rtf1 a{\\*\\foo hidden {nested}}b}", u"ab"_qs},
      {"tables of styles and info skipped",
       "{\\rtf1{\\stylesheet{\\s0 Normal;}}{\\info{\\title T}}body}", u"body"_qs},
      {"field shows its result",
       "{\\rtf1{\\field{\\*\\fldinst HYPERLINK \"x\"}{\\fldrslt link}} end}", u"link end"_qs},
      {"field instruction without star", "{\\rtf1{\\field{\\fldinst PAGE}{\\fldrslt 3}}}", u"3"_qs},
      {"unicode pair of upr", "{\\rtf1{\\upr{ansi}{\\*\\ud{\\u20013?}}}}", u"中"_qs},
      {"hidden text", "{\\rtf1 a{\\v secret}b}", u"ab"_qs},
      {"line endings in the source ignored", "{\\rtf1 a\r\nb\nc}", u"abc"_qs},
      {"special punctuation", "{\\rtf1 \\emdash\\endash\\bullet\\lquote\\rquote}", u"—–•‘’"_qs},
  };
  for (const TextCase& c : cases) {
    Doc d(c.rtf);
    EXPECT_TRUE(d.ok) << c.name;
    EXPECT_EQ(d.Text().toStdString(), c.expected.toStdString()) << c.name;
  }
}

TEST(RtfReader, CharacterFormatting) {
  Doc d(
      "{\\rtf1\\ansi{\\fonttbl{\\f0 Times;}{\\f1 "
      "Arial;}}{\\colortbl;\\red255\\green0\\blue0;\\red0\\green0\\blue255;}"
      "\\f0\\fs24 plain {\\b bold} {\\i\\ul it} {\\cf1 red}{\\f1\\fs40 big}{\\b\\b0 "
      "notbold}\\strike x\\strike0 "
      "{\\super up}{\\cf2\\ulnone blue}}");
  EXPECT_EQ(d.FormatOf("bold").fontWeight(), QFont::Bold);
  EXPECT_NE(d.FormatOf("notbold").fontWeight(), QFont::Bold);
  EXPECT_NE(d.FormatOf("plain").fontWeight(), QFont::Bold);
  EXPECT_TRUE(d.FormatOf("it").fontItalic());
  EXPECT_TRUE(d.FormatOf("it").fontUnderline());
  EXPECT_FALSE(d.FormatOf("blue").fontUnderline());
  EXPECT_EQ(d.FormatOf("red").foreground().color(), QColor(255, 0, 0));
  EXPECT_EQ(d.FormatOf("blue").foreground().color(), QColor(0, 0, 255));
  EXPECT_EQ(d.FormatOf("big").fontPointSize(), 20.0);
  EXPECT_EQ(d.FormatOf("big").fontFamilies().toStringList(), QStringList{"Arial"});
  EXPECT_EQ(d.FormatOf("plain").fontFamilies().toStringList(), QStringList{"Times"});
  EXPECT_EQ(d.FormatOf("plain").fontPointSize(), 12.0);
  EXPECT_TRUE(d.FormatOf("x").fontStrikeOut());
  EXPECT_EQ(d.FormatOf("up").verticalAlignment(), QTextCharFormat::AlignSuperScript);
}

TEST(RtfReader, GbkFontNameAndParagraphFormats) {
  Doc d(
      "{\\rtf1\\ansi\\ansicpg936{\\fonttbl{\\f0\\fnil\\fcharset134 \\'cb\\'ce\\'cc\\'e5;}}"
      "\\pard\\qc\\f0 centre\\par\\pard\\qr right\\par\\pard\\li720\\fi-360\\sb300 "
      "indented\\par\\pard left}");
  EXPECT_EQ(d.FormatOf("centre").fontFamilies().toStringList(), QStringList{u"宋体"_qs});
  const QTextBlock first = d.doc.begin();
  EXPECT_EQ(first.text(), "centre");
  EXPECT_EQ(first.blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
  EXPECT_EQ(first.next().blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignRight);
  const QTextBlockFormat indented = first.next().next().blockFormat();
  EXPECT_DOUBLE_EQ(indented.leftMargin(), 48.0);
  EXPECT_DOUBLE_EQ(indented.textIndent(), -24.0);
  EXPECT_DOUBLE_EQ(indented.topMargin(), 20.0);
  EXPECT_EQ(first.next().next().next().blockFormat().alignment() & Qt::AlignHorizontal_Mask,
            Qt::AlignLeft);
}

TEST(RtfReader, TableCellsInRowOrder) {
  Doc d(
      "{\\rtf1 before\\par"
      "\\trowd\\cellx1500\\cellx3000\\pard\\intbl a1\\cell b1\\cell\\row"
      "\\trowd\\cellx1500\\cellx3000\\pard\\intbl a2\\cell b2\\par more\\cell\\row"
      "\\pard after\\par}");
  ASSERT_EQ(d.stats.tables, 1);
  QTextTable* table = nullptr;
  for (QTextFrame* f : d.doc.rootFrame()->childFrames())
    if ((table = qobject_cast<QTextTable*>(f))) break;
  ASSERT_NE(table, nullptr);
  ASSERT_EQ(table->rows(), 2);
  ASSERT_EQ(table->columns(), 2);
  auto cellText = [&](int r, int c) {
    QTextCursor cur = table->cellAt(r, c).firstCursorPosition();
    cur.setPosition(table->cellAt(r, c).lastCursorPosition().position(), QTextCursor::KeepAnchor);
    return cur.selectedText().toStdString();
  };
  EXPECT_EQ(cellText(0, 0), "a1");
  EXPECT_EQ(cellText(0, 1), "b1");
  EXPECT_EQ(cellText(1, 0), "a2");
  EXPECT_EQ(cellText(1, 1), "b2\u2029more");
  EXPECT_EQ(d.doc.begin().text(), "before");
  EXPECT_TRUE(d.Text().contains("after"));
  EXPECT_GT(d.Text().indexOf("after"), d.Text().indexOf("more"));
}

// Writers that keep Western and East Asian fonts apart format Chinese text only through the
// properties associated with \dbch (and \loch, \hich for the other characters).
TEST(RtfReader, AssociatedPropertiesFormatTheCharactersOfTheirClass) {
  Doc d(
      "{\\rtf1\\ansi\\ansicpg936\\deff0{\\fonttbl{\\f0\\froman\\fcharset0 Times New Roman;}"
      "{\\f1\\fnil\\fcharset134 \\'cb\\'ce\\'cc\\'e5;}}"
      "\\pard\\f0\\fs24 1{\\loch\\af0\\hich\\af0\\dbch\\af1\\ab \\'a3\\'ae}"
      "{\\loch\\afs21\\hich\\afs21\\dbch\\af1\\afs21 \\'a3\\'a8\\'b1\\'be\\'cc\\'e2 1 "
      "\\'b7\\'d6\\'a3\\'a9}"
      "{\\rtlch\\ab\\afs40 \\ltrch plain}\\par}");
  EXPECT_EQ(d.Text(), u"1．（本题 1 分）plain\n"_qs);
  const QTextCharFormat one = d.FormatOf("1");
  EXPECT_NE(one.fontWeight(), QFont::Bold);
  EXPECT_EQ(one.fontFamilies().toStringList(), QStringList{"Times New Roman"});
  const QTextCharFormat stop = d.FormatOf(u"．"_qs);
  EXPECT_EQ(stop.fontWeight(), QFont::Bold);
  EXPECT_EQ(stop.fontFamilies().toStringList(), QStringList{u"宋体"_qs});
  for (const QString& piece : {u"（本题"_qs, u" 1 "_qs, u"分）"_qs}) {
    const QTextCharFormat f = d.FormatOf(piece);
    EXPECT_EQ(f.fontPointSize(), 10.5) << piece.toStdString();
    EXPECT_NE(f.fontWeight(), QFont::Bold) << piece.toStdString();
  }
  EXPECT_EQ(d.FormatOf(u"本题"_qs).fontFamilies().toStringList(), QStringList{u"宋体"_qs});
  // Properties associated with right-to-left scripts leave these characters alone.
  EXPECT_NE(d.FormatOf("plain").fontWeight(), QFont::Bold);
  EXPECT_EQ(d.FormatOf("plain").fontPointSize(), 12.0);
}

TEST(RtfReader, TabStopsBecomeTheParagraphsTabPositions) {
  Doc d(
      "{\\rtf1\\pard\\li720\\tx1440\\tqr\\tx4320\\tqc\\tx2880\\tqdec\\tx5760\\tqr\\tb6000\\tx7200 "
      "A.\\tab one\\tab two\\par B.\\tab three\\par\\pard next\\par}");
  struct Stop {
    double position;
    QTextOption::TabType type;
  } expected[] = {{48, QTextOption::LeftTab},
                  {144, QTextOption::CenterTab},
                  {240, QTextOption::RightTab},
                  {336, QTextOption::DelimiterTab},
                  {432, QTextOption::LeftTab}};
  const QTextBlock first = d.doc.begin();
  for (const QTextBlock& block : {first, first.next()}) {
    SCOPED_TRACE(block.text().toStdString());
    const QList<QTextOption::Tab> tabs = block.blockFormat().tabPositions();
    ASSERT_EQ(tabs.size(), std::size(expected));
    for (size_t i = 0; i < std::size(expected); ++i) {
      EXPECT_DOUBLE_EQ(tabs[i].position, expected[i].position) << i;
      EXPECT_EQ(tabs[i].type, expected[i].type) << i;
    }
    EXPECT_EQ(tabs[3].delimiter, QChar('.'));
  }
  EXPECT_TRUE(first.next().next().blockFormat().tabPositions().isEmpty());
}

TEST(RtfReader, ATableRightAfterAParagraphHasNoEmptyParagraphBeforeIt) {
  const std::string table = "\\trowd\\cellx1500\\pard\\intbl a\\cell\\row\\pard after";
  struct Case {
    const char* name;
    std::string rtf;
    QStringList blocks;  // the paragraphs, each table as "[table]"
  } cases[] = {
      {"one paragraph", "{\\rtf1 before\\par" + table + "}", {"before", "[table]", "after"}},
      {"an empty paragraph of its own stays",
       "{\\rtf1 before\\par\\par" + table + "}",
       {"before", "", "[table]", "after"}},
      {"two tables",
       "{\\rtf1 x\\par" + table + "\\par" + table + "}",
       {"x", "[table]", "after", "[table]", "after"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Doc d(c.rtf);
    QStringList blocks;
    for (QTextBlock b = d.doc.begin(); b.isValid(); b = b.next()) {
      if (!QTextCursor(b).currentTable())
        blocks << b.text();
      else if (blocks.isEmpty() || blocks.back() != "[table]")
        blocks << "[table]";
    }
    EXPECT_EQ(blocks, c.blocks);
  }
}

TEST(RtfReader, PicturesByKind) {
  ui::TestApp();
  const std::string dib = SmallDib();
  // A Windows metafile: header, one DIBSTRETCHBLT record with the bitmap, end record.
  std::string blt = Le32(0x00CC0020) + Le16(1) + Le16(2) + Le16(0) + Le16(0) + Le16(1) + Le16(2) +
                    Le16(0) + Le16(0);
  std::string record = blt + dib;
  std::string wmf = Le16(1) + Le16(9) + Le16(0x300) + Le32(0) + Le16(0) + Le32(0) + Le16(0);
  wmf += Le32(uint32_t((6 + record.size()) / 2)) + Le16(0x0B41) + record;
  wmf += Le32(3) + Le16(0);
  // An enhanced metafile: header record, one STRETCHDIBITS, end record.
  std::string emfRecord = Le32(81) + Le32(0);
  emfRecord += std::string(40, '\0');  // bounds and coordinates
  emfRecord += Le32(80) + Le32(40) + Le32(120) + Le32(8);
  emfRecord += std::string(80 - emfRecord.size(), '\0') + dib;
  emfRecord.replace(4, 4, Le32(uint32_t(emfRecord.size())));
  std::string emf = Le32(1) + Le32(8) + emfRecord + Le32(14) + Le32(8);

  struct Case {
    const char* name;
    std::string pict;
    QSize shown;
    QSize decoded;  // null when a placeholder stands in
  } cases[] = {
      {"png at its own size", "\\pngblip " + Hex(PngBytes(5, 4)), {5, 4}, {5, 4}},
      {"png at its goal size",
       "\\pngblip\\picwgoal300\\pichgoal150 " + Hex(PngBytes(5, 4)),
       {20, 10},
       {5, 4}},
      {"scaled png",
       "\\pngblip\\picscalex200\\picscaley50 " + Hex(PngBytes(10, 10)),
       {20, 5},
       {10, 10}},
      {"dib", "\\dibitmap0\\picw2\\pich1 " + Hex(dib), {2, 1}, {2, 1}},
      {"binary dib", "\\dibitmap0\\bin" + std::to_string(dib.size()) + " " + dib, {2, 1}, {2, 1}},
      {"bitmap inside a wmf",
       "\\wmetafile8\\picwgoal600\\pichgoal300 " + Hex(wmf),
       {40, 20},
       {2, 1}},
      {"bitmap inside an emf", "\\emfblip\\picwgoal600\\pichgoal300 " + Hex(emf), {40, 20}, {2, 1}},
      {"vector wmf is a box",
       "\\wmetafile8\\picwgoal1500\\pichgoal750 " + Hex(wmf.substr(0, 18)),
       {100, 50},
       {}},
      {"unreadable png is a box", "\\pngblip\\picwgoal150\\pichgoal150 deadbeef", {10, 10}, {}},
      {"odd hex ignored", "\\pngblip " + Hex(PngBytes(3, 3)) + "z7", {3, 3}, {3, 3}},
      {"huge goal is bounded", "\\pngblip\\picwgoal2000000000\\pichgoal15 00", {4000, 1}, {}},
      {"huge goal scaled up is bounded",
       "\\pngblip\\picwgoal2000000000\\picscalex10000\\pichgoal15 00",
       {4000, 1},
       {}},
  };
  for (const Case& c : cases) {
    Doc d("{\\rtf1 a{\\pict" + c.pict + "}b}");
    EXPECT_EQ(d.Text().size(), 3) << c.name;
    const QTextImageFormat image = d.Image(0);
    ASSERT_TRUE(image.isValid()) << c.name;
    EXPECT_EQ(QSize(int(image.width()), int(image.height())), c.shown) << c.name;
    const QImage data =
        d.doc.resource(QTextDocument::ImageResource, QUrl(image.name())).value<QImage>();
    EXPECT_EQ(d.stats.placeholders, c.decoded.isEmpty() ? 1 : 0) << c.name;
    if (!c.decoded.isEmpty()) {
      EXPECT_EQ(data.size(), c.decoded) << c.name;
    }
  }
}

TEST(RtfReader, DibColoursSurvive) {
  ui::TestApp();
  const QImage image = ui::DecodeRtfPicture(ui::RtfPictureKind::Dib, SmallDib());
  ASSERT_EQ(image.size(), QSize(2, 1));
  EXPECT_EQ(QColor(image.pixel(0, 0)), QColor(Qt::red));
  EXPECT_EQ(QColor(image.pixel(1, 0)), QColor(Qt::blue));
}

TEST(RtfReader, ShapePictureShownOnceAndObjectsByResult) {
  const std::string png = Hex(PngBytes(2, 2));
  Doc d("{\\rtf1 {\\*\\shppict{\\pict\\pngblip " + png +
        "}}{\\nonshppict{\\pict\\wmetafile8 0100}}"
        "{\\object\\objemb{\\*\\objclass Paint}{\\*\\objdata 0102}{\\result{\\pict\\pngblip " +
        png + "}}}}");
  EXPECT_EQ(d.stats.pictures, 2);
  EXPECT_EQ(d.stats.placeholders, 0);
}

TEST(RtfReader, BrokenInputKeepsWhatWasRead) {
  const TextCase cases[] = {
      {"truncated in a group", "{\\rtf1 abc{\\b def", u"abcdef"_qs},
      {"unmatched closing braces", "{\\rtf1 a}}}b}", u"ab"_qs},
      {"cut inside an escape", "{\\rtf1 a\\'4", u"a4"_qs},
      {"bad hex escape", "{\\rtf1 a\\'zzb}", u"azzb"_qs},
      {"backslash at the end", "{\\rtf1 a\\", u"a"_qs},
      {"huge bin length", "{\\rtf1 a\\bin99999999999 bcdef}", u"a"_qs},
      {"negative bin length", "{\\rtf1 a\\bin-5 b}", u"ab"_qs},
      {"huge parameter", "{\\rtf1\\fs99999999999999999999 a\\u99999999999?b}", u"a\ufffdb"_qs},
      {"cut inside a picture", "{\\rtf1 a{\\pict\\pngblip 89504e", u"a\ufffc"_qs},
      {"colour index past the table", "{\\rtf1{\\colortbl;}\\cf9 a\\highlight-3 b}", u"ab"_qs},
  };
  for (const TextCase& c : cases) {
    Doc d(c.rtf);
    EXPECT_EQ(d.Text().toStdString(), c.expected.toStdString()) << c.name;
  }
  EXPECT_TRUE(Doc("{\\rtf1 abc{\\b def").stats.truncated);
  // Cells without a row definition still make a table that holds every piece of text.
  Doc cells("{\\rtf1 a\\cell b\\row c}");
  EXPECT_EQ(cells.stats.tables, 1);
  EXPECT_EQ(cells.doc.toPlainText().remove('\n').toStdString(), "abc");
}

TEST(RtfReader, DeepNestingAndManyColumnsAreBounded) {
  std::string deep = "{\\rtf1 a";
  deep += std::string(200000, '{') + "x" + std::string(200000, '}') + "b}";
  Doc d(deep);
  EXPECT_EQ(d.Text().toStdString(), "axb");

  std::string wide = "{\\rtf1\\trowd";
  for (int i = 1; i <= 500; ++i) wide += "\\cellx" + std::to_string(i * 100);
  wide += "\\intbl";
  for (int i = 0; i < 500; ++i) wide += "c\\cell";
  wide += "\\row}";
  Doc w(wide);
  ASSERT_EQ(w.stats.tables, 1);
  QTextTable* table = qobject_cast<QTextTable*>(w.doc.rootFrame()->childFrames().value(0));
  ASSERT_NE(table, nullptr);
  EXPECT_LE(table->columns(), 64);
}

TEST(RtfReader, BudgetsBoundWhatASmallFileCanMake) {
  ui::TestApp();
  // A picture whose header asks for more pixels than a document may hold is a placeholder.
  std::string big = Le32(40) + Le32(20000) + Le32(20000) + Le16(1) + Le16(1) +
                    std::string(24, '\0') + "\xff\xff\xff";
  big += std::string(8, '\0');
  Doc d("{\\rtf1{\\pict\\dibitmap0 " + Hex(big) + "}{\\pict\\dibitmap0 " + Hex(SmallDib()) + "}}");
  EXPECT_EQ(d.stats.placeholders, 1);
  EXPECT_EQ(d.stats.pictures, 1);
  EXPECT_TRUE(ui::DecodeRtfPicture(ui::RtfPictureKind::Dib, SmallDib(), 1).isNull());
  EXPECT_FALSE(ui::DecodeRtfPicture(ui::RtfPictureKind::Dib, SmallDib(), 2).isNull());

  // Rows past the cell budget become plain paragraphs; their text is all still there.
  std::string rows = "{\\rtf1\\trowd";
  for (int i = 1; i <= 64; ++i) rows += "\\cellx" + std::to_string(i * 100);
  for (int i = 0; i < 2000; ++i) rows += "\\intbl r\\cell\\row";
  rows += "}";
  Doc t(rows);
  QTextTable* table = qobject_cast<QTextTable*>(t.doc.rootFrame()->childFrames().value(0));
  ASSERT_NE(table, nullptr);
  EXPECT_LE(int64_t(table->rows()) * table->columns(), 10000 + 64);
  EXPECT_EQ(t.doc.toPlainText().count('r'), 2000);
}

TEST(RtfReader, PlainTextIsNotRtf) {
  Doc d("just text \xd6\xd0");
  EXPECT_FALSE(d.ok);
  EXPECT_FALSE(d.stats.isRtf);
  EXPECT_EQ(d.Text(), u"just text 中"_qs);
}

TEST(RtfReader, MissingFileClearsTheDocument) {
  ui::TestApp();
  QTextDocument doc;
  doc.setPlainText("old");
  EXPECT_FALSE(ui::ReadRtfFile("/nonexistent/kirv/none.rtf", doc));
  EXPECT_TRUE(doc.isEmpty());
}

}  // namespace
