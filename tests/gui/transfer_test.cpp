// Read, write and tuning commands of the desktop application against the
// simulated radio on a pseudo-terminal.
#include <sys/resource.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <set>

#include <gtest/gtest.h>
#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QStatusBar>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

#include "adapters/radio_data.h"
#include "adapters/settings.h"
#include "config/app_settings.h"
#include "core/codeplug_reader.h"
#include "core/container.h"
#include "core/image_layout.h"
#include "core/schema/schema.h"
#include "core/schema/schema_table.h"
#include "core/time_stamp.h"
#include "link/radio_link.h"
#include "toolkit/control_id.h"
#include "transfer/transfer_commands.h"
#include "transfer/transfer_dialog.h"
#include "transfer/transfer_prompts.h"
#include "transfer_rig.h"
#include "views/messages.h"
#include "views/view_radio.h"
#include "workspace/child_frame.h"
#include "workspace/main_frame.h"

namespace vex::gui {
namespace {

using test::TransferRig;
using Image = std::array<std::uint8_t, 8192>;

RadioDataContainer& container() { return RadioDataContainer::instance(); }
AppSettings& current() { return settings::current(); }

constexpr int kRadioInfoView = 32800;
constexpr int kProgrammedDate = 1121;
constexpr int kPaneRadio = 59143, kPaneRange = 59144, kPanePort = 59145;
// Requests before the first block: greeting, four information items, mode.
constexpr int kPreamble = 6;

QString paneText(const CMainFrame& frame, int id) { return frame.statusPane(id)->text(); }

double cpuSeconds() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  auto seconds = [](const timeval& t) { return static_cast<double>(t.tv_sec) + t.tv_usec / 1e6; };
  return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

// Image bytes a write sends: the plan's blocks and the time stamp.
bool isWritten(std::size_t a) {
  return (a >= 120 && a <= 180) || (a >= 217 && a <= 222) || (a >= 254 && a < 5115) || (a >= 32 && a < 40);
}

TEST(TransferCommands, ReadReplacesTheDataAndKeepsTheWindowAlive) {
  TransferRig rig;
  Image memory = rig.radio.Memory();
  const std::string serial = "RADIO-0042";
  std::fill_n(memory.begin() + layout::kRadioInfo.first + SchemaField(FieldArea::RadioInfo, "serial_number").offset,
              SchemaField(FieldArea::RadioInfo, "serial_number").width, 0);
  std::copy(serial.begin(), serial.end(),
            memory.begin() + layout::kRadioInfo.first + SchemaField(FieldArea::RadioInfo, "serial_number").offset);
  rig.radio.SetMemory(memory);
  rig.frame->openView(kRadioInfoView);
  rig.frame->setDocumentPath(QStringLiteral("/tmp/old.vex"));
  container().personalities().clear();
  ASSERT_GT(radio_data::validate(), 0);  // findings of the old data
  rig.frame->sendToMainFrame(WM_DATA_CHANGED, 0, 0, nullptr);

  int ticks = 0;
  std::set<int> positions;
  rig.whileModal = [&](CDlgTransfer& dialog) {
    EXPECT_FALSE(dialog.okButton()->isEnabled());
    EXPECT_TRUE(dialog.cancelButton()->isEnabled());  // it would stop the read
    auto* timer = new QTimer(&dialog);
    QObject::connect(timer, &QTimer::timeout, [&ticks, &positions, &dialog] {
      ++ticks;
      positions.insert(dialog.progressBar()->value());
    });
    timer->start(2);
  };
  const double cpuBefore = cpuSeconds();
  const auto wallBefore = std::chrono::steady_clock::now();
  ASSERT_TRUE(readFromRadio(*rig.frame));
  const double wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - wallBefore).count();
  const double cpu = cpuSeconds() - cpuBefore;

