// The comparison of two images (workflow/image_compare.h) as diff and verify
// print it, and as their JSON output holds it.
#pragma once

#include "workflow/image_compare.h"

#include <nlohmann/json.hpp>

#include <ostream>

namespace vex::cli {

// "channels[3].rx_frequency: 446.00625 -> 446.01875", then the address ranges.
void PrintComparison(std::ostream& out, const ImageComparison& comparison);
// {"fields": [{"record", "field", "path", "a", "b"}...], "addresses": [{"first", "last"}...]}
void AddComparisonJson(nlohmann::ordered_json& document, const ImageComparison& comparison);

}  // namespace vex::cli
