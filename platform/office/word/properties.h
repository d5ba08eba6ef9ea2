// Run and paragraph properties as one level of the file writes them (direct formatting, one
// style, the document defaults, a numbering level), read from w:rPr and w:pPr into structs whose
// members are empty where that level says nothing, and the rules that lay one level over
// another. Values are already the object model's: points, WdUnderline, WdTextureIndex, ...
// Theme font names are resolved while reading, so a level carries typefaces only.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include <pugixml.hpp>

#include "platform/base/result.h"
#include "platform/office/drawingml/theme.h"
#include "platform/office/word/constants.h"

namespace word {

// A colour as the files write it: a value (0xRRGGBB) or "auto".
struct ColorValue {
  bool automatic = true;
  uint32_t rgb = 0;

  // The object model's `Color`: the automation value, or wdColorAutomatic.
  int32_t Ole() const;
  // The object model's `ColorIndex`: wdAuto for automatic, the index of one of the 16 colours,
  // wdUndefined for any other colour.
  int32_t Index() const;
  bool operator==(const ColorValue&) const = default;
};

// A border line (w:top, w:bdr, ...).
struct BorderProps {
  int32_t lineStyle = wdLineStyleNone;  // WdLineStyle
  int32_t width = 0;                    // eighths of a point, as WdLineWidth counts
  ColorValue color;
  bool shadow = false;
  int32_t space = 0;  // points
  bool operator==(const BorderProps&) const = default;
};

// A shading (w:shd): the pattern, its colour, and the colour behind it.
struct ShadingProps {
  int32_t texture = wdTextureNone;  // WdTextureIndex
  ColorValue foreground;            // the pattern's colour (w:color)
  ColorValue background;            // the fill (w:fill)
  bool operator==(const ShadingProps&) const = default;
};

struct RunProps {
  std::optional<std::string> style;  // w:rStyle, direct formatting only
  // Typefaces by the kind of character: ASCII, other Latin, East Asian, complex script.
  std::optional<std::string> ascii, hAnsi, eastAsia, complex;
  std::optional<bool> hintEastAsia;  // w:rFonts w:hint="eastAsia"
  // Toggle properties (styles toggle them, see Formatting).
  std::optional<bool> bold, italic, shadow, strike, caps, smallCaps, hidden;
  std::optional<float> size;         // points
  std::optional<int32_t> underline;  // WdUnderline
  std::optional<ColorValue> underlineColor;
  std::optional<ColorValue> color;
  std::optional<int32_t> animation;      // WdAnimation
  std::optional<int32_t> emphasis;       // WdEmphasisMark
  std::optional<int32_t> scaling;        // percent
  std::optional<float> spacing;          // points, negative when condensed
  std::optional<int32_t> verticalAlign;  // 0 baseline, 1 superscript, 2 subscript
  std::optional<int32_t> highlight;      // WdColorIndex
  std::optional<ShadingProps> shading;
  std::optional<BorderProps> border;

  // Lays `top` over this: every member `top` sets replaces this one's.
  void Overlay(const RunProps& top);
};

// A length that the file may also store in character or line units (hundredths), which then
// decide: w:left with w:leftChars, w:before with w:beforeLines. A level that writes either form
// replaces both.
struct UnitLength {
  int32_t twips = 0;
  std::optional<int32_t> hundredths;  // characters or lines
  bool operator==(const UnitLength&) const = default;
};

enum class LineRule : uint8_t { kAuto, kExact, kAtLeast };

struct LineSpacing {
  int32_t value = 240;  // 240ths of a line for kAuto, twips otherwise
  LineRule rule = LineRule::kAuto;
  bool operator==(const LineSpacing&) const = default;
};

// A paragraph's frame (w:framePr); drop caps are frames.
struct FrameProps {
  int32_t dropCap = wdDropNone;  // WdDropPosition
  int32_t lines = 0;             // lines dropped
  int32_t hSpace = 0;            // twips between the frame and the text
  std::string xAlign;            // "left", "center", "right", "inside", "outside", or ""
};

struct ParagraphProps {
  std::optional<std::string> style;  // w:pStyle, direct formatting only
  std::optional<int32_t> alignment;  // WdParagraphAlignment
  std::optional<UnitLength> left, right;
  std::optional<UnitLength> firstLine;  // negative for a hanging indent
  std::optional<UnitLength> before, after;
  std::optional<bool> beforeAuto, afterAuto;  // w:beforeAutospacing, w:afterAutospacing
  std::optional<LineSpacing> line;
  std::optional<ShadingProps> shading;
  std::optional<BorderProps> top, leftBorder, bottom, rightBorder, between;
  std::optional<FrameProps> frame;
  std::optional<int32_t> numId, level;   // w:numPr
  std::optional<int32_t> textDirection;  // WdTextOrientation
  std::optional<bool> pageBreakBefore;
  RunProps mark;  // w:pPr/w:rPr: the paragraph mark's own run properties

  // Lays `over` over this (the mark's properties are left alone: they are direct only).
  void Overlay(const ParagraphProps& over);
};

// What reading needs beyond the element: the theme behind theme fonts and the script of its
// East Asian font (from the document's w:themeFontLang).
struct ReadContext {
  const drawingml::Theme* theme = nullptr;
  std::string_view eastAsianScript = "Hans";
};

// Takes `bytes` a reader keeps from the package's memory budget; an error when they would exceed
// it.
using MemoryCharge = std::function<base::Status(uint64_t bytes)>;
// What a value keeps on the heap beyond its own size (its texts), for charging it.
uint64_t HeapBytes(const RunProps& props);
uint64_t HeapBytes(const ParagraphProps& props);

// One level's properties; an empty node reads as an empty level.
RunProps ReadRunProps(pugi::xml_node rPr, const ReadContext& context);
ParagraphProps ReadParagraphProps(pugi::xml_node pPr, const ReadContext& context);
// A border element (w:top, w:bdr, w:insideH, ...); nullopt when the node is empty.
std::optional<BorderProps> ReadBorder(pugi::xml_node border);
std::optional<ShadingProps> ReadShading(pugi::xml_node shd);
// A text direction (w:textDirection w:val) as WdTextOrientation.
std::optional<int32_t> ReadTextDirection(pugi::xml_node textDirection);

// The run properties the word processor uses where neither the styles nor the document's
// defaults say anything: 10 pt Times New Roman (宋体 for East Asian text), nothing switched on.
const RunProps& BuiltInRunProps();
// Left aligned, no indents, no spacing, single line spacing.
const ParagraphProps& BuiltInParagraphProps();

}  // namespace word
