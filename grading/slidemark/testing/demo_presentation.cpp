// The demo presentation task's presentations and answer workbook.
#include "grading/slidemark/testing/demo_presentation.h"

#include <string>
#include <vector>

#include "platform/office/excel/testing/xlsx_writer.h"
#include "platform/office/powerpoint/testing/pptx_writer.h"
#include "platform/office/powerpoint/testing/timing_writer.h"

namespace demo {
namespace {

namespace fs = std::filesystem;
namespace pt = powerpoint::testing;

constexpr const char* kOldTitle = "计算机发展史";
constexpr const char* kTitle = "计算机的发展简史";
constexpr const char* kSubtitle = "信息技术基础 第一章";
constexpr const char* kStagesTitle = "四个发展阶段";
constexpr const char* kLinkAddress = "http://www.edu.cn/";
constexpr const char* kStages[] = {"第一代：电子管计算机", "第二代：晶体管计算机",
                                   "第三代：集成电路计算机", "第四代：大规模集成电路计算机"};

// The writer's default layouts, by position.
constexpr int kTitleSlideLayout = 0;
constexpr int kTitleAndContentLayout = 1;
constexpr int kBlankLayout = 3;

// EMU, 360000 a centimetre.
constexpr int64_t kEmuPerCm = 360000;
// Where the program drops a shape drawn with a click: 2.54 cm square, away from the answer.
constexpr pt::Box kDroppedShape{5 * kEmuPerCm, 5 * kEmuPerCm, 914400, 914400};

// What a presentation holds beyond the steps done: the mistakes of the partly wrong one.
struct Work {
  unsigned done = 0;
  bool titleAt36 = false;     // the title 36 points, not 40
  bool bodyRight = false;     // the body right-aligned, not centred
  bool starFourWide = false;  // the star 4 cm wide, not 3
  bool starYellow = false;    // the star filled yellow, not red
  bool flyFromRight = false;  // the star flying in from the right, not the left
};

// The star's p:cNvPr id on the second slide.
constexpr int32_t kStarId = 4;
// The steps that need the shape drawn.
constexpr unsigned kStarSteps = kStarGeometry | kStarShape | kStarFill | kStarFlyIn;

// Slide 1: its title placeholder and the subtitle, on "Title Slide" once the layout step is done
// (the program turns the title into a centred title then), else on "Title and Content".
pt::SlideXml FirstSlide(const Work& work) {
  const bool titleLayout = (work.done & kTitleLayout) != 0;
  std::string title = pt::TextPara(kOldTitle);
  if ((work.done & kTitleText) != 0) {
    const std::string size = work.titleAt36 ? "3600" : "4000";
    title = pt::Para(pt::Run(
        kTitle, "altLang=\"zh-CN\" sz=\"" + size + "\" b=\"1\"",
        R"(<a:latin typeface="黑体" panose="02010609060101010101" pitchFamily="49" charset="-122"/>)"
        R"(<a:ea typeface="黑体" panose="02010609060101010101" pitchFamily="49" charset="-122"/>)"));
  }
  // A link on selected text goes on its run, its address in an External relationship.
  const bool linked = (work.done & kSubtitleLink) != 0;
  const std::string subtitle =
      linked ? pt::Para(pt::Run(kSubtitle, "altLang=\"en-US\"", R"(<a:hlinkClick r:id="rId2"/>)"))
             : pt::TextPara(kSubtitle);
  std::string shapes =
      pt::Placeholder(2, "标题 1", titleLayout ? R"(type="ctrTitle")" : R"(type="title")", nullptr,
                      title) +
      pt::Placeholder(3, titleLayout ? "副标题 2" : "内容占位符 2",
                      titleLayout ? R"(type="subTitle" idx="1")" : R"(idx="1")", nullptr, subtitle);
  pt::SlideXml slide(shapes, titleLayout ? kTitleSlideLayout : kTitleAndContentLayout);
  if (linked)
    slide.relationships =
        R"(<Relationship Id="rId2" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/hyperlink" Target=")" +
        std::string(kLinkAddress) + R"(" TargetMode="External"/>)";
  return slide;
}

// Slide 2: its title, the body of four paragraphs and, once drawn, the shape.
pt::SlideXml SecondSlide(const Work& work) {
  std::string alignment;
  if ((work.done & kBodyCentred) != 0) alignment = work.bodyRight ? "algn=\"r\"" : "algn=\"ctr\"";
  std::string body;
  for (const char* stage : kStages)
    body += pt::Para(pt::Run(stage, "altLang=\"zh-CN\""), alignment);
  std::string shapes =
      pt::Placeholder(2, "标题 1", R"(type="title")", nullptr, pt::TextPara(kStagesTitle)) +
      pt::Placeholder(3, "内容占位符 2", R"(idx="1")", nullptr, body);
  pt::SlideXml slide;
  if ((work.done & kStarSteps) != 0) {
    pt::Box box = kDroppedShape;
    if ((work.done & kStarGeometry) != 0)
      box = {18 * kEmuPerCm, 10 * kEmuPerCm, (work.starFourWide ? 4 : 3) * kEmuPerCm,
             3 * kEmuPerCm};
    const bool star = (work.done & kStarShape) != 0;
    std::string fill;
    if ((work.done & kStarFill) != 0)
      fill = std::string(R"(<a:solidFill><a:srgbClr val=")") +
             (work.starYellow ? "FFFF00" : "FF0000") + R"("/></a:solidFill>)";
    shapes += pt::AutoShape(kStarId, star ? "五角星 3" : "矩形 3", star ? "star5" : "rect", box, "",
                            fill);
    if ((work.done & kStarFlyIn) != 0) {
      // Fly In is entrance preset 2; its subtype names the side it comes from (8 left, 2 right).
      pt::EffectXml fly;
      fly.shapeId = kStarId;
      fly.presetId = 2;
      fly.presetSubtype = work.flyFromRight ? 2 : 8;
      slide.timing = pt::MainSequenceTiming({{fly}});
    }
  }
  slide.shapes = std::move(shapes);
  slide.layout = kTitleAndContentLayout;
  if ((work.done & kDissolve) != 0)
    slide.transition =
        R"(<mc:AlternateContent><mc:Choice Requires="p14"><p:transition spd="slow" p14:dur="1200"><p:dissolve/></p:transition></mc:Choice>)"
        R"(<mc:Fallback><p:transition spd="slow"><p:dissolve/></p:transition></mc:Fallback></mc:AlternateContent>)";
  return slide;
}

