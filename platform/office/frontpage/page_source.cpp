// Charset detection follows what a browser of the period did with a page from disk: a byte-order
// mark wins, then a meta element near the top, then the system's code page (GBK).
#include "platform/office/frontpage/page_source.h"

#include <algorithm>
#include <optional>

#include "platform/base/text.h"
#include "platform/office/frontpage/errors.h"
#include "platform/vb/strings.h"
#include "platform/win/codepage.h"
#include "platform/win/confined_file.h"

namespace frontpage {
namespace {

constexpr size_t kMetaScanBytes = 4096;

struct CharsetLabel {
  std::string_view label;
  Charset charset;
};
// The labels pages of the period wrote; an unknown label leaves the default in force.
constexpr CharsetLabel kLabels[] = {
    {"gb2312", Charset::Gbk},
    {"gbk", Charset::Gbk},
    {"gb18030", Charset::Gbk},
    {"x-gbk", Charset::Gbk},
    {"cp936", Charset::Gbk},
    {"windows-936", Charset::Gbk},
    {"csgb2312", Charset::Gbk},
    {"x-euc-cn", Charset::Gbk},
    {"euc-cn", Charset::Gbk},
    {"chinese", Charset::Gbk},
    {"utf-8", Charset::Utf8},
    {"utf8", Charset::Utf8},
    {"unicode-1-1-utf-8", Charset::Utf8},
    {"iso-8859-1", Charset::Latin1},
    {"windows-1252", Charset::Latin1},
    {"us-ascii", Charset::Latin1},
    {"latin1", Charset::Latin1},
    {"ascii", Charset::Latin1},
};

std::optional<Charset> FromLabel(std::string_view label) {
  label = base::Trim(label);
  for (const CharsetLabel& known : kLabels) {
    if (base::EqualsNoCase(label, known.label)) return known.charset;
  }
  return std::nullopt;
}

bool IsSpace(char c) {
  return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f';
}

// The value of the attribute `name` in a start tag's text ("<meta a=1 b='2'"), quoted or not;
// nullopt when the tag does not write it.
std::optional<std::string_view> TagAttribute(std::string_view tag, std::string_view name) {
  size_t i = tag.find_first_of(" \t\r\n\f/");  // past the tag's own name
  while (i != std::string_view::npos && i < tag.size()) {
    while (i < tag.size() && (IsSpace(tag[i]) || tag[i] == '/')) ++i;
    const size_t nameBegin = i;
    while (i < tag.size() && !IsSpace(tag[i]) && tag[i] != '=' && tag[i] != '/') ++i;
    const std::string_view attribute = tag.substr(nameBegin, i - nameBegin);
    if (attribute.empty()) break;
    while (i < tag.size() && IsSpace(tag[i])) ++i;
    std::string_view value;
    if (i < tag.size() && tag[i] == '=') {
      ++i;
      while (i < tag.size() && IsSpace(tag[i])) ++i;
      if (i < tag.size() && (tag[i] == '"' || tag[i] == '\'')) {
        const size_t end = tag.find(tag[i], i + 1);
        const size_t stop = end == std::string_view::npos ? tag.size() : end;
        value = tag.substr(i + 1, stop - i - 1);
        i = stop + 1;
      } else {
        const size_t begin = i;
        while (i < tag.size() && !IsSpace(tag[i])) ++i;
        value = tag.substr(begin, i - begin);
      }
    }
    if (base::EqualsNoCase(attribute, name)) return value;
  }
  return std::nullopt;
}

// The charset a meta element in the first bytes names, when one does.
std::optional<Charset> MetaCharset(std::string_view bytes) {
  const std::string_view head = bytes.substr(0, kMetaScanBytes);
  size_t at = 0;
  while ((at = base::FindNoCase(head, "<meta", at)) != std::string_view::npos) {
    size_t end = head.find('>', at);
    if (end == std::string_view::npos) end = head.size();
    const std::string_view tag = head.substr(at, end - at);
    at = end;
    if (auto charset = TagAttribute(tag, "charset")) {
      if (auto known = FromLabel(*charset)) return known;
      continue;
    }
    auto content = TagAttribute(tag, "content");
    if (!content) continue;
    const size_t c = base::FindNoCase(*content, "charset=");
    if (c == std::string_view::npos) continue;
    std::string_view label = content->substr(c + 8);
    label = label.substr(0, label.find_first_of("; \"'"));
    if (auto known = FromLabel(label)) return known;
  }
  return std::nullopt;
}

std::string FromUtf16(std::string_view bytes, bool bigEndian) {
  std::string out;
  out.reserve(bytes.size() * 3 / 2);
  for (size_t i = 0; i + 1 < bytes.size(); i += 2) {
    auto unit = [&](size_t k) -> char32_t {
      const auto a = static_cast<unsigned char>(bytes[k]);
      const auto b = static_cast<unsigned char>(bytes[k + 1]);
      return bigEndian ? (a << 8 | b) : (b << 8 | a);
    };
    char32_t c = unit(i);
    if (c >= 0xD800 && c <= 0xDBFF && i + 3 < bytes.size()) {
      const char32_t low = unit(i + 2);
      if (low >= 0xDC00 && low <= 0xDFFF) {
        c = 0x10000 + ((c - 0xD800) << 10) + (low - 0xDC00);
        i += 2;
      } else {
        c = U'\uFFFD';
      }
    } else if (c >= 0xD800 && c <= 0xDFFF) {
      c = U'\uFFFD';
    }
    vb::AppendUtf8(c, out);
  }
  return out;
}

std::string FromLatin1(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size());
  for (const char ch : bytes) vb::AppendUtf8(static_cast<unsigned char>(ch), out);
  return out;
}

// Bytes that say they are UTF-8 but are not: each bad byte read as U+FFFD.
std::string RepairUtf8(std::string_view bytes) {
  if (win::IsUtf8(bytes)) return std::string(bytes);
  std::string out;
  out.reserve(bytes.size());
  for (size_t i = 0; i < bytes.size();) {
    size_t len = 1;
    const char32_t c = vb::DecodeUtf8(bytes, i, len);
    const std::string_view piece = bytes.substr(i, len);
    if (len == 1 && static_cast<unsigned char>(bytes[i]) >= 0x80) {
      vb::AppendUtf8(U'\uFFFD', out);
    } else if (win::IsUtf8(piece)) {
      out.append(piece);
    } else {
      vb::AppendUtf8(U'\uFFFD', out);
    }
    static_cast<void>(c);
    i += len;
  }
  return out;
}

}  // namespace

