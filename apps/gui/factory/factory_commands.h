#pragma once
// The factory and service commands of the Program menu: Factory Mode (32698)
// and Adjustment (32697).
namespace vex::gui {

class CMainFrame;
class CDlgFactoryMode;
class CDlgTuning;

// Runs the Factory Mode dialog, then shows what leaving it changed.
void runFactoryMode(CMainFrame& frame);
// Opens the adjustment link, runs the Tuning dialog on it and closes the link.
void runAdjustment(CMainFrame& frame);

// Connects the commands to the main frame's menu.
void installFactoryCommands(CMainFrame& frame);

}  // namespace vex::gui
