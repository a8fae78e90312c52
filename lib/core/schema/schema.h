// The memory schema at run time: its fields and areas, a field's raw value
// read and written in container byte order, the codec's byte order turn,
// the defaults of fresh data and the plain texts of the non-list kinds.
// The table itself is core/schema/schema_table.h.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/schema/field_types.h"

namespace vex {

class RadioDataContainer;

// Every field, element by element, grouped by area in the order the areas'
// views show them.
std::span<const FieldDef> FieldTable();
// Every field of one area, in table order.
std::vector<const FieldDef*> FieldsOf(FieldArea area);
// The fields of one area that dump, diff and the report list, in table order.
std::vector<const FieldDef*> ListedFieldsOf(FieldArea area);
const FieldDef* FindField(FieldArea area, std::string_view key);
const AreaDef& AreaOf(FieldArea area);

// The raw value in container byte order: the masked bits shifted down, or a
// number of `width` bytes (most significant byte first for NumberHighFirst,
// least significant first for the others). 0 when the bytes are too short.
long ReadField(const FieldDef& field, std::span<const std::uint8_t> bytes);
// Writes a raw value: the other bits of a masked byte stay, and a value wider
// than the field is cut to the field's width.
void WriteField(const FieldDef& field, std::span<std::uint8_t> bytes, long value);
// The field's own bytes (empty when the buffer is too short).
std::span<const std::uint8_t> FieldBytes(const FieldDef& field, std::span<const std::uint8_t> bytes);
// Writes a text field: the text cut to the field's bytes, the rest `pad`.
void WriteFieldText(const FieldDef& field, std::span<std::uint8_t> bytes, std::string_view text, std::uint8_t pad = 0);

// Reverses the bytes of every field of `area` that the image holds most
// significant byte first: image order to container order, and back.
void TurnByteOrder(FieldArea area, std::span<std::uint8_t> bytes);
// Fills an area's bytes with fresh data: the area's fill byte, then every
// field's default but the computed ones.
void ApplyDefaults(FieldArea area, std::span<std::uint8_t> bytes);

// The bytes a field of `area` addresses: the section, or the record at
// 0-based `index` of the area's list (empty when there is no such record).
std::span<std::uint8_t> AreaBytes(RadioDataContainer& data, FieldArea area, std::size_t index = 0);
// Records of the area's list; 1 for a section.
std::size_t AreaRecords(const RadioDataContainer& data, FieldArea area);

// The text of a field whose reading needs no language data: texts, bytes,
// numbers, frequencies, tone values, record numbers and the date stamp. Fields
// of the other kinds give their raw value as a number.
std::string PlainFieldText(const FieldDef& field, std::span<const std::uint8_t> bytes);

// The machine name of a raw value among the field's choices; empty when it has none.
std::string_view ChoiceName(const FieldDef& field, long raw);
// The raw value of a choice's name (compared without case); -1 for none.
long ChoiceValue(const FieldDef& field, std::string_view name);

}  // namespace vex
