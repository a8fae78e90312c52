#include "transfer/write_backup.h"

#include <array>
#include <cstdint>
#include <ctime>

#include "adapters/settings.h"
#include "adapters/texts.h"
#include "base/text_ids.h"
#include "config/app_settings.h"
#include "config/range_table.h"
#include "link/port_map.h"
#include "transfer/gui_link_host.h"
#include "transfer/transfer_dialog.h"
#include "transfer/transfer_prompts.h"
#include "workflow/radio_backup.h"

namespace vex::gui {
namespace {

std::string currentPortDevice() {
  const AppSettings& s = settings::current();
  const PortLookup lookup = [&s](int port) { return s.portDevicePath(port).value_or(std::string()); };
  if (s.portDevice().empty()) return DevicePathForPort(s.comPort(), lookup);
  return DeviceOfPortName(s.portDevice(), lookup);
}

}  // namespace

WriteBackup backUpBeforeWrite(QWidget* owner) {
  if (!settings::backupBeforeWrite()) return {true, {}};
  const std::string dir = settings::backupDirectory();
  if (!PrepareBackupDirectory(dir).empty()) {
    showMessageText(owner, text::kMsgBackupNotSaved, MessageArgument::Text(dir));
    return {};
  }

  // The read stores the radio's identity in the settings, which must go on
  // describing the data about to be written.
  const IdentitySnapshot dataIdentity;
  std::array<std::uint8_t, 8192> image{};
  BackupFile backup;
  bool read = false;
  {
    CDlgTransfer dialog(TransferDirection::Read, image, owner);
    dialog.setWindowTitle(QString::fromStdString(texts::label(text::kCaptionBackupTransfer)));
    dialog.setSummary(messageText(text::kMsgBackupBeforeWrite, MessageArgument::Text(dir)));
    dialog.closeQuietlyWhenDone();
    read = transferPrompts().runTransfer(dialog) == QDialog::Accepted;
    if (read)
      backup = SaveRadioBackup(dir, dialog.radioIdentity(), currentPortDevice(), dialog.radioBand(),
                               RangeTable::instance(), image, std::time(nullptr));
  }
  dataIdentity.restore();
  if (!read) {
    showMessageText(owner, text::kMsgBackupMissing);
    return {};
  }
  if (!backup.saved) {
    showMessageText(owner, text::kMsgBackupNotSaved, MessageArgument::Text(backup.path.string()));
    return {};
  }
  return {true, backup.path.string()};
}

}  // namespace vex::gui
