// The settings-backed host: the port comes from [Ports], the model check and
// the identity go through AppSettings and the model catalogue.
#include "base/text_ids.h"
#include "config/app_settings.h"
#include "config/radio_compatibility.h"
#include "config/range_table.h"
#include "link/image_transfer.h"
#include "link/transfer_messages.h"
#include "settings_station.h"
#include "workflow/settings_transfer_host.h"

#include <gtest/gtest.h>

namespace vex {
namespace {

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

using Station = test::SettingsStation;

TEST(SettingsHostE2E, ReadStoresTheRadiosIdentityInTheSettings) {
  Station station({});
  AppSettings settings(DataPaths(station.dir, station.dir, DataPaths::Access::ReadOnly));
  settings.readLanguageSetting();
  RangeTable ranges;
  ranges.loadForCurrentModel(settings);
  Host host(settings, ranges);
  sim::Image image{};
  ImageTransfer transfer(TransferDirection::Read, image, host, test::QuickTiming());
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
  ImageTransfer transfer(TransferDirection::Write, image, host, test::QuickTiming());
  EXPECT_EQ(transfer.Start(), StartResult::Cancelled);
  EXPECT_EQ(host.messages, std::vector<int>{CompatibilityResult::kMismatchMessage});
  EXPECT_EQ(station.radio.Mode(), 1);  // refused before any mode switch
}

}  // namespace
}  // namespace vex
