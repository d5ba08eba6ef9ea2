// How the client splits the text files it grades from (the single-choice record and key, the
// graders' debug logs) into lines, as a text-mode reader gives them. The files themselves are read
// whole through platform/win/confined_file.h, so that a read that fails is told apart from an
// empty file and nothing the candidate left in his folder is read unchecked.
#pragma once

#include <string>
#include <string_view>
#include <vector>

// The lines of a text: split at LF, a CR before the LF dropped; a last line without LF counts,
// an empty text has none. Empty lines are kept.
std::vector<std::string> SplitTextLines(std::string_view text);
