#include "link/embedded_link.h"

#include "base/text_ids.h"
#include "link/block_steps.h"
#include "link/host_connect.h"
#include "link/mode_entry.h"
#include "link/protocol.h"

namespace vex {

std::vector<TransferBlock> EmbeddedPlan() {
  return {{kEmbeddedRadioAddress, 32},
          {kEmbeddedRadioAddress + 32, 32},
          {kEmbeddedRadioAddress + 64, 32},
          {kEmbeddedRadioAddress + 96, 32},
          {kEmbeddedRadioAddress + 128, 16}};
}

int ReadEmbeddedData(CRadioLink& link, TransferHost& host, EmbeddedBytes& out) {
  RadioIdentity identity;
  if (!Identify(link, host, identity, true)) return 0;
  RangeEntry band;
  if (host.checkRadio(TransferDirection::Read, identity, band) != 0) return FailSession(link, host);
  host.storeIdentity(identity, RangeText(band.lower, band.upper), IdentityUse::FactoryLink);
  host.identityRefreshed(band);
  if (!EnterReadMode(link, host, identity)) return 0;
  EmbeddedBytes buffer{};
  if (!ReadBlocks(link, host, EmbeddedPlan(), buffer.data(), kEmbeddedRadioAddress)) return 0;
  out = buffer;
  return FinishSession(link, host, text::kMsgReadDone);
}

int WriteEmbeddedData(CRadioLink& link, TransferHost& host, const EmbeddedBytes& bytes) {
  if (ConnectWithHost(link, host) == 0) return 0;
  if (link.SetMode(protocol::kModeWrite) == 0) return FailSession(link, host, text::kMsgNoRadio);
  if (!WriteBlocks(link, host, EmbeddedPlan(), bytes.data(), kEmbeddedRadioAddress)) return 0;
  return FinishSession(link, host, text::kMsgWriteDone);
}

bool ConfirmEmbeddedPassword(const std::string& password,
                             const std::function<std::optional<std::string>(int attempt)>& ask,
                             const std::function<void(int messageId)>& showMessage) {
  if (password.empty()) return true;
  for (int attempt = 1; attempt <= kPasswordAttempts; ++attempt) {
    const std::optional<std::string> answer = ask(attempt);
    if (!answer) return false;
    if (*answer == password) return true;
    showMessage(text::kMsgWrongPassword);
  }
  return false;
}

}  // namespace vex
