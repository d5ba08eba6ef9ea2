// Opening (from a file and from bytes), files that are no document, SaveAs, Close and Quit.
#include "platform/office/word/application.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>

#include "platform/office/word/range.h"
#include "platform/office/word/testing/docx_writer.h"
#include "platform/win/confined_file.h"
#include "platform/win/paths.h"

namespace word {
namespace {

using testing::DocxContent;
using testing::TempFolder;
using testing::TextPara;

std::string ReadAll(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

DocxContent TwoParagraphs() {
  DocxContent content;
  content.body = TextPara("第一段") + TextPara("second") + testing::SectPr();
  return content;
}

TEST(Application, OpensAFileOrItsBytesAndTheLastOpenedIsActive) {
  TempFolder tmp("word_open");
  const auto file = tmp.Path() / "report.docx";
  ASSERT_TRUE(testing::WriteDocx(file, TwoParagraphs()));
  Application app;
  EXPECT_FALSE(app.Selection());
  base::Result<Document*> first = app.Documents().Open(win::ToWindowsPath(file));
  ASSERT_TRUE(first) << first.error().message;
  base::Result<Document*> second = app.Documents().OpenBytes("C:\\x\\copy.doc", ReadAll(file));
  ASSERT_TRUE(second) << second.error().message;
  EXPECT_EQ(app.ActiveDocument(), *second);
  EXPECT_EQ(app.Documents().Count(), 2);
  EXPECT_EQ((*second)->Name(), "copy.doc");
  EXPECT_EQ(*app.Documents().Item("COPY.DOC"), *second);
  EXPECT_EQ(*app.Documents().Item(1), *first);
  EXPECT_EQ(app.Documents().Item(3).error().code, 5941);
  // Opening an open document again makes it active and reads nothing.
  EXPECT_EQ(*app.Documents().Open(win::ToWindowsPath(file)), *first);
  EXPECT_EQ(app.ActiveDocument(), *first);
  EXPECT_EQ(*app.Documents().OpenBytes("c:\\X\\COPY.DOC", "not even a package"), *second);
  EXPECT_EQ(app.Documents().Count(), 2);
  EXPECT_EQ(*(*first)->Content().Text(), "第一段\rsecond\r");
  base::Result<Selection*> selection = app.Selection();
  ASSERT_TRUE(selection);
  EXPECT_EQ((*selection)->Start(), 0);
  EXPECT_EQ((*selection)->End(), 0);
  (*second)->Close();
  EXPECT_EQ(app.ActiveDocument(), *first);
  app.Quit();
  EXPECT_EQ(app.Documents().Count(), 0);
  EXPECT_EQ(app.ActiveDocument(), nullptr);
}

TEST(Application, FilesThatAreNoDocumentFailWithAReason) {
  TempFolder tmp("word_bad");
  const auto text = tmp.Path() / "notes.doc";
  std::ofstream(text) << "plain text";
  const auto binary = tmp.Path() / "old.doc";
  std::ofstream(binary, std::ios::binary)
      << std::string("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8) << std::string(500, '\0');
  const auto rtf = tmp.Path() / "rich.doc";
  std::ofstream(rtf) << "{\\rtf1 hello}";
  const auto workbookLike = tmp.Path() / "book.docx";
  // A package whose main part is no w:document: write one and swap its root.
  ASSERT_TRUE(opc::WriteZip(
      workbookLike,
      {{"[Content_Types].xml",
        "<Types xmlns=\"http://schemas.openxmlformats.org/package/2006/content-types\"/>"},
       {"_rels/.rels",
        "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
        "<Relationship Id=\"r\" Type=\"http://schemas.openxmlformats.org/officeDocument/2006/"
        "relationships/officeDocument\" Target=\"xl/workbook.xml\"/></Relationships>"},
       {"xl/workbook.xml", "<workbook/>"}}));
  struct Case {
    std::filesystem::path file;
    const char* reason;
  } cases[] = {{text, "no zip signature"},
               {binary, "binary word-processor file"},
               {rtf, "RTF"},
               {workbookLike, "no w:document"},
               {tmp.Path() / "missing.docx", "no such file"},
               {tmp.Path(), "not a regular file"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.file.string());
    Application app;
    base::Result<Document*> opened = app.Documents().Open(win::ToWindowsPath(c.file));
    ASSERT_FALSE(opened);
    EXPECT_NE(opened.error().message.find(c.reason), std::string::npos) << opened.error().message;
    EXPECT_EQ(app.Documents().Count(), 0);
  }
  Application app;
  base::Result<Document*> missing = app.Documents().Open(win::ToWindowsPath(tmp.Path() / "no.doc"));
  ASSERT_FALSE(missing);
  EXPECT_TRUE(win::ReadsAsMissing(missing.error()));
}

TEST(Application, SaveAsWritesACopyUnderAnyNameAndNeverTouchesTheSource) {
  TempFolder tmp("word_save");
  const auto source = tmp.Path() / "doc1.doc";  // a package under a .doc name: content decides
  ASSERT_TRUE(testing::WriteDocx(source, TwoParagraphs()));
  const std::string before = ReadAll(source);
  Application app;
  base::Result<Document*> opened = app.Documents().Open(win::ToWindowsPath(source));
  ASSERT_TRUE(opened) << opened.error().message;
  Document* document = *opened;
  const auto copy = tmp.Path() / "doc1tmq.doc";
  std::ofstream(copy) << "an older copy";
  base::Status saved = document->SaveAs(win::ToWindowsPath(copy));
  ASSERT_TRUE(saved) << saved.error().message;
  EXPECT_EQ(document->Name(), "doc1tmq.doc");
  EXPECT_TRUE(document->Saved());
  EXPECT_EQ(ReadAll(source), before);
  EXPECT_EQ(ReadAll(copy), before);  // unchanged: byte for byte
  Application again;
  base::Result<Document*> reopened = again.Documents().Open(win::ToWindowsPath(copy));
  ASSERT_TRUE(reopened) << reopened.error().message;
  EXPECT_EQ(*(*reopened)->Content().Text(), "第一段\rsecond\r");
  // Only the copy and its source are in the folder: the temporary file is gone.
  int files = 0;
  for (const auto& entry : std::filesystem::directory_iterator(tmp.Path())) {
    static_cast<void>(entry);
    ++files;
  }
  EXPECT_EQ(files, 2);

  base::Status refused = document->SaveAs(win::ToWindowsPath(tmp.Path() / "no" / "such" / "x.doc"));
  ASSERT_FALSE(refused);
  EXPECT_EQ(refused.error().code, 4198);
  EXPECT_EQ(document->Name(), "doc1tmq.doc");
}

TEST(Application, MeasurementUnitTakesOnlyTheUnitsThereAre) {
  Application app;
  EXPECT_EQ(app.Options().MeasurementUnit(), wdCentimeters);
  EXPECT_TRUE(app.Options().SetMeasurementUnit(wdPoints));
  EXPECT_EQ(app.Options().MeasurementUnit(), wdPoints);
  EXPECT_FALSE(app.Options().SetMeasurementUnit(5));
  EXPECT_FALSE(app.Options().SetMeasurementUnit(-1));
  EXPECT_EQ(app.Options().MeasurementUnit(), wdPoints);
}

}  // namespace
}  // namespace word
