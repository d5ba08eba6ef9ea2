// The score record scrambler: the candidate's score text is stored and sent as capital letters,
// keyed by the exam code, and turned back for the proctor's views.
#pragma once

#include <string>
#include <string_view>

// Two capital letters per byte ("A".."J" then "A".."Z"), each byte first shifted by the key: the
// last four characters of `key` in reverse order, or four zeros for a key of 3 characters or less.
std::string EncodeText(std::string_view plain, std::string_view key);

// Undoes EncodeText with the same key; a trailing single letter is ignored. Never fails: any
// text decodes to some bytes.
std::string DecodeText(std::string_view encoded, std::string_view key);
