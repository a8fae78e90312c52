#include "workflow/station/radio_job.h"

#include "config/range_table.h"
#include "core/image_layout.h"
#include "core/sections/radio_info_section.h"
#include "link/image_transfer.h"
#include "link/transfer_plan.h"
#include "workflow/radio_backup.h"
#include "workflow/station/sha256.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <ctime>
#include <exception>

namespace vex {

std::string WrittenDigest(const Image& image, bool extendedLevel) {
  Sha256 digest;
  for (const TransferBlock& block : WritePlan(extendedLevel))
    digest.add(std::span<const std::uint8_t>(image.data() + block.address, block.length));
  return digest.hex();
}

std::string SerialNumberOf(const Image& image) {
  RadioInfoSection info;
  std::copy_n(image.begin() + layout::kRadioInfo.first, layout::kRadioInfo.length, info.bytes().begin());
  return info.serialNumber();
}

int StepsPercent(const StationSteps& steps, RadioPhase phase, int percent) {
  const bool readsFirst = steps.readFirst || !steps.backupDir.empty();
  const int total = 1 + (readsFirst ? 1 : 0) + (steps.verify ? 1 : 0);
  int done = 0;  // the phases before this one
  if (phase != RadioPhase::Backup && readsFirst) ++done;
  if (phase == RadioPhase::Verify) ++done;
  return (done * 100 + std::clamp(percent, 0, 100)) / total;
}

namespace {

std::string LocalTimeText(std::time_t when) {
  std::tm local{};
  localtime_r(&when, &local);
  char text[40] = {};
  std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%S%z", &local);
  return text;
}

// The first address whose byte differs within the write's blocks, if any.
std::optional<std::size_t> FirstDifference(const Image& written, const Image& read, bool extendedLevel) {
  for (const TransferBlock& block : WritePlan(extendedLevel)) {
    const auto* a = written.data() + block.address;
    const auto* b = read.data() + block.address;
    const auto [x, y] = std::mismatch(a, a + block.length, b);
    if (x != a + block.length) return block.address + static_cast<std::size_t>(x - a);
  }
  return std::nullopt;
}

class RadioSteps {
 public:
  RadioSteps(StationShared& shared, const StationSteps& steps, const PhaseProgress& progress, RadioResult& result)
      : shared_(shared), steps_(steps), progress_(progress), result_(result) {}

  void run(const ImageChooser& choose) {
    Image before{};
    const bool backup = !steps_.backupDir.empty();
    if (backup || steps_.readFirst) {
      if (!read(RadioPhase::Backup, before, backup ? "the backup read" : "the first read")) return;
      result_.serialNumber = SerialNumberOf(before);
      if (backup && !saveBackup(before)) return;
    }
    const ChosenImage chosen = choose(result_.radio, result_.serialNumber);
    if (!chosen.error.empty()) {
      result_.error = chosen.error + "; nothing was written";
      return;
    }
    Image image = chosen.image;
    bool extendedLevel = false;
    if (!write(image, extendedLevel)) return;
    if (!steps_.verify) {
      if (!backup && !steps_.readFirst) readSerialNumber();
      return;
    }
    Image after{};
    if (!read(RadioPhase::Verify, after, "the read-back")) {
      result_.verify = VerifyResult::Unread;
      return;
    }
    result_.serialNumber = SerialNumberOf(after);
    if (const auto at = FirstDifference(image, after, extendedLevel)) {
      result_.verify = VerifyResult::Different;
      result_.error = "the radio holds other bytes than were written, from address " + std::to_string(*at);
      return;
    }
    result_.verify = VerifyResult::Same;
  }

 private:
  StationHost host(RadioPhase phase) {
    return StationHost(shared_, result_.radio.device, [this, phase](int percent) {
      if (progress_) progress_(phase, percent);
    });
  }

  void noteIdentity(const ImageTransfer& transfer) {
    if (!transfer.Identity().modelName.empty()) result_.model = transfer.Identity().modelName;
    if (!transfer.Identity().version.empty()) result_.firmware = transfer.Identity().version;
  }

