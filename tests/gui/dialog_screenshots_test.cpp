// Every dialog in both languages, checked for what a look at its picture
// would find: each control inside the window and each text fitting its
// control. With VEX_DIALOG_SHOTS naming a directory the pictures are saved
// there too (scripts/dialog-screenshots does that on a virtual display).
#include <fstream>

#include <gtest/gtest.h>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>

#include "adapters/radio_data.h"
#include "adapters/settings.h"
#include "adapters/texts.h"
#include "app/about_dialog.h"
#include "channels/chan_sheet.h"
#include "channels/personality_view.h"
#include "channels/view_channel.h"
#include "channels/view_channel_list.h"
#include "commands/settings_commands.h"
#include "config/app_settings.h"
#include "config/safe_format.h"
#include "core/codeplug_writer.h"
#include "dialog_test_support.h"
#include "dialogs/com_port_dialog.h"
#include "dialogs/file_dialog.h"
#include "dialogs/language_dialog.h"
#include "dialogs/model_info_dialog.h"
#include "dialogs/radio_password_dialog.h"
#include "factory/factory_mode_dialog.h"
#include "factory/tune_sub_item_dialog.h"
#include "factory/tuning_dialog.h"
#include "toolkit/control_id.h"
#include "transfer/transfer_dialog.h"
#include "views/property_sheet.h"
#include "views/view_alert_tone.h"
#include "views/view_atis.h"
#include "views/view_btn_key.h"
#include "views/view_dos.h"
#include "views/view_mis.h"
#include "views/view_password.h"
#include "views/view_ptt_id.h"
#include "views/view_radio.h"

namespace vex::gui {
namespace {

// The width a control's text needs, 0 for controls without a one-line text.
int neededWidth(const QWidget* control) {
  const QFontMetrics metrics(control->font());
  if (auto* label = qobject_cast<const QLabel*>(control)) {
    if (label->wordWrap() || label->text().contains('\n') || label->textFormat() == Qt::RichText) return 0;
    // A label with a buddy draws its mnemonic marker as an underline, not as "&".
    return label->buddy() ? metrics.size(Qt::TextShowMnemonic, label->text()).width()
                          : metrics.horizontalAdvance(label->text());
  }
  if (qobject_cast<const QCheckBox*>(control) || qobject_cast<const QRadioButton*>(control))
    return control->sizeHint().width();
  if (auto* button = qobject_cast<const QPushButton*>(control))
    return button->text().isEmpty() ? 0 : metrics.horizontalAdvance(QString(button->text()).remove('&')) + 6;
  if (auto* group = qobject_cast<const QGroupBox*>(control)) return metrics.horizontalAdvance(group->title()) + 16;
  return 0;
}

// Each shown control lies inside the window and its text fits it.
void expectFits(QWidget& dialog, const QString& name) {
  const QRect window = dialog.rect().adjusted(-1, -1, 1, 1);
  for (QWidget* control : dialog.findChildren<QWidget*>()) {
    if (!control->isVisibleTo(&dialog) || controlId(control) <= 0) continue;
    const QRect place(control->mapTo(&dialog, QPoint(0, 0)), control->size());
    EXPECT_TRUE(window.contains(place)) << name.toStdString() << ": control " << controlId(control) << " outside";
    EXPECT_LE(neededWidth(control), control->width())
        << name.toStdString() << ": text of control " << controlId(control) << " clipped";
  }
}

void shoot(QWidget& dialog, const QString& name) {
  dialog.show();
  QApplication::processEvents();
  expectFits(dialog, name);
  if (const QString out = qEnvironmentVariable("VEX_DIALOG_SHOTS"); !out.isEmpty()) {
    QDir().mkpath(out);
    dialog.grab().save(out + "/" + name + ".png");
  }
  dialog.hide();
}

TEST(DialogScreenshots, EveryDialogFitsItsTextsInBothLanguages) {
  QTemporaryDir data;
  test::copyDirectory(QString::fromLatin1(VEX_DATA_DIR), data.path());
  settings::initialiseSeparate(data.path().toStdString());
  AppSettings& settings = settings::current();
  for (int language : {0, 1}) {
    settings.selectLanguage(language);
    const QString suffix = language == 0 ? "-E" : "-S";

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
    shoot(open, "file-open" + suffix);

    CDlgFile saveAs(CDlgFile::Mode::SaveAs, files.filePath(QStringLiteral("new.dat")));
    saveAs.setHeaderCopy(
        BuildSaveAsHeader({settings.modelId(), settings.modelName(), settings.freqRange(), 0, "1.03.11"}, 0));
    saveAs.resize(760, 520);
    shoot(saveAs, "file-save-as" + suffix);

    CDlgModelInfo model(settings);
    shoot(model, "model-information" + suffix);

    CDlgLanguage languages(settings.textList(1039), settings.languageIndex());
    shoot(languages, "language" + suffix);

    std::vector<PortListing> ports = test::portsWithout({2});
    ports.resize(3);
    ports[0].device.path = "/dev/ttyUSB0";
    ports[0].device.stableName = "/dev/serial/by-id/usb-FTDI_FT232R_USB_UART_A10K1234-if00-port0";
    ports[0].device.usbVendor = 0x0403;
    ports[0].device.usbProduct = 0x6001;
    ports[0].device.manufacturer = "FTDI";
    ports[0].device.product = "FT232R USB UART";
    ports[1].device.path = "/dev/ttyACM0";
    ports[2].device.path = "/dev/ttyS0";
    ports[2].device.driver = "serial8250";
    ports[2].state = PortError::PermissionDenied;
    CDlgComPort port(ports[0].device.stableName, [&ports] { return ports; });
    shoot(port, "communication-port" + suffix);

    CAboutDialog about;
    shoot(about, "about" + suffix);
    std::array<std::uint8_t, 8192> buffer{};
    CDlgTransfer transfer(TransferDirection::Read, buffer);
    transfer.statusText()->setText(QString::fromStdString(formatText(texts::label(1604), 100)) + "%");
    shoot(transfer, "transfer" + suffix);
  }
}

// The factory dialogs in both languages, at the factory level.
TEST(DialogScreenshots, EveryFactoryDialogFitsItsTextsInBothLanguages) {
  QTemporaryDir data;
  test::copyDirectory(QString::fromLatin1(VEX_DATA_DIR), data.path());
  std::ofstream(data.filePath("Settings.ini").toStdString())
      << "[Setting]\nModelName=Vex M1\nModelID=VEXM1\nFreqRange=400-470\n[User Mode]\nLevel=52840619\n";
  settings::initialiseSeparate(data.path().toStdString());
  for (int language : {0, 1}) {
    settings::current().selectLanguage(language);
    const QString suffix = language == 0 ? "-E" : "-S";
    CDlgFactoryMode factory;
    shoot(factory, "factory-mode" + suffix);
    CRadioLink link;
    CDlgTuning tuning(link);
    shoot(tuning, "tuning" + suffix);
    CDlgTuneSubItem sub(link, tuning.items().at(5), 120);
    shoot(sub, "tune-sub-item" + suffix);
  }
}

// The channel view's pages (typed and PMR446 frequencies) and the channel
// list, in both languages.
TEST(DialogScreenshots, EveryChannelViewFitsItsTextsInBothLanguages) {
  QTemporaryDir data;
  test::copyDirectory(QString::fromLatin1(VEX_DATA_DIR), data.path());
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
      shoot(channel, "channel-basic" + suffix);
      channel.chanSheet()->setCurrentIndex(1);
      shoot(channel, "channel-options" + suffix);
      channel.chanSheet()->setCurrentIndex(0);
      if (std::string(range) != "400-470") continue;
      CViewChannelList list;
      list.initialUpdate();
      list.resize(list.form()->size());
      shoot(list, "channel-list" + suffix);
    }
  }
}

