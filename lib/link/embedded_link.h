// The embedded data (password, a second text and four messages) read from
// and written to the radio directly. The radio keeps them at 5176..5319,
// sixteen bytes above where the memory image carries the same 144 bytes
// (5160..5303); each path round-trips its own bytes.
#pragma once

#include "link/radio_link.h"
#include "link/transfer_host.h"
#include "link/transfer_plan.h"

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace vex {

inline constexpr std::uint32_t kEmbeddedRadioAddress = 5176;
inline constexpr std::size_t kEmbeddedLength = 144;
using EmbeddedBytes = std::array<std::uint8_t, kEmbeddedLength>;

// Four blocks of 32 bytes and one of 16 from 5176.
std::vector<TransferBlock> EmbeddedPlan();

// Connects, identifies and checks the radio, stores its identity (then
// identityRefreshed), enters the read mode with the password step the radio
// may ask for, and reads the 144 bytes. Messages: kMsgIdentityFailed,
// kMsgNoRadio, kMsgReadFailedAt with the block address, kMsgReadDone.
// 1 with `out` filled; 0 with `out` unchanged.
int ReadEmbeddedData(CRadioLink& link, TransferHost& host, EmbeddedBytes& out);

// Connects and, without identifying the radio, enters the write mode and
// writes the 144 bytes. Messages: kMsgNoRadio, kMsgWriteFailedAt with the
// block address, kMsgWriteDone. 1 when every block was written.
int WriteEmbeddedData(CRadioLink& link, TransferHost& host, const EmbeddedBytes& bytes);

// Before a write: when the embedded-data password is not empty, asks for it
// up to three times (`ask` gets the attempt, nullopt is Cancel); a wrong
// answer shows kMsgWrongPassword. True when the write may go on.
bool ConfirmEmbeddedPassword(const std::string& password,
                             const std::function<std::optional<std::string>(int attempt)>& ask,
                             const std::function<void(int messageId)>& showMessage);

}  // namespace vex
