#include "link/factory_link.h"

#include "base/text_ids.h"
#include "link/host_connect.h"
#include "link/image_transfer.h"
#include "link/protocol.h"
#include "link/transfer_plan.h"

namespace vex {

int OpenFactoryLink(CRadioLink& link, std::uint16_t mode, TransferHost& host) {
  if (ConnectWithHost(link, host) == 0) return 0;

  RadioIdentity identity;
  if (!link.QueryIdentity(kReferenceVersion, identity)) {
    link.Close();
    host.showMessage(text::kMsgIdentityFailed);
    return 0;
  }
  const TransferDirection direction = mode == protocol::kModeWrite ? TransferDirection::Write : TransferDirection::Read;
  RangeEntry band;
  if (host.checkRadio(direction, identity, band) != 0) {
    link.Close();
    return 0;
  }
  const std::string bandText = RangeText(band.lower, band.upper);
  if (mode == protocol::kModeWrite && bandText != host.freqRange()) {
    link.Close();
    host.showMessage(text::kMsgBandMismatch, MessageArgument::Text(bandText));
    return 0;
  }
  host.storeIdentity(identity, bandText, IdentityUse::FactoryLink);
  host.factoryLinkOpened(band);
  if (link.SetMode(mode) == 0) {
    link.Close();
    return 0;
  }
  return 1;
}

int WriteTuneData(CRadioLink& link, std::span<const std::uint8_t, 8192> image, TransferHost& host) {
  if (!OpenFactoryLink(link, protocol::kModeWrite, host)) return 0;
  int written = 1;
  for (const TransferBlock& b : TunePlan()) {
    if (!link.WriteMemory(b.address, b.length, image.data() + b.address)) {
      host.showMessage(text::kMsgWriteFailedAt, MessageArgument::Number(b.address & 0xFFFF));
      written = 0;
      break;
    }
  }
  if (written) host.showMessage(text::kMsgTuneDataWritten);
  (void)link.SetMode(protocol::kModeIdle);
  link.Close();
  return written;
}

}  // namespace vex
