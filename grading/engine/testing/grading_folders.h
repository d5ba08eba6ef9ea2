// The folders a grading control is handed in a test: the candidate's task folder and the answer
// folder Data\Answer under one temporary folder, on the host and in the Windows form the client
// passes them in.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "platform/win/paths.h"
#include "platform/win/testing/test_folder.h"

namespace engine::testing {

class GradingFolders {
 public:
  // `taskFolder` is the task's folder under the candidate's exam folder ("wordkt", "Excelkt").
  explicit GradingFolders(std::string_view taskFolder)
      : folder_(std::string(taskFolder) + "_pass_"),
        candidate_(folder_.Path() / "exam" / taskFolder),
        answer_(folder_.Path() / "Data" / "Answer") {
    std::filesystem::create_directories(candidate_);
    std::filesystem::create_directories(answer_);
  }

  // Makes the task folder a link to an empty folder outside the candidate's exam folder, as a
  // candidate who replaced his "wordkt" by a link would; that folder's host path. What a test
  // writes through CandidateHost() then lands there.
  std::filesystem::path LinkTaskFolderOut() {
    const std::filesystem::path outside = folder_.Path() / "elsewhere" / candidate_.filename();
    std::filesystem::create_directories(outside);
    std::filesystem::remove_all(candidate_);
    std::filesystem::create_directory_symlink(outside, candidate_);
    return outside;
  }

  const std::filesystem::path& CandidateHost() const { return candidate_; }
  const std::filesystem::path& AnswerHost() const { return answer_; }
  std::string Candidate() const { return win::ToWindowsPath(candidate_) + "\\"; }
  std::string Answer() const { return win::ToWindowsPath(answer_) + "\\"; }

 private:
  win::testing::ScopedTempFolder folder_;
  std::filesystem::path candidate_;
  std::filesystem::path answer_;
};

}  // namespace engine::testing