  EXPECT_EQ(container().image(), memory);
  EXPECT_EQ(container().radioInfo().serialNumber(), serial);
  // What arrived shows: the radio information and a status line.
  ASSERT_EQ(rig.frame->openFrames().size(), 1u);
  EXPECT_NE(rig.frame->frameOf(kRadioInfoView), nullptr);
  EXPECT_EQ(rig.frame->statusBar()->currentMessage(), QStringLiteral("Read from the radio: Vex M1, %1, %2 channels")
                                                          .arg(paneText(*rig.frame, kPanePort))
                                                          .arg(container().channels().size()));
  EXPECT_EQ(radio_data::origin().source, DataOrigin::Source::Radio);
  EXPECT_EQ(rig.frame->tree()->topLevelItem(0)->text(0), QStringLiteral("Vex M1"));
  EXPECT_EQ(current().freqRange(), "400-470");
  EXPECT_EQ(current().previousFreqRange(), "446-446");
  EXPECT_EQ(current().dataVersion(), "1.03.11");
  EXPECT_EQ(current().comPort(), 3);
  EXPECT_EQ(paneText(*rig.frame, kPaneRange), QStringLiteral("400-470 MHz"));
  EXPECT_EQ(paneText(*rig.frame, kPaneRadio), QStringLiteral("Vex M1"));
  EXPECT_FALSE(rig.frame->windowTitle().contains(QStringLiteral("old.vex")));
  EXPECT_TRUE(radio_data::invalidRows().empty());
  EXPECT_FALSE(rig.frame->isModified());

  ASSERT_EQ(rig.messageIds(), std::vector<int>{1136});
  EXPECT_EQ(rig.shown[0].progressReports, 256);
  EXPECT_EQ(rig.shown[0].status, QStringLiteral("Reading data: 100%"));
  EXPECT_EQ(rig.shown[0].progress, 100);
  EXPECT_FALSE(rig.shown[0].ownerVisible);  // one message, not over the finished dialog
  EXPECT_TRUE(rig.questions.empty());       // 400-470 is one of the model's ranges
  EXPECT_EQ(rig.radio.Mode(), 1);

