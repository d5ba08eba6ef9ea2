// Action settings and hyperlinks of shapes and text.
#include "grading/slidemark/checks/actions.h"

#include <optional>

#include "grading/slidemark/checks/reads.h"
#include "platform/vb/strings.h"

namespace slidemark {
namespace {

using powerpoint::ActionSetting;
using powerpoint::TextRange;

// What one ActionSettings entry reads as; a missing entry keeps every starting value.
struct Setting {
  int32_t action = 0;
  std::string address;
  std::string subAddress;
  std::string sound;
};

Setting Read(const base::Result<ActionSetting>& entry) {
  Setting read;
  if (!entry) return read;
  KeepRead(read.action, entry->Action());
  read.address = entry->Hyperlink().Address();
  read.subAddress = entry->Hyperlink().SubAddress();
  base::Result<powerpoint::SoundEffect> sound = entry->SoundEffect();
  if (sound) read.sound = sound->Name();
  return read;
}

Setting OfShape(const Presentation& p, int16_t slide, int16_t shape, int32_t index) {
  const powerpoint::Shape* onSlide = ShapeAt(p, slide, shape);
  if (onSlide == nullptr) return {};
  return Read(onSlide->ActionSettings().Item(index));
}

Setting OfText(const std::optional<TextRange>& text, int32_t index) {
  if (!text) return {};
  return Read(text->ActionSettings().Item(index));
}

Setting OfShapeText(const Presentation& p, int16_t slide, int16_t shape, int32_t index) {
  return OfText(TextRangeOf(ShapeAt(p, slide, shape)), index);
}

}  // namespace

std::string CleanAddress(std::string_view address) {
  std::string cleaned = vb::LCase(address);
  if (!cleaned.empty() && cleaned.back() == '/') cleaned.pop_back();
  return cleaned;
}

bool AddressMatches(std::string_view link, std::string_view expected) {
  const std::string cleaned = CleanAddress(link);
  return cleaned == CleanAddress(expected) || cleaned == vb::LCase(expected);
}

std::string SubAddressPart(std::string_view subAddress) {
  const size_t first = subAddress.find(',');
  if (first == std::string_view::npos) return {};
  const size_t second = subAddress.find(',', first + 1);
  const size_t length = second == std::string_view::npos ? second : second - first - 1;
  return std::string(subAddress.substr(first + 1, length));
}

std::string FilePartOf(std::string_view address) {
  const size_t last = address.find_last_of("/\\");
  return std::string(last == std::string_view::npos ? address : address.substr(last + 1));
}

bool CheckShapeActionSetting(const Presentation& p, int16_t slide, int16_t shape, int32_t action,
                             int32_t index) {
  return OfShape(p, slide, shape, index).action == action;
}

bool CheckShapeActionSettingSound(const Presentation& p, int16_t slide, int16_t shape,
                                  std::string_view sound, int32_t index) {
  return OfShape(p, slide, shape, index).sound == sound;
}

bool CheckShapeHyperlinkFile(const Presentation& p, int16_t slide, int16_t shape,
                             std::string_view file, int32_t index) {
  return SameIgnoringCase(FilePartOf(OfShape(p, slide, shape, index).address), file);
}

bool CheckShapeHyperlinkSetting(const Presentation& p, int16_t slide, int16_t shape,
                                std::string_view part, int32_t index) {
  return SubAddressPart(OfShape(p, slide, shape, index).subAddress) == part;
}

bool CheckShapeHyperlinkUrl(const Presentation& p, int16_t slide, int16_t shape,
                            std::string_view address, int32_t index) {
  return AddressMatches(OfShape(p, slide, shape, index).address, address);
}

bool CheckTxtActionSetting(const Presentation& p, int16_t slide, int16_t shape, int32_t action,
                           int32_t index) {
  return OfShapeText(p, slide, shape, index).action == action;
}

bool CheckTxtActionSettingSound(const Presentation& p, int16_t slide, int16_t shape,
                                std::string_view sound, int32_t index) {
  return SameIgnoringCase(OfShapeText(p, slide, shape, index).sound, sound);
}

bool CheckTxtHyperlinkSetting(const Presentation& p, int16_t slide, int16_t shape,
                              std::string_view part, int32_t index) {
  return SubAddressPart(OfShapeText(p, slide, shape, index).subAddress) == part;
}

bool CheckTxtHyperlinkUrl(const Presentation& p, int16_t slide, int16_t shape,
                          std::string_view address, int32_t index) {
  return AddressMatches(OfShapeText(p, slide, shape, index).address, address);
}

bool CheckTxtHyperlinkSettingUrl(const Presentation& p, int16_t slide, std::string_view text,
                                 std::string_view address, int32_t index) {
  const powerpoint::Slide* onSlide = SlideAt(p, slide);
  if (onSlide == nullptr) return false;
  for (const auto& shape : onSlide->Shapes()) {
    if (shape->HasTextFrame() != powerpoint::msoTrue) continue;
    std::optional<TextRange> range = TextOf(*shape);
    if (!range || range->Text() != text) continue;
    if (AddressMatches(OfText(range, index).address, address)) return true;
  }
  return false;
}

bool CheckTxtInSlideShapeActionSettingUrl(const Presentation& p, int16_t slide, int16_t shape,
                                          std::string_view text, std::string_view address,
                                          int32_t index) {
  std::optional<TextRange> found = FirstOccurrence(p, slide, shape, text);
  return found && AddressMatches(OfText(found, index).address, address);
}

bool CheckTxtInSlideShapeActionSettingAction(const Presentation& p, int16_t slide, int16_t shape,
                                             std::string_view text, int32_t action, int32_t index) {
  std::optional<TextRange> found = FirstOccurrence(p, slide, shape, text);
  return found && OfText(found, index).action == action;
}

bool CheckTxtInSlideShapeActionSettingSubAddress(const Presentation& p, int16_t slide,
                                                 int16_t shape, std::string_view text,
                                                 std::string_view part, int32_t index) {
  std::optional<TextRange> found = FirstOccurrence(p, slide, shape, text);
  return found && SubAddressPart(OfText(found, index).subAddress) == part;
}

bool CheckTxtInSlideShapeActionSettingSound(const Presentation& p, int16_t slide, int16_t shape,
                                            std::string_view text, std::string_view sound,
                                            int32_t index) {
  std::optional<TextRange> found = FirstOccurrence(p, slide, shape, text);
  return found && SameIgnoringCase(OfText(found, index).sound, sound);
}

}  // namespace slidemark
