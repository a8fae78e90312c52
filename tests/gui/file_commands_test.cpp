#include <cstring>
#include <filesystem>
#include <fstream>

#include <gtest/gtest.h>
#include <QDir>
#include <QDockWidget>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTreeWidget>

#include "adapters/radio_data.h"
#include "adapters/settings.h"
#include "adapters/texts.h"
#include "commands/command_handlers.h"
#include "config/app_settings.h"
#include "core/channel_values.h"
#include "core/codeplug_reader.h"
#include "core/container.h"
#include "dialog_test_support.h"
#include "toolkit/control_id.h"
#include "views/messages.h"
#include "workspace/main_frame.h"
#include "workspace/menu_table.h"

namespace vex::gui {
namespace {

// A main frame with the command handlers, scripted prompts and a recent-file
// list of its own; the start-up New has run.
class CommandsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    handlers.files().startUp();
    handlers.files().buildMenus();
  }

  std::string file(const char* name) const { return work.filePath(QString::fromLatin1(name)).toStdString(); }
  AppSettings& settings() { return settings::current(); }
  std::uint8_t& someDataByte() { return radio_data::miscBytes()[0]; }
  QString pane(int id) const { return frame.statusPane(id)->text(); }
  QString treeRoot() const { return frame.tree()->topLevelItem(0)->text(0); }

  void saveAs(const std::string& path, const std::string& comment) {
    prompts->saveAsChoice = SaveAsChoice{path, comment};
    handlers.handle(kCmdFileSaveAs);
  }

  test::CatalogueDataDir data;
  CMainFrame frame;
  QTemporaryDir work;
  QSettings recentStore{work.filePath(QStringLiteral("recent.ini")), QSettings::IniFormat};
  test::ScriptedPrompts* prompts = new test::ScriptedPrompts;
  std::vector<PortListing> ports = test::portsWithout({});
  CommandHandlers handlers{frame, settings::current(), std::unique_ptr<Prompts>(prompts), [this] { return ports; },
                           &recentStore};
};

std::string commentOf(const std::string& path) {
  std::string comment;
  ReadCodeplugComment(path, comment);
  return comment;
}

void setVersionA(const std::string& path, const char* version) {
  std::fstream f(path, std::ios::in | std::ios::out | std::ios::binary);
  f.seekp(3 + 52);
  f.write(version, 4);
}

TEST_F(CommandsTest, SaveAsWritesTheTypedCommentAndSaveOverTheFileKeepsIt) {
  const std::string path = file("radio.dat");
  saveAs(path, "typed comment");
  EXPECT_TRUE(prompts->shown.empty());
  EXPECT_EQ(commentOf(path), "typed comment");
  ASSERT_TRUE(prompts->saveAsHeaderShown);
  EXPECT_EQ(prompts->saveAsHeaderShown->modelName(), "PX-446");
  EXPECT_EQ(prompts->saveAsHeaderShown->rangeText(), "446-447");
  EXPECT_TRUE(frame.windowTitle().contains(QString::fromStdString(path)));
  EXPECT_EQ(handlers.recentFiles().entries(), QStringList{QString::fromStdString(path)});

  // Save goes to the current file without asking and keeps its comment.
  prompts->saveAsHeaderShown.reset();
  prompts->saveAsChoice.reset();
  someDataByte() ^= 0x01;
  handlers.handle(kCmdFileSave);
  EXPECT_FALSE(prompts->saveAsHeaderShown);
  EXPECT_EQ(commentOf(path), "typed comment");
  EXPECT_EQ(std::filesystem::file_size(path), 8335u + std::string("typed comment").size());

  // Save As to the same file with an empty comment keeps it too.
  saveAs(path, "");
  EXPECT_EQ(commentOf(path), "typed comment");
}

TEST_F(CommandsTest, SaveWithoutAFileAsksWhereAndCancelWritesNothing) {
  prompts->saveAsChoice.reset();
  handlers.handle(kCmdFileSave);
  EXPECT_TRUE(prompts->saveAsHeaderShown);
  EXPECT_TRUE(prompts->shown.empty());
  EXPECT_TRUE(handlers.files().session().fileName().empty());
}

