// Colour attributes as the browser's document model answers them: read by the HTML legacy colour
// rules (a name, "#rgb", or any text made hex digit by digit) and answered as "#rrggbb" in lower
// case, so "yellow", "#FFFF00" and "ffff00" all read "#ffff00".
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace frontpage {

// The colour a written attribute gives; nullopt when the rules give none (an empty value,
// "transparent"), which the properties answer as if the attribute were not written.
std::optional<std::string> LegacyColour(std::string_view written);

}  // namespace frontpage
