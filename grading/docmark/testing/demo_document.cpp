// The demo word-processor task's documents and answer workbook.
#include "grading/docmark/testing/demo_document.h"

#include <string>
#include <string_view>
#include <vector>

#include "platform/office/excel/testing/xlsx_writer.h"
#include "platform/office/word/testing/docx_writer.h"
#include "platform/office/word/testing/shape_xml.h"

namespace demo {
namespace {

namespace fs = std::filesystem;
using word::testing::Para;
using word::testing::TextPara;
using word::testing::TextRun;

constexpr std::string_view kOldWord = "电脑";
constexpr std::string_view kNewWord = "计算机";
constexpr const char* kTitle = "计算机的发展简史";
constexpr const char* kEmphasised = "ENIAC";
constexpr const char* kHeaderText = "计算机应用能力考试";
constexpr const char* kBoxText = "科技改变生活";
// Phrases that find the second and third paragraphs for the paragraph rules.
constexpr const char* kSecondParagraph = "四个发展阶段";
constexpr const char* kThirdParagraph = "千家万户";

// The first paragraph is cut around kEmphasised; the others are one run each.
constexpr const char* kFirstBefore =
    "电脑是二十世纪最重要的发明之一。1946 年，世界上第一台通用电子电脑 ";
constexpr const char* kFirstAfter =
    " 在美国宾夕法尼亚大学诞生，它重约 30 吨，占地约 170 平方米，每秒能完成 5000 次加法运算。";
constexpr const char* kLaterParagraphs[] = {
    "此后，电脑经历了电子管、晶体管、集成电路和大规模集成电路四个发展阶段。每一次元件的更新，"
    "都使电脑的体积更小、速度更快、价格更低。",
    "今天，电脑已经走进了千家万户，广泛应用于科学计算、信息处理、过程控制、辅助设计和人工智能等"
    "领域。学会使用电脑，已经成为每个人必备的基本技能。",
};

const std::vector<std::vector<std::string>> kTableRows = {
    {"阶段", "起止年代", "主要元件", "运算速度（次/秒）"},
    {"第一代", "1946—1958", "电子管", "几千至几万"},
    {"第二代", "1958—1964", "晶体管", "几万至几十万"},
    {"第三代", "1964—1971", "中小规模集成电路", "几十万至几百万"},
    {"第四代", "1971 至今", "大规模集成电路", "上千万至万亿"},
};

// 宋体 10.5 points justified, as the Chinese word processor's blank document; the table styles
// and the header style it adds when they are used.
constexpr const char* kStylesBefore =
    R"(<w:docDefaults><w:rPrDefault><w:rPr><w:rFonts w:ascii="Times New Roman" w:eastAsia="宋体" w:hAnsi="Times New Roman"/>)"
    R"(<w:kern w:val="2"/><w:sz w:val="21"/><w:szCs w:val="22"/><w:lang w:val="en-US" w:eastAsia="zh-CN"/></w:rPr></w:rPrDefault>)"
    R"(<w:pPrDefault><w:pPr><w:jc w:val="both"/></w:pPr></w:pPrDefault></w:docDefaults>)"
    R"(<w:style w:type="paragraph" w:default="1" w:styleId="a"><w:name w:val="Normal"/><w:qFormat/></w:style>)"
    R"(<w:style w:type="character" w:default="1" w:styleId="a0"><w:name w:val="Default Paragraph Font"/></w:style>)";
constexpr const char* kHeaderStyle =
    R"(<w:style w:type="paragraph" w:styleId="a4"><w:name w:val="header"/><w:basedOn w:val="a"/>)"
    R"(<w:pPr><w:pBdr><w:bottom w:val="single" w:sz="6" w:space="1" w:color="auto"/></w:pBdr><w:jc w:val="center"/></w:pPr><w:rPr><w:sz w:val="18"/></w:rPr></w:style>)";

// What a document holds beyond the steps done: the mistakes of the partly wrong one.
struct Work {
  unsigned done = 0;
  bool defaultSideMargins = false;  // left and right left at 3.17 cm
  bool emphasisBoldOnly = false;    // "ENIAC" only bold
  bool boxAboveAndBelow = false;    // the text box wrapped above and below, not square
};

std::string Replaced(std::string text, const Work& work) {
  if ((work.done & kReplaceWord) == 0) return text;
  for (size_t at = text.find(kOldWord); at != std::string::npos;
       at = text.find(kOldWord, at + kNewWord.size()))
    text.replace(at, kOldWord.size(), kNewWord);
  return text;
}

size_t Occurrences(std::string_view text, std::string_view word) {
  size_t n = 0;
  for (size_t at = text.find(word); at != std::string_view::npos; at = text.find(word, at + 1)) ++n;
  return n;
}

// The main text as the candidate leaves it with every step done; the rules count in it.
std::string SolvedText() {
  std::string text = std::string(kTitle) + kFirstBefore + kEmphasised + kFirstAfter;
  for (const char* p : kLaterParagraphs) text += p;
  return Replaced(text, Work{kAllWordSteps});
}

std::string Title(const Work& work) {
  const std::string pPr = (work.done & kTitleCentred) != 0 ? "<w:jc w:val=\"center\"/>" : "";
  const std::string rPr = (work.done & kTitleFont) != 0
                              ? "<w:rFonts w:ascii=\"黑体\" w:eastAsia=\"黑体\" w:hAnsi=\"黑体\"/>"
                                "<w:color w:val=\"FF0000\"/><w:sz w:val=\"44\"/><w:szCs "
                                "w:val=\"44\"/>"
                              : "";
  return TextPara(kTitle, pPr, rPr);
}

// The text box as the word processor saves one drawn on the page: 5 x 2 cm, 12 cm and 6 cm from
// the page's edges (EMU, 360000 a centimetre), a white fill and a black line.
std::string TextBox(const Work& work) {
  constexpr double kPointsPerCm = 360000.0 / word::testing::kEmuPerPoint;
  word::testing::AnchorXml box;
  box.name = "Text Box 1";
  box.width = 5 * kPointsPerCm;
  box.height = 2 * kPointsPerCm;
  box.positionH = word::testing::OffsetH("page", 12 * kPointsPerCm);
  box.positionV = word::testing::OffsetV("page", 6 * kPointsPerCm);
  if (work.boxAboveAndBelow) box.wrap = "<wp:wrapTopAndBottom/>";
  box.graphic = word::testing::ShapeXml(
      R"(<a:xfrm><a:off x="0" y="0"/><a:ext cx="1800000" cy="720000"/></a:xfrm>)"
      R"(<a:prstGeom prst="rect"><a:avLst/></a:prstGeom>)"
      R"(<a:solidFill><a:srgbClr val="FFFFFF"/></a:solidFill>)"
      R"(<a:ln w="9525"><a:solidFill><a:srgbClr val="000000"/></a:solidFill></a:ln>)",
      TextPara(kBoxText));
  return word::testing::ObjectRun(word::testing::Anchor(box));
}

std::string BodyParagraphs(const Work& work) {
  // 0.5 lines before and after as the paragraph dialog stores them, with their points beside.
  const std::string pPr = (work.done & kParagraphs) != 0
                              ? "<w:spacing w:before=\"156\" w:beforeLines=\"50\" w:after=\"156\" "
                                "w:afterLines=\"50\" w:line=\"360\" w:lineRule=\"auto\"/>"
                                "<w:ind w:firstLineChars=\"200\" w:firstLine=\"420\"/>"
                              : "";
  std::string emphasis;
  if ((work.done & kEmphasis) != 0)
    emphasis = work.emphasisBoldOnly ? "<w:b/>" : "<w:b/><w:i/><w:u w:val=\"single\"/>";
  const std::string box = (work.done & kTextBox) != 0 ? TextBox(work) : "";
  std::string body = Para(TextRun(Replaced(kFirstBefore, work)) + TextRun(kEmphasised, emphasis) +
                              TextRun(Replaced(kFirstAfter, work)) + box,
                          pPr);
  for (const char* p : kLaterParagraphs) body += TextPara(Replaced(p, work), pPr);
  return body;
}

// A4 with 2.5 cm and 3 cm margins when the page is set up, else the Letter page it came with;
// twips as the word processor stores the centimetres.
std::string SectionProperties(const Work& work) {
  const bool a4 = (work.done & kPageSetup) != 0;
  const int topBottom = a4 ? 1418 : 1440;
  const int sides = a4 && !work.defaultSideMargins ? 1701 : 1800;
  std::string sectPr = "<w:sectPr>";
  if ((work.done & kHeader) != 0)
    sectPr += "<w:headerReference w:type=\"default\" r:id=\"rIdHeader\"/>";
  sectPr += std::string("<w:pgSz w:w=\"") + (a4 ? "11906" : "12240") + "\" w:h=\"" +
            (a4 ? "16838" : "15840") + "\"/><w:pgMar w:top=\"" + std::to_string(topBottom) +
            "\" w:right=\"" + std::to_string(sides) + "\" w:bottom=\"" + std::to_string(topBottom) +
            "\" w:left=\"" + std::to_string(sides) +
            "\" w:header=\"851\" w:footer=\"992\" w:gutter=\"0\"/>"
            "<w:cols w:space=\"425\"/><w:docGrid w:type=\"lines\" w:linePitch=\"312\"/>";
  return sectPr + "</w:sectPr>";
}

base::Status WriteDocument(const fs::path& file, const Work& work) {
  word::testing::DocxContent content;
  content.styles = std::string(kStylesBefore) + word::testing::kTableGridStyles + kHeaderStyle;
  content.body = Title(work) + BodyParagraphs(work);
  if ((work.done & kTable) != 0) {
    // The word processor keeps a paragraph after a table that ends the text.
    content.body +=
        word::testing::Table(kTableRows,
                             "<w:tblStyle w:val=\"a3\"/><w:tblW w:w=\"0\" w:type=\"auto\"/>"
                             "<w:jc w:val=\"center\"/><w:tblLook w:val=\"04A0\"/>",
                             2126) +
        TextPara("");
  }
  content.body += SectionProperties(work);
  if ((work.done & kHeader) != 0) {
    content.headersFooters = {
        {"rIdHeader", false, TextPara(kHeaderText, "<w:pStyle w:val=\"a4\"/>")}};
  }
  return word::testing::WriteDocx(file, content);
}

struct Rule {
  const char* tag;
  std::vector<std::string> cells;  // keyword and arguments ... points, text
};

}  // namespace

int WordStepPoints(WordStep step) {
  switch (step) {
    case kReplaceWord:
      return 10;
    case kTitleFont:
      return 15;
    case kTitleCentred:
      return 5;
    case kEmphasis:
      return 10;
    case kParagraphs:
      return 15;
    case kPageSetup:
      return 15;
    case kHeader:
      return 5;
    case kTable:
      return 15;
    case kTextBox:
      return 10;
    default:
      return 0;
  }
}

base::Status WriteStartingDocument(const fs::path& file) {
  return WriteDocument(file, Work{});
}

base::Status WriteSolvedDocument(const fs::path& file, unsigned done) {
  return WriteDocument(file, Work{done & kAllWordSteps});
}

base::Status WritePartlyWrongDocument(const fs::path& file) {
  return WriteDocument(file, Work{kAllWordSteps & ~kHeader, true, true, true});
}

base::Status WriteWordAnswer(const fs::path& file) {
  const std::string text = SolvedText();
  const std::string oldLeft = std::to_string(Occurrences(text, kOldWord));
  const std::string newCount = std::to_string(Occurrences(text, kNewWord));
  // The rules, by step. Masks: TXTATTRIB's code adds bold 4, italic 2 and underline 1, so each
  // mask tests one of them. SETPAPER adds 10 for the width and 1 for the height: mask 10 (binary
  // 1010) shares no bit with 1, mask 1 none with 10. SETPAPERMAG adds 1000, 100, 10 and 1 for
  // top, bottom, left and right: the code reaches 1024 only with both 1000 and 100, bit 1 is
  // set only by the 10 and bit 0 only by the 1.
  const std::vector<Rule> rules = {
      // Object-model rules.
      {"a", {"TEXTCOL", kTitle, "6", "5", "标题文字为红色"}},
      {"a", {"TXTUNDERSYMBOL", kEmphasised, "3", "1", "0", "5", "ENIAC 加单下划线"}},
      {"a", {"TABCOLANDROWCOUNT", "5", "4", "11", "5", "插入 5 行 4 列的表格"}},
      // The walk into the first cell puts the selection in the table whose style is read.
      {"a",
       {"CELLSHADINGTEXTURE", "0", "0", "0", "and", "TABLESTYLECHOICE", "网格型", "5",
        "表格套用“网格型”样式"}},
      {"a", {"POSSETOFTAB", "1", "5", "表格居中"}},
      // The text box: EXISTOBJ finds it (and copies its text to the start of part A's copy),
      // the rows after it read it. OBJLEFTTOP's code 11: both places, both from the page (1).
      {"a",
       {"EXISTOBJ", "Text Box", "and", "OBJWIDHEI", "5", "2", "11", "and", "OBJLEFTTOP", "12", "1",
        "6", "1", "11", "5", "文本框宽 5 厘米、高 2 厘米，距页面 12 厘米、6 厘米"}},
      {"a", {"OBJWRAPTYPE", "0", "5", "文本框四周型环绕"}},
      // Macro-interface rules; the header is pasted at the text's start, so it comes last.
      {"b",
       {"FINDREPLACE", std::string(kOldWord), oldLeft, std::string(kNewWord), newCount, "10",
        "“电脑”全部替换为“计算机”"}},
      {"b",
       {"TXTFONT", kTitle, "黑体", "and", "TXTFONTSIZE", kTitle, "22", "10", "标题黑体、二号"}},
      {"b",
       {"TXTATTRIB", kEmphasised, "4", "and", "TXTATTRIB", kEmphasised, "2", "and", "TXTATTRIB",
        kEmphasised, "1", "5", "ENIAC 加粗、倾斜、下划线"}},
      {"b",
       {"FORMATSTYPARAFIRSTIND", kSecondParagraph, "2 字符", "and", "FORMATSTYPARAFIRSTIND",
        kThirdParagraph, "2 字符", "5", "正文首行缩进 2 字符"}},
      {"b",
       {"FORMATSTYPARABEFORE", kSecondParagraph, "0.5 行", "and", "FORMATSTYPARAAFTER",
        kSecondParagraph, "0.5 行", "5", "段前、段后各 0.5 行"}},
      {"b", {"FORMATSTYPARALINERULE", kThirdParagraph, "1", "5", "1.5 倍行距"}},
      {"b",
       {"SETPAPER", "21 厘米", "29.7 厘米", "10", "and", "SETPAPER", "21 厘米", "29.7 厘米", "1",
        "5", "纸张 A4"}},
      {"b", {"SETPAPERMAG", "2.5 厘米",
             "2.5 厘米",    "3 厘米",
             "3 厘米",      "1024",
             "and",         "SETPAPERMAG",
             "2.5 厘米",    "2.5 厘米",
             "3 厘米",      "3 厘米",
             "2",           "and",
             "SETPAPERMAG", "2.5 厘米",
             "2.5 厘米",    "3 厘米",
             "3 厘米",      "1",
             "10",          "页边距上下 2.5 厘米、左右 3 厘米"}},
      {"b", {"HEADFOOT", kHeaderText, "True", "5", "页眉“计算机应用能力考试”"}},
      // On the copy part A saved.
      {"ab", {"TXTPARA", kTitle, "1", "5", "标题居中"}},
  };
  std::vector<std::vector<std::string>> rows = {
      {"filename", kWordDocument, "", std::to_string(kWordFullMarks)}};
  for (const Rule& rule : rules) {
    std::vector<std::string> row = {rule.tag};
    row.insert(row.end(), rule.cells.begin(), rule.cells.end());
    rows.push_back(std::move(row));
  }
  rows.push_back({"end"});
  excel::testing::XlsxContent content;
  content.sheets = {excel::testing::StringSheet("Sheet1", rows, content.sharedStrings)};
  return excel::testing::WriteXlsx(file, content);
}

}  // namespace demo
