// What a mouse action on a shape, on a shape's text or on a piece of text in a shape does: the
// action, the sound, and the hyperlink's address or slide sub-address. Every check reads the
// ActionSettings entry of the given index (1 click, 2 mouse-over); a missing slide, shape, text
// frame or entry reads as action 0 and empty text.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/office/powerpoint/presentation.h"

namespace slidemark {

using Presentation = powerpoint::Presentation;

// A link's address lower-cased, one trailing "/" dropped.
std::string CleanAddress(std::string_view address);
// The cleaned link equals the cleaned expected address, or the expected address merely
// lower-cased, so a workbook that named the address with its trailing "/" still matches.
bool AddressMatches(std::string_view link, std::string_view expected);
// The part between the first and the second comma of a sub-address ("257,3,Summary" -> "3");
// empty without a comma.
std::string SubAddressPart(std::string_view subAddress);
// What follows the last "/" or "\" of an address; the whole address without either.
std::string FilePartOf(std::string_view address);

// Slides(slide).Shapes.Range(shape).ActionSettings(index)...
bool CheckShapeActionSetting(const Presentation& p, int16_t slide, int16_t shape, int32_t action,
                             int32_t index);
// ...SoundEffect.Name, exact and case-sensitive.
bool CheckShapeActionSettingSound(const Presentation& p, int16_t slide, int16_t shape,
                                  std::string_view sound, int32_t index);
// The file part of Hyperlink.Address, case ignored.
bool CheckShapeHyperlinkFile(const Presentation& p, int16_t slide, int16_t shape,
                             std::string_view file, int32_t index);
bool CheckShapeHyperlinkSetting(const Presentation& p, int16_t slide, int16_t shape,
                                std::string_view part, int32_t index);
bool CheckShapeHyperlinkUrl(const Presentation& p, int16_t slide, int16_t shape,
                            std::string_view address, int32_t index);

// The same read on the shape's whole text (TextFrame.TextRange); its sound is compared with case
// ignored.
bool CheckTxtActionSetting(const Presentation& p, int16_t slide, int16_t shape, int32_t action,
                           int32_t index);
bool CheckTxtActionSettingSound(const Presentation& p, int16_t slide, int16_t shape,
                                std::string_view sound, int32_t index);
bool CheckTxtHyperlinkSetting(const Presentation& p, int16_t slide, int16_t shape,
                              std::string_view part, int32_t index);
bool CheckTxtHyperlinkUrl(const Presentation& p, int16_t slide, int16_t shape,
                          std::string_view address, int32_t index);
// Some shape of the slide whose whole text is exactly the text links to the address.
bool CheckTxtHyperlinkSettingUrl(const Presentation& p, int16_t slide, std::string_view text,
                                 std::string_view address, int32_t index);

// The text occurs in the shape, and its first occurrence's characters have the setting.
bool CheckTxtInSlideShapeActionSettingUrl(const Presentation& p, int16_t slide, int16_t shape,
                                          std::string_view text, std::string_view address,
                                          int32_t index);
bool CheckTxtInSlideShapeActionSettingAction(const Presentation& p, int16_t slide, int16_t shape,
                                             std::string_view text, int32_t action, int32_t index);
bool CheckTxtInSlideShapeActionSettingSubAddress(const Presentation& p, int16_t slide,
                                                 int16_t shape, std::string_view text,
                                                 std::string_view part, int32_t index);
bool CheckTxtInSlideShapeActionSettingSound(const Presentation& p, int16_t slide, int16_t shape,
                                            std::string_view text, std::string_view sound,
                                            int32_t index);

}  // namespace slidemark
