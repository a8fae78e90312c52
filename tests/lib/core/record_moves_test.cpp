#include "core/record_moves.h"
#include "core/schema/schema_table.h"

#include <gtest/gtest.h>

#include <memory>

#include "core/container.h"
#include "core/invalid_log.h"
#include "core/references.h"
#include "core/schema/schema.h"

namespace {

using namespace vex;

constexpr MoveRules kKeep{16, LastRecordDelete::KeepCurrent};
constexpr MoveRules kLeave{8, LastRecordDelete::LeaveNoCurrent};

struct Lists : ::testing::Test {
  Lists() { data->resetToDefaults(); }
  std::unique_ptr<RadioDataContainer> data = std::make_unique<RadioDataContainer>();
  RecordListAccess channels{*data, RecordKind::Channel};
  RecordListAccess personalities{*data, RecordKind::Personality};
  int move(RecordListAccess& list, int current, RecordMove m, const MoveRules& rules = kKeep, int number = 0) {
    return ApplyRecordMove(list, current, m, number, rules, &log);
  }
  InvalidLog log;
};

TEST_F(Lists, StepsStopAtTheEndsAndGoToChecksTheNumber) {
  const int first = channels.keyAt(0);
  const int last = channels.keyAt(15);
  EXPECT_EQ(move(channels, last, RecordMove::First), first);
  EXPECT_EQ(move(channels, first, RecordMove::Previous), first);
  EXPECT_EQ(move(channels, last, RecordMove::Next), last);
  EXPECT_EQ(move(channels, first, RecordMove::Next), channels.keyAt(1));
  EXPECT_EQ(move(channels, first, RecordMove::Last), last);
  EXPECT_EQ(move(channels, first, RecordMove::GoTo, kKeep, 5), channels.keyAt(4));
  EXPECT_EQ(move(channels, first, RecordMove::GoTo, kKeep, 17), 0);
  EXPECT_EQ(move(channels, first, RecordMove::GoTo, kKeep, 0), 0);
  EXPECT_EQ(move(channels, 0, RecordMove::Next), 0);  // nothing current: nothing next
}

TEST_F(Lists, DeleteMakesTheFollowingOrNewLastRecordCurrent) {
  const int third = channels.keyAt(2);
  const int fourth = channels.keyAt(3);
  EXPECT_EQ(move(channels, third, RecordMove::Delete), fourth);
  EXPECT_EQ(channels.size(), 15u);
  EXPECT_FALSE(channels.indexOfKey(third));
  const int beforeLast = channels.keyAt(13);
  EXPECT_EQ(move(channels, channels.keyAt(14), RecordMove::Delete), beforeLast);
  EXPECT_EQ(move(channels, 12345, RecordMove::Delete), 0);  // not in the list
  EXPECT_EQ(channels.size(), 14u);
}

TEST_F(Lists, TheLastRecordIsNeverDeleted) {
  const int only = personalities.keyAt(0);
  EXPECT_EQ(move(personalities, only, RecordMove::Delete, kKeep), only);
  EXPECT_EQ(move(personalities, only, RecordMove::Delete, kLeave), 0);
  EXPECT_EQ(personalities.size(), 1u);
}

TEST_F(Lists, AddAppendsWithResolvedLinksUpToTheLimit) {
  data->channels().removeAt(15);
  const int added = move(channels, channels.keyAt(0), RecordMove::Add);
  ASSERT_EQ(channels.size(), 16u);
  EXPECT_EQ(added, channels.keyAt(15));
  EXPECT_EQ(data->channels()[15].personalityLink(), data->personalities()[0].key());
  EXPECT_EQ(move(channels, added, RecordMove::Add), added);  // the view's limit of 16
  EXPECT_EQ(channels.size(), 16u);
  // The library's own limit holds whatever a view asks for.
  const MoveRules generous{99, LastRecordDelete::KeepCurrent};
  move(channels, added, RecordMove::Add, generous);
  EXPECT_EQ(channels.size(), 17u);
  move(channels, added, RecordMove::Add, generous);
  EXPECT_EQ(channels.size(), 17u);
}

TEST_F(Lists, DeletingARecordWithdrawsItsFindings) {
  data->personalities().clear();
  EXPECT_EQ(data->validate(log, {}), 16);
  move(channels, channels.keyAt(0), RecordMove::Delete);
  EXPECT_EQ(log.size(), 15u);
}

TEST_F(Lists, NumbersNamingRecordsBehindADeletedOneFollowThem) {
  for (int i = 0; i < 2; ++i) move(personalities, 0, RecordMove::Add, kLeave);
  auto& c = data->channels();
  c[0].record().setPersonalityIndex(1);  // the one deleted below
  c[1].record().setPersonalityIndex(2);
  c[2].record().setPersonalityIndex(7);  // names none
  ScanListRecord& scan = data->scanLists()[0].record();
  scan.setWord(SchemaField(FieldArea::ScanList, "priority_channel").offset, 9);
  scan.setWord(SchemaField(FieldArea::ScanList, "further_channel").offset, 3);
  scan.setWord(SchemaField(FieldArea::ScanList, "designated_channel").offset, 16);
  scan.setMember(0, 4);
  scan.setMember(1, 0xFF);
  data->resolveLinks();

  move(personalities, personalities.keyAt(1), RecordMove::Delete, kLeave);
  EXPECT_EQ(c[1].record().personalityIndex(), 1);  // its personality moved up
  EXPECT_EQ(c[0].record().personalityIndex(), 1);  // gone: left for validation to report
  EXPECT_EQ(c[2].record().personalityIndex(), 7);
  EXPECT_EQ(c[1].personalityLink(), data->personalities()[1].key());

  move(channels, channels.keyAt(3), RecordMove::Delete);  // channel 4
  EXPECT_EQ(scan.word(SchemaField(FieldArea::ScanList, "priority_channel").offset), 8);
  EXPECT_EQ(scan.word(SchemaField(FieldArea::ScanList, "further_channel").offset), 3);  // before the deleted one
  EXPECT_EQ(scan.word(SchemaField(FieldArea::ScanList, "designated_channel").offset), 15);
  // Slots 1 and 4 named channel 4: the members behind them moved up.
  EXPECT_EQ(scan.entryCount(), 14);
  EXPECT_EQ(scan.member(0), 0xFF);
  EXPECT_EQ(scan.member(1), 3);
  EXPECT_EQ(scan.member(2), 4);  // the former channel 5
  EXPECT_EQ(scan.member(13), 15);
  EXPECT_EQ(scan.member(14), kNoChannel);
  EXPECT_EQ(scan.member(15), kNoChannel);
}

TEST_F(Lists, DeletingAChannelLeavesNoScanListNamingIt) {
  ScanListRecord& scan = data->scanLists()[0].record();
  WriteField(SchemaField(FieldArea::ScanList, "tx_mode"), scan.span(), 1);        // to the designated channel
  WriteField(SchemaField(FieldArea::ScanList, "priority_mode"), scan.span(), 1);  // a fixed priority channel
  scan.setWord(SchemaField(FieldArea::ScanList, "designated_channel").offset, 5);
  scan.setWord(SchemaField(FieldArea::ScanList, "priority_channel").offset, 16);
  scan.setEntryCount(6);
  scan.setMember(10, 5);  // an unused slot
  data->resolveLinks();
  const int sixth = channels.keyAt(5);

  move(channels, channels.keyAt(4), RecordMove::Delete);   // channel 5
  move(channels, channels.keyAt(14), RecordMove::Delete);  // channel 16, the last
  ScanListItem& item = data->scanLists()[0];
  EXPECT_EQ(item.designatedLink(), sixth);  // the channel that took its place
  EXPECT_EQ(scan.word(SchemaField(FieldArea::ScanList, "designated_channel").offset), 5);
  EXPECT_EQ(item.priorityLink(), channels.keyAt(13));  // the new last channel
  EXPECT_EQ(scan.word(SchemaField(FieldArea::ScanList, "priority_channel").offset), 14);
  EXPECT_EQ(scan.entryCount(), 5);
  for (std::size_t slot = 0; slot < 5; ++slot) EXPECT_EQ(scan.member(slot), slot + 1) << slot;
  EXPECT_EQ(scan.member(10), kNoChannel);
  EXPECT_EQ(data->validate(log, {}), 0);
}

TEST_F(Lists, ScanChannelReferencesPointAtChannelsByKey) {
  ScanListItem& scan = data->scanLists()[0];
  const auto& c = data->channels();
  SetScanChannel(scan, SchemaField(FieldArea::ScanList, "designated_channel").offset, c.keyAt(6), c);
  EXPECT_EQ(scan.record().word(SchemaField(FieldArea::ScanList, "designated_channel").offset), 7);
  EXPECT_EQ(ScanChannelLink(scan, SchemaField(FieldArea::ScanList, "designated_channel").offset), c.keyAt(6));
  const std::size_t slot3 = SchemaField(FieldArea::ScanList, "member_3").offset;
  SetScanChannel(scan, slot3, 0, c);  // nothing chosen
  EXPECT_EQ(scan.record().member(2), kNoChannel);
  EXPECT_EQ(ScanChannelLink(scan, slot3), c.keyAt(2));  // still reported if used
  SetScanChannel(scan, 5, c.keyAt(1), c);               // not a channel reference: ignored
  EXPECT_EQ(scan.record().bytes[5], 0xE6);
}

}  // namespace
