// What the word processor's macro interface answers about the selection, for the layer that
// stands in for it: the values behind the fields of its dialogs (FormatParagraph, FormatFont,
// FilePageSetup, FormatDropCap, FormatColumns), shown as the Chinese word processor's dialogs
// show them (the tables dialog_fields_zh.inc and dialog_units_zh.inc), and what its formatting
// functions answer (Bold(), CenterPara(), FontSize(), ...).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/base/result.h"
#include "platform/office/word/range.h"
#include "platform/vb/variant.h"

namespace word {

enum class FieldValue : uint8_t {
  kSpaceBefore,
  kSpaceAfter,
  kLeftIndent,
  kRightIndent,
  kFirstIndent,
  kLineSpacing,
  kLineSpacingRule,
  kAlignment,
  kFontName,
  kFontSize,
  kFontSpacing,
  kSubscript,
  kSuperscript,
  kBold,
  kItalic,
  kPageWidth,
  kPageHeight,
  kTopMargin,
  kBottomMargin,
  kLeftMargin,
  kRightMargin,
  kHeaderDistance,
  kFooterDistance,
  kOrientation,
  kDropPosition,
  kDropHeight,
  kDropFont,
  kDropDistance,
  kColumns,
  kColumnLine,
  kEvenlySpaced,
  kColumnSpacing,
  kColumnWidth,
};

enum class FieldForm : uint8_t {
  kNumber,
  kCount,
  kName,
  kLength,
  kPoints,
  kLinesOrPoints,
  kCharsOrLength,
  kLineSpacing,
};

enum class DialogUnit : uint8_t {
  kInches,
  kCentimeters,
  kMillimeters,
  kPoints,
  kPicas,
  kLines,
  kCharacters,
  kSeparator,
};

// Field `field` of dialog `dialog` for the selection `range` (its first section for the page
// setup and columns, its first paragraph for the drop cap): a Long for number fields (check
// boxes 1 / 0, -1 when the selection is mixed), a String for the others ("" when mixed).
// Lengths are shown in `measurementUnit` (WdMeasurementUnits). An unknown dialog or field fails
// (4605).
base::Result<vb::Variant> DialogField(const Range& range, std::string_view dialog,
                                      std::string_view field, int32_t measurementUnit);

// A length as the dialogs show it: `points` in the unit, at most two decimals ("3.17 厘米").
std::string LengthText(float points, int32_t measurementUnit);
// A number with its unit word ("0.5 行", "2 字符", "12 磅").
std::string UnitText(double value, DialogUnit unit);

// What the macro interface's functions answer for the selection: 1 when all of it has the
// property, 0 when none of it has, -1 when part of it has. Paragraph alignment is asked of the
// paragraphs the selection touches (LeftPara(), CenterPara(), RightPara(), JustifyPara(),
// DistributePara() for the alignments 0 to 4); underline is single underline.
int32_t ParagraphAlignmentState(const Range& range, int32_t alignment);
int32_t BoldState(const Range& range);
int32_t ItalicState(const Range& range);
int32_t UnderlineState(const Range& range);
// FontSize(): the size in points, 0 when the selection's sizes differ.
float FontSizeValue(const Range& range);

}  // namespace word
