#include "core/channel_links.h"

#include "core/container.h"
#include "core/invalid_log.h"
#include "core/schema/schema.h"
#include "core/schema/schema_table.h"

namespace vex {

bool ChoosePersonality(ChannelItem& channel, std::size_t position, const RadioDataContainer& data, InvalidLog* log) {
  const int key = data.personalities().keyAt(position);
  if (key == 0 || position > 0xFF) return false;
  channel.record().setPersonalityIndex(static_cast<std::uint8_t>(position));
  channel.setPersonalityLink(key);
  if (log) log->remove(channel.key(), &SchemaField(FieldArea::Channel, "personality"));
  return true;
}

bool ChooseScanList(ChannelItem& channel, std::size_t number, const RadioDataContainer& data, InvalidLog* log) {
  const int key = number == 0 ? 0 : data.scanLists().keyAt(number - 1);
  if ((number != 0 && key == 0) || number > 0xFF) return false;
  channel.record().setScanListNumber(static_cast<std::uint8_t>(number));
  channel.setScanListLink(key);
  if (log) log->remove(channel.key(), &SchemaField(FieldArea::Channel, "scan_list"));
  return true;
}

}  // namespace vex
