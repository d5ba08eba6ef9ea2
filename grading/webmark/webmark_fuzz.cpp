// libFuzzer target (asan preset): any bytes as a candidate's page, opened as a run opens it and
// graded by rules of every built keyword with every position condition, and fed as markup to the
// text utilities. It starts from the committed test pages (testdata/).
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "grading/webmark/dom_walks.h"
#include "grading/webmark/evaluator.h"
#include "grading/webmark/markup.h"
#include "platform/office/frontpage/application.h"

namespace {

std::vector<webmark::RuleRecord> Rules() {
  using R = webmark::RuleRecord;
  return {
      R{{"FrameSet"}, {"title", "x", "cols", "LEFT_SMALL", "cols", "30"}, 1, 1, ""},
      R{{"Frame", "main"}, {"src", "a.htm", "tableid", "t", "MARKOBJ", "m"}, 1, 2, ""},
      R{{"IFrame", "side"}, {"width", "3", "rowindex", "%LASTROW%", "AFTEROBJ", "m"}, 1, 3, ""},
      R{{"Meta", "name", "keywords"}, {"content", "x", "charset", "gbk"}, 1, 4, ""},
      R{{"Meta", "httpEquiv", "content-type"}, {"content", "x"}, 1, 5, ""},
      R{{"Doc", "b1"},
        {"title", "x", "bgcolor", "#fff", "background", "a", "BASETARGET", "m"},
        1,
        6,
        ""},
      R{{"Doc"}, {"cellindexLE", "1", "BEFOREOBJ", "m"}, 1, 7, ""},
      // Lines, sounds, drawings, marked objects, marquees
      R{{"HLine", "x"}, {"align", "center", "width", "1", "MARKOBJ", "h"}, 1, 8, ""},
      R{{"HLine", "%AFTEROBJ%", "h"}, {"size", "2", "rowindex", "0"}, 1, 9, ""},
      R{{"BGsound"}, {"src", "a", "loop", "3"}, 1, 10, ""},
      R{{"ArtText", ""},
        {"fontfamily", "x", "SHAPEFILLCOLOR", "NULL", "ABOVETABLE", "t"},
        1,
        11,
        ""},
      R{{"TextBox", ""},
        {"left", "1pt", "ISTEXT", "x", "fontsize", "9", "fontface", "x"},
        1,
        12,
        ""},
      R{{"Marquee", ""},
        {"loop", "3", "ABOVETABLE", "t", "FontFace", "x", "FontBold", "TRUE", "MARKOBJ", "q"},
        1,
        13,
        ""},
      R{{"OBJECT", "q"},
        {"TDIMAGECNT", "1", "FontFace", "x", "FontSize", "2", "Align", "left"},
        1,
        14,
        ""},
      // Text, bookmarks, links and image maps
      R{{"Font", ""},
        {"size", "3", "face", "x", "color", "#f00", "align", "center", "ATLINE", "1", "BOLD",
         "TRUE", "ITALIC", "TRUE", "UNDERLINE", "FALSE"},
        1,
        8,
        ""},
      R{{"Para", ""}, {"align", "center", "ATLINE", "1", "ABOVETABLE", "t"}, 1, 9, ""},
      R{{"Anchor", "m1"},
        {"LEADERIMAGE", "a", "FOLLOWIMAGE", "b", "INIMAGE", "c", "LEADERTEXT", "x", "FOLLOWTEXT",
         "y", "INTEXT", "z"},
        1,
        10,
        ""},
      R{{"Link", "b.htm"},
        {"INTEXT", "x", "INIMAGE", "a", "IMAGESRC", "m", "11111111shape", "rect",
         "1111111111111111111coords", "1,2,3,4,1,1,1,1"},
        1,
        11,
        ""},
      R{{"MapArea", "poly"},
        {"IMAGESRC", "m", "AreaLeft", "<1", "AreaCenterX", "=2", "AreaHeight", ">3"},
        1,
        12,
        ""},
      R{{"MapArea", "rect"}, {"AreaCenterY", "=2", "AreaWidth", ">3"}, 1, 13, ""},
      R{{"MapArea", "circle"}, {"AreaBottom", "=2", "CoordsPair", "2"}, 1, 14, ""},
      R{{"Image", ""}, {"align", "x", "width", "0", "hspace", "0", "href", ""}, 1, 8, ""},
      R{{"Image", ""}, {"LEADERTEXT", "", "FOLLOWTEXT", "", "TEXTABOVE", ""}, 1, 9, ""},
      R{{"Image", ""}, {"TEXTBELOW", "", "1111111111MAPSHAPE", "rect"}, 1, 10, ""},
      R{{"Table", "t"},
        {"ATLINE", "1", "ALIGN", "center", "cols", "1", "STYLEHAVE", ""},
        1,
        11,
        ""},
      R{{"TableCell", "t", "0", "0"},
        {"HAVEIMAGE", "", "ISIMAGE", "a", "PALIGN", "x", "FONTFACE", "x"},
        1,
        12,
        ""},
      R{{"TableCell", "t", "0", "0"},
        {"FONTCOLOR", "", "FONTSIZE", "", "FONTBOLD", "TRUE", "colspan", "1"},
        1,
        13,
        ""},
  };
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  webmark::WebState state;
  state.Editor = std::make_unique<frontpage::Application>();
  base::Result<frontpage::PageWindow*> window =
      state.Editor->LocatePageBytes("C:\\exam\\Fropkt\\index.htm", bytes);
  if (window) {
    state.PageWindow = *window;
    state.Rules = Rules();
    for (int32_t i = 1; i <= static_cast<int32_t>(state.Rules.size()); ++i)
      webmark::EvaluateRule(state, i);
    if (const frontpage::Document* document = (*window)->document()) {
      for (const frontpage::Element* element : document->all()) {
        for (std::string_view key : {"tableid", "rowindex", "cellindexGE", "rowindexLE"})
          (void)webmark::GeneralCheck(state, *element, key, "%LASTROW%");
        (void)webmark::AtPara(*document, *element, "body");
        (void)webmark::FindChildrenByTag(state, *element, "font");
        (void)webmark::FindParentByTag(state, *element, "td");
        std::vector<std::string> images;
        (void)webmark::FindAllImageInNode(*element, images);
      }
    }
  }
  (void)webmark::ExtractVMLtag(bytes, "textpath");
  (void)webmark::ExtractItem(bytes, "string");
  (void)webmark::ExtractStyleItem(bytes, "color");
  (void)webmark::ExtractSpanItem(bytes, "font-size");
  (void)webmark::GetStyleString(bytes);
  (void)webmark::FindMapName(bytes);
  (void)webmark::RemoveTagAfter(bytes, static_cast<int64_t>(size / 2) + 1);
  (void)webmark::RemoveTagBefore(bytes, static_cast<int64_t>(size / 2));
  (void)webmark::CoordsCheck(3, bytes);
  return 0;
}
