// The items of the four record lists: each owns one record and carries a
// process-unique key; channels and scan lists also hold their links to other
// items as keys (0 = none), rebuilt from the record numbers by resolveLinks.
#pragma once

#include <array>
#include <cstddef>

#include "base/text_ids.h"
#include "core/change_notice.h"
#include "core/record_keys.h"
#include "core/records.h"

namespace vex {

class InvalidLog;
struct ValidationScope;

template <class Record, RecordKind Kind>
class RecordItem {
 public:
  static constexpr RecordKind kKind = Kind;

  RecordItem() : key_(NextRecordKey(Kind)) { record_.fill(layout::kErased); }
  ~RecordItem() { ReleaseRecordKey(Kind, key_); }
  RecordItem(const RecordItem&) = delete;
  RecordItem& operator=(const RecordItem&) = delete;

  int key() const { return key_; }
  Record& record() { return record_; }
  const Record& record() const { return record_; }

 protected:
  int key_;
  Record record_;
};

class ChannelItem : public RecordItem<ChannelRecord, RecordKind::Channel> {
 public:
  // The defaults of the channel at 0-based position `position`.
  void initDefaults(std::size_t position);

  int personalityLink() const { return personalityLink_; }
  int scanListLink() const { return scanListLink_; }
  void setPersonalityLink(int key) { personalityLink_ = key; }
  void setScanListLink(int key) { scanListLink_ = key; }
  // Set in PMR446 mode while a receive frequency is chosen.
  int enabled() const { return enabled_; }
  void setEnabled(int enabled) { enabled_ = enabled; }

  // Validates on ChangeNotice::kValidate; `number` is the 1-based position.
  void handleNotice(const ChangeNotice& notice, std::size_t number, const ValidationScope& scope) const;
  void withdrawFindings(InvalidLog& log) const;

 private:
  int personalityLink_ = 0;
  int scanListLink_ = 0;
  int enabled_ = 0;
};

class PersonalityItem : public RecordItem<PersonalityRecord, RecordKind::Personality> {
 public:
  void initDefaults(std::size_t position);
};

class ScanListItem : public RecordItem<ScanListRecord, RecordKind::ScanList> {
 public:
  void initDefaults(std::size_t position);

  std::array<int, kScanListMembers>& memberLinks() { return memberLinks_; }
  const std::array<int, kScanListMembers>& memberLinks() const { return memberLinks_; }
  int designatedLink() const { return designatedLink_; }
  int priorityLink() const { return priorityLink_; }
  int furtherLink() const { return furtherLink_; }
  void setDesignatedLink(int key) { designatedLink_ = key; }
  void setPriorityLink(int key) { priorityLink_ = key; }
  void setFurtherLink(int key) { furtherLink_ = key; }
  // The link of the channel field that starts at record `offset` (see
  // ScanListRecord::word); null for other offsets.
  int* channelLinkAt(std::size_t offset);
  const int* channelLinkAt(std::size_t offset) const;

  void handleNotice(const ChangeNotice& notice, std::size_t number, const ValidationScope& scope) const;
  void withdrawFindings(InvalidLog& log) const;

 private:
  std::array<int, kScanListMembers> memberLinks_{};
  int designatedLink_ = 0;
  int priorityLink_ = 0;
  int furtherLink_ = 0;
};

class AlertToneItem : public RecordItem<AlertToneRecord, RecordKind::AlertTone> {
 public:
  void initDefaults(std::size_t position);
};

}  // namespace vex
