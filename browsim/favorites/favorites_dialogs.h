// The Qt views of the favourites: the add, new-folder, organize and browse dialogs and the
// favourites pane. Each is a thin view over FavoritesStore; every tree is filled from the table
// when its dialog opens and again after each change.
#pragma once

#include <QDialog>
#include <QWidget>
#include <optional>

#include "browsim/core/browser_host.h"
#include "browsim/favorites/favorites_store.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace browsim::favorites {

// The data of the tree's selected item; none when nothing is selected.
std::optional<int> SelectedData(const QTreeWidget* tree);

// "添加到收藏夹": the current page under a name, at the top level or in a folder.
class CAddFavoriteDlg : public QDialog {
 public:
  CAddFavoriteDlg(BrowserHost& host, QWidget* parent);
  QLineEdit* NameEdit() const { return name_; }
  QTreeWidget* Tree() const { return tree_; }
  // "创建到(&C) >>" / "<<": shows or hides the folder area.
  void ToggleFolderArea();
  bool FolderAreaShown() const;
  // After the new-folder dialog, whatever its outcome.
  void FillFolderTree(bool selectNewest);
  void accept() override;

 private:
  BrowserHost& host_;
  FavoritesStore store_;
  QLineEdit* name_;
  QTreeWidget* tree_;
  QWidget* folderArea_;
  QPushButton* toggle_;
};

// "新建文件夹": a folder with the typed name (also an empty one).
class CNewFolderDlg : public QDialog {
 public:
  CNewFolderDlg(FavoritesStore& store, QWidget* parent);
  QLineEdit* NameEdit() const { return name_; }
  void accept() override;

 private:
  FavoritesStore& store_;
  QLineEdit* name_;
};

// "整理收藏夹": rename, move and delete.
class COrganizeFavoritesDlg : public QDialog {
 public:
  COrganizeFavoritesDlg(BrowserHost& host, QWidget* parent);
  QTreeWidget* Tree() const { return tree_; }
  QString ShownName() const;
  QString ShownAddress() const;
  void FillOrganizeTree();
  void NewFolder();
  void Rename();
  // The end of a label edit with the new text.
  void LabelEdited(QTreeWidgetItem* item);
  void Move();
  void Delete();

 private:
  void SelectionChanged();

  BrowserHost& host_;
  FavoritesStore store_;
  QTreeWidget* tree_;
  QLabel* name_;
  QLabel* address_;
  bool filling_ = false;
};

// "浏览文件夹": the folder a link moves to.
class CBrowseFolderDlg : public QDialog {
 public:
  CBrowseFolderDlg(FavoritesStore& store, int linkId, QWidget* parent);
  QTreeWidget* Tree() const { return tree_; }
  void accept() override;

 private:
  FavoritesStore& store_;
  int linkId_;
  QTreeWidget* tree_;
};

// CFavView: the favourites pane with its caption, the add and organize buttons, and the tree the
// main frame's favourites fill; selecting a link opens it.
class CFavView : public QWidget {
 public:
  CFavView(BrowserHost& host, QWidget* parent);
  QTreeWidget* Tree() const { return tree_; }
  void Fill();

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  BrowserHost& host_;
  QWidget* caption_;
  QWidget* band_;
  QTreeWidget* tree_;
  bool filling_ = false;
};

}  // namespace browsim::favorites
