// How the parts reach the candidate's documents (the system's unit wordvbapp, its document
// access): a document is read from the candidate's folder as hostile bytes (a regular file,
// never through a link out of the folder, size-capped), converted first when it is in an older
// format, and opened from its bytes; part A's working copy is written beside it under the
// "tmq.doc" name, never over a document of the candidate's.
#pragma once

#include <string>
#include <string_view>

#include "grading/docmark/state.h"
#include "platform/base/result.h"

namespace docmark {

// Opens CheckPath + fileName in `app` and makes it the active document, with lengths shown in
// centimetres. Fails, with a log line saying why, when the file is missing, unreadable or no
// document; a document in an older format that cannot be converted because no converter is
// installed also sets UnreadableFormat.
base::Status OpenDocument(DocState& state, word::Application& app, std::string_view fileName);

// Writes the active document as a package to the Windows-form path of a working copy (a
// temporary file renamed to it). What stands under that name is an earlier grading's working
// copy, no candidate's data: a regular file of its own (no link, one name) that already holds
// exactly the bytes to write is left as it is, anything else is removed first, since a rename
// that replaces a file makes the file system write the new one out at once and a rename to a
// free name does not.
base::Status SaveWorkingCopy(DocState& state, word::Application& app, std::string_view path);

// Closes the active document's window without saving; nothing when none is open.
void CloseActiveWindow(word::Application& app);

// Part A's end of a document: saves its working copy CheckPath + TmqDocName(current document)
// and closes it, noting the copy for part B's "ab" rows and logging what was done. Nothing is
// saved when no document is open, nor over a document the rule tables name as a candidate's.
void SaveAsTmqAndClose(DocState& state);

}  // namespace docmark
