// The personality view: its enabling rules, what it stores and what it
// leaves alone, its Delete and Add rules, and what a Delete reports.
#include <gtest/gtest.h>
#include <QAbstractButton>
#include <QCheckBox>
#include <QLabel>

#include "adapters/radio_data.h"
#include "channel_views_support.h"
#include "channels/personality_view.h"
#include "core/container.h"
#include "views/messages.h"
#include "views/property_sheet.h"
#include "workspace/child_frame.h"
#include "workspace/main_frame.h"
#include "workspace/nav_bar.h"

namespace vex::gui {
namespace {

enum : int { kAdmit = 2321, kTimeOut = 2325, kPreAlert = 2327, kRekey = 2329, kReset = 2331, kLockout = 2341 };
constexpr int kSquelch = 2351;

struct PersonalityView : ::testing::Test {
  PersonalityView() {
    test::addShippedTexts(data, {2311, 2312, 2321, 2325, 2327, 2329, 2331, 2351, 3655, 3657, 3702});
    radio_data::invalidLog().clear();
  }
  PersonalityItem& personality(std::size_t i) { return RadioDataContainer::instance().personalities()[i]; }
  std::uint8_t byte(std::size_t i, std::size_t offset) { return personality(i).record().bytes[offset]; }
  QComboBox* combo(CViewPersonality& view, int id) { return findControlAs<QComboBox>(view.form(), id); }
  bool enabled(CViewPersonality& view, int id) { return findControl(view.form(), id)->isEnabled(); }