std::string_view CharsetName(Charset charset) {
  switch (charset) {
    case Charset::Gbk:
      return "gb2312";
    case Charset::Utf8:
      return "utf-8";
    case Charset::Utf16LE:
      return "utf-16le";
    case Charset::Utf16BE:
      return "utf-16be";
    case Charset::Latin1:
      return "iso-8859-1";
  }
  return "gb2312";
}

Charset DetectCharset(std::string_view bytes) {
  if (bytes.starts_with("\xEF\xBB\xBF")) return Charset::Utf8;
  if (bytes.starts_with("\xFF\xFE")) return Charset::Utf16LE;
  if (bytes.starts_with("\xFE\xFF")) return Charset::Utf16BE;
  return MetaCharset(bytes).value_or(Charset::Gbk);
}

DecodedPage DecodePage(std::string_view bytes) {
  DecodedPage page;
  page.charset = DetectCharset(bytes);
  switch (page.charset) {
    case Charset::Utf8:
      if (bytes.starts_with("\xEF\xBB\xBF")) bytes.remove_prefix(3);
      page.text = RepairUtf8(bytes);
      break;
    case Charset::Utf16LE:
    case Charset::Utf16BE:
      page.text = FromUtf16(bytes.substr(2), page.charset == Charset::Utf16BE);
      break;
    case Charset::Latin1:
      page.text = FromLatin1(bytes);
      break;
    case Charset::Gbk:
      page.text = win::GbkToUtf8(bytes);
      break;
  }
  // A NUL would end the text for the parser; the browser showed nothing for it either.
  std::replace(page.text.begin(), page.text.end(), '\0', ' ');
  return page;
}

base::Result<std::string> ReadPageFile(const std::filesystem::path& file,
                                       const std::filesystem::path& root) {
  auto bytes = win::ReadConfinedFile(file, root, kPageFileCap);
  if (!bytes) {
    base::Error e = std::move(bytes).error();
    return ErrorWith(kErrUnreadable, "cannot read the page ", file.string(), ": ", e.message);
  }
  return bytes;
}

}  // namespace frontpage
