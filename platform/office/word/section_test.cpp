// Sections: page setup with its defaults, the document grid, text columns, headers and footers
// with their inheritance and page numbers.
#include "platform/office/word/section.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/office/word/errors.h"
#include "platform/office/word/testing/open_docx.h"

namespace word {
namespace {

using testing::DocxContent;
using testing::TextPara;

const char kDefaults[] =
    R"(<w:docDefaults><w:rPrDefault><w:rPr><w:sz w:val="21"/></w:rPr></w:rPrDefault></w:docDefaults>)";

PageSetup FirstPageSetup(testing::OpenedDocx& o) {
  return o.document->Sections().Item(1)->PageSetup();
}

TEST(Section, PageSetupReadsTheSectionsPropertiesWithTheirDefaults) {
  auto a4 =
      testing::OpenBody(TextPara("x") +
                        "<w:sectPr><w:pgSz w:w=\"16838\" w:h=\"11906\" w:orient=\"landscape\"/>"
                        "<w:pgMar w:top=\"1134\" w:right=\"1418\" w:bottom=\"1134\" "
                        "w:left=\"1701\" w:header=\"851\" w:footer=\"992\" w:gutter=\"283\"/>"
                        "<w:type w:val=\"continuous\"/><w:titlePg/></w:sectPr>");
  const PageSetup setup = FirstPageSetup(*a4);
  EXPECT_FLOAT_EQ(setup.PageWidth(), 841.9f);
  EXPECT_FLOAT_EQ(setup.PageHeight(), 595.3f);
  EXPECT_EQ(setup.Orientation(), wdOrientLandscape);
  EXPECT_FLOAT_EQ(setup.TopMargin(), 56.7f);
  EXPECT_FLOAT_EQ(setup.RightMargin(), 70.9f);
  EXPECT_FLOAT_EQ(setup.LeftMargin(), 85.05f);
  EXPECT_FLOAT_EQ(setup.Gutter(), 14.15f);
  // Single precision, as the object model reports lengths: 851 / 20 as a float.
  EXPECT_EQ(setup.HeaderDistance(), 851 / 20.0f);
  EXPECT_EQ(setup.FooterDistance(), 49.6f);
  EXPECT_EQ(setup.SectionStart(), wdSectionContinuous);
  EXPECT_EQ(setup.DifferentFirstPageHeaderFooter(), kTrue);

  auto bare = testing::OpenBody(TextPara("x"));  // no w:sectPr at all
  const PageSetup letter = FirstPageSetup(*bare);
  EXPECT_EQ(letter.PageWidth(), 612.0f);
  EXPECT_EQ(letter.PageHeight(), 792.0f);
  EXPECT_EQ(letter.TopMargin(), 72.0f);
  EXPECT_EQ(letter.LeftMargin(), 90.0f);
  EXPECT_EQ(letter.HeaderDistance(), 36.0f);
  EXPECT_EQ(letter.Orientation(), wdOrientPortrait);
  EXPECT_EQ(letter.SectionStart(), wdSectionNewPage);
  EXPECT_EQ(letter.TextColumns().Count(), 1);
}

TEST(Section, LinesPerPageAndCharactersPerLineOfTheGrid) {
  struct Case {
    const char* docGrid;
    int32_t mode;
    float lines, chars;
  } cases[] = {
      // The Chinese word processor's A4 default: 44 lines of 39 characters.
      {"<w:docGrid w:type=\"lines\" w:linePitch=\"312\"/>", wdLayoutModeLineGrid, 44, 39},
      {"<w:docGrid w:type=\"linesAndChars\" w:linePitch=\"289\" w:charSpace=\"-481\"/>",
       wdLayoutModeGrid, 48, 40},
      // The same spacing as an office suite saves it, unsigned.
      {"<w:docGrid w:type=\"linesAndChars\" w:linePitch=\"289\" w:charSpace=\"4294966815\"/>",
       wdLayoutModeGrid, 48, 40},
      {"<w:docGrid w:type=\"snapToChars\" w:linePitch=\"312\" w:charSpace=\"4096\"/>",
       wdLayoutModeGenko, 44, 36},
      {"", wdLayoutModeDefault, 38, 39},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.docGrid);
    DocxContent content;
    content.styles = kDefaults;
    content.body = TextPara("x") + testing::SectPr(c.docGrid);
    auto o = testing::OpenDocx(content);
    const PageSetup setup = FirstPageSetup(*o);
    EXPECT_EQ(setup.LayoutMode(), c.mode);
    EXPECT_EQ(setup.LinesPage(), c.lines);
    EXPECT_EQ(setup.CharsLine(), c.chars);
  }
}

TEST(Section, TextColumnsEvenlySpacedOrEachItsOwn) {
  auto even = testing::OpenBody(
      TextPara("x") + testing::SectPr("<w:cols w:num=\"2\" w:space=\"425\" w:sep=\"1\"/>"));
  const TextColumns two = FirstPageSetup(*even).TextColumns();
  EXPECT_EQ(two.Count(), 2);
  EXPECT_EQ(two.Spacing(), 21.25f);
  EXPECT_EQ(two.LineBetween(), kTrue);
  EXPECT_EQ(two.EvenlySpaced(), kTrue);
  EXPECT_FLOAT_EQ(two.Width(), (415.3f - 21.25f) / 2);  // A4 less 90 pt margins
  EXPECT_EQ(*two.ColumnSpaceAfter(1), 21.25f);
  EXPECT_EQ(two.ColumnWidth(3).error().code, kErrNoSuchMember);

  auto own = testing::OpenBody(
      TextPara("x") +
      testing::SectPr("<w:cols w:num=\"2\" w:space=\"425\" w:equalWidth=\"0\"><w:col w:w=\"3000\" "
                      "w:space=\"500\"/><w:col w:w=\"4806\"/></w:cols>"));
  const TextColumns mine = FirstPageSetup(*own).TextColumns();
  EXPECT_EQ(mine.Count(), 2);
  EXPECT_EQ(mine.EvenlySpaced(), kFalse);
  EXPECT_EQ(mine.LineBetween(), kFalse);
  EXPECT_EQ(mine.Width(), static_cast<float>(wdUndefined));
  EXPECT_EQ(*mine.ColumnWidth(1), 150.0f);
  EXPECT_EQ(*mine.ColumnSpaceAfter(1), 25.0f);

  // Said to differ, but no w:col says how: as many even columns as w:num says.
  auto unlisted = testing::OpenBody(
      TextPara("x") + testing::SectPr("<w:cols w:num=\"2\" w:space=\"425\" w:equalWidth=\"0\"/>"));
  const TextColumns bare = FirstPageSetup(*unlisted).TextColumns();
  EXPECT_EQ(bare.Count(), 2);
  EXPECT_FLOAT_EQ(*bare.ColumnWidth(2), (415.3f - 21.25f) / 2);
  EXPECT_EQ(*bare.ColumnSpaceAfter(1), 21.25f);
}

TEST(Section, HeadersAndFootersAreStoriesALaterSectionInherits) {
  DocxContent content;
  content.settings = "<w:evenAndOddHeaders/>";
  content.headersFooters = {
      {"rIdH1", false, TextPara("页眉文字")},
      {"rIdF1", true,
       "<w:p><w:pPr><w:jc w:val=\"center\"/></w:pPr><w:fldSimple w:instr=\" PAGE  \\* MERGEFORMAT "
       "\"><w:r><w:t>1</w:t></w:r></w:fldSimple></w:p>"},
      {"rIdF2", true,
       "<w:p><w:pPr><w:framePr w:wrap=\"around\" w:vAnchor=\"text\" w:hAnchor=\"margin\" "
       "w:xAlign=\"outside\" w:y=\"1\"/></w:pPr><w:r><w:fldChar w:fldCharType=\"begin\"/></w:r>"
       "<w:r><w:instrText>PAGE </w:instrText></w:r><w:r><w:fldChar w:fldCharType=\"separate\"/>"
       "</w:r><w:r><w:t>2</w:t></w:r><w:r><w:fldChar w:fldCharType=\"end\"/></w:r></w:p>"
       "<w:p><w:fldSimple w:instr=\" NUMPAGES \"><w:r><w:t>3</w:t></w:r></w:fldSimple></w:p>"},
  };
  content.body = TextPara("第一节",
                          "<w:sectPr><w:headerReference w:type=\"default\" r:id=\"rIdH1\"/>"
                          "<w:footerReference w:type=\"default\" r:id=\"rIdF1\"/></w:sectPr>") +
                 TextPara("第二节") +
                 testing::SectPr("<w:footerReference w:type=\"default\" r:id=\"rIdF2\"/>");
  auto o = testing::OpenDocx(content);
  Document& d = *o->document;
  ASSERT_EQ(d.Sections().Count(), 2);
  const Section first = *d.Sections().Item(1);
  const Section second = *d.Sections().Item(2);
  EXPECT_EQ(*first.Range().Text(), "第一节\f");
  EXPECT_EQ(*second.Range().Text(), "第二节\r");

  const HeaderFooter header1 = *first.Headers().Item(wdHeaderFooterPrimary);
  EXPECT_EQ(*header1.Range().Text(), "页眉文字\r");
  EXPECT_EQ(header1.Range().StoryType(), wdPrimaryHeaderStory);
  EXPECT_EQ(header1.LinkToPrevious(), kFalse);
  const HeaderFooter header2 = *second.Headers().Item(wdHeaderFooterPrimary);
  EXPECT_EQ(*header2.Range().Text(), "页眉文字\r");  // the first section's, inherited
  EXPECT_EQ(header2.LinkToPrevious(), kTrue);
  EXPECT_EQ(header2.Story(), header1.Story());

  EXPECT_EQ(first.Footers().Item(1)->PageNumbers().Count(), 1);
  EXPECT_EQ(first.Footers().Item(1)->PageNumbers().Item(1)->Alignment(), wdAlignPageNumberCenter);
  const PageNumbers framed = second.Footers().Item(1)->PageNumbers();
  ASSERT_EQ(framed.Count(), 1);
  EXPECT_EQ(framed.Item(1)->Alignment(), wdAlignPageNumberOutside);

  // No first-page header of its own and none asked for: an empty story, not there.
  const HeaderFooter firstPage = *first.Headers().Item(wdHeaderFooterFirstPage);
  EXPECT_EQ(firstPage.Exists(), kFalse);
  EXPECT_EQ(*firstPage.Range().Text(), "\r");
  EXPECT_EQ(firstPage.PageNumbers().Count(), 0);
  EXPECT_EQ(firstPage.PageNumbers().Item(1).error().code, kErrNoSuchMember);
  EXPECT_EQ(first.Headers().Item(wdHeaderFooterEvenPages)->Exists(), kTrue);
  EXPECT_EQ(first.Headers().Item(4).error().code, kErrNoSuchMember);

  // The selection's sections.
  Selection& s = d.Selection();
  s.SetRange(5, 5);
  EXPECT_EQ(s.Range().Sections().Item(1)->Index(), 2);
  s.SetRange(2, 6);
  EXPECT_EQ(s.Range().Sections().Count(), 2);
  s.Select(header1.Range());
  EXPECT_EQ(s.Range().Sections().Item(1)->Index(), 1);
}

TEST(Section, AReferenceToAMissingPartFails) {
  DocxContent content;
  content.body =
      TextPara("x") + testing::SectPr("<w:headerReference w:type=\"default\" r:id=\"rIdNone\"/>");
  auto o = testing::OpenDocx(content);
  base::Result<HeaderFooter> header = o->document->Sections().Item(1)->Headers().Item(1);
  ASSERT_FALSE(header);
  EXPECT_NE(header.error().message.find("rIdNone"), std::string::npos);
}

}  // namespace
}  // namespace word
