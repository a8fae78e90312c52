// Differences between two radio memory images: every field of every section
// and record that differs (the library's schema names them, and the codeplug
// text's path too), with both values as dump shows them, and the address
// ranges whose bytes differ.
#pragma once

#include "config/language_texts.h"
#include "core/image_codec.h"

#include <string>
#include <vector>

namespace vex {

struct FieldChange {
  std::string record;  // "channel 3", "misc"
  std::string key;     // the field's key, as dump names it; "record" for a record only one side has
  std::string a;
  std::string b;
  std::string path;  // as the codeplug text names it: "channels[3].rx_frequency", "file.range"
};

struct AddressRange {
  std::size_t first = 0;
  std::size_t last = 0;
};

struct ImageComparison {
  std::vector<FieldChange> fields;
  std::vector<AddressRange> addresses;
  bool same() const { return fields.empty() && addresses.empty(); }
};

// Decodes both images and compares them field by field, and byte by byte.
ImageComparison CompareImages(const Image& a, const Image& b, const LanguageTexts& texts);

}  // namespace vex
