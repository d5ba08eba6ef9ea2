// The sample documents.
#include "platform/office/word/testing/sample_documents.h"

#include "platform/office/word/testing/shape_xml.h"

namespace word::testing {
namespace {

// The styles before and after the table styles every sample shares.
const char kStylesBefore[] =
    R"(<w:docDefaults><w:rPrDefault><w:rPr><w:rFonts w:asciiTheme="minorHAnsi" w:eastAsiaTheme="minorEastAsia" w:hAnsiTheme="minorHAnsi"/><w:kern w:val="2"/><w:sz w:val="21"/><w:lang w:val="en-US" w:eastAsia="zh-CN"/></w:rPr></w:rPrDefault>)"
    R"(<w:pPrDefault><w:pPr><w:jc w:val="both"/></w:pPr></w:pPrDefault></w:docDefaults>)"
    R"(<w:style w:type="paragraph" w:default="1" w:styleId="a"><w:name w:val="Normal"/><w:qFormat/></w:style>)"
    R"(<w:style w:type="paragraph" w:styleId="1"><w:name w:val="heading 1"/><w:basedOn w:val="a"/><w:next w:val="a"/>)"
    R"(<w:pPr><w:keepNext/><w:spacing w:before="340" w:after="330" w:line="578" w:lineRule="auto"/><w:outlineLvl w:val="0"/></w:pPr>)"
    R"(<w:rPr><w:b/><w:bCs/><w:kern w:val="44"/><w:sz w:val="44"/></w:rPr></w:style>)"
    R"(<w:style w:type="character" w:default="1" w:styleId="a0"><w:name w:val="Default Paragraph Font"/></w:style>)"
    R"(<w:style w:type="character" w:styleId="a5"><w:name w:val="Strong"/><w:rPr><w:b/></w:rPr></w:style>)";
const char kStylesAfter[] =
    R"(<w:style w:type="paragraph" w:styleId="a4"><w:name w:val="header"/><w:basedOn w:val="a"/><w:pPr><w:jc w:val="center"/></w:pPr><w:rPr><w:sz w:val="18"/></w:rPr></w:style>)"
    R"(<w:style w:type="paragraph" w:styleId="a6"><w:name w:val="footer"/><w:basedOn w:val="a"/><w:rPr><w:sz w:val="18"/></w:rPr></w:style>)";

const char kTheme[] =
    R"(<?xml version="1.0" encoding="UTF-8" standalone="yes"?><a:theme xmlns:a="http://schemas.openxmlformats.org/drawingml/2006/main" name="Office">)"
    R"(<a:themeElements><a:clrScheme name="Office"><a:dk1><a:sysClr val="windowText" lastClr="000000"/></a:dk1><a:lt1><a:sysClr val="window" lastClr="FFFFFF"/></a:lt1>)"
    R"(<a:dk2><a:srgbClr val="44546A"/></a:dk2><a:lt2><a:srgbClr val="E7E6E6"/></a:lt2><a:accent1><a:srgbClr val="4472C4"/></a:accent1><a:accent2><a:srgbClr val="ED7D31"/></a:accent2>)"
    R"(<a:accent3><a:srgbClr val="A5A5A5"/></a:accent3><a:accent4><a:srgbClr val="FFC000"/></a:accent4><a:accent5><a:srgbClr val="5B9BD5"/></a:accent5><a:accent6><a:srgbClr val="70AD47"/></a:accent6>)"
    R"(<a:hlink><a:srgbClr val="0563C1"/></a:hlink><a:folHlink><a:srgbClr val="954F72"/></a:folHlink></a:clrScheme>)"
    R"(<a:fontScheme name="Office"><a:majorFont><a:latin typeface="Calibri Light"/><a:ea typeface=""/><a:cs typeface=""/><a:font script="Hans" typeface="等线 Light"/></a:majorFont>)"
    R"(<a:minorFont><a:latin typeface="Calibri"/><a:ea typeface=""/><a:cs typeface=""/><a:font script="Hans" typeface="等线"/></a:minorFont></a:fontScheme>)"
    R"(<a:fmtScheme name="Office"><a:fillStyleLst/><a:lnStyleLst/><a:effectStyleLst/><a:bgFillStyleLst/></a:fmtScheme></a:themeElements></a:theme>)";

const char kNumbering[] =
    R"(<w:abstractNum w:abstractNumId="0"><w:lvl w:ilvl="0"><w:start w:val="1"/><w:numFmt w:val="decimal"/><w:lvlText w:val="%1."/>)"
    R"(<w:pPr><w:ind w:left="420" w:hanging="420"/></w:pPr></w:lvl></w:abstractNum><w:num w:numId="1"><w:abstractNumId w:val="0"/></w:num>)";

std::string Cell(const std::string& text, const std::string& tcPr = "") {
  return "<w:tc><w:tcPr><w:tcW w:w=\"1659\" w:type=\"dxa\"/>" + tcPr + "</w:tcPr>" +
         TextPara(text, "<w:jc w:val=\"center\"/>") + "</w:tc>";
}

std::string ScoreTable() {
  std::string rows =
      "<w:tr><w:trPr><w:trHeight w:val=\"454\"/></w:trPr>" +
      Cell("成绩表",
           "<w:gridSpan w:val=\"5\"/><w:shd w:val=\"clear\" w:color=\"auto\" w:fill=\"D9D9D9\"/>") +
      "</w:tr><w:tr>" + Cell("姓名") + Cell("语文") + Cell("数学") + Cell("英语") +
      Cell("总分", "<w:vMerge w:val=\"restart\"/><w:vAlign w:val=\"center\"/>") + "</w:tr>";
  const char* names[] = {"张三", "李四", "王五", "赵六"};
  for (const char* name : names) {
    rows += "<w:tr>" + Cell(name) + Cell("86") + Cell("92") + Cell("78") + Cell("", "<w:vMerge/>") +
            "</w:tr>";
  }
  std::string grid = "<w:tblGrid>";
  for (int c = 0; c < 5; ++c) grid += "<w:gridCol w:w=\"1659\"/>";
  return "<w:tbl><w:tblPr><w:tblStyle w:val=\"a3\"/><w:tblW w:w=\"0\" w:type=\"auto\"/><w:jc "
         "w:val=\"center\"/>"
         "<w:tblLook w:val=\"04A0\"/></w:tblPr>" +
         grid + "</w:tblGrid>" + rows + "</w:tbl>";
}

std::string Body(int paragraphs) {
  std::string body = TextPara("春天的故事", "<w:pStyle w:val=\"1\"/><w:jc w:val=\"center\"/>",
                              "<w:rFonts w:ascii=\"黑体\" w:eastAsia=\"黑体\" "
                              "w:hAnsi=\"黑体\"/><w:color w:val=\"FF0000\"/>") +
                     TextPara("春",
                              "<w:keepNext/><w:framePr w:dropCap=\"drop\" w:lines=\"3\" "
                              "w:hSpace=\"142\" w:wrap=\"around\" "
                              "w:vAnchor=\"text\" w:hAnchor=\"text\"/><w:spacing w:line=\"1040\" "
                              "w:lineRule=\"exact\"/>",
                              "<w:rFonts w:ascii=\"隶书\" w:eastAsia=\"隶书\"/><w:position "
                              "w:val=\"-10\"/><w:sz w:val=\"94\"/>");
  for (int i = 0; i < paragraphs; ++i) {
    body += Para(
        TextRun("天来了，万物复苏。第" + std::to_string(i + 1) + "段的文字 with Latin text, ") +
            TextRun("加粗的部分", "<w:rStyle w:val=\"a5\"/>") +
            TextRun("和带下划线的部分",
                    "<w:u w:val=\"double\" w:color=\"0000FF\"/><w:em w:val=\"dot\"/>") +
            TextRun("。", "<w:shd w:val=\"pct25\" w:color=\"auto\" w:fill=\"FFFF00\"/>"),
        "<w:spacing w:before=\"156\" w:beforeLines=\"50\" w:line=\"360\" w:lineRule=\"auto\"/>"
        "<w:ind w:firstLineChars=\"200\" w:firstLine=\"420\"/>");
  }
  body +=
      "<w:p><w:pPr><w:sectPr><w:headerReference w:type=\"default\" r:id=\"rIdHeader\"/>"
      "<w:footerReference w:type=\"default\" r:id=\"rIdFooter\"/><w:pgSz w:w=\"11906\" "
      "w:h=\"16838\"/>"
      "<w:pgMar w:top=\"1440\" w:right=\"1800\" w:bottom=\"1440\" w:left=\"1800\" w:header=\"851\" "
      "w:footer=\"992\" w:gutter=\"0\"/><w:cols w:space=\"425\"/><w:docGrid w:type=\"lines\" "
      "w:linePitch=\"312\"/></w:sectPr></w:pPr></w:p>";
  body += ScoreTable() + TextPara("表格之后的文字");
  body += Para("<w:hyperlink r:id=\"rIdLink\"><w:r><w:t>网站</w:t></w:r></w:hyperlink>") +
          TextPara("第一项", "<w:numPr><w:ilvl w:val=\"0\"/><w:numId w:val=\"1\"/></w:numPr>");
  body += SectPr(
      "<w:type w:val=\"continuous\"/><w:cols w:num=\"2\" w:space=\"425\" w:sep=\"1\"/>"
      "<w:docGrid w:type=\"linesAndChars\" w:linePitch=\"312\" w:charSpace=\"-481\"/>");
  return body;
}

DocxContent Full(int paragraphs) {
  DocxContent content;
  content.styles = std::string(kStylesBefore) + kTableGridStyles + kStylesAfter;
  content.theme = kTheme;
  content.numbering = kNumbering;
  content.settings =
      R"(<w:zoom w:percent="100"/><w:defaultTabStop w:val="420"/><w:themeFontLang w:val="en-US" w:eastAsia="zh-CN"/>)";
  content.background =
      R"(<w:background w:color="FFFF00"><v:background id="_x0000_s1025" o:bwmode="white" o:targetscreensize="1024,768">)"
      R"(<v:fill color2="#ff8200" colors="0 #000082;19661f #66008f;42598f #ba0066;58982f red;1 #ff8200" method="none" focus="100%" type="gradient"/>)"
      R"(</v:background></w:background>)";
  content.headersFooters = {
      {"rIdHeader", false, TextPara("考试文档页眉", "<w:pStyle w:val=\"a4\"/>")},
      {"rIdFooter", true,
       "<w:p><w:pPr><w:pStyle w:val=\"a6\"/><w:framePr w:wrap=\"around\" w:vAnchor=\"text\" "
       "w:hAnchor=\"margin\" w:xAlign=\"center\" w:y=\"1\"/></w:pPr><w:r><w:fldChar "
       "w:fldCharType=\"begin\"/></w:r>"
       "<w:r><w:instrText xml:space=\"preserve\"> PAGE </w:instrText></w:r><w:r><w:fldChar "
       "w:fldCharType=\"separate\"/></w:r>"
       "<w:r><w:t>1</w:t></w:r><w:r><w:fldChar w:fldCharType=\"end\"/></w:r></w:p>"},
  };
  content.links = {{"rIdLink", "http://www.example.com/"}};
  content.body = Body(paragraphs);
  return content;
}

// Floating drawings of every kind and form: a text box, a picture, a group holding a nested
// group, the same box in an alternate-content block and as VML, a VML group.
DocxContent Shapes() {
  const int64_t pt = kEmuPerPoint;
  AnchorXml box;
  box.graphic = ShapeXml(R"(<a:solidFill><a:srgbClr val="FF0000"/></a:solidFill>)",
                         TextPara("框中文字"), R"(lIns="0")");
  AnchorXml picture;
  picture.name = "Picture 2";
  picture.positionH = AlignH("page", "center");
  picture.wrap = "<wp:wrapNone/>";
  picture.graphic = PictureXml("<a:grayscl/>");
  AnchorXml group;
  group.name = "Group 3";
  const std::string member =
      ShapeXml(Xfrm(0, 0, 100 * pt, 50 * pt), TextPara("member"), "", true, "Text Box 4");
  group.graphic = GroupXml(0, 0, 200 * pt, 100 * pt,
                           member + GroupXml(0, 0, 100 * pt, 50 * pt, member, true, "Group 5",
                                             100 * pt, 50 * pt, 100 * pt, 50 * pt));
  const std::string vml =
      Pict(R"(<v:shape id="Text Box 6" type="#_x0000_t202" style="position:absolute;)"
           R"(margin-left:10pt;width:100pt;height:50pt;mso-position-horizontal-relative:page")"
           R"( fillcolor="#ff0"><v:textbox inset="1mm,1mm,1mm,1mm"><w:txbxContent>)" +
           TextPara("vml") +
           R"(</w:txbxContent></v:textbox><w10:wrap type="tight"/></v:shape>)"
           R"(<v:group alt="Group 7" style="position:absolute;width:100pt;height:100pt")"
           R"( coordsize="10,10"><v:oval ID="Oval 8" style="left:1;top:1;width:5;height:5"/>)"
           R"(</v:group>)");
  DocxContent content;
  content.body = TextPara("标题") + Para(TextRun("正文") + ObjectRun(Anchor(box))) +
                 Para(ObjectRun(Anchor(picture)) + ObjectRun(Anchor(group))) +
                 Para(ObjectRun(AlternateContent(Anchor(box), vml))) + Para(ObjectRun(vml)) +
                 SectPr();
  return content;
}

}  // namespace

