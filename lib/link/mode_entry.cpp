#include "link/mode_entry.h"

#include "base/text_ids.h"
#include "link/protocol.h"

namespace vex {

bool RunPasswordStep(CRadioLink& link, TransferHost& host, TransferDirection direction) {
  const std::uint8_t kind = direction == TransferDirection::Read ? protocol::kAccessRead : protocol::kAccessWrite;
  for (int attempt = 1; attempt <= kPasswordAttempts; ++attempt) {
    const std::optional<std::string> password = host.askPassword(direction, attempt);
    if (!password) return false;
    if (link.SendPassword(*password, kind)) return true;
    host.showMessage(text::kMsgWrongPassword);
  }
  return false;
}

ModeEntry EnterMode(CRadioLink& link, TransferHost& host, std::uint16_t mode, TransferDirection direction,
                    bool oldFirmware) {
  const int answer = link.SetMode(mode);
  if (answer == 0) return link.ModeRefused() ? ModeEntry::Refused : ModeEntry::NoAnswer;
  if (answer == -1 && !oldFirmware && !RunPasswordStep(link, host, direction)) return ModeEntry::NoPassword;
  return ModeEntry::Entered;
}

}  // namespace vex
