// The Factory Mode, Tuning and Tune Sub Item dialogs against the simulated
// radio, and the radio work that runs off the UI thread.
#include <atomic>
#include <chrono>
#include <fstream>
#include <memory>
#include <sstream>
#include <thread>

#include <gtest/gtest.h>
#include <QApplication>
#include <QComboBox>
#include <QDeadlineTimer>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTabBar>
#include <QTest>
#include <QThread>
#include <QTimer>

#include "adapters/settings.h"
#include "base/byte_order.h"
#include "config/app_settings.h"
#include "core/container.h"
#include "factory/factory_commands.h"
#include "factory/factory_mode_dialog.h"
#include "factory/tune_sub_item_dialog.h"
#include "factory/tuning_dialog.h"
#include "toolkit/control_id.h"
#include "transfer/radio_work.h"
#include "transfer/transfer_commands.h"
#include "transfer_rig.h"
#include "workspace/main_frame.h"

namespace vex::gui {
namespace {

using test::TransferRig;
using D = CDlgFactoryMode;
using S = CDlgTuneSubItem;

RadioDataContainer& container() { return RadioDataContainer::instance(); }

constexpr const char* kTuningTexts[] = {
    "S0207053=32768.Reference Oscillator;32784.TX Power High;33536.Squelch Open;33920.Battery Threshold",
    "S0207054=32768,1;32784,31;33536,64543",
    "S0207067=0.Point 1;1.Point 2;2.Point 3;3.Point 4;4.Point 5",
    "S0101155=Writing the tuning value failed.",
    "S0101156=The radio did not return the tuning value.",
    "S0101167=This item has nothing to tune.",
};

// Switches the rig's user level ([User Mode] Level is read at every test).
void setLevel(TransferRig& rig, const char* code) {
  const std::string path = rig.dir.path() + "/Settings.ini";
  std::stringstream text;
  text << std::ifstream(path).rdbuf();
  std::string ini = text.str();
  ini.replace(ini.find("Level=0"), 7, std::string("Level=") + code);
  std::ofstream(path) << ini;
}

QString textOf(const QWidget* dialog, int id) { return findControlAs<QLineEdit>(dialog, id)->text(); }

// Runs `act` on the modal dialog of type T once it is up (radio work may
// show its busy box first).
template <class T>
void whenModal(std::function<void(T&)> act) {
  auto* poll = new QTimer;
  const QDeadlineTimer deadline(60'000);  // only a dialog that never comes waits it out
  QObject::connect(poll, &QTimer::timeout, [poll, act, deadline] {
    auto* dialog = qobject_cast<T*>(QApplication::activeModalWidget());
    if (!dialog && !deadline.hasExpired()) return;
    poll->stop();
    poll->deleteLater();
    ASSERT_NE(dialog, nullptr);
    act(*dialog);
  });
  poll->start(10);
}

TEST(RadioWork, TheWindowKeepsRunningAndHostCallsComeToItsThread) {
  TransferRig rig;
  std::atomic<bool> timerRan{false};
  QTimer::singleShot(20, [&timerRan] { timerRan = true; });
  const int result = runRadioWork(rig.frame.get(), [&](TransferHost& host) {
    // The UI thread must keep serving events while the worker waits.
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (!timerRan && std::chrono::steady_clock::now() < deadline)
      std::this_thread::sleep_for(std::chrono::milliseconds(1));
    EXPECT_NE(QThread::currentThread(), qApp->thread());
    host.showMessage(1143);
    return timerRan ? 7 : 0;
  });
  EXPECT_EQ(result, 7);
  EXPECT_EQ(rig.messageIds(), std::vector<int>{1143});
  EXPECT_FALSE(radioWorkRunning());
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);  // the busy box is gone
}

TEST(RadioWork, AWindowClosedMeanwhileClosesWhenTheWorkHasEnded) {
  TransferRig rig;
  QWidget window;
  window.show();
  std::atomic<bool> asked{false};
  QTimer::singleShot(10, &window, [&window, &asked] {
    window.close();
    asked = true;
  });
  runRadioWork(rig.frame.get(), [&asked](TransferHost&) {
    while (!asked) std::this_thread::sleep_for(std::chrono::milliseconds(1));
    return 1;
  });
  EXPECT_TRUE(window.isVisible());  // its work might still have needed it
  EXPECT_TRUE(QTest::qWaitFor([&window] { return !window.isVisible(); }, 60'000));
}

TEST(FactoryModeDialog, ReadShowsTheRadiosModelAndLeavingAppliesIt) {
  TransferRig rig({}, "400-470");
  Image memory = rig.radio.Memory();
  const char name[] = "Vex F7";
  std::fill_n(memory.begin() + 16, 12, 0);
  std::copy_n(name, 6, memory.begin() + 16);
  WriteBe32(memory, 40, 136);
  WriteBe32(memory, 44, 174);
  memory[182] = 33;  // oscillator
  rig.radio.SetMemory(memory);

  CDlgFactoryMode dialog(rig.frame.get());
  findControlAs<QPushButton>(&dialog, D::kRead)->click();
  EXPECT_EQ(rig.messageIds(), std::vector<int>{1136});
  EXPECT_EQ(textOf(&dialog, D::kModelName), "Vex F7");
  EXPECT_EQ(textOf(&dialog, D::kLowerEdge), "136");
  EXPECT_EQ(textOf(&dialog, D::kUpperEdge), "174");
  EXPECT_EQ(textOf(&dialog, D::kOscillator), "33");
  EXPECT_EQ(textOf(&dialog, D::kFirmware), "1.03.11");
  EXPECT_EQ(settings::modelName(), "Vex M1");  // nothing applied before leaving

  findControlAs<QLineEdit>(&dialog, D::kModelName)->setText("Vex F8");
  findControlAs<QPushButton>(&dialog, D::kClose)->click();
  EXPECT_TRUE(dialog.changes().modelName);
  EXPECT_TRUE(dialog.changes().range);
  EXPECT_EQ(settings::modelName(), "Vex F8");
  EXPECT_EQ(settings::freqRange(), "136-174");
  EXPECT_EQ(container().radioInfo().modelName(), "Vex F8");
  EXPECT_EQ(container().factory().own()[1], 33);
}

TEST(FactoryModeDialog, ARadioWithErasedBandEdgesLeavesTheRangeAsItWas) {
  TransferRig rig({}, "400-470");
  setLevel(rig, "52840619");
  const std::string range = settings::freqRange();
  CDlgFactoryMode dialog(rig.frame.get());
  findControlAs<QPushButton>(&dialog, D::kRead)->click();
  EXPECT_EQ(textOf(&dialog, D::kLowerEdge), "");
  EXPECT_EQ(textOf(&dialog, D::kUpperEdge), "");
  findControlAs<QPushButton>(&dialog, D::kClose)->click();
  EXPECT_FALSE(dialog.changes().range);
  EXPECT_EQ(settings::freqRange(), range);
}

TEST(FactoryModeDialog, FactoryLevelAloneMayChangeTheBandFields) {
  TransferRig rig;
  {
    CDlgFactoryMode dialog(rig.frame.get());
    EXPECT_FALSE(findControl(&dialog, D::kLowerEdge)->isEnabled());
    EXPECT_FALSE(findControl(&dialog, D::kBand)->isEnabled());
    EXPECT_TRUE(findControl(&dialog, D::kSerial)->isEnabled());
    dialog.reject();
  }
  setLevel(rig, "52840619");
  CDlgFactoryMode dialog(rig.frame.get());
  for (int id : {D::kBand, D::kRangeId, D::kLowerEdge, D::kUpperEdge, D::kSignalling, D::kOpenChannels})
    EXPECT_TRUE(findControl(&dialog, id)->isEnabled()) << id;
  dialog.reject();
}

TEST(FactoryModeDialog, WriteAndTheTuneSwitchReachTheRadio) {
  TransferRig rig;
  std::ofstream(rig.dir.path() + "/volume.ini") << "[Setting]\nuwide=17\nunarrow=18\n";
  CDlgFactoryMode dialog(rig.frame.get());
  findControlAs<QLineEdit>(&dialog, D::kSerial)->setText("SN42");
  findControlAs<QPushButton>(&dialog, D::kWrite)->click();
  EXPECT_EQ(rig.messageIds(), std::vector<int>{1137});
  Image memory = rig.radio.Memory();
  EXPECT_EQ(std::string(memory.begin() + 72, memory.begin() + 76), "SN42");
  EXPECT_EQ(memory[231], 17);  // the volumes of volume.ini for a UHF radio
  EXPECT_EQ(memory[232], 18);

  findControlAs<QRadioButton>(&dialog, D::kTuneOpen)->setChecked(true);
  findControlAs<QPushButton>(&dialog, D::kWriteTuneSwitch)->click();
  EXPECT_EQ(rig.messageIds().back(), 1153);
  EXPECT_EQ(rig.radio.Memory()[181], 1);
  EXPECT_EQ(container().image()[181], 1);
  dialog.reject();
  EXPECT_EQ(container().factory().own()[0], 1);  // leaving keeps the switch in the data
}

TEST(FactoryModeDialog, APulledCableEndsWithTheMessage) {
  TransferRig rig;
  rig.pty.Stop();
  CDlgFactoryMode dialog(rig.frame.get());
  const QString before = textOf(&dialog, D::kModelName);
  findControlAs<QPushButton>(&dialog, D::kRead)->click();
  // The cable's port is gone: no port opens, so that is what is said.
  EXPECT_EQ(rig.messageIds(), std::vector<int>{1315});
  EXPECT_EQ(textOf(&dialog, D::kModelName), before);
  dialog.reject();
}

class TuningTest : public ::testing::Test {
 protected:
  void SetUp() override {
    for (const char* line : kTuningTexts) rig_.dir.addLanguageLine(line);
    container().adjust().reset();
    ASSERT_EQ(openFactoryLink(*rig_.frame, 6), 1);
  }
  void TearDown() override { sharedRadioLink().Close(); }
  std::uint16_t radioValue(std::uint16_t code) {
    const Image memory = rig_.radio.Memory();
    const std::size_t at = layout::kAdjust.first + *AdjustSection::positionOf(code);
    return static_cast<std::uint16_t>((memory[at] << 8) | memory[at + 1]);
  }
  TransferRig rig_{{}, "400-470"};
};

TEST_F(TuningTest, TheListShowsTheItemsAndAnItemWithoutSubItemsSaysSo) {
  CDlgTuning tuning(sharedRadioLink(), rig_.frame.get());
  ASSERT_EQ(tuning.list()->count(), 4);
  EXPECT_EQ(tuning.list()->item(1)->text(), "TX Power High");
  tuning.openItem(3);  // battery threshold has no flags
  EXPECT_EQ(rig_.messageIds(), std::vector<int>{1167});
}

TEST_F(TuningTest, OkKeepsTheValuesSetInTheSubItemDialog) {
  CDlgTuning tuning(sharedRadioLink(), rig_.frame.get());
  whenModal<CDlgTuneSubItem>([](CDlgTuneSubItem& sub) {
    auto* tabs = findControlAs<QTabBar>(&sub, S::kTabs);
    EXPECT_EQ(tabs->count(), 5);
    EXPECT_EQ(tabs->tabText(2), "Point 3");
    EXPECT_FALSE(findControl(&sub, S::kMiddle)->isVisible());
    EXPECT_FALSE(findControl(&sub, S::kVolume)->isEnabled());
    tabs->setCurrentIndex(1);
    EXPECT_EQ(findControlAs<QLineEdit>(&sub, S::kRxFrequency)->text(),
              QString::fromStdString(container().testFreq().text(TestFreqSection::Group::FivePointRx, 1)));
    auto* value = findControlAs<QScrollBar>(&sub, S::kValue);
    value->setValue(30);
    value->setFocus();
    QTest::keyClick(value, Qt::Key_PageDown);  // a page is 10
    EXPECT_EQ(value->value(), 40);
    EXPECT_EQ(findControlAs<QLabel>(&sub, S::kValueText)->text(), "Value:40");
    findControlAs<QPushButton>(&sub, S::kOk)->click();
  });
  tuning.openItem(1);
  EXPECT_TRUE(rig_.messageIds().empty());
  EXPECT_EQ(container().adjust().value(0x8011), 40);
  EXPECT_EQ(radioValue(0x8011), 40);
}

TEST_F(TuningTest, CancelDropsTheValuesAndTheOutputFollowsTheRadio) {
  CDlgTuning tuning(sharedRadioLink(), rig_.frame.get());
  whenModal<CDlgTuneSubItem>([this](CDlgTuneSubItem& sub) {
    findControl(&sub, S::kNarrow)->setFocus();
    findControlAs<QRadioButton>(&sub, S::kNarrow)->click();
    EXPECT_EQ(sub.session().currentCode(), 0x830A);
    auto* output = findControlAs<QPushButton>(&sub, S::kOutput);
    EXPECT_FALSE(output->isEnabled());  // squelch is tuned with the volume
    auto* volume = findControlAs<QScrollBar>(&sub, S::kVolume);
    EXPECT_TRUE(volume->isEnabled());
    volume->setValue(64);
    findControlAs<QScrollBar>(&sub, S::kValue)->setValue(9);
    EXPECT_EQ(rig_.radio.Mode(), 6);
    sub.reject();
  });
  tuning.openItem(2);
  EXPECT_EQ(container().adjust().value(0x830A), 0xFFFF);  // not kept
  EXPECT_EQ(radioValue(0x830A), 0xFFFF);
}

TEST_F(TuningTest, ASilentRadioClosesTheSubItemDialogWithTheMessage) {
  CDlgTuning tuning(sharedRadioLink(), rig_.frame.get());
  whenModal<CDlgTuneSubItem>([this](CDlgTuneSubItem& sub) {
    rig_.pty.Stop();
    findControlAs<QTabBar>(&sub, S::kTabs)->setCurrentIndex(3);
    EXPECT_FALSE(sub.isVisible());
  });
  tuning.openItem(1);
  EXPECT_EQ(rig_.messageIds(), std::vector<int>{1143});
}

TEST(FactoryCommands, AdjustmentClosesTheLinkWhenItsDialogCloses) {
  TransferRig rig({}, "400-470");
  installFactoryCommands(*rig.frame);
  whenModal<CDlgTuning>([](CDlgTuning& tuning) { tuning.accept(); });
  rig.frame->runCommand(32697);
  EXPECT_FALSE(sharedRadioLink().IsOpen());
  EXPECT_EQ(rig.radio.Mode(), 1);

  whenModal<CDlgFactoryMode>([](CDlgFactoryMode& dialog) {
    findControlAs<QLineEdit>(&dialog, D::kModelName)->setText("Renamed");
    dialog.accept();
  });
  rig.frame->runCommand(32698);
  EXPECT_EQ(rig.frame->statusPane(59143)->text(), "Renamed");
}

}  // namespace
}  // namespace vex::gui
