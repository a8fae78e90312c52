// Differences between two radio memory images, one entry per field that
// differs, with both values; and how verify and diff print them.
#pragma once

#include "field_names.h"

#include "core/image_codec.h"
#include "core/image_layout.h"

#include <nlohmann/json.hpp>

#include <cstdint>
#include <ostream>
#include <vector>

namespace vex::cli {

struct FieldDifference {
  ImageField field;
  std::vector<std::uint8_t> a;  // the field's bytes in the first image
  std::vector<std::uint8_t> b;
};

// The fields in which the images differ, looking only at the bytes of
// `within` (in the order given), each field once.
std::vector<FieldDifference> CompareImages(const Image& a, const Image& b, const std::vector<layout::Region>& within);

// "channel 3 receive frequency  0x02B1..0x02B4  44 60 06 25 -> 44 60 18 75"
void PrintDifferences(std::ostream& out, const std::vector<FieldDifference>& differences);
nlohmann::ordered_json DifferencesJson(const std::vector<FieldDifference>& differences);

}  // namespace vex::cli
