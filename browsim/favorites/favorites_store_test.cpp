#include "browsim/favorites/favorites_store.h"

#include <gtest/gtest.h>

#include "browsim/core/testing/fake_host.h"

namespace browsim::favorites {
namespace {

using testing::FakeHost;

// Two folders of the candidate (1, 2), links in both and at the top level, and the paper's
// expected rows (ItemScore 5), one of them inside the candidate's folder 1.
constexpr const char* kSeed =
    "INSERT INTO Favourite (ID, Name, URL, Root, ItemScore) VALUES"
    " (1, '新闻', '', -1, 0), (2, '体育', '', -1, 0),"
    " (3, 'A', 'http://a/', 1, 0), (4, 'B', 'http://b/', 1, 0),"
    " (5, 'C', 'http://c/', 0, 0), (6, 'D', 'http://d/', 2, 0),"
    " (7, 'expected', 'http://e/', 1, 5), (8, 'expected folder', '', -1, 5);";

std::vector<std::string> Texts(const std::vector<TreeItem>& items) {
  std::vector<std::string> texts;
  for (const TreeItem& item : items) texts.push_back(item.text);
  return texts;
}

std::vector<int> Data(const std::vector<TreeItem>& items) {
  std::vector<int> data;
  for (const TreeItem& item : items) data.push_back(item.data);
  return data;
}

TEST(FavoritesTrees, ListNewestFirstWithoutThePapersRows) {
  FakeHost host(kSeed);
  FavoritesStore store(host);

  const TreeItem root = FolderTree(store);
  EXPECT_EQ(root.text, "收藏夹");
  EXPECT_EQ(root.data, -1);
  EXPECT_EQ(root.image, kRootImage);
  EXPECT_EQ(Data(root.children), (std::vector<int>{2, 1}));
  EXPECT_EQ(root.children[0].image, kFolderImage);
  EXPECT_EQ(root.children[0].selectedImage, kOpenFolderImage);
  EXPECT_EQ(FolderTreeSelection(root, false), -1);
  EXPECT_EQ(FolderTreeSelection(root, true), 2);

  const std::vector<TreeItem> tree = OrganizeTree(store);
  EXPECT_EQ(Texts(tree), (std::vector<std::string>{"体育", "新闻", "C"}));
  EXPECT_EQ(Data(tree[0].children), (std::vector<int>{6}));
  EXPECT_EQ(Data(tree[1].children), (std::vector<int>{4, 3}));
  EXPECT_EQ(tree[2].image, kLinkImage);
  EXPECT_TRUE(host.failures.empty());
}

TEST(FavoritesTrees, TheMenusFavouritesIndexTheirAddresses) {
  FakeHost host(kSeed);
  FavoritesStore store(host);
  std::vector<std::string> urls;
  const std::vector<FavoriteEntry> entries = ReadFavorites(store, urls);
  EXPECT_EQ(urls, (std::vector<std::string>{"http://d/", "http://b/", "http://a/", "http://c/"}));
  ASSERT_EQ(entries.size(), 3u);
  EXPECT_EQ(entries[0].name, "体育");
  EXPECT_EQ(entries[0].index, -1);
  EXPECT_EQ(entries[1].links.at(1).index, 2);
  EXPECT_EQ(entries[1].links.at(1).name, "A");
  EXPECT_EQ(entries[2].index, 3);
  EXPECT_EQ(entries[2].url, "http://c/");
}

TEST(FavoritesTrees, EmptyTableGivesTheRootAlone) {
  FakeHost host;
  FavoritesStore store(host);
  const TreeItem root = FolderTree(store);
  EXPECT_TRUE(root.children.empty());
  EXPECT_EQ(FolderTreeSelection(root, true), -1);
  EXPECT_TRUE(OrganizeTree(store).empty());
}

TEST(FavoritesTrees, PaneTreeCarriesIndexesForLinksAndMinusOneForFolders) {
  std::vector<FavoriteEntry> favorites(2);
  favorites[0].name = "新闻";
  favorites[0].links = {{"A", "http://a/", 0, {}}, {"B", "http://b/", 1, {}}};
  favorites[1] = {"C", "http://c/", 2, {}};
  const std::vector<TreeItem> tree = PaneTree(favorites);
  EXPECT_EQ(Data(tree), (std::vector<int>{-1, 2}));
  EXPECT_EQ(Data(tree[0].children), (std::vector<int>{0, 1}));
  EXPECT_EQ(tree[0].image, kFolderImage);
  EXPECT_EQ(tree[1].image, kLinkImage);
}

TEST(FavoritesStore, AddsLinksAndFolders) {
  FakeHost host(kSeed);
  FavoritesStore store(host);
  struct Case {
    const char* name;
    std::optional<int> selection;
    int root;
  } cases[] = {
      {"no selection", std::nullopt, 0},
      {"the root", -1, 0},
      {"a folder", 2, 2},
  };
  for (const Case& c : cases) {
    ASSERT_TRUE(store.AddLink(c.name, "http://x/", FolderOfSelection(c.selection))) << c.name;
    EXPECT_EQ(host.Column("Select Root From Favourite where Name=?", "Root",
                          {ado::Variant::String(c.name)}),
              std::vector<std::string>{std::to_string(c.root)})
        << c.name;
  }
  EXPECT_EQ(host.Column("Select ItemScore From Favourite where Name='a folder'", "ItemScore"),
            std::vector<std::string>{"0"});

  // A folder without a name is stored and listed as an item without text.
  ASSERT_TRUE(store.AddFolder(""));
  const TreeItem root = FolderTree(store);
  ASSERT_EQ(root.children.size(), 3u);
  EXPECT_EQ(root.children.front().text, "");
  EXPECT_EQ(FolderTreeSelection(root, true), root.children.front().data);
  EXPECT_EQ(host.Column("Select URL From Favourite where Name=''", "URL"),
            std::vector<std::string>{""});
}

TEST(FavoritesStore, ValuesReachTheDatabaseAsTheyWereTyped) {
  FakeHost host;
  FavoritesStore store(host);
  const std::string name = "it's \"quoted\"; Drop Table Favourite; --";
  ASSERT_TRUE(store.AddLink(name, "http://a/?x='1'", 0));
  ASSERT_TRUE(store.AddFolder("f'"));
  EXPECT_EQ(Texts(OrganizeTree(store)), (std::vector<std::string>{"f'", name}));
}

TEST(FavoritesStore, RenamesMovesAndDeletes) {
  FakeHost host(kSeed);
  FavoritesStore store(host);

  EXPECT_TRUE(store.Rename(5, "新名"));
  EXPECT_FALSE(store.Rename(1, ""));  // an empty name keeps the stored one
  EXPECT_FALSE(store.Rename(99, "x"));
  EXPECT_EQ(store.Row(5)->name, "新名");
  EXPECT_EQ(store.Row(1)->name, "新闻");

  EXPECT_EQ(store.MoveLink(3, -1), MoveResult::kMoved);
  EXPECT_EQ(store.Row(3)->root, 0);
  EXPECT_EQ(store.MoveLink(5, 2), MoveResult::kMoved);
  EXPECT_EQ(store.Row(5)->root, 2);
  EXPECT_EQ(store.MoveLink(1, 2), MoveResult::kIsFolder);
  EXPECT_EQ(store.Row(1)->root, -1);
  EXPECT_EQ(store.MoveLink(99, 2), MoveResult::kFailed);

  // A folder goes alone: its links keep their Root and vanish from every tree.
  EXPECT_TRUE(store.Delete(2));
  EXPECT_FALSE(store.Row(2));
  EXPECT_EQ(store.Row(6)->root, 2);
  EXPECT_EQ(store.Row(5)->root, 2);
  EXPECT_EQ(Texts(OrganizeTree(store)), (std::vector<std::string>{"新闻", "A"}));
  EXPECT_FALSE(store.Delete(2));
  EXPECT_TRUE(host.failures.empty());
}

TEST(FavoritesStore, AWriteTheDatabaseRefusesIsReportedNotPassedOff) {
  FakeHost host(kSeed);
  ASSERT_NE(host.Database().Connection().Execute("DROP TABLE Favourite"), nullptr);
  FavoritesStore store(host);
  EXPECT_FALSE(store.AddLink("x", "http://x/", 0));
  EXPECT_FALSE(store.AddFolder("x"));
  EXPECT_EQ(store.MoveLink(3, 0), MoveResult::kFailed);
  EXPECT_FALSE(store.Delete(3));
  EXPECT_TRUE(store.Folders().empty());
  EXPECT_GE(host.failures.size(), 5u);
}

TEST(FavoritesNames, ProposedNameIsThePageTitle) {
  EXPECT_EQ(ProposedName("新浪首页 - Microsoft Internet Explorer"), "新浪首页");
  EXPECT_EQ(ProposedName("Plain"), "Plain");
  EXPECT_EQ(ProposedName(" - Microsoft Internet Explorer"), "");
}

}  // namespace
}  // namespace browsim::favorites