  // The event loop ran while the worker read: the timer fired and saw the bar move.
  EXPECT_GT(ticks, 10);
  EXPECT_TRUE(std::any_of(positions.begin(), positions.end(), [](int p) { return p > 0 && p < 100; }));
  // Nobody spins while waiting for the radio.
  EXPECT_LT(cpu, 0.8 * wall) << "cpu " << cpu << " s in " << wall << " s";
}

TEST(TransferCommands, WriteLandsInTheRadioAndShowsTheNewStamp) {
  TransferRig rig;
  Image before;
  before.fill(0x5A);
  rig.radio.SetMemory(before);
  CChildFrame* info = rig.frame->openView(kRadioInfoView);
  ASSERT_NE(info, nullptr);
  const QString oldDate = findControlAs<QLineEdit>(info, kProgrammedDate)->text();
  // A running write cannot be stopped, and its dialog says so.
  rig.whileModal = [](CDlgTransfer& dialog) {
    EXPECT_FALSE(dialog.cancelButton()->isEnabled());
    EXPECT_EQ(dialog.noteText()->text(), QStringLiteral("A write runs to its end."));
  };

  ASSERT_TRUE(writeToRadio(*rig.frame));
  EXPECT_EQ(rig.messageIds(), std::vector<int>{1137});
  EXPECT_EQ(rig.shown[0].progressReports, 155);
  EXPECT_EQ(rig.shown[0].status, QStringLiteral("Writing data: 100%"));

  const Image memory = rig.radio.Memory();
  const Image& image = container().image();
  for (std::size_t a = 0; a < memory.size(); ++a)
    ASSERT_EQ(memory[a], isWritten(a) ? image[a] : before[a]) << "address " << a;

  // The stamp reached the radio information section and its open view.
  const auto infoBytes = container().radioInfo().bytes();
  EXPECT_TRUE(std::equal(image.begin() + 32, image.begin() + 40,
                         infoBytes.begin() + SchemaField(FieldArea::RadioInfo, "last_programmed").offset));
  const std::span<const std::uint8_t, 6> stamp(image.data() + 32, 6);
  const QString shownDate = findControlAs<QLineEdit>(info, kProgrammedDate)->text();
  EXPECT_EQ(shownDate.toStdString(), ProgrammingDateText(stamp));
  EXPECT_NE(shownDate, oldDate);
}

TEST(TransferCommands, WriteSaysWhatItWritesAndAsksBeforeWritingTheDefaults) {
  TransferRig rig;
  const Image before = rig.radio.Memory();
  radio_data::origin() = {};  // the default data: neither opened nor read
  EXPECT_FALSE(writeToRadio(*rig.frame));
  ASSERT_EQ(rig.questions.size(), 1u);
  EXPECT_EQ(rig.questions[0], QStringLiteral("The data are the default data. Write them anyway?"));
  EXPECT_EQ(rig.requests(), 0);
  EXPECT_EQ(rig.radio.Memory(), before);

  radio_data::origin() = {DataOrigin::Source::File, "/home/user/radio.dat", {}};
  QString summary;
  rig.whileModal = [&summary](CDlgTransfer& dialog) { summary = dialog.summaryText()->text(); };
  ASSERT_TRUE(writeToRadio(*rig.frame));
  EXPECT_EQ(rig.questions.size(), 1u);  // not asked again
  EXPECT_EQ(summary, QStringLiteral("Model: Vex M1\nFrequency range: 446-446 MHz\nWrite over %1\n"
                                    "Data: the file /home/user/radio.dat")
                         .arg(paneText(*rig.frame, kPanePort)));
  ASSERT_EQ(rig.messageIds(), std::vector<int>{1137});
  EXPECT_FALSE(rig.shown[0].ownerVisible);
}

TEST(TransferCommands, ReadAsksForThePasswordAndOffersTheNewBand) {
  sim::SimOptions options;
  options.readPassword = "1234";
  options.bandLowerMHz = 420;
  options.bandUpperMHz = 450;
  TransferRig rig(options);
  rig.passwords = {"1111", "1234"};
  ASSERT_TRUE(readFromRadio(*rig.frame));
  EXPECT_EQ(rig.passwordPrompts, 2);
  EXPECT_EQ(rig.messageIds(), (std::vector<int>{1176, 1136}));
  ASSERT_EQ(rig.questions.size(), 1u);
  EXPECT_TRUE(rig.questions[0].contains(QStringLiteral("420-450")));
  EXPECT_EQ(current().lastNewRangeAnswer(), AppSettings::kAnswerNo);
  EXPECT_EQ(container().image(), rig.radio.Memory());
}

TEST(TransferCommands, WriteStopsAfterThreeWrongPasswordsAndGoesOnWithTheRightOne) {
  sim::SimOptions options;
  options.writePassword = "4321";
  TransferRig rig(options);
  const Image before = rig.radio.Memory();
  rig.passwords = {"1", "22", "333"};
  EXPECT_FALSE(writeToRadio(*rig.frame));
  EXPECT_EQ(rig.passwordPrompts, 3);
  EXPECT_EQ(rig.messageIds(), (std::vector<int>{1176, 1176, 1176}));
  EXPECT_EQ(rig.radio.Memory(), before);

  rig.passwords = {"4321"};
  EXPECT_TRUE(writeToRadio(*rig.frame));
  EXPECT_EQ(rig.passwordPrompts, 4);
  EXPECT_EQ(rig.messageIds().back(), 1137);
  EXPECT_NE(rig.radio.Memory(), before);
}

// A read that fails after the radio's identity was stored leaves the
// settings describing the data still in the container.
// A read that fails at a block, or that Cancel stops, leaves the data and
// the settings that describe them as they were.
TEST(TransferCommands, FailedOrCancelledReadKeepsDataAndSettings) {
  for (const bool cancel : {false, true}) {
    SCOPED_TRACE(cancel ? "cancelled" : "failed");
    sim::SimOptions options;
    options.signalling = 5;
    if (!cancel) options.faults.badChecksum = {kPreamble + 3, 1};
    TransferRig rig(options);
    current().setModelId("OTHER");
    current().setModelName("Other X");
    current().setPreviousFreqRange("136-174");
    const Image image = container().image();
    current().setComPort(1);  // the radio answers on COM3
    rig.frame->updateStatusTexts();
    if (cancel) {
      rig.whileModal = [](CDlgTransfer& dialog) {
        auto* timer = new QTimer(&dialog);
        QObject::connect(timer, &QTimer::timeout, [&dialog, timer] {
          if (dialog.progressReports() < 3) return;
          QTest::mouseClick(dialog.cancelButton(), Qt::LeftButton);
          timer->stop();
        });
        timer->start(1);
      };
    }

    EXPECT_FALSE(readFromRadio(*rig.frame));
    EXPECT_EQ(paneText(*rig.frame, kPanePort), QStringLiteral("COM3"));  // the pane follows a failed read too
    if (cancel) {
      EXPECT_TRUE(rig.messageIds().empty());
    } else {
      ASSERT_EQ(rig.messageIds(), std::vector<int>{1138});
      EXPECT_EQ(rig.shown[0].text, QStringLiteral("Reading from the radio failed at address 0x0040."));
      EXPECT_EQ(rig.shown[0].progressReports, 2);
    }
    EXPECT_EQ(container().image(), image);
    EXPECT_EQ(current().modelId(), "OTHER");
    EXPECT_EQ(current().modelName(), "Other X");
    EXPECT_EQ(current().freqRange(), "446-446");
    EXPECT_EQ(current().previousFreqRange(), "136-174");
    EXPECT_EQ(current().signal(), 0);
    EXPECT_EQ(current().dataVersion(), "");
    EXPECT_EQ(current().comPort(), 3);  // where the radio answered stays known
    // The radio was put back in its normal mode: it reads again at once.
    rig.whileModal = nullptr;
    if (cancel) {
      EXPECT_TRUE(readFromRadio(*rig.frame));
    }
  }
}

TEST(TransferCommands, SilentRadioLeavesTheDialogIdle) {
  sim::SimOptions options;
  options.faults.silentAfter = 0;
  TransferRig rig(options);
  EXPECT_FALSE(readFromRadio(*rig.frame));
  EXPECT_TRUE(rig.stayedIdle);
  EXPECT_EQ(rig.messageIds(), std::vector<int>{1143});
  EXPECT_EQ(current().modelName(), "Vex M1");
}

TEST(TransferCommands, TheWindowsKeepRunningWhileTheTransferPrepares) {
  sim::SimOptions options;
  options.faults.silentAfter = 0;  // the preparation waits out its time-outs
  TransferRig rig(options);
  std::array<std::uint8_t, 8192> buffer{};
  CDlgTransfer dialog(TransferDirection::Read, buffer, rig.frame.get());
  int ticks = 0;
  QTimer ticker;
  QObject::connect(&ticker, &QTimer::timeout, [&ticks] { ++ticks; });
  ticker.start(0);
  dialog.start();
  ticker.stop();
  EXPECT_GT(ticks, 0);  // the UI thread's event loop ran during the preparation
  EXPECT_FALSE(dialog.isTransferring());
  EXPECT_EQ(rig.messageIds(), std::vector<int>{1143});
}

TEST(TransferCommands, RadioChecksRefuseBeforeAnyModeSwitch) {
  struct Case {
    const char* name;
    std::string modelName, version;
    int message;
  };
  for (const Case& c : {Case{"other name", "Vex Z9", "1.03.11", 1172}, Case{"newer", "Vex M1", "1.04.00", 1140}}) {
    SCOPED_TRACE(c.name);
    sim::SimOptions options;
    options.modelName = c.modelName;
    options.version = c.version;
    TransferRig rig(options);
    EXPECT_FALSE(readFromRadio(*rig.frame));
    EXPECT_FALSE(rig.stayedIdle);
    EXPECT_EQ(rig.messageIds(), std::vector<int>{c.message});
    EXPECT_EQ(rig.requests(), kPreamble - 1);
    EXPECT_EQ(current().modelName(), "Vex M1");
    EXPECT_EQ(current().freqRange(), "446-446");
  }
}

TEST(TransferCommands, WriteRefusesDataOutsideTheRadiosBand) {
  sim::SimOptions options;
  options.bandLowerMHz = 136;
  options.bandUpperMHz = 174;
  TransferRig rig(options);
  const Image before = rig.radio.Memory();
  EXPECT_FALSE(writeToRadio(*rig.frame));
  ASSERT_EQ(rig.messageIds(), std::vector<int>{1142});
  EXPECT_EQ(rig.shown[0].text,
            QStringLiteral("The frequency range of the data does not fit the radio's range 136-174 MHz."));
  EXPECT_EQ(rig.radio.Memory(), before);
}

TEST(TransferCommands, WriteNoticeCanBeDeclinedOrSwitchedOff) {
  TransferRig rig;
  PasswordSection& passwords = container().passwords();
  passwords.setText(PasswordSection::kRead, "11");
  passwords.setText(PasswordSection::kPowerOn, "22");
  passwords.storeTexts();
  const Image before = rig.radio.Memory();

  rig.acceptNotice = false;
  EXPECT_FALSE(writeToRadio(*rig.frame));
  ASSERT_EQ(rig.notices.size(), 1u);
  EXPECT_EQ(rig.notices[0], QStringLiteral("Read password set.\nPower-on password set.\nContinue?"));
  EXPECT_EQ(rig.radio.Memory(), before);

  rig.acceptNotice = true;
  rig.switchNoticeOff = true;
  EXPECT_TRUE(writeToRadio(*rig.frame));
  EXPECT_TRUE(writeToRadio(*rig.frame));
  EXPECT_EQ(rig.notices.size(), 2u);  // switched off for the rest of the run
}

TEST(TransferCommands, CancelBeforeOkOpensNoPort) {
  TransferRig rig;
  Image buffer{};
  CDlgTransfer dialog(TransferDirection::Read, buffer, rig.frame.get());
  EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Read from Radio"));
  EXPECT_EQ(dialog.statusText()->text(), QStringLiteral("Press OK to start."));
  dialog.cancelButton()->click();
  EXPECT_EQ(dialog.result(), QDialog::Rejected);
  EXPECT_EQ(rig.requests(), 0);
  CDlgTransfer write(TransferDirection::Write, buffer, rig.frame.get());
  EXPECT_EQ(write.windowTitle(), QStringLiteral("Write to Radio"));
}

TEST(TransferCommands, TuneDataWrittenOrStoppedAtAFailedBlock) {
  {
    TransferRig rig({}, "400-470");
    auto adjust = container().adjust().bytes();
    for (std::size_t i = 0; i < adjust.size(); ++i) adjust[i] = static_cast<std::uint8_t>(i * 3 + 1);
    const Image before = rig.radio.Memory();
    ASSERT_TRUE(writeTuneData(*rig.frame));
    EXPECT_EQ(rig.messageIds(), std::vector<int>{1153});
    const Image memory = rig.radio.Memory();
    for (std::size_t a = 0; a < memory.size(); ++a) {
      const bool tuned = a >= layout::kAdjust.first && a <= layout::kAdjust.last();
      ASSERT_EQ(memory[a], tuned ? adjust[a - layout::kAdjust.first] : before[a]) << "address " << a;
    }
    EXPECT_EQ(rig.radio.Mode(), 1);
    EXPECT_FALSE(sharedRadioLink().IsOpen());
  }
  {
    sim::SimOptions options;
    options.faults.badChecksum = {kPreamble + 2, 1};  // the acknowledge of the second block
    TransferRig rig(options, "400-470");
    EXPECT_FALSE(writeTuneData(*rig.frame));
    ASSERT_EQ(rig.messageIds(), std::vector<int>{1139});
    EXPECT_EQ(rig.shown[0].text, QStringLiteral("Writing to the radio failed at address 0x1643."));
    EXPECT_FALSE(sharedRadioLink().IsOpen());
  }
}

TEST(TransferCommands, FactoryLinkRefusesAnotherBand) {
  TransferRig rig({}, "446-446");
  EXPECT_EQ(openFactoryLink(*rig.frame, 3), 0);
  ASSERT_EQ(rig.messageIds(), std::vector<int>{1142});
  EXPECT_FALSE(sharedRadioLink().IsOpen());
  EXPECT_EQ(openFactoryLink(*rig.frame, 6), 1);  // the adjustment mode takes any band
  EXPECT_TRUE(sharedRadioLink().IsOpen());
  EXPECT_EQ(current().freqRange(), "400-470");
  EXPECT_EQ(paneText(*rig.frame, kPaneRange), QStringLiteral("400-470 MHz"));
  sharedRadioLink().Close();
}

// Points the user's data directory (where backups go) into the test's own.
class ScopedDataHome {
 public:
  explicit ScopedDataHome(const std::string& path) : old_(qgetenv("XDG_DATA_HOME")) {
    qputenv("XDG_DATA_HOME", QByteArray::fromStdString(path));
  }
  ~ScopedDataHome() { old_.isNull() ? qunsetenv("XDG_DATA_HOME") : qputenv("XDG_DATA_HOME", old_); }

