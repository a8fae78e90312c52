// The file's header and comment in the text's "file" map.
#pragma once

#include <string>
#include <vector>

#include "workflow/codeplug_text/record_text.h"

namespace vex::codeplug_text {

// The longest comment a text may give.
inline constexpr std::size_t kMaxCommentBytes = 64 * 1024;

// The header the text alone starts from.
CodeplugHeader FreshHeader();

std::vector<Entry> HeaderEntries(const CodeplugHeader& header, const std::string& comment);

void StoreHeader(const YAML::Node& map, CodeplugHeader& header, std::string& comment, std::vector<TextError>& errors);

}  // namespace vex::codeplug_text
