// The factory connection on a shared link: identify the radio, check it and
// switch it into a factory mode; and the write of the adjustment values.
#pragma once

#include "link/radio_link.h"
#include "link/transfer_host.h"

#include <cstdint>
#include <span>

namespace vex {

// 1 with the link open and in `mode` (3 tuning write, 6 adjustment), else 0
// with the port closed.
int OpenFactoryLink(CRadioLink& link, std::uint16_t mode, TransferHost& host);

// Opens the factory link in mode 3 and writes image 5667..6198 in 17 blocks;
// shows kMsgWriteFailedAt with the failing address or kMsgTuneDataWritten,
// then leaves the mode and closes. 1 when every block was written.
int WriteTuneData(CRadioLink& link, std::span<const std::uint8_t, 8192> image, TransferHost& host);

}  // namespace vex
