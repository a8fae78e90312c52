// Steps the factory windows' radio work shares: block reads and writes that
// stop at the first failed block, and the ends of a session.
#pragma once

#include "link/radio_link.h"
#include "link/transfer_host.h"
#include "link/transfer_plan.h"

#include <cstdint>
#include <vector>

namespace vex {

// Reads every block of the plan into `base`, where base[0] stands for radio
// address `origin`. At a failed block: closes the link without leaving the
// mode, shows kMsgReadFailedAt with the block's address and returns false.
bool ReadBlocks(CRadioLink& link, TransferHost& host, const std::vector<TransferBlock>& plan, std::uint8_t* base,
                std::uint32_t origin);
// The same for writes, with kMsgWriteFailedAt.
bool WriteBlocks(CRadioLink& link, TransferHost& host, const std::vector<TransferBlock>& plan, const std::uint8_t* base,
                 std::uint32_t origin);

// Connects and queries the radio's identity. When the query fails: leaves
// the mode if asked to, closes the link, shows kMsgIdentityFailed.
bool Identify(CRadioLink& link, TransferHost& host, RadioIdentity& identity, bool leaveModeOnFailure);
// Enters the read mode with the password step the radio may ask for; when
// that fails closes the link (kMsgNoRadio for no answer).
bool EnterReadMode(CRadioLink& link, TransferHost& host, const RadioIdentity& identity);

// Closes the link and shows the message, if any; always 0.
int FailSession(CRadioLink& link, TransferHost& host, int messageId = 0);
// Leaves the mode (its answer does not matter), closes the link and shows
// the message; always 1.
int FinishSession(CRadioLink& link, TransferHost& host, int messageId);

}  // namespace vex
