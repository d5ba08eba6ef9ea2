// The favourites' dialogs and pane.
#include "browsim/favorites/favorites_dialogs.h"

#include <QAction>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QStyle>
#include <QTimer>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "browsim/panes/pane_widgets.h"
#include "platform/win/message_box.h"

namespace browsim::favorites {
namespace {

constexpr int kDataRole = Qt::UserRole;
constexpr int kFolderAreaHeight = 200;

QIcon ImageIcon(const QStyle* style, int image, int selectedImage) {
  const auto pixmap = [style](int picture) {
    const QStyle::StandardPixmap which = picture == kRootImage         ? QStyle::SP_DirHomeIcon
                                         : picture == kFolderImage     ? QStyle::SP_DirClosedIcon
                                         : picture == kOpenFolderImage ? QStyle::SP_DirOpenIcon
                                                                       : QStyle::SP_FileLinkIcon;
    return style->standardIcon(which).pixmap(16, 16);
  };
  QIcon icon(pixmap(image));
  icon.addPixmap(pixmap(selectedImage), QIcon::Selected);
  return icon;
}

QTreeWidgetItem* AddItem(QTreeWidget* tree, QTreeWidgetItem* parent, const TreeItem& item,
                         bool editable) {
  auto* node = parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(tree);
  node->setText(0, QString::fromStdString(item.text));
  node->setData(0, kDataRole, item.data);
  node->setIcon(0, ImageIcon(tree->style(), item.image, item.selectedImage));
  if (editable) node->setFlags(node->flags() | Qt::ItemIsEditable);
  for (const TreeItem& child : item.children) AddItem(tree, node, child, editable);
  if (!item.children.empty()) node->setExpanded(true);
  return node;
}

QTreeWidget* MakeTree(QWidget* parent, const char* id) {
  auto* tree = new QTreeWidget(parent);
  tree->setObjectName(id);
  tree->setHeaderHidden(true);
  tree->setRootIsDecorated(true);
  return tree;
}

// Fills a folder tree and selects the root, or the newest folder.
void FillFolders(QTreeWidget* tree, FavoritesStore& store, bool selectNewest) {
  tree->clear();
  const TreeItem root = FolderTree(store);
  QTreeWidgetItem* top = AddItem(tree, nullptr, root, false);
  top->setExpanded(true);
  const int select = FolderTreeSelection(root, selectNewest);
  QTreeWidgetItem* chosen = top;
  for (int i = 0; i < top->childCount(); ++i)
    if (top->child(i)->data(0, kDataRole).toInt() == select) chosen = top->child(i);
  tree->setCurrentItem(chosen);
}

// Runs the main window's command `id` as its menu item would.
void SendCommand(BrowserHost& host, int id) {
  if (QWidget* window = host.Window()) {
    for (QAction* action : window->actions()) {
      if (action->data().toInt() == id) {
        action->trigger();
        return;
      }
    }
  }
}

}  // namespace

std::optional<int> SelectedData(const QTreeWidget* tree) {
  const QList<QTreeWidgetItem*> selected = tree->selectedItems();
  if (selected.isEmpty()) return std::nullopt;
  return selected.front()->data(0, kDataRole).toInt();
}

CAddFavoriteDlg::CAddFavoriteDlg(BrowserHost& host, QWidget* parent)
    : QDialog(parent), host_(host), store_(host) {
  setWindowTitle("添加到收藏夹");
  setFont(panes::SongFont());
  auto* layout = new QGridLayout(this);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  auto* icon = new QLabel(this);
  icon->setPixmap(style()->standardIcon(QStyle::SP_DirLinkIcon).pixmap(32, 32));
  layout->addWidget(icon, 0, 0, 2, 1);
  layout->addWidget(new QLabel("Internet Explorer 将把该页添加到您的收藏夹列表中。", this), 0, 1);
  auto* offline = new QCheckBox("允许脱机使用(&M)", this);
  offline->setEnabled(false);
  layout->addWidget(offline, 1, 1);
  auto* customise = new QPushButton("自定义(U)...", this);
  customise->setEnabled(false);
  layout->addWidget(customise, 1, 3);
  auto* ok = new QPushButton("确定", this);
  ok->setDefault(true);
  auto* cancel = new QPushButton("取消", this);
  layout->addWidget(ok, 0, 3);
  layout->addWidget(cancel, 0, 4);
  auto* nameLabel = new QLabel("名称(&N):", this);
  name_ = new QLineEdit(QString::fromStdString(ProposedName(
                            host.Window() ? host.Window()->windowTitle().toStdString() : "")),
                        this);
  name_->setObjectName("1001");
  nameLabel->setBuddy(name_);
  layout->addWidget(nameLabel, 2, 0);
  layout->addWidget(name_, 2, 1, 1, 2);
  toggle_ = new QPushButton("创建到(&C) >>", this);
  toggle_->setObjectName("1002");
  layout->addWidget(toggle_, 2, 3, 1, 2);

  folderArea_ = new QWidget(this);
  folderArea_->setFixedHeight(kFolderAreaHeight);
  auto* area = new QGridLayout(folderArea_);
  area->setContentsMargins(0, 0, 0, 0);
  auto* createIn = new QLabel("创建到(&I):", folderArea_);
  area->addWidget(createIn, 0, 0, Qt::AlignTop);
  tree_ = MakeTree(folderArea_, "1005");
  createIn->setBuddy(tree_);
  area->addWidget(tree_, 0, 1);
  auto* newFolder = new QPushButton("新建文件夹(&W)...", folderArea_);
  area->addWidget(newFolder, 0, 2, Qt::AlignTop);
  layout->addWidget(folderArea_, 3, 0, 1, 5);
  folderArea_->hide();

  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  connect(toggle_, &QPushButton::clicked, this, [this] { ToggleFolderArea(); });
  connect(newFolder, &QPushButton::clicked, this, [this] {
    CNewFolderDlg dialog(store_, this);
    dialog.exec();
    FillFolderTree(true);
  });
  FillFolderTree(false);
}

void CAddFavoriteDlg::ToggleFolderArea() {
  const bool show = folderArea_->isHidden();
  folderArea_->setVisible(show);
  toggle_->setText(show ? "创建到(&C) <<" : "创建到(&C) >>");
}

bool CAddFavoriteDlg::FolderAreaShown() const {
  return !folderArea_->isHidden();
}

void CAddFavoriteDlg::FillFolderTree(bool selectNewest) {
  FillFolders(tree_, store_, selectNewest);
}

void CAddFavoriteDlg::accept() {
  const std::string name = name_->text().toStdString();
  // An empty name, or a row the database did not take, closes as cancelled.
  if (name.empty() || !store_.AddLink(name, panes::AddressBoxText(host_).toStdString(),
                                      FolderOfSelection(SelectedData(tree_)))) {
    reject();
    return;
  }
  QDialog::accept();
}

CNewFolderDlg::CNewFolderDlg(FavoritesStore& store, QWidget* parent)
    : QDialog(parent), store_(store) {
  setWindowTitle("新建文件夹");
  setFont(panes::SongFont());
  auto* layout = new QVBoxLayout(this);
  auto* text = new QLabel(
      "Internet Explorer 将为您创建以下文件夹。您可以使用该文件夹组织“收藏夹”菜单上的快捷方式。",
      this);
  text->setWordWrap(true);
  layout->addWidget(text);
  auto* row = new QHBoxLayout;
  auto* label = new QLabel("文件夹名(&F):", this);
  name_ = new QLineEdit(this);
  name_->setObjectName("1007");
  label->setBuddy(name_);
  row->addWidget(label);
  row->addWidget(name_);
  layout->addLayout(row);
  layout->addWidget(panes::OkCancelButtons(this));
}

void CNewFolderDlg::accept() {
  if (store_.AddFolder(name_->text().toStdString()))
    QDialog::accept();
  else
    reject();
}

COrganizeFavoritesDlg::COrganizeFavoritesDlg(BrowserHost& host, QWidget* parent)
    : QDialog(parent), host_(host), store_(host) {
  setWindowTitle("整理收藏夹");
  setFont(panes::SongFont());
  auto* layout = new QGridLayout(this);
  auto* help = new QLabel(
      "要新建文件夹，请单击“创建文件夹”按钮。要删除或重命名项目，请先选定项目，然后单击“删除”或"
      "“重命名”按钮。",
      this);
  help->setWordWrap(true);
  auto* left = new QVBoxLayout;
  left->addWidget(help);
  auto* buttons = new QGridLayout;
  auto* newFolder = new QPushButton("创建文件夹(&C)", this);
  auto* rename = new QPushButton("重命名(&R)", this);
  auto* move = new QPushButton("移至文件夹(&M)...", this);
  auto* remove = new QPushButton("删除(&D)", this);
  buttons->addWidget(newFolder, 0, 0);
  buttons->addWidget(rename, 0, 1);
  buttons->addWidget(move, 1, 0);
  buttons->addWidget(remove, 1, 1);
  left->addLayout(buttons);
  auto* group = new QGroupBox(this);
  auto* details = new QVBoxLayout(group);
  name_ = new QLabel(group);
  name_->setObjectName("1001");
  address_ = new QLabel(group);
  address_->setObjectName("1013");
  details->addWidget(name_);
  details->addWidget(address_);
  details->addWidget(new QLabel(group));  // visits: never counted
  details->addWidget(new QLabel(group));  // last visit: never recorded
  details->addWidget(new QCheckBox("允许脱机使用(&O)", group));
  left->addWidget(group);
  left->addStretch();
  layout->addLayout(left, 0, 0);
  tree_ = MakeTree(this, "1012");
  tree_->setEditTriggers(QAbstractItemView::SelectedClicked | QAbstractItemView::EditKeyPressed);
  layout->addWidget(tree_, 0, 1);
  auto* close = new QPushButton("关闭(&C)", this);
  layout->addWidget(close, 1, 1, Qt::AlignRight);
  layout->setColumnStretch(1, 1);

  connect(newFolder, &QPushButton::clicked, this, [this] { NewFolder(); });
  connect(rename, &QPushButton::clicked, this, [this] { Rename(); });
  connect(move, &QPushButton::clicked, this, [this] { Move(); });
  connect(remove, &QPushButton::clicked, this, [this] { Delete(); });
  connect(close, &QPushButton::clicked, this, &QDialog::accept);
  connect(tree_, &QTreeWidget::itemSelectionChanged, this, [this] { SelectionChanged(); });
  connect(tree_, &QTreeWidget::itemChanged, this, [this](QTreeWidgetItem* item) {
    if (!filling_) LabelEdited(item);
  });
  resize(520, 300);
  FillOrganizeTree();
}

QString COrganizeFavoritesDlg::ShownName() const {
  return name_->text();
}

QString COrganizeFavoritesDlg::ShownAddress() const {
  return address_->text();
}

void COrganizeFavoritesDlg::FillOrganizeTree() {
  filling_ = true;
  tree_->clear();
  for (const TreeItem& item : OrganizeTree(store_)) AddItem(tree_, nullptr, item, true);
  filling_ = false;
  host_.RebuildFavorites(false);
}

void COrganizeFavoritesDlg::SelectionChanged() {
  if (filling_) return;
  const std::optional<int> id = SelectedData(tree_);
  if (!id) return;
  const std::optional<FavoriteRow> row = store_.Row(*id);
  name_->setText(row ? QString::fromStdString(row->name) : QString());
  address_->setText(row ? QString::fromStdString(row->url) : QString());
}

void COrganizeFavoritesDlg::NewFolder() {
  CNewFolderDlg dialog(store_, this);
  if (dialog.exec() == QDialog::Accepted) FillOrganizeTree();
}

void COrganizeFavoritesDlg::Rename() {
  const QList<QTreeWidgetItem*> selected = tree_->selectedItems();
  if (selected.isEmpty() || selected.front()->data(0, kDataRole).toInt() == kFolderRoot) return;
  tree_->editItem(selected.front(), 0);
}

void COrganizeFavoritesDlg::LabelEdited(QTreeWidgetItem* item) {
  const std::string name = item->text(0).toStdString();
  if (name.empty()) return;  // shown until the next refill, never stored
  store_.Rename(item->data(0, kDataRole).toInt(), name);
  // The refill shows the stored name; it waits until the editor has let go of the item.
  QTimer::singleShot(0, this, [this] { FillOrganizeTree(); });
}

void COrganizeFavoritesDlg::Move() {
  const std::optional<int> id = SelectedData(tree_);
  if (!id) return;
  const std::optional<FavoriteRow> row = store_.Row(*id);
  if (row && row->root == kFolderRoot) {
    win::MessageBox("不能移动文件夹，只能移动文件!", "", win::MB_OK);
    return;
  }
  if (row) {
    CBrowseFolderDlg dialog(store_, *id, this);
    dialog.exec();
  }
  FillOrganizeTree();
}

void COrganizeFavoritesDlg::Delete() {
  const std::optional<int> id = SelectedData(tree_);
  if (!id) return;
  store_.Delete(*id);
  FillOrganizeTree();
}

CBrowseFolderDlg::CBrowseFolderDlg(FavoritesStore& store, int linkId, QWidget* parent)
    : QDialog(parent), store_(store), linkId_(linkId) {
  setWindowTitle("浏览文件夹");
  setFont(panes::SongFont());
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(new QLabel("单击目标文件夹。", this));
  tree_ = MakeTree(this, "1036");
  layout->addWidget(tree_);
  layout->addWidget(panes::OkCancelButtons(this));
  FillFolders(tree_, store_, false);
}

void CBrowseFolderDlg::accept() {
  if (store_.MoveLink(linkId_, FolderOfSelection(SelectedData(tree_))) == MoveResult::kMoved)
    QDialog::accept();
  else
    reject();
}

CFavView::CFavView(BrowserHost& host, QWidget* parent) : QWidget(parent), host_(host) {
  caption_ = new panes::PaneCaption("收藏夹", this);
  auto* band = new QFrame(this);
  band->setFrameStyle(QFrame::Panel | QFrame::Raised);
  band_ = band;
  const auto button = [this](const char* text, QStyle::StandardPixmap icon, int command, int left) {
    auto* b = new QPushButton(style()->standardIcon(icon), text, this);
    b->setFlat(true);
    b->setFont(panes::SongFont());
    b->setGeometry(left, 20, 80, 22);
    connect(b, &QPushButton::clicked, this, [this, command] { SendCommand(host_, command); });
  };
  button("添加...", QStyle::SP_FileDialogNewFolder, 105, 0);
  button("整理...", QStyle::SP_FileDialogDetailedView, 106, 80);
  tree_ = MakeTree(this, "104");
  connect(tree_, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* current) {
    if (filling_ || !current) return;
    const int index = current->data(0, kDataRole).toInt();
    if (index != kFolderRoot) host_.OpenFavorite(index);
  });
  host.OnFavoritesChanged([self = QPointer<CFavView>(this)] {
    if (self) self->Fill();
  });
  Fill();
}

void CFavView::Fill() {
  filling_ = true;
  tree_->clear();
  for (const TreeItem& item : PaneTree(host_.Favorites())) AddItem(tree_, nullptr, item, false);
  filling_ = false;
}

void CFavView::resizeEvent(QResizeEvent*) {
  caption_->setGeometry(0, 0, width() - 2, 19);
  band_->setGeometry(0, 19, width() - 2, 24);
  band_->lower();
  // The tree fits the pane below the buttons.
  tree_->setGeometry(5, 50, width() - 7, height() - 50);
}

}  // namespace browsim::favorites
