#include "browsim/core/bar_layout.h"

#include <algorithm>
#include <charconv>
#include <utility>

#include "platform/base/text.h"

namespace browsim {

namespace {

using Kind = BarControl::Kind;

struct DefaultBar {
  const char* id;
  const char* caption;
};
constexpr DefaultBar kDefaultBars[] = {{"128", "标准按钮"}, {"130", "地址栏"}, {"134", "链接"}};

constexpr const char* kAnimationNames[] = {"none", "unfold", "slide", "fade"};

// One line split into its keyword and the rest, both trimmed.
struct Line {
  std::string_view keyword;
  std::string_view rest;
};

Line SplitLine(std::string_view line) {
  line = base::Trim(line, " \t\r");
  const size_t space = line.find_first_of(" \t");
  if (space == std::string_view::npos) return {line, {}};
  return {line.substr(0, space), base::Trim(line.substr(space), " \t")};
}

// Calls `each` with every line that is not blank or a comment, and its number from 1; stops at
// the first error.
template <class Each>
base::Status ForEachLine(std::string_view text, Each each) {
  int number = 0;
  while (!text.empty()) {
    const size_t end = text.find('\n');
    const std::string_view line = text.substr(0, end);
    text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
    ++number;
    const Line split = SplitLine(line);
    if (split.keyword.empty() || split.keyword.front() == ';') continue;
    if (base::Status done = each(split, number); !done)
      return base::Error::Of("line ", number, ": ", done.error().message);
  }
  return base::Ok();
}

bool ParseNumber(std::string_view text, int& value) {
  if (text.empty() || text.size() > 9) return false;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  return error == std::errc() && end == text.data() + text.size() && value >= 0;
}

bool IsBarId(std::string_view id) {
  return !id.empty() && id.size() <= 32 && std::all_of(id.begin(), id.end(), [](char c) {
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
  });
}

bool HasAddressBox(const BarLayout& layout) {
  for (const BarSpec& bar : layout.bars) {
    for (const BarControl& c : bar.controls) {
      if (c.IsAddressBox()) return true;
    }
  }
  return false;
}

}  // namespace

BarSpec* BarLayout::Find(std::string_view id) {
  for (BarSpec& bar : bars) {
    if (bar.id == id) return &bar;
  }
  return nullptr;
}

const BarSpec* BarLayout::Find(std::string_view id) const {
  return const_cast<BarLayout*>(this)->Find(id);
}

std::vector<BarControl> DefaultBarControls(std::string_view id) {
  const auto command = BarControl::Command;
  if (id == "128") {
    return {command(140), command(141),
            command(142), command(143),
            command(144), BarControl::Separator(),
            command(145), command(146),
            command(147), BarControl::Separator(),
            command(148), command(149)};
  }
  if (id == "130") return {command(kAddressBoxControl), command(32772)};
  if (id == "134") return {command(32773)};
  return {};
}

BarLayout DefaultBarLayout() {
  BarLayout layout;
  for (const DefaultBar& bar : kDefaultBars)
    layout.bars.push_back({bar.id, bar.caption, DefaultBarControls(bar.id)});
  return layout;
}

std::string AddBar(BarLayout& layout, std::string caption) {
  std::string id;
  for (int n = 1001; id.empty() || layout.Find(id); ++n) id = std::to_string(n);
  layout.bars.push_back({id, std::move(caption), {}});
  return id;
}

bool CanRemoveBar(const BarLayout& layout, std::string_view id) {
  const BarSpec* bar = layout.Find(id);
  if (!bar) return false;
  for (const DefaultBar& d : kDefaultBars) {
    if (id == d.id) return false;
  }
  return std::none_of(bar->controls.begin(), bar->controls.end(),
                      [](const BarControl& c) { return c.IsAddressBox(); });
}

bool RemoveBar(BarLayout& layout, std::string_view id) {
  if (!CanRemoveBar(layout, id)) return false;
  std::erase_if(layout.bars, [&](const BarSpec& b) { return b.id == id; });
  return true;
}

void ResetBar(BarLayout& layout, std::string_view id) {
  BarSpec* bar = layout.Find(id);
  if (!bar) return;
  const auto isAddressBox = [](const BarControl& c) { return c.IsAddressBox(); };
  const bool held = std::any_of(bar->controls.begin(), bar->controls.end(), isAddressBox);
  bar->controls = DefaultBarControls(id);
  if (!held) std::erase_if(bar->controls, isAddressBox);
  if (!HasAddressBox(layout))
    bar->controls.insert(bar->controls.begin(), BarControl::Command(kAddressBoxControl));
}

std::string WriteBarLayout(const BarLayout& layout) {
  std::string text;
  for (const BarSpec& bar : layout.bars) {
    text += "bar " + bar.id + " " + bar.caption + "\r\n";
    for (const BarControl& c : bar.controls) {
      switch (c.kind) {
        case Kind::kCommand:
          text += "command " + std::to_string(c.id) + "\r\n";
          break;
        case Kind::kSeparator:
          text += "separator\r\n";
          break;
        case Kind::kMenu:
          text += "menu " + std::to_string(c.id) + "\r\n";
          break;
        case Kind::kNewMenu:
          text += "newmenu " + c.caption + "\r\n";
          break;
      }
    }
  }
  return text;
}

base::Result<BarLayout> ReadBarLayout(std::string_view text,
                                      const std::function<bool(int command)>& known) {
  BarLayout layout;
  bool addressSeen = false;
  const base::Status read = ForEachLine(text, [&](const Line& line, int) -> base::Status {
    const std::string keyword = base::AsciiLower(line.keyword);
    if (keyword == "bar") {
      const Line idAndCaption = SplitLine(line.rest);
      if (!IsBarId(idAndCaption.keyword))
        return base::Error::Of("a bar needs an id of letters and digits");
      if (idAndCaption.rest.empty())
        return base::Error::Of("bar ", idAndCaption.keyword, " has no caption");
      if (layout.Find(idAndCaption.keyword))
        return base::Error::Of("bar ", idAndCaption.keyword, " is given twice");
      layout.bars.push_back(
          {std::string(idAndCaption.keyword), std::string(idAndCaption.rest), {}});
      return base::Ok();
    }
    if (layout.bars.empty()) return base::Error::Of("\"", line.keyword, "\" before the first bar");
    std::vector<BarControl>& controls = layout.bars.back().controls;
    int number = 0;
    if (keyword == "separator") {
      if (!line.rest.empty()) return base::Error::Of("a separator takes nothing after it");
      controls.push_back(BarControl::Separator());
    } else if (keyword == "command") {
      if (!ParseNumber(line.rest, number))
        return base::Error::Of("\"", line.rest, "\" is no command id");
      const BarControl c = BarControl::Command(number);
      const bool twice = std::find(controls.begin(), controls.end(), c) != controls.end();
      if (c.IsAddressBox()) {
        if (!addressSeen) controls.push_back(c);
        addressSeen = true;
      } else if (!twice && (!known || known(number))) {
        controls.push_back(c);
      }
    } else if (keyword == "menu") {
      if (!ParseNumber(line.rest, number) || number >= kBuiltInMenuCount)
        return base::Error::Of("\"", line.rest, "\" is no menu position (0 to 5)");
      const BarControl c = BarControl::Menu(number);
      if (std::find(controls.begin(), controls.end(), c) == controls.end()) controls.push_back(c);
    } else if (keyword == "newmenu") {
      if (line.rest.empty()) return base::Error::Of("a new menu needs a caption");
      controls.push_back(BarControl::NewMenu(std::string(line.rest)));
    } else {
      return base::Error::Of("unknown entry \"", line.keyword, "\"");
    }
    return base::Ok();
  });
  if (!read) return read.error();
  if (layout.bars.empty()) return base::Error::Of("no bars");

  // The default bars the text leaves out keep their places: before the first bar of the user's
  // own, so the address and links bars stay on their row.
  size_t at = 0;
  for (const DefaultBar& bar : kDefaultBars) {
    auto it = std::find_if(layout.bars.begin(), layout.bars.end(),
                           [&](const BarSpec& b) { return b.id == bar.id; });
    if (it == layout.bars.end()) {
      BarSpec added{bar.id, bar.caption, DefaultBarControls(bar.id)};
      if (addressSeen)
        std::erase_if(added.controls, [](const BarControl& c) { return c.IsAddressBox(); });
      layout.bars.insert(layout.bars.begin() + static_cast<std::ptrdiff_t>(at), std::move(added));
      ++at;
    } else {
      at = static_cast<size_t>(it - layout.bars.begin()) + 1;
    }
  }
  if (!HasAddressBox(layout)) {
    auto& controls = layout.Find("130")->controls;
    controls.insert(controls.begin(), BarControl::Command(kAddressBoxControl));
  }
  return layout;
}

std::string WriteBarOptions(const BarOptions& options) {
  const auto flag = [](bool on) { return on ? "1" : "0"; };
  return std::string("largeicons ") + flag(options.largeIcons) + "\r\nscreentips " +
         flag(options.screenTips) + "\r\nshortcutsintips " + flag(options.shortcutsInTips) +
         "\r\nmenuanimation " + kAnimationNames[static_cast<int>(options.menuAnimation)] + "\r\n";
}

base::Result<BarOptions> ReadBarOptions(std::string_view text) {
  BarOptions options;
  const base::Status read = ForEachLine(text, [&](const Line& line, int) -> base::Status {
    const std::string name = base::AsciiLower(line.keyword);
    if (name == "menuanimation") {
      const std::string value = base::AsciiLower(line.rest);
      for (int i = 0; i < 4; ++i) {
        if (value == kAnimationNames[i]) {
          options.menuAnimation = static_cast<MenuAnimation>(i);
          return base::Ok();
        }
      }
      return base::Error::Of("\"", line.rest, "\" is no menu animation");
    }
    bool* flag = name == "largeicons"        ? &options.largeIcons
                 : name == "screentips"      ? &options.screenTips
                 : name == "shortcutsintips" ? &options.shortcutsInTips
                                             : nullptr;
    if (!flag) return base::Error::Of("unknown option \"", line.keyword, "\"");
    if (line.rest != "0" && line.rest != "1")
      return base::Error::Of(line.keyword, " takes 0 or 1, not \"", line.rest, "\"");
    *flag = line.rest == "1";
    return base::Ok();
  });
  if (!read) return read.error();
  return options;
}

std::string PlainCaption(std::string_view menuText) {
  std::string_view text = menuText.substr(0, menuText.find('\t'));
  std::string plain;
  for (size_t i = 0; i < text.size(); ++i) {
    // "(&O)" goes whole; a lone "&" marks the next letter and goes.
    if (text[i] == '(' && i + 3 < text.size() && text[i + 1] == '&' && text[i + 3] == ')') {
      i += 3;
      continue;
    }
    if (text[i] == '&') {
      if (i + 1 < text.size() && text[i + 1] == '&') {
        plain += '&';
        ++i;
      }
      continue;
    }
    plain += text[i];
  }
  if (plain.size() >= 3 && plain.compare(plain.size() - 3, 3, "...") == 0)
    plain.resize(plain.size() - 3);
  return std::string(base::Trim(plain, " "));
}

}  // namespace browsim
