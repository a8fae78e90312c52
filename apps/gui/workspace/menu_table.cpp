#include "workspace/menu_table.h"

namespace vex::gui {
namespace {

using L = MenuLevel;
constexpr MenuEntry kFile[] = {
    {kCmdFileNew, "&New", L::All, "Ctrl+N"},
    {kCmdFileOpen, "&Open...", L::All, "Ctrl+O"},
    {kCmdFileSave, "&Save", L::All, "Ctrl+S"},
    {kCmdFileSaveAs, "Save &As...", L::All, "Ctrl+Shift+S"},
    {0, nullptr, L::All, nullptr},
    {kCmdImportChannels, "&Import Channels...", L::All, nullptr},
    {kCmdExportChannels, "&Export Channels...", L::All, nullptr},
    {kCmdImportText, "I&mport Text...", L::All, nullptr},
    {kCmdExportText, "Export as &Text...", L::All, nullptr},
    {0, nullptr, L::All, nullptr},
    {kCmdPrint, "&Print...", L::All, "Ctrl+P"},
    {kCmdPrintPreview, "Print Pre&view", L::All, nullptr},
    {kCmdPrintSetup, "P&rint Setup...", L::All, nullptr},
    {kCmdExportPdf, "&Export as PDF...", L::All, nullptr},
    {0, nullptr, L::All, nullptr},
    {kCmdExit, "E&xit", L::All, "Ctrl+Q"},
};
constexpr MenuEntry kEditHead[] = {
    {kCmdUndo, "&Undo", L::All, "Ctrl+Z"},
    {kCmdRedo, "&Redo", L::All, "Ctrl+Shift+Z"},
};
constexpr MenuEntry kView[] = {
    {kCmdToolbar, "&Toolbar", L::All, nullptr},
    {kCmdStatusBar, "&Status Bar", L::All, nullptr},
    {kCmdTreeBar, "T&ree Bar", L::All, nullptr},
    {kCmdTabBar, "Ta&b Bar", L::All, nullptr},
    {0, nullptr, L::All, nullptr},
    {kCmdInvalidView, "&Invalid View", L::All, nullptr},
    {kCmdLogBar, "&Log Bar", L::All, nullptr},
};
constexpr MenuEntry kProgram[] = {
    // Radio commands take chords no editing habit reaches (Ctrl+W closes a
    // window everywhere else; a write must never happen by reflex).
    {kCmdRead, "&Read from Radio", L::All, "Ctrl+Alt+R"},
    {kCmdWrite, "&Write to Radio", L::All, "Ctrl+Alt+W"},
    {0, nullptr, L::Extended, nullptr},
    {kCmdFactoryMode, "&Factory Mode", L::Extended, nullptr},
    {kCmdAdjustment, "&Adjustment", L::Extended, nullptr},
    {0, nullptr, L::Extended, nullptr},
    {kCmdWriteTune, "Write &Tune Data", L::Extended, nullptr},
    {0, nullptr, L::Factory, nullptr},
    {kCmdMemoryUpdate, "&Memory Update", L::Factory, nullptr},
};
constexpr MenuEntry kSetting[] = {
    {kCmdPort, "&Communication Port", L::All, nullptr},
    {kCmdModelInfo, "&Model Information", L::All, nullptr},
    {kCmdLanguage, "&Language", L::All, nullptr},
    {0, nullptr, L::All, nullptr},
    {kCmdBackupBeforeWrite, "&Backup before Writing", L::All, nullptr},
};
constexpr MenuEntry kWindow[] = {
    {kCmdCascade, "&Cascade", L::All, nullptr},
    {kCmdTile, "&Tile", L::All, nullptr},
    {0, nullptr, L::All, nullptr},
    {kCmdFrameClose, "&Close", L::All, "Ctrl+W"},
    {kCmdCloseAll, "Close All &Windows", L::All, nullptr},
    {kCmdCloseAllButThis, "Close All &But This", L::All, nullptr},
};
constexpr MenuEntry kHelp[] = {
    {kCmdHelpTopics, "&Help Topics", L::All, nullptr},
    {0, nullptr, L::All, nullptr},
    {kCmdAbout, "&About vexprog...", L::All, nullptr},
};

constexpr MenuDef kMenus[] = {
    {"&File", kFile},       {"&Edit", {}},        {"&View", kView}, {"&Program", kProgram},
    {"&Setting", kSetting}, {"&Window", kWindow}, {"&Help", kHelp},
};

}  // namespace

std::span<const MenuDef> menuTable() { return kMenus; }
std::span<const MenuEntry> editMenuHead() { return kEditHead; }

}  // namespace vex::gui
