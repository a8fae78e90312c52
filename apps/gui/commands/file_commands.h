#pragma once
// The File commands of the main window over the library's codeplug flows:
// New, Open, the recent-file list, Save and Save As. Every outcome's message
// is shown here; the frame is brought in step with the data afterwards.
#include <string>

#include <QObject>

#include "core/codeplug_flows.h"
#include "workflow/codeplug_settings_host.h"

class QMenu;

namespace vex::gui {

class CMainFrame;
class Prompts;
class RecentFiles;

class FileCommands : public QObject {
  Q_OBJECT
 public:
  FileCommands(CMainFrame& frame, Prompts& prompts, AppSettings& settings, RecentFiles& recent);

  // The New that start-up performs: it asks nothing.
  void startUp();
  bool newFile();
  bool open();
  // Opens a file without asking for it (a file named on the command line).
  bool openPath(const std::string& path);
  bool openRecent(const std::string& path);
  bool save();
  bool saveAs();
  // Replaces the data with the default data of the current model and range
  // (after a model or language change).
  bool loadDefaultData();

  // Rebuilds the frame's menus and puts the recent files into the File
  // menu, above its last entry (Exit).
  void buildMenus();
  CodeplugSession& session() { return session_; }

 private:
  // Shows the outcome's message and keeps the recent-file list; true for ok.
  bool report(const FlowOutcome& outcome, const std::string& path);
  void showNewData();
  void savedTo(const std::string& path);
  SaveAsPrompt saveAsPrompt();
  void refreshRecentMenu();
  QMenu* fileMenu() const;

  CMainFrame& frame_;
  Prompts& prompts_;
  RecentFiles& recent_;
  SettingsCodeplugHost host_;
  CodeplugSession session_;
};

}  // namespace vex::gui
