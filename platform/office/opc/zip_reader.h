// Reading a zip archive, held in memory or read piece by piece from an open file: its central
// directory (zip64 included) and each entry's bytes, stored or deflated, checked against their
// CRC-32. Only what a package reader needs; every offset and size in the archive is checked before
// use, so broken or hostile archives give an error, never a read outside the archive.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/base/result.h"
#include "platform/win/confined_file.h"

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

// Where an archive's bytes are read from: a buffer in memory, or an open file read piece by
// piece, so that a large archive is never held whole. Either must outlive the source.
class ArchiveSource {
 public:
  explicit ArchiveSource(std::string_view bytes) : bytes_(bytes), size_(bytes.size()) {}
  explicit ArchiveSource(const win::OpenedFile& file) : file_(&file), size_(file.size()) {}

  uint64_t size() const { return size_; }
  bool InMemory() const { return file_ == nullptr; }
  // The bytes [offset, offset + count): a view into memory, or read from the file into
  // `scratch`; an error when they lie outside the archive or cannot be read.
  base::Result<std::string_view> View(uint64_t offset, uint64_t count, std::string& scratch) const;
  // The same bytes copied into `out`.
  base::Status CopyTo(uint64_t offset, uint64_t count, char* out) const;

 private:
  std::string_view bytes_;
  const win::OpenedFile* file_ = nullptr;
  uint64_t size_ = 0;
};

// The entries of the archive (its central directory, of at most 64 MiB).
base::Result<std::vector<ZipEntry>> ReadZipDirectory(const ArchiveSource& archive);

// Where the entry's bytes as stored (compressed) begin, once its header, method and place in the
// archive check out: what ReadZipEntry inflates, or a writer copies as it is.
base::Result<uint64_t> StoredZipEntryOffset(const ArchiveSource& archive, const ZipEntry& entry);

// Decompresses one entry into `out` (of exactly entry.size bytes). Fails on an encrypted entry,
// an unknown method, data outside the archive, a size or CRC that does not match; from a file,
// also on compressed bytes larger than any deflate stream of that size, before reading them.
base::Status ReadZipEntry(const ArchiveSource& archive, const ZipEntry& entry, char* out);

// The entries of an archive held in memory.
inline base::Result<std::vector<ZipEntry>> ReadZipDirectory(std::string_view bytes) {
  return ReadZipDirectory(ArchiveSource(bytes));
}

}  // namespace opc
