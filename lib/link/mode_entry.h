// Switching the radio into a mode, with the password exchange the radio may
// ask for.
#pragma once

#include "link/radio_link.h"
#include "link/transfer_host.h"

#include <cstdint>

namespace vex {

inline constexpr int kPasswordAttempts = 3;

enum class ModeEntry {
  Entered,     // the radio is in the mode
  NoAnswer,    // the mode switch got no answer
  Refused,     // the radio answered and refused the mode
  NoPassword,  // the password was cancelled or rejected three times
};

// Asks the host for the radio password up to three times and sends it with
// the access kind of the direction; each rejection shows kMsgWrongPassword.
// True once the radio accepts one.
bool RunPasswordStep(CRadioLink& link, TransferHost& host, TransferDirection direction);

// SetMode, then the password step when the radio asks for its password and
// its firmware is not old (old firmware asks but needs none).
ModeEntry EnterMode(CRadioLink& link, TransferHost& host, std::uint16_t mode, TransferDirection direction,
                    bool oldFirmware);

}  // namespace vex
