// Dialog field values and the formatting functions' answers.
#include "platform/office/word/macro_values.h"

#include <cmath>
#include <cstdio>

#include "platform/base/text.h"
#include "platform/office/word/covered.h"
#include "platform/office/word/errors.h"
#include "platform/office/word/font.h"
#include "platform/office/word/paragraph_format.h"
#include "platform/office/word/paragraphs.h"
#include "platform/office/word/section.h"

namespace word {
namespace {

struct DialogFieldRow {
  std::string_view dialog;
  std::string_view field;
  FieldValue value;
  FieldForm form;
};

constexpr DialogFieldRow kDialogFields[] = {
#include "platform/office/word/dialog_fields_zh.inc"
};

struct UnitWord {
  DialogUnit unit;
  std::string_view word;
};

constexpr UnitWord kUnitWords[] = {
#include "platform/office/word/dialog_units_zh.inc"
};

std::string_view WordOf(DialogUnit unit) {
  for (const UnitWord& w : kUnitWords) {
    if (w.unit == unit) return w.word;
  }
  return {};
}

// Points in a measurement unit, as the word processor keeps lengths: in single precision.
float InUnit(float points, int32_t unit) {
  switch (unit) {
    case wdInches:
      return points / 72.0f;
    case wdMillimeters:
      return points / (72.0f / 25.4f);
    case wdPoints:
      return points;
    case wdPicas:
      return points / 12.0f;
    default:
      return points / (72.0f / 2.54f);
  }
}

DialogUnit UnitOf(int32_t measurementUnit) {
  switch (measurementUnit) {
    case wdInches:
      return DialogUnit::kInches;
    case wdMillimeters:
      return DialogUnit::kMillimeters;
    case wdPoints:
      return DialogUnit::kPoints;
    case wdPicas:
      return DialogUnit::kPicas;
    default:
      return DialogUnit::kCentimeters;
  }
}

// At most two decimals, halves away from zero, trailing zeros dropped: 3.17, 2.5, 12, -1.
std::string Number(double value) {
  const double hundredths = std::round(value * 100.0);
  char text[48];
  std::snprintf(text, sizeof text, "%.2f", (hundredths == 0 ? 0.0 : hundredths) / 100.0);
  std::string out = text;
  while (out.back() == '0') out.pop_back();
  if (out.back() == '.') out.pop_back();
  return out;
}

// The value the field stands for, a number (text fields carry their text instead). `mixed` is
// set when the selection's values differ.
struct Read {
  double number = 0;
  std::string text;
  bool inUnits = false;  // the file stores the value in characters or lines (number is those)
  int32_t rule = 0;      // for line spacing: its WdLineSpacing
  bool mixed = false;
};

template <class T>
Read FromResult(const base::Result<T>& r) {
  Read read;
  if (!r) {
    read.mixed = true;
    return read;
  }
  read.number = static_cast<double>(*r);
  read.mixed = *r == static_cast<T>(wdUndefined);
  return read;
}

// A paragraph length: the characters or lines when every paragraph stores them, else points.
Read ParagraphLength(const Range& range, float ParagraphValues::*points,
                     float ParagraphValues::*units, bool ParagraphValues::*inUnits) {
  Read read;
  const std::vector<ParagraphValues>& values = range.ParagraphFormat().Values();
  if (values.empty()) {
    read.mixed = true;
    return read;
  }
  const ParagraphValues& first = values.front();
  read.inUnits = first.*inUnits;
  read.number = read.inUnits ? first.*units : first.*points;
  for (const ParagraphValues& v : values) {
    if (v.*inUnits != read.inUnits ||
        (read.inUnits ? v.*units : v.*points) != first.*(read.inUnits ? units : points))
      read.mixed = true;
  }
  return read;
}

PageSetup SetupOf(const Range& range) {
  return range.Sections().Item(1)->PageSetup();
}

base::Result<Read> ValueOf(const Range& range, FieldValue value) {
  Read read;
  switch (value) {
    case FieldValue::kSpaceBefore:
      return ParagraphLength(range, &ParagraphValues::spaceBefore, &ParagraphValues::beforeLines,
                             &ParagraphValues::beforeInLines);
    case FieldValue::kSpaceAfter:
      return ParagraphLength(range, &ParagraphValues::spaceAfter, &ParagraphValues::afterLines,
                             &ParagraphValues::afterInLines);
    case FieldValue::kLeftIndent:
      return ParagraphLength(range, &ParagraphValues::leftIndent, &ParagraphValues::leftChars,
                             &ParagraphValues::leftInChars);
    case FieldValue::kRightIndent:
      return ParagraphLength(range, &ParagraphValues::rightIndent, &ParagraphValues::rightChars,
                             &ParagraphValues::rightInChars);
    case FieldValue::kFirstIndent:
      return ParagraphLength(range, &ParagraphValues::firstLineIndent,
                             &ParagraphValues::firstLineChars, &ParagraphValues::firstLineInChars);
    case FieldValue::kLineSpacing: {
      // The spacing in points, and with its rule: lines for multiple spacing.
      read = FromResult(range.ParagraphFormat().LineSpacing());
      const Read rule = FromResult(range.ParagraphFormat().LineSpacingRule());
      read.mixed = read.mixed || rule.mixed;
      read.rule = static_cast<int32_t>(rule.number);
      return read;
    }
    case FieldValue::kLineSpacingRule:
      return FromResult(range.ParagraphFormat().LineSpacingRule());
    case FieldValue::kAlignment:
      return FromResult(range.ParagraphFormat().Alignment());
    case FieldValue::kFontName: {
      base::Result<std::string> name = range.Font().Name();
      read.text = name.value_or(std::string());
      read.mixed = read.text.empty();
      return read;
    }
    case FieldValue::kFontSize:
      return FromResult(range.Font().Size());
    case FieldValue::kFontSpacing:
      return FromResult(range.Font().Spacing());
    case FieldValue::kSubscript:
      read = FromResult(range.Font().Subscript());
      read.number = read.number != 0 ? 1 : 0;
      return read;
    case FieldValue::kSuperscript:
      read = FromResult(range.Font().Superscript());
      read.number = read.number != 0 ? 1 : 0;
      return read;
    case FieldValue::kBold:
      read = FromResult(range.Font().Bold());
      read.number = read.number != 0 ? 1 : 0;
      return read;
    case FieldValue::kItalic:
      read = FromResult(range.Font().Italic());
      read.number = read.number != 0 ? 1 : 0;
      return read;
    case FieldValue::kPageWidth:
      read.number = SetupOf(range).PageWidth();
      return read;
    case FieldValue::kPageHeight:
      read.number = SetupOf(range).PageHeight();
      return read;
    case FieldValue::kTopMargin:
      read.number = SetupOf(range).TopMargin();
      return read;
    case FieldValue::kBottomMargin:
      read.number = SetupOf(range).BottomMargin();
      return read;
    case FieldValue::kLeftMargin:
      read.number = SetupOf(range).LeftMargin();
      return read;
    case FieldValue::kRightMargin:
      read.number = SetupOf(range).RightMargin();
      return read;
    case FieldValue::kHeaderDistance:
      read.number = SetupOf(range).HeaderDistance();
      return read;
    case FieldValue::kFooterDistance:
      read.number = SetupOf(range).FooterDistance();
      return read;
    case FieldValue::kOrientation:
      read.number = SetupOf(range).Orientation();
      return read;
    case FieldValue::kDropPosition:
    case FieldValue::kDropHeight:
    case FieldValue::kDropFont:
    case FieldValue::kDropDistance: {
      base::Result<Paragraph> paragraph = range.Paragraphs().Item(1);
      if (!paragraph) return paragraph.error();
      const DropCap cap = paragraph->DropCap();
      if (value == FieldValue::kDropPosition) read.number = cap.Position();
      if (value == FieldValue::kDropHeight) read.number = cap.LinesToDrop();
      if (value == FieldValue::kDropFont) read.text = cap.FontName();
      if (value == FieldValue::kDropDistance) read.number = cap.DistanceFromText();
      return read;
    }
    case FieldValue::kColumns:
      read.number = SetupOf(range).TextColumns().Count();
      return read;
    case FieldValue::kColumnLine:
      read.number = SetupOf(range).TextColumns().LineBetween() != 0 ? 1 : 0;
      return read;
    case FieldValue::kEvenlySpaced:
      read.number = SetupOf(range).TextColumns().EvenlySpaced() != 0 ? 1 : 0;
      return read;
    case FieldValue::kColumnSpacing:
      read.number = SetupOf(range).TextColumns().Spacing();
      return read;
    case FieldValue::kColumnWidth: {
      base::Result<float> width = SetupOf(range).TextColumns().ColumnWidth(1);
      read.number = width.value_or(0);
      return read;
    }
  }
  return NotAvailable("no such dialog value");
}

vb::Variant Shown(const Read& read, FieldForm form, int32_t measurementUnit) {
  if (form == FieldForm::kNumber)
    return vb::Variant::Long(read.mixed ? -1 : static_cast<int32_t>(read.number));
  if (read.mixed) return vb::Variant::String("");
  switch (form) {
    case FieldForm::kName:
      return vb::Variant::String(read.text);
    case FieldForm::kCount:
      return vb::Variant::String(Number(read.number));
    case FieldForm::kLength:
      return vb::Variant::String(LengthText(static_cast<float>(read.number), measurementUnit));
    case FieldForm::kPoints:
      return vb::Variant::String(UnitText(read.number, DialogUnit::kPoints));
    case FieldForm::kLinesOrPoints:
      return vb::Variant::String(
          UnitText(read.number, read.inUnits ? DialogUnit::kLines : DialogUnit::kPoints));
    case FieldForm::kCharsOrLength:
      return vb::Variant::String(
          read.inUnits ? UnitText(read.number, DialogUnit::kCharacters)
                       : LengthText(static_cast<float>(read.number), measurementUnit));
    case FieldForm::kLineSpacing: {
      if (read.rule == wdLineSpaceExactly || read.rule == wdLineSpaceAtLeast)
        return vb::Variant::String(UnitText(read.number, DialogUnit::kPoints));
      if (read.rule == wdLineSpaceMultiple) return vb::Variant::String(Number(read.number / 12.0));
      return vb::Variant::String("");
    }
    case FieldForm::kNumber:
      break;
  }
  return vb::Variant::String("");
}

// Over pieces of formatting: 1 when every one has it, 0 when none does, -1 otherwise.
template <class Items, class Has>
int32_t State(const Items& items, Has has) {
  size_t with = 0;
  for (const auto& item : items) with += has(item) ? 1 : 0;
  if (items.empty() || with == 0) return 0;
  return with == items.size() ? 1 : -1;
}

}  // namespace

std::string UnitText(double value, DialogUnit unit) {
  return Number(value) + std::string(WordOf(DialogUnit::kSeparator)) + std::string(WordOf(unit));
}

std::string LengthText(float points, int32_t measurementUnit) {
  return UnitText(InUnit(points, measurementUnit), UnitOf(measurementUnit));
}

base::Result<vb::Variant> DialogField(const Range& range, std::string_view dialog,
                                      std::string_view field, int32_t measurementUnit) {
  for (const DialogFieldRow& row : kDialogFields) {
    if (!base::EqualsNoCase(row.dialog, dialog) || !base::EqualsNoCase(row.field, field)) continue;
    base::Result<Read> read = ValueOf(range, row.value);
    if (!read) return read.error();
    return Shown(*read, row.form, measurementUnit);
  }
  return NotAvailable("the dialog value ", dialog, ".", field, " is not answered here");
}

int32_t ParagraphAlignmentState(const Range& range, int32_t alignment) {
  return State(range.ParagraphFormat().Values(),
               [&](const ParagraphValues& v) { return v.alignment == alignment; });
}

int32_t BoldState(const Range& range) {
  return State(CoveredRuns(range.Document(), range.Story(), range.Start(), range.End()),
               [](const CoveredText& t) { return *t.props->bold; });
}

int32_t ItalicState(const Range& range) {
  return State(CoveredRuns(range.Document(), range.Story(), range.Start(), range.End()),
               [](const CoveredText& t) { return *t.props->italic; });
}

int32_t UnderlineState(const Range& range) {
  return State(CoveredRuns(range.Document(), range.Story(), range.Start(), range.End()),
               [](const CoveredText& t) { return *t.props->underline == wdUnderlineSingle; });
}

float FontSizeValue(const Range& range) {
  base::Result<float> size = range.Font().Size();
  if (!size || *size == static_cast<float>(wdUndefined)) return 0;
  return *size;
}

}  // namespace word
