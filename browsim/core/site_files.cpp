// Reading and rewriting the installation's site and mail files.
#include "browsim/core/site_files.h"

#include "client/common/file_write.h"
#include "platform/win/attributes.h"
#include "platform/win/confined_file.h"
#include "platform/win/paths.h"

namespace browsim {

base::Result<std::string> ReadSiteFile(const std::string& windowsPath) {
  return win::ReadRegularFile(win::ToHostPath(windowsPath), kLargestSiteFile);
}

base::Status ReplaceSiteFile(const std::string& windowsPath, std::string_view bytes) {
  return WriteFileAtomically(windowsPath, bytes, win::FILE_ATTRIBUTE_ARCHIVE);
}

int CopyFileBuffered(const std::string& sourceWindowsPath, const std::string& targetWindowsPath) {
  const auto bytes = ReadSiteFile(sourceWindowsPath);
  if (!bytes) return 1;
  return ReplaceSiteFile(targetWindowsPath, bytes.value()) ? 0 : 1;
}

}  // namespace browsim
