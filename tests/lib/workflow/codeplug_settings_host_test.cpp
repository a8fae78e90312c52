// The desktop program's codeplug host: Open moves the file's model state into
// the settings, Save As takes the range flags of the loaded range table.
#include "../core/codeplug_test_support.h"

#include "core/codeplug_flows.h"
#include "core/codeplug_reader.h"
#include "workflow/codeplug_settings_host.h"

#include <gtest/gtest.h>

namespace vex {
namespace {

TEST(CodeplugSettingsHost, OpenAndSaveAsGoThroughTheSettings) {
  test::ScratchDir data;
  test::ScratchDir config;
  for (const char* name : {"VEX_E.lng", "Model.dat", "Settings.ini"}) {
    std::filesystem::copy_file(std::filesystem::path(VEX_DATA_DIR) / name, data.path() / name);
  }
  AppSettings settings(DataPaths(data.path(), config.path()));
  settings.readLanguageSetting();
  settings.setModelId("VEXM1");
  settings.setFreqRange("136-174");
  settings.setDataVersion("1.03.11");
  RangeTable ranges;
  RadioDataContainer container;
  container.clearRecords();
  container.resetToDefaults();
  InvalidLog log;
  SettingsCodeplugHost host(container, log, settings, ranges);
  CodeplugSession session(host);

  // New loads the range table; Save As records the VHF range's flags.
  ASSERT_TRUE(session.newDocument().ok());
  const std::string path = data.file("vhf.dat");
  ASSERT_TRUE(session.saveAs([&](const CodeplugHeader&) { return std::optional<SaveAsChoice>({path, ""}); }).ok());
  CodeplugHeader header;
  ASSERT_TRUE(ReadCodeplugHeader(path, header));
  EXPECT_EQ(header.rangeFlags(), 0x80);
  EXPECT_EQ(header.rangeText(), "136-174");

  settings.setFreqRange("446-446");
  settings.setSignal(4);
  ASSERT_TRUE(session.open(path).ok());
  EXPECT_EQ(settings.freqRange(), "136-174");
  EXPECT_EQ(settings.signal(), 0);
  EXPECT_EQ(settings.modelId(), "VEXM1");
  EXPECT_EQ(settings.dataVersion(), "1.03.11");
}

}  // namespace
}  // namespace vex
