// Tests only: a large package made cheaply. A stored part of zero bytes is appended to a zip
// archive as a hole in the file, so the archive is as large as a presentation with a video in
// it while taking next to nothing on disk and costing no time to write.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string_view>

#include "platform/base/result.h"

namespace opc::testing {

// Adds to the archive `zip` (no zip64, no comment) the stored entry `name` of `size` zero bytes,
// written as a hole, with its CRC-32; the central directory follows it. `size` is below 4 GiB.
base::Status AppendSparseStoredPart(const std::filesystem::path& zip, std::string_view name,
                                    uint64_t size);

}  // namespace opc::testing