TEST_F(CommandsTest, AFailedSaveSaysWhyAndKeepsTheDataToSaveElsewhere) {
  std::ofstream(file("plain")) << "x";
  someDataByte() ^= 0x01;
  const std::uint8_t changed = someDataByte();
  saveAs(file("plain") + "/radio.dat", "c");
  ASSERT_EQ(prompts->texts.size(), 1u);
  EXPECT_EQ(prompts->texts[0], texts::message(text::kMsgFileNotWritten) + "\n" + file("plain") + "/radio.dat: " +
                                   std::strerror(ENOTDIR));
  EXPECT_TRUE(handlers.files().session().fileName().empty());
  EXPECT_EQ(someDataByte(), changed);
  saveAs(file("radio.dat"), "c");
  EXPECT_EQ(handlers.files().session().fileName(), file("radio.dat"));
}

TEST_F(CommandsTest, FindingsRefuseSaveAndSaveAsWith814AndShowTheInvalidLog) {
  auto& channels = RadioDataContainer::instance().channels();
  ASSERT_GT(channels.size(), 0u);
  channels[0].setPersonalityLink(-7);  // a personality that does not exist
  const std::string path = file("refused.dat");
  saveAs(path, "x");
  EXPECT_EQ(prompts->shown, std::vector<int>{814});
  EXPECT_FALSE(prompts->saveAsHeaderShown);
  EXPECT_FALSE(std::filesystem::exists(path));
  EXPECT_FALSE(frame.invalidLogBar()->isHidden());
  EXPECT_FALSE(radio_data::invalidRows().empty());
  handlers.handle(kCmdFileSave);
  EXPECT_EQ(prompts->shown, (std::vector<int>{814, 814}));
}

TEST_F(CommandsTest, OpenBringsBackModelRangeAndDataAndShowsThePath) {
  const std::string path = file("saved.dat");
  someDataByte() ^= 0x01;
  const std::uint8_t saved = someDataByte();
  saveAs(path, "c");
  someDataByte() ^= 0x01;
  settings().setModelName("other");

  prompts->openPath = path;
  handlers.handle(kCmdFileOpen);
  EXPECT_TRUE(prompts->shown.empty());
  EXPECT_EQ(someDataByte(), saved);
  EXPECT_EQ(settings().modelName(), "PX-446");
  EXPECT_EQ(treeRoot(), QStringLiteral("PX-446"));
  EXPECT_EQ(pane(59144), QStringLiteral("446-447 MHz"));
  EXPECT_TRUE(frame.windowTitle().endsWith(QStringLiteral("[ %1 ]").arg(QString::fromStdString(path))));
}

TEST_F(CommandsTest, NewerDataVersionIsRefusedWith1230OnOpenAnd1140FromTheRecentList) {
  const std::string path = file("newer.dat");
  saveAs(path, "c");
  setVersionA(path, "1.04");
  someDataByte() ^= 0x01;
  const std::uint8_t kept = someDataByte();

  prompts->openPath = path;
  handlers.handle(kCmdFileOpen);
  EXPECT_EQ(prompts->shown, std::vector<int>{1230});
  EXPECT_EQ(someDataByte(), kept);

  handlers.files().openRecent(path);
  EXPECT_EQ(prompts->shown, (std::vector<int>{1230, 1140}));
  EXPECT_EQ(someDataByte(), kept);
  // A version that only begins like the program's is accepted.
  setVersionA(path, "1.03");
  EXPECT_TRUE(handlers.files().openRecent(path));
}

TEST_F(CommandsTest, ARecentFileThatIsNoCodeplugShows802AndLeavesTheList) {
  const std::string good = file("good.dat");
  saveAs(good, "");
  const std::string broken = file("broken.dat");
  std::ofstream(broken) << "not a codeplug";
  handlers.recentFiles().add(QString::fromStdString(broken));
  EXPECT_EQ(handlers.recentFiles().entries().size(), 2);

  EXPECT_FALSE(handlers.files().openRecent(broken));
  EXPECT_EQ(prompts->shown, std::vector<int>{802});
  EXPECT_EQ(handlers.recentFiles().entries(), QStringList{QString::fromStdString(good)});
}

