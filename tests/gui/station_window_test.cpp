// The station window against simulated radios plugged into a watched
// directory as links to their pseudo-terminals.
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>

#include <gtest/gtest.h>
#include <QApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

#include "core/container.h"
#include "core/image_layout.h"
#include "transfer/station_window.h"
#include "transfer/transfer_commands.h"
#include "transfer_rig.h"
#include "workspace/main_frame.h"

namespace vex::gui {
namespace {

constexpr int kDeadlineMs = 30000;

struct Radio {
  explicit Radio(sim::SimOptions options) : radio(std::move(options)), pty(radio) { EXPECT_TRUE(pty.Start()); }
  sim::SimulatedRadio radio;
  sim::PtyHost pty;
};

class StationWindow : public ::testing::Test {
 protected:
  StationWindow() {
    window = showStationWindow(rig.frame.get(), [this] { return openDataForStation(*rig.frame); });
    window->watchEdit()->setText(watch.path());
    window->logFileEdit()->setText(work.filePath(QStringLiteral("station.jsonl")));
    QObject::connect(&window->controller(), &StationController::radioFinished, window,
                     [this](const RadioResult& result) { finished[result.radio.device] = result; });
    QObject::connect(&window->controller(), &StationController::radioProgress, window,
                     [this](const StationRadio& radio) { ++progress[radio.device]; });
    QObject::connect(&window->controller(), &StationController::ended, window, [this] { ended = true; });
  }
  ~StationWindow() override { delete window; }

  Radio& radio(const std::string& name, const std::string& modelName = "Vex M1") {
    sim::SimOptions options;
    options.paced = false;
    options.modelName = modelName;
    options.serialNumber = "SN-" + name;
    return *(radios[name] = std::make_unique<Radio>(options));
  }
  std::string device(const std::string& name) const { return watch.filePath(QString::fromStdString(name)).toStdString(); }
  void plugIn(const std::string& name) { std::filesystem::create_symlink(radios.at(name)->pty.SlavePath(), device(name)); }
  // Alt and the mnemonic, as a person presses them.
  void press(Qt::Key key) {
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window, kDeadlineMs));
    QTest::keyClick(QApplication::focusWidget(), key, Qt::AltModifier);
  }
  void start() {
    press(Qt::Key_S);  // a mnemonic clicks its button a moment later
    ASSERT_TRUE(waitFor([&] { return window->controller().running(); }))
        << window->logView()->toPlainText().toStdString();
  }
  // The table's row of the radio plugged in as `name`: its cells' texts.
  std::map<int, QString> row(const std::string& name) const {
    std::map<int, QString> cells;
    QTableWidget* table = window->radioTable();
    for (int r = 0; r < table->rowCount(); ++r) {
      if (table->item(r, CDlgStation::kDeviceColumn)->text().toStdString() != name) continue;
      for (int c = 0; c < table->columnCount(); ++c)
        if (table->item(r, c)) cells[c] = table->item(r, c)->text();
      if (auto* bar = qobject_cast<QProgressBar*>(table->cellWidget(r, CDlgStation::kProgressColumn)))
        cells[CDlgStation::kProgressColumn] = QString::number(bar->value());
    }
    return cells;
  }
  bool waitFor(const std::function<bool()>& condition) { return QTest::qWaitFor(condition, kDeadlineMs); }

  test::TransferRig rig;  // the main window, its data directory and a quick link
  QTemporaryDir watch;
  QTemporaryDir work;
  std::map<std::string, std::unique_ptr<Radio>> radios;
  CDlgStation* window = nullptr;
  std::map<std::string, RadioResult> finished;
  std::map<std::string, int> progress;
  bool ended = false;
};

