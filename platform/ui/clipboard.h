// The clipboard, as text in UTF-8.
#pragma once

#include <string>
#include <string_view>

namespace ui {

// Replaces the clipboard's contents with the text; false when there is no clipboard to open (no
// application object in this process).
bool SetClipboardText(std::string_view utf8);

// The clipboard's text; empty when it holds none.
std::string ClipboardText();

}  // namespace ui
