#include "transfer_rig.h"

#include <filesystem>
#include <fstream>

#include <gtest/gtest.h>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>

#include "adapters/radio_data.h"
#include "adapters/settings.h"
#include "transfer/gui_link_host.h"
#include "transfer/transfer_dialog.h"
#include "transfer/transfer_prompts.h"
#include "workspace/main_frame.h"

namespace vex::gui::test {
namespace {

constexpr const char* kTexts[] = {
    "S0300610=VEXM1",
    "S0100814=The data contains invalid entries.",
    "S0101136=Reading from the radio completed.",
    "S0101137=Writing to the radio completed.",
    "S0101138=Reading from the radio failed at address 0x%04X.",
    "S0101139=Writing to the radio failed at address 0x%04X.",
    "S0101140=The radio's firmware is newer than this program supports.",
    "S0101142=The frequency range of the data does not fit the radio's range %s MHz.",
    "S0101143=No radio answers.",
    "S0101146=The radio information cannot be read.",
    "S0101153=Tuning data written.",
    "S0101172=The radio does not match the current model.",
    "S0101176=Wrong password.",
    "S0102301=Model: %s",
    "S0102302=Frequency range: %s MHz",
    "S0102303=Write over %s",
    "S0102304=Data: the file %s",
    "S0102305=Data: read from the radio at %s",
    "S0102306=Data: the default data",
    "S0102307=The data are the default data. Write them anyway?",
    "S0102308=Read from the radio: %s",
    "S0102309=%d channels",
    "S0102370=Reading the radio's data into %s first.",
    "S0102371=Backup of the radio's data: %s",
    "S0102372=No backup of the radio's data was made, so nothing was written.",
    "S0102373=The backup cannot be saved in %s, so nothing was written.",
    "S0201601=Read from Radio",
    "S0201602=Write to Radio",
    "S0201603=Press OK to start.",
    "S0201604=Reading data: %d",
    "S0201605=Writing data: %d",
    "S0201608=A write runs to its end.",
    "S0206740=Read password set.",
    "S0206741=Write password set.",
    "S0206742=Power-on password set.",
    "S0206743=Continue?",
};

// Short link pauses: the simulator answers at once. A radio that answers
// gets a generous reply time-out, so a busy machine cannot make a reply
// late; only a radio that never answers waits out short time-outs.
LinkTiming fastTiming(bool radioAnswers) {
  LinkTiming t;
  t.configurePause = std::chrono::microseconds(500);
  t.requestPause = std::chrono::microseconds(1500);
  t.replyTimeout = radioAnswers ? std::chrono::microseconds(1'000'000) : std::chrono::microseconds(20000);
  t.writePause = std::chrono::microseconds(0);
  return t;
}

sim::SimOptions unpaced(sim::SimOptions options) {
  options.paced = false;
  return options;
}

}  // namespace

TransferRig::TransferRig(sim::SimOptions options, const std::string& freqRange) : radio(unpaced(options)), pty(radio) {
  EXPECT_TRUE(pty.Start());
  for (const char* line : kTexts) dir.addLanguageLine(line);
  std::filesystem::copy_file(std::string(VEX_DATA_DIR) + "/Model.dat", dir.path() + "/Model.dat",
                             std::filesystem::copy_options::overwrite_existing);
  std::ofstream ini(dir.path() + "/Settings.ini");
  ini << "[Setting]\nSignal=0\nComPort=3\nModelName=Vex M1\nModelID=VEXM1\nFreqRange=" << freqRange
      << "\nLanguage=0\n[User Mode]\nLevel=0\n[Ports]\n";
  for (int n = 1; n <= 16; ++n)
    ini << "COM" << n << "=" << (n == 3 ? pty.SlavePath() : "/nonexistent/tty" + std::to_string(n)) << "\n";
  ini.close();
  settings::initialiseSeparate(dir.path());
  radio_data::resetToDefaults();
  // As if opened from a file: writing the default data is asked first.
  radio_data::origin() = {DataOrigin::Source::File, "rig.dat", {}};
  GuiLinkHost::writeNoticeSwitchedOff() = false;
  transferLinkTiming() = fastTiming(options.faults.silentAfter != 0);

  TransferPrompts& p = transferPrompts();
  p.message = [this](QWidget* owner, int id, const QString& text) {
    Shown s;
    s.id = id;
    s.text = text;
    if (auto* dialog = qobject_cast<CDlgTransfer*>(owner)) {
      s.progressReports = dialog->progressReports();
      s.status = dialog->statusText()->text();
      s.progress = dialog->progressBar()->value();
      s.ownerVisible = dialog->isVisible();
    }
    shown.push_back(s);
  };
  p.askYesNo = [this](QWidget*, const QString& question) {
    questions.push_back(question);
    return answerYes;
  };
  p.password = [this](QWidget*, TransferDirection, int) -> std::optional<std::string> {
    ++passwordPrompts;
    if (passwords.empty()) return std::nullopt;
    std::string next = passwords.front();
    passwords.pop_front();
    return next;
  };
  p.writeNotice = [this](QWidget*, const QString& text, bool& switchOff) {
    notices.push_back(text);
    switchOff = switchNoticeOff;
    return acceptNotice;
  };
  p.runTransfer = [this](CDlgTransfer& dialog) { return pressOk(dialog); };
  frame = std::make_unique<CMainFrame>();
}

TransferRig::~TransferRig() {
  frame.reset();
  resetTransferPrompts();
  transferLinkTiming() = LinkTiming{};
  pty.Stop();
}

int TransferRig::pressOk(CDlgTransfer& dialog) {
  QTimer::singleShot(0, &dialog, [this, &dialog] {
    dialog.okButton()->click();
    if (dialog.isVisible() && !dialog.isTransferring()) {
      stayedIdle = true;
      dialog.cancelButton()->click();
      return;
    }
    if (whileModal && dialog.isVisible()) whileModal(dialog);
  });
  return dialog.exec();
}

std::vector<int> TransferRig::messageIds() const {
  std::vector<int> ids;
  for (const Shown& s : shown) ids.push_back(s.id);
  return ids;
}

}  // namespace vex::gui::test
