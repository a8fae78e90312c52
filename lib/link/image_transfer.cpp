#include "link/image_transfer.h"

#include "base/text_ids.h"
#include "core/image_layout.h"
#include "link/host_connect.h"
#include "link/mode_entry.h"
#include "link/protocol.h"
#include "link/transfer_messages.h"

#if defined(__linux__)
#include <sys/prctl.h>
#endif

namespace vex {

namespace {

// The worker spends nearly all its time in the protocol's pauses; the
// kernel's default timer slack would lengthen each of them.
void TightenTimerSlack() {
#if defined(__linux__)
  (void)prctl(PR_SET_TIMERSLACK, 1UL, 0UL, 0UL, 0UL);
#endif
}

}  // namespace

ImageTransfer::ImageTransfer(TransferDirection direction, Image image, TransferHost& host, LinkTiming timing)
    : direction_(direction), image_(image), host_(host), link_(timing) {}

ImageTransfer::~ImageTransfer() { Stop(); }

StartResult ImageTransfer::Cancel(int messageId, const MessageArgument& argument) {
  link_.Close();
  if (messageId != 0) host_.showMessage(messageId, argument);
  return StartResult::Cancelled;
}

StartResult ImageTransfer::Start() {
  if (worker_.joinable()) return StartResult::Cancelled;
  if (ConnectWithHost(link_, host_) == 0) return StartResult::Idle;

  if (!link_.QueryIdentity(kReferenceVersion, identity_)) return Cancel(text::kMsgIdentityFailed);
  if (host_.checkRadio(direction_, identity_, band_) != 0) return Cancel();
  const bool oldFirmware = protocol::IsOldFirmware(identity_.version);
  const bool reading = direction_ == TransferDirection::Read;
  if (!reading && !oldFirmware && !host_.confirmWriteWarning()) return Cancel();

  const std::string bandText = RangeText(band_.lower, band_.upper);
  if (reading) {
    host_.storeIdentity(identity_, bandText, IdentityUse::Transfer);
  } else if (!BandFitsRadio()) {
    return Cancel(text::kMsgBandMismatch, MessageArgument::Text(bandText));
  }

  if (!reading) {
    stamp_ = LocalTimeStamp();
    extendedLevel_ = host_.isExtendedLevel();
  }
  switch (EnterMode(link_, host_, reading ? protocol::kModeRead : protocol::kModeWrite, direction_, oldFirmware)) {
    case ModeEntry::NoAnswer: return Cancel(text::kMsgNoRadio);
    case ModeEntry::Refused: return Cancel(text::kMsgModeRefused);
    case ModeEntry::NoPassword: return Cancel();
    case ModeEntry::Entered: break;
  }

  stop_ = false;
  stopReported_ = false;
  blocksDone_ = 0;
  worker_ = std::thread([this, reading] {
    TightenTimerSlack();
    reading ? ReadWorker() : WriteWorker();
  });
  return StartResult::Started;
}

// The data's range must lie inside the radio's band.
bool ImageTransfer::BandFitsRadio() {
  const RangeEdges data = ParseRangeText(host_.freqRange());
  return data.lower >= band_.lower && data.upper <= band_.upper;
}

TransferOutcome ImageTransfer::Wait() {
  if (worker_.joinable()) worker_.join();
  return outcome_;
}

void ImageTransfer::Stop() {
  stop_ = true;
  Wait();
}

void ImageTransfer::Finish(TransferOutcome outcome, int message, long value) {
  // A radio that answers goes back to its normal mode, also after a stop.
  if (outcome != TransferOutcome::Failed) (void)link_.SetMode(protocol::kModeIdle);
  link_.Close();
  outcome_ = outcome;
  if (message != 0) host_.report({message, value});
}

void ImageTransfer::FinishStopped() {
  Finish(TransferOutcome::Stopped, stopReported_ ? WM_TRANSFER_STOPPED : 0, 0);
}

void ImageTransfer::ReadWorker() {
  std::vector<TransferBlock> plan = ReadPlan();
  const bool whole = readEnd_ == 0;
  if (!whole) std::erase_if(plan, [this](const TransferBlock& b) { return b.address >= readEnd_; });
  for (std::size_t k = 1; k <= plan.size(); ++k) {
    if (StopRequested()) return FinishStopped();
    const TransferBlock& b = plan[k - 1];
    if (!link_.ReadMemory(b.address, b.length, image_.data() + b.address))
      return Finish(TransferOutcome::Failed, WM_READ_FAILED, b.address);
    blocksDone_ = k;
    host_.report({WM_READ_PROGRESS, whole ? ReadPercent(k) : static_cast<long>(100 * k / plan.size())});
  }
  Finish(TransferOutcome::Succeeded, WM_READ_DONE, 0);
}

void ImageTransfer::WriteWorker() {
  const std::vector<TransferBlock> plan = WritePlan(extendedLevel_);
  for (std::size_t k = 1; k <= plan.size(); ++k) {
    if (StopRequested()) return FinishStopped();
    const TransferBlock& b = plan[k - 1];
    if (!link_.WriteMemory(b.address, b.length, image_.data() + b.address))
      return Finish(TransferOutcome::Failed, WM_WRITE_FAILED, b.address);
    blocksDone_ = k;
    host_.report({WM_WRITE_PROGRESS, WritePercent(k, plan.size())});
  }
  if (StopRequested()) return FinishStopped();
  const auto stampAddress = static_cast<std::uint32_t>(layout::kTimeStamp.first);
  if (!link_.WriteMemory(stampAddress, static_cast<std::uint16_t>(stamp_.size()), stamp_.data()))
    return Finish(TransferOutcome::Failed, WM_WRITE_FAILED, stampAddress);
  WriteTimeStamp(image_, stamp_);
  Finish(TransferOutcome::Succeeded, WM_WRITE_DONE, 0);
}

}  // namespace vex
