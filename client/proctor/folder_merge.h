// What an unpacked folder brings, moved into a folder that may already hold a candidate's work:
// whatever the target lacks is moved in, whatever it has is kept, as 7-Zip's "skip existing
// files" keeps it. Names meet without regard to case, as they do on the platform the papers were
// made for, so an archive's "Winkt" fills the candidate's "winkt". Only real folders are entered
// on the target's side: a link the candidate put there is a name that exists, never a way out.
#pragma once

#include <filesystem>

#include "platform/base/result.h"

// Moves into `into` (an existing folder) every file and folder of `from` it lacks, entering the
// folders both have. On failure what was moved in is removed again, so `into` is as it was; what
// stays in `from` is the caller's to remove.
base::Status MoveInMissing(const std::filesystem::path& from, const std::filesystem::path& into);
