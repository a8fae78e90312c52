#include "core/record_moves.h"

#include <algorithm>

#include "core/container.h"
#include "core/invalid_log.h"
#include "core/record_limits.h"
#include "core/references.h"

namespace vex {
namespace {

// Calls `action` with the container's list of `kind`.
template <class Action>
decltype(auto) WithList(RadioDataContainer& data, RecordKind kind, Action&& action) {
  switch (kind) {
    case RecordKind::Personality: return action(data.personalities());
    case RecordKind::ScanList: return action(data.scanLists());
    case RecordKind::AlertTone: return action(data.alertTones());
    case RecordKind::Channel: break;
  }
  return action(data.channels());
}

void ResolveNew(ChannelItem& item, const RadioDataContainer& data) { ResolveReferences(item, data); }
void ResolveNew(ScanListItem& item, const RadioDataContainer& data) { ResolveReferences(item, data); }
void ResolveNew(PersonalityItem&, const RadioDataContainer&) {}
void ResolveNew(AlertToneItem&, const RadioDataContainer&) {}

}  // namespace

std::size_t RecordListAccess::size() const {
  return WithList(data_, kind_, [](const auto& list) { return list.size(); });
}

std::size_t RecordListAccess::most() const { return MostRecords(kind_); }

int RecordListAccess::keyAt(std::size_t index) const {
  return WithList(data_, kind_, [index](const auto& list) { return list.keyAt(index); });
}

std::optional<std::size_t> RecordListAccess::indexOfKey(int key) const {
  if (key == 0) return std::nullopt;
  for (std::size_t i = 0; i < size(); ++i)
    if (keyAt(i) == key) return i;
  return std::nullopt;
}

std::span<std::uint8_t> RecordListAccess::bytesAt(std::size_t index) const {
  return WithList(data_, kind_, [index](auto& list) -> std::span<std::uint8_t> {
    auto* item = list.at(index);
    return item ? item->record().span() : std::span<std::uint8_t>();
  });
}

int RecordListAccess::appendNew() {
  if (size() >= most()) return 0;
  return WithList(data_, kind_, [this](auto& list) {
    list.appendNew();
    auto& item = list[list.size() - 1];
    ResolveNew(item, data_);
    return item.key();
  });
}

void RecordListAccess::removeAt(std::size_t index, InvalidLog* log) {
  const int key = keyAt(index);
  if (key == 0) return;
  if (log) log->removeItem(key);
  if (kind_ == RecordKind::Channel) {
    // The channel that takes the removed one's place, or the new last one.
    const int replacement = index + 1 < size() ? keyAt(index + 1) : (index > 0 ? keyAt(index - 1) : 0);
    ForgetChannel(data_, key, replacement);
  }
  WithList(data_, kind_, [index](auto& list) { list.removeAt(index); });
  // The records behind the removed one moved up: numbers that name them follow.
  RenumberReferences(data_);
}

int ApplyRecordMove(RecordListAccess& list, int current, RecordMove move, int number, const MoveRules& rules,
                    InvalidLog* log) {
  const std::size_t count = list.size();
  const std::optional<std::size_t> at = list.indexOfKey(current);
  switch (move) {
    case RecordMove::First: return list.keyAt(0);
    case RecordMove::Last: return count == 0 ? 0 : list.keyAt(count - 1);
    case RecordMove::Previous:
      if (!at) return current;
      return list.keyAt(*at == 0 ? 0 : *at - 1);
    case RecordMove::Next:
      if (!at) return 0;
      return list.keyAt(std::min(*at + 1, count - 1));
    case RecordMove::Add: {
      if (count >= std::min(rules.addLimit, list.most())) return current;
      const int added = list.appendNew();
      return added != 0 ? added : current;
    }
    case RecordMove::Delete:
      if (!at) return 0;
      if (count < 2) return rules.lastRecord == LastRecordDelete::KeepCurrent ? current : 0;
      list.removeAt(*at, log);
      return list.keyAt(std::min(*at, count - 2));
    case RecordMove::GoTo:
      if (number < 1 || static_cast<std::size_t>(number) > count) return 0;
      return list.keyAt(static_cast<std::size_t>(number) - 1);
  }
  return current;
}

}  // namespace vex
