// The converter run: a copy of the source in a private scratch folder, LibreOffice started on it
// with a profile in the same folder, waited for within the time limit (ended with what it
// started when it runs past it), its package read back and the folder removed.
#include "platform/office/common/convert.h"

#include <stdlib.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <fstream>
#include <optional>
#include <string_view>
#include <vector>

#include "platform/win/confined_file.h"
#include "platform/win/process.h"

namespace office {
namespace {

namespace fs = std::filesystem;

template <class... Pieces>
base::Error ConvertError(int code, const Pieces&... pieces) {
  base::Error e = base::Error::Of(pieces...);
  e.code = code;
  return e;
}

// A folder of this process alone (mode 0700), removed with everything in it when the object goes.
class ScratchFolder {
 public:
  static std::optional<ScratchFolder> Make() {
    std::error_code ec;
    const fs::path base = fs::temp_directory_path(ec);
    if (ec) return std::nullopt;
    std::string pattern = (base / "kirv-convert-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) return std::nullopt;
    return ScratchFolder(pattern);
  }
  ScratchFolder(ScratchFolder&& other) noexcept : path_(std::move(other.path_)) {
    other.path_.clear();
  }
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;
  ScratchFolder& operator=(ScratchFolder&&) = delete;
  ~ScratchFolder() {
    std::error_code ec;
    if (!path_.empty()) fs::remove_all(path_, ec);
  }

  const fs::path& Path() const { return path_; }

 private:
  explicit ScratchFolder(fs::path path) : path_(std::move(path)) {}
  fs::path path_;
};

// "file:///..." for a host path, every byte but the plain ones percent-encoded.
std::string FileUrl(const fs::path& path) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string url = "file://";
  for (const unsigned char c : path.string()) {
    if (std::isalnum(c) || c == '/' || c == '-' || c == '_' || c == '.' || c == '~') {
      url += static_cast<char>(c);
    } else {
      url += '%';
      url += kHex[c >> 4];
      url += kHex[c & 15];
    }
  }
  return url;
}

// What each package format takes: the converter's name for it, the Debian package of the
// converter's module that writes it, that module's library, the usual extension of its sources.
struct FormatFacts {
  const char* extension;
  const char* debianPackage;
  const char* module;
  const char* sourceExtension;
};

FormatFacts FactsOf(PackageFormat format) {
  switch (format) {
    case PackageFormat::Xlsx:
      return {"xlsx", "libreoffice-calc-nogui", "libsclo.so", ".xls"};
    case PackageFormat::Pptx:
      return {"pptx", "libreoffice-impress-nogui", "libsdlo.so", ".ppt"};
    case PackageFormat::Docx:
      break;
  }
  return {"docx", "libreoffice-writer-nogui", "libswlo.so", ".doc"};
}

// The program's host file as found on PATH; empty when it is not there.
fs::path FindOnPath(const std::string& program) {
  if (program.find('/') != std::string::npos) return program;
  const char* path = std::getenv("PATH");
  std::string_view dirs = path != nullptr ? path : "";
  while (!dirs.empty()) {
    const size_t colon = dirs.find(':');
    const std::string_view dir = dirs.substr(0, colon);
    dirs = colon == std::string_view::npos ? std::string_view() : dirs.substr(colon + 1);
    if (dir.empty()) continue;
    const fs::path candidate = fs::path(dir) / program;
    if (::access(candidate.c_str(), X_OK) == 0) return candidate;
  }
  return {};
}

// The copy is named by us: "document" with the source's extension when that is short and plain
// (the converter picks its reader by content, the name only names its output), else the format's
// usual one.
fs::path CopyName(std::string_view name, const FormatFacts& facts) {
  std::string ext = fs::path(name).extension().string();
  const bool plain =
      ext.size() >= 2 && ext.size() <= 6 &&
      std::all_of(ext.begin() + 1, ext.end(), [](unsigned char c) { return std::isalnum(c) != 0; });
  return "document" + (plain ? ext : std::string(facts.sourceExtension));
}

base::Status WriteCopy(const fs::path& file, std::string_view bytes) {
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  out.close();
  if (!out) return base::Error::Of("cannot write the copy ", file.string());
  return base::Ok();
}

// The converter's last line of output, which says why it failed; empty when it said nothing.
std::string LastLine(const fs::path& output) {
  const base::Result<std::string> text = win::ReadRegularFile(output, win::kTextFileCap);
  if (!text) return {};
  std::string_view rest = *text;
  while (!rest.empty() && (rest.back() == '\n' || rest.back() == '\r' || rest.back() == ' '))
    rest.remove_suffix(1);
  const size_t start = rest.find_last_of('\n');
  return std::string(start == std::string_view::npos ? rest : rest.substr(start + 1));
}

std::string Said(const fs::path& output) {
  const std::string line = LastLine(output);
  return line.empty() ? std::string() : ": " + line;
}

}  // namespace

base::Result<std::string> ConvertToPackage(const fs::path& source, PackageFormat format,
                                           const ConvertOptions& options) {
  base::Result<std::string> original =
      options.confineTo.empty()
          ? win::ReadRegularFile(source, win::kOfficeFileCap)
          : win::ReadConfinedFile(source, options.confineTo, win::kOfficeFileCap);
  if (!original) return original.error();
  return ConvertBytesToPackage(*original, source.string(), format, options);
}

base::Status ConverterReady(PackageFormat format, const ConvertOptions& options) {
  const FormatFacts facts = FactsOf(format);
  const fs::path found = FindOnPath(options.program);
  if (found.empty())
    return ConvertError(kConverterMissing, "no converter ", options.program,
                        " on this machine (Debian package ", facts.debianPackage, ")");
  // A LibreOffice without the module for the format would start and then fail to load the file,
  // which is no failure of the file.
  std::error_code ec;
  const fs::path folder = fs::canonical(found, ec).parent_path();
  if (!ec && fs::exists(folder / "soffice.bin", ec) && !fs::exists(folder / facts.module, ec))
    return ConvertError(kConverterMissing, "the converter on this machine cannot write .",
                        facts.extension, " (Debian package ", facts.debianPackage, ")");
  return base::Ok();
}

base::Result<std::string> ConvertBytesToPackage(std::string_view bytes, std::string_view name,
                                                PackageFormat format,
                                                const ConvertOptions& options) {
  const FormatFacts facts = FactsOf(format);
  if (base::Status ready = ConverterReady(format, options); !ready) return ready.error();
  std::optional<ScratchFolder> scratch = ScratchFolder::Make();
  if (!scratch) return ConvertError(kConverterFailed, "cannot make a scratch folder to convert in");
  const fs::path copy = scratch->Path() / CopyName(name, facts);
  const fs::path outdir = scratch->Path() / "out";
  const fs::path output = scratch->Path() / "converter.log";
  std::error_code ec;
  fs::create_directory(outdir, ec);
  if (ec)
    return ConvertError(kConverterFailed, "cannot make ", outdir.string(), ": ", ec.message());
  if (base::Status written = WriteCopy(copy, bytes); !written)
    return ConvertError(kConverterFailed, written.error().message);

  const std::vector<std::string> argv = {
      options.program,
      "--headless",
      "--norestore",
      "--nolockcheck",
      "-env:UserInstallation=" + FileUrl(scratch->Path() / "profile"),
      "--convert-to",
      facts.extension,
      "--outdir",
      outdir.string(),
      copy.string()};
  const base::Result<int> started = win::StartHostProgram(argv, output);
  if (!started) {
    if (started.error().code == ENOENT)
      return ConvertError(kConverterMissing, "no converter ", options.program,
                          " on this machine (Debian package ", facts.debianPackage, ")");
    return ConvertError(kConverterFailed, started.error().message);
  }
  const base::Result<int> status = win::WaitForProcess(*started, options.timeLimit);
  if (!status && status.error().code == ETIMEDOUT) {
    win::TerminateProcessGroup(*started);
    (void)win::WaitForProcess(*started, std::chrono::seconds(10));
    return ConvertError(kConverterTimedOut, "the converter did not finish converting ", name,
                        " within ", options.timeLimit.count(), " ms and was ended");
  }
  if (!status) return ConvertError(kConverterFailed, status.error().message);
  if (*status != 0)
    return ConvertError(kConverterFailed, "the converter failed on ", name, " (exit status ",
                        *status, ")", Said(output));
  base::Result<std::string> package = win::ReadRegularFile(
      outdir / (copy.stem().string() + "." + facts.extension), win::kOfficeFileCap);
  if (!package)
    return ConvertError(kConverterFailed, "the converter made no document of ", name, Said(output));
  return package;
}

}  // namespace office
