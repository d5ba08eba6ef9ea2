// The customised controls of the browser's toolbars and the customisation sheet's options, with
// the text forms the profile and the Layout files keep them in. No widgets: the frame builds its
// bars from a BarLayout and the sheet edits one.
//
// Layout text, one line per bar or control, a control belonging to the bar above it; blank lines
// and lines starting with ";" are skipped, spaces around a line and "\r" at its end are ignored:
//
//   bar 128 标准按钮          a bar: its id (letters and digits) and its caption
//   command 140              a command by its id
//   separator
//   menu 2                   a built-in menu of the menu bar by its position, 0 to 5
//   newmenu 新菜单            a menu of the user's own, by its caption
//
// Options text, one "name value" line each, any order, a missing one keeping its default:
//
//   largeicons 0             0 or 1
//   screentips 1             screen tips on the toolbars
//   shortcutsintips 0        the shortcut key after the tip: "刷新 (F5)"
//   menuanimation none       none, unfold, slide or fade
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/base/result.h"

namespace browsim {

inline constexpr int kAddressBoxControl = 32771;
inline constexpr int kBuiltInMenuCount = 6;
inline constexpr const char* kNewMenuCaption = "新菜单";

struct BarControl {
  enum class Kind { kCommand, kSeparator, kMenu, kNewMenu };
  Kind kind = Kind::kSeparator;
  int id = 0;           // the command id, or the built-in menu's position
  std::string caption;  // a new menu's caption

  static BarControl Command(int id) { return {Kind::kCommand, id, {}}; }
  static BarControl Separator() { return {Kind::kSeparator, 0, {}}; }
  static BarControl Menu(int position) { return {Kind::kMenu, position, {}}; }
  static BarControl NewMenu(std::string caption = kNewMenuCaption) {
    return {Kind::kNewMenu, 0, std::move(caption)};
  }
  bool IsAddressBox() const { return kind == Kind::kCommand && id == kAddressBoxControl; }
  bool operator==(const BarControl&) const = default;
};

struct BarSpec {
  std::string id;  // "128" standard, "130" address, "134" links, or a bar of the user's own
  std::string caption;
  std::vector<BarControl> controls;
  bool operator==(const BarSpec&) const = default;
};

struct BarLayout {
  std::vector<BarSpec> bars;

  BarSpec* Find(std::string_view id);
  const BarSpec* Find(std::string_view id) const;
  bool operator==(const BarLayout&) const = default;
};

// The three toolbars as the browser first shows them.
BarLayout DefaultBarLayout();

// The default content of bar `id`; no controls for a bar of the user's own.
std::vector<BarControl> DefaultBarControls(std::string_view id);

// Adds an empty bar of the user's own captioned `caption` and gives its id: the first of "1001",
// "1002", ... that no bar has.
std::string AddBar(BarLayout& layout, std::string caption);

// Whether bar `id` may go: a bar of the user's own that does not hold the address box.
bool CanRemoveBar(const BarLayout& layout, std::string_view id);
// Removes bar `id` when it may go; false when it may not.
bool RemoveBar(BarLayout& layout, std::string_view id);

// Bar `id` back to its default controls. The address box stays where it is: a bar that held it
// keeps it at its front, and the address bar gets no second one.
void ResetBar(BarLayout& layout, std::string_view id);

std::string WriteBarLayout(const BarLayout& layout);

// Reads the layout text. Commands `known` does not accept are dropped, as are a command's second
// copy on one bar and every address box after the first. The result always holds the three
// default bars (those the text leaves out with their default content) and one address box (at
// the front of bar 130 when the text has none). Malformed text is an error saying which line.
base::Result<BarLayout> ReadBarLayout(std::string_view text,
                                      const std::function<bool(int command)>& known);

enum class MenuAnimation { kNone, kUnfold, kSlide, kFade };

struct BarOptions {
  bool largeIcons = false;
  bool screenTips = true;
  bool shortcutsInTips = false;
  MenuAnimation menuAnimation = MenuAnimation::kNone;
  bool operator==(const BarOptions&) const = default;
};

std::string WriteBarOptions(const BarOptions& options);
base::Result<BarOptions> ReadBarOptions(std::string_view text);

// A menu item's text as a bar or a list shows it: "打开(&O)...\tCtrl+O" -> "打开",
// "Internet 选项(&O)..." -> "Internet 选项", "E&xit" -> "Exit".
std::string PlainCaption(std::string_view menuText);

}  // namespace browsim
