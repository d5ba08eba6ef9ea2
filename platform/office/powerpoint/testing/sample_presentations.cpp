// The sample presentations.
#include "platform/office/powerpoint/testing/sample_presentations.h"

#include "platform/office/powerpoint/testing/timing_writer.h"

namespace powerpoint::testing {

PptxContent TaskPresentation() {
  PptxContent content;
  content.templateName = "Office Theme";
  const Box box{838200, 1825625, 4000000, 1200000};
  const Box small{6000000, 1825625, 1801813, 1081088};
  content.slides.push_back(SlideXml(
      Placeholder(2, "Title 1", R"(type="ctrTitle")", nullptr, TextPara("计算机基础考试")) +
          Placeholder(3, "Subtitle 2", R"(type="subTitle" idx="1")", nullptr,
                      TextPara("演示文稿操作题")),
      0));
  content.slides.push_back(SlideXml(
      Placeholder(2, "Title 1", R"(type="title")", nullptr, TextPara("Course outline")) +
      Placeholder(3, "Content Placeholder 2", R"(idx="1")", nullptr,
                  TextPara("Word processing") + Para(Run("Fonts and styles"), R"(lvl="1")") +
                      TextPara("Spreadsheets") +
                      Para(Run("Charts", R"(b="1")") + Run(" and formulas"), R"(lvl="1")") +
                      TextPara("Presentations"))));
  content.slides.push_back(SlideXml(
      Placeholder(2, "Title 1", R"(type="title")", nullptr, TextPara("Shapes")) +
          TextBox(3, "TextBox 2", box,
                  Para(Run("Grading runs in ", R"(sz="2000")") +
                       Run("milliseconds", R"(sz="2000" i="1")",
                           R"(<a:solidFill><a:srgbClr val="C00000"/></a:solidFill>)"))) +
          AutoShape(4, "Star 3", "star5", small, TextPara("5")) +
          Group(5, "Group 4", box,
                AutoShape(6, "Rectangle 5", "rect", box) + AutoShape(7, "Oval 6", "ellipse", box)),
      2));
  content.slides.push_back(SlideXml(
      Placeholder(2, "Title 1", R"(type="title")", nullptr, TextPara("Pictures and tables")) +
          Picture(3, "Picture 2", box) + TableFrame(4, "Table 3", small, "cell") +
          Connector(5, "Straight Connector 4", small),
      2));
  content.slides.push_back(
      SlideXml(TextBox(2, "TextBox 1", box, TextPara("The end", R"(sz="3200" b="1")")) +
                   AutoShape(3, "Right Arrow 2", "rightArrow", small),
               3));
  return content;
}

PptxContent AnimatedPresentation() {
  EffectXml fly;
  fly.presetId = 2;
  fly.presetSubtype = 8;
  fly.iterate = "wd";
  fly.sound = "applause.wav";
  fly.behaviours = HideBehaviour(2, true, true);
  EffectXml wipe;
  wipe.shapeId = 3;
  wipe.presetId = 22;
  wipe.presetSubtype = 4;
  wipe.nodeType = "afterEffect";
  wipe.delay = "1500";
  wipe.repeatCount = "3000";
  wipe.behaviours = DimBehaviour(2, "FF0000", true);
  SlideXml slide(AutoShape(2, "Flying", "rect", Box{}, TextPara("Fly")) +
                 AutoShape(3, "Wiping", "rect", Box{}, TextPara("Wipe")));
  slide.timing = MainSequenceTiming({{fly}, {wipe}}, BuildParagraph(2, 0, "p", "2"));
  PptxContent content;
  content.slides.push_back(slide);
  return content;
}

std::vector<std::pair<std::string, PptxContent>> Samples() {
  std::vector<std::pair<std::string, PptxContent>> samples;
  samples.emplace_back("task.pptx", TaskPresentation());
  PptxContent empty;
  samples.emplace_back("no_slides.pptx", empty);
  PptxContent override = TaskPresentation();
  override.slides[1].clrMapOvr =
      R"(<a:overrideClrMapping bg1="dk1" tx1="lt1" bg2="dk2" tx2="lt2" accent1="accent1" accent2="accent2" accent3="accent3" accent4="accent4" accent5="accent5" accent6="accent6" hlink="hlink" folHlink="folHlink"/>)";
  samples.emplace_back("colour_override.pptx", override);
  PptxContent shown = TaskPresentation();
  shown.slides[0].transition =
      R"(<mc:AlternateContent><mc:Choice Requires="p14"><p:transition spd="slow" advTm="3000" p14:dur="2000"><p14:vortex dir="r"/><p:sndAc><p:stSnd><p:snd r:embed="rId9" name="Applause.wav"/></p:stSnd></p:sndAc></p:transition></mc:Choice><mc:Fallback><p:transition spd="slow" advTm="3000"><p:fade/></p:transition></mc:Fallback></mc:AlternateContent>)";
  shown.slides[1].transition =
      R"(<p:transition spd="med" advClick="0"><p:wipe dir="u"/></p:transition>)";
  shown.masterTransition = R"(<p:transition><p:split orient="vert" dir="in"/></p:transition>)";
  shown.presentationPr =
      R"(<p:showPr loop="1" showNarration="1" useTimings="0"><p:kiosk/><p:sldRg st="2" end="3"/><p:penClr><a:schemeClr val="accent2"><a:lumMod val="75000"/></a:schemeClr></p:penClr></p:showPr>)";
  samples.emplace_back("transitions.pptx", shown);
  PptxContent lined = TaskPresentation();
  lined.slides.push_back(SlideXml(
      R"(<p:sp><p:nvSpPr><p:cNvPr id="2" name="Dashed"/><p:cNvSpPr/><p:nvPr/></p:nvSpPr><p:spPr><a:prstGeom prst="rect"><a:avLst/></a:prstGeom>)"
      R"(<a:ln w="38100" cmpd="dbl"><a:solidFill><a:schemeClr val="accent2"><a:lumMod val="75000"/></a:schemeClr></a:solidFill><a:custDash><a:ds d="400000" sp="300000"/></a:custDash></a:ln></p:spPr>)"
      R"(<p:style><a:lnRef idx="2"><a:schemeClr val="accent1"/></a:lnRef><a:fillRef idx="1"><a:schemeClr val="accent1"/></a:fillRef><a:effectRef idx="0"><a:schemeClr val="accent1"/></a:effectRef><a:fontRef idx="minor"/></p:style></p:sp>)"
      R"(<p:sp><p:nvSpPr><p:cNvPr id="3" name="WordArt"/><p:cNvSpPr txBox="1"/><p:nvPr/></p:nvSpPr><p:spPr><a:prstGeom prst="rect"><a:avLst/></a:prstGeom></p:spPr>)"
      R"(<p:txBody><a:bodyPr wrap="none"><a:prstTxWarp prst="textArchUp"><a:avLst/></a:prstTxWarp></a:bodyPr>)" +
          Para(Run("WordArt", R"(sz="3600" b="1")", R"(<a:latin typeface="Impact"/>)")) +
          "</p:txBody></p:sp>",
      3));
  samples.emplace_back("lines.pptx", lined);
  samples.emplace_back("animated.pptx", AnimatedPresentation());
  return samples;
}

}  // namespace powerpoint::testing
