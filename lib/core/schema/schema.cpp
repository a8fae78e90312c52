#include "core/schema/schema.h"

#include <algorithm>
#include <bit>
#include <cctype>
#include <cstdio>

#include "core/channel_encoding.h"
#include "core/container.h"
#include "core/schema/schema_table.h"
#include "core/time_stamp.h"

namespace vex {
namespace {

using A = FieldArea;
using K = FieldKind;

constexpr bool FieldsFitTheirAreas() {
  for (const FieldDef& field : kFields) {
    if (field.mask == 0 || field.width == 0 || (field.width != 1 && field.mask != 0xFF)) return false;
    if (field.offset + field.width > kAreas[static_cast<std::size_t>(field.area)].size) return false;
  }
  return true;
}
static_assert(FieldsFitTheirAreas(), "a field lies outside its area or has no bits");

constexpr bool KeysAreUnique() {
  for (std::size_t i = 0; i < kFields.size(); ++i)
    for (std::size_t j = i + 1; j < kFields.size(); ++j)
      if (kFields[i].area == kFields[j].area && kFields[i].key == kFields[j].key) return false;
  return true;
}
static_assert(KeysAreUnique(), "two fields of one area share a name");

// Only an alias reads bits another field holds.
constexpr bool FieldsShareNoBits() {
  for (std::size_t i = 0; i < kFields.size(); ++i) {
    for (std::size_t j = i + 1; j < kFields.size(); ++j) {
      const FieldDef& a = kFields[i];
      const FieldDef& b = kFields[j];
      if (a.area != b.area || a.has(kAlias) || b.has(kAlias)) continue;
      const bool bytesMeet = a.offset < b.offset + b.width && b.offset < a.offset + a.width;
      if (bytesMeet && (a.width > 1 || b.width > 1 || (a.mask & b.mask) != 0)) return false;
    }
  }
  return true;
}
static_assert(FieldsShareNoBits(), "two fields hold the same bits");

constexpr bool AreasInOrder() {
  for (std::size_t i = 0; i < kAreas.size(); ++i)
    if (static_cast<std::size_t>(kAreas[i].area) != i) return false;
  return true;
}
static_assert(AreasInOrder());

template <class Item>
std::span<std::uint8_t> RecordBytes(ItemList<Item>& list, std::size_t index) {
  Item* item = list.at(index);
  return item ? item->record().span() : std::span<std::uint8_t>();
}

std::string Hex(unsigned long value, int digits) {
  char text[24];
  std::snprintf(text, sizeof text, "%0*lX", digits, value);
  return text;
}

std::string HexBytes(std::span<const std::uint8_t> bytes) {
  std::string digits;
  for (std::uint8_t b : bytes) digits += Hex(b, 2);
  return digits;
}

unsigned Shift(std::uint8_t mask) { return static_cast<unsigned>(std::countr_zero(static_cast<unsigned>(mask))); }

// The date of a yyyymmdd default as the stamp's bytes.
TimeStamp StampOf(long date) {
  return MakeTimeStamp(static_cast<int>(date / 10000), static_cast<int>(date / 100 % 100), static_cast<int>(date % 100),
                       0, 0, 0);
}

void ApplyDefault(const FieldDef& field, std::span<std::uint8_t> bytes) {
  if (field.has(kAlias) || field.initial.rule == DefaultRule::Computed) return;
  auto own = bytes.subspan(field.offset, field.width);
  const auto fill = static_cast<std::uint8_t>(field.initial.value);
  switch (field.kind) {
    case K::TimeStamp: {
      const TimeStamp stamp = StampOf(field.initial.value);
      std::copy_n(stamp.begin(), std::min(own.size(), stamp.size()), own.begin());
      return;
    }
    case K::Reserved:
      if (field.width == 1) {
        own[0] = static_cast<std::uint8_t>((own[0] & ~field.mask) | (fill & field.mask));
        return;
      }
      [[fallthrough]];
    case K::Text:
    case K::Bytes: std::fill(own.begin(), own.end(), fill); return;
    default: WriteField(field, bytes, field.defaultRaw()); return;
  }
}

}  // namespace

std::span<const FieldDef> FieldTable() { return kFields; }

std::vector<const FieldDef*> FieldsOf(FieldArea area) {
  std::vector<const FieldDef*> fields;
  for (const FieldDef& field : kFields)
    if (field.area == area) fields.push_back(&field);
  return fields;
}

std::vector<const FieldDef*> ListedFieldsOf(FieldArea area) {
  std::vector<const FieldDef*> fields;
  for (const FieldDef& field : kFields)
    if (field.area == area && field.listed()) fields.push_back(&field);
  return fields;
}

const FieldDef* FindField(FieldArea area, std::string_view key) {
  for (const FieldDef& field : kFields)
    if (field.area == area && field.key == key) return &field;
  return nullptr;
}

const AreaDef& AreaOf(FieldArea area) { return kAreas[static_cast<std::size_t>(area)]; }

std::span<const std::uint8_t> FieldBytes(const FieldDef& field, std::span<const std::uint8_t> bytes) {
  if (bytes.size() < std::size_t{field.offset} + field.width) return {};
  return bytes.subspan(field.offset, field.width);
}

long ReadField(const FieldDef& field, std::span<const std::uint8_t> bytes) {
  const auto own = FieldBytes(field, bytes);
  if (own.empty()) return 0;
  if (field.width == 1) return static_cast<long>((own[0] & field.mask) >> Shift(field.mask));
  unsigned long value = 0;
  if (field.kind == K::NumberHighFirst) {
    for (std::uint8_t b : own) value = (value << 8) | b;
  } else {
    for (std::size_t i = own.size(); i-- > 0;) value = (value << 8) | own[i];
  }
  return static_cast<long>(value);
}

void WriteField(const FieldDef& field, std::span<std::uint8_t> bytes, long value) {
  if (bytes.size() < std::size_t{field.offset} + field.width) return;
  const auto raw = static_cast<unsigned long>(value);
  if (field.width == 1) {
    const unsigned bits = static_cast<unsigned>(raw << Shift(field.mask)) & field.mask;
    bytes[field.offset] = static_cast<std::uint8_t>((bytes[field.offset] & ~field.mask) | bits);
    return;
  }
  const bool highFirst = field.kind == K::NumberHighFirst;
  for (std::size_t i = 0; i < field.width; ++i) {
    const std::size_t at = highFirst ? field.width - 1 - i : i;
    bytes[field.offset + at] = static_cast<std::uint8_t>(raw >> (8 * i));
  }
}

void WriteFieldText(const FieldDef& field, std::span<std::uint8_t> bytes, std::string_view text, std::uint8_t pad) {
  if (bytes.size() < std::size_t{field.offset} + field.width) return;
  auto own = bytes.subspan(field.offset, field.width);
  std::fill(own.begin(), own.end(), pad);
  std::copy_n(text.begin(), std::min(text.size(), own.size()), own.begin());
}

void TurnByteOrder(FieldArea area, std::span<std::uint8_t> bytes) {
  for (const FieldDef& field : kFields) {
    if (field.area != area || !TurnedByCodec(field.kind) || field.has(kAlias)) continue;
    if (bytes.size() < std::size_t{field.offset} + field.width) continue;
    std::reverse(bytes.begin() + field.offset, bytes.begin() + field.offset + field.width);
  }
}

void ApplyDefaults(FieldArea area, std::span<std::uint8_t> bytes) {
  if (bytes.size() < AreaOf(area).size) return;
  std::fill(bytes.begin(), bytes.end(), AreaOf(area).fill);
  for (const FieldDef& field : kFields)
    if (field.area == area) ApplyDefault(field, bytes);
}

std::span<std::uint8_t> AreaBytes(RadioDataContainer& data, FieldArea area, std::size_t index) {
  switch (area) {
    case A::RadioInfo: return data.radioInfo().bytes();
    case A::Keys: return data.keys().bytes();
    case A::Misc: return data.misc().bytes();
    case A::Passwords: return data.passwords().bytes();
    case A::Atis: return data.atis().bytes();
    case A::PttId: return data.pttId().bytes();
    case A::Dos: return data.dos().bytes();
    case A::TestFreq: return data.testFreq().bytes();
    case A::Embedded: return data.embedded().bytes();
    case A::Factory: return data.factory().bytes();
    case A::Channel: return RecordBytes(data.channels(), index);
    case A::Personality: return RecordBytes(data.personalities(), index);
    case A::ScanList: return RecordBytes(data.scanLists(), index);
    case A::AlertTone: return RecordBytes(data.alertTones(), index);
  }
  return {};
}

std::size_t AreaRecords(const RadioDataContainer& data, FieldArea area) {
  switch (area) {
    case A::Channel: return data.channels().size();
    case A::Personality: return data.personalities().size();
    case A::ScanList: return data.scanLists().size();
    case A::AlertTone: return data.alertTones().size();
    default: return 1;
  }
}

std::string PlainFieldText(const FieldDef& field, std::span<const std::uint8_t> bytes) {
  const auto own = FieldBytes(field, bytes);
  const long raw = ReadField(field, bytes);
  const auto word = static_cast<std::uint16_t>(raw);
  switch (field.kind) {
    case K::Text: {
      const auto end = std::find_if(own.begin(), own.end(), [](std::uint8_t b) { return b == 0 || b == 0xFF; });
      return std::string(own.begin(), end);
    }
    case K::Bytes:
    case K::Reserved: return HexBytes(own);
    case K::HexNumber: return Hex(static_cast<unsigned long>(raw), 2 * field.width);
    case K::Frequency: return DecodeFrequency(static_cast<std::uint32_t>(raw));
    case K::TestFrequency: return raw == 0 ? std::string() : DecodeFrequency(static_cast<std::uint32_t>(raw));
    case K::ToneWord:
      switch (word >> 14) {
        case 1: return DecodeCtcss(word);
        case 2:
        case 3: return DecodeCdcss(word);
        default: return "";
      }
    case K::CtcssTone: return DecodeCtcss(word);
    case K::CdcssCode: return DecodeCdcss(word);
    case K::PersonalityIndex: return std::to_string(raw + 1);
    case K::TimeStamp: return ProgrammingDateText(own);
    default: return std::to_string(raw);
  }
}

std::string_view ChoiceName(const FieldDef& field, long raw) {
  std::string_view rest = field.choices;
  for (long i = 0; !rest.empty(); ++i) {
    const std::size_t comma = rest.find(',');
    const std::string_view name = rest.substr(0, comma);
    if (i == raw) return name;
    rest = comma == std::string_view::npos ? std::string_view() : rest.substr(comma + 1);
  }
  return {};
}

long ChoiceValue(const FieldDef& field, std::string_view name) {
  auto same = [](char a, char b) {
    return std::tolower(static_cast<unsigned char>(a)) == std::tolower(static_cast<unsigned char>(b));
  };
  for (long raw = 0;; ++raw) {
    const std::string_view choice = ChoiceName(field, raw);
    if (choice.empty()) return -1;
    if (std::equal(choice.begin(), choice.end(), name.begin(), name.end(), same)) return raw;
  }
}

}  // namespace vex
