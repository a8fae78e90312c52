#include "core/container.h"
#include "core/schema/schema.h"
#include "core/schema/schema_table.h"

#include <gtest/gtest.h>

#include <memory>
#include <set>

namespace {

using namespace vex;

std::string FakeText(int id) { return "T" + std::to_string(id); }

std::unique_ptr<RadioDataContainer> DefaultContainer() {
  auto c = std::make_unique<RadioDataContainer>();
  c->resetToDefaults();
  return c;
}

std::set<int> AllKeys(const RadioDataContainer& c) {
  std::set<int> keys;
  for (const auto& i : c.channels()) keys.insert(i->key());
  for (const auto& i : c.personalities()) keys.insert(i->key());
  for (const auto& i : c.scanLists()) keys.insert(i->key());
  for (const auto& i : c.alertTones()) keys.insert(i->key());
  return keys;
}

TEST(RadioDataContainer, ResetGivesTheDefaultRecordsAllLinked) {
  auto c = DefaultContainer();
  ASSERT_EQ(c->channels().size(), 16u);
  ASSERT_EQ(c->personalities().size(), 1u);
  ASSERT_EQ(c->scanLists().size(), 1u);
  ASSERT_EQ(c->alertTones().size(), 1u);
  for (const auto& channel : c->channels()) {
    EXPECT_EQ(channel->personalityLink(), c->personalities()[0].key());
    EXPECT_EQ(channel->scanListLink(), c->scanLists()[0].key());
  }
  for (std::size_t slot = 0; slot < 16; ++slot) {
    EXPECT_EQ(c->scanLists()[0].memberLinks()[slot], c->channels()[slot].key());
  }
  EXPECT_EQ(c->image()[0], 0xFF);
  EXPECT_EQ(c->factory().shared().data(), c->misc().shared().data());
}

TEST(RadioDataContainer, KeysAreNeverReusedAcrossResetsAndKindsStayApart) {
  auto c = DefaultContainer();
  const std::set<int> first = AllKeys(*c);
  EXPECT_EQ(first.size(), 19u);
  EXPECT_EQ(c->channels()[1].key() - c->channels()[0].key(), 200);

  c->clearRecords();
  c->resetToDefaults();
  const std::set<int> second = AllKeys(*c);
  EXPECT_EQ(second.size(), 19u);
  for (int key : second) EXPECT_EQ(first.count(key), 0u) << key;

  // Decoding creates new items with new keys too; another container does not restart them.
  c->encode();
  c->decode();
  RadioDataContainer other;
  other.resetToDefaults();
  std::set<int> seen = first;
  seen.insert(second.begin(), second.end());
  for (const auto* box : {c.get(), &other}) {
    for (int key : AllKeys(*box)) EXPECT_TRUE(seen.insert(key).second) << key;
  }
}

TEST(RadioDataContainer, SectionDefaultsComeWithConstructionOrReset) {
  RadioDataContainer c;
  EXPECT_EQ(c.radioInfo().serialNumber(), "----------------");
  EXPECT_EQ(c.misc().bytes()[5], 0x0B);
  EXPECT_EQ(c.misc().bytes()[36], 0x03);
  EXPECT_EQ(c.atis().bytes()[0], 0x99);
  EXPECT_EQ(c.keys().bytes()[2], 24);
  // PTT ID, DOS and adjustment data get their defaults only from the reset.
  EXPECT_EQ(c.pttId().bytes()[4], 0);
  EXPECT_EQ(c.dos().bytes()[1], 0);
  c.resetToDefaults();
  EXPECT_EQ(c.pttId().bytes()[0], 1);
  EXPECT_EQ(c.pttId().bytes()[3], 0xFD);
  EXPECT_EQ(c.pttId().bytes()[4], 25);
  EXPECT_EQ(c.dos().bytes()[0], 0x20);
  EXPECT_EQ(c.dos().bytes()[1], 15);
  EXPECT_EQ(c.adjust().bytes()[0], 0xFF);
  EXPECT_EQ(c.factory().bytes()[4], 0xFF);
  EXPECT_FALSE(c.factory().radioInfo().empty());
}

TEST(RadioDataContainer, ValidateFindsMissingPersonalities) {
  auto c = DefaultContainer();
  InvalidLog log;
  int reveals = 0;
  log.setRevealHandler([&] { ++reveals; });
  EXPECT_EQ(c->validate(log, FakeText), 0);
  EXPECT_EQ(reveals, 0);

  c->personalities().clear();
  EXPECT_EQ(c->validate(log, FakeText), 16);
  EXPECT_EQ(reveals, 1);
  const InvalidLogRow& row = log.rows()[2];
  EXPECT_EQ(row.label, "T3702");
  EXPECT_EQ(row.location, "T3655 - 3: T3657");
  EXPECT_EQ(row.finding.list, RecordKind::Channel);
  EXPECT_EQ(row.finding.number, 3u);
  EXPECT_EQ(row.finding.itemKey, c->channels()[2].key());
  EXPECT_EQ(row.finding.field, FindField(FieldArea::Channel, "personality"));

  // Validation starts from an empty log each time.
  EXPECT_EQ(c->validate(log, FakeText), 16);
}

TEST(RadioDataContainer, ValidateFindsScanMembersWhoseChannelWasDeleted) {
  auto c = DefaultContainer();
  c->channels().removeAt(4);  // channel 5
  InvalidLog log;
  EXPECT_EQ(c->validate(log, FakeText), 1);
  const InvalidLogRow& row = log.rows()[0];
  EXPECT_EQ(row.label, "T3909");
  EXPECT_EQ(row.location, "T3801 - 1: T3803");
  EXPECT_EQ(row.finding.list, RecordKind::ScanList);
  EXPECT_EQ(row.finding.itemKey, c->scanLists()[0].key());
  EXPECT_EQ(row.finding.field, FindField(FieldArea::ScanList, "member_5"));

  // Only slots below the entry count are checked.
  c->scanLists()[0].record().bytes[SchemaField(FieldArea::ScanList, "entries").offset] = 4;
  EXPECT_EQ(c->validate(log, FakeText), 0);
}

TEST(RadioDataContainer, ValidateChecksDesignatedAndPriorityChannelsByMode) {
  auto c = DefaultContainer();
  ScanListItem& scan = c->scanLists()[0];
  scan.record().bytes[SchemaField(FieldArea::ScanList, "entries").offset] = 0;
  scan.setDesignatedLink(0);
  scan.setPriorityLink(0);
  InvalidLog log;
  EXPECT_EQ(c->validate(log, FakeText), 0);  // mode 0 and priority mode 0 use neither
  scan.record().bytes[SchemaField(FieldArea::ScanList, "tx_mode").offset] = 0xF9;
  scan.record().bytes[SchemaField(FieldArea::ScanList, "priority_mode").offset] = 0xC1;
  EXPECT_EQ(c->validate(log, FakeText), 2);
  EXPECT_TRUE(log.contains(scan.key(), FindField(FieldArea::ScanList, "designated_channel")));
  EXPECT_TRUE(log.contains(scan.key(), FindField(FieldArea::ScanList, "priority_channel")));
  EXPECT_EQ(log.rows()[0].location, "T3801 - 1: T3800");
}

TEST(RadioDataContainer, ValidateReportsAScanListNumberWithoutAList) {
  auto c = DefaultContainer();
  c->channels()[0].record().bytes[19] = 2;
  c->resolveLinks();
  InvalidLog log;
  EXPECT_EQ(c->validate(log, FakeText), 1);
  EXPECT_EQ(log.rows()[0].label, "T3705");
  EXPECT_EQ(log.rows()[0].finding.field, FindField(FieldArea::Channel, "scan_list"));
}

TEST(RadioDataContainer, BroadcastValidatesOnlyOnTheValidationKind) {
  auto c = DefaultContainer();
  c->personalities().clear();
  ChangeNotice notice;
  notice.kind = ChangeNotice::kFieldEdit;
  c->broadcast(notice);  // no target yet: nothing to do, nothing breaks
  InvalidLog log;
  c->setValidationTarget(&log, FakeText);
  c->broadcast(notice);
  EXPECT_EQ(log.size(), 0u);
  notice.kind = ChangeNotice::kValidate;
  c->broadcast(notice);
  EXPECT_EQ(log.size(), 16u);
  c->channels()[0].withdrawFindings(log);
  EXPECT_EQ(log.size(), 15u);
}

TEST(RadioDataContainer, InstanceIsOneObject) {
  EXPECT_EQ(&RadioDataContainer::instance(), &RadioDataContainer::instance());
}

TEST(InvalidLog, KeepsOneRowPerRecordFieldHonoursTheFilterAndTellsTheListener) {
  const FieldDef* personality = FindField(FieldArea::Channel, "personality");
  const FieldDef* scanList = FindField(FieldArea::Channel, "scan_list");
  InvalidLog log;
  int changes = 0;
  log.setListener([&] { ++changes; });
  log.setFilter([](const Finding& f) { return f.itemKey != 99; });
  log.add("a", "here", {RecordKind::Channel, 1, 1, personality});
  log.add("b", "there", {RecordKind::Channel, 4, 1, personality});  // same record and field, moved
  log.add("c", "x", {RecordKind::Channel, 1, 99, personality});
  log.add("d", "y", {RecordKind::Channel, 1, 1, scanList});
  log.add("e", "z", {RecordKind::Channel, 2, 2, personality});
  ASSERT_EQ(log.size(), 3u);
  EXPECT_EQ(log.rows()[0].label, "a");
  EXPECT_EQ(changes, 3);
  log.remove(7, personality);
  EXPECT_EQ(changes, 3);
  log.remove(1, personality);
  EXPECT_FALSE(log.contains(1, personality));
  EXPECT_TRUE(log.contains(1, scanList));
  EXPECT_EQ(changes, 4);
  log.removeItem(1);
  EXPECT_EQ(log.size(), 1u);
  log.clear();
  EXPECT_EQ(log.size(), 0u);
}

TEST(ReportSectionTable, FillsTitlesInReportOrderAndClearsSelections) {
  ReportSectionTable table;
  ASSERT_EQ(table.size(), 11u);
  table[3].selected = true;
  table.fill(FakeText);
  const int ids[] = {1109, 6601, 5002, 1400, 4590, 1655, 4660, 3655, 2310, 3801, 4000};
  for (std::size_t i = 0; i < 11; ++i) {
    EXPECT_EQ(table[i].titleId, ids[i]);
    EXPECT_EQ(table[i].title, FakeText(ids[i]));
    EXPECT_FALSE(table[i].selected);
  }
}

}  // namespace
