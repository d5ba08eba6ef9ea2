// The zip reader over libdeflate: whole-buffer inflation into a buffer of the declared size,
// which both bounds the memory a lying header can claim and avoids libzip's per-entry set-up
// (it converts every entry's DOS time through the C library's time zone code on open).
#include "platform/office/opc/zip_reader.h"

#include <libdeflate.h>

#include <cstring>
#include <memory>

namespace opc {
namespace {

constexpr uint32_t kEndOfDirectory = 0x06054b50;
constexpr uint32_t kZip64Locator = 0x07064b50;
constexpr uint32_t kZip64End = 0x06064b50;
constexpr uint32_t kDirectoryEntry = 0x02014b50;
constexpr uint32_t kLocalHeader = 0x04034b50;

uint16_t U16(const char* p) {
  const auto* b = reinterpret_cast<const unsigned char*>(p);
  return static_cast<uint16_t>(b[0] | (b[1] << 8));
}
uint32_t U32(const char* p) {
  const auto* b = reinterpret_cast<const unsigned char*>(p);
  return b[0] | (b[1] << 8) | (b[2] << 16) | (static_cast<uint32_t>(b[3]) << 24);
}
uint64_t U64(const char* p) {
  return U32(p) | (static_cast<uint64_t>(U32(p + 4)) << 32);
}

// True when [offset, offset + length) lies inside a buffer of `size` bytes.
bool Inside(uint64_t offset, uint64_t length, uint64_t size) {
  return offset <= size && length <= size - offset;
}

struct DecompressorDeleter {
  void operator()(libdeflate_decompressor* d) const { libdeflate_free_decompressor(d); }
};

libdeflate_decompressor* Decompressor() {
  // One per thread, made once: its tables are large enough that making one per part shows.
  thread_local std::unique_ptr<libdeflate_decompressor, DecompressorDeleter> d(
      libdeflate_alloc_decompressor());
  return d.get();
}

// The zip64 extra field's values replace the 32-bit ones that are all ones, in this order.
bool ApplyZip64Extra(std::string_view extra, ZipEntry& e, bool sizeMax, bool compMax,
                     bool offsetMax) {
  size_t i = 0;
  while (i + 4 <= extra.size()) {
    const uint16_t id = U16(extra.data() + i);
    const uint16_t len = U16(extra.data() + i + 2);
    if (i + 4 + len > extra.size()) return false;
    if (id == 0x0001) {
      const char* p = extra.data() + i + 4;
      size_t left = len;
      auto take = [&](uint64_t& field) {
        if (left < 8) return false;
        field = U64(p);
        p += 8;
        left -= 8;
        return true;
      };
      if (sizeMax && !take(e.size)) return false;
      if (compMax && !take(e.compressedSize)) return false;
      if (offsetMax && !take(e.localHeader)) return false;
      return true;
    }
    i += 4 + len;
  }
  return !(sizeMax || compMax || offsetMax);
}

// A central directory larger than this is refused rather than read into memory.
constexpr uint64_t kMaxDirectory = 64ull << 20;

}  // namespace

base::Result<std::string_view> ArchiveSource::View(uint64_t offset, uint64_t count,
                                                   std::string& scratch) const {
  if (!Inside(offset, count, size_)) return base::Error::Of("data outside the archive");
  if (file_ == nullptr)
    return bytes_.substr(static_cast<size_t>(offset), static_cast<size_t>(count));
  scratch.resize(static_cast<size_t>(count));
  if (base::Status read = file_->ReadAt(offset, scratch.data(), scratch.size()); !read)
    return read.error();
  return std::string_view(scratch);
}

base::Status ArchiveSource::CopyTo(uint64_t offset, uint64_t count, char* out) const {
  if (!Inside(offset, count, size_)) return base::Error::Of("data outside the archive");
  if (file_ != nullptr) return file_->ReadAt(offset, out, static_cast<size_t>(count));
  if (count != 0) std::memcpy(out, bytes_.data() + offset, static_cast<size_t>(count));
  return base::Ok();
}

base::Result<std::vector<ZipEntry>> ReadZipDirectory(const ArchiveSource& archive) {
  const uint64_t size = archive.size();
  if (size < 22) return base::Error::Of("no end of central directory");
  // The end record sits in the last 22 bytes plus a comment of at most 65535.
  const uint64_t tailStart = size > 22 + 65535 ? size - 22 - 65535 : 0;
  std::string tailScratch;
  base::Result<std::string_view> tail = archive.View(tailStart, size - tailStart, tailScratch);
  if (!tail) return tail.error();
  const uint64_t tailSize = tail->size();
  uint64_t end = tailSize - 22;  // in the tail
  for (;; --end) {
    if (U32(tail->data() + end) == kEndOfDirectory &&
        end + 22 + U16(tail->data() + end + 20) <= tailSize)
      break;
    if (end == 0) return base::Error::Of("no end of central directory");
  }
  const char* e = tail->data() + end;
  uint64_t count = U16(e + 10);
  uint64_t directorySize = U32(e + 12);
  uint64_t directoryOffset = U32(e + 16);
  const uint64_t endAt = tailStart + end;
  if ((count == 0xFFFF || directorySize == 0xFFFFFFFF || directoryOffset == 0xFFFFFFFF) &&
      endAt >= 20) {
    std::string locatorScratch, zip64Scratch;
    base::Result<std::string_view> locator = archive.View(endAt - 20, 20, locatorScratch);
    if (locator && U32(locator->data()) == kZip64Locator) {
      const uint64_t at = U64(locator->data() + 8);
      base::Result<std::string_view> z = archive.View(at, 56, zip64Scratch);
      if (!z || U32(z->data()) != kZip64End)
        return base::Error::Of("broken zip64 end of central directory");
      count = U64(z->data() + 32);
      directorySize = U64(z->data() + 40);
      directoryOffset = U64(z->data() + 48);
    }
  }
  if (!Inside(directoryOffset, directorySize, size))
    return base::Error::Of("central directory outside the archive");
  if (directorySize > kMaxDirectory) return base::Error::Of("central directory too large");
  // Each entry takes at least 46 bytes: a count beyond that is a lie, not a reason to reserve.
  if (count > directorySize / 46) return base::Error::Of("central directory too short");
  std::string directoryScratch;
  base::Result<std::string_view> directory =
      archive.View(directoryOffset, directorySize, directoryScratch);
  if (!directory) return directory.error();

  std::vector<ZipEntry> entries;
  entries.reserve(static_cast<size_t>(count));
  uint64_t at = 0;
  for (uint64_t i = 0; i < count; ++i) {
    if (!Inside(at, 46, directorySize) || U32(directory->data() + at) != kDirectoryEntry)
      return base::Error::Of("broken central directory entry ", i + 1);
    const char* d = directory->data() + at;
    ZipEntry entry;
    entry.flags = U16(d + 8);
    entry.method = U16(d + 10);
    entry.crc = U32(d + 16);
    entry.compressedSize = U32(d + 20);
    entry.size = U32(d + 24);
    const uint16_t nameLength = U16(d + 28);
    const uint16_t extraLength = U16(d + 30);
    const uint16_t commentLength = U16(d + 32);
    entry.localHeader = U32(d + 42);
    const uint64_t variable = uint64_t{nameLength} + extraLength + commentLength;
    if (!Inside(at + 46, variable, directorySize))
      return base::Error::Of("broken central directory entry ", i + 1);
    entry.name.assign(d + 46, nameLength);
    const bool sizeMax = entry.size == 0xFFFFFFFF;
    const bool compMax = entry.compressedSize == 0xFFFFFFFF;
    const bool offsetMax = entry.localHeader == 0xFFFFFFFF;
    if ((sizeMax || compMax || offsetMax) &&
        !ApplyZip64Extra(std::string_view(d + 46 + nameLength, extraLength), entry, sizeMax,
                         compMax, offsetMax)) {
      return base::Error::Of("broken zip64 sizes of \"", entry.name, "\"");
    }
    entries.push_back(std::move(entry));
    at += 46 + variable;
  }
  return entries;
}

base::Result<uint64_t> StoredZipEntryOffset(const ArchiveSource& archive, const ZipEntry& entry) {
  if ((entry.flags & 1) != 0) return base::Error::Of("\"", entry.name, "\" is encrypted");
  if (entry.method != 0 && entry.method != 8)
    return base::Error::Of("\"", entry.name, "\" uses compression method ", entry.method);
  if (entry.method == 0 && entry.compressedSize != entry.size)
    return base::Error::Of("\"", entry.name, "\" has a stored size that does not match");
  std::string scratch;
  base::Result<std::string_view> local = archive.View(entry.localHeader, 30, scratch);
  if (!local || U32(local->data()) != kLocalHeader)
    return base::Error::Of("\"", entry.name, "\" has no local header");
  const uint64_t data = entry.localHeader + 30 + U16(local->data() + 26) + U16(local->data() + 28);
  if (!Inside(data, entry.compressedSize, archive.size()))
    return base::Error::Of("\"", entry.name, "\" lies outside the archive");
  return data;
}

base::Status ReadZipEntry(const ArchiveSource& archive, const ZipEntry& entry, char* out) {
  base::Result<uint64_t> data = StoredZipEntryOffset(archive, entry);
  if (!data) return data.error();
  if (entry.method == 0) {
    if (base::Status copied = archive.CopyTo(*data, entry.size, out); !copied)
      return copied.error().In("\"" + entry.name + "\"");
  } else {
    // Deflate's stored blocks add 5 bytes to each 65535: anything beyond is no stream of this
    // size, and is not read into memory.
    if (!archive.InMemory() && entry.compressedSize > entry.size + entry.size / 8 + 1024)
      return base::Error::Of("\"", entry.name, "\" does not inflate to its size");
    std::string scratch;
    base::Result<std::string_view> stored = archive.View(*data, entry.compressedSize, scratch);
    if (!stored) return stored.error().In("\"" + entry.name + "\"");
    size_t actual = 0;
    const libdeflate_result r =
        libdeflate_deflate_decompress(Decompressor(), stored->data(), stored->size(), out,
                                      static_cast<size_t>(entry.size), &actual);
    if (r != LIBDEFLATE_SUCCESS || actual != entry.size)
      return base::Error::Of("\"", entry.name, "\" does not inflate to its size");
  }
  if (libdeflate_crc32(0, out, static_cast<size_t>(entry.size)) != entry.crc)
    return base::Error::Of("\"", entry.name, "\" fails its CRC check");
  return base::Ok();
}

}  // namespace opc
