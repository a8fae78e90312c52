// The settings-backed host: the port comes from [Ports], the model check and
// the identity go through AppSettings and the model catalogue.
#include "config/app_settings.h"
#include "config/radio_compatibility.h"
#include "config/range_table.h"
#include "base/text_ids.h"
#include "link/image_transfer.h"
#include "workflow/settings_transfer_host.h"
#include "link/transfer_messages.h"
#include "sim/pty_host.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace vex {
namespace {

namespace fs = std::filesystem;

class Host : public SettingsTransferHost {
 public:
  using SettingsTransferHost::SettingsTransferHost;
  std::vector<int> messages;
  ImageTransfer* transfer = nullptr;

  std::optional<std::string> askPassword(TransferDirection, int) override { return std::nullopt; }
  void showMessage(int id, const MessageArgument&) override { messages.push_back(id); }
  bool confirmWriteWarning() override { return true; }
  void report(const TransferReport&) override { transfer->RequestStop(); }
};

struct Station {
  explicit Station(sim::SimOptions options) : radio(std::move(options)), pty(radio) {
    EXPECT_TRUE(pty.Start());
    dir = fs::temp_directory_path() / ("vexlink-" + std::to_string(::getpid()) + "-" +
                                       ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::create_directories(dir);
    for (const char* name : {"Model.dat", "VEX_E.lng", "VEX_S.lng", "volume.ini"})
      fs::copy_file(fs::path(VEX_DATA_DIR) / name, dir / name, fs::copy_options::overwrite_existing);
    std::ofstream(dir / "Settings.ini") << "[Setting]\nComPort=4\nModelName=Vex M1\nModelID=VEXM1\n"
                                           "FreqRange=446-446\n\n[Ports]\nCOM4="
                                        << pty.SlavePath() << "\n";
    for (int n = 1; n <= 16; ++n) {
      if (n != 4) std::ofstream(dir / "Settings.ini", std::ios::app) << "COM" << n << "=/nonexistent/tty\n";
    }
  }
  ~Station() { fs::remove_all(dir); }
  sim::SimulatedRadio radio;
  sim::PtyHost pty;
  fs::path dir;
};

TEST(SettingsHostE2E, ReadStoresTheRadiosIdentityInTheSettings) {
  Station station({});
  AppSettings settings(DataPaths(station.dir, station.dir, DataPaths::Access::ReadOnly));
  settings.readLanguageSetting();
  RangeTable ranges;
  ranges.loadForCurrentModel(settings);
  Host host(settings, ranges);
  sim::Image image{};
  ImageTransfer transfer(TransferDirection::Read, image, host);
  host.transfer = &transfer;
  ASSERT_EQ(transfer.Start(), StartResult::Started) << ::testing::PrintToString(host.messages);
  EXPECT_EQ(transfer.Wait(), TransferOutcome::Stopped);
  EXPECT_TRUE(host.messages.empty());
  EXPECT_EQ(settings.comPort(), 4);
  EXPECT_EQ(settings.modelId(), "VEXM1");
  EXPECT_EQ(settings.freqRange(), "400-470");
  EXPECT_EQ(settings.previousFreqRange(), "446-446");
  EXPECT_EQ(settings.dataVersion(), "1.03.11");
  EXPECT_EQ(transfer.Band().lower, 400);
}

TEST(SettingsHostE2E, ModelCheckRefusalsShowTheirMessage) {
  sim::SimOptions otherName;
  otherName.modelName = "Other";
  Station station(otherName);
  AppSettings settings(DataPaths(station.dir, station.dir, DataPaths::Access::ReadOnly));
  RangeTable ranges;
  Host host(settings, ranges);
  sim::Image image{};
  ImageTransfer transfer(TransferDirection::Write, image, host);
  EXPECT_EQ(transfer.Start(), StartResult::Cancelled);
  EXPECT_EQ(host.messages, std::vector<int>{CompatibilityResult::kMismatchMessage});
  EXPECT_EQ(station.radio.Mode(), 1);  // refused before any mode switch
}

}  // namespace
}  // namespace vex