DocxContent TaskDocument() {
  return Full(12);
}

std::vector<std::pair<std::string, DocxContent>> Samples() {
  std::vector<std::pair<std::string, DocxContent>> samples;
  samples.emplace_back("task.docx", Full(3));
  DocxContent plain;
  plain.body = TextPara("plain text") + TextPara("第二段") + SectPr();
  samples.emplace_back("plain.docx", plain);
  DocxContent nested;
  nested.body = "<w:tbl><w:tblGrid><w:gridCol w:w=\"3000\"/></w:tblGrid><w:tr><w:tc>" +
                Table({{"a", "b"}, {"c", ""}}) + TextPara("") + "</w:tc></w:tr></w:tbl>" +
                "<w:tbl><w:tr><w:tc/></w:tr></w:tbl>";
  samples.emplace_back("nested_tables.docx", nested);
  DocxContent loops;
  loops.styles =
      R"(<w:style w:type="paragraph" w:styleId="A"><w:basedOn w:val="B"/><w:rPr><w:b/></w:rPr></w:style>)"
      R"(<w:style w:type="paragraph" w:styleId="B"><w:basedOn w:val="A"/><w:rPr><w:i/></w:rPr></w:style>)";
  loops.body = TextPara("loop", "<w:pStyle w:val=\"A\"/>") +
               "<w:p><w:fldSimple w:instr=\" PAGE \"><w:r><w:t>1</w:t></w:r></w:fldSimple>"
               "<w:r><w:fldChar w:fldCharType=\"begin\"/></w:r></w:p>";
  samples.emplace_back("style_loop.docx", loops);
  // A style table read only where used: a long basedOn chain, loops, a base of another type,
  // two styles with one id, used by paragraphs, runs and a table.
  DocxContent chains;
  for (int i = 0; i < 300; ++i) {
    chains.styles += "<w:style w:type=\"paragraph\" w:styleId=\"c" + std::to_string(i) + "\">";
    if (i > 0) chains.styles += "<w:basedOn w:val=\"c" + std::to_string(i - 1) + "\"/>";
    if (i % 7 == 0)
      chains.styles += "<w:rPr><w:sz w:val=\"" + std::to_string(20 + i % 30) + "\"/></w:rPr>";
    chains.styles += "</w:style>";
  }
  chains.styles +=
      R"(<w:style w:type="paragraph" w:styleId="c0"><w:rPr><w:b/></w:rPr></w:style>)"
      R"(<w:style w:type="character" w:styleId="R1"><w:basedOn w:val="R2"/><w:rPr><w:i/></w:rPr></w:style>)"
      R"(<w:style w:type="character" w:styleId="R2"><w:basedOn w:val="R3"/></w:style>)"
      R"(<w:style w:type="character" w:styleId="R3"><w:basedOn w:val="R1"/><w:rPr><w:b/></w:rPr></w:style>)"
      R"(<w:style w:type="table" w:styleId="T"><w:basedOn w:val="T"/><w:pPr><w:jc w:val="center"/></w:pPr></w:style>)"
      R"(<w:style w:type="paragraph" w:styleId="P"><w:basedOn w:val="R1"/></w:style>)";
  chains.body = TextPara("deep", "<w:pStyle w:val=\"c299\"/>") +
                Para(TextRun("loop", "<w:rStyle w:val=\"R2\"/>"), "<w:pStyle w:val=\"P\"/>") +
                Table({{"a", "b"}}, "<w:tblStyle w:val=\"T\"/>") +
                TextPara("mid", "<w:pStyle w:val=\"c150\"/>");
  // And a list table with two definitions of one id, an override and lists of no definition.
  chains.numbering =
      R"(<w:abstractNum w:abstractNumId="0"><w:lvl w:ilvl="0"><w:pPr><w:ind w:left="720"/></w:pPr></w:lvl></w:abstractNum>)"
      R"(<w:abstractNum w:abstractNumId="0"><w:lvl w:ilvl="1"><w:pPr><w:ind w:left="1440"/></w:pPr></w:lvl></w:abstractNum>)"
      R"(<w:num w:numId="1"><w:abstractNumId w:val="0"/><w:lvlOverride w:ilvl="0"><w:lvl w:ilvl="0"><w:pPr><w:ind w:left="360"/></w:pPr></w:lvl></w:lvlOverride></w:num>)"
      R"(<w:num w:numId="2"/><w:num w:numId="1"><w:abstractNumId w:val="0"/></w:num>)";
  chains.body += TextPara("list", R"(<w:numPr><w:ilvl w:val="1"/><w:numId w:val="1"/></w:numPr>)") +
                 TextPara("none", R"(<w:numPr><w:ilvl w:val="0"/><w:numId w:val="2"/></w:numPr>)");
  samples.emplace_back("style_chains.docx", chains);
  // Nesting as deep as a hostile file likes: every reader walks it without recursion.
  DocxContent deep;
  for (int i = 0; i < 3000; ++i) deep.body += "<w:tbl><w:tr><w:tc>";
  deep.body += "<w:p><w:hyperlink r:id=\"none\">";
  for (int i = 0; i < 3000; ++i) deep.body += "<w:smartTag>";
  deep.body += "<w:r><w:t>deep</w:t></w:r>";
  for (int i = 0; i < 3000; ++i) deep.body += "</w:smartTag>";
  deep.body += "</w:hyperlink></w:p>";
  for (int i = 0; i < 3000; ++i) deep.body += "</w:tc></w:tr></w:tbl>";
  samples.emplace_back("deep_nesting.docx", deep);
  samples.emplace_back("shapes.docx", Shapes());
  return samples;
}

}  // namespace word::testing
