// The client's safe file writes (see file_write.h): the rewrite is platform/win's, the append
// flushes each entry.
#include "client/common/file_write.h"

#include "platform/win/confined_file.h"
#include "platform/win/files.h"
#include "platform/win/paths.h"

base::Status WriteFileAtomically(const std::string& path, std::string_view bytes,
                                 uint32_t attributes, const win::ConfinedFolder* within) {
  return win::WriteFileAtomically(path, bytes, attributes, within);
}

base::Status AppendToFile(const std::string& path, std::string_view bytes) {
  return win::AppendToLogFile(win::ToHostPath(path), bytes, /*flush=*/true);
}
