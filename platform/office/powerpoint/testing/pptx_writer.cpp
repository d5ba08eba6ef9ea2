// Writes .pptx packages from fragments, filling in what a blank presentation has.
#include "platform/office/powerpoint/testing/pptx_writer.h"

#include <fstream>
#include <iterator>

#include "platform/base/text.h"
#include "platform/office/opc/package.h"

namespace powerpoint::testing {
namespace {

constexpr char kNamespaces[] =
    R"( xmlns:a="http://schemas.openxmlformats.org/drawingml/2006/main")"
    R"( xmlns:r="http://schemas.openxmlformats.org/officeDocument/2006/relationships")"
    R"( xmlns:p="http://schemas.openxmlformats.org/presentationml/2006/main")"
    R"( xmlns:mc="http://schemas.openxmlformats.org/markup-compatibility/2006")"
    R"( xmlns:p14="http://schemas.microsoft.com/office/powerpoint/2010/main")";
constexpr char kDeclaration[] = R"(<?xml version="1.0" encoding="UTF-8" standalone="yes"?>)";
constexpr char kRelTypes[] = "http://schemas.openxmlformats.org/officeDocument/2006/relationships/";
constexpr char kGroupProperties[] =
    R"(<p:nvGrpSpPr><p:cNvPr id="1" name=""/><p:cNvGrpSpPr/><p:nvPr/></p:nvGrpSpPr>)"
    R"(<p:grpSpPr><a:xfrm><a:off x="0" y="0"/><a:ext cx="0" cy="0"/><a:chOff x="0" y="0"/><a:chExt cx="0" cy="0"/></a:xfrm></p:grpSpPr>)";

constexpr char kTheme[] =
    R"(<a:theme name="Office Theme"><a:themeElements><a:clrScheme name="Office">)"
    R"(<a:dk1><a:sysClr val="windowText" lastClr="000000"/></a:dk1><a:lt1><a:sysClr val="window" lastClr="FFFFFF"/></a:lt1>)"
    R"(<a:dk2><a:srgbClr val="44546A"/></a:dk2><a:lt2><a:srgbClr val="E7E6E6"/></a:lt2>)"
    R"(<a:accent1><a:srgbClr val="4472C4"/></a:accent1><a:accent2><a:srgbClr val="ED7D31"/></a:accent2>)"
    R"(<a:accent3><a:srgbClr val="A5A5A5"/></a:accent3><a:accent4><a:srgbClr val="FFC000"/></a:accent4>)"
    R"(<a:accent5><a:srgbClr val="5B9BD5"/></a:accent5><a:accent6><a:srgbClr val="70AD47"/></a:accent6>)"
    R"(<a:hlink><a:srgbClr val="0563C1"/></a:hlink><a:folHlink><a:srgbClr val="954F72"/></a:folHlink></a:clrScheme>)"
    R"(<a:fontScheme name="Office"><a:majorFont><a:latin typeface="Calibri Light"/><a:ea typeface=""/><a:cs typeface=""/>)"
    R"(<a:font script="Hans" typeface="等线 Light"/></a:majorFont><a:minorFont><a:latin typeface="Calibri"/><a:ea typeface=""/><a:cs typeface=""/>)"
    R"(<a:font script="Hans" typeface="等线"/></a:minorFont></a:fontScheme>)"
    R"(<a:fmtScheme name="Office"><a:fillStyleLst><a:solidFill><a:schemeClr val="phClr"/></a:solidFill>)"
    R"(<a:solidFill><a:schemeClr val="phClr"/></a:solidFill><a:solidFill><a:schemeClr val="phClr"/></a:solidFill></a:fillStyleLst>)"
    R"(<a:lnStyleLst><a:ln w="6350"><a:solidFill><a:schemeClr val="phClr"/></a:solidFill></a:ln><a:ln w="12700"><a:solidFill><a:schemeClr val="phClr"/></a:solidFill></a:ln>)"
    R"(<a:ln w="19050"><a:solidFill><a:schemeClr val="phClr"/></a:solidFill></a:ln></a:lnStyleLst>)"
    R"(<a:effectStyleLst><a:effectStyle><a:effectLst/></a:effectStyle><a:effectStyle><a:effectLst/></a:effectStyle><a:effectStyle><a:effectLst/></a:effectStyle></a:effectStyleLst>)"
    R"(<a:bgFillStyleLst><a:solidFill><a:schemeClr val="phClr"/></a:solidFill><a:solidFill><a:schemeClr val="phClr"/></a:solidFill><a:solidFill><a:schemeClr val="phClr"/></a:solidFill></a:bgFillStyleLst>)"
    R"(</a:fmtScheme></a:themeElements></a:theme>)";

std::string Level(int n, int size, std::string_view font, std::string_view pPr = "") {
  const std::string tag = "a:lvl" + std::to_string(n) + "pPr";
  return "<" + tag + std::string(pPr) + "><a:defRPr sz=\"" + std::to_string(size) +
         R"(" kern="1200"><a:solidFill><a:schemeClr val="tx1"/></a:solidFill><a:latin typeface="+)" +
         std::string(font) + R"(-lt"/><a:ea typeface="+)" + std::string(font) +
         R"(-ea"/></a:defRPr></)" + tag + ">";
}

std::string StandardTextStyles() {
  std::string body;
  const int sizes[] = {2800, 2400, 2000, 1800, 1800, 1800, 1800, 1800, 1800};
  for (int i = 0; i < 9; ++i) body += Level(i + 1, sizes[i], "mn");
  std::string other;
  for (int i = 0; i < 9; ++i) other += Level(i + 1, 1800, "mn");
  return "<p:titleStyle>" + Level(1, 4400, "mj", R"( algn="l")") + "</p:titleStyle><p:bodyStyle>" +
         body + "</p:bodyStyle><p:otherStyle>" + other + "</p:otherStyle>";
}

std::string StandardDefaultTextStyle() {
  std::string levels = R"(<a:defPPr><a:defRPr lang="zh-CN"/></a:defPPr>)";
  for (int i = 0; i < 9; ++i) levels += Level(i + 1, 1800, "mn");
  return levels;
}

std::string StandardMasterShapes() {
  const Box title{838200, 365125, 10515600, 1325563};
  const Box body{838200, 1825625, 10515600, 4351338};
  const Box date{838200, 6356350, 2743200, 365125};
  const Box footer{4038600, 6356350, 4114800, 365125};
  const Box number{8610600, 6356350, 2743200, 365125};
  return Placeholder(2, "Title Placeholder 1", R"(type="title")", &title) +
         Placeholder(3, "Text Placeholder 2", R"(type="body" idx="1")", &body) +
         Placeholder(4, "Date Placeholder 3", R"(type="dt" sz="half" idx="2")", &date) +
         Placeholder(5, "Footer Placeholder 4", R"(type="ftr" sz="quarter" idx="3")", &footer) +
         Placeholder(6, "Slide Number Placeholder 5", R"(type="sldNum" sz="quarter" idx="4")",
                     &number);
}

std::string Part(std::string_view root, std::string_view attributes, std::string_view inner) {
  return std::string(kDeclaration) + "<" + std::string(root) + kNamespaces +
         std::string(attributes) + ">" + std::string(inner) + "</" + std::string(root) + ">";
}

std::string ShapeTree(std::string_view shapes, std::string_view background = "") {
  const std::string bg =
      background.empty() ? std::string() : "<p:bg>" + std::string(background) + "</p:bg>";
  return "<p:cSld>" + bg + "<p:spTree>" + std::string(kGroupProperties) + std::string(shapes) +
         "</p:spTree></p:cSld>";
}

struct Rel {
  std::string id;
  std::string type;
  std::string target;
};
std::string Rels(const std::vector<Rel>& rels, std::string_view more = "") {
  std::string xml =
      std::string(kDeclaration) +
      R"(<Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships">)";
  for (const Rel& rel : rels)
    xml += "<Relationship Id=\"" + rel.id + "\" Type=\"" + kRelTypes + rel.type + "\" Target=\"" +
           rel.target + "\"/>";
  return xml + std::string(more) + "</Relationships>";
}

}  // namespace