TEST_F(CommandsTest, RecentListKeepsFourEntriesNewestFirstInTheFileMenu) {
  for (const char* name : {"1.dat", "2.dat", "3.dat", "4.dat", "5.dat", "3.dat"})
    handlers.recentFiles().add(QString::fromStdString(file(name)));
  const QStringList entries = handlers.recentFiles().entries();
  ASSERT_EQ(entries.size(), 4);
  EXPECT_TRUE(entries[0].endsWith(QStringLiteral("3.dat")));
  EXPECT_TRUE(entries[1].endsWith(QStringLiteral("5.dat")));
  EXPECT_TRUE(entries[3].endsWith(QStringLiteral("2.dat")));

  // The File menu lists them above Exit once the list changes.
  handlers.files().buildMenus();
  QStringList shown;
  const QList<QAction*> fileActions = frame.menuBar()->actions().front()->menu()->actions();
  for (QAction* action : fileActions)
    if (action->text().startsWith('&') && action->text().endsWith(QStringLiteral(".dat"))) shown << action->text();
  EXPECT_EQ(shown, (QStringList{"&1 3.dat", "&2 5.dat", "&3 4.dat", "&4 2.dat"}));
  EXPECT_EQ(fileActions.back()->data().toInt(), kCmdExit);

  // A relative path is kept absolute, so it neither opens another file later
  // nor stands beside the same file's absolute path.
  const QString current = QDir::currentPath();
  QDir::setCurrent(work.path());
  handlers.recentFiles().add(QStringLiteral("./x/../5.dat"));
  QDir::setCurrent(current);
  EXPECT_EQ(handlers.recentFiles().entries().mid(0, 2),
            (QStringList{QString::fromStdString(file("5.dat")), entries[0]}));
}

TEST_F(CommandsTest, NewAsks800OnlyOverChangesAndCancelKeepsTheData) {
  someDataByte() ^= 0x01;
  const std::uint8_t changed = someDataByte();
  prompts->answers = {false};
  handlers.handle(kCmdFileNew);
  EXPECT_EQ(prompts->asked, std::vector<int>{800});
  EXPECT_EQ(someDataByte(), changed);

  handlers.handle(kCmdFileNew);  // answered OK
  EXPECT_EQ(prompts->asked, (std::vector<int>{800, 800}));
  EXPECT_NE(someDataByte(), changed);
  EXPECT_FALSE(frame.isModified());
  handlers.handle(kCmdFileNew);  // nothing to lose: no question
  EXPECT_EQ(prompts->asked.size(), 2u);
}

TEST_F(CommandsTest, SaveAndOpenLeaveTheDataUnmodified) {
  someDataByte() ^= 0x01;
  EXPECT_TRUE(frame.isModified());
  EXPECT_TRUE(frame.windowTitle().startsWith('*'));
  const std::string path = file("saved.dat");
  saveAs(path, "c");
  EXPECT_FALSE(frame.isModified());
  EXPECT_FALSE(frame.windowTitle().startsWith('*'));
  someDataByte() ^= 0x01;
  EXPECT_TRUE(frame.isModified());
  prompts->openPath = path;
  handlers.handle(kCmdFileOpen);
  EXPECT_FALSE(frame.isModified());
}

TEST_F(CommandsTest, ModelNameChangeOfTheSameModelKeepsTheData) {
  someDataByte() ^= 0x01;
  const std::uint8_t changed = someDataByte();
  prompts->modelChoice = ModelChoice{"PX446", "PX-446S", "446-447", settings().signal()};
  handlers.handle(kCmdModelInfo);
  EXPECT_TRUE(prompts->asked.empty());
  EXPECT_EQ(settings().modelName(), "PX-446S");
  EXPECT_EQ(settings().modelId(), "PX446");
  EXPECT_EQ(someDataByte(), changed);
  EXPECT_EQ(treeRoot(), QStringLiteral("PX-446S"));
  EXPECT_EQ(pane(59143), QStringLiteral("PX-446S"));
}

TEST_F(CommandsTest, AnyOtherModelChangeAsks800AndReloadsTheDefaults) {
  const std::uint8_t defaultByte = someDataByte();
  someDataByte() ^= 0x01;
  const std::uint8_t changed = someDataByte();
  prompts->modelChoice = ModelChoice{"PX460", "PX-460", "400-470", 1};

  prompts->answers = {false};
  handlers.handle(kCmdModelInfo);
  EXPECT_EQ(prompts->asked, std::vector<int>{800});
  EXPECT_EQ(settings().modelId(), "PX446");
  EXPECT_EQ(settings().freqRange(), "446-447");
  EXPECT_EQ(someDataByte(), changed);

  handlers.handle(kCmdModelInfo);  // answered Yes
  EXPECT_EQ(settings().modelId(), "PX460");
  EXPECT_EQ(settings().modelName(), "PX-460");
  EXPECT_EQ(settings().freqRange(), "400-470");
  EXPECT_EQ(settings().signal(), 1);
  EXPECT_EQ(someDataByte(), defaultByte);
  EXPECT_EQ(pane(59144), QStringLiteral("400-470 MHz"));
  EXPECT_EQ(treeRoot(), QStringLiteral("PX-460"));
}

