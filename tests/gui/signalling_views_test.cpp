// The keys, ATIS, PTT ID, DOS and password views over the container.
#include <gtest/gtest.h>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QValidator>

#include "adapters/radio_data.h"
#include "core/container.h"
#include "gui_test_support.h"
#include "toolkit/control_id.h"
#include "toolkit/edits.h"
#include "views/messages.h"
#include "views/view_atis.h"
#include "views/view_btn_key.h"
#include "views/view_dos.h"
#include "views/view_host.h"
#include "views/view_password.h"
#include "views/view_ptt_id.h"

namespace vex::gui {
namespace {

struct RecordingHost : ViewHost {
  RecordingHost() { ViewHost::setCurrent(this); }
  ~RecordingHost() override { ViewHost::setCurrent(nullptr); }
  void sendToMainFrame(int message, long, long, const ChangeNotice*) override { messages.push_back(message); }
  std::vector<int> messages;
};

std::vector<std::uint8_t> bytesOf(FieldArea area) {
  const auto bytes = radio_data::areaBytes(area);
  return {bytes.begin(), bytes.end()};
}

void choose(QComboBox* combo, const QString& text) {
  combo->setCurrentIndex(combo->findText(text));
  emit combo->activated(combo->currentIndex());
}

void typeAndLeave(QLineEdit* edit, const QString& text) {
  edit->setText(text);
  emit edit->editingFinished();
}

template <class T>
T* find(CCustomFormView& view, int id) {
  return findControlAs<T>(view.form(), id);
}

TEST(CViewBtnKey, AKeyChangeAltersExactlyOneByte) {
  test::DataDir data;
  const char* keyFunctions = "=0.Unassigned;3.Keypad Lock;17.Monitor;24.Scan";
  for (const char* id : {"S0206605", "S0206614", "S0206616", "S0206620", "S0206622"})
    data.addLanguageLine(std::string(id) + keyFunctions);
  RecordingHost host;
  CViewBtnKey view;
  view.initialUpdate();
  EXPECT_EQ(find<QComboBox>(view, 6616)->currentText(), "Scan");  // default A3 = 24
  EXPECT_EQ(find<QComboBox>(view, 6622)->currentText(), "Monitor");
  const std::vector<std::uint8_t> before = bytesOf(FieldArea::Keys);
  choose(find<QComboBox>(view, 6620), "Keypad Lock");
  std::vector<std::uint8_t> expected = before;
  expected[4] = 3;
  EXPECT_EQ(bytesOf(FieldArea::Keys), expected);
  EXPECT_EQ(host.messages, std::vector<int>{WM_DATA_CHANGED});
}

TEST(CViewAtis, TheCodeIsTwelveDigitsPaddedOnTheLeft) {
  test::DataDir data;
  data.addLanguageLine("S0204592=0:100:1000:1:0:1:0");
  CViewAtis view;
  view.initialUpdate();
  auto* code = find<QLineEdit>(view, CViewAtis::kCode);
  EXPECT_EQ(code->text(), "999999999999");
  EXPECT_EQ(find<QComboBox>(view, CViewAtis::kPretime)->currentText(), "300");
  typeAndLeave(code, "12");
  const std::vector<std::uint8_t> expected{0, 0, 0, 0, 0, 0x12, 3};
  EXPECT_EQ(bytesOf(FieldArea::Atis), expected);
  int position = 0;
  QString letter = "1a";
  EXPECT_EQ(code->validator()->validate(letter, position), QValidator::Invalid);
}

TEST(CViewPttId, ShowsTheDataReadOnlyWithValidIds) {
  test::DataDir data;
  data.addLanguageLine("S0201672=The radio keeps a fixed PTT ID.");
  auto ptt = radio_data::areaBytes(FieldArea::PttId);
  ptt[0] = 0xFF;  // primary ID 0xFFFF, little-endian
  ptt[1] = 0xFF;
  const std::vector<std::uint8_t> before = bytesOf(FieldArea::PttId);
  RecordingHost host;
  CViewPttId view;
  view.initialUpdate();
  auto* primary = find<QLineEdit>(view, CViewPttId::kPrimaryId);
  EXPECT_EQ(primary->text(), "DEEE");
  EXPECT_FALSE(primary->isEnabled());
  for (int id : {1665, 1667, 1669, 1670, 1671}) EXPECT_FALSE(find<QWidget>(view, id)->isEnabled()) << id;
  EXPECT_FALSE(find<QCheckBox>(view, 1670)->isChecked());  // side tone off by default
  EXPECT_TRUE(find<QCheckBox>(view, 1671)->isChecked());
  EXPECT_EQ(find<QLabel>(view, CViewPttId::kFixedNote)->text(), "The radio keeps a fixed PTT ID.");
  EXPECT_TRUE(find<QLabel>(view, CViewPttId::kFixedNote)->isVisibleTo(view.form()));
  EXPECT_FALSE(find<QWidget>(view, CViewPttId::kGroupId)->isVisibleTo(view.form()));
  // F is no ID digit; leaving the edit corrects what was typed.
  int position = 0;
  QString f = "12F";
  EXPECT_EQ(primary->validator()->validate(f, position), QValidator::Invalid);
  typeAndLeave(primary, "E123");
  EXPECT_EQ(primary->text(), "D123");
  view.deliver(WM_VIEW_STORE, 0, 0);
  view.closing();
  EXPECT_EQ(bytesOf(FieldArea::PttId), before);  // nothing the radio would not take is stored
}

TEST(CViewDos, PreMuteIsGreyedWhileDosIsOffAndKeepsItsValue) {
  test::DataDir data;
  data.addLanguageLine("S0204670=0:20:1000:1:0:1:0");
  RecordingHost host;
  CViewDos view;
  view.initialUpdate();
  auto* enable = find<QCheckBox>(view, CViewDos::kEnable);
  auto* preMute = find<QComboBox>(view, CViewDos::kPreMute);
  EXPECT_FALSE(enable->isChecked());
  EXPECT_FALSE(preMute->isEnabled());
  EXPECT_EQ(preMute->currentText(), "300");
  EXPECT_FALSE(find<QWidget>(view, 4668)->isVisibleTo(view.form()));
  enable->click();
  EXPECT_TRUE(preMute->isEnabled());
  choose(preMute, "400");
  enable->click();
  EXPECT_FALSE(preMute->isEnabled());
  EXPECT_EQ(preMute->currentText(), "400");
  const std::vector<std::uint8_t> expected{0x20, 20};  // upper half of byte 0 kept
  EXPECT_EQ(bytesOf(FieldArea::Dos), expected);
}

class PasswordView : public ::testing::Test {
 protected:
  PasswordView() {
    view.setPasswordPrompt([this](QWidget*) { return answer; });
    view.initialUpdate();
  }
  std::string field(std::size_t from) {
    const auto bytes = radio_data::areaBytes(FieldArea::Passwords).subspan(from, 8);
    return {bytes.begin(), bytes.end()};
  }
  QLineEdit* edit(int id) { return find<QLineEdit>(view, id); }