std::vector<LayoutXml> DefaultLayouts() {
  const Box centreTitle{1524000, 1122363, 9144000, 2387600};
  const Box subtitle{1524000, 3602038, 9144000, 1655762};
  return {
      {"Title Slide", "title",
       Placeholder(2, "Title 1", R"(type="ctrTitle")", &centreTitle, "",
                   R"(<a:lvl1pPr algn="ctr"><a:defRPr sz="6000"/></a:lvl1pPr>)") +
           Placeholder(
               3, "Subtitle 2", R"(type="subTitle" idx="1")", &subtitle, "",
               R"(<a:lvl1pPr marL="0" indent="0" algn="ctr"><a:defRPr sz="2400"/></a:lvl1pPr>)")},
      {"Title and Content", "obj",
       Placeholder(2, "Title 1", R"(type="title")", nullptr) +
           Placeholder(3, "Content Placeholder 2", R"(idx="1")", nullptr)},
      {"Title Only", "titleOnly", Placeholder(2, "Title 1", R"(type="title")", nullptr)},
      {"Blank", "blank", ""},
  };
}

base::Status WritePptx(const std::filesystem::path& file, const PptxContent& content) {
  const std::vector<LayoutXml> layouts =
      content.layouts.empty() ? DefaultLayouts() : content.layouts;
  std::vector<std::pair<std::string, std::string>> parts;

  std::string types =
      std::string(kDeclaration) +
      R"(<Types xmlns="http://schemas.openxmlformats.org/package/2006/content-types">)"
      R"(<Default Extension="rels" ContentType="application/vnd.openxmlformats-package.relationships+xml"/>)"
      R"(<Default Extension="xml" ContentType="application/xml"/>)"
      R"(<Override PartName="/ppt/presentation.xml" ContentType="application/vnd.openxmlformats-officedocument.presentationml.presentation.main+xml"/>)"
      R"(<Override PartName="/ppt/slideMasters/slideMaster1.xml" ContentType="application/vnd.openxmlformats-officedocument.presentationml.slideMaster+xml"/>)"
      R"(<Override PartName="/ppt/theme/theme1.xml" ContentType="application/vnd.openxmlformats-officedocument.theme+xml"/>)";
  for (size_t i = 1; i <= layouts.size(); ++i)
    types +=
        "<Override PartName=\"/ppt/slideLayouts/slideLayout" + std::to_string(i) +
        R"(.xml" ContentType="application/vnd.openxmlformats-officedocument.presentationml.slideLayout+xml"/>)";
  for (size_t i = 1; i <= content.slides.size(); ++i)
    types +=
        "<Override PartName=\"/ppt/slides/slide" + std::to_string(i) +
        R"(.xml" ContentType="application/vnd.openxmlformats-officedocument.presentationml.slide+xml"/>)";
  if (content.appXml)
    types +=
        R"(<Override PartName="/docProps/app.xml" ContentType="application/vnd.openxmlformats-officedocument.extended-properties+xml"/>)";
  if (content.presentationPr)
    types +=
        R"(<Override PartName="/ppt/presProps.xml" ContentType="application/vnd.openxmlformats-officedocument.presentationml.presProps+xml"/>)";
  parts.emplace_back("[Content_Types].xml", types + "</Types>");

  std::vector<Rel> packageRels{{"rId1", "officeDocument", "ppt/presentation.xml"}};
  if (content.appXml) {
    packageRels.push_back({"rId2", "extended-properties", "docProps/app.xml"});
    std::string app =
        std::string(kDeclaration) +
        R"(<Properties xmlns="http://schemas.openxmlformats.org/officeDocument/2006/extended-properties">)";
    if (!content.templateName.empty())
      app += "<Template>" + Escape(content.templateName) + "</Template>";
    app += "<Application>KIRV tests</Application><Slides>" + std::to_string(content.slides.size()) +
           "</Slides></Properties>";
    parts.emplace_back("docProps/app.xml", app);
  }
  parts.emplace_back("_rels/.rels", Rels(packageRels));

  std::vector<Rel> presentationRels{{"rId1", "slideMaster", "slideMasters/slideMaster1.xml"},
                                    {"rId2", "theme", "theme/theme1.xml"}};
  std::string slideIds;
  for (size_t i = 0; i < content.slides.size(); ++i) {
    const std::string rid = "rId" + std::to_string(i + 10);
    presentationRels.push_back({rid, "slide", "slides/slide" + std::to_string(i + 1) + ".xml"});
    const int32_t id =
        content.slides[i].id != 0 ? content.slides[i].id : static_cast<int32_t>(256 + i);
    slideIds += "<p:sldId id=\"" + std::to_string(id) + "\" r:id=\"" + rid + "\"/>";
  }
  if (content.presentationPr) {
    presentationRels.push_back({"rId3", "presProps", "presProps.xml"});
    parts.emplace_back("ppt/presProps.xml", Part("p:presentationPr", "", *content.presentationPr));
  }
  parts.emplace_back("ppt/_rels/presentation.xml.rels", Rels(presentationRels));
  parts.emplace_back(
      "ppt/presentation.xml",
      Part("p:presentation", "",
           R"(<p:sldMasterIdLst><p:sldMasterId id="2147483648" r:id="rId1"/></p:sldMasterIdLst>)" +
               (slideIds.empty() ? std::string() : "<p:sldIdLst>" + slideIds + "</p:sldIdLst>") +
               "<p:sldSz cx=\"" + std::to_string(content.slideWidthEmu) + "\" cy=\"" +
               std::to_string(content.slideHeightEmu) +
               R"("/><p:notesSz cx="6858000" cy="9144000"/>)" + "<p:defaultTextStyle>" +
               (content.defaultTextStyle.empty() ? StandardDefaultTextStyle()
                                                 : content.defaultTextStyle) +
               "</p:defaultTextStyle>"));

  std::vector<Rel> masterRels;
  std::string layoutIds;
  for (size_t i = 0; i < layouts.size(); ++i) {
    const std::string rid = "rId" + std::to_string(i + 1);
    const std::string name = "slideLayout" + std::to_string(i + 1) + ".xml";
    masterRels.push_back({rid, "slideLayout", "../slideLayouts/" + name});
    layoutIds +=
        "<p:sldLayoutId id=\"" + std::to_string(2147483649u + i) + "\" r:id=\"" + rid + "\"/>";
    const std::string type = layouts[i].type.empty() ? "" : " type=\"" + layouts[i].type + "\"";
    std::string cSld = ShapeTree(layouts[i].shapes, i < content.layoutBackgrounds.size()
                                                        ? content.layoutBackgrounds[i]
                                                        : std::string());
    cSld.insert(std::string_view("<p:cSld").size(), " name=\"" + Escape(layouts[i].name) + "\"");
    parts.emplace_back("ppt/slideLayouts/" + name,
                       Part("p:sldLayout", type + R"( preserve="1")",
                            cSld + "<p:clrMapOvr><a:masterClrMapping/></p:clrMapOvr>"));
    parts.emplace_back("ppt/slideLayouts/_rels/" + name + ".rels",
                       Rels({{"rId1", "slideMaster", "../slideMasters/slideMaster1.xml"}}));
  }
  masterRels.push_back({"rId100", "theme", "../theme/theme1.xml"});
  parts.emplace_back(
      "ppt/slideMasters/slideMaster1.xml",
      Part("p:sldMaster", "",
           ShapeTree(content.masterShapes.empty() ? StandardMasterShapes() : content.masterShapes,
                     content.masterBackground) +
               "<p:clrMap " + content.clrMap + "/><p:sldLayoutIdLst>" + layoutIds +
               "</p:sldLayoutIdLst>" + content.masterTransition + "<p:txStyles>" +
               (content.txStyles.empty() ? StandardTextStyles() : content.txStyles) +
               "</p:txStyles>"));
  parts.emplace_back("ppt/slideMasters/_rels/slideMaster1.xml.rels",
                     Rels(masterRels, content.masterRelationships));
  parts.emplace_back(
      "ppt/theme/theme1.xml",
      std::string(kDeclaration) + (content.theme.empty() ? std::string(kTheme) : content.theme));

  for (size_t i = 0; i < content.slides.size(); ++i) {
    const SlideXml& slide = content.slides[i];
    const std::string name = "slide" + std::to_string(i + 1) + ".xml";
    const std::string override =
        slide.clrMapOvr.empty() ? "<a:masterClrMapping/>" : slide.clrMapOvr;
    parts.emplace_back("ppt/slides/" + name,
                       Part("p:sld", "",
                            ShapeTree(slide.shapes, slide.background) + "<p:clrMapOvr>" + override +
                                "</p:clrMapOvr>" + slide.transition + slide.timing));
    parts.emplace_back(
        "ppt/slides/_rels/" + name + ".rels",
        Rels({{"rId1", "slideLayout",
               "../slideLayouts/slideLayout" + std::to_string(slide.layout + 1) + ".xml"}},
             slide.relationships));
  }
  return opc::WriteZip(file, parts);
}

