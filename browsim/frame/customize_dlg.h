// CCustomizeDlg: the modal sheet "自定义" over the toolbars' controls and the bar options. The
// commands page lists the menu bar's categories and their commands and edits a copy of the
// layout, one bar at a time, making and deleting bars of one's own; the options page edits a
// copy of the options. The frame applies both when the sheet is accepted, so "取消" leaves the
// bars as they were.
#pragma once

#include <QDialog>
#include <QString>
#include <QStringList>
#include <map>
#include <string>
#include <vector>

#include "browsim/core/bar_layout.h"

class QCheckBox;
class QComboBox;
class QListWidget;
class QPushButton;

// One entry of the commands page's list: what it puts on a bar and how it is named.
struct CustomizeItem {
  browsim::BarControl control;
  QString text;
};

struct CustomizeCategory {
  QString name;
  std::vector<CustomizeItem> items;
};

// What the frame offers the sheet: the categories in their order, the names of the commands
// (for the bars' control lists) and the captions of the six built-in menus.
struct CustomizeCatalog {
  std::vector<CustomizeCategory> categories;
  std::map<int, QString> commandNames;
  QStringList menuNames;
};

class CCustomizeDlg : public QDialog {
  Q_OBJECT

 public:
  CCustomizeDlg(CustomizeCatalog catalog, browsim::BarLayout layout, browsim::BarOptions options,
                QWidget* parent);

  const browsim::BarLayout& Layout() const { return layout_; }
  browsim::BarOptions Options() const;

  // The pieces of the commands page, for the frame's tests to drive.
  QListWidget* CategoryList() const { return categories_; }
  QListWidget* CommandList() const { return commands_; }
  QComboBox* BarChoice() const { return bars_; }
  QListWidget* ControlList() const { return controls_; }
  // The push button captioned `text`; null when there is none.
  QPushButton* Button(const QString& text) const;
  // How the bar's control list names a control.
  QString ControlText(const browsim::BarControl& control) const;

 private:
  QWidget* MakeCommandsPage();
  QWidget* MakeOptionsPage(const browsim::BarOptions& options);
  void ShowCategory(int row);
  // The bar choice refilled from the layout, bar `id` chosen.
  void ShowBars(const std::string& id);
  void ShowBar();
  void NewBar();
  void DeleteBar();
  browsim::BarSpec* ChosenBar();
  // Puts `control` after the chosen control (at the end when none is chosen) and chooses it; a
  // command or menu the bar already shows is chosen instead.
  void Insert(const browsim::BarControl& control);
  void Remove();
  void Move(int by);
  void Rename();
  void Reset();
  void UpdateButtons();

  CustomizeCatalog catalog_;
  browsim::BarLayout layout_;
  QListWidget* categories_ = nullptr;
  QListWidget* commands_ = nullptr;
  QComboBox* bars_ = nullptr;
  QListWidget* controls_ = nullptr;
  QPushButton* deleteBar_ = nullptr;
  QPushButton* add_ = nullptr;
  QPushButton* remove_ = nullptr;
  QPushButton* rename_ = nullptr;
  QPushButton* up_ = nullptr;
  QPushButton* down_ = nullptr;
  QCheckBox* largeIcons_ = nullptr;
  QCheckBox* screenTips_ = nullptr;
  QCheckBox* shortcutsInTips_ = nullptr;
  QComboBox* animation_ = nullptr;
};
