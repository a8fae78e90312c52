#pragma once
// A desktop application wired to a simulated radio on a pseudo-terminal: a
// scratch data directory whose Settings.ini maps COM3 to the terminal (the
// other ports to nothing), the real model catalogue, a main frame, and
// prompts that answer from scripts and record what they were shown.
#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include <QString>

#include "gui_test_support.h"
#include "sim/pty_host.h"
#include "sim/simulated_radio.h"

namespace vex::gui {
class CMainFrame;
class CDlgTransfer;
}  // namespace vex::gui

namespace vex::gui::test {

struct Shown {
  int id = 0;
  QString text;
  // The transfer dialog's state when it owned the message box.
  int progressReports = -1;
  QString status;
  int progress = -1;
  bool ownerVisible = false;  // the transfer dialog still showed under the box
};

class TransferRig {
 public:
  explicit TransferRig(sim::SimOptions options = {}, const std::string& freqRange = "446-446");
  ~TransferRig();

  // Presses OK in the transfer dialog and runs its modal loop; when the
  // dialog stays idle it records that and presses Cancel.
  int pressOk(CDlgTransfer& dialog);

  std::vector<int> messageIds() const;
  // Simulator requests so far.
  int requests() const { return radio.RequestCount(); }

  DataDir dir;
  sim::SimulatedRadio radio;
  sim::PtyHost pty;
  std::unique_ptr<CMainFrame> frame;

  std::vector<Shown> shown;           // message boxes
  std::deque<std::string> passwords;  // answers; none left = Cancel
  int passwordPrompts = 0;
  std::vector<QString> questions;  // Yes/No questions
  bool answerYes = false;
  std::vector<QString> notices;  // write warning notices
  bool acceptNotice = true;
  bool switchNoticeOff = false;
  bool stayedIdle = false;
  // Runs on the dialog's thread while the dialog is modal (after OK).
  std::function<void(CDlgTransfer&)> whileModal;
};

}  // namespace vex::gui::test
