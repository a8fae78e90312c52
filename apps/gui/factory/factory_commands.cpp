#include "factory/factory_commands.h"

#include "adapters/settings.h"
#include "factory/factory_mode_dialog.h"
#include "transfer/radio_work.h"
#include "factory/tuning_dialog.h"
#include "link/protocol.h"
#include "transfer/gui_link_host.h"
#include "transfer/transfer_commands.h"
#include "views/messages.h"
#include "workspace/main_frame.h"
#include "workspace/menu_table.h"

namespace vex::gui {

void runFactoryMode(CMainFrame& frame) {
  CDlgFactoryMode dialog(&frame);
  dialog.exec();
  const FactoryChanges& changes = dialog.changes();
  if (changes.range) {
    const FactoryModel& model = dialog.model();
    const auto flags = static_cast<std::uint8_t>(model.isVhf() ? 0x80 : 0x00);
    offerNewRange(&frame, {model.lowerEdge(), model.upperEdge(), model.lowerEdge(), model.upperEdge(), flags});
  }
  if (changes.modelName) frame.fillTree();
  frame.updateStatusTexts();
  frame.sendToViews(WM_VIEW_LOAD, ViewClass::Radio);
}

void runAdjustment(CMainFrame& frame) {
  if (openFactoryLink(frame, protocol::kModeTune) != 1) return;
  CRadioLink& link = sharedRadioLink();
  {
    CDlgTuning dialog(link, &frame);
    dialog.exec();
  }
  runRadioWork(&frame, [&link](TransferHost&) {
    (void)link.SetMode(protocol::kModeIdle);
    link.Close();
    return 1;
  });
}

void installFactoryCommands(CMainFrame& frame) {
  frame.setCommandHandler(kCmdFactoryMode, [&frame] { runFactoryMode(frame); });
  frame.setCommandHandler(kCmdAdjustment, [&frame] { runAdjustment(frame); });
}

}  // namespace vex::gui