TEST_F(CommandsTest, UnchangedOrCancelledModelDialogChangesNothing) {
  someDataByte() ^= 0x01;
  const std::uint8_t changed = someDataByte();
  prompts->modelChoice.reset();
  handlers.handle(kCmdModelInfo);
  prompts->modelChoice = ModelChoice{"PX446", "PX-446", "446-447", settings().signal()};
  handlers.handle(kCmdModelInfo);
  EXPECT_TRUE(prompts->asked.empty());
  EXPECT_EQ(someDataByte(), changed);
  EXPECT_EQ(settings().modelName(), "PX-446");
}

TEST_F(CommandsTest, LanguageChangeReloadsTheDataAndRetitlesTheWindow) {
  std::ofstream(data.path() + "/VEX_S.lng") << "[Setting]\nLanguage=Chinese\nLanguageList=English,Chinese\n"
                                               "S0200128=second title\nS0102231=Port %d\n";
  someDataByte() ^= 0x01;
  const std::uint8_t changed = someDataByte();
  prompts->languageChoice = 1;
  handlers.handle(kCmdLanguage);
  EXPECT_EQ(settings().languageIndex(), 1);
  EXPECT_EQ(frame.windowTitle(), QStringLiteral("second title"));
  EXPECT_EQ(pane(59145), QStringLiteral("Port 3"));
  EXPECT_NE(someDataByte(), changed);
}

TEST_F(CommandsTest, LanguageChangeAsks800FirstWhenAViewChangedTheData) {
  std::ofstream(data.path() + "/VEX_S.lng") << "[Setting]\nLanguage=Chinese\nLanguageList=English,Chinese\n";
  someDataByte() ^= 0x01;
  const std::uint8_t changed = someDataByte();
  frame.sendToMainFrame(WM_DATA_CHANGED, 0, 0, nullptr);  // as a view does after an edit
  prompts->languageChoice = 1;
  prompts->answers = {false};
  handlers.handle(kCmdLanguage);
  EXPECT_EQ(prompts->asked, std::vector<int>{800});
  EXPECT_EQ(settings().languageIndex(), 0);  // No keeps the data and the language
  EXPECT_EQ(someDataByte(), changed);
  handlers.handle(kCmdLanguage);  // Yes
  EXPECT_EQ(settings().languageIndex(), 1);
  EXPECT_NE(someDataByte(), changed);
  EXPECT_FALSE(frame.isModified());
}

TEST_F(CommandsTest, DataReadFromARadioHaveNoFileSoSaveAsks) {
  const std::string path = file("before.dat");
  saveAs(path, "c");
  ASSERT_EQ(handlers.files().session().fileName(), path);
  frame.dataReplaced({});  // what Read from Radio does once the radio's data are in
  EXPECT_TRUE(handlers.files().session().fileName().empty());
  EXPECT_FALSE(frame.windowTitle().contains(QString::fromStdString(path)));
  prompts->saveAsHeaderShown.reset();
  prompts->saveAsChoice.reset();
  const auto written = std::filesystem::last_write_time(path);
  handlers.handle(kCmdFileSave);
  EXPECT_TRUE(prompts->saveAsHeaderShown);  // Save asks where instead of writing over the old file
  EXPECT_EQ(std::filesystem::last_write_time(path), written);
}

TEST_F(CommandsTest, OpenAndNewClearTheInvalidLogOfTheOldData) {
  const std::string path = file("clean.dat");
  saveAs(path, "c");
  RadioDataContainer::instance().personalities().clear();
  ASSERT_GT(radio_data::validate(), 0);
  prompts->openPath = path;
  handlers.handle(kCmdFileOpen);
  EXPECT_TRUE(radio_data::invalidRows().empty());
  EXPECT_TRUE(frame.invalidLogBar()->keys().isEmpty());
}

TEST_F(CommandsTest, LanguageDialogWithoutAChangeChangesNothing) {
  someDataByte() ^= 0x01;
  const std::uint8_t changed = someDataByte();
  prompts->languageChoice.reset();
  handlers.handle(kCmdLanguage);
  prompts->languageChoice = settings().languageIndex();
  handlers.handle(kCmdLanguage);
  EXPECT_EQ(settings().languageIndex(), 0);
  EXPECT_EQ(someDataByte(), changed);
}

