// The RTF reader: turns the RTF of question and rules files into a Qt text document, the way the
// rich-edit control showed them. It reads font and colour tables, code-page bytes (GBK under
// \ansicpg936 or \fcharset134), \uN escapes, paragraphs with alignment and indents, character
// formatting, tabs, line breaks, tables, fields and objects by their results, and pictures.
// Unknown destinations are skipped. Malformed input never crashes it: what could be read is kept.
#pragma once

#include <filesystem>
#include <string_view>

class QTextDocument;

namespace ui {

// What a read found, for callers that want to know and for tests.
struct RtfStats {
  int pictures = 0;      // pictures shown as images
  int placeholders = 0;  // pictures that could not be decoded, shown as a box of their size
  int tables = 0;
  bool isRtf = false;      // the input began with "{\rtf"
  bool truncated = false;  // groups were still open at the end of the input
};

// Replaces the contents of `doc` with the document in `rtf`. Input that is not RTF is shown as
// plain text (GBK or UTF-8) and the result is false; otherwise true.
bool ReadRtf(std::string_view rtf, QTextDocument& doc, RtfStats* stats = nullptr);

// Reads a whole file (host path) with ReadRtf. False, with `doc` cleared, when it cannot be read.
bool ReadRtfFile(const std::filesystem::path& path, QTextDocument& doc, RtfStats* stats = nullptr);

}  // namespace ui
