// The keyword table. Each row's letters say which argument cells it reads; its clause calls the
// check over the candidate's presentation and judges the answer as the rule's verdict says
// (Holds, Equals, NonZero).
#include "grading/slidemark/keywords.h"

#include "grading/engine/keyword_index.h"

#include "grading/engine/scoring.h"
#include "grading/slidemark/checks/actions.h"
#include "grading/slidemark/checks/animations.h"
#include "grading/slidemark/checks/backgrounds.h"
#include "grading/slidemark/checks/fills.h"
#include "grading/slidemark/checks/lines.h"
#include "grading/slidemark/checks/shape_geometry.h"
#include "grading/slidemark/checks/shape_kinds.h"
#include "grading/slidemark/checks/slide_identity.h"
#include "grading/slidemark/checks/slide_show.h"
#include "grading/slidemark/checks/structure.h"
#include "grading/slidemark/checks/text_effects.h"
#include "grading/slidemark/checks/text_find.h"
#include "grading/slidemark/checks/text_format.h"
#include "grading/slidemark/checks/transitions.h"
#include "platform/vb/strings.h"

namespace slidemark {
namespace {

// The verdicts over a check's answer.
bool Holds(bool r) {
  return r;
}
template <class R, class E>
bool Equals(R r, E expected) {
  return r == expected;
}
template <class R>
bool NonZero(R r) {
  return r != R{};
}

using A = const Arguments&;
using P = const powerpoint::Presentation&;

constexpr KeywordRow kKeywords[] = {
    // Text search, slide identity, transition and template (checks/text_find,
    // checks/slide_identity, checks/transitions)
    {"FINDTEXT", "T", [](P p, A a) { return Holds(CheckFindText(p, a.T(0))); }},
    {"TEMPLATEAPPLY", "T", [](P p, A a) { return Holds(CheckTemplateApply(p, a.T(0))); }},
    {"GETSLIDEID", "I", [](P p, A a) { return NonZero(CheckGetSlideId(p, a.I(0))); }},
    {"INSERTSLIDE", "IL", [](P p, A a) { return Holds(CheckInsertSlide(p, a.I(0), a.L(1))); }},
    {"SLIDESWAP", "II", [](P p, A a) { return Holds(CheckSlideSwap(p, a.I(0), a.I(1))); }},
    {"SLIDETRANSITION", "IL",
     [](P p, A a) { return Holds(CheckSlideTransition(p, a.I(0), a.L(1))); }},

    // Text found in every slide, in one slide, in one shape (checks/text_find)
    {"PPTTXTFONT", "TT", [](P p, A a) { return Holds(CheckPptTxtFont(p, a.T(0), a.T(1))); }},
    {"PPTTXTFONTSIZE", "TF",
     [](P p, A a) { return Holds(CheckPptTxtFontSize(p, a.T(0), a.F(1))); }},
    {"PPTTXTATTRIB", "TL", [](P p, A a) { return Equals(CheckPptTxtAttrib(p, a.T(0)), a.L(1)); }},
    {"PPTTXTCOLOR", "TL", [](P p, A a) { return Equals(CheckPptTxtColor(p, a.T(0)), a.L(1)); }},
    {"FINDTEXTINSLIDE", "IT",
     [](P p, A a) { return Holds(CheckFindTextInSlide(p, a.I(0), a.T(1))); }},
    {"FINDTEXTINSLIDEFONT", "ITTF",
     [](P p, A a) { return Holds(CheckFindTextInSlideFont(p, a.I(0), a.T(1), a.T(2), a.F(3))); }},
    {"FINDTEXTINSLIDEFONTCOLOR", "ITL",
     [](P p, A a) { return Holds(CheckFindTextInSlideFontColor(p, a.I(0), a.T(1), a.L(2))); }},
    {"FINDTEXTINSLIDESHAPE", "IIT",
     [](P p, A a) { return Holds(CheckFindTextInSlideShape(p, a.I(0), a.I(1), a.T(2))); }},
    {"FINDTEXTINSLIDESHAPEFONT", "IITTF",
     [](P p, A a) {
       return Holds(CheckFindTextInSlideShapeFont(p, a.I(0), a.I(1), a.T(2), a.T(3), a.F(4)));
     }},
    {"FINDTEXTINSLIDESHAPEFONTCOLOR", "IITL",
     [](P p, A a) {
       return Holds(CheckFindTextInSlideShapeFontColor(p, a.I(0), a.I(1), a.T(2), a.L(3)));
     }},

    // A shape's font and alignment (checks/text_format)
    {"SHAPETXTFONTNAME", "IIT",
     [](P p, A a) { return Holds(CheckShapeTxtFontName(p, a.I(0), a.I(1), a.T(2))); }},
    {"SHAPETXTFONTSIZE", "IIL",
     [](P p, A a) { return Holds(CheckShapeTxtFontSize(p, a.I(0), a.I(1), a.L(2))); }},
    {"SHAPETXTFONTATTRIB", "IIL",
     [](P p, A a) { return Equals(CheckShapeTxtFontAttrib(p, a.I(0), a.I(1)), a.L(2)); }},
    {"SHAPETXTFONTCOLOR", "IIL",
     [](P p, A a) { return Holds(CheckShapeTxtFontColor(p, a.I(0), a.I(1), a.L(2))); }},
    {"TXTALIGNMENT", "IIL",
     [](P p, A a) { return Holds(CheckTxtAlignment(p, a.I(0), a.I(1), a.L(2))); }},

    // A shape's size, position and kind (checks/shape_geometry, checks/shape_kinds)
    {"SHAPEDIMENTION", "IIFF",
     [](P p, A a) { return Holds(CheckShapeDimention(p, a.I(0), a.I(1), a.F(2), a.F(3))); }},
    {"SHAPEPOSITION", "IILL",
     [](P p, A a) { return Holds(CheckShapePosition(p, a.I(0), a.I(1), a.L(2), a.L(3))); }},
    {"SHAPEMEDIATYPE", "IIL",
     [](P p, A a) { return Holds(CheckShapeMediaType(p, a.I(0), a.I(1), a.L(2))); }},
    {"INSERTAUTOSHAPETYPE", "IIL",
     [](P p, A a) { return Holds(CheckInsertAutoShapeType(p, a.I(0), a.I(1), a.L(2))); }},
    {"SHAPEAUTOSHAPETYPE", "IIL",
     [](P p, A a) { return Holds(CheckShapeAutoShapeType(p, a.I(0), a.I(1), a.L(2))); }},
    {"SHAPETYPENAME", "IIL",
     [](P p, A a) { return Holds(CheckShapeTypeName(p, a.I(0), a.I(1), a.L(2))); }},
    {"SHAPEPLACEHOLDERTYPENAME", "IIL",
     [](P p, A a) { return Holds(CheckShapePlaceholderTypeName(p, a.I(0), a.I(1), a.L(2))); }},

    // Slide count, shape count and layout (checks/structure)
    {"SLIDELAYOUT", "II", [](P p, A a) { return Holds(CheckSlideLayout(p, a.I(0), a.I(1))); }},
    {"SLIDENUMBER", "I", [](P p, A a) { return Holds(CheckSlideNumber(p, a.I(0))); }},
    {"SHAPENUMBER", "II", [](P p, A a) { return Holds(CheckShapeNumber(p, a.I(0), a.I(1))); }},

    // A shape's fill (checks/fills)
    {"SHAPEFILLCOLOR", "IIL",
     [](P p, A a) { return Equals(CheckShapeFillColor(p, a.I(0), a.I(1)), a.L(2)); }},
    {"SHAPEPRSTGRDENTTYPE", "IIL",
     [](P p, A a) { return Holds(CheckShapePrstGrdentType(p, a.I(0), a.I(1), a.L(2))); }},
    {"SHAPEGRADTSTYLE", "IIL",
     [](P p, A a) { return Holds(CheckShapeGradtStyle(p, a.I(0), a.I(1), a.L(2))); }},
    {"SHAPETEXTURED", "IIL",
     [](P p, A a) { return Holds(CheckShapeTextured(p, a.I(0), a.I(1), a.L(2))); }},
    {"SHAPETEXTUREPICTURE", "IIT",
     [](P p, A a) { return Holds(CheckShapeTexturePicture(p, a.I(0), a.I(1), a.T(2))); }},
    {"SHAPEFILLPATTERN", "IILLL",
     [](P p, A a) {
       return Holds(CheckShapeFillPattern(p, a.I(0), a.I(1), a.L(2), a.L(3), a.L(4)));
     }},

    // Shape lines and text effects (checks/lines, checks/text_effects)
    {"LINEWEIGHT", "IIL",
     [](P p, A a) { return Holds(CheckLineWeight(p, a.I(0), a.I(1), a.L(2))); }},
    {"LINESTYLE", "IIL", [](P p, A a) { return Holds(CheckLineStyle(p, a.I(0), a.I(1), a.L(2))); }},
    {"LINECOLOR", "IIL",
     [](P p, A a) { return Equals(CheckLineColor(p, a.I(0), a.I(1)), a.L(2)); }},
    {"TXTEFFECTPRESHAPE", "IIL",
     [](P p, A a) { return Holds(CheckTxtEffectPreShape(p, a.I(0), a.I(1), a.L(2))); }},
    {"SHAPETXTEFFECTFONT", "IITFL",
     [](P p, A a) {
       return Holds(CheckShapeTxtEffectFont(p, a.I(0), a.I(1), a.T(2), a.F(3), a.L(4)));
     }},
    {"SHAPETXTEFFECTTEXT", "IIT",
     [](P p, A a) { return Holds(CheckShapeTxtEffectText(p, a.I(0), a.I(1), a.T(2))); }},
    {"SHAPETXTEFFECT", "IIL",
     [](P p, A a) { return Holds(CheckShapeTxtEffect(p, a.I(0), a.I(1), a.L(2))); }},

    // Slide and master backgrounds (checks/backgrounds)
    {"PPTGRADIENTCOLORTYPE", "IL",
     [](P p, A a) { return Holds(CheckPptGradientColorType(p, a.I(0), a.L(1))); }},
    {"PRSTGRDENTTYPE", "IL",
     [](P p, A a) { return Holds(CheckPrstGrdentType(p, a.I(0), a.L(1))); }},
    {"GRADTSTYLE", "IL", [](P p, A a) { return Holds(CheckGradtStyle(p, a.I(0), a.L(1))); }},
    {"PPTTEXTURED", "IL", [](P p, A a) { return Holds(CheckPptTextured(p, a.I(0), a.L(1))); }},
    {"PPTFILLTEXTUREPICTURE", "IT",
     [](P p, A a) { return Holds(CheckPptFillTexturePicture(p, a.I(0), a.T(1))); }},
    {"PPTFILLTEXTUREPATTERN", "ILLL",
     [](P p, A a) { return Holds(CheckPptFillTexturePattern(p, a.I(0), a.L(1), a.L(2), a.L(3))); }},
    {"ALLSLIDESBGTEXTURE", "L", [](P p, A a) { return Holds(CheckAllSlidesBgTexture(p, a.L(0))); }},
    {"ALLSLIDESPRSTGRDENTTYPE", "L",
     [](P p, A a) { return Holds(CheckAllSlidesPrstGrdentType(p, a.L(0))); }},
    {"ALLSLIDESGRADTSTYLE", "L",
     [](P p, A a) { return Holds(CheckAllSlidesGradtStyle(p, a.L(0))); }},
    {"PPTFILLTEXTUREPICTUREALL", "T",
     [](P p, A a) { return Holds(CheckPptFillTexturePictureAll(p, a.T(0))); }},
    {"PPTFILLTEXTUREPATTERNALL", "LLL",
     [](P p, A a) { return Holds(CheckPptFillTexturePatternAll(p, a.L(0), a.L(1), a.L(2))); }},

    // Action settings and hyperlinks of a shape, of its text, of text found in it
    // (checks/actions)
    {"SHAPEACTIONSETTING", "IILL",
     [](P p, A a) { return Holds(CheckShapeActionSetting(p, a.I(0), a.I(1), a.L(2), a.L(3))); }},
    {"TXTACTIONSETTING", "IILL",
     [](P p, A a) { return Holds(CheckTxtActionSetting(p, a.I(0), a.I(1), a.L(2), a.L(3))); }},
    {"TXTHYPERLINKSETTINGURL", "ITTL",
     [](P p, A a) {
       return Holds(CheckTxtHyperlinkSettingUrl(p, a.I(0), a.T(1), a.T(2), a.L(3)));
     }},
    {"SHAPEHYPERLINKSETTING", "IITL",
     [](P p, A a) { return Holds(CheckShapeHyperlinkSetting(p, a.I(0), a.I(1), a.T(2), a.L(3))); }},
    {"SHAPEHYPERLINKURL", "IITL",
     [](P p, A a) { return Holds(CheckShapeHyperlinkUrl(p, a.I(0), a.I(1), a.T(2), a.L(3))); }},
    {"SHAPEHYPERLINKFILE", "IITL",
     [](P p, A a) { return Holds(CheckShapeHyperlinkFile(p, a.I(0), a.I(1), a.T(2), a.L(3))); }},
    {"TXTHYPERLINKSETTING", "IITL",
     [](P p, A a) { return Holds(CheckTxtHyperlinkSetting(p, a.I(0), a.I(1), a.T(2), a.L(3))); }},
    {"TXTACTIONSETTINGSOUND", "IITL",
     [](P p, A a) { return Holds(CheckTxtActionSettingSound(p, a.I(0), a.I(1), a.T(2), a.L(3))); }},
    {"SHAPEACTIONSETTINGSOUND", "IITL",
     [](P p, A a) {
       return Holds(CheckShapeActionSettingSound(p, a.I(0), a.I(1), a.T(2), a.L(3)));
     }},
    {"TXTHYPERLINKURL", "IITL",
     [](P p, A a) { return Holds(CheckTxtHyperlinkUrl(p, a.I(0), a.I(1), a.T(2), a.L(3))); }},
    {"TXTINSLIDESHAPEACTIONSETTINGURL", "IITTL",
     [](P p, A a) {
       return Holds(
           CheckTxtInSlideShapeActionSettingUrl(p, a.I(0), a.I(1), a.T(2), a.T(3), a.L(4)));
     }},
    {"TXTINSLIDESHAPEACTIONSETTINGACTION", "IITLL",
     [](P p, A a) {
       return Holds(
           CheckTxtInSlideShapeActionSettingAction(p, a.I(0), a.I(1), a.T(2), a.L(3), a.L(4)));
     }},
    {"TXTINSLIDESHAPEACTIONSETTINGSUBADDRESS", "IITTL",
     [](P p, A a) {
       return Holds(
           CheckTxtInSlideShapeActionSettingSubAddress(p, a.I(0), a.I(1), a.T(2), a.T(3), a.L(4)));
     }},
    {"TXTINSLIDESHAPEACTIONSETTINGSOUND", "IITTL",
     [](P p, A a) {
       return Holds(
           CheckTxtInSlideShapeActionSettingSound(p, a.I(0), a.I(1), a.T(2), a.T(3), a.L(4)));
     }},

    // A slide's transition, the master's (for all slides) and the slide show settings
    // (checks/transitions, checks/slide_show)
    {"SLIDETRANSITIONSPEED", "IL",
     [](P p, A a) { return Holds(CheckSlideTransitionSpeed(p, a.I(0), a.L(1))); }},
    {"SLIDETRANSITIONCLICK", "IL",
     [](P p, A a) { return Holds(CheckSlideTransitionClick(p, a.I(0), a.L(1))); }},
    {"SLIDETRANSITIONMODEONTIME", "IF",
     [](P p, A a) { return Holds(CheckSlideTransitionModeOnTime(p, a.I(0), a.F(1))); }},
    {"SLIDETRANSITIONSOUNDEFFECT", "IT",
     [](P p, A a) { return Holds(CheckSlideTransitionSoundEffect(p, a.I(0), a.T(1))); }},
    {"SLIDETRANSITIONDURATION", "IF",
     [](P p, A a) { return Holds(CheckSlideTransitionDuration(p, a.I(0), a.F(1))); }},
    {"ALLSLIDETRANSITION", "L", [](P p, A a) { return Holds(CheckAllSlideTransition(p, a.L(0))); }},
    {"ALLSLIDETRANSITIONONCLICK", "L",
     [](P p, A a) { return Holds(CheckAllSlideTransitionOnClick(p, a.L(0))); }},
    {"ALLSLIDETRANSITIONONTIME", "F",
     [](P p, A a) { return Holds(CheckAllSlideTransitionOnTime(p, a.F(0))); }},
    {"ALLSLIDETRANSITIONDURATION", "F",
     [](P p, A a) { return Holds(CheckAllSlideTransitionDuration(p, a.F(0))); }},
    {"ALLSLIDETRANSITIONSPEED", "L",
     [](P p, A a) { return Holds(CheckAllSlideTransitionSpeed(p, a.L(0))); }},
    {"ALLSLIDETRANSITIONSOUNDEFFECT", "T",
     [](P p, A a) { return Holds(CheckAllSlideTransitionSoundEffect(p, a.T(0))); }},
    {"SLIDESHOWSETTINGSHOWTYPE", "L",
     [](P p, A a) { return Holds(CheckSlideShowSettingShowType(p, a.L(0))); }},
    {"SLIDESHOWSETTINGOPTION", "L",
     [](P p, A a) { return Holds(CheckSlideShowSettingOption(p, a.L(0))); }},
    {"SLIDESHOWSETTINGRANGETYPE", "L",
     [](P p, A a) { return Holds(CheckSlideShowSettingRangeType(p, a.L(0))); }},
    {"SLIDESHOWSETTINGRANGE", "LL",
     [](P p, A a) { return Holds(CheckSlideShowSettingRange(p, a.L(0), a.L(1))); }},
    {"SLIDESHOWPOINTERCOLOR", "L",
     [](P p, A a) { return Holds(CheckSlideShowPointerColor(p, a.L(0))); }},
    {"SLIDESHOWSETTINGADVANCEMODE", "L",
     [](P p, A a) { return Holds(CheckSlideShowSettingAdvanceMode(p, a.L(0))); }},

    // A shape's animation settings and the effects of a slide's main sequence
    // (checks/animations)
    {"SETANIMATION", "IIL",
     [](P p, A a) { return Holds(CheckSetAnimation(p, a.I(0), a.I(1), a.L(2))); }},
    {"PPTANIMATIONORDER", "III",
     [](P p, A a) { return Holds(CheckPptAnimationOrder(p, a.I(0), a.I(1), a.I(2))); }},
    {"GETANIMATIONORDER", "II",
     [](P p, A a) { return NonZero(CheckGetAnimationOrder(p, a.I(0), a.I(1))); }},
    {"SETANIMATIONEFFECT", "IIL",
     [](P p, A a) { return Holds(CheckSetAnimationEffect(p, a.I(0), a.I(1), a.L(2))); }},
    {"SHAPEANIMATIONMODE", "IIL",
     [](P p, A a) { return Equals(CheckShapeAnimationMode(p, a.I(0), a.I(1)), a.L(2)); }},
    {"SHAPEANIMATIONONTIME", "IIF",
     [](P p, A a) { return Holds(CheckShapeAnimationOnTime(p, a.I(0), a.I(1), a.F(2))); }},
    {"SETANIMATIONEFFECTCOLOR", "IIL",
     [](P p, A a) { return Holds(CheckSetAnimationEffectColor(p, a.I(0), a.I(1), a.L(2))); }},
    {"SETANIMATIONEFFECTTEXTLEVEL", "IIL",
     [](P p, A a) { return Holds(CheckSetAnimationEffectTextLevel(p, a.I(0), a.I(1), a.L(2))); }},
    {"SETANIMATIONTEXTEFFECT", "IIL",
     [](P p, A a) { return Holds(CheckSetAnimationTextEffect(p, a.I(0), a.I(1), a.L(2))); }},
    {"SETANIMATIONEFFECTSOUNDEFFECT", "IIT",
     [](P p, A a) { return Holds(CheckSetAnimationEffectSoundEffect(p, a.I(0), a.I(1), a.T(2))); }},
    {"SLDANIMATIONSETTING", "IIL",
     [](P p, A a) { return Holds(CheckSldAnimationSetting(p, a.I(0), a.I(1), a.L(2))); }},
    {"SLDANIMATIONTRIGGER", "IIL",
     [](P p, A a) { return Holds(CheckSldAnimationTrigger(p, a.I(0), a.I(1), a.L(2))); }},
    {"SLDANIMATIONTRIGGERDELAYTIME", "IIF",
     [](P p, A a) { return Holds(CheckSldAnimationTriggerDelayTime(p, a.I(0), a.I(1), a.F(2))); }},
    {"SLDANIMATIONDURATION", "IIF",
     [](P p, A a) { return Holds(CheckSldAnimationDuration(p, a.I(0), a.I(1), a.F(2))); }},
    {"SLDANIMATIONREPEATCOUNT", "IIL",
     [](P p, A a) { return Holds(CheckSldAnimationRepeatCount(p, a.I(0), a.I(1), a.L(2))); }},
    {"SLIDESHAPEISANIMATE", "IIL",
     [](P p, A a) { return Holds(CheckSlideShapeIsAnimate(p, a.I(0), a.I(1), a.L(2))); }},
};

}  // namespace

std::span<const KeywordRow> Keywords() {
  return kKeywords;
}

const KeywordRow* FindKeyword(std::string_view keyword) {
  static const engine::KeywordIndex<KeywordRow> index{std::span<const KeywordRow>(kKeywords)};
  return index.Find(keyword);
}

bool IsCheckKeyword(std::string& token) {
  token = vb::UCase(token);
  return FindKeyword(token) != nullptr;
}

int16_t RunCheck(SlideState& state, std::string& token) {
  token = vb::UCase(token);
  const KeywordRow* row = FindKeyword(token);
  if (row == nullptr) return engine::kNoSuchKeyword;
  const Arguments args = Arguments::Read(state.engine, row->letters);
  // With no presentation open every check fails its first read.
  if (state.CurrentPresentation == nullptr) return engine::kCheckFails;
  return row->clause(*state.CurrentPresentation, args) ? engine::kCheckHolds : engine::kCheckFails;
}

}  // namespace slidemark
