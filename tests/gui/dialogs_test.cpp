#include <fstream>

#include <gtest/gtest.h>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTreeWidget>

#include "adapters/qt_translations.h"
#include "adapters/settings.h"
#include "config/app_settings.h"
#include "core/codeplug_writer.h"
#include "dialog_test_support.h"
#include "dialogs/com_port_dialog.h"
#include "dialogs/dialog_buttons.h"
#include "dialogs/file_dialog.h"
#include "dialogs/language_dialog.h"
#include "dialogs/model_info_dialog.h"
#include "help/dialog_help.h"
#include "help/help_window.h"
#include "toolkit/control_id.h"

namespace vex::gui {
namespace {

QString fieldText(const QWidget* dialog, int id) { return findControlAs<QLineEdit>(dialog, id)->text(); }

QStringList itemsOf(const QComboBox* combo) {
  QStringList items;
  for (int i = 0; i < combo->count(); ++i) items << combo->itemText(i);
  return items;
}

// A codeplug file with the given identity and comment.
void writeCodeplug(const std::string& path, const std::string& comment) {
  ModelState state{"PX446", "PX-446  ", "446-447", 0, "1.03.11x"};
  CodeplugHeader header = BuildSaveAsHeader(state, 0);
  std::array<std::uint8_t, 8192> image;
  image.fill(0xFF);
  ASSERT_TRUE(WriteCodeplugFile(path, header, {}, image, comment));
}

TEST(CDlgFile, OpenPreviewShowsACodeplugAndStaysEmptyForAnyOtherFile) {
  test::CatalogueDataDir data;
  data.addLanguageLine("S0201045=Model:");
  QTemporaryDir dir;
  const std::string codeplug = dir.filePath(QStringLiteral("a.dat")).toStdString();
  writeCodeplug(codeplug, "field radio 7");
  const std::string other = dir.filePath(QStringLiteral("b.dat")).toStdString();
  std::ofstream(other) << "VEX but nothing more";

  CDlgFile dialog(CDlgFile::Mode::Open);
  EXPECT_TRUE(dialog.testOption(QFileDialog::DontUseNativeDialog));
  EXPECT_EQ(findControlAs<QLabel>(&dialog, 1045)->text(), QStringLiteral("Model:"));
  EXPECT_TRUE(findControlAs<QLineEdit>(&dialog, 1044)->isReadOnly());

  dialog.showPreview(QString::fromStdString(codeplug));
  EXPECT_EQ(fieldText(&dialog, 1041), QStringLiteral("PX-446"));
  EXPECT_EQ(fieldText(&dialog, 1042), QStringLiteral("446 - 447MHz"));
  EXPECT_EQ(fieldText(&dialog, 1043), QStringLiteral("1.03.11"));
  EXPECT_EQ(fieldText(&dialog, 1044), QStringLiteral("field radio 7"));

  for (const std::string& path : {other, dir.path().toStdString(), std::string("/nonexistent/x.dat")}) {
    dialog.showPreview(QString::fromStdString(path));
    for (int id : {1041, 1042, 1043, 1044}) EXPECT_TRUE(fieldText(&dialog, id).isEmpty()) << path << " " << id;
  }
}

TEST(CDlgFile, SaveAsShowsTheBuiltHeaderAndTakesTheTypedComment) {
  test::CatalogueDataDir data;
  data.addLanguageLine("S0101211=dat");
  CDlgFile dialog(CDlgFile::Mode::SaveAs, QStringLiteral("/tmp/proposed.dat"));
  EXPECT_EQ(dialog.defaultSuffix(), QStringLiteral("dat"));
  EXPECT_EQ(dialog.acceptMode(), QFileDialog::AcceptSave);
  dialog.setHeaderCopy(BuildSaveAsHeader({"PX460", "PX-460", "400-470", 2, "1.03.11"}, 1));
  EXPECT_EQ(fieldText(&dialog, 1041), QStringLiteral("PX-460"));
  EXPECT_EQ(fieldText(&dialog, 1042), QStringLiteral("400 - 470MHz"));
  auto* comment = findControlAs<QLineEdit>(&dialog, 1044);
  EXPECT_FALSE(comment->isReadOnly());
  comment->setText(QStringLiteral("my comment"));
  dialog.accept();
  EXPECT_EQ(dialog.comment(), QStringLiteral("my comment"));
}

TEST(CDlgModelInfo, OpensOnTheCurrentValuesAndSwitchesRangesWithTheModel) {
  test::CatalogueDataDir data;
  data.addLanguageLine("[PX460]");
  data.addLanguageLine("S0001076=1");
  AppSettings& settings = settings::current();
  settings.setSignal(1);
  CDlgModelInfo dialog(settings);
  auto* names = findControlAs<QComboBox>(&dialog, 1072);
  auto* ranges = findControlAs<QComboBox>(&dialog, 1074);
  auto* signalling = findControlAs<QComboBox>(&dialog, 1076);
  EXPECT_EQ(itemsOf(names), (QStringList{"PX-446", "PX-446S", "PX-460"}));
  EXPECT_EQ(names->currentText(), QStringLiteral("PX-446"));
  EXPECT_EQ(itemsOf(ranges), QStringList{"446-447"});
  EXPECT_EQ(ranges->currentText(), QStringLiteral("446-447"));
  EXPECT_EQ(signalling->currentText(), QStringLiteral("DTMF"));
  EXPECT_TRUE(signalling->isEnabled());

  // A name of the same model keeps the ranges.
  names->setCurrentIndex(1);
  EXPECT_EQ(itemsOf(ranges), QStringList{"446-447"});
  EXPECT_EQ(dialog.choice().modelId, "PX446");

  // A name of another model brings its ranges, the first one chosen, and
  // that model's disable flag for the signalling.
  names->setCurrentIndex(2);
  EXPECT_EQ(itemsOf(ranges), (QStringList{"400-470", "430-440"}));
  EXPECT_EQ(ranges->currentIndex(), 0);
  EXPECT_EQ(ranges->itemData(1).toInt(), 2);
  EXPECT_FALSE(signalling->isEnabled());
  ranges->setCurrentIndex(1);
  dialog.accept();
  EXPECT_EQ(dialog.choice(), (ModelChoice{"PX460", "PX-460", "430-440", 1}));
  // The dialog changes no setting; the command does after OK.
  EXPECT_EQ(settings.modelId(), "PX446");
  EXPECT_EQ(settings.modelName(), "PX-446");
}

TEST(CDlgModelInfo, AModelWithoutRangesOfItsOwnNeverKeepsTheOldModelsRange) {
  test::CatalogueDataDir data;
  std::ofstream(data.path() + "/Model.dat") << "[Setting]\nModelID=PX446,PX480\nPX446=PX-446\nPX480=PX-480\n"
                                               "[PX446]\nNumber=1\nFreq0=446,447,0,0,0\n[PX480]\nNumber=0\n";
  CDlgModelInfo dialog(settings::current());
  auto* names = findControlAs<QComboBox>(&dialog, 1072);
  auto* ok = findControlAs<QPushButton>(&dialog, 1);
  names->setCurrentIndex(names->findText("PX-480"));
  auto* ranges = findControlAs<QComboBox>(&dialog, 1074);
  ASSERT_EQ(ranges->count(), 1);                                            // the catalogue's fallback range
  EXPECT_EQ(dialog.choice().freqRange, ranges->itemText(0).toStdString());  // not the old model's 446-447
  EXPECT_TRUE(ok->isEnabled());
  ranges->clear();  // a list left empty chooses nothing, and OK waits for a range
  EXPECT_EQ(dialog.choice().freqRange, "");
  EXPECT_FALSE(ok->isEnabled());
  names->setCurrentIndex(names->findText("PX-446"));
  EXPECT_EQ(dialog.choice().freqRange, "446-447");
  EXPECT_TRUE(ok->isEnabled());
}

TEST(CDlgLanguage, ListsTheLanguagesAndConfirmingTheCurrentOneIsACancel) {
  test::DataDir data;
  CDlgLanguage same({"English", "Chinese"}, 0);
  auto* list = findControlAs<QComboBox>(&same, 1039);
  EXPECT_EQ(itemsOf(list), (QStringList{"English", "Chinese"}));
  EXPECT_EQ(list->currentIndex(), 0);
  same.accept();
  EXPECT_EQ(same.result(), QDialog::Rejected);

  CDlgLanguage other({"English", "Chinese"}, 0);
  findControlAs<QComboBox>(&other, 1039)->setCurrentIndex(1);
  other.accept();
  EXPECT_EQ(other.result(), QDialog::Accepted);
  EXPECT_EQ(other.chosenIndex(), 1);
}

TEST(CDlgComPort, ListsEachPortWithItsIdentityAndWhyItCannotBeOpened) {
  test::DataDir data;
  data.addLanguageLine("S0202421=Free;Gone;Not allowed;Busy;Not serial;Broken");
  std::vector<PortListing> ports(2);
  ports[0].number = 1;
  ports[0].device.path = "/dev/ttyUSB0";
  ports[0].device.stableName = "/dev/serial/by-id/usb-FTDI_FT232R_A1-if00-port0";
  ports[0].device.usbVendor = 0x0403;
  ports[0].device.usbProduct = 0x6001;
  ports[0].device.product = "FT232R USB UART";
  ports[0].state = PortError::PermissionDenied;
  ports[1].device.path = "/dev/pts/7";
  int probes = 0;
  CDlgComPort dialog("/dev/pts/7", [&] {
    ++probes;
    return ports;
  });
  QTreeWidget* list = dialog.portList();
  ASSERT_EQ(list->topLevelItemCount(), 2);
  const QTreeWidgetItem* usb = list->topLevelItem(0);
  using D = CDlgComPort;
  EXPECT_EQ(usb->text(D::kNumberColumn), QStringLiteral("COM1"));
  EXPECT_EQ(usb->text(D::kDeviceColumn), QStringLiteral("/dev/ttyUSB0"));
  EXPECT_EQ(usb->text(D::kStableColumn), QString::fromStdString(ports[0].device.stableName));
  EXPECT_EQ(usb->text(D::kUsbColumn), QStringLiteral("0403:6001"));
  EXPECT_EQ(usb->text(D::kStateColumn), QStringLiteral("Not allowed"));
  EXPECT_EQ(list->topLevelItem(1)->text(D::kStateColumn), QStringLiteral("Free"));
  EXPECT_EQ(list->currentItem(), list->topLevelItem(1));  // the remembered device
  EXPECT_EQ(dialog.chosenPort(), "/dev/pts/7");

  list->setCurrentItem(list->topLevelItem(0));  // chosen by the name that survives a re-plug
  EXPECT_EQ(dialog.chosenPort(), ports[0].device.stableName);
  ports.pop_back();
  findControlAs<QPushButton>(&dialog, D::kRefresh)->click();
  EXPECT_EQ(probes, 2);
  EXPECT_EQ(list->topLevelItemCount(), 1);
  EXPECT_EQ(dialog.chosenPort(), ports[0].device.stableName);  // the field stays as chosen
  EXPECT_NE(findControlAs<QPushButton>(&dialog, kIdHelp), nullptr);
}

TEST(DialogHelp, HelpButtonOpensTheTopicOfTheDialogTemplate) {
  test::CatalogueDataDir data;
  std::ofstream(data.path() + "/help/1037_E.html") << "<html><body>Language</body></html>";
  CDlgLanguage dialog({"English"}, 0);
  EXPECT_EQ(dialog.property(kTemplateIdProperty).toInt(), 1037);  // F1 falls back to it
  findControlAs<QPushButton>(&dialog, 9)->click();
  EXPECT_TRUE(HelpWindow::instance()->currentTopic().endsWith(QStringLiteral("/1037_E.html")));
  HelpWindow::instance()->close();
}

}  // namespace
}  // namespace vex::gui

namespace vex::gui {
namespace {

TEST(QtTranslations, StockButtonsFollowTheLanguage) {
  if (!applyQtTranslations(true)) GTEST_SKIP() << "Qt's translations (qt6-translations-l10n) are not installed";
  QDialogButtonBox chinese(QDialogButtonBox::Cancel);
  EXPECT_EQ(chinese.button(QDialogButtonBox::Cancel)->text().remove('&'), QStringLiteral("取消"));
  applyQtTranslations(false);
  QDialogButtonBox english(QDialogButtonBox::Cancel);
  EXPECT_EQ(english.button(QDialogButtonBox::Cancel)->text().remove('&'), QStringLiteral("Cancel"));
}

}  // namespace
}  // namespace vex::gui
