// The candidate's favourites in the Favourite table: folders (Root -1) at the top level, links at
// the top level (Root 0) or inside one folder (Root = the folder's ID). Only the candidate's own
// rows (ItemScore 0) are listed; the paper's expected rows never show. Every list is newest
// first. The trees the dialogs show are built here, so the dialogs stay thin.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "browsim/core/browser_host.h"

namespace browsim::favorites {

inline constexpr int kFolderRoot = -1;

struct FavoriteRow {
  int id = 0;
  std::string name;
  std::string url;
  int root = 0;
};

// Picture numbers of the favourites' image strip.
enum Image {
  kAddImage = 0,
  kOrganizeImage = 1,
  kRootImage = 3,
  kFolderImage = 4,
  kOpenFolderImage = 5,
  kLinkImage = 6
};

struct TreeItem {
  std::string text;
  int data = 0;
  int image = kLinkImage;
  int selectedImage = kLinkImage;
  std::vector<TreeItem> children;
};

enum class MoveResult { kMoved, kIsFolder, kFailed };

// Reads and changes the rows through the host's connection. A query or a write the database
// refuses is shown in the host's band (beside the connection's own "ADO Error" box) and the
// operation answers false or an empty list: nothing is passed off as stored.
class FavoritesStore {
 public:
  explicit FavoritesStore(BrowserHost& host) : host_(host) {}

  std::vector<FavoriteRow> Folders();
  // The links of folder `root` (0: the top level).
  std::vector<FavoriteRow> Links(int root);
  std::optional<FavoriteRow> Row(int id);

  bool AddLink(const std::string& name, const std::string& url, int folder);
  // A folder's name may be empty.
  bool AddFolder(const std::string& name);
  // An empty name writes nothing and answers false.
  bool Rename(int id, const std::string& name);
  // Moves a link into folder `target` (0 or -1: the top level); folders do not move.
  MoveResult MoveLink(int id, int target);
  // Deletes only the row itself: a folder's links keep their Root and drop out of every list.
  bool Delete(int id);

 private:
  std::vector<FavoriteRow> List(int root);
  bool WriteFailed(const char* what);

  BrowserHost& host_;
};

// The folder tree of the add and browse dialogs: the root "收藏夹" (data -1) with the folders.
TreeItem FolderTree(FavoritesStore& store);
// The item a folder tree selects: the root, or with `newest` the newest folder (the root when
// there is none).
int FolderTreeSelection(const TreeItem& root, bool newest);
// The organize dialog's tree: each folder with its links, then the top-level links; every item's
// data is its row's ID.
std::vector<TreeItem> OrganizeTree(FavoritesStore& store);
// The pane's tree from the main frame's favourites: folders carry -1, links their index.
std::vector<TreeItem> PaneTree(const std::vector<FavoriteEntry>& favorites);

// The favourites as the menu and the pane list them: each folder with its links, then the
// top-level links; every link's address is appended to `urls` and its index there kept.
std::vector<FavoriteEntry> ReadFavorites(FavoritesStore& store, std::vector<std::string>& urls);

// The folder a selected item stands for: the root and no selection give the top level (0).
int FolderOfSelection(std::optional<int> data);
// The name the add dialog proposes: the window title without " - Microsoft Internet Explorer".
std::string ProposedName(std::string title);

}  // namespace browsim::favorites
