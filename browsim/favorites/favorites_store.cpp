// The favourites' rows and trees.
#include "browsim/favorites/favorites_store.h"

#include "browsim/core/record_fields.h"

namespace browsim::favorites {
namespace {

using netdb::CAdoConnection;
using netdb::RecordsetPtr;

ado::Variant Id(int id) {
  return ado::Variant::I4(static_cast<int32_t>(id));
}

FavoriteRow ReadRow(const RecordsetPtr& rs) {
  return {FieldInt(rs, "ID"), FieldText(rs, "Name"), FieldText(rs, "URL"), FieldInt(rs, "Root")};
}

TreeItem FolderItem(const FavoriteRow& folder) {
  return {folder.name, folder.id, kFolderImage, kOpenFolderImage, {}};
}

TreeItem LinkItem(std::string text, int data) {
  return {std::move(text), data, kLinkImage, kLinkImage, {}};
}

}  // namespace

std::vector<FavoriteRow> FavoritesStore::List(int root) {
  std::vector<FavoriteRow> rows;
  RecordsetPtr rs;
  if (!host_.Database().OpenRecordset(
          rs, "Select * From Favourite where Root=? And ItemScore=0 order by ID Desc",
          {Id(root)})) {
    host_.ReportFailure("网络数据库无法读取收藏夹: " + host_.Database().LastError());
    return rows;
  }
  for (; !rs->IsEOF(); rs->MoveNext()) rows.push_back(ReadRow(rs));
  return rows;
}

std::vector<FavoriteRow> FavoritesStore::Folders() {
  return List(kFolderRoot);
}

std::vector<FavoriteRow> FavoritesStore::Links(int root) {
  return List(root);
}

std::optional<FavoriteRow> FavoritesStore::Row(int id) {
  RecordsetPtr rs;
  if (!host_.Database().OpenRecordset(rs, "Select * From Favourite where ID=?", {Id(id)})) {
    host_.ReportFailure("网络数据库无法读取收藏夹: " + host_.Database().LastError());
    return std::nullopt;
  }
  if (rs->IsEOF()) return std::nullopt;
  return ReadRow(rs);
}

bool FavoritesStore::WriteFailed(const char* what) {
  host_.ReportFailure(std::string("网络数据库无法写入，") + what + ": " +
                      host_.Database().LastError());
  return false;
}

bool FavoritesStore::AddLink(const std::string& name, const std::string& url, int folder) {
  RecordsetPtr rs;
  if (!host_.Database().OpenRecordset(rs, "Select * From Favourite where ID is NULL"))
    return WriteFailed("收藏夹未能添加");
  const bool stored = rs->AddNew() && rs->SetValue("Name", TextValue(name)) &&
                      rs->SetValue("URL", TextValue(url)) &&
                      rs->SetValue("Root", TextValue(std::to_string(folder))) &&
                      rs->SetValue("ItemScore", TextValue("0")) && rs->Update();
  if (!stored) {
    rs->CancelUpdate();
    return WriteFailed("收藏夹未能添加");
  }
  return true;
}

bool FavoritesStore::AddFolder(const std::string& name) {
  RecordsetPtr rs;
  if (!host_.Database().OpenRecordset(rs, "Select * From Favourite where ID is NULL"))
    return WriteFailed("文件夹未能创建");
  const bool stored = rs->AddNew() && rs->SetValue("Name", TextValue(name)) &&
                      rs->SetValue("URL", TextValue("")) &&
                      rs->SetValue("Root", TextValue(std::to_string(kFolderRoot))) && rs->Update();
  if (!stored) {
    rs->CancelUpdate();
    return WriteFailed("文件夹未能创建");
  }
  return true;
}

bool FavoritesStore::Rename(int id, const std::string& name) {
  if (name.empty()) return false;
  RecordsetPtr rs;
  if (!host_.Database().OpenRecordset(rs, "Select * From Favourite where ID=?", {Id(id)}))
    return WriteFailed("名称未能保存");
  if (rs->IsEOF()) return false;  // gone since the tree was filled; the refill shows that
  if (!(rs->SetValue("Name", TextValue(name)) && rs->Update())) {
    rs->CancelUpdate();
    return WriteFailed("名称未能保存");
  }
  return true;
}

MoveResult FavoritesStore::MoveLink(int id, int target) {
  RecordsetPtr rs;
  if (!host_.Database().OpenRecordset(rs, "Select * From Favourite where ID=?", {Id(id)})) {
    WriteFailed("收藏夹未能移动");
    return MoveResult::kFailed;
  }
  if (rs->IsEOF()) return MoveResult::kFailed;
  if (FieldInt(rs, "Root") == kFolderRoot) return MoveResult::kIsFolder;
  const int root = target == kFolderRoot ? 0 : target;
  if (!(rs->SetValue("Root", Id(root)) && rs->Update())) {
    rs->CancelUpdate();
    WriteFailed("收藏夹未能移动");
    return MoveResult::kFailed;
  }
  return MoveResult::kMoved;
}

bool FavoritesStore::Delete(int id) {
  RecordsetPtr rs;
  if (!host_.Database().OpenRecordset(rs, "Select * From Favourite where ID=?", {Id(id)}))
    return WriteFailed("收藏夹未能删除");
  if (rs->IsEOF()) return false;
  if (!rs->Delete()) return WriteFailed("收藏夹未能删除");
  return true;
}

TreeItem FolderTree(FavoritesStore& store) {
  TreeItem root{"收藏夹", kFolderRoot, kRootImage, kRootImage, {}};
  for (const FavoriteRow& folder : store.Folders()) root.children.push_back(FolderItem(folder));
  return root;
}

int FolderTreeSelection(const TreeItem& root, bool newest) {
  if (newest && !root.children.empty()) return root.children.front().data;
  return root.data;
}

std::vector<TreeItem> OrganizeTree(FavoritesStore& store) {
  std::vector<TreeItem> items;
  for (const FavoriteRow& folder : store.Folders()) {
    TreeItem item = FolderItem(folder);
    for (const FavoriteRow& link : store.Links(folder.id))
      item.children.push_back(LinkItem(link.name, link.id));
    items.push_back(std::move(item));
  }
  for (const FavoriteRow& link : store.Links(0)) items.push_back(LinkItem(link.name, link.id));
  return items;
}

std::vector<TreeItem> PaneTree(const std::vector<FavoriteEntry>& favorites) {
  std::vector<TreeItem> items;
  for (const FavoriteEntry& entry : favorites) {
    if (entry.index >= 0) {
      items.push_back(LinkItem(entry.name, entry.index));
      continue;
    }
    TreeItem folder{entry.name, kFolderRoot, kFolderImage, kOpenFolderImage, {}};
    for (const FavoriteEntry& link : entry.links)
      folder.children.push_back(LinkItem(link.name, link.index));
    items.push_back(std::move(folder));
  }
  return items;
}

std::vector<FavoriteEntry> ReadFavorites(FavoritesStore& store, std::vector<std::string>& urls) {
  const auto links = [&](int root, std::vector<FavoriteEntry>& into) {
    for (FavoriteRow& link : store.Links(root)) {
      into.push_back({std::move(link.name), link.url, static_cast<int>(urls.size()), {}});
      urls.push_back(std::move(link.url));
    }
  };
  std::vector<FavoriteEntry> entries;
  for (FavoriteRow& folder : store.Folders()) {
    FavoriteEntry entry{std::move(folder.name), "", -1, {}};
    links(folder.id, entry.links);
    entries.push_back(std::move(entry));
  }
  links(0, entries);
  return entries;
}

int FolderOfSelection(std::optional<int> data) {
  return !data || *data == kFolderRoot ? 0 : *data;
}

std::string ProposedName(std::string title) {
  static constexpr std::string_view kSuffix = " - Microsoft Internet Explorer";
  for (size_t at; (at = title.find(kSuffix)) != std::string::npos;) title.erase(at, kSuffix.size());
  return title;
}

}  // namespace browsim::favorites
