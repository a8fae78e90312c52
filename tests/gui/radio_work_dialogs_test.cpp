// The dialogs that radio work opens while its busy box is up are the real
// ones, and each closes with its buttons, Enter and Escape; the work then
// carries on with the answer.
#include <functional>

#include <gtest/gtest.h>
#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QPointer>
#include <QProgressDialog>
#include <QTest>
#include <QTimer>

#include "core/container.h"
#include "gui_test_support.h"
#include "transfer/gui_link_host.h"
#include "transfer/radio_work.h"
#include "transfer/transfer_prompts.h"

namespace vex::gui {
namespace {

int asked = -1;  // the answer to the question of the factory link

enum class Close { Enter, Escape, OkButton, CancelButton };

// The modal dialog above the busy box, once it is up.
QDialog* dialogAboveBusyBox() {
  QWidget* modal = QApplication::activeModalWidget();
  if (!modal || qobject_cast<QProgressDialog*>(modal)) return nullptr;
  return qobject_cast<QDialog*>(modal);
}

QAbstractButton* button(QDialog* dialog, bool ok) {
  if (auto* box = qobject_cast<QMessageBox*>(dialog)) {
    for (QAbstractButton* b : box->buttons()) {
      const QMessageBox::ButtonRole role = box->buttonRole(b);
      if (ok ? role == QMessageBox::AcceptRole || role == QMessageBox::YesRole
             : role == QMessageBox::RejectRole || role == QMessageBox::NoRole)
        return b;
    }
    return nullptr;
  }
  for (auto* b : dialog->findChildren<QAbstractButton*>())
    if (b->text() == (ok ? QStringLiteral("OK") : QStringLiteral("Cancel"))) return b;
  return nullptr;
}

// Answers the next dialog as a user would; one that does not close within a
// few seconds is hidden, so that a hang fails the test instead of blocking it.
class Answer {
 public:
  Answer(Close how, const char* typed) : how_(how), typed_(QString::fromLatin1(typed)) {
    QObject::connect(&poll_, &QTimer::timeout, [this] { step(); });
    poll_.start(10);
  }

  bool dialogSeen() const { return answered_ || seen_; }
  // The answered dialog closed by itself.
  bool closed() const { return seen_ && !forced_ && (!answered_ || !answered_->isVisible()); }

 private:
  void step() {
    if (seen_) {
      if (answered_ && answered_->isVisible() && clock_.elapsed() > 3000) {
        forced_ = true;
        answered_->hide();  // ends its exec() without a close
      }
      return;
    }
    QDialog* dialog = dialogAboveBusyBox();
    if (!dialog) return;
    seen_ = true;
    answered_ = dialog;
    if (!typed_.isEmpty()) QTest::keyClicks(dialog->focusWidget(), typed_);
    switch (how_) {
      case Close::Enter: QTest::keyClick(dialog, Qt::Key_Return); break;
      case Close::Escape: QTest::keyClick(dialog, Qt::Key_Escape); break;
      case Close::OkButton: QTest::mouseClick(button(dialog, true), Qt::LeftButton); break;
      case Close::CancelButton: QTest::mouseClick(button(dialog, false), Qt::LeftButton); break;
    }
    clock_.start();
  }

  Close how_;
  QString typed_;
  QTimer poll_;
  QPointer<QDialog> answered_;
  QElapsedTimer clock_;
  bool seen_ = false;
  bool forced_ = false;
};

struct Case {
  const char* name;
  std::function<int(TransferHost&)> work;
  Close how;
  const char* typed;
  int result;  // what the work returns after the answer
};

void PrintTo(const Case& c, std::ostream* os) { *os << c.name; }

std::optional<std::string> askRead(TransferHost& h) { return h.askPassword(TransferDirection::Read, 1); }

const Case kCases[] = {
    {"MessageEnter", [](TransferHost& h) { h.showMessage(1143); return 7; }, Close::Enter, "", 7},
    {"MessageEscape", [](TransferHost& h) { h.showMessage(1143); return 7; }, Close::Escape, "", 7},
    {"MessageButton", [](TransferHost& h) { h.showMessage(1136); return 7; }, Close::OkButton, "", 7},
    {"PasswordEnter", [](TransferHost& h) { return askRead(h) == std::optional<std::string>("1234") ? 1 : 0; },
     Close::Enter, "1234", 1},
    {"PasswordOkButton", [](TransferHost& h) { return askRead(h) == std::optional<std::string>("55") ? 1 : 0; },
     Close::OkButton, "55", 1},
    {"PasswordEscape", [](TransferHost& h) { return askRead(h) ? 1 : 0; }, Close::Escape, "12", 0},
    {"PasswordCancelButton", [](TransferHost& h) { return h.askPassword(TransferDirection::Write, 2) ? 1 : 0; },
     Close::CancelButton, "", 0},
    // The data hold a read password: the write's warning notice.
    {"NoticeEnter", [](TransferHost& h) { return h.confirmWriteWarning() ? 1 : 0; }, Close::Enter, "", 1},
    {"NoticeEscape", [](TransferHost& h) { return h.confirmWriteWarning() ? 1 : 0; }, Close::Escape, "", 0},
    // The factory link found a band the model lacks: the Yes/No question.
    {"QuestionEnter", [](TransferHost& h) { h.factoryLinkOpened({}); return asked; }, Close::Enter, "", 1},
    {"QuestionEscape", [](TransferHost& h) { h.factoryLinkOpened({}); return asked; }, Close::Escape, "", 0},
};

class RadioWorkDialogs : public ::testing::TestWithParam<Case> {};

TEST_P(RadioWorkDialogs, CloseAndTheWorkGoesOn) {
  test::DataDir dir;
  resetTransferPrompts();
  RadioDataContainer::instance().passwords().setText(PasswordSection::kRead, "4321");
  RadioDataContainer::instance().passwords().storeTexts();
  GuiLinkHost::writeNoticeSwitchedOff() = false;
  QWidget owner;
  owner.show();
  GuiLinkHost host(&owner);
  host.setFactoryLinkOpened([&owner](const RangeEntry&) {
    asked = transferPrompts().askYesNo(&owner, QStringLiteral("Add the band?")) ? 1 : 0;
  });
  Answer answer(GetParam().how, GetParam().typed);
  const int result = runRadioWork(&owner, host, GetParam().work);
  EXPECT_TRUE(answer.dialogSeen());
  EXPECT_TRUE(answer.closed());
  EXPECT_EQ(result, GetParam().result);
  EXPECT_FALSE(radioWorkRunning());
}

INSTANTIATE_TEST_SUITE_P(Closes, RadioWorkDialogs, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace vex::gui
