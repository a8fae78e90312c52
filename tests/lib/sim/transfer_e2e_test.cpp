// Whole transfers through the real termios code over a pseudo-terminal
// against the simulated radio, at wire speed with the real pauses (the
// *AtWireSpeed cases) or with short pauses. The reply time-out is the real
// one only where the radio never answers.
#include "base/text_ids.h"
#include "link/image_transfer.h"
#include "link/transfer_messages.h"
#include "sim/pty_host.h"
#include "sim/simulated_radio.h"
#include "sim_timing.h"
#include "test_host.h"

#include <gtest/gtest.h>

#include <atomic>

namespace vex {
namespace {

using sim::SimOptions;
using Clock = std::chrono::steady_clock;

sim::Image Pattern(int seed) {
  sim::Image image{};
  for (std::size_t i = 0; i < image.size(); ++i) image[i] = static_cast<std::uint8_t>(i * 7 + seed + i / 256);
  return image;
}

struct Rig {
  explicit Rig(SimOptions options = {}) : radio(std::move(options)), pty(radio) {
    EXPECT_TRUE(pty.Start());
    host.device = pty.SlavePath();
    radio.SetMemory(Pattern(3));
  }
  sim::SimulatedRadio radio;
  sim::PtyHost pty;
  test::TestHost host;
  sim::Image image{};
};

// Lets the worker stop once it has sent `count` progress reports.
void StopAfter(Rig& rig, ImageTransfer& transfer, int count) {
  auto seen = std::make_shared<std::atomic<int>>(0);
  rig.host.onReport = [&transfer, seen, count](const TransferReport&) {
    if (++*seen == count) transfer.RequestStop();
  };
}

bool FirstBlocksMatch(const Rig& rig, std::size_t blocks) {
  const sim::Image memory = rig.radio.Memory();
  return std::equal(memory.begin(), memory.begin() + 32 * blocks, rig.image.begin());
}

// Requests before the first block: greeting, four information items, mode.
constexpr int kPreamble = 6;

TEST(TransferE2E, FullReadCopiesTheRadiosMemoryAtWireSpeed) {
  Rig rig;
  ImageTransfer transfer(TransferDirection::Read, rig.image, rig.host, test::SimTiming());
  ASSERT_EQ(transfer.Start(), StartResult::Started);
  EXPECT_EQ(transfer.Wait(), TransferOutcome::Succeeded);
  EXPECT_EQ(rig.image, rig.radio.Memory());
  const auto reports = rig.host.Reports();
  ASSERT_EQ(reports.size(), 257u);
  EXPECT_EQ(reports[255].message, WM_READ_PROGRESS);
  EXPECT_EQ(reports[255].value, 100);
  EXPECT_EQ(reports[256].message, WM_READ_DONE);
  EXPECT_EQ(rig.radio.Mode(), 1);
  EXPECT_EQ(rig.host.identityStores, 1);
  EXPECT_EQ(rig.host.storedIdentity.modelId, "VEXM1");
  EXPECT_EQ(rig.host.storedIdentity.modelName, "Vex M1");
  EXPECT_EQ(rig.host.storedBand, "400-470");
  EXPECT_FALSE(transfer.Link().IsOpen());
}

TEST(TransferE2E, WriteLandsInThePlannedRangesAndStampsLastAtWireSpeed) {
  Rig rig;
  rig.radio.SetMemory([] {
    sim::Image erased;
    erased.fill(0xFF);
    return erased;
  }());
  rig.image = Pattern(11);
  const sim::Image before = rig.image;
  ImageTransfer transfer(TransferDirection::Write, rig.image, rig.host, test::SimTiming());
  ASSERT_EQ(transfer.Start(), StartResult::Started);
  EXPECT_EQ(transfer.Wait(), TransferOutcome::Succeeded);
  const sim::Image memory = rig.radio.Memory();
  auto written = [](std::size_t a) {
    return (a >= 120 && a < 181) || (a >= 217 && a < 223) || (a >= 254 && a < 5115) || (a >= 32 && a < 40);
  };
  for (std::size_t a = 0; a < memory.size(); ++a) {
    if (a >= 32 && a < 40) continue;
    ASSERT_EQ(memory[a], written(a) ? before[a] : 0xFF) << "address " << a;
  }
  const TimeStamp& stamp = transfer.Stamp();
  EXPECT_TRUE(std::equal(stamp.begin(), stamp.end(), memory.begin() + 32));
  EXPECT_TRUE(std::equal(stamp.begin(), stamp.end(), rig.image.begin() + 32));
  const auto reports = rig.host.Reports();
  ASSERT_EQ(reports.size(), 156u);
  EXPECT_EQ(reports[153].value, 100);
  EXPECT_EQ(reports[154].value, 100);
  EXPECT_EQ(reports[155].message, WM_WRITE_DONE);
  EXPECT_EQ(rig.host.warnings, 1);
  EXPECT_EQ(rig.host.identityStores, 0);
}

TEST(TransferE2E, ReadPasswordAcceptedAtTheSecondAttempt) {
  SimOptions options;
  options.readPassword = "1234";
  Rig rig(options);
  rig.host.passwords = {"9999", "1234"};
  ImageTransfer transfer(TransferDirection::Read, rig.image, rig.host, test::QuickTiming());
  StopAfter(rig, transfer, 3);
  ASSERT_EQ(transfer.Start(), StartResult::Started);
  EXPECT_EQ(transfer.Wait(), TransferOutcome::Stopped);
  EXPECT_EQ(rig.host.passwordPrompts, 2);
  EXPECT_EQ(rig.host.messages, std::vector<int>{text::kMsgWrongPassword});
  EXPECT_TRUE(FirstBlocksMatch(rig, 3));
}

TEST(TransferE2E, WritePasswordRejectedThreeTimesCancels) {
  SimOptions options;
  options.writePassword = "4321";
  Rig rig(options);
  rig.host.passwords = {"1", "2", "3", "4321"};
  const sim::Image before = rig.radio.Memory();
  ImageTransfer transfer(TransferDirection::Write, rig.image, rig.host, test::QuickTiming());
  EXPECT_EQ(transfer.Start(), StartResult::Cancelled);
  EXPECT_EQ(rig.host.passwordPrompts, 3);
  EXPECT_EQ(rig.host.messages,
            (std::vector<int>{text::kMsgWrongPassword, text::kMsgWrongPassword, text::kMsgWrongPassword}));
  EXPECT_FALSE(transfer.Link().IsOpen());
  EXPECT_EQ(rig.radio.Memory(), before);
}

TEST(TransferE2E, CancelledPasswordPromptCancels) {
  SimOptions options;
  options.readPassword = "1";
  Rig rig(options);
  ImageTransfer transfer(TransferDirection::Read, rig.image, rig.host, test::QuickTiming());
  EXPECT_EQ(transfer.Start(), StartResult::Cancelled);
  EXPECT_EQ(rig.host.passwordPrompts, 0);
  EXPECT_TRUE(rig.host.messages.empty());
}

TEST(TransferE2E, OldFirmwareIsReadWithoutPassword) {
  SimOptions options;
  options.version = "1.01.10";
  options.readPassword = "1234";
  Rig rig(options);
  ImageTransfer transfer(TransferDirection::Read, rig.image, rig.host, test::QuickTiming());
  StopAfter(rig, transfer, 2);
  ASSERT_EQ(transfer.Start(), StartResult::Started);
  EXPECT_EQ(transfer.Wait(), TransferOutcome::Stopped);
  EXPECT_EQ(rig.host.passwordPrompts, 0);
  EXPECT_TRUE(FirstBlocksMatch(rig, 2));
}

// A fault on the third block's first request that one retry cures.
void ExpectRecovered(SimOptions options, int extraRequests) {
  Rig rig(options);
  ImageTransfer transfer(TransferDirection::Read, rig.image, rig.host, test::QuickTiming());
  StopAfter(rig, transfer, 5);
  ASSERT_EQ(transfer.Start(), StartResult::Started);
  EXPECT_EQ(transfer.Wait(), TransferOutcome::Stopped);
  EXPECT_TRUE(FirstBlocksMatch(rig, 5));
  // ... and the stop puts the radio back in its normal mode.
  EXPECT_EQ(rig.radio.RequestCount(), kPreamble + 5 + extraRequests + 1);
  // Progress, then the stop itself: a window waiting for it can close.
  const auto reports = rig.host.Reports();
  ASSERT_EQ(reports.size(), 6u);
  for (std::size_t k = 0; k < 5; ++k) EXPECT_EQ(reports[k].message, WM_READ_PROGRESS);
  EXPECT_EQ(reports.back().message, WM_TRANSFER_STOPPED);
}

TEST(TransferE2E, MissingShortAndLateRepliesAreRetried) {
  SimOptions missing;
  missing.faults.noReply = {kPreamble + 3, 1};
  ExpectRecovered(missing, 1);
  SimOptions shortReply;
  shortReply.faults.shortReply = {kPreamble + 3, 2};
  ExpectRecovered(shortReply, 2);
  const LinkTiming timing = test::QuickTiming();
  SimOptions late;  // later than the pause and the time-out together
  late.faults.lateReply = {kPreamble + 3, 1};
  late.faults.lateBy = 2 * std::chrono::duration_cast<std::chrono::milliseconds>(timing.replyTimeout);
  ExpectRecovered(late, 1);
  SimOptions slow;  // later than the pause but well within the reply time-out
  slow.faults.lateReply = {kPreamble + 3, 1};
  slow.faults.lateBy = std::chrono::duration_cast<std::chrono::milliseconds>(timing.requestPause * 4);
  ExpectRecovered(slow, 0);
}

// The read fails with `address` as its report's value. Every retry of a
// dropped reply waits out the time-out; a shorter one keeps that quick, and a
// good reply it ever missed would only be asked for again.
void ExpectReadFailure(SimOptions options, long address) {
  Rig rig(options);
  LinkTiming timing = test::QuickTiming();
  timing.replyTimeout = std::chrono::milliseconds(250);
  ImageTransfer transfer(TransferDirection::Read, rig.image, rig.host, timing);
  ASSERT_EQ(transfer.Start(), StartResult::Started);
  EXPECT_EQ(transfer.Wait(), TransferOutcome::Failed);
  const auto reports = rig.host.Reports();
  ASSERT_FALSE(reports.empty());
  EXPECT_EQ(reports.back().message, WM_READ_FAILED);
  EXPECT_EQ(reports.back().value, address);
  EXPECT_EQ(static_cast<long>(reports.size()), address / 32 + 1);
}

TEST(TransferE2E, CorruptRepliesAndSpentRetriesFailWithTheBlockAddress) {
  SimOptions corrupt;  // a wrong checksum is not retried
  corrupt.faults.badChecksum = {kPreamble + 3, 1};
  ExpectReadFailure(corrupt, 64);
  SimOptions shortReplies;
  shortReplies.faults.shortReply = {kPreamble + 4, 4};  // three tries and the longer last one
  ExpectReadFailure(shortReplies, 96);
  SimOptions silent;
  silent.faults.silentAfter = kPreamble + 4;
  ExpectReadFailure(silent, 128);
}

TEST(TransferE2E, WriteFailureReportsTheBlockAddress) {
  SimOptions options;
  options.faults.badChecksum = {kPreamble + 2, 1};  // the acknowledge of block 2
  Rig rig(options);
  ImageTransfer transfer(TransferDirection::Write, rig.image, rig.host, test::QuickTiming());
  ASSERT_EQ(transfer.Start(), StartResult::Started);
  EXPECT_EQ(transfer.Wait(), TransferOutcome::Failed);
  const auto reports = rig.host.Reports();
  ASSERT_EQ(reports.size(), 2u);
  EXPECT_EQ(reports[1].message, WM_WRITE_FAILED);
  EXPECT_EQ(reports[1].value, 152);
}

TEST(TransferE2E, SilentRadioEndsWith1143InBoundedTime) {
  SimOptions options;
  options.faults.silentAfter = 0;
  Rig rig(options);
  // No reply can come late from a radio that never answers: the real time-out.
  ImageTransfer transfer(TransferDirection::Read, rig.image, rig.host);
  EXPECT_EQ(transfer.Start(), StartResult::Idle);
  EXPECT_EQ(rig.host.messages, std::vector<int>{text::kMsgNoRadio});
  // Bounded: thirty greetings, each waiting out one time-out, then it gives up.
  EXPECT_EQ(test::WaitForRequests(rig.radio, 30), 30);
  EXPECT_EQ(transfer.Wait(), TransferOutcome::Pending);
}

TEST(TransferE2E, PulledCableFailsTheBlockQuickly) {
  Rig rig;
  // A reply time-out far longer than the pauses, so that waiting out even
  // one of them shows.
  LinkTiming timing = test::QuickTiming();
  timing.replyTimeout = std::chrono::seconds(10);
  ImageTransfer transfer(TransferDirection::Read, rig.image, rig.host, timing);
  Clock::time_point pulled;
  rig.host.onReport = [&](const TransferReport& r) {
    if (r.message == WM_READ_PROGRESS && rig.host.Reports().size() == 4) {
      rig.pty.Stop();
      pulled = Clock::now();
    }
  };
  ASSERT_EQ(transfer.Start(), StartResult::Started);
  EXPECT_EQ(transfer.Wait(), TransferOutcome::Failed);
  EXPECT_LT(Clock::now() - pulled, timing.replyTimeout / 2);
  const auto reports = rig.host.Reports();
  EXPECT_EQ(reports.back().message, WM_READ_FAILED);
  EXPECT_EQ(reports.back().value, 128);
}

TEST(TransferE2E, PreparationRefusals) {
  {
    Rig rig;  // the model check refuses: no mode switch is sent
    rig.host.checkResult = 1;
    ImageTransfer transfer(TransferDirection::Read, rig.image, rig.host, test::QuickTiming());
    EXPECT_EQ(transfer.Start(), StartResult::Cancelled);
    EXPECT_EQ(rig.radio.RequestCount(), 5);
    EXPECT_EQ(rig.host.identityStores, 0);
  }
  {
    Rig rig;  // the data's range reaches beyond the radio's band
    rig.host.range = "400-480";
    ImageTransfer transfer(TransferDirection::Write, rig.image, rig.host, test::QuickTiming());
    EXPECT_EQ(transfer.Start(), StartResult::Cancelled);
    ASSERT_EQ(rig.host.messages, std::vector<int>{text::kMsgBandMismatch});
    EXPECT_EQ(rig.host.arguments[0].text, "400-470");
    EXPECT_EQ(rig.radio.Mode(), 1);
  }
  {
    Rig rig;  // the password warning was cancelled
    rig.host.acceptWarning = false;
    ImageTransfer transfer(TransferDirection::Write, rig.image, rig.host, test::QuickTiming());
    EXPECT_EQ(transfer.Start(), StartResult::Cancelled);
    EXPECT_EQ(rig.radio.Mode(), 1);
    EXPECT_FALSE(transfer.Link().IsOpen());
  }
}

}  // namespace
}  // namespace vex