  test::DataDir data;
};

TEST_F(PersonalityView, ANewPersonalityShowsItsDefaults) {
  RadioDataContainer::instance().personalities().clear();
  CViewPersonality view;
  view.initialUpdate();
  ASSERT_EQ(radio_data::recordCount(RecordKind::Personality), 1);
  EXPECT_EQ(view.sheet()->tabText(0), "RX/TX");
  EXPECT_EQ(view.sheet()->tabText(1), "Squelch");
  EXPECT_EQ(combo(view, kAdmit)->currentIndex(), 1);
  EXPECT_EQ(combo(view, kTimeOut)->currentIndex(), 60);
  EXPECT_EQ(combo(view, kTimeOut)->currentText(), "300");
  EXPECT_EQ(combo(view, kPreAlert)->currentIndex(), 10);
  EXPECT_EQ(combo(view, kRekey)->currentText(), "Off");
  EXPECT_EQ(combo(view, kReset)->currentText(), "Off");
  EXPECT_EQ(combo(view, kSquelch)->currentIndex(), 1);
  auto* lockout = findControlAs<QCheckBox>(view.form(), kLockout);
  EXPECT_FALSE(lockout->isChecked());
  EXPECT_FALSE(lockout->isVisibleTo(view.sheet()->widget(0)));
}

TEST_F(PersonalityView, PreAlertTimesStopBeforeTheTimeOutAndTheTimerNeedsAdmission) {
  CViewPersonality view;
  view.initialUpdate();
  test::choose(view.form(), kPreAlert, 5);
  test::choose(view.form(), kTimeOut, 3);
  ASSERT_EQ(combo(view, kPreAlert)->count(), 3);  // entries 0, 1 and 2
  EXPECT_EQ(combo(view, kPreAlert)->itemText(2), "2");
  EXPECT_EQ(combo(view, kPreAlert)->currentIndex(), 0);  // 5 is no longer offered
  EXPECT_EQ(byte(0, 14), 3);
  EXPECT_EQ(byte(0, 15), 0);

  test::choose(view.form(), kPreAlert, 2);
  test::choose(view.form(), kTimeOut, 10);
  EXPECT_EQ(combo(view, kPreAlert)->currentIndex(), 2);  // still offered: kept
  EXPECT_EQ(byte(0, 15), 2);

  test::choose(view.form(), kTimeOut, 0);  // timer off
  EXPECT_EQ(combo(view, kPreAlert)->count(), 1);
  for (int id : {kPreAlert, kRekey, kReset}) EXPECT_FALSE(enabled(view, id)) << id;
  EXPECT_TRUE(enabled(view, kTimeOut));

  test::choose(view.form(), kTimeOut, 60);
  test::choose(view.form(), kAdmit, 0);  // transmitting inhibited
  for (int id : {kTimeOut, kPreAlert, kRekey, kReset}) EXPECT_FALSE(enabled(view, id)) << id;
  EXPECT_EQ(byte(0, 12), 0);
  test::choose(view.form(), kAdmit, 2);
  for (int id : {kTimeOut, kPreAlert, kRekey, kReset}) EXPECT_TRUE(enabled(view, id)) << id;

  // Moving to a record whose timer is off applies the rules to it.
  RadioDataContainer::instance().personalities().appendNew()->record().bytes[14] = 0;
  view.navigate(RecordMove::Next);
  EXPECT_FALSE(enabled(view, kPreAlert));
}

TEST_F(PersonalityView, StoresOnlyTheFieldsItShows) {
  RadioDataContainer::instance().personalities().appendNew();
  auto& bytes = personality(1).record().bytes;
  for (std::size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<std::uint8_t>(0x91 + 7 * i);
  bytes[8] = 0;
  bytes[12] = 1;
  bytes[13] = 0xA5;  // Busy Channel Lockout (bit 1) off
  bytes[14] = 20;
  bytes[15] = 4;
  bytes[16] = 3;
  bytes[17] = 2;
  const auto before = bytes;

  CViewPersonality view;
  view.initialUpdate();
  view.navigate(RecordMove::Next);
  EXPECT_EQ(combo(view, kPreAlert)->currentIndex(), 4);
  view.navigate(RecordMove::First);
  view.navigate(RecordMove::Next);
  EXPECT_EQ(bytes, before);  // shown and stored again: nothing changed

  test::choose(view.form(), kAdmit, 3);
  test::choose(view.form(), kTimeOut, 30);
  test::choose(view.form(), kPreAlert, 7);
  test::choose(view.form(), kRekey, 9);
  test::choose(view.form(), kReset, 11);
  test::choose(view.form(), kSquelch, 2);
  findControlAs<QCheckBox>(view.form(), kLockout)->click();
  view.navigate(RecordMove::First);

  auto expected = before;
  expected[12] = 3;
  expected[14] = 30;
  expected[15] = 7;
  expected[16] = 9;
  expected[17] = 11;
  expected[8] = 2;
  expected[13] = 0xA7;
  EXPECT_EQ(bytes, expected);
}

TEST_F(PersonalityView, DeleteReportsChannelsOfTheDeletedPersonalityAndKeepsTheLast) {
  auto& container = RadioDataContainer::instance();
  container.personalities().appendNew();
  container.personalities().appendNew();
  container.channels()[2].record().bytes[18] = 1;  // channel 3: personality 2
  container.channels()[3].record().bytes[18] = 2;  // channel 4: personality 3
  container.resolveLinks();
  const int third = container.personalities().keyAt(2);

  CViewPersonality view;
  view.initialUpdate();
  view.navigate(RecordMove::GoTo, 2);
  view.navigate(RecordMove::Delete);
  EXPECT_EQ(view.currentKey(), third);
  ASSERT_EQ(radio_data::invalidRows().size(), 1u);
  const InvalidLogRow& row = radio_data::invalidRows()[0];
  EXPECT_EQ(row.label, "Personality");
  EXPECT_EQ(row.location, "Channel - 3: Options");
  EXPECT_EQ(row.finding.itemKey, container.channels()[2].key());
  // Channel 4 keeps its personality, which is now the second.
  EXPECT_EQ(container.channels()[3].record().bytes[18], 1);

  view.navigate(RecordMove::Delete);
  view.navigate(RecordMove::Delete);
  EXPECT_EQ(radio_data::recordCount(RecordKind::Personality), 1);
  EXPECT_EQ(view.position(), 0);  // the last one stays, and nothing is shown as current
}

TEST_F(PersonalityView, AddStopsAtEightAndTheBarStopsOfferingIt) {
  CMainFrame frame;
  frame.show();
  CChildFrame* child = frame.openView(kCmdViewPersonality);
  ASSERT_NE(qobject_cast<CViewPersonality*>(child->view()), nullptr);
  QAbstractButton* add = child->navBar()->button(CNavBar::kAdd);
  while (add->isEnabled() && radio_data::recordCount(RecordKind::Personality) < 20) add->click();
  EXPECT_EQ(radio_data::recordCount(RecordKind::Personality), 8);
  EXPECT_EQ(child->navBar()->counter()->text(), "8 of 8");
  child->view()->deliver(WM_VIEW_NAVIGATE, 0, kMoveAdd);  // asked anyway
  EXPECT_EQ(radio_data::recordCount(RecordKind::Personality), 8);
  EXPECT_EQ(frame.tree()->item(kCmdViewPersonality)->childCount(), 8);
}

}  // namespace
}  // namespace vex::gui
