// Moving an unpacked folder's files into a candidate folder: what is missing moves in, what is
// there stays (also when its name differs in case, also a link the candidate put there), and a
// move that fails takes back what was moved before it.
#include "client/proctor/folder_merge.h"

#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <string>

#include "client/testing/temp_folder.h"

namespace {

namespace fs = std::filesystem;

void Write(const fs::path& file, const std::string& text) {
  fs::create_directories(file.parent_path());
  std::ofstream(file, std::ios::binary) << text;
}

// Every file under `folder` with its bytes, folders as "name/", links as "-> target".
std::map<std::string, std::string> Tree(const fs::path& folder) {
  std::map<std::string, std::string> tree;
  for (auto it = fs::recursive_directory_iterator(folder); it != fs::recursive_directory_iterator();
       ++it) {
    const std::string name = it->path().lexically_relative(folder).string();
    if (it->is_symlink())
      tree[name] = "-> " + fs::read_symlink(it->path()).string();
    else if (it->is_directory())
      tree[name + "/"] = "";
    else
      tree[name] =
          std::string(std::istreambuf_iterator<char>(std::ifstream(it->path()).rdbuf()), {});
  }
  return tree;
}

TEST(MoveInMissing, WhatIsThereStaysWhatIsMissingMovesIn) {
  TempFolder tmp;
  const fs::path from = tmp.Path() / "from", into = tmp.Path() / "into";
  Write(from / "WINKT" / "a.txt", "paper a");
  Write(from / "WINKT" / "b.txt", "paper b");
  Write(from / "WINKT" / "sub" / "c.txt", "paper c");
  Write(from / "Wordkt" / "d.docx", "paper d");
  Write(from / "Excelkt" / "e.xlsx", "paper e");
  Write(from / "top.txt", "paper top");
  Write(into / "Winkt" / "a.txt", "the candidate's a");
  Write(into / "elsewhere" / "e.xlsx", "outside the folder");
  fs::create_directory_symlink(into / "elsewhere", into / "Excelkt");
  fs::create_directories(into / "wordkt");

  const base::Status merged = MoveInMissing(from, into);
  ASSERT_TRUE(merged) << merged.error().message;
  EXPECT_EQ(Tree(into), (std::map<std::string, std::string>{
                            {"Excelkt", "-> " + (into / "elsewhere").string()},
                            {"Winkt/", ""},
                            {"Winkt/a.txt", "the candidate's a"},
                            {"Winkt/b.txt", "paper b"},
                            {"Winkt/sub/", ""},
                            {"Winkt/sub/c.txt", "paper c"},
                            {"elsewhere/", ""},
                            {"elsewhere/e.xlsx", "outside the folder"},
                            {"top.txt", "paper top"},
                            {"wordkt/", ""},
                            {"wordkt/d.docx", "paper d"},
                        }));
}

// A name the file system refuses beside the first one moved: the first goes back out and the
// folder is as it was.
TEST(MoveInMissing, FailureTakesBackWhatWasMoved) {
  TempFolder tmp;
  const fs::path from = tmp.Path() / "from";
  // Exactly this deep wherever the test folder lies: a short name fits under the system's path
  // limit, a long one passes it, while the same long name in the short source folder does not.
  constexpr std::size_t kDepth = 3950;
  fs::path into = tmp.Path();
  ASSERT_LT(into.string().size() + 2, kDepth);
  while (kDepth - into.string().size() > 201) into /= std::string(200, 'd');
  into /= std::string(kDepth - into.string().size() - 1, 'd');
  ASSERT_EQ(into.string().size(), kDepth);
  fs::create_directories(into);
  Write(into / "kept.txt", "the candidate's");
  Write(from / "a.txt", "paper a");
  Write(from / std::string(250, 'z'), "too long a path there");

  const auto before = Tree(into);
  const base::Status merged = MoveInMissing(from, into);
  ASSERT_FALSE(merged);
  EXPECT_NE(merged.error().message.find(std::string(250, 'z')), std::string::npos);
  EXPECT_EQ(Tree(into), before);
}

}  // namespace
