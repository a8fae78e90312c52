// The desktop program's command line, run as a process: FILE opens at
// start-up, --dump-view prints the view --open-view opened as JSON.
#include <gtest/gtest.h>
#include <QDateTime>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMap>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>

#include <functional>

#include "core/codeplug_writer.h"
#include "core/container.h"
#include "core/schema/schema.h"
#include "core/sections/password_section.h"
#include "gui_test_support.h"

namespace vex::gui {
namespace {

struct ProgramRun {
  int exitCode = -1;
  QByteArray out;
  QByteArray error;
};

class CommandLine : public ::testing::Test {
 protected:
  CommandLine() { test::copyDirectory(QString::fromLatin1(VEX_DATA_DIR), data.path()); }

  // A codeplug file of the default data with carrier squelch level `squelch`.
  QString codeplugFile(int squelch) {
    return codeplugFile([squelch](RadioDataContainer& container) {
      WriteField(*FindField(FieldArea::Misc, "carrier_squelch_level"), container.misc().bytes(), squelch);
    });
  }
  // A codeplug file of the default data as `change` leaves it.
  QString codeplugFile(const std::function<void(RadioDataContainer&)>& change) {
    RadioDataContainer container;
    container.resetToDefaults();
    change(container);
    container.encode();
    const QString path = files.filePath(QStringLiteral("radio.dat"));
    WriteCodeplugFile(path.toStdString(), BuildSaveAsHeader({"VEXM1", "Vex M1", "446-446", 0, "1.03.11"}, 0), {},
                      container.image(), "");
    return path;
  }

  // `display` false: no display and the default window system, as on a
  // console or over ssh.
  ProgramRun run(QStringList arguments, bool display = true) {
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    if (display) {
      environment.insert("QT_QPA_PLATFORM", "offscreen");
    } else {
      for (const char* name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"}) environment.remove(name);
    }
    environment.insert("HOME", files.path());
    environment.insert("XDG_CONFIG_HOME", files.filePath(QStringLiteral("config")));
    process.setProcessEnvironment(environment);
    process.setWorkingDirectory(files.path());
    arguments << "--data-dir" << data.path();
    process.start(QString::fromLatin1(VEX_BIN_DIR) + "/vexprog", arguments);
    EXPECT_TRUE(process.waitForFinished(60000));
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1, process.readAllStandardOutput(),
            process.readAllStandardError()};
  }

