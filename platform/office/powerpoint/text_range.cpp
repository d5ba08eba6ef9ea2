// Text ranges over a shape's text body: the text, Find, Characters, Paragraphs, and the font
// and paragraph values of the characters a range covers.
#include "platform/office/powerpoint/text_range.h"

#include <algorithm>
#include <functional>

#include "platform/office/common/xml_names.h"
#include "platform/office/powerpoint/constants.h"
#include "platform/office/powerpoint/errors.h"
#include "platform/office/powerpoint/text_body.h"
#include "platform/vb/strings.h"

namespace powerpoint {
namespace {

bool IsWordChar(char32_t c) {
  return (c >= U'0' && c <= U'9') || (c >= U'a' && c <= U'z') || (c >= U'A' && c <= U'Z') ||
         c == U'_' || c > 0x7F;
}

// The resolved properties of every character of [start, start + length) (0-based) except
// paragraph marks and line breaks; a range of those alone, or an empty one, answers by the end of
// the paragraph it starts in. The first failing read is the answer.
base::Result<std::vector<const drawingml::ResolvedText*>> Covered(const TextBody& body,
                                                                  int32_t start, int32_t length) {
  std::vector<const drawingml::ResolvedText*> covered;
  const int32_t end = start + length;
  for (const TextBody::Segment& segment : body.Segments()) {
    if (segment.mark || segment.start + segment.length <= start || segment.start >= end) continue;
    if (!segment.text) return segment.text.error();
    covered.push_back(&*segment.text);
  }
  if (covered.empty()) {
    const TextBody::Paragraph& paragraph = body.Paragraphs()[body.ParagraphAt(start)];
    if (!paragraph.end) return paragraph.end.error();
    covered.push_back(&*paragraph.end);
  }
  return covered;
}

// One value for all, or `mixed` when they differ.
template <class T>
base::Result<T> Agreed(const TextBody* body, int32_t start, int32_t length,
                       const std::function<T(const drawingml::ResolvedText&)>& value, T mixed) {
  if (body == nullptr) return NotAvailable("the range has no text");
  base::Result<std::vector<const drawingml::ResolvedText*>> covered =
      Covered(*body, start - 1, length);
  if (!covered) return covered.error();
  T first = value(*covered->front());
  for (const drawingml::ResolvedText* text : *covered) {
    if (!(value(*text) == first)) return mixed;
  }
  return first;
}

int32_t TriState(bool on) {
  return on ? msoTrue : msoFalse;
}

}  // namespace

Font::Font(const TextRange& range)
    : body_(range.body_), start_(range.start_), length_(range.length_) {}

base::Result<std::string> Font::Name() const {
  return Agreed<std::string>(
      body_, start_, length_, [](const drawingml::ResolvedText& t) { return t.latin; }, "");
}

base::Result<std::string> Font::NameFarEast() const {
  return Agreed<std::string>(
      body_, start_, length_, [](const drawingml::ResolvedText& t) { return t.eastAsian; }, "");
}

base::Result<float> Font::Size() const {
  return Agreed<float>(
      body_, start_, length_,
      [](const drawingml::ResolvedText& t) { return static_cast<float>(t.sizePt); }, 0.0f);
}

base::Result<int32_t> Font::Bold() const {
  return Agreed<int32_t>(
      body_, start_, length_, [](const drawingml::ResolvedText& t) { return TriState(t.bold); },
      msoTriStateMixed);
}

base::Result<int32_t> Font::Italic() const {
  return Agreed<int32_t>(
      body_, start_, length_, [](const drawingml::ResolvedText& t) { return TriState(t.italic); },
      msoTriStateMixed);
}

base::Result<int32_t> Font::Underline() const {
  return Agreed<int32_t>(
      body_, start_, length_,
      [](const drawingml::ResolvedText& t) {
        return TriState(t.underline != drawingml::Underline::kNone);
      },
      msoTriStateMixed);
}

base::Result<ColorFormat> Font::Color() const {
  if (body_ == nullptr) return NotAvailable("the range has no text");
  base::Result<std::vector<const drawingml::ResolvedText*>> covered =
      Covered(*body_, start_ - 1, length_);
  if (!covered) return covered.error();
  return ColorFormat(covered->front()->color.Ole());
}

ParagraphFormat::ParagraphFormat(const TextRange& range)
    : body_(range.body_), start_(range.start_), length_(range.length_) {}

base::Result<int32_t> ParagraphFormat::Alignment() const {
  if (body_ == nullptr) return NotAvailable("the range has no text");
  const int32_t first = body_->ParagraphAt(start_ - 1);
  const int32_t last = length_ > 0 ? body_->ParagraphAt(start_ - 1 + length_ - 1) : first;
  std::optional<int32_t> agreed;
  for (int32_t i = first; i <= last; ++i) {
    const TextBody::Paragraph& paragraph = body_->Paragraphs()[static_cast<size_t>(i)];
    if (!paragraph.end) return paragraph.end.error();
    const int32_t alignment = ppAlignLeft + static_cast<int32_t>(paragraph.end->alignment);
    if (agreed && *agreed != alignment) return static_cast<int32_t>(ppAlignmentMixed);
    agreed = alignment;
  }
  return *agreed;
}

std::string TextRange::Text() const {
  std::string text;
  if (body_ == nullptr) return text;
  const std::u32string& chars = body_->Chars();
  for (int32_t i = start_ - 1; i < start_ - 1 + length_; ++i)
    vb::AppendUtf8(chars[static_cast<size_t>(i)], text);
  return text;
}

std::optional<TextRange> TextRange::Find(std::string_view findWhat, int32_t after, bool matchCase,
                                         bool wholeWords) const {
  if (body_ == nullptr || findWhat.empty()) return std::nullopt;
  std::u32string what;
  for (size_t i = 0; i < findWhat.size();) {
    size_t len = 1;
    char32_t c = vb::DecodeUtf8(findWhat, i, len);
    what.push_back(matchCase ? c : vb::LowerChar(c));
    i += len;
  }
  const std::u32string& chars = body_->Chars();
  const int32_t first = start_ - 1 + std::max<int32_t>(after, 0);
  const int32_t end = start_ - 1 + length_;
  const int32_t size = static_cast<int32_t>(what.size());
  for (int32_t at = first; at + size <= end; ++at) {
    bool match = true;
    for (int32_t k = 0; k < size && match; ++k) {
      char32_t c = chars[static_cast<size_t>(at + k)];
      match = (matchCase ? c : vb::LowerChar(c)) == what[static_cast<size_t>(k)];
    }
    if (!match) continue;
    if (wholeWords) {
      const bool before = at > 0 && IsWordChar(chars[static_cast<size_t>(at - 1)]);
      const bool behind = at + size < static_cast<int32_t>(chars.size()) &&
                          IsWordChar(chars[static_cast<size_t>(at + size)]);
      if (before || behind) continue;
    }
    return TextRange(body_, at + 1, size);
  }
  return std::nullopt;
}

base::Result<TextRange> TextRange::Characters(int32_t start, int32_t length) const {
  if (start < 1) return ErrorWith(kErrNoSuchMember, "no character ", start);
  if (length < 0) return ErrorWith(kErrNoSuchMember, "a negative length ", length);
  const int32_t from = std::min(start - 1, length_);
  const int32_t count = std::min(length, length_ - from);
  return TextRange(body_, start_ + from, count);
}

int32_t TextRange::ParagraphCount() const {
  if (body_ == nullptr) return 1;
  const int32_t first = body_->ParagraphAt(start_ - 1);
  const int32_t last = length_ > 0 ? body_->ParagraphAt(start_ - 1 + length_ - 1) : first;
  return last - first + 1;
}

base::Result<TextRange> TextRange::Paragraphs(int32_t start, int32_t length) const {
  if (start < 1) return ErrorWith(kErrNoSuchMember, "no paragraph ", start);
  if (length < 0) return ErrorWith(kErrNoSuchMember, "a negative length ", length);
  if (body_ == nullptr) return *this;
  const auto& paragraphs = body_->Paragraphs();
  const int32_t first = body_->ParagraphAt(start_ - 1) + start - 1;
  const int32_t count = std::min(length, ParagraphCount() - (start - 1));
  if (count <= 0 || first >= static_cast<int32_t>(paragraphs.size()))
    return TextRange(body_, start_ + length_, 0);
  const TextBody::Paragraph& from = paragraphs[static_cast<size_t>(first)];
  const int32_t lastIndex = first + count - 1;
  const TextBody::Paragraph& to = paragraphs[static_cast<size_t>(lastIndex)];
  int32_t end = to.start + to.length;
  if (lastIndex + 1 < static_cast<int32_t>(paragraphs.size())) ++end;  // its closing CR
  return TextRange(body_, from.start + 1, end - from.start);
}

int32_t TextFrame::HasText() const {
  return body_ != nullptr && !body_->Chars().empty() ? msoTrue : msoFalse;
}

TextRange TextFrame::TextRange() const {
  const int32_t length = body_ == nullptr ? 0 : static_cast<int32_t>(body_->Chars().size());
  return powerpoint::TextRange(body_, 1, length);
}

ActionSettings TextRange::ActionSettings() const {
  if (body_ == nullptr) return powerpoint::ActionSettings(nullptr, pugi::xml_node());
  const int32_t start = start_ - 1;
  for (const TextBody::Segment& segment : body_->Segments()) {
    if (segment.mark || segment.start + segment.length <= start || segment.start >= start + length_)
      continue;
    return powerpoint::ActionSettings(body_->Owner(), office::Child(segment.run, "rPr"));
  }
  return powerpoint::ActionSettings(body_->Owner(), pugi::xml_node());
}

}  // namespace powerpoint
