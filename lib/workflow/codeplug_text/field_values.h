// One field's value in the codeplug text, out and back in: the units people
// write (MHz, Hz, ms, the English option texts, record numbers), and for a
// value that has no such form the field's own bytes as {raw: HEX}.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <map>
#include <string>
#include <vector>

#include "core/channel_values.h"
#include "core/schema/schema.h"

namespace YAML {
class Node;
}

namespace vex {

class LanguageTexts;

namespace codeplug_text {

// What a value may refer to and where its frequencies must lie.
class ValueContext {
 public:
  ValueContext(const LanguageTexts& english, BandLimits band, std::size_t channels, std::size_t personalities,
               std::size_t scanLists)
      : texts(english), band(band), channels(channels), personalities(personalities), scanLists(scanLists) {}

  const LanguageTexts& texts;  // the English texts: option lists
  BandLimits band;             // unknown: frequencies are not checked against it
  std::size_t channels;
  std::size_t personalities;
  std::size_t scanLists;

  // The text of every raw value of an option field (nothing for a value it
  // has none for), read from the language file once.
  const std::vector<std::optional<std::string>>& optionTexts(const FieldDef& field) const;

 private:
  mutable std::map<const FieldDef*, std::vector<std::optional<std::string>>> optionTexts_;
};

// A value as the text writes it.
struct ValueText {
  enum class Style { Plain, Quoted, Null };
  std::string text;
  Style style = Style::Plain;
};

// Whether the field is a key of the text: every field but the reserved bytes
// and the second readings of bits another field holds.
bool IsTextField(const FieldDef& field);

// The field's value in its text form, when that form reads back as the same
// bits and lies within what StoreValue accepts; nothing otherwise.
std::optional<ValueText> ShowValue(const FieldDef& field, std::span<const std::uint8_t> bytes,
                                   const ValueContext& context);

// The field's bits as {raw: HEX}: its bytes in the program's byte order, a
// part of a byte as that byte with only the field's bits.
std::string RawHex(const FieldDef& field, std::span<const std::uint8_t> bytes);

// Stores a value of the text (a scalar, null or {raw: HEX}) into the field's
// bits. Empty when stored; else what the field accepts, and nothing changed.
std::string StoreValue(const FieldDef& field, const YAML::Node& value, const ValueContext& context,
                       std::span<std::uint8_t> bytes);

// The raster code field that goes with a frequency field ("rx_step" for
// "rx_frequency", "test_1_rx_step" for "test_1_rx"), or null.
const FieldDef* StepFieldOf(const FieldDef& frequency);

// The raster code of a stored frequency field's value.
std::uint8_t StepCodeOf(const FieldDef& frequency, std::span<const std::uint8_t> bytes);

// Reads hexadecimal digits (upper or lower case, an even number) into bytes.
std::optional<std::string> BytesOfHex(std::string_view hex);
std::string HexOf(std::span<const std::uint8_t> bytes);

}  // namespace codeplug_text
}  // namespace vex
