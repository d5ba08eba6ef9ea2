// The zip writer over libdeflate: the archive is built in memory, so the caller writes it through
// a temporary file in one go, and unchanged parts keep their compressed bytes.
#include "platform/office/opc/zip_writer.h"

#include <libdeflate.h>

#include <ctime>
#include <memory>

namespace opc {
namespace {

constexpr uint32_t kLocalHeader = 0x04034b50;
constexpr uint32_t kDirectoryEntry = 0x02014b50;
constexpr uint32_t kEndOfDirectory = 0x06054b50;
constexpr uint16_t kVersion = 20;         // 2.0: deflate
constexpr uint16_t kUtf8Names = 1 << 11;  // the general purpose flag for UTF-8 names
constexpr uint64_t kMax32 = 0xFFFFFFFF;
// Parts are XML of a few kilobytes to megabytes: the middle level gives nearly the best ratio at
// a fraction of the cost of the highest.
constexpr int kDeflateLevel = 6;

void Put16(std::string& out, uint16_t v) {
  out += static_cast<char>(v & 0xFF);
  out += static_cast<char>(v >> 8);
}
void Put32(std::string& out, uint32_t v) {
  Put16(out, static_cast<uint16_t>(v & 0xFFFF));
  Put16(out, static_cast<uint16_t>(v >> 16));
}

struct CompressorDeleter {
  void operator()(libdeflate_compressor* c) const { libdeflate_free_compressor(c); }
};

libdeflate_compressor* Compressor() {
  // One per thread, made once: its tables are large.
  thread_local std::unique_ptr<libdeflate_compressor, CompressorDeleter> c(
      libdeflate_alloc_compressor(kDeflateLevel));
  return c.get();
}

}  // namespace

ZipWriter::ZipWriter() {
  // Every entry carries the time of the save, as an archiver would write it.
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  if (::localtime_r(&now, &local) != nullptr && local.tm_year >= 80) {
    dosTime_ =
        static_cast<uint16_t>((local.tm_hour << 11) | (local.tm_min << 5) | (local.tm_sec / 2));
    dosDate_ = static_cast<uint16_t>(((local.tm_year - 80) << 9) | ((local.tm_mon + 1) << 5) |
                                     local.tm_mday);
  } else {
    dosDate_ = (1 << 5) | 1;  // 1980-01-01
  }
}

void ZipWriter::PutEntryFields(const Written& e) {
  // From the flags to the extra field's length, the same in a local header and the directory.
  Put16(out_, kUtf8Names);
  Put16(out_, e.method);
  Put16(out_, dosTime_);
  Put16(out_, dosDate_);
  Put32(out_, e.crc);
  Put32(out_, static_cast<uint32_t>(e.compressedSize));
  Put32(out_, static_cast<uint32_t>(e.size));
  Put16(out_, static_cast<uint16_t>(e.name.size()));
  Put16(out_, 0);  // no extra field
}

void ZipWriter::Append(Written entry, std::string_view stored) {
  entry.localHeader = out_.size();
  Put32(out_, kLocalHeader);
  Put16(out_, kVersion);
  PutEntryFields(entry);
  out_ += entry.name;
  out_ += stored;
  entries_.push_back(std::move(entry));
}

base::Status ZipWriter::Add(std::string_view name, std::string_view bytes) {
  if (name.size() > 0xFFFF) return base::Error::Of("the name \"", name, "\" is too long");
  Written entry;
  entry.name = std::string(name);
  entry.size = bytes.size();
  entry.crc = libdeflate_crc32(0, bytes.data(), bytes.size());
  std::string deflated(libdeflate_deflate_compress_bound(Compressor(), bytes.size()), '\0');
  const size_t n = libdeflate_deflate_compress(Compressor(), bytes.data(), bytes.size(),
                                               deflated.data(), deflated.size());
  if (n != 0 && n < bytes.size()) {
    entry.method = 8;
    entry.compressedSize = n;
    Append(std::move(entry), std::string_view(deflated).substr(0, n));
  } else {
    entry.method = 0;
    entry.compressedSize = bytes.size();
    Append(std::move(entry), bytes);
  }
  return base::Ok();
}

base::Status ZipWriter::AddStored(std::string_view name, std::string_view bytes) {
  if (name.size() > 0xFFFF) return base::Error::Of("the name \"", name, "\" is too long");
  Written entry;
  entry.name = std::string(name);
  entry.size = bytes.size();
  entry.compressedSize = bytes.size();
  entry.crc = libdeflate_crc32(0, bytes.data(), bytes.size());
  entry.method = 0;
  Append(std::move(entry), bytes);
  return base::Ok();
}

base::Status ZipWriter::CopyStored(const ArchiveSource& archive, const ZipEntry& entry) {
  if (entry.name.size() > 0xFFFF)
    return base::Error::Of("the name \"", entry.name, "\" is too long");
  base::Result<uint64_t> offset = StoredZipEntryOffset(archive, entry);
  if (!offset) return offset.error();
  std::string scratch;
  base::Result<std::string_view> stored = archive.View(*offset, entry.compressedSize, scratch);
  if (!stored) return stored.error();
  Written written;
  written.name = entry.name;
  written.size = entry.size;
  written.compressedSize = entry.compressedSize;
  written.crc = entry.crc;
  written.method = entry.method;
  Append(std::move(written), *stored);
  return base::Ok();
}

base::Result<std::string> ZipWriter::Finish() {
  const uint64_t directoryOffset = out_.size();
  if (entries_.size() > 0xFFFF) return base::Error::Of("more than 65535 parts");
  for (const Written& e : entries_) {
    if (e.localHeader > kMax32 || e.compressedSize > kMax32 || e.size > kMax32)
      return base::Error::Of("\"", e.name, "\" lies beyond 4 GiB");
    Put32(out_, kDirectoryEntry);
    Put16(out_, kVersion);  // made by
    Put16(out_, kVersion);  // needed
    PutEntryFields(e);
    Put16(out_, 0);  // comment
    Put16(out_, 0);  // disk
    Put16(out_, 0);  // internal attributes
    Put32(out_, 0);  // external attributes
    Put32(out_, static_cast<uint32_t>(e.localHeader));
    out_ += e.name;
  }
  const uint64_t directorySize = out_.size() - directoryOffset;
  if (directoryOffset > kMax32 || directorySize > kMax32)
    return base::Error::Of("the archive would reach beyond 4 GiB");
  Put32(out_, kEndOfDirectory);
  Put16(out_, 0);
  Put16(out_, 0);
  Put16(out_, static_cast<uint16_t>(entries_.size()));
  Put16(out_, static_cast<uint16_t>(entries_.size()));
  Put32(out_, static_cast<uint32_t>(directorySize));
  Put32(out_, static_cast<uint32_t>(directoryOffset));
  Put16(out_, 0);  // comment
  entries_.clear();
  return std::move(out_);
}

}  // namespace opc
