// Small documents that hold one of each thing the document model reads (styles and a theme,
// lists, fields and hyperlinks, tables with merged cells, sections with headers, footers and page
// numbers, columns and a grid, a drop cap, a page background), for the fuzzer's seeds and the
// benchmark. Each is a writer's content; `Samples()` names them.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "platform/office/word/testing/docx_writer.h"

namespace word::testing {

// A document the size of a word-processor exam task: a title, a dozen paragraphs of formatted
// Chinese and Latin text, a 6 x 5 score table with merged cells, two sections, a header and a
// footer with a page number, two text columns, a drop cap and a gradient background.
DocxContent TaskDocument();

// The seeds: (file name, content).
std::vector<std::pair<std::string, DocxContent>> Samples();

}  // namespace word::testing