TEST_F(StationWindow, ProgramsEachRadioPluggedInAndRefusesOneOfAnotherModel) {
  struct Case {
    const char* name;
    const char* model;
    const char* result;  // what the result column starts with
    bool written;
  };
  const Case cases[] = {
      {"usb-radio-a", "Vex M1", "Written and verified", true},
      {"usb-radio-b", "Vex M1", "Written and verified", true},
      {"usb-other", "Other 9", "Failed: the radio is model ID VEXM1, model name \"Other 9\"", false},
  };
  for (const Case& c : cases) radio(c.name, c.model);
  const Image before = radios.at("usb-other")->radio.Memory();
  start();
  EXPECT_FALSE(window->startButton()->isEnabled());
  EXPECT_TRUE(window->stopButton()->isEnabled());
  for (const Case& c : cases) plugIn(c.name);
  ASSERT_TRUE(waitFor([&] { return finished.size() == std::size(cases); }))
      << window->logView()->toPlainText().toStdString();

  const Image& data = RadioDataContainer::instance().image();
  const auto channels = [](const Image& image) {
    return std::vector<std::uint8_t>(image.begin() + layout::kChannelArea.first,
                                     image.begin() + layout::kChannelArea.offsetOf(layout::kChannelArea.capacity));
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const auto cells = row(c.name);
    EXPECT_TRUE(cells.at(CDlgStation::kResultColumn).startsWith(QString::fromUtf8(c.result)))
        << cells.at(CDlgStation::kResultColumn).toStdString();
    EXPECT_EQ(cells.at(CDlgStation::kPortColumn).toStdString(), radios.at(c.name)->pty.SlavePath());
    EXPECT_EQ(cells.at(CDlgStation::kModelColumn).toStdString(), c.model);
    const Image memory = radios.at(c.name)->radio.Memory();
    if (c.written) {
      EXPECT_EQ(cells.at(CDlgStation::kSerialColumn).toStdString(), std::string("SN-") + c.name);
      EXPECT_EQ(cells.at(CDlgStation::kProgressColumn), QStringLiteral("100"));
      EXPECT_GT(progress[device(c.name)], 0);
      EXPECT_EQ(channels(memory), channels(data));
    } else {
      EXPECT_EQ(memory, before);
    }
  }
  std::ifstream log(work.filePath(QStringLiteral("station.jsonl")).toStdString());
  int lines = 0;
  for (std::string line; std::getline(log, line);) ++lines;
  EXPECT_EQ(lines, 3);
}

// Stop, and closing the window, take no new radio and end after the radio in
// progress, which is written to its end.
TEST_F(StationWindow, StopEndsAfterTheRadioInProgress) {
  for (const bool byClosing : {false, true}) {
    SCOPED_TRACE(byClosing ? "closing the window" : "Stop");
    const std::string busy = byClosing ? "busy-2" : "busy-1";
    const std::string late = byClosing ? "late-2" : "late-1";
    radio(busy);
    radio(late);
    const Image lateBefore = radios.at(late)->radio.Memory();
    ended = false;
    window->show();
    start();
    plugIn(busy);
    ASSERT_TRUE(waitFor([&] { return progress[device(busy)] > 0; }));
    if (byClosing) {
      window->close();
      EXPECT_TRUE(window->isVisible());  // until the radio in progress is done
    } else {
      press(Qt::Key_T);
    }
    EXPECT_TRUE(waitFor([&] { return !window->stopButton()->isEnabled(); }));
    plugIn(late);
    ASSERT_TRUE(waitFor([&] { return ended; })) << window->logView()->toPlainText().toStdString();
    EXPECT_TRUE(finished.at(device(busy)).ok()) << finished.at(device(busy)).error;
    EXPECT_EQ(finished.count(device(late)), 0u);
    EXPECT_TRUE(row(late).empty());
    EXPECT_EQ(radios.at(late)->radio.Memory(), lateBefore);
    EXPECT_TRUE(window->startButton()->isEnabled());
    EXPECT_EQ(window->isVisible(), !byClosing);
  }
}

}  // namespace
}  // namespace vex::gui
