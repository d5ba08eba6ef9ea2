// How every check reaches what it reads: a slide or shape by its 1-based position (none when it
// is not there, so the reads that depend on it keep their starting values), a text frame only of
// a shape that has one, and reads kept only when they succeed.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "grading/engine/keep_read.h"
#include "platform/office/powerpoint/constants.h"
#include "platform/office/powerpoint/presentation.h"

namespace slidemark {

using engine::KeepRead;

// Both texts lower-cased, then compared exactly: how a check compares where case is ignored.
bool SameIgnoringCase(std::string_view a, std::string_view b);

// Slides(slide); null when the presentation has no such slide.
const powerpoint::Slide* SlideAt(const powerpoint::Presentation& presentation, int32_t slide);
// Slides(slide).Shapes(shape); null when either is missing.
const powerpoint::Shape* ShapeAt(const powerpoint::Presentation& presentation, int16_t slide,
                                 int16_t shape);
// The shape's TextFrame.TextRange; none for a missing shape or one without a text frame.
std::optional<powerpoint::TextRange> TextRangeOf(const powerpoint::Shape* shape);
// The same, and only when the frame has text (TextFrame.HasText).
std::optional<powerpoint::TextRange> TextOf(const powerpoint::Shape& shape);
// The characters of the text's first occurrence in the shape's text, case-sensitive; none when
// the shape, its text or the occurrence is missing.
std::optional<powerpoint::TextRange> FirstOccurrence(const powerpoint::Presentation& presentation,
                                                     int16_t slide, int16_t shape,
                                                     std::string_view text);

}  // namespace slidemark
