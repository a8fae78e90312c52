// The settings sections of the dump, each value as its view shows it.
#include "dump_fields.h"

namespace vex::cli {

std::vector<DumpGroup> SettingsGroups(RadioDataContainer& data, const LanguageTexts& texts) {
  std::vector<DumpGroup> groups;
  using A = FieldArea;
  for (const FieldArea area : {A::RadioInfo, A::Keys, A::Misc, A::Atis, A::PttId, A::Dos})
    groups.push_back({std::string(AreaOf(area).name), AreaValues(area, AreaBytes(data, area), texts)});
  return groups;
}

}  // namespace vex::cli
