// Test helper: a candidate folder and an answer folder on a temporary drive, built file by file
// (sizes, attribute bits, modification times), and desktop answer workbooks written as real
// .xlsx files.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/win/folder_listing.h"
#include "platform/win/testing/test_folder.h"

namespace deskmark::testing {

// One workbook row: keyword, parameters p1..p5 (fewer allowed), points, description.
std::vector<std::string> Rule(const std::string& keyword, std::vector<std::string> params,
                              const std::string& points, const std::string& description = "");

class DeskFixture {
 public:
  DeskFixture();
  ~DeskFixture();

  // Pathofstu ("T:\cand\") and Pathofanswer ("T:\answer\").
  std::string Candidate() const { return root_.Win("cand\\"); }
  std::string AnswerFolder() const { return root_.Win("answer\\"); }
  // The host path of a candidate-relative path.
  std::filesystem::path Host(const std::string& relative) const;

  // A file of `bytes` bytes (its folders made).
  DeskFixture& File(const std::string& relative, size_t bytes = 0);
  DeskFixture& Folder(const std::string& relative);
  // A symbolic link to `target` (taken as it is written: relative to the link's folder), and a
  // named pipe that nobody writes.
  DeskFixture& Link(const std::string& relative, const std::string& target);
  DeskFixture& Pipe(const std::string& relative);
  // Attribute bits as a candidate would set them (hidden 2, system 4, read-only 1...).
  DeskFixture& Attributes(const std::string& relative, uint32_t bits);
  // Permission bits, as a file manager's permissions page sets them (0555: no one writes).
  DeskFixture& Mode(const std::string& relative, unsigned bits);
  DeskFixture& Modified(const std::string& relative, win::LocalSeconds when);
  DeskFixture& Remove(const std::string& relative);

  // Writes the rows as the active sheet of `name` in the answer folder; false with a test
  // failure when it could not be written.
  bool AnswerBook(const std::string& name, const std::vector<std::vector<std::string>>& rows,
                  const std::string& extraSharedRows = {}) const;

 private:
  win::testing::TestFolder root_;
};

}  // namespace deskmark::testing
