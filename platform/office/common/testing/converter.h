// Test helpers for the real converter (LibreOffice): whether it is installed with the module a
// format needs, so the tests that run it skip, saying why, on a machine without it; and files it
// saves in the binary formats, made when such a test runs.
#pragma once

#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <vector>

#include "platform/base/result.h"
#include "platform/office/common/convert.h"
#include "platform/win/process.h"

namespace office::testing {

// Empty when the real converter is installed for the format; else why not.
inline std::string ConverterMissing(PackageFormat format) {
  base::Status ready = ConverterReady(format);
  return ready ? std::string() : ready.error().message;
}

// A presentation of one slide with this text as a flat document, which LibreOffice saves in
// the binary format with SaveWithLibreOffice (a saved one is too large to keep as test data).
inline std::string FlatPresentation(std::string_view text) {
  return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
         "<office:document xmlns:office=\"urn:oasis:names:tc:opendocument:xmlns:office:1.0\" "
         "xmlns:text=\"urn:oasis:names:tc:opendocument:xmlns:text:1.0\" "
         "xmlns:draw=\"urn:oasis:names:tc:opendocument:xmlns:drawing:1.0\" "
         "xmlns:svg=\"urn:oasis:names:tc:opendocument:xmlns:svg-compatible:1.0\" "
         "office:version=\"1.2\" "
         "office:mimetype=\"application/vnd.oasis.opendocument.presentation\">"
         "<office:body><office:presentation><draw:page draw:name=\"page1\">"
         "<draw:frame svg:x=\"2cm\" svg:y=\"2cm\" svg:width=\"20cm\" svg:height=\"3cm\">"
         "<draw:text-box><text:p>" +
         std::string(text) +
         "</text:p></draw:text-box></draw:frame></draw:page></office:presentation></office:body>"
         "</office:document>\n";
}

// Has LibreOffice save `source` as `target` ("ppt:MS PowerPoint 97") into `outdir`, with a
// profile of its own there; the saved file, or why there is none.
inline base::Result<std::filesystem::path> SaveWithLibreOffice(
    const std::filesystem::path& source, const std::string& target,
    const std::filesystem::path& outdir) {
  const std::vector<std::string> argv = {
      "soffice",      "--headless",
      "--norestore",  "-env:UserInstallation=file://" + (outdir / "profile").string(),
      "--convert-to", target,
      "--outdir",     outdir.string(),
      source.string()};
  base::Result<int> pid = win::StartHostProgram(argv, outdir / "soffice.log");
  if (!pid) return pid.error();
  base::Result<int> status = win::WaitForProcess(*pid, std::chrono::minutes(3));
  if (!status || *status != 0)
    return base::Error::Of("LibreOffice could not save ", source.string());
  const std::filesystem::path saved =
      outdir / (source.stem().string() + "." + target.substr(0, target.find(':')));
  if (!std::filesystem::exists(saved))
    return base::Error::Of("LibreOffice saved no ", saved.string());
  return saved;
}

}  // namespace office::testing