// The radio information, miscellaneous, keys, alert tone, password,
// personality and signalling views and the Password dialog, in both languages.
TEST(DialogScreenshots, EveryRadioSettingsViewFitsItsTextsInBothLanguages) {
  QTemporaryDir data;
  test::copyDirectory(QString::fromLatin1(VEX_DATA_DIR), data.path());
  settings::initialiseSeparate(data.path().toStdString());
  for (int language : {0, 1}) {
    settings::current().selectLanguage(language);
    radio_data::resetToDefaults();
    const QString suffix = language == 0 ? "-E" : "-S";
    const auto shootView = [](CCustomFormView& view, const QString& name) {
      view.initialUpdate();
      view.resize(view.form()->size());
      shoot(view, name);
    };
    CViewRadio radio;
    shootView(radio, "radio-information" + suffix);
    CViewMis misc;
    shootView(misc, "miscellaneous" + suffix);
    CViewBtnKey keys;
    shootView(keys, "keys" + suffix);
    CViewAlertTone tones;
    shootView(tones, "alert-tone" + suffix);
    CViewPassword passwords;
    shootView(passwords, "passwords" + suffix);
    CViewAtis atis;
    shootView(atis, "atis" + suffix);
    CViewPttId pttId;
    shootView(pttId, "ptt-id" + suffix);
    CViewDos dos;
    shootView(dos, "dos" + suffix);
    CViewPersonality personality;
    shootView(personality, "personality-rx-tx" + suffix);
    personality.sheet()->setCurrentIndex(1);
    shoot(personality, "personality-squelch" + suffix);
    CDlgPassword password;
    shoot(password, "password" + suffix);
  }
}

}  // namespace
}  // namespace vex::gui
