// The text of a shape as the object model shows it: TextFrame, TextRange and the Font and
// ParagraphFormat of a range. A shape's paragraphs are joined by a carriage return (13), a line
// break inside a paragraph is character 11, and positions count characters from 1. Font values
// are resolved through the whole inheritance chain (run, paragraph, the shape's list style and
// style, the layout's and master's placeholders, the master's text styles, the presentation's
// defaults) against the theme and colour map the slide uses. Over text that holds more than one
// value a switch answers msoTriStateMixed, a name "", a size 0 and an alignment
// ppAlignmentMixed; a colour answers the first character's. Handles are cheap values that live
// as long as their presentation.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/base/result.h"
#include "platform/office/powerpoint/action_settings.h"

namespace powerpoint {

class TextBody;  // text_body.h

// Font.Color: the colour the characters are painted in.
class ColorFormat {
 public:
  explicit ColorFormat(int32_t rgb, int32_t themeColor = 0) : rgb_(rgb), themeColor_(themeColor) {}
  // The automation colour value: red in the low byte, then green, then blue.
  int32_t RGB() const { return rgb_; }
  // MsoThemeColorIndex of a scheme colour (msoThemeColorAccent1 5, ...); msoNotThemeColor (0)
  // for a colour given as such.
  int32_t ObjectThemeColor() const { return themeColor_; }

 private:
  int32_t rgb_;
  int32_t themeColor_;
};

class TextRange;

class Font {
 public:
  explicit Font(const TextRange& range);

  base::Result<std::string> Name() const;         // the Latin typeface (a:latin)
  base::Result<std::string> NameFarEast() const;  // the East Asian typeface (a:ea)
  base::Result<float> Size() const;               // points
  base::Result<int32_t> Bold() const;             // MsoTriState
  base::Result<int32_t> Italic() const;           // MsoTriState
  base::Result<int32_t> Underline() const;        // MsoTriState: any underline kind is true
  base::Result<ColorFormat> Color() const;

 private:
  const TextBody* body_;
  int32_t start_;
  int32_t length_;
};

class ParagraphFormat {
 public:
  explicit ParagraphFormat(const TextRange& range);

  // PpParagraphAlignment of the paragraphs the range touches.
  base::Result<int32_t> Alignment() const;

 private:
  const TextBody* body_;
  int32_t start_;
  int32_t length_;
};

class TextRange {
 public:
  TextRange(const TextBody* body, int32_t start, int32_t length)
      : body_(body), start_(start), length_(length) {}

  // The characters of the range in UTF-8.
  std::string Text() const;
  // The first character's position (from 1) and the number of characters.
  int32_t Start() const { return start_; }
  int32_t Length() const { return length_; }

  // The first occurrence of `findWhat` in the range after position `after` (relative to the
  // range, 0 for its start), as the object model's Find with its defaults: case ignored unless
  // `matchCase`, any part of a word unless `wholeWords`. nullopt when it does not occur (the
  // object model's Nothing); an empty `findWhat` is never found.
  std::optional<TextRange> Find(std::string_view findWhat, int32_t after = 0,
                                bool matchCase = false, bool wholeWords = false) const;
  // `length` characters from position `start` of the range (from 1). A start past the end gives
  // an empty range at the end, a length past the end stops there; a start below 1 fails.
  base::Result<TextRange> Characters(int32_t start, int32_t length) const;
  // `length` paragraphs from paragraph `start` of the range (from 1), each with its closing
  // carriage return when it has one; past the last paragraph an empty range at the end. A start
  // below 1 fails.
  base::Result<TextRange> Paragraphs(int32_t start, int32_t length = 1) const;
  // The number of paragraphs the range touches (an empty text has one).
  int32_t ParagraphCount() const;

  powerpoint::Font Font() const { return powerpoint::Font(*this); }
  // The action settings of the range's first run (a:rPr's hyperlink elements); a range of no
  // run has none.
  powerpoint::ActionSettings ActionSettings() const;
  powerpoint::ParagraphFormat ParagraphFormat() const { return powerpoint::ParagraphFormat(*this); }

 private:
  friend class powerpoint::Font;
  friend class powerpoint::ParagraphFormat;

  const TextBody* body_;
  int32_t start_;   // from 1
  int32_t length_;  // characters
};

class TextFrame {
 public:
  explicit TextFrame(const TextBody* body) : body_(body) {}

  // msoTrue when the text is not empty (one empty paragraph is no text, two are a CR).
  int32_t HasText() const;
  powerpoint::TextRange TextRange() const;

 private:
  const TextBody* body_;
};

}  // namespace powerpoint
