// Paper archives unpacked whole or not at all (see paper_unpack.h).
#include "client/proctor/paper_unpack.h"

#include <filesystem>

#include "client/common/system_utils.h"
#include "client/exam/login.h"
#include "client/proctor/folder_merge.h"
#include "platform/win/paths.h"
#include "platform/win/process.h"

namespace {

namespace fs = std::filesystem;

// Removes the staging folder however the unpacking ended.
struct StagingRemoved {
  fs::path folder;
  ~StagingRemoved() {
    std::error_code ec;
    fs::remove_all(folder, ec);
  }
};

}  // namespace

base::Status UnpackPaperArchives(const std::string& programFolder,
                                 const std::vector<std::string>& archives,
                                 const std::string& studentFolder, const std::string& stamp) {
  const std::string staging = StagingFolder(studentFolder, stamp, "release");
  const StagingRemoved removed{win::ToHostPath(staging)};
  std::error_code ec;
  fs::create_directories(removed.folder, ec);
  if (ec)
    return base::Error::WithCode(ec.value(),
                                 "cannot make " + removed.folder.string() + ": " + ec.message());
  for (const std::string& archive : archives) {
    if (archive.empty()) continue;
    const base::Result<int> status = win::RunAndWaitProcess(
        UnpackCommand(programFolder, GetAttachPassword(), archive, staging), programFolder);
    if (!status) return status.error().In(archive);
    if (*status != 0) return base::Error::Of(archive, ": 7-Zip ended with status ", *status);
  }
  return MoveInMissing(removed.folder, win::ToHostPath(studentFolder));
}
