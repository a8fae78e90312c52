// The scan view: its enabling rules, what it stores and what it leaves
// alone, its channel lists as channels come and go, and the Invalid Log.
#include <gtest/gtest.h>
#include <QCheckBox>

#include "adapters/field_controls.h"
#include "adapters/radio_data.h"
#include "channel_views_support.h"
#include "channels/scan_view.h"
#include "core/container.h"
#include "core/schema/schema_table.h"
#include "views/messages.h"
#include "views/view_host.h"
#include "workspace/child_frame.h"
#include "workspace/main_frame.h"

namespace vex::gui {
namespace {

enum : int {
  kToneMode = 3830,
  kTxMode = 3846,
  kHangTime = 3848,
  kDesignated = 3850,
  kPriorityMode = 3834,
  kPriorityChannel = 3836,
  kDeleteAdd = 3837,
  kSweepTime = 3844,
  kStartAlert = 3855,
  kEndAlert = 3856,
  kPriorityAlert = 3860,
  kIncludeCurrent = 3857,
  kTalkback = 3861,
  kNuisanceDelete = 3854,
  kNuisanceReset = 3853,
  kCount = 3943,
  kSlot1 = 3873,
};

// Records the change notices the views send up.
struct NoticeHost : ViewHost {
  NoticeHost() { ViewHost::setCurrent(this); }
  ~NoticeHost() override { ViewHost::setCurrent(nullptr); }
  void sendToMainFrame(int message, long wParam, long, const ChangeNotice* notice) override {
    if (message == WM_DATA_CHANGED && wParam == kChangeNoticeTag && notice) notices.push_back(*notice);
    if (message == WM_DATA_CHANGED && wParam == 0) ++plainSignals;
  }
  std::vector<ChangeNotice> notices;
  int plainSignals = 0;
};

struct ScanView : ::testing::Test {
  ScanView() {
    test::addShippedTexts(data, {3800, 3801, 3803, 3830, 3834, 3844, 3846, 3848, 3849, 3857, 3907, 3943});
    radio_data::invalidLog().clear();
  }
  ScanListItem& scanList() { return RadioDataContainer::instance().scanLists()[0]; }
  ScanListRecord& record() { return scanList().record(); }
  QComboBox* combo(CViewScan& view, int id) { return findControlAs<QComboBox>(view.form(), id); }
  QCheckBox* check(CViewScan& view, int id) { return findControlAs<QCheckBox>(view.form(), id); }
  bool enabled(CViewScan& view, int id) { return findControl(view.form(), id)->isEnabled(); }
  test::DataDir data;
  NoticeHost host;
};

TEST_F(ScanView, ANewScanListShowsItsDefaultsAndAddIsRefused) {
  RadioDataContainer::instance().scanLists().clear();
  CViewScan scan;
  scan.initialUpdate();
  ASSERT_EQ(radio_data::recordCount(RecordKind::ScanList), 1);
  EXPECT_EQ(combo(scan, kCount)->currentText(), "16");
  for (int slot = 0; slot < 16; ++slot) {
    EXPECT_EQ(combo(scan, kSlot1 + slot)->currentText(), QString::number(slot + 1));
    EXPECT_TRUE(enabled(scan, kSlot1 + slot));
  }
  EXPECT_EQ(combo(scan, kToneMode)->currentIndex(), 3);
  EXPECT_EQ(combo(scan, kHangTime)->currentText(), "1.5");
  EXPECT_EQ(combo(scan, kSweepTime)->currentText(), "2250");
  EXPECT_EQ(combo(scan, kTxMode)->currentIndex(), 0);
  EXPECT_EQ(combo(scan, kDesignated)->currentText(), "1");
  EXPECT_EQ(combo(scan, kPriorityMode)->currentIndex(), 0);
  EXPECT_EQ(combo(scan, kPriorityChannel)->currentText(), "1");
  for (int id : {kStartAlert, kEndAlert, kPriorityAlert, kTalkback}) EXPECT_TRUE(check(scan, id)->isChecked()) << id;
  // The new scan list holds what default data gives the radio: bit 4 of
  // byte 17 clear, so the radio reads Include Current Channel back as off.
  EXPECT_FALSE(check(scan, kIncludeCurrent)->isChecked());
  EXPECT_EQ(record().bytes[17], 0x0F);
  for (int id : {kNuisanceDelete, kNuisanceReset, kDeleteAdd})
    EXPECT_FALSE(check(scan, id)->isVisibleTo(scan.form())) << id;

  scan.navigate(RecordMove::Add);
  EXPECT_EQ(radio_data::recordCount(RecordKind::ScanList), 1);
  EXPECT_EQ(scan.position(), 1);
}

TEST_F(ScanView, EnablingFollowsTxModePriorityModeAndEntryCount) {
  CViewScan scan;
  scan.initialUpdate();
  EXPECT_FALSE(enabled(scan, kDesignated));
  test::chooseText(scan.form(), kTxMode, "Designated Channel");
  EXPECT_TRUE(enabled(scan, kDesignated));
  test::choose(scan.form(), kTxMode, 2);
  EXPECT_FALSE(enabled(scan, kDesignated));

  auto priorityControls = [&] {
    return std::string{enabled(scan, kPriorityChannel) ? '1' : '0', enabled(scan, kDeleteAdd) ? '1' : '0',
                       enabled(scan, kSweepTime) ? '1' : '0'};
  };
  EXPECT_EQ(priorityControls(), "000");  // mode 0: no priority channel
  test::choose(scan.form(), kPriorityMode, 1);
  EXPECT_EQ(priorityControls(), "111");
  test::choose(scan.form(), kPriorityMode, 2);
  EXPECT_EQ(priorityControls(), "011");
  EXPECT_EQ(record().priorityMode(), 2);

  test::chooseText(scan.form(), kCount, "4");
  EXPECT_EQ(record().entryCount(), 4);
  for (int slot = 0; slot < 16; ++slot) EXPECT_EQ(enabled(scan, kSlot1 + slot), slot < 4) << slot;
  for (std::size_t slot = 4; slot < 16; ++slot) EXPECT_EQ(record().member(slot), slot + 1);  // kept
}

TEST_F(ScanView, ConfigurationEditsAreDescribedAndMemberEditsSignalled) {
  CViewScan scan;
  scan.initialUpdate();
  test::chooseText(scan.form(), kTxMode, "Designated Channel");
  ASSERT_EQ(host.notices.size(), 1u);
  const ChangeNotice& notice = host.notices[0];
  EXPECT_EQ(notice.controlId, kTxMode);
  EXPECT_EQ(notice.kind, ChangeNotice::kFieldEdit);
  EXPECT_EQ(notice.field, &SchemaField(FieldArea::ScanList, "tx_mode"));
  EXPECT_EQ(notice.key, radio_data::records(RecordKind::ScanList).keyAt(0));
  EXPECT_EQ(host.plainSignals, 0);
  test::choose(scan.form(), kSlot1 + 2, 6);
  EXPECT_EQ(host.plainSignals, 1);
  EXPECT_EQ(host.notices.size(), 1u);
  EXPECT_EQ(record().member(2), 7);
}

TEST_F(ScanView, StoresOnlyTheFieldsItShows) {
  auto& bytes = record().bytes;
  for (std::size_t i = 0; i < 24; ++i) bytes[i] = static_cast<std::uint8_t>(0x5A + 13 * i);
  bytes[4] = 10;    // entries
  bytes[5] = 0x19;  // tone mode 0, bits 0, 3 and 4 set
  bytes[7] = 0xE9;  // priority mode 1, Delete/Add off, bits 3 and 5..7 set
  bytes[8] = 3;
  record().setWord(9, 4);
  record().setWord(11, 300);  // names no channel: kept as it is
  bytes[13] = 0x51;           // TX mode 1, talkback off, high bits 0101
  record().setWord(14, 2);
  bytes[16] = 5;
  bytes[17] = 0x68;  // bits 3, 5, 6 set, every shown flag off
  bytes[18] = 0xFE;  // Nuisance Reset off, bit 1 without a control
  for (std::size_t slot = 0; slot < 16; ++slot) record().setMember(slot, static_cast<std::uint16_t>(16 - slot));
  RadioDataContainer::instance().resolveLinks();
  const auto before = bytes;

  CViewScan scan;
  scan.initialUpdate();
  scan.deliver(WM_VIEW_STORE, 0, 0);
  EXPECT_EQ(bytes, before);  // shown and stored again: nothing changed

  test::choose(scan.form(), kToneMode, 2);
  test::choose(scan.form(), kTxMode, 3);
  test::choose(scan.form(), kHangTime, 7);
  test::choose(scan.form(), kDesignated, 8);
  test::choose(scan.form(), kPriorityMode, 2);
  test::choose(scan.form(), kPriorityChannel, 11);
  test::choose(scan.form(), kSweepTime, 15);
  for (int id : {kStartAlert, kEndAlert, kPriorityAlert, kIncludeCurrent, kTalkback, kNuisanceDelete, kNuisanceReset,
                 kDeleteAdd})
    check(scan, id)->click();
  test::chooseText(scan.form(), kCount, "12");
  test::choose(scan.form(), kSlot1 + 15, 2);
  scan.closing();

  auto expected = before;
  expected[4] = 12;
  expected[5] = 0x1D;
  expected[7] = 0xEE;
  expected[8] = 15;
  expected[9] = 12;  // priority channel 12
  expected[10] = 0;
  expected[13] = 0x5B;
  expected[14] = 9;  // designated channel 9
  expected[15] = 0;
  expected[16] = 7;
  expected[17] = 0xFF;
  expected[18] = 0xFF;
  expected[54] = 3;  // slot 16: channel 3
  expected[55] = 0;
  EXPECT_EQ(bytes, expected);
}

TEST_F(ScanView, ChannelsThatGoAreReportedAndTheRestKeepTheirMembers) {
  record().bytes[13] = 0xF9;  // TX mode 1: the designated channel is used
  record().setWord(14, 5);
  record().bytes[7] = 0xC1;  // priority mode 1: the priority channel is used
  record().setWord(9, 5);
  record().setMember(2, 5);
  RadioDataContainer::instance().resolveLinks();
  CMainFrame frame;
  CChildFrame* child = frame.openView(kCmdViewScan);
  auto* scan = qobject_cast<CViewScan*>(child->view());
  ASSERT_NE(scan, nullptr);
  const int scanKey = scanList().key();

  RecordListAccess channels = radio_data::records(RecordKind::Channel);
  CChildFrame* channelFrame = frame.openView(kCmdViewChannel, {}, 5);
  channelFrame->view()->deliver(WM_VIEW_NAVIGATE, 0, kMoveDelete);
  ASSERT_EQ(channels.size(), 15u);

  auto reported = [&](std::string_view key) {
    return radio_data::invalidLog().contains(scanKey, FindField(FieldArea::ScanList, key));
  };
  EXPECT_TRUE(reported("member_3"));
  EXPECT_TRUE(reported("member_5"));
  EXPECT_TRUE(reported("designated_channel"));
  EXPECT_TRUE(reported("priority_channel"));
  EXPECT_EQ(radio_data::invalidRows().size(), 4u);
  const InvalidLogRow& slot3 = radio_data::invalidRows()[0];
  EXPECT_EQ(slot3.label, "Channel 3");
  EXPECT_EQ(slot3.location, "Scan List - 1: Scan Members");
  EXPECT_EQ(controlOf(slot3.finding.field), 3875);
  EXPECT_EQ(invalidLogKey(slot3.finding), scanKey + 0x10000 + 3874);

  // The lists offer the fifteen channels left; the members behind the gone
  // channel moved up one number and still show their channels.
  QWidget* form = scan->form();
  EXPECT_EQ(findControlAs<QComboBox>(form, kSlot1 + 2)->currentIndex(), -1);
  EXPECT_EQ(findControlAs<QComboBox>(form, kSlot1 + 5)->currentText(), "5");
  EXPECT_EQ(findControlAs<QComboBox>(form, kSlot1)->count(), 15);
  EXPECT_EQ(record().member(5), 5);
  EXPECT_EQ(record().member(15), 15);

  // Stored with nothing chosen, the slot holds no channel; choosing one withdraws its entry.
  scan->deliver(WM_VIEW_STORE, 0, 0);
  EXPECT_EQ(record().member(2), 255);
  EXPECT_TRUE(reported("member_3"));
  test::choose(form, kSlot1 + 2, 2);
  EXPECT_FALSE(reported("member_3"));
  EXPECT_EQ(record().member(2), 3);
  test::choose(form, kPriorityChannel, 0);
  EXPECT_FALSE(reported("priority_channel"));
  EXPECT_TRUE(reported("designated_channel"));
  test::choose(form, kDesignated, 1);
  EXPECT_FALSE(reported("designated_channel"));
  EXPECT_EQ(record().word(14), 2);
}

TEST_F(ScanView, AChannelAddedElsewhereIsOffered) {
  RadioDataContainer::instance().channels().removeAt(15);
  CMainFrame frame;
  CChildFrame* child = frame.openView(kCmdViewScan);
  QWidget* form = child->view()->form();
  test::chooseText(form, kCount, "15");
  EXPECT_EQ(findControlAs<QComboBox>(form, kSlot1)->count(), 15);
  frame.openView(kCmdViewChannel)->view()->deliver(WM_VIEW_NAVIGATE, 0, kMoveAdd);
  EXPECT_EQ(findControlAs<QComboBox>(form, kSlot1)->count(), 16);
  EXPECT_EQ(findControlAs<QComboBox>(form, kSlot1 + 4)->currentText(), "5");  // selections stay
}

}  // namespace
}  // namespace vex::gui
