// A page's bytes turned into text: the charset a byte-order mark, a <meta charset> or a
// <meta http-equiv="Content-Type"> names, GBK when nothing does (the system's code page), and
// the file read as a candidate's file is read (regular file, no link out of its folder, a cap).
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

#include "platform/base/result.h"

namespace frontpage {

// Pages larger than this are refused unread.
inline constexpr uint64_t kPageFileCap = 4ull << 20;

enum class Charset { Gbk, Utf8, Utf16LE, Utf16BE, Latin1 };

// The charset's name as a meta element would write it ("gb2312" reads as Gbk, "utf-8" as Utf8).
std::string_view CharsetName(Charset charset);

// Which charset the bytes are in: a BOM first, then the first meta element within the head's
// first 4096 bytes that names a charset we know, else GBK.
Charset DetectCharset(std::string_view bytes);

// The page as UTF-8 text (a BOM removed) and the charset it was read in.
struct DecodedPage {
  std::string text;
  Charset charset = Charset::Gbk;
};
DecodedPage DecodePage(std::string_view bytes);

// The file's bytes when it is a regular file of at most kPageFileCap bytes lying inside `root`
// once every link is followed; an error that names the file otherwise.
base::Result<std::string> ReadPageFile(const std::filesystem::path& file,
                                       const std::filesystem::path& root);

}  // namespace frontpage
