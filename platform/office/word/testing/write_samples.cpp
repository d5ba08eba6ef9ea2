// Writes the sample documents into a folder: the fuzzer's seeds (platform/office/word/fuzz_seeds
// holds what this wrote, and two shape documents copied from testdata/). The benchmark writes its
// task document itself (word_benchmark --write).
//   word_write_samples <folder>
#include <filesystem>
#include <iostream>

#include "platform/office/word/testing/sample_documents.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: word_write_samples <folder>\n";
    return 2;
  }
  const std::filesystem::path folder = argv[1];
  for (const auto& [name, content] : word::testing::Samples()) {
    if (base::Status written = word::testing::WriteDocx(folder / name, content); !written) {
      std::cerr << name << ": " << written.error().message << "\n";
      return 1;
    }
  }
  return 0;
}
