// Writes the sample presentations into a folder (platform/office/powerpoint/fuzz_seeds holds
// what this wrote).
//   powerpoint_write_samples <folder>
#include <filesystem>
#include <iostream>

#include "platform/office/powerpoint/testing/sample_presentations.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: powerpoint_write_samples <folder>\n";
    return 2;
  }
  const std::filesystem::path folder = argv[1];
  for (const auto& [name, content] : powerpoint::testing::Samples()) {
    if (base::Status written = powerpoint::testing::WritePptx(folder / name, content); !written) {
      std::cerr << name << ": " << written.error().message << "\n";
      return 1;
    }
  }
  return 0;
}
