#include "link/block_steps.h"

#include "base/text_ids.h"
#include "link/host_connect.h"
#include "link/image_transfer.h"
#include "link/mode_entry.h"
#include "link/protocol.h"

namespace vex {

namespace {

// Runs `transfer` for every block; at a failed one closes the link and shows
// the message with the block's address.
template <class Transfer>
bool RunBlocks(CRadioLink& link, TransferHost& host, const std::vector<TransferBlock>& plan, int failMessage,
               Transfer transfer) {
  for (const TransferBlock& b : plan) {
    if (!transfer(b)) {
      link.Close();
      host.showMessage(failMessage, MessageArgument::Number(b.address & 0xFFFF));
      return false;
    }
  }
  return true;
}

}  // namespace

bool ReadBlocks(CRadioLink& link, TransferHost& host, const std::vector<TransferBlock>& plan, std::uint8_t* base,
                std::uint32_t origin) {
  return RunBlocks(link, host, plan, text::kMsgReadFailedAt, [&](const TransferBlock& b) {
    return link.ReadMemory(b.address, b.length, base + (b.address - origin)) == 1;
  });
}

bool WriteBlocks(CRadioLink& link, TransferHost& host, const std::vector<TransferBlock>& plan, const std::uint8_t* base,
                 std::uint32_t origin) {
  return RunBlocks(link, host, plan, text::kMsgWriteFailedAt, [&](const TransferBlock& b) {
    return link.WriteMemory(b.address, b.length, base + (b.address - origin)) == 1;
  });
}

bool Identify(CRadioLink& link, TransferHost& host, RadioIdentity& identity, bool leaveModeOnFailure) {
  if (ConnectWithHost(link, host) == 0) return false;
  if (link.QueryIdentity(kReferenceVersion, identity)) return true;
  if (leaveModeOnFailure) (void)link.SetMode(protocol::kModeIdle);
  FailSession(link, host, text::kMsgIdentityFailed);
  return false;
}

bool EnterReadMode(CRadioLink& link, TransferHost& host, const RadioIdentity& identity) {
  const bool oldFirmware = protocol::IsOldFirmware(identity.version);
  switch (EnterMode(link, host, protocol::kModeRead, TransferDirection::Read, oldFirmware)) {
    case ModeEntry::NoAnswer: FailSession(link, host, text::kMsgNoRadio); return false;
    case ModeEntry::Refused: FailSession(link, host, text::kMsgModeRefused); return false;
    case ModeEntry::NoPassword: FailSession(link, host); return false;
    case ModeEntry::Entered: break;
  }
  return true;
}

int FailSession(CRadioLink& link, TransferHost& host, int messageId) {
  link.Close();
  if (messageId != 0) host.showMessage(messageId);
  return 0;
}

int FinishSession(CRadioLink& link, TransferHost& host, int messageId) {
  (void)link.SetMode(protocol::kModeIdle);
  link.Close();
  host.showMessage(messageId);
  return 1;
}

}  // namespace vex