base::Result<std::string> PptxBytes(const PptxContent& content) {
  TempFolder folder("pptx_bytes");
  const std::filesystem::path file = folder.Path() / "presentation.pptx";
  if (base::Status written = WritePptx(file, content); !written) return written.error();
  std::ifstream in(file, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::string Escape(std::string_view text) {
  return base::EscapeMarkup(text);
}

std::string Run(std::string_view text, std::string_view rPrAttributes,
                std::string_view rPrChildren) {
  std::string rPr = "<a:rPr lang=\"en-US\"";
  if (!rPrAttributes.empty()) rPr += " " + std::string(rPrAttributes);
  rPr += rPrChildren.empty() ? "/>" : ">" + std::string(rPrChildren) + "</a:rPr>";
  return "<a:r>" + rPr + "<a:t>" + Escape(text) + "</a:t></a:r>";
}

std::string Para(std::string_view runs, std::string_view pPrAttributes) {
  std::string pPr = pPrAttributes.empty() ? "" : "<a:pPr " + std::string(pPrAttributes) + "/>";
  return "<a:p>" + pPr + std::string(runs) + "</a:p>";
}

std::string TextPara(std::string_view text, std::string_view rPrAttributes) {
  return Para(Run(text, rPrAttributes));
}

std::string TextBody(std::string_view paragraphs, std::string_view lstStyle) {
  const std::string list =
      lstStyle.empty() ? "<a:lstStyle/>" : "<a:lstStyle>" + std::string(lstStyle) + "</a:lstStyle>";
  const std::string body =
      paragraphs.empty() ? "<a:p><a:endParaRPr lang=\"en-US\"/></a:p>" : std::string(paragraphs);
  return "<p:txBody><a:bodyPr/>" + list + body + "</p:txBody>";
}

std::string Xfrm(const Box& box) {
  return "<a:xfrm><a:off x=\"" + std::to_string(box.x) + "\" y=\"" + std::to_string(box.y) +
         "\"/><a:ext cx=\"" + std::to_string(box.cx) + "\" cy=\"" + std::to_string(box.cy) +
         "\"/></a:xfrm>";
}

namespace {

std::string NonVisual(std::string_view element, int32_t id, std::string_view name,
                      std::string_view cNvExtra, std::string_view nvPr = "") {
  const std::string tag(element);
  return "<p:nv" + tag + "Pr><p:cNvPr id=\"" + std::to_string(id) + "\" name=\"" + Escape(name) +
         "\"/><p:cNv" + tag + "Pr" + std::string(cNvExtra) + "/><p:nvPr>" + std::string(nvPr) +
         "</p:nvPr></p:nv" + tag + "Pr>";
}

}  // namespace

std::string TextBox(int32_t id, std::string_view name, const Box& box,
                    std::string_view paragraphs) {
  return "<p:sp>" + NonVisual("Sp", id, name, R"( txBox="1")") + "<p:spPr>" + Xfrm(box) +
         R"(<a:prstGeom prst="rect"><a:avLst/></a:prstGeom><a:noFill/></p:spPr>)" +
         TextBody(paragraphs) + "</p:sp>";
}

std::string AutoShape(int32_t id, std::string_view name, std::string_view prst, const Box& box,
                      std::string_view paragraphs, std::string_view fill) {
  return "<p:sp>" + NonVisual("Sp", id, name, "") + "<p:spPr>" + Xfrm(box) + "<a:prstGeom prst=\"" +
         std::string(prst) + "\"><a:avLst/></a:prstGeom>" + std::string(fill) + "</p:spPr>" +
         R"(<p:style><a:lnRef idx="2"><a:schemeClr val="accent1"/></a:lnRef><a:fillRef idx="1"><a:schemeClr val="accent1"/></a:fillRef>)"
         R"(<a:effectRef idx="0"><a:schemeClr val="accent1"/></a:effectRef><a:fontRef idx="minor"><a:schemeClr val="lt1"/></a:fontRef></p:style>)" +
         TextBody(paragraphs) + "</p:sp>";
}

std::string FilledShape(int32_t id, std::string_view name, std::string_view fill, const Box& box) {
  return "<p:sp>" + NonVisual("Sp", id, name, "") + "<p:spPr>" + Xfrm(box) +
         R"(<a:prstGeom prst="rect"><a:avLst/></a:prstGeom>)" + std::string(fill) + "</p:spPr>" +
         TextBody("<a:p/>") + "</p:sp>";
}

std::string Placeholder(int32_t id, std::string_view name, std::string_view phAttributes,
                        const Box* box, std::string_view paragraphs, std::string_view lstStyle) {
  const std::string ph = "<p:ph " + std::string(phAttributes) + "/>";
  return "<p:sp>" + NonVisual("Sp", id, name, "", ph) + "<p:spPr>" +
         (box != nullptr ? Xfrm(*box) : std::string()) + "</p:spPr>" +
         TextBody(paragraphs, lstStyle) + "</p:sp>";
}

std::string Picture(int32_t id, std::string_view name, const Box& box) {
  return "<p:pic>" + NonVisual("Pic", id, name, "") +
         R"(<p:blipFill><a:blip r:embed="rId99"/><a:stretch><a:fillRect/></a:stretch></p:blipFill><p:spPr>)" +
         Xfrm(box) + R"(<a:prstGeom prst="rect"><a:avLst/></a:prstGeom></p:spPr></p:pic>)";
}

std::string Connector(int32_t id, std::string_view name, const Box& box) {
  return "<p:cxnSp>" + NonVisual("CxnSp", id, name, "") + "<p:spPr>" + Xfrm(box) +
         R"(<a:prstGeom prst="straightConnector1"><a:avLst/></a:prstGeom></p:spPr></p:cxnSp>)";
}

std::string Group(int32_t id, std::string_view name, const Box& box, std::string_view members,
                  const Box* childBox) {
  const Box& child = childBox != nullptr ? *childBox : box;
  return "<p:grpSp>" + NonVisual("GrpSp", id, name, "") + "<p:grpSpPr><a:xfrm><a:off x=\"" +
         std::to_string(box.x) + "\" y=\"" + std::to_string(box.y) + "\"/><a:ext cx=\"" +
         std::to_string(box.cx) + "\" cy=\"" + std::to_string(box.cy) + "\"/><a:chOff x=\"" +
         std::to_string(child.x) + "\" y=\"" + std::to_string(child.y) + "\"/><a:chExt cx=\"" +
         std::to_string(child.cx) + "\" cy=\"" + std::to_string(child.cy) +
         "\"/></a:xfrm></p:grpSpPr>" + std::string(members) + "</p:grpSp>";
}

std::string TableFrame(int32_t id, std::string_view name, const Box& box,
                       std::string_view cellText) {
  return "<p:graphicFrame>" + NonVisual("GraphicFrame", id, name, "") + "<p:xfrm><a:off x=\"" +
         std::to_string(box.x) + "\" y=\"" + std::to_string(box.y) + "\"/><a:ext cx=\"" +
         std::to_string(box.cx) + "\" cy=\"" + std::to_string(box.cy) + "\"/></p:xfrm>" +
         R"(<a:graphic><a:graphicData uri="http://schemas.openxmlformats.org/drawingml/2006/table"><a:tbl>)"
         "<a:tblGrid><a:gridCol w=\"" +
         std::to_string(box.cx) + "\"/></a:tblGrid><a:tr h=\"" + std::to_string(box.cy) +
         "\"><a:tc><a:txBody><a:bodyPr/><a:lstStyle/>" + TextPara(cellText) +
         "</a:txBody><a:tcPr/></a:tc></a:tr></a:tbl></a:graphicData></a:graphic></p:graphicFrame>";
}

}  // namespace powerpoint::testing
