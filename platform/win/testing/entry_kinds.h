// Tests only: one entry of every kind that a reader may take for a file, and whether each opens
// for reading: a file, an empty one, one nobody may read, a folder, links to a file, to a folder
// and to nothing, and a pipe that nobody writes (an open that waited for a writer would never
// return).
#pragma once

#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

namespace win::testing {

struct OpenCase {
  const char* name;
  bool byRoot;  // opens for root
  bool byUser;  // opens for an ordinary user, owner or not
};

// Makes the entries in `folder` (which exists) and opens the folder to others, so that an
// ordinary user (AsOrdinaryUser) may look at them too.
inline std::vector<OpenCase> MakeEntriesThatMayOpen(const std::filesystem::path& folder) {
  namespace fs = std::filesystem;
  std::ofstream(folder / "file.txt") << "x";
  std::ofstream(folder / "empty.txt");
  std::ofstream(folder / "secret.txt") << "x";
  fs::permissions(folder / "file.txt", fs::perms(0644));
  fs::permissions(folder / "empty.txt", fs::perms(0644));
  fs::permissions(folder / "secret.txt", fs::perms::none);
  fs::create_directories(folder / "Folder");
  fs::create_symlink("file.txt", folder / "link.txt");
  fs::create_symlink("Folder", folder / "folderlink");
  fs::create_symlink("nowhere.txt", folder / "dangling.txt");
  ::mkfifo((folder / "pipe.txt").c_str(), 0666);
  fs::permissions(folder, fs::perms(0755));
  return {
      {"file.txt", true, true},       {"empty.txt", true, true},  {"secret.txt", true, false},
      {"Folder", false, false},       {"link.txt", true, true},   {"folderlink", false, false},
      {"dangling.txt", false, false}, {"pipe.txt", false, false}, {"missing.txt", false, false},
  };
}

// The first row for which `opens` answers wrong, counted from 1; 0 when none does.
inline int FirstWrong(const std::vector<OpenCase>& cases, bool asRoot,
                      const std::function<bool(const char* name)>& opens) {
  for (size_t i = 0; i < cases.size(); ++i)
    if (opens(cases[i].name) != (asRoot ? cases[i].byRoot : cases[i].byUser))
      return static_cast<int>(i) + 1;
  return 0;
}

// The name of row `n` counted from 1; "" for a number that is no row.
inline std::string RowName(const std::vector<OpenCase>& cases, int n) {
  return n >= 1 && n <= static_cast<int>(cases.size()) ? cases[static_cast<size_t>(n) - 1].name
                                                       : "";
}

}  // namespace win::testing