 private:
  QByteArray old_;
};

TEST(TransferCommands, BackupBeforeWriteKeepsWhatTheRadioHeldAndTheSettingsOfTheData) {
  TransferRig rig;
  const ScopedDataHome home(rig.dir.path() + "/home");
  QAction* setting = rig.frame->action(kCmdBackupBeforeWrite);
  ASSERT_NE(setting, nullptr);
  EXPECT_FALSE(setting->isChecked());  // off until switched on
  setting->trigger();
  EXPECT_TRUE(setting->isChecked());
  EXPECT_TRUE(settings::backupBeforeWrite());

  Image before = rig.radio.Memory();
  before[300] ^= 0xFF;
  rig.radio.SetMemory(before);
  QString summary;
  rig.whileModal = [&summary](CDlgTransfer& dialog) {
    if (dialog.direction() == TransferDirection::Write) summary = dialog.summaryText()->text();
  };
  ASSERT_TRUE(writeToRadio(*rig.frame));
  EXPECT_EQ(rig.messageIds(), std::vector<int>{1137});  // the backup read closes without a message of its own

  std::vector<std::filesystem::path> kept;
  const std::string backups = settings::backupDirectory();
  EXPECT_EQ(backups.rfind(rig.dir.path() + "/home/", 0), 0u) << backups;
  for (const auto& entry : std::filesystem::directory_iterator(backups)) kept.push_back(entry.path());
  ASSERT_EQ(kept.size(), 1u);
  EXPECT_TRUE(summary.endsWith(QStringLiteral("\nBackup of the radio's data: %1").arg(kept[0].c_str())))
      << summary.toStdString();
  Image backup{};
  std::array<std::uint8_t, 8192> spare{};
  LoadedCounts counts;
  ASSERT_TRUE(LoadCodeplugFile(kept[0].string(), spare, backup, counts));
  EXPECT_EQ(backup, before);
  EXPECT_NE(rig.radio.Memory(), before);  // and then the write went ahead
  // The settings go on describing the data written, not the radio read.
  EXPECT_EQ(current().freqRange(), "446-446");
  EXPECT_EQ(current().dataVersion(), "");
}

TEST(TransferCommands, WithoutItsBackupNothingIsWritten) {
  {
    // The backup place cannot be a directory: the radio is not even asked.
    TransferRig rig;
    const ScopedDataHome home(rig.dir.path() + "/home");
    const std::filesystem::path backups = settings::backupDirectory();
    std::filesystem::create_directories(backups.parent_path());
    std::ofstream(backups) << "a file";
    settings::setBackupBeforeWrite(true);
    EXPECT_FALSE(writeToRadio(*rig.frame));
    EXPECT_EQ(rig.messageIds(), std::vector<int>{2373});
    EXPECT_EQ(rig.requests(), 0);
  }
  {
    // The backup read fails: the user hears why, and nothing is written.
    sim::SimOptions options;
    options.faults.badChecksum = {kPreamble + 3, 1};
    TransferRig rig(options);
    const ScopedDataHome home(rig.dir.path() + "/home");
    settings::setBackupBeforeWrite(true);
    const Image before = rig.radio.Memory();
    EXPECT_FALSE(writeToRadio(*rig.frame));
    EXPECT_EQ(rig.messageIds(), (std::vector<int>{1138, 2372}));
    EXPECT_EQ(rig.radio.Memory(), before);
    EXPECT_EQ(current().freqRange(), "446-446");
  }
}

TEST(TransferCommands, MenuCommandsReachTheHandlers) {
  TransferRig rig;
  installTransferCommands(*rig.frame);
  rig.frame->runCommand(kCmdRead);
  EXPECT_EQ(rig.messageIds(), std::vector<int>{1136});
}

}  // namespace
}  // namespace vex::gui
