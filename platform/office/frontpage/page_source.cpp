#include "platform/office/frontpage/page_source.h"

#include "platform/office/frontpage/errors.h"
#include "platform/win/codepage.h"
#include "platform/win/confined_file.h"

namespace frontpage {

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

Charset DetectCharset(std::string_view) {
  return Charset::Gbk;
}

DecodedPage DecodePage(std::string_view bytes) {
  return {win::GbkToUtf8(bytes), Charset::Gbk};
}

base::Result<std::string> ReadPageFile(const std::filesystem::path& file,
                                       const std::filesystem::path& root) {
  return win::ReadConfinedFile(file, root, kPageFileCap);
}

}  // namespace frontpage
