// A candidate's paper archives unpacked into his folder as a whole or not at all, for the
// proctor's re-release: 7-Zip unpacks every archive into a staging folder beside the candidate
// folders, and only when each run ended cleanly is what his folder lacks moved into it
// (folder_merge), so his own files are kept and a failure changes nothing there.
#pragma once

#include <string>
#include <vector>

#include "platform/base/result.h"

// Unpacks `archives` (names in the program folder's Data\Attach\; empty names are skipped, the
// first of two archives holding the same file wins) into `studentFolder`, an existing folder
// ending in "\". An error names the archive and why: 7-Zip could not be started or ended with a
// status other than 0, or the files could not be moved in.
base::Status UnpackPaperArchives(const std::string& programFolder,
                                 const std::vector<std::string>& archives,
                                 const std::string& studentFolder, const std::string& stamp);
