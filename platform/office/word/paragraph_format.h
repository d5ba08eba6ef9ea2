// The ParagraphFormat object of a range: the paragraph formatting of the paragraphs it touches,
// each member answering wdUndefined when they differ. Lengths are points. The character- and
// line-unit forms (CharacterUnitLeftIndent, LineUnitBefore, ...) answer what the file stores in
// those units (w:leftChars, w:beforeLines: hundredths), 0 where it stores none.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "platform/base/result.h"
#include "platform/office/word/properties.h"
#include "platform/office/word/range.h"
#include "platform/office/word/shading_border.h"

namespace word {

// One paragraph's formatting as the object model reports it (lengths in points).
struct ParagraphValues {
  int32_t alignment = wdAlignParagraphLeft;
  float leftIndent = 0, rightIndent = 0, firstLineIndent = 0;
  float leftChars = 0, rightChars = 0, firstLineChars = 0;
  bool leftInChars = false, rightInChars = false, firstLineInChars = false;
  float spaceBefore = 0, spaceAfter = 0;
  float beforeLines = 0, afterLines = 0;
  bool beforeInLines = false, afterInLines = false;
  int32_t spaceBeforeAuto = kFalse, spaceAfterAuto = kFalse;
  float lineSpacing = 12;
  int32_t lineSpacingRule = wdLineSpaceSingle;
  float fontSize = 10;  // of the paragraph's mark: what a character unit is

  // From resolved properties; `fontSize` turns character units into points where the file
  // stores only those.
  static ParagraphValues Of(const ParagraphProps& props, float fontSize);
};

class ParagraphFormat {
 public:
  explicit ParagraphFormat(const word::Range& range) : range_(range) {}

  base::Result<int32_t> Alignment() const;  // WdParagraphAlignment
  base::Result<float> LeftIndent() const;
  base::Result<float> RightIndent() const;
  base::Result<float> FirstLineIndent() const;  // negative for a hanging indent
  base::Result<float> CharacterUnitLeftIndent() const;
  base::Result<float> CharacterUnitRightIndent() const;
  base::Result<float> CharacterUnitFirstLineIndent() const;
  base::Result<float> SpaceBefore() const;
  base::Result<float> SpaceAfter() const;
  base::Result<float> LineUnitBefore() const;
  base::Result<float> LineUnitAfter() const;
  base::Result<int32_t> SpaceBeforeAuto() const;
  base::Result<int32_t> SpaceAfterAuto() const;
  // Points; for the rules of whole lines 12 points a line (single 12, 1.5 lines 18, double 24).
  base::Result<float> LineSpacing() const;
  base::Result<int32_t> LineSpacingRule() const;  // WdLineSpacing
  // The paragraphs' shading (w:pPr/w:shd).
  base::Result<word::Shading> Shading() const;
  // The paragraphs' borders: wdBorderTop, wdBorderLeft, wdBorderBottom, wdBorderRight and
  // wdBorderHorizontal (between paragraphs); others fail (5941).
  base::Result<Border> Borders(int32_t index) const;

  // Every paragraph's values, for callers that need several members at once (a copy, so it
  // may outlive this object).
  std::vector<ParagraphValues> Values() const { return Cached(); }

 private:
  const std::vector<ParagraphValues>& Cached() const;
  std::vector<const ParagraphProps*> Props() const;

  word::Range range_;
  mutable std::optional<std::vector<ParagraphValues>> values_;
};

}  // namespace word
