// The keyword tables. Each row's letters say which argument cells it reads; its clause calls the
// check over the part's application and judges the answer as the rule's verdict says (NonZero,
// Mask, Equals, Always).
#include "grading/docmark/keywords.h"

#include "grading/docmark/checks/shapes.h"
#include "grading/docmark/checks/shapes_navigation.h"
#include "grading/docmark/checks/tables.h"
#include "grading/docmark/checks/text_page.h"
#include "grading/docmark/macro/macro_checks.h"
#include "grading/engine/keyword_index.h"
#include "platform/vb/strings.h"

namespace docmark {
namespace {

// The verdicts over a check's answer r.
template <class R>
bool NonZero(R r) {
  return r != R{};
}
template <class R>
bool Mask(R r, int16_t mask) {
  return MaskHolds(r, mask);
}
template <class R, class E>
bool Equals(R r, E expected) {
  return r == expected;
}
template <class R>
bool Always(R) {
  return true;
}

// The "obj first" keywords answer false without a current drawing object.
bool HasShape(const DocState& s) {
  return !s.CurrentShapeName.empty();
}

// The drawing object the OBJ* keywords talk about, and where the last position check found one.
const std::string& Obj(const DocState& s) {
  return s.CurrentShapeName;
}
LastShapePosition LastShape(DocState& s) {
  return {s.LastShapeLeft, s.LastShapeTop};
}

// The application each part's checks read: its active document is the document of the current
// file row (none open, and the checks read nothing).
word::Application& AppA(DocState& s) {
  return PartApplication(s.WordApp);
}
word::Application& AppB(DocState& s) {
  return PartApplication(s.WordBasicApp);
}

using A = const Arguments&;
using Ds = DocState&;

constexpr KeywordRow kKeywordsA[] = {
    // Drawing objects (checks/shapes; "obj first" rows test HasShape, after reading their cells)
    {"OBJWIDHEI", "DDI",
     [](Ds s, A a) {
       return HasShape(s) && Mask(ShapeSizeCode(AppA(s), Obj(s), a.D(0), a.D(1)), a.I(2));
     }},
    {"OBJWID", "D",
     [](Ds s, A a) { return HasShape(s) && NonZero(CheckShapeWidth(AppA(s), Obj(s), a.D(0))); }},
    {"OBJHEI", "D",
     [](Ds s, A a) { return HasShape(s) && NonZero(CheckShapeHeight(AppA(s), Obj(s), a.D(0))); }},
    {"OBJFILLVISIBLE", "",
     [](Ds s, A) { return HasShape(s) && NonZero(CheckNoFill(AppA(s), Obj(s))); }},
    {"OBJFILLFORECOLOR", "L",
     [](Ds s, A a) { return HasShape(s) && NonZero(CheckFillColor(AppA(s), Obj(s), a.L(0))); }},
    // Its cell is read and has no say: the fill must be half transparent.
    {"OBJFILLTRAN", "L",
     [](Ds s, A) { return HasShape(s) && NonZero(CheckFillHalfTransparent(AppA(s), Obj(s))); }},
    {"OBJLINEWEI", "D",
     [](Ds s, A a) { return HasShape(s) && NonZero(CheckLineWeight(AppA(s), Obj(s), a.D(0))); }},
    {"OBJLINETYP", "I",
     [](Ds s, A a) { return HasShape(s) && NonZero(CheckLineStyle(AppA(s), Obj(s), a.I(0))); }},
    {"OBJLINEVIS", "",
     [](Ds s, A) { return HasShape(s) && NonZero(CheckNoLine(AppA(s), Obj(s))); }},
    {"OBJLINEFORECOLOR", "L",
     [](Ds s, A a) { return HasShape(s) && NonZero(CheckLineForeColor(AppA(s), Obj(s), a.L(0))); }},
    {"OBJLINEBACKCOLOR", "L",
     [](Ds s, A a) { return HasShape(s) && NonZero(CheckLineBackColor(AppA(s), Obj(s), a.L(0))); }},
    {"OBJLEFTTOP", "DIDII",
     [](Ds s, A a) {
       return HasShape(s) && Equals(ShapePositionCode(AppA(s), Obj(s), a.D(0), a.I(1), a.D(2),
                                                      a.I(3), LastShape(s)),
                                    a.I(4));
     }},
    {"OBJLEFTVAL", "DI",
     [](Ds s, A a) {
       return HasShape(s) && NonZero(CheckShapeLeft(AppA(s), Obj(s), a.D(0), a.I(1)));
     }},
    {"OBJTOPVAL", "DI",
     [](Ds s, A a) {
       return HasShape(s) && NonZero(CheckShapeTop(AppA(s), Obj(s), a.D(0), a.I(1)));
     }},
    {"OBJDISTANCE", "DDDDI",
     [](Ds s, A a) {
       return HasShape(s) &&
              Mask(WrapDistanceCode(AppA(s), Obj(s), a.D(0), a.D(1), a.D(2), a.D(3)), a.I(4));
     }},
    {"OBJTOPDISTANCE", "D",
     [](Ds s, A a) {
       return HasShape(s) && NonZero(CheckWrapDistanceTop(AppA(s), Obj(s), a.D(0)));
     }},
    {"OBJBOTTOMDISTANCE", "D",
     [](Ds s, A a) {
       return HasShape(s) && NonZero(CheckWrapDistanceBottom(AppA(s), Obj(s), a.D(0)));
     }},
    {"OBJLEFTDISTANCE", "D",
     [](Ds s, A a) {
       return HasShape(s) && NonZero(CheckWrapDistanceLeft(AppA(s), Obj(s), a.D(0)));
     }},
    {"OBJRIGHTDISTANCE", "D",
     [](Ds s, A a) {
       return HasShape(s) && NonZero(CheckWrapDistanceRight(AppA(s), Obj(s), a.D(0)));
     }},
    {"OBJWRAP", "I",
     [](Ds s, A a) { return HasShape(s) && Mask(WrapCode(AppA(s), Obj(s)), a.I(0)); }},
    {"OBJWRAPTYPE", "I",
     [](Ds s, A a) { return HasShape(s) && NonZero(CheckWrapType(AppA(s), Obj(s), a.I(0))); }},
    {"OBJWRAPSIDE", "I",
     [](Ds s, A a) { return HasShape(s) && NonZero(CheckWrapSide(AppA(s), Obj(s), a.I(0))); }},
    {"TEXTBOXMARGIN", "DDDDI",
     [](Ds s, A a) {
       return HasShape(s) &&
              Mask(TextBoxMarginCode(AppA(s), Obj(s), a.D(0), a.D(1), a.D(2), a.D(3)), a.I(4));
     }},
    {"TEXTBOXMARGINTOP", "D",
     [](Ds s, A a) {
       return HasShape(s) && NonZero(CheckTextBoxMarginTop(AppA(s), Obj(s), a.D(0)));
     }},
    {"TEXTBOXMARGINBOTTOM", "D",
     [](Ds s, A a) {
       return HasShape(s) && NonZero(CheckTextBoxMarginBottom(AppA(s), Obj(s), a.D(0)));
     }},
    {"TEXTBOXMARGINLEFT", "D",
     [](Ds s, A a) {
       return HasShape(s) && NonZero(CheckTextBoxMarginLeft(AppA(s), Obj(s), a.D(0)));
     }},
    {"TEXTBOXMARGINRIGHT", "D",
     [](Ds s, A a) {
       return HasShape(s) && NonZero(CheckTextBoxMarginRight(AppA(s), Obj(s), a.D(0)));
     }},
    {"UNGROUP", "", [](Ds s, A) { return Always(UngroupShape(AppA(s), Obj(s))); }},
    {"EXISTOBJ", "T",
     [](Ds s, A a) { return NonZero(ExistShape(AppA(s), a.T(0), s.CurrentShapeName)); }},
    {"OPPPOSITION", "TTDD",
     [](Ds s, A a) {
       return NonZero(CheckRelativePosition(AppA(s), a.T(0), a.T(1), a.D(2), a.D(3), LastShape(s)));
     }},
    {"OBJCONCOLOR", "L",
     [](Ds s, A a) { return NonZero(CheckPictureColorType(AppA(s), Obj(s), a.L(0))); }},

    // Text formatting and page settings (checks/text_page)
    {"TEXTCOL", "TL", [](Ds s, A a) { return Equals(TextColorIndex(AppA(s), a.T(0)), a.L(1)); }},
    {"BACKSTYLEMODE", "L",
     [](Ds s, A a) { return NonZero(CheckBackgroundGradient(AppA(s), a.L(0))); }},
    {"TXTEFECT", "TL",
     [](Ds s, A a) { return NonZero(CheckTextAnimation(AppA(s), a.T(0), a.L(1))); }},
    {"TXTBACKGROUND", "TL",
     [](Ds s, A a) { return NonZero(CheckTextShadingColor(AppA(s), a.T(0), a.L(1))); }},
    {"TXTSYMBOL", "TL",
     [](Ds s, A a) { return NonZero(CheckEmphasisMark(AppA(s), a.T(0), a.L(1))); }},
    {"TXTUNDERSYMBOL", "TILT",
     [](Ds s, A a) { return NonZero(CheckUnderline(AppA(s), a.T(0), a.I(1), a.L(2), a.T(3))); }},
    {"DOCLINESTR", "III",
     [](Ds s, A a) { return NonZero(CheckLinesAndCharacters(AppA(s), a.I(0), a.I(1), a.I(2))); }},
    {"STRLS", "TL",
     [](Ds s, A a) { return NonZero(CheckCharacterScaling(AppA(s), a.T(0), a.L(1))); }},
    {"STREFESHADOW", "TB",
     [](Ds s, A a) { return NonZero(CheckTextShadow(AppA(s), a.T(0), a.B(1))); }},
    {"SELTXTBORDER", "TLLLBI",
     [](Ds s, A a) {
       return NonZero(CheckTextBorder(AppA(s), a.T(0), a.L(1), a.L(2), a.L(3), a.B(4), a.I(5)));
     }},
    {"HEADFOOTDISTANCE", "SSI",
     [](Ds s, A a) { return NonZero(CheckHeaderFooterDistance(AppA(s), a.F(0), a.F(1), a.I(2))); }},
    {"DIREHORORVER", "TL",
     [](Ds s, A a) { return NonZero(CheckTextOrientation(AppA(s), a.T(0), a.L(1))); }},
    {"YEMA", "I", [](Ds s, A a) { return NonZero(CheckPageNumberAlignment(AppA(s), a.I(0))); }},

    // Tables (checks/tables)
    {"VERTICALALIGN", "II",
     [](Ds s, A a) { return Mask(CellVerticalAlignment(AppA(s), a.I(0)), a.I(1)); }},
    {"HORIZONTALALIGN", "II",
     [](Ds s, A a) { return Mask(CellHorizontalAlignment(AppA(s), a.I(0)), a.I(1)); }},
    {"CELLSHADINGTEXTURE", "III",
     [](Ds s, A a) { return NonZero(CheckCellTexture(AppA(s), a.I(0), a.I(1), a.I(2))); }},
    {"CELLFORECOLOR", "III",
     [](Ds s, A a) {
       return NonZero(CheckCellForegroundColorIndex(AppA(s), a.I(0), a.I(1), a.I(2)));
     }},
    {"CELLBACKCOLOR", "III",
     [](Ds s, A a) {
       return NonZero(CheckCellBackgroundColorIndex(AppA(s), a.I(0), a.I(1), a.I(2)));
     }},
    {"CELLLINE", "BIIIILI",
     [](Ds s, A a) {
       return Mask(CellLineCode(AppA(s), a.B(0), a.I(1), a.I(2), a.I(3), a.I(4), a.L(5)), a.I(6));
     }},
    {"TABCOLANDROWCOUNT", "III",
     [](Ds s, A a) { return NonZero(CheckTableSize(AppA(s), a.I(0), a.I(1), a.I(2))); }},
    {"TABCELLWIDTHANDHEIGHT", "IIIII",
     [](Ds s, A a) {
       return NonZero(CheckCellSize(AppA(s), a.I(0), a.I(1), a.I(2), a.I(3), a.I(4)));
     }},
    {"CELLCOUNTOFROW", "II",
     [](Ds s, A a) { return NonZero(CheckRowCellCount(AppA(s), a.I(0), a.I(1))); }},
    {"CELLCOUNTOFCOL", "II",
     [](Ds s, A a) { return NonZero(CheckColumnCellCount(AppA(s), a.I(0), a.I(1))); }},
    {"LLCOFCELL", "IIIIILI",
     [](Ds s, A a) {
       return NonZero(
           CheckCellBorder(AppA(s), a.I(0), a.I(1), a.I(2), a.I(3), a.I(4), a.L(5), a.I(6)));
     }},
    {"TABLESTYLECHOICE", "T", [](Ds s, A a) { return NonZero(CheckTableStyle(AppA(s), a.T(0))); }},
    {"RULEOFROW", "IIL",
     [](Ds s, A a) { return NonZero(CheckRowHeight(AppA(s), a.I(0), a.I(1), a.L(2))); }},
    {"POSSETOFTAB", "I", [](Ds s, A a) { return NonZero(CheckTableAlignment(AppA(s), a.I(0))); }},
    {"TABWRAP", "B", [](Ds s, A a) { return NonZero(CheckTableWrap(AppA(s), a.B(0))); }},
    {"TABBAKESHADING", "IILLLI",
     [](Ds s, A a) {
       return NonZero(CheckCellShading(AppA(s), a.I(0), a.I(1), a.L(2), a.L(3), a.L(4), a.I(5)));
     }},
};

constexpr KeywordRow kKeywordsB[] = {
    // The macro-interface checks, in the order of the keyword test
    // Searching
    {"FINDCOUNT", "TI", [](Ds s, A a) { return Equals(FindCount(AppB(s), a.T(0)), a.I(1)); }},
    {"FINDREPLACE", "TITI",
     [](Ds s, A a) { return NonZero(FindReplace(AppB(s), a.T(0), a.I(1), a.T(2), a.I(3))); }},
    {"HEADFOOT", "TB", [](Ds s, A a) { return NonZero(HeadFoot(AppB(s), a.T(0), a.B(1))); }},
    // Paragraphs
    {"FORMATSTYPARAAFTER", "TT",
     [](Ds s, A a) { return NonZero(FormatStyParaAfter(AppB(s), a.T(0), a.T(1))); }},
    {"FORMATSTYPARABEFORE", "TT",
     [](Ds s, A a) { return NonZero(FormatStyParaBefore(AppB(s), a.T(0), a.T(1))); }},
    {"FORMATSTYPARAFIRSTIND", "TT",
     [](Ds s, A a) { return NonZero(FormatStyParaFirstInd(AppB(s), a.T(0), a.T(1))); }},
    {"FORMATSTYPARALINESPACE", "TT",
     [](Ds s, A a) { return NonZero(FormatStyParaLineSpace(AppB(s), a.T(0), a.T(1))); }},
    {"FORMATSTYPARALINERULE", "TI",
     [](Ds s, A a) { return NonZero(FormatStyParaLineRule(AppB(s), a.T(0), a.I(1))); }},
    {"FORMATSTYPARARIGHTIND", "TT",
     [](Ds s, A a) { return NonZero(FormatStyParaRightInd(AppB(s), a.T(0), a.T(1))); }},
    {"FORMATSTYPARALEFTIND", "TT",
     [](Ds s, A a) { return NonZero(FormatStyParaLeftInd(AppB(s), a.T(0), a.T(1))); }},
    {"PLACEINORDER", "TTTT",
     [](Ds s, A a) { return NonZero(PlaceInOrder(AppB(s), a.T(0), a.T(1), a.T(2), a.T(3))); }},
    {"WORDDROPCAP", "TIITTI",
     [](Ds s, A a) {
       return Equals(WordDropCap(AppB(s), a.T(0), a.I(1), a.I(2), a.T(3), a.T(4)), a.I(5));
     }},
    {"TXTPARA", "TI", [](Ds s, A a) { return Equals(TxtPara(AppB(s), a.T(0)), a.I(1)); }},
    // Characters
    {"TXTFONTSCRIPT", "TII",
     [](Ds s, A a) { return NonZero(TxtFontScript(AppB(s), a.T(0), a.I(1), a.I(2))); }},
    {"SELECTTXT", "T", [](Ds s, A a) { return NonZero(SelectTxt(AppB(s), a.T(0))); }},
    {"TXTFONTSPACING", "TT",
     [](Ds s, A a) { return NonZero(TxtFontSpacing(AppB(s), a.T(0), a.T(1))); }},
    {"TXTATTRIB", "TI", [](Ds s, A a) { return Mask(TxtAttrib(AppB(s), a.T(0)), a.I(1)); }},
    // Page and columns
    {"SETPAPER", "TTI", [](Ds s, A a) { return Mask(SetPaper(AppB(s), a.T(0), a.T(1)), a.I(2)); }},
    {"TOPPAPERMAG", "", nullptr},  // accepted, no check: "Function name isn't exist in B!"
    {"SETPAPERMAG", "TTTTI",
     [](Ds s, A a) { return Mask(SetPaperMag(AppB(s), a.T(0), a.T(1), a.T(2), a.T(3)), a.I(4)); }},
    {"BOTTOMPAPERMAG", "", nullptr},  // accepted, no check: "Function name isn't exist in B!"
    {"RIGHTPAPERMAG", "", nullptr},   // accepted, no check: "Function name isn't exist in B!"
    {"LEFTPAPERMAG", "", nullptr},    // accepted, no check: "Function name isn't exist in B!"
    {"FORMATSTYCOLUMNS", "TIIITTI",
     [](Ds s, A a) {
       return Mask(FormatStyColumns(AppB(s), a.T(0), a.I(1), a.I(2), a.I(3), a.T(4), a.T(5)),
                   a.I(6));
     }},
    {"TXTFONTSIZE", "TD", [](Ds s, A a) { return NonZero(TxtFontSize(AppB(s), a.T(0), a.D(1))); }},
    {"TXTFONT", "TT", [](Ds s, A a) { return NonZero(TxtFont(AppB(s), a.T(0), a.T(1))); }},
};

int16_t Run(DocState& state, const KeywordRow* row) {
  if (row == nullptr || row->clause == nullptr) return engine::kNoSuchKeyword;
  const Arguments args = Arguments::Read(state.engine, row->letters);
  return row->clause(state, args) ? engine::kCheckHolds : engine::kCheckFails;
}

}  // namespace

std::span<const KeywordRow> KeywordsA() {
  return kKeywordsA;
}

std::span<const KeywordRow> KeywordsB() {
  return kKeywordsB;
}

const KeywordRow* FindKeywordA(std::string_view keyword) {
  static const engine::KeywordIndex<KeywordRow> index{std::span<const KeywordRow>(kKeywordsA)};
  return index.Find(keyword);
}

const KeywordRow* FindKeywordB(std::string_view keyword) {
  static const engine::KeywordIndex<KeywordRow> index{std::span<const KeywordRow>(kKeywordsB)};
  return index.Find(keyword);
}

bool IsCheckKeywordA(std::string& token) {
  token = vb::UCase(token);
  return FindKeywordA(token) != nullptr;
}

bool IsCheckKeywordB(std::string& token) {
  token = vb::UCase(token);
  return FindKeywordB(token) != nullptr;
}

int16_t RunCheckA(DocState& state, std::string& token) {
  token = vb::UCase(token);
  return Run(state, FindKeywordA(token));
}

int16_t RunCheckB(DocState& state, std::string& token) {
  token = vb::UCase(token);
  return Run(state, FindKeywordB(token));
}

}  // namespace docmark
