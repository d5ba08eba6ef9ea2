// GBK <-> UTF-8 through iconv.
#include "codepage.h"

#include <iconv.h>

#include <cerrno>

namespace win {
namespace {

// Converts with iconv, replacing each unconvertible or invalid input unit with "?".

std::string Convert(std::string_view in, const char* to, const char* from, bool fromUtf8) {
  std::string out;
  if (in.empty()) return out;
  iconv_t cd = iconv_open(to, from);
  if (cd == reinterpret_cast<iconv_t>(-1)) return std::string(in);
  out.reserve(in.size() * 3 / 2 + 8);
  char* src = const_cast<char*>(in.data());
  size_t srcLeft = in.size();
  char buffer[4096];
  while (srcLeft > 0) {
    char* dst = buffer;
    size_t dstLeft = sizeof buffer;
    size_t rc = iconv(cd, &src, &srcLeft, &dst, &dstLeft);
    out.append(buffer, dst - buffer);
    if (rc != static_cast<size_t>(-1)) continue;
    if (errno == E2BIG) continue;
    // EILSEQ or EINVAL: skip one character of input and put "?" in its place.
    size_t skip = 1;
    const auto lead = static_cast<unsigned char>(*src);
    if (fromUtf8) {
      if (lead >= 0xF0)
        skip = 4;
      else if (lead >= 0xE0)
        skip = 3;
      else if (lead >= 0xC0)
        skip = 2;
      // A malformed sequence steps one byte only, so valid text after it survives.
      for (size_t i = 1; i < skip; ++i) {
        if (i >= srcLeft || (static_cast<unsigned char>(src[i]) & 0xC0) != 0x80) {
          skip = 1;
          break;
        }
      }
    } else if (lead >= 0x81 && lead <= 0xFE && srcLeft >= 2 &&
               static_cast<unsigned char>(src[1]) >= 0x40) {
      skip = 2;
    }
    if (skip > srcLeft) skip = srcLeft;
    src += skip;
    srcLeft -= skip;
    out.push_back('?');
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
  }
  iconv_close(cd);
  return out;
}

bool IsAscii(std::string_view bytes) {
  for (char c : bytes)
    if (static_cast<unsigned char>(c) >= 0x80) return false;
  return true;
}

}  // namespace

std::string GbkToUtf8(std::string_view gbk) {
  return Convert(gbk, "UTF-8", "GBK", false);
}

std::string Utf8ToGbk(std::string_view utf8) {
  return Convert(utf8, "GBK", "UTF-8", true);
}

bool IsUtf8(std::string_view bytes) {
  size_t i = 0;
  const size_t n = bytes.size();
  while (i < n) {
    const auto c = static_cast<unsigned char>(bytes[i]);
    size_t len;
    unsigned min;
    if (c < 0x80) {
      ++i;
      continue;
    } else if (c >= 0xC2 && c <= 0xDF) {
      len = 2, min = 0x80;
    } else if (c >= 0xE0 && c <= 0xEF) {
      len = 3, min = 0x800;
    } else if (c >= 0xF0 && c <= 0xF4) {
      len = 4, min = 0x10000;
    } else {
      return false;
    }
    if (i + len > n) return false;
    unsigned cp = c & (0x7F >> len);
    for (size_t k = 1; k < len; ++k) {
      const auto cc = static_cast<unsigned char>(bytes[i + k]);
      if ((cc & 0xC0) != 0x80) return false;
      cp = (cp << 6) | (cc & 0x3F);
    }
    if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return false;
    i += len;
  }
  return true;
}

std::string DecodeText(std::string_view bytes, TextEncoding* found) {
  TextEncoding encoding = TextEncoding::Gbk;
  std::string text;
  if (bytes.substr(0, 3) == "\xEF\xBB\xBF") {
    encoding = TextEncoding::Utf8Bom;
    text.assign(bytes.substr(3));
  } else if (IsUtf8(bytes) && !IsAscii(bytes)) {
    encoding = TextEncoding::Utf8;
    text.assign(bytes);
  } else {
    text = GbkToUtf8(bytes);
  }
  if (found) *found = encoding;
  return text;
}

std::string EncodeText(std::string_view utf8, TextEncoding encoding) {
  switch (encoding) {
    case TextEncoding::Utf8Bom:
      return "\xEF\xBB\xBF" + std::string(utf8);
    case TextEncoding::Utf8:
      return std::string(utf8);
    case TextEncoding::Gbk:
      break;
  }
  return Utf8ToGbk(utf8);
}

}  // namespace win
