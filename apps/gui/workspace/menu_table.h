#pragma once
// The main window's menus as tables: command id (0 = separator), default
// text, and the user level that shows the entry.
#include <span>

namespace vex::gui {

enum class MenuLevel { All, Extended, Factory };

struct MenuEntry {
  int command;
  const char* defaultText;
  MenuLevel level;
  const char* shortcut;
};

struct MenuSpec {
  const char* defaultTitle;
  std::span<const MenuEntry> entries;  // empty: the Edit menu, built from the tree table
};

std::span<const MenuSpec> menuTable();

// Command ids used by the main frame.
enum Command : int {
  kCmdFileNew = 57600,
  kCmdFileOpen = 57601,
  kCmdFileSave = 57603,
  kCmdFileSaveAs = 57604,
  kCmdPrintSetup = 57606,
  kCmdPrint = 57607,
  kCmdPrintPreview = 57609,
  kCmdExit = 57665,
  kCmdAbout = 57664,
  kCmdHelpTopics = 57667,
  kCmdToolbar = 59392,
  kCmdStatusBar = 59393,
  kCmdModelInfo = 32771,
  kCmdPort = 32772,
  kCmdRead = 32773,
  kCmdWrite = 32774,
  kCmdMemoryUpdate = 32776,
  kCmdLanguage = 32777,
  kCmdTreeBar = 32778,
  kCmdCloseAll = 32779,
  kCmdAdjustment = 32697,
  kCmdFactoryMode = 32698,
  kCmdWriteTune = 32699,
  kCmdTabBar = 32700,
  kCmdCloseAllButThis = 32904,
  kCmdLogBar = 32905,
  kCmdInvalidView = 32906,
  kCmdCascade = 57650,
  kCmdTile = 57651,
};

}  // namespace vex::gui
