// The words the memory schema is written in: where a field's bits lie, how
// they are stored and read, which values they take and start with, which
// texts and controls go with them, and how one row describes an array.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace vex {

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

// A section or record kind: its machine name and buffer size, and the byte
// its bytes hold before the fields' defaults are applied.
struct AreaDef {
  FieldArea area;
  std::string_view name;
  std::size_t size;
  std::uint8_t fill;
};

// How a field's bits are stored and how its raw value reads. The kind carries
// the byte order: the image keeps some fields most significant byte first,
// and the container holds those least significant byte first.
enum class FieldKind : std::uint8_t {
  // One byte, or the bits of one byte that the mask selects.
  ListValue,         // the option list's entry whose value is the raw value
  ListPosition,      // the option list's entry at the raw value's position
  Flag,              // a check box: ticked while the bits are not 0
  InvertedFlag,      // a check box: ticked while the bits are 0
  Range,             // a range edit: the option list's range rule
  RangeOff,          // a range edit whose raw 0 reads as "off"
  PersonalityIndex,  // 0-based position of a personality
  ScanListNumber,    // 1-based number of a scan list; 0 none
  StepCode,          // the raster code of a frequency
  // Least significant byte first in the image and in the container.
  Number,  // unsigned number of `width` bytes
  // Byte strings of `width` bytes.
  Text,       // byte text: `width` is its byte limit; it ends at the first 0 or 0xFF byte
  Bytes,      // raw bytes, two hexadecimal digits each
  TimeStamp,  // the programming date stamp
  Reserved,   // bytes no view edits, kept as they are
  // Most significant byte first in the image, least significant first in
  // the container: the codec turns them.
  Frequency,      // 32-bit BCD frequency in 10 Hz units; 0xFFFFFFFF none
  TestFrequency,  // 32-bit BCD frequency in 10 Hz units; 0 none
  ToneWord,       // 16-bit tone word: type in bits 14..15, value in bits 0..11
  CtcssTone,      // a tone word read as its CTCSS tone
  CdcssCode,      // a tone word read as its CDCSS code
  ChannelNumber,  // 16-bit 1-based channel number; 0 none
  HexNumber,      // 16-bit number shown as four hexadecimal digits
  NumberBe,       // unsigned number of `width` bytes
  // Most significant byte first in the image and in the container.
  NumberHighFirst,
};

// Whether the codec reverses the field's bytes between image and container.
constexpr bool TurnedByCodec(FieldKind kind) { return kind >= FieldKind::Frequency && kind <= FieldKind::NumberBe; }

struct FieldPlace {
  std::uint16_t offset = 0;  // first byte within the section or record
  std::uint8_t width = 1;    // bytes the field spans
  std::uint8_t mask = 0xFF;  // the field's bits of its one byte; 0xFF for whole bytes
};

// Label text ids: of the option list or range rule (0 none), of the caption,
// and of the control a view shows the field in (0 none).
struct FieldIds {
  int list = 0;
  int label = 0;
  int control = 0;
};

enum class DefaultRule : std::uint8_t {
  Value,       // every element takes `value`
  Numbered,    // element i takes i + 1
  FirstApart,  // element 0 takes `first`, the others `value`
  Computed,    // made where default data is made: new channels, the band's test frequencies
};

// The raw value fresh data hold. Texts, byte strings and reserved bytes of
// more than one byte: the byte they are filled with. A reserved part of one
// byte: the byte's bits in place. The date stamp: yyyymmdd at midnight.
struct FieldDefault {
  long value = 0;
  DefaultRule rule = DefaultRule::Value;
  long first = 0;
};

// A row that stands for `count` fields, `stride` bytes apart. Rows next to
// each other with the same count and stride are one array of records: their
// fields come element by element. Ids other than 0 advance by `idStep` from
// element to element (a shared label does not).
struct FieldRepeat {
  std::uint8_t count = 1;
  std::uint8_t stride = 0;
  std::uint8_t idStep = 1;
};

enum FieldFlag : std::uint8_t {
  kUnlisted = 1,       // dump, diff and the report leave it out
  kHiddenControl = 2,  // its view builds the control hidden: the report leaves it out
  kSharedLabel = 4,    // the elements of an array share one label
  kAlias = 8,          // another reading of bytes an earlier row holds: the codec and the defaults leave it to that row
};

// The field's column in the channel grid: 1-based position (0 none) and
// width in pixels.
struct GridPlace {
  std::uint8_t position = 0;
  std::uint8_t width = 0;
};

// One row of the schema as it is written.
struct FieldRow {
  std::string_view name;  // machine name; in an array "%" stands for the 1-based element number
  FieldArea area;
  FieldPlace place;
  FieldKind kind;
  FieldIds ids;
  FieldDefault initial;
  FieldRepeat repeat;
  std::uint8_t flags = 0;
  GridPlace column;
  std::string_view choices;  // machine names of the raw values 0, 1, ..., comma-separated
};

// One field: a row, or one element of an array row.
struct FieldDef {
  std::string_view key;  // stable machine name: dump keys, diff and CSV field names
  FieldArea area;
  std::uint16_t offset;
  std::uint8_t mask;
  std::uint8_t width;
  FieldKind kind;
  int list;
  int label;
  int control;
  FieldDefault initial;
  std::uint16_t row;   // position of its row in the schema
  std::uint8_t index;  // element of its array, 0 for a plain row
  std::uint8_t flags;
  GridPlace column;
  std::string_view choices;

  constexpr bool has(FieldFlag flag) const { return (flags & flag) != 0; }
  // Listed by dump, diff and the report.
  constexpr bool listed() const { return !has(kUnlisted); }
  // The raw value fresh data hold (the computed ones: their usual value).
  constexpr long defaultRaw() const {
    switch (initial.rule) {
      case DefaultRule::Numbered: return index + 1;
      case DefaultRule::FirstApart: return index == 0 ? initial.first : initial.value;
      default: return initial.value;
    }
  }
};

}  // namespace vex
