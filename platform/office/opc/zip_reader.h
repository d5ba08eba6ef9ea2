// Reading a zip archive held in memory: its central directory (zip64 included) and each entry's
// bytes, stored or deflated, checked against their CRC-32. Only what a package reader needs;
// every offset and size in the archive is checked before use, so broken or hostile archives give
// an error, never a read outside the buffer.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/base/result.h"

namespace opc {

struct ZipEntry {
  std::string name;
  uint64_t localHeader = 0;  // offset of the entry's local header
  uint64_t compressedSize = 0;
  uint64_t size = 0;  // uncompressed
  uint32_t crc = 0;
  uint16_t method = 0;  // 0 stored, 8 deflated
  uint16_t flags = 0;
};

// The entries of the archive in `bytes` (which must outlive every later ReadZipEntry).
base::Result<std::vector<ZipEntry>> ReadZipDirectory(std::string_view bytes);

// The entry's bytes as stored (compressed), once its header, method and place in the archive
// check out: what ReadZipEntry inflates, or a writer copies as it is.
base::Result<std::string_view> StoredZipEntry(std::string_view bytes, const ZipEntry& entry);

// Decompresses one entry into `out` (of exactly entry.size bytes). Fails on an encrypted entry,
// an unknown method, data outside the archive, a size or CRC that does not match.
base::Status ReadZipEntry(std::string_view bytes, const ZipEntry& entry, char* out);

}  // namespace opc
