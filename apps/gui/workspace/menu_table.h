#pragma once
// The main window's menus as tables: command id (0 = separator), default
// text, the user level that shows the entry, and its shortcut. The shortcuts
// here are the program's key table: a language file's accelerator text after
// a tab is only shown, never bound.
#include <span>

#include "commands/command_ids.h"

namespace vex::gui {

enum class MenuLevel { All, Extended, Factory };

struct MenuEntry {
  int command;
  const char* defaultText;
  MenuLevel level;
  const char* shortcut;
};

struct MenuDef {
  const char* defaultTitle;
  std::span<const MenuEntry> entries;  // empty: the Edit menu, built from the tree table
};

std::span<const MenuDef> menuTable();
// The Edit menu's own entries above the views (Undo, Redo).
std::span<const MenuEntry> editMenuHead();

}  // namespace vex::gui
