// The password prompt and the write warning notice of the radio commands.
#include <gtest/gtest.h>
#include <QApplication>
#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>

#include "dialogs/radio_password_dialog.h"
#include "gui_test_support.h"
#include "toolkit/control_id.h"
#include "transfer/write_notice_dialog.h"

namespace vex::gui {
namespace {

void type(QWidget* widget, const QString& text) {
  for (QChar c : text) {
    QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
    QApplication::sendEvent(widget, &press);
  }
}

TEST(RadioPasswordDialog, TakesAtMostEightDigits) {
  test::DataDir dir;
  dir.addLanguageLine("S0200141=Radio Password");
  CDlgRadioPassword dialog;
  EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Radio Password"));
  QLineEdit* edit = findControlAs<QLineEdit>(&dialog, CDlgRadioPassword::kPasswordEdit);
  ASSERT_EQ(edit, dialog.edit());
  type(edit, QStringLiteral("12a3-4 567890"));
  EXPECT_EQ(edit->text(), QStringLiteral("12345678"));
  EXPECT_EQ(dialog.password(), "12345678");
  edit->setText(QStringLiteral("9x8"));  // text set around the key filter
  EXPECT_EQ(dialog.password(), "98");
}

TEST(PasswordDialog, ANewPasswordIsMaskedAndTakenOnlyWhenTypedTwiceAlike) {
  test::DataDir dir;
  CDlgPassword dialog(nullptr, CDlgPassword::Entry::Twice);
  QLineEdit* again = dialog.againEdit();
  ASSERT_NE(again, nullptr);
  EXPECT_EQ(dialog.edit()->echoMode(), QLineEdit::Password);
  EXPECT_EQ(again->echoMode(), QLineEdit::Password);
  QWidget* ok = findControl(&dialog, 1);
  QWidget* note = findControl(&dialog, CDlgPassword::kDifferNote);
  struct Step {
    const char* first;
    const char* second;
    bool accepted;
  };
  for (const Step& step : {Step{"1234", "", false}, Step{"1234", "1243", false}, Step{"1234", "1234", true},
                           Step{"", "", true}}) {
    dialog.edit()->setText(step.first);
    again->setText(step.second);
    EXPECT_EQ(ok->isEnabled(), step.accepted) << step.first << "/" << step.second;
    EXPECT_EQ(note->isVisibleTo(&dialog), !step.accepted && *step.second != 0) << step.first << "/" << step.second;
  }
  EXPECT_EQ(CDlgPassword().edit()->echoMode(), QLineEdit::Password);  // the check of a stored one: asked once
  EXPECT_EQ(CDlgPassword().againEdit(), nullptr);
}

TEST(WriteNotice, ListsTheSetPasswordsAndRemembersTheCheckBox) {
  test::DataDir dir;
  for (const char* line : {"S0206740=R", "S0206741=W", "S0206742=P", "S0206743=Go?", "S0201137=Careful"})
    dir.addLanguageLine(line);
  dir.addLanguageLine("S0201136=Not again");
  EXPECT_EQ(writeNoticeText(true, true, true), QStringLiteral("R\nW\nP\nGo?"));
  EXPECT_EQ(writeNoticeText(false, true, false), QStringLiteral("W\nGo?"));
  CDlgWriteNotice notice(writeNoticeText(false, false, true));
  EXPECT_EQ(notice.windowTitle(), QStringLiteral("Careful"));
  EXPECT_EQ(findControlAs<QLabel>(&notice, CDlgWriteNotice::kText)->text(), QStringLiteral("P\nGo?"));
  auto* check = findControlAs<QCheckBox>(&notice, CDlgWriteNotice::kSwitchOff);
  EXPECT_EQ(check->text(), QStringLiteral("Not again"));
  EXPECT_FALSE(notice.switchOff());
  check->click();
  EXPECT_TRUE(notice.switchOff());
}

}  // namespace
}  // namespace vex::gui
