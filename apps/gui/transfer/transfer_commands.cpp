#include "transfer/transfer_commands.h"

#include <algorithm>
#include <array>
#include <functional>

#include <QDateTime>
#include <QStatusBar>

#include "adapters/radio_data.h"
#include "adapters/settings.h"
#include "adapters/texts.h"
#include "base/text_ids.h"
#include "config/range_table.h"
#include "core/codeplug_flows.h"
#include "core/container.h"
#include "core/image_layout.h"
#include "link/factory_link.h"
#include "transfer/gui_link_host.h"
#include "transfer/radio_work.h"
#include "transfer/station_window.h"
#include "transfer/transfer_dialog.h"
#include "transfer/transfer_prompts.h"
#include "transfer/write_backup.h"
#include "views/messages.h"
#include "workflow/codeplug_settings_host.h"
#include "workflow/write_summary.h"
#include "workspace/main_frame.h"

namespace vex::gui {
namespace {

RadioDataContainer& container() { return RadioDataContainer::instance(); }

// The model's ranges, for the new-range question after a transfer.
void loadModelRanges() { RangeTable::instance().loadForCurrentModel(settings::current()); }

// The tree's root label, the record counts under it and the status bar follow
// the settings and the container.
void refreshFrame(CMainFrame& frame) {
  frame.fillTree();
  frame.selectTreeRoot();
  frame.updateStatusTexts();
}

// The five tuning frequencies spread over the radio's band; the test
// channels stay as they are.
void spreadFivePoints(const RangeEntry& band) {
  TestFreqSection& section = container().testFreq();
  section.setBand(band.lower, band.upper);
  TestFreqSection spread;
  spread.setBand(band.lower, band.upper);
  spread.reset();
  using G = TestFreqSection::Group;
  for (G group : {G::FivePointRx, G::FivePointTx})
    for (std::size_t i = 0; i < TestFreqSection::kFivePoints; ++i)
      section.setFrequency(group, i, spread.frequency(group, i));
}

// The host of the factory link: once the radio is identified the window
// shows its model and band.
class FactoryHost : public GuiLinkHost {
 public:
  explicit FactoryHost(CMainFrame& frame) : GuiLinkHost(&frame) {
    setFactoryLinkOpened([&frame](const RangeEntry& band) {
      offerNewRange(&frame, band);
      frame.closeAllWindows();
      refreshFrame(frame);
      spreadFivePoints(band);
    });
  }
};

}  // namespace

CRadioLink& sharedRadioLink() {
  static CRadioLink link;
  return link;
}

namespace {

// The port pane follows the port the transfer used, whatever its outcome.
struct PortPaneRefresh {
  CMainFrame& frame;
  ~PortPaneRefresh() { frame.updateStatusTexts(); }
};

}  // namespace

bool readFromRadio(CMainFrame& frame) {
  const PortPaneRefresh refreshPort{frame};
  loadModelRanges();
  std::array<std::uint8_t, 8192> buffer{};
  RangeEntry band;
  {
    CDlgTransfer dialog(TransferDirection::Read, buffer, &frame);
    dialog.setSummary(QString::fromStdString(ReadSummary(settings::modelName(), settings::freqRange(),
                                                         texts::currentPortName(), texts::message)));
    if (transferPrompts().runTransfer(dialog) != QDialog::Accepted) return false;
    band = dialog.radioBand();
  }
  offerNewRange(&frame, band);
  container().image() = buffer;
  frame.closeAllWindows();
  container().decode();
  frame.dataReplaced({});  // the data come from the radio now, not from the file that was open
  radio_data::origin() = {DataOrigin::Source::Radio,
                          {},
                          QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm")).toStdString()};
  refreshFrame(frame);
  // Show what arrived: the radio, its port and its channels, and its data.
  frame.statusBar()->showMessage(
      QString::fromStdString(ReadStatusLine(settings::modelName(), texts::currentPortName(),
                                            static_cast<int>(container().channels().size()), texts::message)));
  frame.openView(kCmdViewRadioInfo);
  return true;
}

bool writeToRadio(CMainFrame& frame) {
  const PortPaneRefresh refreshPort{frame};
  SettingsCodeplugHost data(container(), radio_data::invalidLog(), settings::current(), RangeTable::instance());
  data.onCommitPendingEdits = [&frame] { frame.sendToViews(WM_VIEW_STORE); };
  const FlowOutcome prepared = PrepareRadioWrite(data);
  if (!prepared.ok()) {
    showMessageText(&frame, prepared.messageId);
    return false;
  }
  const DataOrigin& origin = radio_data::origin();
  if (WriteNeedsConfirmation(origin) &&
      !transferPrompts().askYesNo(&frame, messageText(text::kMsgWriteDefaultsQuestion)))
    return false;
  loadModelRanges();
  const WriteBackup backup = backUpBeforeWrite(&frame);
  if (!backup.writeMayStart) return false;
  RangeEntry band;
  {
    CDlgTransfer dialog(TransferDirection::Write, container().image(), &frame);
    QString summary = QString::fromStdString(WriteSummary(
        {settings::modelName(), settings::freqRange(), texts::currentPortName(), origin}, texts::message));
    if (!backup.path.empty()) summary += '\n' + messageText(text::kMsgBackupKept, MessageArgument::Text(backup.path));
    dialog.setSummary(summary);
    if (transferPrompts().runTransfer(dialog) != QDialog::Accepted) return false;
    band = dialog.radioBand();
  }
  offerNewRange(&frame, band);
  // The radio information carries the programming time stamp just written.
  const auto& image = container().image();
  const auto info = container().radioInfo().bytes();
  std::copy_n(image.begin() + layout::kRadioInfo.first, info.size(), info.begin());
  frame.sendToViews(WM_VIEW_LOAD, ViewClass::Radio);
  frame.updateStatusTexts();
  return true;
}

namespace {

// Runs a factory operation on the shared link off the UI thread.
int onSharedLink(CMainFrame& frame, const std::function<int(CRadioLink&, TransferHost&)>& operation) {
  CRadioLink& link = sharedRadioLink();
  link.SetTiming(transferLinkTiming());
  FactoryHost host(frame);
  return runRadioWork(&frame, host, [&link, &operation](TransferHost& h) { return operation(link, h); });
}

}  // namespace

int openFactoryLink(CMainFrame& frame, std::uint16_t mode) {
  return onSharedLink(frame,
                      [mode](CRadioLink& link, TransferHost& host) { return OpenFactoryLink(link, mode, host); });
}

bool writeTuneData(CMainFrame& frame) {
  auto& image = container().image();
  const auto adjust = container().adjust().bytes();
  std::copy(adjust.begin(), adjust.end(), image.begin() + layout::kAdjust.first);
  return onSharedLink(frame,
                      [&image](CRadioLink& link, TransferHost& host) { return WriteTuneData(link, image, host); }) == 1;
}

OpenData openDataForStation(CMainFrame& frame) {
  SettingsCodeplugHost data(container(), radio_data::invalidLog(), settings::current(), RangeTable::instance());
  data.onCommitPendingEdits = [&frame] { frame.sendToViews(WM_VIEW_STORE); };
  const FlowOutcome prepared = PrepareRadioWrite(data);
  if (!prepared.ok()) return {{}, {}, prepared.messageId};
  return {container().image(), ModelStateOf(settings::current()), 0};
}

void installTransferCommands(CMainFrame& frame) {
  frame.setCommandHandler(kCmdRead, [&frame] { readFromRadio(frame); });
  frame.setCommandHandler(kCmdWrite, [&frame] { writeToRadio(frame); });
  frame.setCommandHandler(kCmdWriteTune, [&frame] { writeTuneData(frame); });
  frame.setCommandHandler(kCmdStation,
                          [&frame] { showStationWindow(&frame, [&frame] { return openDataForStation(frame); }); });
}

}  // namespace vex::gui