TEST_F(CommandsTest, PortDialogRemembersADeviceByItsStableNameAndCOMnAsTheNumber) {
  ASSERT_EQ(settings().comPort(), 3);
  ports[4].device.stableName = "/dev/serial/by-id/usb-FTDI_FT232R_A1-if00-port0";
  QString shown;
  prompts->portDialogAction = [&](CDlgComPort& dialog) {
    shown = dialog.deviceEdit()->text();
    dialog.portList()->setCurrentItem(dialog.portList()->topLevelItem(4));
    dialog.accept();
  };
  handlers.handle(kCmdPort);
  EXPECT_EQ(shown, QStringLiteral("COM3"));
  EXPECT_EQ(settings().portDevice(), "/dev/serial/by-id/usb-FTDI_FT232R_A1-if00-port0");
  EXPECT_EQ(pane(59145), QStringLiteral("/dev/serial/by-id/usb-FTDI_FT232R_A1-if00-port0"));

  prompts->portDialogAction = [](CDlgComPort& dialog) {
    dialog.deviceEdit()->setText(QStringLiteral(" com7 "));
    dialog.accept();
  };
  handlers.handle(kCmdPort);
  EXPECT_EQ(settings().comPort(), 7);
  EXPECT_EQ(settings().portDevice(), "");
  EXPECT_EQ(pane(59145), QStringLiteral("COM7"));

  prompts->portDialogAction = [](CDlgComPort& dialog) {
    dialog.deviceEdit()->setText(QStringLiteral("/dev/ttyACM0"));
    dialog.reject();
  };
  handlers.handle(kCmdPort);
  EXPECT_EQ(settings().comPort(), 7);
  EXPECT_EQ(settings().portDevice(), "");
}