  test::DataDir data;
  RecordingHost host;
  CViewPassword view;
  std::optional<std::string> answer;
};

TEST_F(PasswordView, ReadPasswordIsStoredWithZerosAfterItAndSetsItsFlag) {
  typeAndLeave(edit(CViewPassword::kRead), "1234");
  EXPECT_EQ(field(16), std::string("1234\0\0\0\0", 8));
  EXPECT_TRUE(radio_data::passwords().isSet(PasswordSection::kRead));
  EXPECT_EQ(host.messages, std::vector<int>{WM_DATA_CHANGED});
  int position = 0;
  QString letters = "12a";
  EXPECT_EQ(edit(CViewPassword::kRead)->validator()->validate(letters, position), QValidator::Invalid);
}

TEST_F(PasswordView, WritePasswordChangesOnlyThroughTheDialogAndShowsBullets) {
  auto* write = edit(CViewPassword::kWrite);
  EXPECT_TRUE(write->isReadOnly());
  EXPECT_EQ(write->echoMode(), QLineEdit::Password);
  answer = "87654321";
  find<QPushButton>(view, CViewPassword::kChangeWrite)->click();
  EXPECT_EQ(field(8), "87654321");
  EXPECT_EQ(write->text(), "87654321");
  EXPECT_TRUE(radio_data::passwords().isSet(PasswordSection::kWrite));

  // Cancel keeps the password but still stores the other edit.
  answer.reset();
  edit(CViewPassword::kRead)->setText("55");
  find<QPushButton>(view, CViewPassword::kChangeWrite)->click();
  EXPECT_EQ(field(8), "87654321");
  EXPECT_EQ(field(16), std::string("55\0\0\0\0\0\0", 8));

  // An empty entry clears the password and its flag.
  answer = "";
  find<QPushButton>(view, CViewPassword::kChangeWrite)->click();
  EXPECT_EQ(field(8), std::string(8, '\0'));
  EXPECT_FALSE(radio_data::passwords().isSet(PasswordSection::kWrite));
}

TEST_F(PasswordView, FieldsTheEditsCannotShowAreStoredBackUnchanged) {
  auto bytes = radio_data::areaBytes(FieldArea::Passwords);
  std::fill(bytes.begin(), bytes.end(), 0xFF);  // erased memory
  std::copy_n("12345678", 8, bytes.begin() + 8);
  view.deliver(WM_VIEW_LOAD, 0, 0);
  EXPECT_EQ(edit(CViewPassword::kWrite)->text(), "12345678");  // all eight bytes in use
  view.deliver(WM_VIEW_STORE, 0, 0);
  EXPECT_EQ(field(0), std::string(8, '\xFF'));
  EXPECT_EQ(field(16), std::string(8, '\xFF'));
  EXPECT_EQ(field(8), "12345678");
}

}  // namespace
}  // namespace vex::gui
