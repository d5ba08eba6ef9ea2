#include "browsim/favorites/favorites_dialogs.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QTreeWidget>

#include "browsim/panes/testing/window_host.h"

namespace browsim::favorites {
namespace {

using testing::WindowHost;

constexpr const char* kSeed =
    "INSERT INTO Favourite (ID, Name, URL, Root, ItemScore) VALUES"
    " (1, '新闻', '', -1, 0), (2, '体育', '', -1, 0),"
    " (3, 'A', 'http://a/', 1, 0), (5, 'C', 'http://c/', 0, 0);";

QTreeWidgetItem* FindItem(QTreeWidget* tree, int data) {
  for (QTreeWidgetItemIterator it(tree); *it; ++it)
    if ((*it)->data(0, Qt::UserRole).toInt() == data) return *it;
  return nullptr;
}

// Closes the next modal dialog with Cancel once it is shown.
void CancelNextDialog() {
  QTimer::singleShot(0, [] {
    if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) dialog->reject();
  });
}

TEST(AddFavoriteDialog, StoresThePageUnderItsTitleInTheChosenFolder) {
  struct Case {
    const char* name;
    bool showArea;
    int select;  // 0: leave the tree as it opened
    const char* root;
  } cases[] = {
      {"area never shown", false, 0, "0"},
      {"root selected", true, -1, "0"},
      {"folder selected", true, 2, "2"},
  };
  for (const Case& c : cases) {
    WindowHost host(kSeed);
    host.Show("新浪 - Microsoft Internet Explorer", "http://www.sina.com.cn/");
    CAddFavoriteDlg dialog(host, host.Window());
    EXPECT_EQ(dialog.NameEdit()->text(), "新浪") << c.name;
    EXPECT_FALSE(dialog.FolderAreaShown()) << c.name;
    if (c.showArea) dialog.ToggleFolderArea();
    if (c.select) dialog.Tree()->setCurrentItem(FindItem(dialog.Tree(), c.select));
    dialog.accept();
    EXPECT_EQ(dialog.result(), QDialog::Accepted) << c.name;
    EXPECT_EQ(host.Column("Select * From Favourite where Name='新浪'", "Root"),
              std::vector<std::string>{c.root})
        << c.name;
    EXPECT_EQ(host.Column("Select * From Favourite where Name='新浪'", "URL"),
              std::vector<std::string>{"http://www.sina.com.cn/"})
        << c.name;
  }
}

TEST(AddFavoriteDialog, EmptyNameAddsNothingAndCloseAsCancelled) {
  WindowHost host(kSeed);
  CAddFavoriteDlg dialog(host, host.Window());
  dialog.NameEdit()->clear();
  dialog.accept();
  EXPECT_EQ(dialog.result(), QDialog::Rejected);
  EXPECT_EQ(host.Count("Select * From Favourite"), 4);
}

TEST(AddFavoriteDialog, FolderTreeIsRefilledAfterTheNewFolderDialogEvenWhenCancelled) {
  WindowHost host(kSeed);
  CAddFavoriteDlg dialog(host, host.Window());
  EXPECT_EQ(dialog.Tree()->currentItem()->data(0, Qt::UserRole).toInt(), -1);
  dialog.ToggleFolderArea();
  EXPECT_TRUE(dialog.FolderAreaShown());
  CancelNextDialog();
  // The new-folder button, found by its text.
  for (auto* button : dialog.findChildren<QPushButton*>())
    if (button->text() == "新建文件夹(&W)...") button->click();
  EXPECT_EQ(dialog.Tree()->currentItem()->data(0, Qt::UserRole).toInt(), 2);  // the newest
  EXPECT_EQ(host.Count("Select * From Favourite"), 4);
}

TEST(OrganizeDialog, RenamesMovesAndDeletesThroughTheTree) {
  WindowHost host(kSeed);
  COrganizeFavoritesDlg dialog(host, host.Window());
  EXPECT_EQ(host.rebuilds, std::vector<bool>{false});
  EXPECT_EQ(dialog.ShownName(), "");

  dialog.Tree()->setCurrentItem(FindItem(dialog.Tree(), 3));
  EXPECT_EQ(dialog.ShownName(), "A");
  EXPECT_EQ(dialog.ShownAddress(), "http://a/");

  // A label edit ends: an empty text is never stored, a new one is, and the tree is refilled.
  FindItem(dialog.Tree(), 5)->setText(0, "");
  EXPECT_EQ(host.Column("Select Name From Favourite where ID=5", "Name"),
            std::vector<std::string>{"C"});
  FindItem(dialog.Tree(), 5)->setText(0, "新名");
  QApplication::processEvents();
  EXPECT_EQ(host.Column("Select Name From Favourite where ID=5", "Name"),
            std::vector<std::string>{"新名"});
  EXPECT_EQ(host.rebuilds.size(), 2u);

  // A folder does not move.
  dialog.Tree()->setCurrentItem(FindItem(dialog.Tree(), 1));
  dialog.Move();
  ASSERT_EQ(host.boxes.Shown().size(), 1u);
  EXPECT_EQ(host.boxes.Shown()[0].text, "不能移动文件夹，只能移动文件!");

  // Deleting a folder leaves its link's row behind, out of the tree.
  dialog.Delete();
  EXPECT_EQ(FindItem(dialog.Tree(), 1), nullptr);
  EXPECT_EQ(FindItem(dialog.Tree(), 3), nullptr);
  EXPECT_EQ(host.Count("Select * From Favourite where ID=3"), 1);
}

TEST(BrowseFolderDialog, MovesTheLinkToTheSelectedFolderOrTheTop) {
  WindowHost host(kSeed);
  FavoritesStore store(host);
  {
    CBrowseFolderDlg dialog(store, 5, nullptr);
    dialog.Tree()->setCurrentItem(FindItem(dialog.Tree(), 2));
    dialog.accept();
    EXPECT_EQ(store.Row(5)->root, 2);
  }
  {
    CBrowseFolderDlg dialog(store, 5, nullptr);  // opens with the root selected
    dialog.accept();
    EXPECT_EQ(store.Row(5)->root, 0);
  }
}

TEST(FavoritesPane, SelectingALinkOpensItAndAFolderNothing) {
  WindowHost host;
  host.favorites.resize(2);
  host.favorites[0].name = "新闻";
  host.favorites[0].links = {{"A", "http://a/", 0, {}}};
  host.favorites[1] = {"C", "http://c/", 1, {}};
  QWidget column;
  CFavView pane(host, &column);
  EXPECT_TRUE(host.openedFavorites.empty());  // filling opens nothing
  pane.Tree()->setCurrentItem(pane.Tree()->topLevelItem(0));
  EXPECT_TRUE(host.openedFavorites.empty());
  pane.Tree()->setCurrentItem(pane.Tree()->topLevelItem(0)->child(0));
  pane.Tree()->setCurrentItem(pane.Tree()->topLevelItem(1));
  EXPECT_EQ(host.openedFavorites, (std::vector<int>{0, 1}));
}

TEST(FavoritesPane, ItsButtonsRunTheMainWindowsAddAndOrganizeCommands) {
  WindowHost host;
  std::vector<int> ran;
  for (int id : {106, 105, 140}) {
    auto* action = new QAction(host.Window());
    action->setData(id);
    QObject::connect(action, &QAction::triggered, [&ran, id] { ran.push_back(id); });
    host.Window()->addAction(action);
  }
  QWidget column;
  CFavView pane(host, &column);
  for (const char* text : {"添加...", "整理..."})
    for (auto* button : pane.findChildren<QPushButton*>())
      if (button->text() == text) button->click();
  EXPECT_EQ(ran, (std::vector<int>{105, 106}));
}

}  // namespace
}  // namespace browsim::favorites