std::string slurp(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

std::vector<std::uint32_t> receiveFrequencies() {
  std::vector<std::uint32_t> frequencies;
  for (const auto& item : RadioDataContainer::instance().channels())
    frequencies.push_back(LoadChannelValues(item->record()).rxFrequency);
  return frequencies;
}

constexpr char kCsvHeader[] = "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,Mode,Power\r\n";

TEST_F(CommandsTest, ChannelsGoOutAsCsvAndComeBackThroughTheFileMenu) {
  const std::string csv = file("channels.csv");
  prompts->csvPath = csv;
  const std::vector<std::uint32_t> before = receiveFrequencies();
  ASSERT_FALSE(before.empty());
  handlers.handle(kCmdExportChannels);
  EXPECT_TRUE(prompts->texts.empty());
  EXPECT_EQ(slurp(csv).rfind("Location,Name,Frequency,", 0), 0u);

  // Two channels in place of the data's own; the rest of the data stays.
  someDataByte() = 0x5A;
  std::ofstream(csv, std::ios::binary | std::ios::trunc)
      << kCsvHeader << "1,,446.006250,,0.000000,Tone,88.5,88.5,NFM,Low\r\n"
      << "2,,446.018750,,0.000000,,88.5,88.5,FM,High\r\n";
  handlers.handle(kCmdImportChannels);
  // The scan list's members past channel 2 are emptied, and said so.
  ASSERT_EQ(prompts->texts.size(), 1u);
  EXPECT_NE(prompts->texts[0].find("member_3: channel 3 no longer exists"), std::string::npos) << prompts->texts[0];
  EXPECT_EQ(receiveFrequencies(), (std::vector<std::uint32_t>{0x44600625, 0x44601875}));
  EXPECT_EQ(someDataByte(), 0x5A);
  // The import marks the data modified and is one undo step, apart from the
  // change made before it.
  EXPECT_TRUE(frame.windowTitle().startsWith('*'));
  frame.undo();
  EXPECT_EQ(receiveFrequencies(), before);
  EXPECT_EQ(someDataByte(), 0x5A);
  frame.redo();
  EXPECT_EQ(receiveFrequencies(), (std::vector<std::uint32_t>{0x44600625, 0x44601875}));

  // Exported again, the same two channels come out.
  const std::string again = file("again.csv");
  prompts->csvPath = again;
  handlers.handle(kCmdExportChannels);
  EXPECT_NE(slurp(again).find("446.018750"), std::string::npos);
  EXPECT_EQ(slurp(again).find("446.031250"), std::string::npos);
}

TEST_F(CommandsTest, ACsvWithAValueTheRadioCannotCarryChangesNothingAndSaysWhichLine) {
  data.addLanguageLine("S0101333=Line %s: outside the band.");
  const std::vector<std::uint32_t> before = receiveFrequencies();
  const std::string csv = file("bad.csv");
  std::ofstream(csv, std::ios::binary) << kCsvHeader << "1,,446.006250,,0.000000,,88.5,88.5,NFM,Low\r\n"
                                       << "2,,520.000000,,0.000000,,88.5,88.5,NFM,Low\r\n";
  prompts->csvPath = csv;
  handlers.handle(kCmdImportChannels);
  ASSERT_EQ(prompts->texts.size(), 1u);
  EXPECT_NE(prompts->texts[0].find("Line 3, Frequency 520.000000: outside the band."), std::string::npos)
      << prompts->texts[0];
  EXPECT_EQ(receiveFrequencies(), before);

  // Asked which lines to take, the user leaves out the line the radio cannot carry.
  data.addLanguageLine("S0101346=Lines %s were left out.");
  prompts->texts.clear();
  prompts->csvLines = CsvLineChoice{0, 0, true};
  handlers.handle(kCmdImportChannels);
  ASSERT_EQ(prompts->texts.size(), 2u);
  EXPECT_NE(prompts->texts[1].find("Lines 3 were left out."), std::string::npos) << prompts->texts[1];
  EXPECT_EQ(receiveFrequencies(), (std::vector<std::uint32_t>{0x44600625}));
  frame.undo();
  EXPECT_EQ(receiveFrequencies(), before);

  // A file that cannot be written is named in the message.
  prompts->texts.clear();
  prompts->csvPath = file("no-such-dir/out.csv");
  handlers.handle(kCmdExportChannels);
  ASSERT_EQ(prompts->texts.size(), 1u);
  EXPECT_NE(prompts->texts[0].find("no-such-dir"), std::string::npos);
}

TEST_F(CommandsTest, TheDataGoOutAsTextAndATextComesBackAsOneUndoStep) {
  const std::string yaml = file("radio.yaml");
  prompts->textPath = yaml;
  const std::vector<std::uint32_t> before = receiveFrequencies();
  handlers.handle(kCmdExportText);
  ASSERT_TRUE(prompts->texts.empty()) << prompts->texts[0];
  EXPECT_NE(slurp(yaml).find("rx_frequency: 446.00625"), std::string::npos);

  // A text naming one channel list replaces the list and keeps the rest.
  someDataByte() = 0x5A;
  std::ofstream(yaml, std::ios::trunc) << "channels:\n  - rx_frequency: 446.09375\n    tx_frequency: 446.09375\n";
  handlers.handle(kCmdImportText);
  ASSERT_EQ(prompts->texts.size(), 1u);
  EXPECT_NE(prompts->texts[0].find("member_2: channel 2 no longer exists"), std::string::npos) << prompts->texts[0];
  EXPECT_EQ(receiveFrequencies(), (std::vector<std::uint32_t>{0x44609375}));
  EXPECT_EQ(someDataByte(), 0x5A);
  EXPECT_TRUE(frame.windowTitle().startsWith('*'));
  frame.undo();
  EXPECT_EQ(receiveFrequencies(), before);
  EXPECT_EQ(someDataByte(), 0x5A);

  // A text with errors, or for another range, changes nothing and says where.
  data.addLanguageLine("S0101353=Another model or range.");
  const struct {
    const char* text;
    const char* shown;
  } refused[] = {
      {"channels:\n  - rx_frequency: 520.0\n", "2:19: channels[1].rx_frequency"},
      {"settings:\n  misc: [1, 2\n", "3:1: "},
      {"file:\n  range: \"400-470\"\n", "Another model or range."},
  };
  prompts->texts.clear();
  for (const auto& text : refused) {
    std::ofstream(yaml, std::ios::trunc) << text.text;
    handlers.handle(kCmdImportText);
    ASSERT_FALSE(prompts->texts.empty()) << text.text;
    EXPECT_NE(prompts->texts.back().find(text.shown), std::string::npos) << prompts->texts.back();
    EXPECT_EQ(receiveFrequencies(), before);
    prompts->texts.clear();
  }
}

}  // namespace
}  // namespace vex::gui