  // Why a transfer that did not succeed failed.
  static std::string Reason(const StationHost& host, const std::string& fallback) {
    const std::string said = host.lastMessage();
    return said.empty() ? fallback : said;
  }

  bool read(RadioPhase phase, Image& image, const std::string& what) {
    StationHost reader = host(phase);
    ImageTransfer transfer(TransferDirection::Read, image, reader, steps_.timing);
    transfer.Link().SetTrace(steps_.trace);
    const StartResult started = transfer.Start();
    const TransferOutcome outcome = started == StartResult::Started ? transfer.Wait() : TransferOutcome::Pending;
    noteIdentity(transfer);
    if (outcome == TransferOutcome::Succeeded) {
      identity_ = transfer.Identity();
      band_ = transfer.Band();
      return true;
    }
    const std::string reason = Reason(reader, "the radio did not answer");
    result_.error = reader.refused() || started != StartResult::Started ? reason : what + " failed: " + reason;
    if (phase == RadioPhase::Backup) result_.error += "; nothing was written";
    return false;
  }

  // The radio's information block alone, for its serial number. The data
  // are written by then: a radio that does not answer this keeps its result
  // and only its serial number stays unknown.
  void readSerialNumber() {
    Image info{};
    StationHost reader(shared_, result_.radio.device, {});
    ImageTransfer transfer(TransferDirection::Read, info, reader, steps_.timing);
    transfer.LimitReadTo(layout::kRadioInfo.first + layout::kRadioInfo.length);
    transfer.Link().SetTrace(steps_.trace);
    if (transfer.Start() == StartResult::Started && transfer.Wait() == TransferOutcome::Succeeded)
      result_.serialNumber = SerialNumberOf(info);
  }

  bool saveBackup(const Image& image) {
    BackupFile file;
    {
      std::lock_guard lock(shared_.lock);
      file = SaveRadioBackup(steps_.backupDir, identity_, result_.radio.device, band_, shared_.ranges, image,
                             std::time(nullptr));
    }
    if (file.saved) {
      result_.backupFile = file.path.string();
      return true;
    }
    result_.error =
        "the backup " + file.path.string() + " could not be saved (" + std::strerror(errno) + "); nothing was written";
    return false;
  }

  bool write(Image& image, bool& extendedLevel) {
    StationHost writer = host(RadioPhase::Write);
    ImageTransfer transfer(TransferDirection::Write, image, writer, steps_.timing);
    transfer.Link().SetTrace(steps_.trace);
    const StartResult started = transfer.Start();
    const TransferOutcome outcome = started == StartResult::Started ? transfer.Wait() : TransferOutcome::Pending;
    noteIdentity(transfer);
    extendedLevel = transfer.ExtendedLevel();
    if (outcome == TransferOutcome::Succeeded) {
      result_.written = true;
      result_.sha256 = WrittenDigest(image, extendedLevel);
      return true;
    }
    result_.error = Reason(writer, "the radio did not answer");
    result_.error +=
        transfer.BlocksDone() > 0 ? "; the radio holds partly new data, write it again" : "; nothing was written";
    return false;
  }

  StationShared& shared_;
  const StationSteps& steps_;
  const PhaseProgress& progress_;
  RadioResult& result_;
  RadioIdentity identity_;
  RangeEntry band_{};
};

}  // namespace

RadioResult ProgramRadio(StationShared& shared, const StationRadio& radio, const StationSteps& steps,
                         const ImageChooser& choose, const PhaseProgress& progress) {
  RadioResult result;
  result.radio = radio;
  result.started = LocalTimeText(std::time(nullptr));
  const auto start = std::chrono::steady_clock::now();
  try {
    RadioSteps(shared, steps, progress, result).run(choose);
  } catch (const std::exception& e) {
    result.error = std::string("unexpected failure: ") + e.what();
  }
  result.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  return result;
}

}  // namespace vex
