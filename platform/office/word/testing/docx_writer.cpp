// Building .docx packages for tests.
#include "platform/office/word/testing/docx_writer.h"

#include <fstream>
#include <iterator>

#include "platform/office/excel/testing/xlsx_writer.h"
#include "platform/office/opc/package.h"

namespace word::testing {
namespace {

const char kHead[] = R"(<?xml version="1.0" encoding="UTF-8" standalone="yes"?>)";
const char kRel[] = "http://schemas.openxmlformats.org/officeDocument/2006/relationships";
const char kNamespaces[] =
    R"( xmlns:w="http://schemas.openxmlformats.org/wordprocessingml/2006/main")"
    R"( xmlns:r="http://schemas.openxmlformats.org/officeDocument/2006/relationships")"
    R"( xmlns:wp="http://schemas.openxmlformats.org/drawingml/2006/wordprocessingDrawing")"
    R"( xmlns:a="http://schemas.openxmlformats.org/drawingml/2006/main")"
    R"( xmlns:wps="http://schemas.microsoft.com/office/word/2010/wordprocessingShape")"
    R"( xmlns:mc="http://schemas.openxmlformats.org/markup-compatibility/2006")"
    R"( xmlns:wpg="http://schemas.microsoft.com/office/word/2010/wordprocessingGroup")"
    R"( xmlns:pic="http://schemas.openxmlformats.org/drawingml/2006/picture")"
    R"( xmlns:w10="urn:schemas-microsoft-com:office:word")"
    R"( xmlns:v="urn:schemas-microsoft-com:vml" xmlns:o="urn:schemas-microsoft-com:office:office")";
const char kMainType[] =
    "application/vnd.openxmlformats-officedocument.wordprocessingml.document.main+xml";

std::string Part(std::string_view root, std::string_view inner) {
  return std::string(kHead) + "<" + std::string(root) + kNamespaces + ">" + std::string(inner) +
         "</" + std::string(root) + ">";
}

}  // namespace

std::string Escape(std::string_view text) {
  return excel::testing::EscapeXml(std::string(text));
}

std::string TextRun(std::string_view text, std::string_view rPr) {
  std::string run = "<w:r>";
  if (!rPr.empty()) run += "<w:rPr>" + std::string(rPr) + "</w:rPr>";
  return run + "<w:t xml:space=\"preserve\">" + Escape(text) + "</w:t></w:r>";
}

std::string Para(std::string_view runs, std::string_view pPr) {
  std::string p = "<w:p>";
  if (!pPr.empty()) p += "<w:pPr>" + std::string(pPr) + "</w:pPr>";
  return p + std::string(runs) + "</w:p>";
}

std::string TextPara(std::string_view text, std::string_view pPr, std::string_view rPr) {
  return Para(text.empty() ? std::string() : TextRun(text, rPr), pPr);
}

std::string Table(const std::vector<std::vector<std::string>>& rows, std::string_view tblPr,
                  int columnTwips) {
  std::string xml = "<w:tbl><w:tblPr>" + std::string(tblPr) + "</w:tblPr><w:tblGrid>";
  const size_t columns = rows.empty() ? 0 : rows.front().size();
  for (size_t c = 0; c < columns; ++c)
    xml += "<w:gridCol w:w=\"" + std::to_string(columnTwips) + "\"/>";
  xml += "</w:tblGrid>";
  for (const auto& row : rows) {
    xml += "<w:tr>";
    for (const std::string& text : row) {
      xml += "<w:tc><w:tcPr><w:tcW w:w=\"" + std::to_string(columnTwips) +
             "\" w:type=\"dxa\"/></w:tcPr>" + TextPara(text) + "</w:tc>";
    }
    xml += "</w:tr>";
  }
  return xml + "</w:tbl>";
}

std::string SectPr(std::string_view more, int top, int right, int bottom, int left) {
  return "<w:sectPr>" + std::string(more) +
         "<w:pgSz w:w=\"11906\" w:h=\"16838\"/><w:pgMar w:top=\"" + std::to_string(top) +
         "\" w:right=\"" + std::to_string(right) + "\" w:bottom=\"" + std::to_string(bottom) +
         "\" w:left=\"" + std::to_string(left) +
         "\" w:header=\"851\" w:footer=\"992\" w:gutter=\"0\"/></w:sectPr>";
}

base::Status WriteDocx(const std::filesystem::path& file, const DocxContent& content) {
  std::string types =
      std::string(kHead) +
      R"(<Types xmlns="http://schemas.openxmlformats.org/package/2006/content-types">)"
      R"(<Default Extension="rels" ContentType="application/vnd.openxmlformats-package.relationships+xml"/>)"
      R"(<Default Extension="xml" ContentType="application/xml"/>)"
      R"(<Override PartName="/word/document.xml" ContentType=")" +
      std::string(kMainType) + "\"/>";
  std::string rels =
      std::string(kHead) +
      R"(<Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships">)";
  std::vector<std::pair<std::string, std::string>> entries;
  auto addPart = [&](const std::string& name, const std::string& relType, std::string bytes,
                     const std::string& contentType, const std::string& id) {
    entries.emplace_back("word/" + name, std::move(bytes));
    rels += "<Relationship Id=\"" + id + "\" Type=\"" + kRel + "/" + relType + "\" Target=\"" +
            name + "\"/>";
    types += "<Override PartName=\"/word/" + name + "\" ContentType=\"" + contentType + "\"/>";
  };
  const std::string wml = "application/vnd.openxmlformats-officedocument.wordprocessingml.";
  if (!content.styles.empty())
    addPart("styles.xml", "styles", Part("w:styles", content.styles), wml + "styles+xml", "rIdS");
  if (!content.settings.empty()) {
    addPart("settings.xml", "settings", Part("w:settings", content.settings), wml + "settings+xml",
            "rIdSettings");
  }
  if (!content.numbering.empty()) {
    addPart("numbering.xml", "numbering", Part("w:numbering", content.numbering),
            wml + "numbering+xml", "rIdN");
  }
  if (!content.theme.empty()) {
    addPart("theme/theme1.xml", "theme", content.theme,
            "application/vnd.openxmlformats-officedocument.theme+xml", "rIdTheme");
  }
  int headers = 0;
  int footers = 0;
  for (const HeaderFooterXml& part : content.headersFooters) {
    const std::string kind = part.footer ? "footer" : "header";
    const int n = part.footer ? ++footers : ++headers;
    addPart(kind + std::to_string(n) + ".xml", kind,
            Part(part.footer ? "w:ftr" : "w:hdr", part.content), wml + kind + "+xml", part.id);
  }
  for (const auto& [id, target] : content.links) {
    rels += "<Relationship Id=\"" + id + "\" Type=\"" + kRel + "/hyperlink\" Target=\"" +
            Escape(target) + "\" TargetMode=\"External\"/>";
  }
  rels += "</Relationships>";
  entries.emplace_back("word/_rels/document.xml.rels", rels);
  entries.emplace_back("word/document.xml", Part("w:document", content.background + "<w:body>" +
                                                                   content.body + "</w:body>"));
  types += "</Types>";
  entries.emplace(entries.begin(), "[Content_Types].xml", types);
  entries.emplace(
      entries.begin() + 1, "_rels/.rels",
      std::string(kHead) +
          R"(<Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships">)"
          R"(<Relationship Id="rId1" Type=")" +
          kRel + R"(/officeDocument" Target="word/document.xml"/></Relationships>)");
  return opc::WriteZip(file, entries);
}

base::Result<std::string> DocxBytes(const DocxContent& content) {
  TempFolder folder("docx_bytes");
  const std::filesystem::path file = folder.Path() / "document.docx";
  if (base::Status written = WriteDocx(file, content); !written) return written.error();
  std::ifstream in(file, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

}  // namespace word::testing
