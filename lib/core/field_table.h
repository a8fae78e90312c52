// One description of every edited field: where its bits lie in a section or
// record, how its raw value reads, and the language texts that name it and
// list its options. The views, the channel grid, dump, CSV and the printed
// report take offsets and masks from here and nowhere else.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace vex {

class RadioDataContainer;

// Where a field lives: a section of the container or a record of one of its lists.
enum class FieldArea : std::uint8_t {
  RadioInfo,
  Keys,
  Misc,
  Passwords,
  Atis,
  PttId,
  Dos,
  TestFreq,
  Embedded,
  Factory,
  Channel,
  Personality,
  ScanList,
  AlertTone,
};

// How the raw value reads.
enum class FieldKind : std::uint8_t {
  ListValue,     // the option list's entry whose value is the raw value
  ListPosition,  // the option list's entry at the raw value's position
  Flag,          // a check box: ticked while the bits are not 0
  InvertedFlag,  // a check box: ticked while the bits are 0
  Range,         // a range edit: the option list's range rule
  RangeOff,      // a range edit whose raw 0 reads as "off"
  Text,          // byte text of `width` bytes, up to the first 0 or 0xFF byte
  Bytes,         // `width` raw bytes, two hexadecimal digits each
  HexNumber,     // little-endian number of `width` bytes in hexadecimal
  Number,        // little-endian unsigned number of `width` bytes
  Frequency,     // 4-byte BCD frequency in 10 Hz units; 0xFFFFFFFF none
  TestFrequency, // 4-byte BCD frequency in 10 Hz units; 0 none
  ToneWord,      // 16-bit tone word, type in bits 14..15
  ListNumber,    // 1-based number of a record of another list; 0 none
  RecordIndex,   // 0-based position of a record of another list
  TimeStamp,     // the programming date stamp
};

struct FieldDef {
  std::string_view key;  // stable name within the area (dump keys, CSV columns)
  FieldArea area;
  std::uint16_t offset;  // first byte within the section or record
  std::uint8_t mask;     // the field's bits of that byte; 0xFF when it has whole bytes
  std::uint8_t width;    // bytes the field spans
  FieldKind kind;
  int list;   // option list (label text id), 0 when it has none
  int label;  // label text id of the field's caption
};

// Every field, grouped by area in the order the areas' views show them.
std::span<const FieldDef> FieldTable();
// The fields of one area, in table order.
std::vector<const FieldDef*> FieldsOf(FieldArea area);
const FieldDef* FindField(FieldArea area, std::string_view key);

// The raw value: the masked bits shifted down, or a little-endian number of
// `width` bytes (container byte order). 0 when the bytes are too short.
long ReadField(const FieldDef& field, std::span<const std::uint8_t> bytes);
// Writes a raw value: the other bits of a masked byte stay, and a value wider
// than the field is cut to the field's width.
void WriteField(const FieldDef& field, std::span<std::uint8_t> bytes, long value);
// The field's own bytes (empty when the buffer is too short).
std::span<const std::uint8_t> FieldBytes(const FieldDef& field, std::span<const std::uint8_t> bytes);

// The bytes a field of `area` addresses: the section, or the record at
// 0-based `index` of the area's list (empty when there is no such record).
std::span<std::uint8_t> AreaBytes(RadioDataContainer& data, FieldArea area, std::size_t index = 0);

// The text of a field whose reading needs no language data: texts, bytes,
// numbers, frequencies, tone values, record numbers and the date stamp. Fields
// of the other kinds give their raw value as a number.
std::string PlainFieldText(const FieldDef& field, std::span<const std::uint8_t> bytes);

}  // namespace vex
