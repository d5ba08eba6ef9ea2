// How the client reads the text files it grades from (the single-choice record and key, the
// graders' debug logs): the whole file at once, so that a read that fails is told apart from an
// empty file, then split into lines as a text-mode reader gives them.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/base/result.h"

// Every byte of the file at a Windows-form path.
base::Result<std::string> ReadWholeFile(const std::string& path);

// The lines of a text: split at LF, a CR before the LF dropped; a last line without LF counts,
// an empty text has none. Empty lines are kept.
std::vector<std::string> SplitTextLines(std::string_view text);
