#include "core/record_items.h"

#include <algorithm>
#include <utility>

#include "core/invalid_log.h"
#include "core/new_channel.h"
#include "core/validation.h"

namespace vex {

void ChannelItem::initDefaults(std::size_t position) { InitNewChannel(*this, position); }

void ChannelItem::handleNotice(const ChangeNotice& notice, std::size_t number, const ValidationScope& scope) const {
  if (notice.kind == ChangeNotice::kValidate) {
    ValidateChannel(*this, number, scope);
  }
}

void ChannelItem::withdrawFindings(InvalidLog& log) const { log.removeItem(key_); }

void PersonalityItem::initDefaults(std::size_t) {
  auto& b = record_.bytes;
  std::fill(b.begin(), b.end(), layout::kErased);
  b[4] = 0x40;
  b[5] = 0xC0;
  b[7] = 0;
  b[8] = 1;  // squelch mode
  b[9] = 0;
  b[10] = 0;
  b[11] = 0xFC;
  b[12] = 1;   // Tx admit
  b[13] = 0;   // busy channel lockout off
  b[14] = 60;  // TX time-out time
  b[15] = 10;  // TOT pre-alert time
  b[16] = 0;
  b[17] = 0;
  b[18] = 0;
  b[19] = 1;
  b[20] = 10;
  b[21] = 10;
}

void ScanListItem::initDefaults(std::size_t) {
  auto& r = record_;
  r.fill(layout::kErased);
  r.bytes[ScanListRecord::kEntryCount] = 16;
  r.bytes[5] = 0xE6;  // CTCSS/CDCSS scan mode 3
  r.bytes[6] = 25;
  r.bytes[ScanListRecord::kPriorityMode] = 0xC0;
  r.bytes[8] = 8;  // priority sweep time
  r.setWord(ScanListRecord::kPriorityChannel, 1);
  r.setWord(ScanListRecord::kFurtherChannel, 2);
  r.bytes[ScanListRecord::kTxMode] = 0xF8;  // TX mode 0, talkback on
  r.setWord(ScanListRecord::kDesignatedChannel, 1);
  r.bytes[16] = 3;     // hang time
  r.bytes[17] = 0x0F;  // scan start, scan end and priority scan alerts
  r.bytes[21] = 4;
  r.bytes[22] = 50;
  r.bytes[23] = 20;
  for (std::size_t slot = 0; slot < layout::kScanListMemberCount; ++slot) {
    r.setMember(slot, static_cast<std::uint16_t>(slot + 1));
  }
}

int* ScanListItem::channelLinkAt(std::size_t offset) {
  return const_cast<int*>(std::as_const(*this).channelLinkAt(offset));
}

const int* ScanListItem::channelLinkAt(std::size_t offset) const {
  switch (offset) {
    case ScanListRecord::kPriorityChannel: return &priorityLink_;
    case ScanListRecord::kFurtherChannel: return &furtherLink_;
    case ScanListRecord::kDesignatedChannel: return &designatedLink_;
    default: break;
  }
  constexpr std::size_t kFirst = layout::kScanListMembers;
  constexpr std::size_t kEnd = kFirst + 2 * layout::kScanListMemberCount;
  if (offset < kFirst || offset >= kEnd || (offset - kFirst) % 2 != 0) return nullptr;
  return &memberLinks_[(offset - kFirst) / 2];
}

void ScanListItem::handleNotice(const ChangeNotice& notice, std::size_t number, const ValidationScope& scope) const {
  if (notice.kind == ChangeNotice::kValidate) {
    ValidateScanList(*this, number, scope);
  }
}

void ScanListItem::withdrawFindings(InvalidLog& log) const { log.removeItem(key_); }

void AlertToneItem::initDefaults(std::size_t) {
  auto& b = record_.bytes;
  b[0] = 1;  // cycles
  b[1] = 3;  // beep segment number
  for (std::size_t segment = 0; segment < 8; ++segment) {
    b[2 + 2 * segment] = segment == 0 ? 100 : 50;  // frequency
    b[3 + 2 * segment] = segment == 0 ? 10 : 0;    // duration
  }
}

}  // namespace vex
