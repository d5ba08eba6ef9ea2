// Text-formatting and page checks of part A (part of the system's unit for the document object
// model's checks).
#include "grading/docmark/checks/text_page.h"

#include <optional>
#include <string>
#include <vector>

#include "grading/docmark/checks/check_values.h"
#include "grading/docmark/checks/navigation.h"
#include "platform/office/word/background.h"
#include "platform/office/word/font.h"
#include "platform/office/word/mixed.h"
#include "platform/office/word/section.h"

namespace docmark {
namespace {

// What the selection holds after finding `text`; nothing when no document is open or the text
// is not there, so the check reads nothing rather than the selection the search left.
std::optional<word::Range> Found(word::Application& app, std::string_view text) {
  if (!FindTextForward(app, text)) return std::nullopt;
  return (*app.Selection())->Range();
}

// One value of the found text's font, kept at `start` when there is none to read.
template <class T, class Read>
T FontValue(word::Application& app, std::string_view text, T start, Read read) {
  T value = start;
  if (const std::optional<word::Range> found = Found(app, text))
    KeepRead(value, read(found->Font()));
  return value;
}

// ActiveDocument.PageSetup: one value over all the sections, wdUndefined when they differ.
template <class Read>
base::Result<float> DocumentPageSetup(word::Document& document, Read read) {
  word::Sections sections = document.Sections();
  std::vector<float> values;
  for (int32_t i = 1; i <= sections.Count(); ++i) {
    base::Result<word::Section> section = sections.Item(i);
    if (!section) return section.error();
    values.push_back(read(section->PageSetup()));
  }
  return word::CommonNumber(values, [](float v) { return v; });
}

}  // namespace

int16_t TextColorIndex(word::Application& app, std::string_view text) {
  return FontValue<int16_t>(app, text, 0, [](const word::Font& f) { return f.ColorIndex(); });
}

int16_t CheckTextAnimation(word::Application& app, std::string_view text, int32_t animation) {
  return ToTruth(FontValue<int32_t>(
                     app, text, 0, [](const word::Font& f) { return f.Animation(); }) == animation);
}

int16_t CheckTextShadingColor(word::Application& app, std::string_view text, int32_t color) {
  return ToTruth(FontValue<int32_t>(app, text, 0, [](const word::Font& f) -> base::Result<int32_t> {
                   base::Result<word::Shading> shading = f.Shading();
                   if (!shading) return shading.error();
                   return shading->BackgroundPatternColor();
                 }) == color);
}

int16_t CheckEmphasisMark(word::Application& app, std::string_view text, int32_t mark) {
  return ToTruth(FontValue<int32_t>(app, text, 0,
                                    [](const word::Font& f) { return f.EmphasisMark(); }) == mark);
}

int16_t CheckUnderline(word::Application& app, std::string_view text, int16_t mode,
                       int32_t underline, std::string_view color) {
  int32_t read = 0;
  std::string colorText;
  if (const std::optional<word::Range> found = Found(app, text)) {
    const word::Font font = found->Font();
    KeepRead(read, font.Underline());
    if (base::Result<int32_t> c = font.UnderlineColor()) colorText = std::to_string(*c);
  }
  const bool sameColor = colorText == color;
  switch (mode) {
    case 1:
      return ToTruth(read != underline);
    case 2:
      return ToTruth(read != underline && sameColor);
    case 3:
      return ToTruth(read == underline);
    case 4:
      return ToTruth(read == underline && sameColor);
    default:
      return engine::kFalse;
  }
}

int16_t CheckCharacterScaling(word::Application& app, std::string_view text, int32_t percent) {
  return ToTruth(
      FontValue<int32_t>(app, text, 0, [](const word::Font& f) { return f.Scaling(); }) == percent);
}

int16_t CheckTextShadow(word::Application& app, std::string_view text, bool shadow) {
  return ToTruth(FontValue<int32_t>(app, text, 0, [](const word::Font& f) { return f.Shadow(); }) ==
                 word::Truth(shadow));
}

int16_t CheckTextOrientation(word::Application& app, std::string_view text, int32_t orientation) {
  int32_t read = 0;
  if (const std::optional<word::Range> found = Found(app, text))
    KeepRead(read, found->Orientation());
  return ToTruth(read == orientation);
}

int16_t TextBorderCode(word::Application& app, std::string_view text, int32_t lineStyle,
                       int32_t lineWidth, int32_t color, bool shadow) {
  int32_t style = 0;
  int32_t width = 0;
  int32_t lineColor = 0;
  int32_t lineShadow = 0;
  if (const std::optional<word::Range> found = Found(app, text)) {
    const word::Font font = found->Font();
    if (base::Result<word::Border> border = font.Borders(1)) {
      KeepRead(style, border->LineStyle());
      KeepRead(width, border->LineWidth());
      KeepRead(lineColor, border->Color());
    }
    KeepRead(lineShadow, font.BordersShadow());
  }
  return DigitCode({style == lineStyle, width == lineWidth, lineColor == color,
                    lineShadow == word::Truth(shadow)});
}

int16_t CheckTextBorder(word::Application& app, std::string_view text, int32_t lineStyle,
                        int32_t lineWidth, int32_t color, bool shadow, int16_t code) {
  return ToTruth(TextBorderCode(app, text, lineStyle, lineWidth, color, shadow) == code);
}

int16_t CheckBackgroundGradient(word::Application& app, int32_t gradient) {
  int32_t read = 0;
  if (word::Document* document = app.ActiveDocument())
    KeepRead(read, document->Background().Fill().PresetGradientType());
  return ToTruth(read == gradient);
}

int16_t CheckLinesAndCharacters(word::Application& app, int16_t mode, int16_t lines,
                                int16_t characters) {
  float linesRead = 0;
  float charactersRead = 0;
  if (word::Document* document = app.ActiveDocument()) {
    KeepRead(linesRead,
             DocumentPageSetup(*document, [](const word::PageSetup& p) { return p.LinesPage(); }));
    KeepRead(charactersRead,
             DocumentPageSetup(*document, [](const word::PageSetup& p) { return p.CharsLine(); }));
  }
  const bool linesEqual = linesRead == lines;
  const bool charactersEqual = charactersRead == characters;
  switch (mode) {
    case 1:
      return ToTruth(linesEqual);
    case 2:
      return ToTruth(charactersEqual);
    case 3:
      return ToTruth(linesEqual && charactersEqual);
    default:
      return engine::kFalse;
  }
}

int16_t CheckHeaderFooterDistance(word::Application& app, float header, float footer,
                                  int16_t code) {
  float headerRead = 0;
  float footerRead = 0;
  if (word::Document* document = app.ActiveDocument()) {
    KeepRead(headerRead, DocumentPageSetup(*document, [](const word::PageSetup& p) {
               return p.HeaderDistance();
             }));
    KeepRead(footerRead, DocumentPageSetup(*document, [](const word::PageSetup& p) {
               return p.FooterDistance();
             }));
  }
  return ToTruth(DigitCode({headerRead == header, footerRead == footer}) == code);
}

int16_t CheckPageNumberAlignment(word::Application& app, int16_t alignment) {
  int32_t read = 0;
  base::Result<word::Selection*> selection = app.Selection();
  if (selection) {
    base::Result<word::Section> section = (*selection)->Range().Sections().Item(1);
    base::Result<word::HeaderFooter> footer =
        section ? section->Footers().Item(word::wdHeaderFooterPrimary)
                : base::Result<word::HeaderFooter>(section.error());
    if (footer) {
      if (base::Result<word::PageNumber> number = footer->PageNumbers().Item(1))
        read = number->Alignment();
    }
  }
  return ToTruth(read == alignment);
}

}  // namespace docmark
