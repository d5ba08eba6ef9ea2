// The Font object of a range: the character formatting of the text it covers (see covered.h
// for what counts), each member answering wdUndefined ("" for a name) when the text differs.
// Truth values are -1 and 0.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/base/result.h"
#include "platform/office/word/covered.h"
#include "platform/office/word/range.h"
#include "platform/office/word/shading_border.h"

namespace word {

class Font {
 public:
  explicit Font(const word::Range& range) : range_(range) {}

  // The typeface each character is shown in, by its kind: East Asian characters in the East
  // Asian font (w:eastAsia), ASCII in w:ascii, other characters in w:hAnsi (in the East Asian
  // font when the run's w:hint says so); "" when they differ. An insertion point answers by the
  // character it takes its formatting from.
  base::Result<std::string> Name() const;
  base::Result<std::string> NameAscii() const;
  base::Result<std::string> NameFarEast() const;
  base::Result<std::string> NameOther() const;  // w:hAnsi
  base::Result<float> Size() const;             // points
  base::Result<int32_t> Bold() const;
  base::Result<int32_t> Italic() const;
  base::Result<int32_t> Underline() const;       // WdUnderline
  base::Result<int32_t> UnderlineColor() const;  // a colour, wdColorAutomatic
  base::Result<int32_t> Color() const;           // a colour, wdColorAutomatic
  base::Result<int32_t> ColorIndex() const;      // WdColorIndex; wdUndefined for other colours
  base::Result<int32_t> Animation() const;       // WdAnimation
  base::Result<int32_t> EmphasisMark() const;    // WdEmphasisMark
  base::Result<int32_t> Scaling() const;         // percent
  base::Result<int32_t> Shadow() const;
  base::Result<float> Spacing() const;  // points, negative when condensed
  base::Result<int32_t> Subscript() const;
  base::Result<int32_t> Superscript() const;
  base::Result<int32_t> Hidden() const;
  // Range.HighlightColorIndex: WdColorIndex, wdNoHighlight without one.
  base::Result<int32_t> HighlightColorIndex() const;
  // Font.Shading: the character shading (w:rPr/w:shd).
  base::Result<word::Shading> Shading() const;
  // Font.Borders(index): the character border (w:bdr), one line on every side: an index of a
  // side (wdBorderTop .. wdBorderRight, or 1 .. 4) answers it; others fail (5941).
  base::Result<Border> Borders(int32_t index) const;
  // Font.Borders.Shadow.
  base::Result<int32_t> BordersShadow() const;

 private:
  const std::vector<CoveredText>& Covered() const;

  word::Range range_;
  mutable std::optional<std::vector<CoveredText>> covered_;
};

}  // namespace word
