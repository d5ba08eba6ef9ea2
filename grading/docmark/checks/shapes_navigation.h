// How part A's drawing-object checks reach a shape of the candidate's document: selecting it by
// name, finding the first of a numbered family ("Text Box 1" .. "Text Box 60"), taking groups
// apart, and copying a text box's text to the start of the document where the text checks find
// it. Every helper works on the application's active document and keeps no state; with no
// document open it selects nothing.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/office/word/application.h"
#include "platform/office/word/shape_range.h"

namespace docmark {

// The numbers FindShapeIndex tries, and what it answers when none is there.
inline constexpr int16_t kMaxShapeNumber = 60;
inline constexpr int16_t kNoShapeNumber = kMaxShapeNumber + 1;

// SelectShape: the document's shape `name` (ASCII case ignored) becomes the selection's shape
// range. False when there is no such shape or it cannot be selected.
bool SelectShape(word::Application& app, std::string_view name);

// The shape `name`, selected: its shape range; nothing when it is not there, so that a check
// reads nothing rather than the shape an earlier rule left selected (where a selection that
// failed quietly would leave it).
std::optional<word::ShapeRange> SelectedShape(word::Application& app, std::string_view name);

// The name of shape `number` of a family: "Text Box" and 3 give "Text Box 3".
std::string NumberedShapeName(std::string_view prefix, int number);

// FindShapeIndex: the first number from 1 to 60 whose shape `prefix` + " " + number can be
// selected (it stays selected); 61 when there is none.
int16_t FindShapeIndex(word::Application& app, std::string_view prefix);

// UngroupShape: the group `name` comes apart into its children, then every group named "Group 1"
// .. "Group 60" still in the document, until none is left. A group that will not come apart
// ends it, and so do 60 passes: nothing loops for ever. The number of groups taken apart.
int16_t UngroupShape(word::Application& app, std::string_view name);

// CopyTextBoxToStart: the whole text of the text box `name` is pasted at the start of page 1, so
// that the text checks find it in the main text. False, and nothing pasted, when the shape is
// not there or holds no text frame.
bool CopyTextBoxToStart(word::Application& app, std::string_view name);

}  // namespace docmark
