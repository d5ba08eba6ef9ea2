// Test helper: writes small but real .docx files from WordprocessingML fragments, so tests, fuzz
// seeds and benchmarks exercise the document model on genuine packages without a word
// processor. Fragments use the usual prefixes (w:, r:, wp:, a:, v:, o:, mc:, wps:, wpg:,
// pic:, w10:), all declared
// on every part the writer makes.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/base/result.h"
#include "platform/win/testing/test_folder.h"

namespace word::testing {

// A header or footer part, named word/header<n>.xml or word/footer<n>.xml in the order given;
// the body's w:sectPr refers to it by `id` (w:headerReference r:id="...").
struct HeaderFooterXml {
  std::string id;
  bool footer = false;
  std::string content;  // the inner XML of w:hdr / w:ftr
};

struct DocxContent {
  std::string body;        // the inner XML of w:body: paragraphs, tables, the final w:sectPr
  std::string background;  // a w:background element placed before the body; "" for none
  std::string styles;      // the inner XML of w:styles; "" writes no styles part
  std::string settings;    // the inner XML of w:settings; "" writes no settings part
  std::string numbering;   // the inner XML of w:numbering; "" writes none
  std::string theme;       // a whole a:theme part; "" writes none
  std::vector<HeaderFooterXml> headersFooters;
  // External relationships of the main part (hyperlink targets): id, target.
  std::vector<std::pair<std::string, std::string>> links;
};

base::Status WriteDocx(const std::filesystem::path& file, const DocxContent& content);
// The bytes of that file, for opening from memory.
base::Result<std::string> DocxBytes(const DocxContent& content);

// XML text escaping for element content and attribute values.
std::string Escape(std::string_view text);

// <w:r> with `text` in a w:t that keeps its blanks, and the given run properties (the inner
// XML of w:rPr; "" for none).
std::string TextRun(std::string_view text, std::string_view rPr = "");
// <w:p> with the given paragraph properties (inner XML of w:pPr) and runs (whole w:r elements).
std::string Para(std::string_view runs, std::string_view pPr = "");
// A paragraph of one run.
std::string TextPara(std::string_view text, std::string_view pPr = "", std::string_view rPr = "");
// A table whose cells each hold one paragraph of the given text; `tblPr` is the inner XML of
// w:tblPr, the grid gets `rows[0].size()` columns of `columnTwips` each.
std::string Table(const std::vector<std::vector<std::string>>& rows, std::string_view tblPr = "",
                  int columnTwips = 2000);

// The blank document's "Normal Table" style (a1) and the "Table Grid" style (a3, single borders
// all round and inside) a word processor adds once a table takes it; part of w:styles' inner XML.
inline constexpr char kTableGridStyles[] =
    R"(<w:style w:type="table" w:default="1" w:styleId="a1"><w:name w:val="Normal Table"/>)"
    R"(<w:tblPr><w:tblCellMar><w:left w:w="108" w:type="dxa"/><w:right w:w="108" w:type="dxa"/></w:tblCellMar></w:tblPr></w:style>)"
    R"(<w:style w:type="table" w:styleId="a3"><w:name w:val="Table Grid"/><w:basedOn w:val="a1"/>)"
    R"(<w:tblPr><w:tblBorders><w:top w:val="single" w:sz="4" w:space="0" w:color="auto"/><w:left w:val="single" w:sz="4" w:space="0" w:color="auto"/>)"
    R"(<w:bottom w:val="single" w:sz="4" w:space="0" w:color="auto"/><w:right w:val="single" w:sz="4" w:space="0" w:color="auto"/>)"
    R"(<w:insideH w:val="single" w:sz="4" w:space="0" w:color="auto"/><w:insideV w:val="single" w:sz="4" w:space="0" w:color="auto"/></w:tblBorders></w:tblPr></w:style>)";

// A section's properties for the body's end: A4 portrait with the given margins (twips) and
// any further inner XML (header references, w:cols, w:docGrid).
std::string SectPr(std::string_view more = "", int top = 1440, int right = 1800, int bottom = 1440,
                   int left = 1800);

// A folder for one test under KIRV_TEST_TMP (or the system's temporary folder), removed
// afterwards.
class TempFolder : public win::testing::ScopedTempFolder {
 public:
  explicit TempFolder(const std::string& name) : ScopedTempFolder(name + "_") {}
};

}  // namespace word::testing
