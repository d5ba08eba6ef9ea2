// ParagraphFormat members over the paragraphs a range touches.
#include "platform/office/word/paragraph_format.h"

#include "platform/office/word/covered.h"
#include "platform/office/word/formatting.h"
#include "platform/office/word/mixed.h"

namespace word {
namespace {

// A line of spacing in the line unit: the usual grid pitch of a Chinese document (15.6 pt).
constexpr float kPointsPerSpacingLine = 15.6f;

// An indent in points: the twips the file stores, or its characters when it stores those.
void Indent(const std::optional<UnitLength>& length, float fontSize, float& points, float& units,
            bool& inUnits) {
  if (!length) return;
  points = static_cast<float>(length->twips) / 20.0f;
  // Characters decide when the file stores some (a zero beside a length in twips cancels them).
  if (length->hundredths && (*length->hundredths != 0 || length->twips == 0)) {
    units = static_cast<float>(*length->hundredths) / 100.0f;
    inUnits = true;
    points = units * fontSize;
  }
}

void Spacing(const std::optional<UnitLength>& length, float& points, float& lines, bool& inLines) {
  if (!length) return;
  points = static_cast<float>(length->twips) / 20.0f;
  if (length->hundredths && (*length->hundredths != 0 || length->twips == 0)) {
    lines = static_cast<float>(*length->hundredths) / 100.0f;
    inLines = true;
    if (length->twips == 0) points = lines * kPointsPerSpacingLine;
  }
}

}  // namespace

ParagraphValues ParagraphValues::Of(const ParagraphProps& props, float fontSize) {
  ParagraphValues v;
  v.fontSize = fontSize;
  v.alignment = props.alignment.value_or(wdAlignParagraphLeft);
  Indent(props.left, fontSize, v.leftIndent, v.leftChars, v.leftInChars);
  Indent(props.right, fontSize, v.rightIndent, v.rightChars, v.rightInChars);
  Indent(props.firstLine, fontSize, v.firstLineIndent, v.firstLineChars, v.firstLineInChars);
  Spacing(props.before, v.spaceBefore, v.beforeLines, v.beforeInLines);
  Spacing(props.after, v.spaceAfter, v.afterLines, v.afterInLines);
  v.spaceBeforeAuto = Truth(props.beforeAuto.value_or(false));
  v.spaceAfterAuto = Truth(props.afterAuto.value_or(false));
  const LineSpacing line = props.line.value_or(word::LineSpacing{});
  switch (line.rule) {
    case LineRule::kExact:
      v.lineSpacingRule = wdLineSpaceExactly;
      v.lineSpacing = static_cast<float>(line.value) / 20.0f;
      break;
    case LineRule::kAtLeast:
      v.lineSpacingRule = wdLineSpaceAtLeast;
      v.lineSpacing = static_cast<float>(line.value) / 20.0f;
      break;
    case LineRule::kAuto:
      v.lineSpacing = static_cast<float>(line.value) * 12.0f / 240.0f;
      v.lineSpacingRule = line.value == 240   ? wdLineSpaceSingle
                          : line.value == 360 ? wdLineSpace1pt5
                          : line.value == 480 ? wdLineSpaceDouble
                                              : wdLineSpaceMultiple;
      break;
  }
  return v;
}

std::vector<const ParagraphProps*> ParagraphFormat::Props() const {
  Document& document = range_.Document();
  const Story& story = range_.Index();
  std::vector<const ParagraphProps*> props;
  for (int32_t p : CoveredParagraphs(story, range_.Start(), range_.End()))
    props.push_back(&ParagraphPropsOf(document, story, p));
  return props;
}

const std::vector<ParagraphValues>& ParagraphFormat::Cached() const {
  if (!values_) {
    Document& document = range_.Document();
    const Story& story = range_.Index();
    std::vector<ParagraphValues> values;
    for (int32_t p : CoveredParagraphs(story, range_.Start(), range_.End())) {
      const ParagraphSpan& span = story.Paragraphs()[static_cast<size_t>(p)];
      const float size = *document.Format().Mark(span.node, TableNodeOf(story, p)).size;
      values.push_back(ParagraphValues::Of(ParagraphPropsOf(document, story, p), size));
    }
    values_ = std::move(values);
  }
  return *values_;
}

base::Result<int32_t> ParagraphFormat::Alignment() const {
  return CommonNumber(Cached(), [](const ParagraphValues& v) { return v.alignment; });
}

base::Result<float> ParagraphFormat::LeftIndent() const {
  return CommonNumber(Cached(), [](const ParagraphValues& v) { return v.leftIndent; });
}

base::Result<float> ParagraphFormat::RightIndent() const {
  return CommonNumber(Cached(), [](const ParagraphValues& v) { return v.rightIndent; });
}

base::Result<float> ParagraphFormat::FirstLineIndent() const {
  return CommonNumber(Cached(), [](const ParagraphValues& v) { return v.firstLineIndent; });
}

base::Result<float> ParagraphFormat::CharacterUnitLeftIndent() const {
  return CommonNumber(Cached(), [](const ParagraphValues& v) { return v.leftChars; });
}

base::Result<float> ParagraphFormat::CharacterUnitRightIndent() const {
  return CommonNumber(Cached(), [](const ParagraphValues& v) { return v.rightChars; });
}

base::Result<float> ParagraphFormat::CharacterUnitFirstLineIndent() const {
  return CommonNumber(Cached(), [](const ParagraphValues& v) { return v.firstLineChars; });
}

base::Result<float> ParagraphFormat::SpaceBefore() const {
  return CommonNumber(Cached(), [](const ParagraphValues& v) { return v.spaceBefore; });
}

base::Result<float> ParagraphFormat::SpaceAfter() const {
  return CommonNumber(Cached(), [](const ParagraphValues& v) { return v.spaceAfter; });
}

base::Result<float> ParagraphFormat::LineUnitBefore() const {
  return CommonNumber(Cached(), [](const ParagraphValues& v) { return v.beforeLines; });
}

base::Result<float> ParagraphFormat::LineUnitAfter() const {
  return CommonNumber(Cached(), [](const ParagraphValues& v) { return v.afterLines; });
}

base::Result<int32_t> ParagraphFormat::SpaceBeforeAuto() const {
  return CommonNumber(Cached(), [](const ParagraphValues& v) { return v.spaceBeforeAuto; });
}

base::Result<int32_t> ParagraphFormat::SpaceAfterAuto() const {
  return CommonNumber(Cached(), [](const ParagraphValues& v) { return v.spaceAfterAuto; });
}

base::Result<float> ParagraphFormat::LineSpacing() const {
  return CommonNumber(Cached(), [](const ParagraphValues& v) { return v.lineSpacing; });
}

base::Result<int32_t> ParagraphFormat::LineSpacingRule() const {
  return CommonNumber(Cached(), [](const ParagraphValues& v) { return v.lineSpacingRule; });
}

base::Result<word::Shading> ParagraphFormat::Shading() const {
  std::vector<ShadingProps> found;
  for (const ParagraphProps* p : Props()) found.push_back(p->shading.value_or(ShadingProps{}));
  if (found.empty()) return NotAvailable("the range holds no paragraph");
  return word::Shading(std::move(found));
}

word::ParagraphFormat Range::ParagraphFormat() const {
  return word::ParagraphFormat(*this);
}

base::Result<Border> ParagraphFormat::Borders(int32_t index) const {
  std::optional<BorderProps> ParagraphProps::*side = nullptr;
  switch (index) {
    case wdBorderTop:
      side = &ParagraphProps::top;
      break;
    case wdBorderLeft:
      side = &ParagraphProps::leftBorder;
      break;
    case wdBorderBottom:
      side = &ParagraphProps::bottom;
      break;
    case wdBorderRight:
      side = &ParagraphProps::rightBorder;
      break;
    case wdBorderHorizontal:
      side = &ParagraphProps::between;
      break;
    default:
      return NoSuchMember("paragraphs have no border ", index);
  }
  std::vector<BorderProps> found;
  for (const ParagraphProps* p : Props()) found.push_back((p->*side).value_or(BorderProps{}));
  if (found.empty()) return NotAvailable("the range holds no paragraph");
  return Border(std::move(found));
}

}  // namespace word
