// The sparse stored part (see sparse_part.h).
#include "platform/office/opc/testing/sparse_part.h"

#include <fcntl.h>
#include <libdeflate.h>
#include <unistd.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace opc::testing {
namespace {

uint32_t U32(const std::string& b, size_t at) {
  return static_cast<uint32_t>(static_cast<unsigned char>(b[at])) |
         static_cast<uint32_t>(static_cast<unsigned char>(b[at + 1])) << 8 |
         static_cast<uint32_t>(static_cast<unsigned char>(b[at + 2])) << 16 |
         static_cast<uint32_t>(static_cast<unsigned char>(b[at + 3])) << 24;
}

void Put16(std::string& out, uint32_t v) {
  out += static_cast<char>(v & 0xFF);
  out += static_cast<char>((v >> 8) & 0xFF);
}

void Put32(std::string& out, uint32_t v) {
  Put16(out, v & 0xFFFF);
  Put16(out, v >> 16);
}

}  // namespace

base::Status AppendSparseStoredPart(const std::filesystem::path& zip, std::string_view name,
                                    uint64_t size) {
  std::string bytes;
  {
    std::ifstream in(zip, std::ios::binary);
    bytes.assign(std::istreambuf_iterator<char>(in), {});
  }
  if (bytes.size() < 22 || U32(bytes, bytes.size() - 22) != 0x06054b50)
    return base::Error::Of(zip.string(), ": no end record without a comment");
  const size_t end = bytes.size() - 22;
  const uint32_t count = static_cast<uint32_t>(bytes[end + 10] & 0xFF) |
                         static_cast<uint32_t>(bytes[end + 11] & 0xFF) << 8;
  const uint32_t directorySize = U32(bytes, end + 12);
  const uint32_t directoryOffset = U32(bytes, end + 16);
  if (size >= 0xFFFFFFFFull - directoryOffset)
    return base::Error::Of(zip.string(), ": the part would need zip64");

  uint32_t crc = 0;
  const std::vector<char> zeros(1 << 20, '\0');
  for (uint64_t done = 0; done < size;) {
    const size_t n = static_cast<size_t>(std::min<uint64_t>(zeros.size(), size - done));
    crc = libdeflate_crc32(crc, zeros.data(), n);
    done += n;
  }
  const auto size32 = static_cast<uint32_t>(size);
  std::string local;
  Put32(local, 0x04034b50);
  Put16(local, 20);
  Put16(local, 0);  // flags
  Put16(local, 0);  // stored
  Put32(local, 0);  // time and date
  Put32(local, crc);
  Put32(local, size32);
  Put32(local, size32);
  Put16(local, static_cast<uint32_t>(name.size()));
  Put16(local, 0);
  local += name;

  std::string central = bytes.substr(directoryOffset, directorySize);
  Put32(central, 0x02014b50);
  Put16(central, 20);
  Put16(central, 20);
  Put16(central, 0);
  Put16(central, 0);
  Put32(central, 0);
  Put32(central, crc);
  Put32(central, size32);
  Put32(central, size32);
  Put16(central, static_cast<uint32_t>(name.size()));
  Put32(central, 0);  // extra and comment lengths
  Put32(central, 0);  // disk, internal attributes
  Put32(central, 0);  // external attributes
  Put32(central, directoryOffset);
  central += name;
  const uint64_t newDirectory = directoryOffset + local.size() + size;
  std::string tail = central;
  Put32(tail, 0x06054b50);
  Put32(tail, 0);
  Put16(tail, count + 1);
  Put16(tail, count + 1);
  Put32(tail, static_cast<uint32_t>(central.size()));
  Put32(tail, static_cast<uint32_t>(newDirectory));
  Put16(tail, 0);

  const std::string head = bytes.substr(0, directoryOffset) + local;
  const int fd = ::open(zip.c_str(), O_WRONLY | O_TRUNC | O_CLOEXEC);
  if (fd < 0) return base::Error::Of("cannot write ", zip.string());
  const bool written =
      ::pwrite(fd, head.data(), head.size(), 0) == static_cast<ssize_t>(head.size()) &&
      ::pwrite(fd, tail.data(), tail.size(), static_cast<off_t>(newDirectory)) ==
          static_cast<ssize_t>(tail.size());
  if (::close(fd) != 0 || !written) return base::Error::Of("cannot write ", zip.string());
  return base::Ok();
}

}  // namespace opc::testing
