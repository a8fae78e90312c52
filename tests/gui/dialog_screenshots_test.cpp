// Pictures of the dialogs for a visual check: runs only when
// VEX_DIALOG_SHOTS names a directory (scripts/dialog-screenshots sets it and
// runs this test on a virtual display).
#include <fstream>

#include <gtest/gtest.h>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QEventLoop>
#include <QTemporaryDir>
#include <QTimer>

#include "adapters/radio_data.h"
#include "adapters/settings.h"
#include "channels/chan_sheet.h"
#include "channels/view_channel.h"
#include "channels/view_channel_list.h"
#include "commands/settings_commands.h"
#include "config/app_settings.h"
#include "core/codeplug_writer.h"
#include "dialog_test_support.h"
#include "dialogs/com_port_dialog.h"
#include "dialogs/file_dialog.h"
#include "dialogs/language_dialog.h"
#include "dialogs/model_info_dialog.h"
#include "factory/factory_mode_dialog.h"
#include "factory/tune_sub_item_dialog.h"
#include "factory/tuning_dialog.h"

namespace vex::gui {
namespace {

void copyDirectory(const QString& from, const QString& to) {
  QDir().mkpath(to);
  for (const QFileInfo& entry : QDir(from).entryInfoList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot)) {
    if (entry.isDir())
      copyDirectory(entry.filePath(), to + "/" + entry.fileName());
    else
      QFile::copy(entry.filePath(), to + "/" + entry.fileName());
  }
}

void shoot(QWidget& dialog, const QString& directory, const QString& name) {
  dialog.show();
  QEventLoop loop;  // lets the window system map and paint the dialog
  QTimer::singleShot(300, &loop, &QEventLoop::quit);
  loop.exec();
  dialog.grab().save(directory + "/" + name + ".png");
  dialog.hide();
}

TEST(DialogScreenshots, SavesAPictureOfEachDialog) {
  const QString out = qEnvironmentVariable("VEX_DIALOG_SHOTS");
  if (out.isEmpty()) GTEST_SKIP() << "VEX_DIALOG_SHOTS not set";
  QDir().mkpath(out);
  QTemporaryDir data;
  copyDirectory(QString::fromLatin1(VEX_DATA_DIR), data.path());
  settings::initialise(data.path().toStdString());
  AppSettings& settings = settings::current();

  QTemporaryDir files;
  const QString sample = files.filePath(QStringLiteral("field-radio.dat"));
  std::array<std::uint8_t, 8192> image;
  image.fill(0xFF);
  WriteCodeplugFile(
      sample.toStdString(),
      BuildSaveAsHeader({settings.modelId(), settings.modelName(), settings.freqRange(), 0, "1.03.11"}, 0), {}, image,
      "Depot radio, channels for the summer event");

  CDlgFile open(CDlgFile::Mode::Open);
  open.setDirectory(files.path());
  open.selectFile(sample);
  open.showPreview(sample);
  open.resize(760, 520);
  shoot(open, out, QStringLiteral("file-open"));

  CDlgFile saveAs(CDlgFile::Mode::SaveAs, files.filePath(QStringLiteral("new.dat")));
  saveAs.setHeaderCopy(
      BuildSaveAsHeader({settings.modelId(), settings.modelName(), settings.freqRange(), 0, "1.03.11"}, 0));
  saveAs.resize(760, 520);
  shoot(saveAs, out, QStringLiteral("file-save-as"));

  CDlgModelInfo model(settings);
  shoot(model, out, QStringLiteral("model-information"));

  CDlgLanguage language(settings.textList(1039), settings.languageIndex());
  shoot(language, out, QStringLiteral("language"));

  PortStates ports = test::portsWithout({2, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16});
  ports[0].device = "/dev/ttyS0";
  ports[1].device = "/dev/ttyS1";
  ports[2].device = "/dev/ttyUSB0";
  for (int n = 4; n <= 16; ++n) ports[n - 1].device.clear();
  CDlgComPort port(2, ports);
  shoot(port, out, QStringLiteral("communication-port"));

  CDlgComPort probed(settings.comPort() - 1, ProbeSerialPorts(settings));
  shoot(probed, out, QStringLiteral("communication-port-probed"));
}

// The factory dialogs in both languages, at the factory level.
TEST(DialogScreenshots, SavesAPictureOfEachFactoryDialog) {
  const QString out = qEnvironmentVariable("VEX_DIALOG_SHOTS");
  if (out.isEmpty()) GTEST_SKIP() << "VEX_DIALOG_SHOTS not set";
  QTemporaryDir data;
  copyDirectory(QString::fromLatin1(VEX_DATA_DIR), data.path());
  std::ofstream(data.filePath("Settings.ini").toStdString())
      << "[Setting]\nModelName=Vex M1\nModelID=VEXM1\nFreqRange=400-470\n[User Mode]\nLevel=52840619\n";
  settings::initialiseSeparate(data.path().toStdString());
  for (int language : {0, 1}) {
    settings::current().selectLanguage(language);
    const QString suffix = language == 0 ? "-E" : "-S";
    CDlgFactoryMode factory;
    shoot(factory, out, "factory-mode" + suffix);
    CRadioLink link;
    CDlgTuning tuning(link);
    shoot(tuning, out, "tuning" + suffix);
    CDlgTuneSubItem sub(link, tuning.items().at(5), 120);
    shoot(sub, out, "tune-sub-item" + suffix);
  }
}

// The channel view's pages (typed and PMR446 frequencies) and the channel
// list, in both languages.
TEST(DialogScreenshots, SavesAPictureOfTheChannelViews) {
  const QString out = qEnvironmentVariable("VEX_DIALOG_SHOTS");
  if (out.isEmpty()) GTEST_SKIP() << "VEX_DIALOG_SHOTS not set";
  QTemporaryDir data;
  copyDirectory(QString::fromLatin1(VEX_DATA_DIR), data.path());
  for (const char* range : {"400-470", "446-446"}) {
    std::ofstream(data.filePath("Settings.ini").toStdString())
        << "[Setting]\nModelName=Vex M1\nModelID=VEXM1\nFreqRange=" << range << "\n[User Mode]\nLevel=0\n";
    settings::initialiseSeparate(data.path().toStdString());
    for (int language : {0, 1}) {
      settings::current().selectLanguage(language);
      radio_data::resetToDefaults();
      const QString suffix = QStringLiteral("-%1%2").arg(range).arg(language == 0 ? "-E" : "-S");
      CViewChannel channel;
      channel.initialUpdate();
      channel.resize(channel.form()->size());
      shoot(channel, out, "channel-basic" + suffix);
      channel.chanSheet()->setCurrentIndex(1);
      shoot(channel, out, "channel-options" + suffix);
      channel.chanSheet()->setCurrentIndex(0);
      if (std::string(range) != "400-470") continue;
      CViewChannelList list;
      list.initialUpdate();
      list.resize(list.form()->size());
      shoot(list, out, "channel-list" + suffix);
    }
  }
}

}  // namespace
}  // namespace vex::gui
