#pragma once
// Connects the file and settings commands to the main frame: the frame
// passes every command here first.
#include <memory>

#include <QObject>

#include "commands/file_commands.h"
#include "commands/prompts.h"
#include "commands/recent_files.h"
#include "commands/settings_commands.h"

namespace vex::gui {

class CommandHandlers : public QObject {
  Q_OBJECT
 public:
  // Null `prompts` and `probe` mean the real dialogs and serial ports; tests
  // give their own (and a QSettings store for the recent files).
  CommandHandlers(CMainFrame& frame, AppSettings& settings, std::unique_ptr<Prompts> prompts = nullptr,
                  PortProbe probe = nullptr, QSettings* recentStore = nullptr);

  // True for a command handled here.
  bool handle(int command);

  FileCommands& files() { return *files_; }
  SettingsCommands& settingsCommands() { return *settingsCommands_; }
  RecentFiles& recentFiles() { return recent_; }

 private:
  CMainFrame& frame_;
  AppSettings& settings_;
  std::unique_ptr<Prompts> prompts_;
  RecentFiles recent_;
  std::unique_ptr<FileCommands> files_;
  std::unique_ptr<SettingsCommands> settingsCommands_;
};

// Creates the handlers as a child of the frame, registers them and runs the
// start-up New. Null `prompts` means the real dialogs.
CommandHandlers* InstallCommandHandlers(CMainFrame& frame, AppSettings& settings,
                                        std::unique_ptr<Prompts> prompts = nullptr);

}  // namespace vex::gui
