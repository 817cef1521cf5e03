#pragma once
// The main window's menu bar as data, so the window only builds widgets
// from it: names, captions with their "&" letters, shortcuts, and the
// check marks and enabled states before the settings file is read.

#include <optional>
#include <string_view>
#include <vector>

#include "rules/options.h"

namespace zunpa::ui {

struct MenuItem {
  std::string_view name;
  int index = -1;             // member of a control array; -1 for a lone item
  std::string_view caption;   // "-" for a separator
  std::string_view shortcut;  // "F2", "Ctrl+S" or empty
  bool checkable = false;
  bool checked = false;
  bool enabled = true;
  std::vector<MenuItem> items;
  bool IsSeparator() const { return caption == "-"; }
};

std::vector<MenuItem> InitialMenuBar();
// The bar the window shows: the items above, and those that go beyond the
// table (a numbered game, the log, the chart, the hint, card motion).
std::vector<MenuItem> WindowMenuBar();
// The web page's bar: the window's, and the data files out to a download
// and in from the player's own, since a page has no folder of its own.
std::vector<MenuItem> PageMenuBar();

// The letter marked by "&" in a caption, or 0 when there is none.
char AcceleratorOf(std::string_view caption);

// The item of this name (and member index) anywhere in the bar.
const MenuItem* FindMenuItem(const std::vector<MenuItem>& bar, std::string_view name, int index = -1);

// The check mark of an option item under these options; nothing for an
// item that shows no option.
std::optional<bool> CheckMarkOf(const Options& options, std::string_view name, int index = -1);

}  // namespace zunpa::ui
