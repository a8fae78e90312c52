#include <algorithm>

#include "core/schema/schema.h"
#include "workflow/codeplug_text/codeplug_text.h"
#include "workflow/codeplug_text/text_lists.h"

namespace vex {

std::string TextPathOf(FieldArea area, std::size_t index) {
  using codeplug_text::kTextLists;
  const auto list =
      std::find_if(kTextLists.begin(), kTextLists.end(), [area](const auto& l) { return l.area == area; });
  if (list != kTextLists.end()) return std::string(list->key) + "[" + std::to_string(index + 1) + "]";
  return "settings." + std::string(AreaOf(area).name);
}

}  // namespace vex
