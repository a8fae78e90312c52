// A radio with firmware older than 1.02, read, saved with Save As, opened
// again and written back, keeps every byte it had: opening the file used to
// clear its DOS byte (image byte 260).
#include "config/app_settings.h"
#include "config/range_table.h"
#include "core/codeplug_flows.h"
#include "core/container.h"
#include "core/image_layout.h"
#include "core/invalid_log.h"
#include "link/image_transfer.h"
#include "settings_station.h"
#include "workflow/codeplug_settings_host.h"
#include "workflow/settings_transfer_host.h"

#include <gtest/gtest.h>

#include <memory>
#include <span>

namespace vex {
namespace {

class RunningHost : public SettingsTransferHost {
 public:
  using SettingsTransferHost::SettingsTransferHost;
  std::vector<int> messages;

  std::optional<std::string> askPassword(TransferDirection, int) override { return std::nullopt; }
  void showMessage(int id, const MessageArgument&) override { messages.push_back(id); }
  bool confirmWriteWarning() override { return true; }
  void report(const TransferReport&) override {}
};

// Radio memory the codec reproduces byte for byte and validation accepts:
// the default records, every section filled with varied bytes, and a DOS
// byte that is not 0.
Image RadioMemory() {
  auto data = std::make_unique<RadioDataContainer>();
  data->resetToDefaults();
  int n = 0;
  const auto vary = [&n](std::span<std::uint8_t> bytes) {
    for (std::uint8_t& b : bytes) b = static_cast<std::uint8_t>(++n * 13 + 5);
  };
  vary(data->radioInfo().bytes());
  vary(data->keys().bytes());
  vary(data->misc().bytes());
  vary(data->atis().bytes());
  vary(data->passwords().bytes());
  vary(data->testFreq().bytes());
  vary(data->embedded().bytes());
  vary(data->adjust().bytes());
  for (const auto& channel : data->channels()) vary(std::span(channel->record().bytes).first(4));
  data->dos().bytes()[0] = 0x5A;
  data->encode();
  return data->image();
}

bool Transfer(TransferDirection direction, Image& image, RunningHost& host) {
  ImageTransfer transfer(direction, image, host, test::QuickTiming());
  return transfer.Start() == StartResult::Started && transfer.Wait() == TransferOutcome::Succeeded;
}

TEST(OldFirmwareE2E, ReadSaveAsOpenWriteLeavesTheRadioAsItWas) {
  sim::SimOptions options;
  options.version = "1.01.05";
  options.paced = false;
  test::SettingsStation station(options);
  const Image before = RadioMemory();
  station.radio.SetMemory(before);

  AppSettings settings(DataPaths(station.dir, station.dir, DataPaths::Access::ReadOnly));
  settings.readLanguageSetting();
  RangeTable ranges;
  ranges.loadForCurrentModel(settings);
  RunningHost link(settings, ranges);
  auto data = std::make_unique<RadioDataContainer>();
  InvalidLog findings;
  SettingsCodeplugHost files(*data, findings, settings, ranges);
  CodeplugSession session(files);

  ASSERT_TRUE(Transfer(TransferDirection::Read, data->image(), link)) << ::testing::PrintToString(link.messages);
  data->decode();
  EXPECT_EQ(settings.dataVersion(), "1.01.05");

  const std::string path = (station.dir / "old.dat").string();
  ASSERT_TRUE(session.saveAs([&](const CodeplugHeader&) { return SaveAsChoice{path, ""}; }).ok());
  session.loadDefaultData();  // other data in between
  ASSERT_TRUE(session.open(path).ok());
  EXPECT_EQ(data->dos().bytes()[0], 0x5A);

  ASSERT_TRUE(PrepareRadioWrite(files).ok()) << ::testing::PrintToString(findings.rows().size());
  ASSERT_TRUE(Transfer(TransferDirection::Write, data->image(), link)) << ::testing::PrintToString(link.messages);

  // Only the programming time stamp, which every write sets, may differ.
  const Image after = station.radio.Memory();
  for (std::size_t i = 0; i < after.size(); ++i) {
    if (i >= layout::kTimeStamp.first && i < layout::kTimeStamp.end()) continue;
    ASSERT_EQ(after[i], before[i]) << "image byte " << i;
  }
}

}  // namespace
}  // namespace vex
