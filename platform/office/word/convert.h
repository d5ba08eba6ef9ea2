// Documents in formats other than OOXML (the binary .doc of older word processors, RTF, ODF)
// turned into .docx bytes that the model opens. The converter is LibreOffice run headless as a
// child process of ours (Debian package libreoffice-writer-nogui); it works on a copy of the file
// in a private scratch folder, with a profile of its own there, so it never meets an office the
// user has running and never sees the file's own name. The scratch folder is removed afterwards.
#pragma once

#include <cerrno>
#include <chrono>
#include <filesystem>
#include <string>

#include "platform/base/result.h"

namespace word {

// What a failed conversion's error code says. A source that cannot be read keeps its reader's
// code (ENOENT when it reads as missing, EFBIG when too large; see win::ReadsAsMissing).
inline constexpr int kConverterMissing =
    ENOPKG;                                   // no converter installed: the format is unreadable
inline constexpr int kConverterFailed = EIO;  // it ran and made no document
inline constexpr int kConverterTimedOut = ETIMEDOUT;  // it ran past its time and was ended

struct ConvertOptions {
  // How long the converter may run, measured on the monotonic clock. A first start with a new
  // profile takes a few seconds.
  std::chrono::milliseconds timeLimit{60000};
  // When not empty, the source is read only when it lies inside this folder (the candidate's).
  std::filesystem::path confineTo;
  // The converter program, looked up on PATH.
  std::string program = "soffice";
};

// The .docx bytes of the document in `source` (a host path), or an error with one of the codes
// above. The source is read as a regular file of at most win::kOfficeFileCap bytes.
base::Result<std::string> ConvertToDocx(const std::filesystem::path& source,
                                        const ConvertOptions& options = {});

}  // namespace word
