#include "commands/command_handlers.h"

#include <QPointer>

#include "commands/channel_csv_commands.h"
#include "commands/codeplug_text_commands.h"
#include "workspace/main_frame.h"
#include "workspace/menu_table.h"

namespace vex::gui {

CommandHandlers::CommandHandlers(CMainFrame& frame, AppSettings& settings, std::unique_ptr<Prompts> prompts,
                                 PortProbe probe, QSettings* recentStore)
    : QObject(&frame),
      frame_(frame),
      settings_(settings),
      prompts_(prompts ? std::move(prompts) : std::make_unique<DialogPrompts>(&frame)),
      recent_(recentStore),
      files_(std::make_unique<FileCommands>(frame, *prompts_, settings, recent_)) {
  if (!probe) probe = [&settings] { return ProbeSerialPorts(settings); };
  settingsCommands_ = std::make_unique<SettingsCommands>(frame, *prompts_, settings, *files_, std::move(probe));
  const QPointer<CommandHandlers> self(this);
  for (int command : {kCmdFileNew, kCmdFileOpen, kCmdFileSave, kCmdFileSaveAs, kCmdImportChannels, kCmdExportChannels,
                      kCmdImportText, kCmdExportText, kCmdModelInfo, kCmdLanguage, kCmdPort})
    frame.setCommandHandler(command, [self, command] {
      if (self) self->handle(command);
    });
  frame.setSaveHandler([self] { return self && self->files_->save(); });
}

bool CommandHandlers::handle(int command) {
  switch (command) {
    case kCmdFileNew: files_->newFile(); return true;
    case kCmdFileOpen: files_->open(); return true;
    case kCmdFileSave: files_->save(); return true;
    case kCmdFileSaveAs: files_->saveAs(); return true;
    case kCmdImportChannels: importChannels(frame_, *prompts_); return true;
    case kCmdExportChannels: exportChannels(frame_, *prompts_); return true;
    case kCmdImportText: importText(frame_, *prompts_, ModelStateOf(settings_)); return true;
    case kCmdExportText:
      exportText(frame_, *prompts_, ModelStateOf(settings_), files_->session().fileName());
      return true;
    case kCmdModelInfo: settingsCommands_->modelInformation(); return true;
    case kCmdLanguage: settingsCommands_->language(); return true;
    case kCmdPort: settingsCommands_->port(); return true;
    default: return false;
  }
}

CommandHandlers* InstallCommandHandlers(CMainFrame& frame, AppSettings& settings, std::unique_ptr<Prompts> prompts) {
  auto* handlers = new CommandHandlers(frame, settings, std::move(prompts));
  handlers->files().startUp();
  handlers->files().buildMenus();
  return handlers;
}

}  // namespace vex::gui
