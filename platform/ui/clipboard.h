// The clipboard, as text in UTF-8.
#pragma once

#include <string>
#include <string_view>

namespace ui {

// Replaces the clipboard's contents with the text.
void SetClipboardText(std::string_view utf8);

// The clipboard's text; empty when it holds none.
std::string ClipboardText();

}  // namespace ui
