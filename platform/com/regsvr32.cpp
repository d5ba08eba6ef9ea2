// The registration tool: "regsvr32 [/u] [/s] file..." loads each control library and asks it to
// register (or, with /u, unregister) its classes in the registry store. A file is a Windows-form
// path ("C:\KIRV\Ocx\docmark.ocx"), a path relative to the current folder, or a host path.
// Without /s the outcome of each file is shown in a message box (standard error when nobody
// shows boxes). Exit codes: 0 done, 1 bad arguments, 3 a library could not be loaded, 4 it lacks
// the entry points, 5 its registration failed.
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "platform/base/text.h"
#include "platform/com/errors.h"
#include "platform/com/library.h"
#include "platform/win/message_box.h"
#include "platform/win/paths.h"

namespace {

namespace fs = std::filesystem;

constexpr char kCaption[] = "regsvr32";

// An option is "/x" or "-x" with one letter.
bool IsOption(std::string_view arg) {
  return arg.size() == 2 && (arg[0] == '/' || arg[0] == '-');
}

fs::path HostPathOf(const std::string& file) {
  std::error_code ec;
  if (!file.empty() && file[0] == '/' && fs::exists(file, ec)) return file;
  return win::ToHostPath(file);
}

int ExitCodeOf(com::HResult code) {
  if (code == com::kErrModuleNotFound || code == com::kErrBadLibrary) return 3;
  if (code == com::kErrEntryPointNotFound) return 4;
  return 5;
}

}  // namespace

int main(int argc, char** argv) {
  bool silent = false, unregister = false;
  std::vector<std::string> files;
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    if (!IsOption(arg)) {
      files.emplace_back(arg);
    } else if (base::AsciiLower(arg[1]) == 's') {
      silent = true;
    } else if (base::AsciiLower(arg[1]) == 'u') {
      unregister = true;
    } else {
      win::MessageBox("Unknown option " + std::string(arg) + ".\nUsage: regsvr32 [/u] [/s] file...",
                      kCaption, win::MB_ICONERROR);
      return 1;
    }
  }
  if (files.empty()) {
    if (!silent)
      win::MessageBox("No file given.\nUsage: regsvr32 [/u] [/s] file...", kCaption,
                      win::MB_ICONERROR);
    return 1;
  }
  int exitCode = 0;
  for (const std::string& file : files) {
    auto library = com::LoadControlLibrary(HostPathOf(file));
    base::Status done =
        library ? (unregister ? (*library)->UnregisterServer() : (*library)->RegisterServer())
                : base::Status(library.error());
    if (done) {
      if (!silent)
        win::MessageBox((unregister ? "Unregistered " : "Registered ") + file + ".", kCaption,
                        win::MB_ICONINFORMATION);
      continue;
    }
    const com::HResult code = com::ResultCodeOf(done.error());
    if (exitCode == 0) exitCode = ExitCodeOf(code);
    if (!silent)
      win::MessageBox(std::string(unregister ? "Could not unregister " : "Could not register ") +
                          file + ":\n" + done.error().message + "\n" +
                          com::DescribeResultCode(code),
                      kCaption, win::MB_ICONERROR);
  }
  return exitCode;
}
