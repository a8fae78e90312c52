#pragma once
// Every command id of the desktop program, by name: menu and toolbar
// commands, the tree's items (groups and views) and the child frame's menu.
// The numbers are the program's historic ones; language files key menu
// texts and status prompts by them.
namespace vex::gui {

enum Command : int {
  // File
  kCmdFileNew = 57600,
  kCmdFileOpen = 57601,
  kCmdFileSave = 57603,
  kCmdFileSaveAs = 57604,
  kCmdImportChannels = 32907,
  kCmdExportChannels = 32908,
  kCmdExportText = 32910,
  kCmdImportText = 32911,
  kCmdPrintSetup = 57606,
  kCmdPrint = 57607,
  kCmdPrintPreview = 57609,
  kCmdExportPdf = 32960,
  kCmdExit = 57665,
  kCmdUndo = 57643,
  kCmdRedo = 57644,
  // View
  kCmdToolbar = 59392,
  kCmdStatusBar = 59393,
  kCmdTreeBar = 32778,
  kCmdTabBar = 32700,
  kCmdLogBar = 32905,
  kCmdInvalidView = 32906,
  // Program
  kCmdRead = 32773,
  kCmdWrite = 32774,
  kCmdMemoryUpdate = 32776,
  kCmdAdjustment = 32697,
  kCmdFactoryMode = 32698,
  kCmdWriteTune = 32699,
  kCmdStation = 32961,
  // Setting
  kCmdModelInfo = 32771,
  kCmdPort = 32772,
  kCmdLanguage = 32777,
  kCmdBackupBeforeWrite = 32909,
  // Window
  kCmdCascade = 57650,
  kCmdTile = 57651,
  kCmdCloseAll = 32779,
  kCmdCloseAllButThis = 32904,
  // Help
  kCmdAbout = 57664,
  kCmdHelpTopics = 57667,

  // The tree and the Edit menu: groups (which open their first view) and views.
  kCmdViewRadioInfo = 32800,
  kCmdGroupRadioSettings = 32801,
  kCmdViewKeys = 32802,
  kCmdViewMisc = 32803,
  kCmdGroupAlertTones = 32806,
  kCmdViewAtis = 32807,
  kCmdViewPttId = 32808,
  kCmdViewDos = 32809,
  kCmdViewPasswords = 32813,
  kCmdGroupChannels = 32821,
  kCmdViewChannel = 32822,
  kCmdGroupPersonalities = 32823,
  kCmdViewPersonality = 32824,
  kCmdGroupScan = 32883,
  kCmdViewScan = 32884,
  kCmdViewEmbedded = 32886,
  kCmdViewTestFreq = 32887,
  kCmdViewDataWatch = 32888,
  kCmdViewAlertTone = 32889,
  kCmdViewChannelList = 32895,

  // The child frame's menu ("Min", "Restore", "Max", "Close").
  kCmdFrameMinimize = 32900,
  kCmdFrameRestore = 32901,
  kCmdFrameMaximize = 32902,
  kCmdFrameClose = 32903,
};

}  // namespace vex::gui
