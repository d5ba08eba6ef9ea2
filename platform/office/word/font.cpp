// Font members over the text a range covers.
#include "platform/office/word/font.h"

#include "platform/office/word/mixed.h"
#include "platform/vb/strings.h"

namespace word {
namespace {

// True for characters the word processor shows in the East Asian font: CJK ideographs, kana,
// hangul, CJK punctuation and the full-width forms.
bool IsEastAsian(char32_t c) {
  return (c >= 0x1100 && c <= 0x11FF) || (c >= 0x2E80 && c <= 0x9FFF) ||
         (c >= 0xA000 && c <= 0xA4CF) || (c >= 0xAC00 && c <= 0xD7AF) ||
         (c >= 0xF900 && c <= 0xFAFF) || (c >= 0xFE30 && c <= 0xFE4F) ||
         (c >= 0xFF00 && c <= 0xFFEF) || (c >= 0x20000 && c <= 0x2FFFF);
}

const std::string& FontFor(char32_t c, const RunProps& props) {
  if (IsEastAsian(c) || (c >= 0x80 && props.hintEastAsia.value_or(false))) return *props.eastAsia;
  if (c < 0x80) return *props.ascii;
  return *props.hAnsi;
}

template <class T, class Get>
base::Result<T> Number(const std::vector<CoveredText>& covered, Get get) {
  return CommonNumber(covered, [&](const CoveredText& t) { return static_cast<T>(get(*t.props)); });
}

}  // namespace

word::Font Range::Font() const {
  return word::Font(*this);
}

const std::vector<CoveredText>& Font::Covered() const {
  if (!covered_)
    covered_ = CoveredRuns(range_.Document(), range_.Story(), range_.Start(), range_.End());
  return *covered_;
}

base::Result<std::string> Font::Name() const {
  // The typefaces of the text's characters, in order; blanks show in either, so they count only
  // where nothing else does.
  std::vector<std::string> names;
  std::vector<std::string> blanks;
  for (const CoveredText& t : Covered()) {
    if (t.kind != PieceKind::kText || t.text.empty()) {
      names.push_back(*t.props->ascii);
      continue;
    }
    for (size_t i = 0; i < t.text.size();) {
      size_t len = 1;
      const char32_t c = vb::DecodeUtf8(t.text, i, len);
      const std::string& name = FontFor(c, *t.props);
      if (c == U' ' || c == 0x3000 || c == U'\t') {
        blanks.push_back(name);
        i += len;
        continue;
      }
      if (names.empty() || names.back() != name) names.push_back(name);
      i += len;
    }
  }
  return CommonName(names.empty() ? blanks : names, [](const std::string& n) { return n; });
}

base::Result<std::string> Font::NameAscii() const {
  return CommonName(Covered(), [](const CoveredText& t) { return *t.props->ascii; });
}

base::Result<std::string> Font::NameFarEast() const {
  return CommonName(Covered(), [](const CoveredText& t) { return *t.props->eastAsia; });
}

base::Result<std::string> Font::NameOther() const {
  return CommonName(Covered(), [](const CoveredText& t) { return *t.props->hAnsi; });
}

base::Result<float> Font::Size() const {
  return Number<float>(Covered(), [](const RunProps& p) { return *p.size; });
}

base::Result<int32_t> Font::Bold() const {
  return Number<int32_t>(Covered(), [](const RunProps& p) { return Truth(*p.bold); });
}

base::Result<int32_t> Font::Italic() const {
  return Number<int32_t>(Covered(), [](const RunProps& p) { return Truth(*p.italic); });
}

base::Result<int32_t> Font::Underline() const {
  return Number<int32_t>(Covered(), [](const RunProps& p) { return *p.underline; });
}

base::Result<int32_t> Font::UnderlineColor() const {
  return Number<int32_t>(Covered(), [](const RunProps& p) { return p.underlineColor->Ole(); });
}

base::Result<int32_t> Font::Color() const {
  return Number<int32_t>(Covered(), [](const RunProps& p) { return p.color->Ole(); });
}

base::Result<int32_t> Font::ColorIndex() const {
  return Number<int32_t>(Covered(), [](const RunProps& p) { return p.color->Index(); });
}

base::Result<int32_t> Font::Animation() const {
  return Number<int32_t>(Covered(), [](const RunProps& p) { return *p.animation; });
}

base::Result<int32_t> Font::EmphasisMark() const {
  return Number<int32_t>(Covered(), [](const RunProps& p) { return *p.emphasis; });
}

base::Result<int32_t> Font::Scaling() const {
  return Number<int32_t>(Covered(), [](const RunProps& p) { return *p.scaling; });
}

base::Result<int32_t> Font::Shadow() const {
  return Number<int32_t>(Covered(), [](const RunProps& p) { return Truth(*p.shadow); });
}

base::Result<float> Font::Spacing() const {
  return Number<float>(Covered(), [](const RunProps& p) { return *p.spacing; });
}

base::Result<int32_t> Font::Subscript() const {
  return Number<int32_t>(Covered(), [](const RunProps& p) { return Truth(*p.verticalAlign == 2); });
}

base::Result<int32_t> Font::Superscript() const {
  return Number<int32_t>(Covered(), [](const RunProps& p) { return Truth(*p.verticalAlign == 1); });
}

base::Result<int32_t> Font::Hidden() const {
  return Number<int32_t>(Covered(), [](const RunProps& p) { return Truth(*p.hidden); });
}

base::Result<int32_t> Font::HighlightColorIndex() const {
  return Number<int32_t>(Covered(), [](const RunProps& p) { return *p.highlight; });
}

base::Result<word::Shading> Font::Shading() const {
  std::vector<ShadingProps> found;
  for (const CoveredText& t : Covered()) found.push_back(*t.props->shading);
  if (found.empty()) return NotAvailable("the range holds no text");
  return word::Shading(std::move(found));
}

base::Result<Border> Font::Borders(int32_t index) const {
  if (!((index >= wdBorderRight && index <= wdBorderTop) || (index >= 1 && index <= 4)))
    return NoSuchMember("the font has no border ", index);
  std::vector<BorderProps> found;
  for (const CoveredText& t : Covered()) found.push_back(*t.props->border);
  if (found.empty()) return NotAvailable("the range holds no text");
  return Border(std::move(found));
}

base::Result<int32_t> Font::BordersShadow() const {
  base::Result<Border> border = Borders(wdBorderTop);
  if (!border) return border.error();
  return border->Shadow();
}

}  // namespace word
