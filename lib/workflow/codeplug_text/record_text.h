// The fields of one section or record in the text: which entries export
// writes, and how a map of the text is stored into the bytes. Export checks
// its entries by storing them the way apply does.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include <yaml-cpp/yaml.h>

#include "workflow/codeplug_text/codeplug_text.h"
#include "workflow/codeplug_text/field_values.h"

namespace vex {

class RadioDataContainer;

namespace codeplug_text {

// One key of a map: a value in its text form, or the field's bytes.
struct Entry {
  std::string key;
  ValueText value;
  bool raw = false;  // value.text is hexadecimal: {raw: HEX}, or the whole record for the key "raw"
};

// The key that holds a whole section's or record's bytes, the start its fields are stored onto.
inline constexpr char kRawKey[] = "raw";

// Fills the bytes the way a record at 0-based `index` (or a section)
// starts when the text alone makes the data.
void FreshBytes(FieldArea area, std::size_t index, std::span<std::uint8_t> bytes);

// The entries export writes for these bytes; `index` is the record's
// position (0 for a section). A "raw" entry comes first when the fields
// alone do not give back every byte.
std::vector<Entry> ExportEntries(FieldArea area, std::size_t index, std::span<const std::uint8_t> bytes,
                                 const ValueContext& context);

YAML::Node NodeOfEntries(const std::vector<Entry>& entries);

// A field whose value the encoder sets (the personality chain), when the
// text gives it: written into the image after encoding.
struct GivenLink {
  std::size_t record;
  const FieldDef* field;
  long value;
};

// Stores the map's keys into the bytes. Unknown keys and refused values are
// added to `errors` under `path` ("settings.misc", "channels[2]").
void StoreEntries(FieldArea area, std::size_t index, const YAML::Node& map, const ValueContext& context,
                  std::span<std::uint8_t> bytes, const std::string& path, std::vector<TextError>& errors,
                  std::vector<GivenLink>* links = nullptr);

// ApplyCodeplugText of a text already read.
std::vector<TextError> ApplyDocumentNode(const YAML::Node& root, const CodeplugDocument* base,
                                         const LanguageTexts& english, CodeplugDocument& result,
                                         std::vector<TextError>* warnings = nullptr);

TextError ErrorAt(const YAML::Node& node, std::string field, std::string message);

}  // namespace codeplug_text
}  // namespace vex