base::Status WritePresentation(const fs::path& file, const Work& work) {
  pt::PptxContent content;
  content.slides = {FirstSlide(work), SecondSlide(work)};
  if ((work.done & kBlankSlide) != 0) content.slides.emplace_back("", kBlankLayout);
  return pt::WritePptx(file, content);
}

// The rules, by step. A step of two rules splits its points: the title's text 5 and its font 10,
// the star's size 5 and its place 5. Sizes are in the control's centimetres (28.375 points),
// places in points (18 cm is 510.2, 10 cm 283.5); 2 is ppAlignCenter, 12 ppLayoutBlank, 1
// ppLayoutTitle and msoAutoShape, 92 msoShape5pointStar, 4 bold alone, 255 red as an RGB
// number, 1537 ppEffectDissolve, 3329 ppEffectFlyFromLeft; the link's action index 1 is a click.
const std::vector<std::vector<std::string>>& RuleRows() {
  static const std::vector<std::vector<std::string>> rows = {
      {"SLIDENUMBER", "3", "and", "SLIDELAYOUT", "3", "12", "10", "末尾插入一张“空白”版式的幻灯片"},
      {"SLIDELAYOUT", "1", "1", "10", "第 1 张幻灯片版式为“标题幻灯片”"},
      {"FINDTEXTINSLIDESHAPE", "1", "1", kTitle, "5", "标题为“计算机的发展简史”"},
      {"SHAPETXTFONTNAME", "1", "1", "黑体", "and", "SHAPETXTFONTSIZE", "1", "1", "40", "and",
       "SHAPETXTFONTATTRIB", "1", "1", "4", "10", "标题黑体、40 磅、加粗"},
      {"TXTALIGNMENT", "2", "2", "2", "10", "第 2 张幻灯片正文居中"},
      {"SHAPEDIMENTION", "2", "3", "3", "3", "5", "五角星高 3 厘米、宽 3 厘米"},
      {"SHAPEPOSITION", "2", "3", "510", "283", "5", "五角星距左上角 18 厘米、10 厘米"},
      {"SHAPETYPENAME", "2", "3", "1", "and", "SHAPEAUTOSHAPETYPE", "2", "3", "92", "10",
       "形状为五角星"},
      {"SHAPEFILLCOLOR", "2", "3", "255", "10", "五角星填充红色"},
      {"TXTHYPERLINKURL", "1", "2", kLinkAddress, "1", "10", "副标题超链接到 http://www.edu.cn/"},
      {"SLIDETRANSITION", "2", "1537", "10", "第 2 张幻灯片切换效果为“溶解”"},
      {"SETANIMATION", "2", "3", "3329", "5", "五角星进入效果为自左侧飞入"},
  };
  return rows;
}

}  // namespace

int PptStepPoints(PptStep step) {
  switch (step) {
    case kBlankSlide:
    case kTitleLayout:
    case kBodyCentred:
    case kStarGeometry:
    case kStarShape:
    case kStarFill:
    case kSubtitleLink:
    case kDissolve:
      return 10;
    case kTitleText:
      return 15;
    case kStarFlyIn:
      return 5;
    default:
      return 0;
  }
}

base::Status WriteStartingPresentation(const fs::path& file) {
  return WritePresentation(file, Work{});
}

base::Status WriteSolvedPresentation(const fs::path& file, unsigned done) {
  return WritePresentation(file, Work{done & kAllPptSteps});
}

base::Status WritePartlyWrongPresentation(const fs::path& file) {
  return WritePresentation(file, Work{kAllPptSteps, true, true, true, true, true});
}

base::Status WritePptAnswer(const fs::path& file) {
  std::vector<std::vector<std::string>> rows = {
      {"filename", kPptPresentation, "", std::to_string(kPptFullMarks)}};
  for (const std::vector<std::string>& rule : RuleRows()) rows.push_back(rule);
  rows.push_back({"END"});
  excel::testing::XlsxContent content;
  content.sheets = {excel::testing::StringSheet("Sheet1", rows, content.sharedStrings)};
  return excel::testing::WriteXlsx(file, content);
}

}  // namespace demo