  QTemporaryDir data;
  QTemporaryDir files;
};

QJsonObject control(const QJsonObject& view, int id) {
  for (const QJsonValue& c : view["controls"].toArray())
    if (c.toObject()["id"].toInt() == id) return c.toObject();
  return {};
}

TEST_F(CommandLine, DumpViewPrintsTheViewOfTheFileGiven) {
  const ProgramRun result = run({codeplugFile(7), "--open-view", "32803", "--dump-view"});
  ASSERT_EQ(result.exitCode, 0);
  EXPECT_TRUE(result.out.startsWith(R"({"view": 32803, "record": 0, "records": 0, "controls": [)"));
  const QJsonObject view = QJsonDocument::fromJson(result.out).object();
  const QJsonObject squelch = control(view, 1404);
  EXPECT_EQ(squelch["kind"].toString(), "combo");
  EXPECT_EQ(squelch["text"].toString(), "7");
  EXPECT_EQ(squelch["items"].toArray().size(), 10);
  EXPECT_TRUE(squelch["enabled"].toBool());
  EXPECT_TRUE(control(view, 1410)["checked"].toBool());
  EXPECT_EQ(control(view, 1410)["kind"].toString(), "check");
}

TEST_F(CommandLine, DumpViewOfTheTestFrequenciesShowsTheFilesFivePoints) {
  RadioDataContainer container;
  container.resetToDefaults();
  container.testFreq().setText(TestFreqSection::Group::FivePointRx, 2, "440.125");
  container.testFreq().setText(TestFreqSection::Group::FivePointTx, 4, "469.9875");
  container.encode();
  const QString path = files.filePath(QStringLiteral("five-points.dat"));
  WriteCodeplugFile(path.toStdString(), BuildSaveAsHeader({"VEXM1", "Vex M1", "446-446", 0, "1.03.11"}, 0), {},
                    container.image(), "");
  const ProgramRun result = run({path, "--open-view", "32887", "--dump-view"});
  ASSERT_EQ(result.exitCode, 0);
  const QJsonObject grid = control(QJsonDocument::fromJson(result.out).object(), 4011);
  EXPECT_TRUE(grid["visible"].toBool());
  const QJsonArray cells = grid["cells"].toArray();
  ASSERT_EQ(cells.size(), 6);  // the header row and five points
  EXPECT_EQ(cells[3].toArray()[1].toString(), "440.12500");
  EXPECT_EQ(cells[5].toArray()[2].toString(), "469.98750");
}

// Without a file the program starts from the default data file of the
// settings' range, as the build makes it: its channels, test and five-point
// frequencies lie in the range.
TEST_F(CommandLine, StartUpFromTheDefaultDataFileShowsTheRangesTestFrequencies) {
  const QString name = QStringLiteral("VEXM1400-470DefaultSet.dat");
  ASSERT_TRUE(QFile::copy(QString::fromLatin1(VEX_BIN_DIR) + "/data/" + name, data.filePath(name)));
  QFile settings(data.filePath(QStringLiteral("Settings.ini")));
  ASSERT_TRUE(settings.open(QIODevice::ReadOnly));
  const QByteArray text = settings.readAll().replace("FreqRange=446-446", "FreqRange=400-470");
  settings.close();
  ASSERT_TRUE(settings.open(QIODevice::WriteOnly | QIODevice::Truncate));
  settings.write(text);
  settings.close();

  const ProgramRun test = run({"--open-view", "32887", "--dump-view"});
  ASSERT_EQ(test.exitCode, 0) << test.error.toStdString();
  const QJsonArray points = control(QJsonDocument::fromJson(test.out).object(), 4011)["cells"].toArray();
  ASSERT_EQ(points.size(), 6);
  const char* expected[][2] = {{"400.15000", "400.00000"},
                               {"417.15000", "417.00000"},
                               {"435.15000", "435.00000"},
                               {"452.15000", "452.00000"},
                               {"469.85000", "470.00000"}};
  for (int i = 0; i < 5; ++i) {
    EXPECT_EQ(points[i + 1].toArray()[1].toString(), expected[i][0]) << i;
    EXPECT_EQ(points[i + 1].toArray()[2].toString(), expected[i][1]) << i;
  }
  const QJsonArray tests = control(QJsonDocument::fromJson(test.out).object(), 4010)["cells"].toArray();
  ASSERT_EQ(tests.size(), 17);
  EXPECT_EQ(tests[2].toArray()[1].toString(), "408.15000");  // (400 + 417) / 2
  EXPECT_EQ(tests[9].toArray()[1].toString(), "469.85000");
  EXPECT_EQ(tests[10].toArray()[1].toString(), "");

  // The channels come from the file: 25 kHz apart from the middle of the range.
  const ProgramRun list = run({"--open-view", "32895", "--dump-view"});
  ASSERT_EQ(list.exitCode, 0);
  const QJsonArray channels = control(QJsonDocument::fromJson(list.out).object(), 3771)["cells"].toArray();
  ASSERT_EQ(channels.size(), 17);
  EXPECT_EQ(channels[1].toArray()[1].toString(), "435.00000");
}

TEST_F(CommandLine, DumpViewShowsTheRecordAsked) {
  const ProgramRun result = run({"--open-view", "32822", "--record", "5", "--dump-view"});
  ASSERT_EQ(result.exitCode, 0);
  const QJsonObject view = QJsonDocument::fromJson(result.out).object();
  EXPECT_EQ(view["view"].toInt(), 32822);
  EXPECT_EQ(view["record"].toInt(), 5);
  EXPECT_EQ(view["records"].toInt(), 16);
}

TEST_F(CommandLine, DumpViewOfTheChannelViewsShowsTheFilesChannels) {
  const QString file = codeplugFile([](RadioDataContainer& container) {
    ChannelRecord& third = container.channels()[2].record();
    third.setRxFrequency(0x44605625);
    third.setTxFrequency(0x44608125);
    third.setRxTone(0x91EC);  // CDCSS 754
    third.setTxTone(0x53E8);  // CTCSS 100.0 Hz
  });
  const ProgramRun list = run({file, "--open-view", "32895", "--dump-view"});
  ASSERT_EQ(list.exitCode, 0);
  const QJsonArray cells = control(QJsonDocument::fromJson(list.out).object(), 3771)["cells"].toArray();
  ASSERT_EQ(cells.size(), 17);  // the header row and sixteen channels
  EXPECT_EQ(cells[0].toArray()[0].toString(), "No.");
  const QStringList third = cells[3].toVariant().toStringList().mid(0, 9);
  EXPECT_EQ(third, QStringList({"3", "446.05625", "CDCSS", "67.0", "754", "446.08125", "CTCSS", "100.0", "023"}));

  const ProgramRun channel = run({file, "--open-view", "32822", "--record", "3", "--dump-view"});
  ASSERT_EQ(channel.exitCode, 0);
  const QJsonObject view = QJsonDocument::fromJson(channel.out).object();
  EXPECT_EQ(control(view, 3684)["text"].toString(), "446.05625");  // the PMR446 list of the 446 MHz range
  EXPECT_EQ(control(view, 3672)["text"].toString(), "754");
  EXPECT_EQ(control(view, 3679)["text"].toString(), "100.0");
  EXPECT_TRUE(control(view, 3679)["enabled"].toBool());
}

TEST_F(CommandLine, DumpViewShowsThePersonalityAndScanListOfTheFile) {
  RadioDataContainer container;
  container.resetToDefaults();
  container.personalities().appendNew();
  container.personalities()[1].record().bytes[14] = 4;  // time-out entry 4: "20"
  container.personalities()[1].record().bytes[8] = 2;   // squelch mode entry 2
  container.scanLists()[0].record().bytes[4] = 3;
  container.scanLists()[0].record().setMember(1, 9);
  container.encode();
  const QString path = files.filePath(QStringLiteral("channels.dat"));
  WriteCodeplugFile(path.toStdString(), BuildSaveAsHeader({"VEXM1", "Vex M1", "446-446", 0, "1.03.11"}, 0), {},
                    container.image(), "");

  const ProgramRun personality = run({path, "--open-view", "32824", "--record", "2", "--dump-view"});
  ASSERT_EQ(personality.exitCode, 0);
  QJsonObject view = QJsonDocument::fromJson(personality.out).object();
  EXPECT_EQ(view["record"].toInt(), 2);
  EXPECT_EQ(view["records"].toInt(), 2);
  EXPECT_EQ(control(view, 2325)["text"].toString(), "20");
  EXPECT_EQ(control(view, 2327)["items"].toArray().size(), 4);
  EXPECT_EQ(control(view, 2351)["text"].toString(), "CTCSS/CDCSS and Signaling");

  const ProgramRun scan = run({path, "--open-view", "32884", "--record", "1", "--dump-view"});
  ASSERT_EQ(scan.exitCode, 0);
  view = QJsonDocument::fromJson(scan.out).object();
  EXPECT_EQ(view["records"].toInt(), 1);
  EXPECT_EQ(control(view, 3943)["text"].toString(), "3");
  EXPECT_EQ(control(view, 3874)["text"].toString(), "9");
  EXPECT_FALSE(control(view, 3876)["enabled"].toBool());
  EXPECT_FALSE(control(view, 3850)["enabled"].toBool());
}

// Every file under the data directory and the home directory, with its
// contents and the time it was last written.
QMap<QString, QPair<QByteArray, QDateTime>> filesUnder(const QStringList& roots) {
  QMap<QString, QPair<QByteArray, QDateTime>> found;
  for (const QString& root : roots) {
    QDirIterator it(root, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
      QFile file(it.next());
      if (file.open(QIODevice::ReadOnly)) found[file.fileName()] = {file.readAll(), it.fileInfo().lastModified()};
    }
  }
  return found;
}

TEST_F(CommandLine, DumpViewWritesNoSettingsAndAFileGivenIsRememberedByItsAbsolutePath) {
  const QString file = codeplugFile(5);
  ASSERT_EQ(run({"--no-splash", "--quit-after", "0"}).exitCode, 0);  // a first start records its language
  const auto before = filesUnder({data.path(), files.path()});
  for (const char* view : {"32803", "32895"})
    ASSERT_EQ(run({file, "--open-view", view, "--dump-view"}).exitCode, 0) << view;
  EXPECT_EQ(filesUnder({data.path(), files.path()}), before);

  // Started in the file's directory with its bare name, the program remembers where it is.
  ASSERT_EQ(run({QStringLiteral("./sub/../radio.dat"), "--no-splash", "--quit-after", "0"}).exitCode, 0);
  QSettings remembered(files.filePath(QStringLiteral("config/vexprog/vexprog.conf")), QSettings::IniFormat);
  EXPECT_EQ(remembered.value(QStringLiteral("Recent File List/File1")).toString(), file);
}

TEST_F(CommandLine, FailuresSayWhyAndPrintNoView) {
  EXPECT_EQ(run({files.filePath("missing.dat"), "--open-view", "32803", "--dump-view"}).exitCode, 1);
  EXPECT_EQ(run({"--dump-view"}).exitCode, 1);  // no view open
  const ProgramRun badRecord = run({"--open-view", "32822", "--record", "x", "--dump-view"});
  EXPECT_EQ(badRecord.exitCode, 2);
  EXPECT_TRUE(badRecord.out.isEmpty());
  const ProgramRun missingRecord = run({"--open-view", "32884", "--record", "2", "--dump-view"});
  EXPECT_EQ(missingRecord.exitCode, 1);  // one scan list
  EXPECT_TRUE(missingRecord.out.isEmpty());
}

TEST_F(CommandLine, HelpVersionAndUsageErrorsNeedNoDisplay) {
  const ProgramRun help = run({"--help"}, false);
  EXPECT_EQ(help.exitCode, 0);
  EXPECT_TRUE(help.out.startsWith("Usage: vexprog [options] [FILE]")) << help.out.constData();
  EXPECT_TRUE(help.out.contains("--open-view <ID>"));
  EXPECT_TRUE(help.error.isEmpty());

  const ProgramRun version = run({"--version"}, false);
  EXPECT_EQ(version.exitCode, 0);
  EXPECT_TRUE(version.out.startsWith("vexprog ")) << version.out.constData();

  for (const QStringList& wrong :
       {QStringList{"--no-such-option"}, QStringList{"--record", "0"}, QStringList{"a.dat", "b.dat"}}) {
    const ProgramRun usage = run(wrong, false);
    EXPECT_EQ(usage.exitCode, 2) << wrong.join(' ').toStdString();
    EXPECT_TRUE(usage.out.isEmpty());
    EXPECT_EQ(usage.error.count('\n'), 1) << usage.error.constData();
    EXPECT_TRUE(usage.error.startsWith("vexprog: "));
  }
}

// Each view of the keys, alert tones, passwords and signalling shows what the file holds.
TEST_F(CommandLine, DumpViewShowsTheSettingsOfEachRadioSettingsView) {
  const QString file = codeplugFile([](RadioDataContainer& data) {
    const auto set = [](FieldArea area, const char* key, std::span<std::uint8_t> bytes, long value) {
      WriteField(*FindField(area, key), bytes, value);
    };
    set(FieldArea::Keys, "key_a2", data.keys().bytes(), 3);
    const std::uint8_t code[] = {0x12, 0x34, 0x56, 0x78, 0x90, 0x12, 5};
    std::copy(std::begin(code), std::end(code), data.atis().bytes().begin());
    set(FieldArea::Dos, "dos_enable", data.dos().bytes(), 1);
    set(FieldArea::Dos, "dos_pre_mute_duration", data.dos().bytes(), 20);
    data.passwords().setText(PasswordSection::kRead, "4321");
    data.passwords().setText(PasswordSection::kWrite, "1111");
    data.passwords().storeTexts();
    data.alertTones().appendNew();
    set(FieldArea::AlertTone, "tone1_hz", data.alertTones()[1].record().span(), 200);
  });
  struct Expected {
    QStringList arguments;
    int control;
    QString text;
  };
  const Expected views[] = {
      {{"--open-view", "32802"}, 6614, "Keypad Lock"},
      {{"--open-view", "32807"}, 4595, "123456789012"},
      {{"--open-view", "32807"}, 4592, "500"},
      {{"--open-view", "32808"}, 1661, "0001"},  // the radio's fixed PTT ID
      {{"--open-view", "32809"}, 4670, "400"},
      {{"--open-view", "32813"}, 6357, "4321"},
      {{"--open-view", "32889", "--record", "2"}, 5004, "2000"},
  };
  for (const Expected& expected : views) {
    const ProgramRun result = run(QStringList{file} + expected.arguments + QStringList{"--dump-view"});
    ASSERT_EQ(result.exitCode, 0) << expected.arguments.join(' ').toStdString();
    const QJsonObject view = QJsonDocument::fromJson(result.out).object();
    EXPECT_EQ(control(view, expected.control)["text"].toString(), expected.text)
        << expected.arguments.join(' ').toStdString() << " control " << expected.control;
    if (expected.control == 6357) {
      // The write password dumps as the bullets the view shows.
      const QString write = control(view, 6355)["text"].toString();
      EXPECT_EQ(write.size(), 4);
      EXPECT_FALSE(write.contains('1'));
    }
  }
}

}  // namespace
}  // namespace vex::gui
