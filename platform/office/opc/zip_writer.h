// Writing a zip archive into memory: parts given as bytes are deflated with libdeflate, parts
// taken from another archive are copied as they are stored (their compressed
// bytes, CRC-32 and sizes), without being inflated and deflated again.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/base/result.h"
#include "platform/office/opc/zip_reader.h"

namespace opc {

class ZipWriter {
 public:
  ZipWriter();

  // Adds an entry of these bytes, deflated (stored when deflating does not make them smaller).
  base::Status Add(std::string_view name, std::string_view bytes);
  // The same, stored as they are: for an archive read at once, where deflating costs more than
  // it saves.
  base::Status AddStored(std::string_view name, std::string_view bytes);
  // Adds `entry` of the archive `archive` as it is stored there; fails, adding nothing, when its
  // stored bytes cannot be had (outside the archive, encrypted, an unknown method).
  base::Status CopyStored(const ArchiveSource& archive, const ZipEntry& entry);

  // The archive: the entries in the order added, then the central directory. Fails when it would
  // need zip64 (more than 65535 entries or 4 GiB).
  base::Result<std::string> Finish();

 private:
  struct Written {
    std::string name;
    uint64_t localHeader = 0;
    uint64_t compressedSize = 0;
    uint64_t size = 0;
    uint32_t crc = 0;
    uint16_t method = 0;
  };
  void PutEntryFields(const Written& e);
  void Append(Written entry, std::string_view stored);

  std::string out_;
  std::vector<Written> entries_;
  uint16_t dosTime_ = 0;
  uint16_t dosDate_ = 0;
};

}  // namespace opc
