// The settings sections of the dump, each value as its view shows it.
#include "dump_fields.h"

namespace vex::cli {

std::vector<DumpGroup> SettingsGroups(RadioDataContainer& data, const LanguageTexts& texts) {
  std::vector<DumpGroup> groups;
  const std::pair<const char*, FieldArea> sections[] = {
      {"radio_info", FieldArea::RadioInfo},
      {"keys", FieldArea::Keys},
      {"misc", FieldArea::Misc},
      {"atis", FieldArea::Atis},
      {"ptt_id", FieldArea::PttId},
      {"dos", FieldArea::Dos},
  };
  for (const auto& [name, area] : sections) groups.push_back({name, AreaValues(area, AreaBytes(data, area), texts)});
  return groups;
}

}  // namespace vex::cli
