// A whole-image read or write: the preparation on the caller's thread
// (connect, identity, model check, mode switch, password) and the block
// transfer on a worker thread that reports through TransferHost::report.
#pragma once

#include "core/time_stamp.h"
#include "link/radio_link.h"
#include "link/transfer_host.h"
#include "link/transfer_plan.h"

#include <atomic>
#include <cstdint>
#include <span>
#include <thread>

namespace vex {

inline constexpr char kReferenceVersion[] = "1.03.11";

enum class StartResult {
  Idle = -1,      // no radio answered; nothing changed, the caller may try again
  Cancelled = 0,  // stopped during preparation (the reason was shown)
  Started = 1,    // the worker runs
};

enum class TransferOutcome { Pending, Succeeded, Failed, Stopped };

class ImageTransfer {
 public:
  using Image = std::span<std::uint8_t, 8192>;

  ImageTransfer(TransferDirection direction, Image image, TransferHost& host, LinkTiming timing = {});
  // Stops a running worker between blocks and waits for it.
  ~ImageTransfer();
  ImageTransfer(const ImageTransfer&) = delete;
  ImageTransfer& operator=(const ImageTransfer&) = delete;

  // A read of the blocks that hold the bytes before `end` only (the radio
  // information at the start of the memory, say); set before Start.
  void LimitReadTo(std::size_t end) { readEnd_ = end; }

  StartResult Start();
  // Waits for the worker; Pending when none was started.
  TransferOutcome Wait();
  // Asks the worker to stop before its next block, then waits for it.
  void Stop();
  // Asks the worker to stop before its next block without waiting; safe
  // to call from the report callback. The worker's last report is then
  // WM_TRANSFER_STOPPED, unless the transfer ended first.
  void RequestStop() {
    stopReported_ = true;
    stop_ = true;
  }

  TransferDirection Direction() const { return direction_; }
  const RadioIdentity& Identity() const { return identity_; }
  const RangeEntry& Band() const { return band_; }
  const TimeStamp& Stamp() const { return stamp_; }
  // Blocks the worker has transferred so far; after a failed write, more
  // than 0 means the radio holds partly new data.
  std::size_t BlocksDone() const { return blocksDone_.load(); }
  // Whether the write goes to the extended level's plan (known once started).
  bool ExtendedLevel() const { return extendedLevel_; }
  CRadioLink& Link() { return link_; }

 private:
  // Closes the port and shows the message, if any.
  StartResult Cancel(int messageId = 0, const MessageArgument& argument = {});
  bool BandFitsRadio();
  void ReadWorker();
  void WriteWorker();
  void Finish(TransferOutcome outcome, int message, long value);
  void FinishStopped();
  bool StopRequested() const { return stop_.load(std::memory_order_relaxed); }

  TransferDirection direction_;
  Image image_;
  TransferHost& host_;
  CRadioLink link_;
  RadioIdentity identity_;
  RangeEntry band_;
  TimeStamp stamp_{};
  bool extendedLevel_ = false;
  std::thread worker_;
  std::atomic<bool> stop_{false};
  // Stop() from the caller's thread waits without a report: the caller may
  // be the thread a report would have to reach.
  std::atomic<bool> stopReported_{false};
  std::atomic<std::size_t> blocksDone_{0};
  std::size_t readEnd_ = 0;  // 0: the whole memory
  TransferOutcome outcome_ = TransferOutcome::Pending;
};

}  // namespace vex
