// The small text helpers the navigation hook, the search and the web mail share: an address's
// query parameters, percent-decoding, and the escapes a page needs.
#pragma once

#include <string>
#include <string_view>

namespace browsim {

// The value of the parameter `name` of an address: the text after "?" (after "//" when there is
// no "?") is split at "&" and the pair whose name equals `name` exactly (ASCII case ignored)
// gives its value; "" when none does.
// A value that merely contains the name ("content=type") is never taken for it.
std::string GetQueryParam(std::string_view address, std::string_view name);

// "%hh" sequences replaced by their bytes ("+" stays); a "%" without two hex digits stays as it
// is. The result is the bytes as sent (UTF-8 for the pages we serve).
std::string PercentDecode(std::string_view text);

// A query's text as a page sent it, percent-decoded and read in that page's charset (GBK for
// "GBK", "gb2312" or "gb18030", else UTF-8; "" when it is not known), in UTF-8. Bytes that are
// not UTF-8 are read as GBK, the system's code page.
std::string DecodeQueryText(std::string_view encoded, std::string_view charset);

// A whole address as the engine gives it (percent-encoded): the path and fragment in UTF-8, as
// the engine always encodes them, the query by DecodeQueryText in the page's charset.
std::string DecodeAddress(std::string_view encoded, std::string_view charset);

// Every "<br>" replaced by the four characters \r\n, the escape a script string needs.
std::string BrToJsNewline(std::string_view text);

// Text made safe between tags and inside a double- or single-quoted attribute.
std::string HtmlEscape(std::string_view text);

// Text made safe inside a double-quoted script string that is itself written into a page:
// backslashes, quotes and line ends escaped, and "<" as \x3c so no "</script>" can end it.
std::string JsStringEscape(std::string_view text);

// An id that is a whole number and nothing else ("12"); false for "", "1 or 1=1", "-3x".
bool ParseId(std::string_view text, long& id);

}  // namespace browsim
