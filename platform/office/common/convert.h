// Candidates' files in formats other than OOXML (the binary .doc, .xls and .ppt of older office
// programs, RTF, ODF) turned into the package bytes the models open. The converter is LibreOffice
// run headless as a child process of ours (Debian packages libreoffice-writer-nogui,
// libreoffice-calc-nogui, libreoffice-impress-nogui); it works on a copy of the bytes in a private
// scratch folder, with a profile of its own there, so it never meets an office the user has
// running and never sees the file's own name. The scratch folder is removed afterwards.
#pragma once

#include <cerrno>
#include <chrono>
#include <filesystem>
#include <string>
#include <string_view>

#include "platform/base/result.h"

namespace office {

// What a failed conversion's error code says. A source that cannot be read keeps its reader's
// code (ENOENT when it reads as missing, EFBIG when too large; see win::ReadsAsMissing).
inline constexpr int kConverterMissing =
    ENOPKG;                                   // no converter installed: the format is unreadable
inline constexpr int kConverterFailed = EIO;  // it ran and made no document
inline constexpr int kConverterTimedOut = ETIMEDOUT;  // it ran past its time and was ended

// The package a file is converted into.
enum class PackageFormat { Docx, Xlsx, Pptx };

struct ConvertOptions {
  // How long the converter may run, measured on the monotonic clock. A first start with a new
  // profile takes a few seconds.
  std::chrono::milliseconds timeLimit{60000};
  // When not empty, a source named by its path is read only when it lies inside this folder (the
  // candidate's).
  std::filesystem::path confineTo;
  // The converter program, looked up on PATH.
  std::string program = "soffice";
};

// Ok when the converter is on this machine with the module for the format; else an error with
// kConverterMissing saying which Debian package is missing.
base::Status ConverterReady(PackageFormat format, const ConvertOptions& options = {});

// The package bytes of the file in `source` (a host path), or an error with one of the codes
// above. The source is read as a regular file of at most win::kOfficeFileCap bytes.
base::Result<std::string> ConvertToPackage(const std::filesystem::path& source,
                                           PackageFormat format,
                                           const ConvertOptions& options = {});

// The same for a file's bytes already read; `name` is its file name, for the messages and for
// its extension.
base::Result<std::string> ConvertBytesToPackage(std::string_view bytes, std::string_view name,
                                                PackageFormat format,
                                                const ConvertOptions& options = {});

}  // namespace office
