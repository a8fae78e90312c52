// Turns the schema's rows into its fields at compile time: an array row
// becomes one field per element, with the element's number in its name, its
// offset and its ids.
#pragma once

#include <array>
#include <cstddef>

#include "core/schema/field_types.h"

namespace vex::schema_detail {

struct FieldName {
  std::array<char, 40> chars{};
  std::size_t size = 0;
  constexpr std::string_view view() const { return {chars.data(), size}; }
};

// Rows next to each other with the same count and stride form one array of
// records; a row of one element stands alone.
template <std::size_t N>
constexpr std::size_t GroupEnd(const std::array<FieldRow, N>& rows, std::size_t first) {
  std::size_t end = first + 1;
  const FieldRow& head = rows[first];
  if (head.repeat.count <= 1) return end;
  while (end < N && rows[end].area == head.area && rows[end].repeat.count == head.repeat.count &&
         rows[end].repeat.stride == head.repeat.stride)
    ++end;
  return end;
}

// Calls visit(row position, element) for every field, element by element
// within each array of records.
template <std::size_t N, class Visit>
constexpr void ForEachElement(const std::array<FieldRow, N>& rows, Visit&& visit) {
  for (std::size_t first = 0; first < N;) {
    const std::size_t end = GroupEnd(rows, first);
    for (std::size_t element = 0; element < rows[first].repeat.count; ++element)
      for (std::size_t row = first; row < end; ++row) visit(row, element);
    first = end;
  }
}

template <std::size_t N>
constexpr std::size_t FieldCount(const std::array<FieldRow, N>& rows) {
  std::size_t count = 0;
  for (const FieldRow& row : rows) count += row.repeat.count;
  return count;
}

// The row's name with "%" replaced by the 1-based element number.
constexpr FieldName ElementName(std::string_view pattern, std::size_t element) {
  FieldName name;
  auto put = [&name](char c) {
    if (name.size < name.chars.size()) name.chars[name.size++] = c;
  };
  for (char c : pattern) {
    if (c != '%') {
      put(c);
      continue;
    }
    const std::size_t number = element + 1;
    if (number >= 10) put(static_cast<char>('0' + number / 10));
    put(static_cast<char>('0' + number % 10));
  }
  return name;
}

template <std::size_t M, std::size_t N>
constexpr std::array<FieldName, M> ExpandNames(const std::array<FieldRow, N>& rows) {
  std::array<FieldName, M> names{};
  std::size_t n = 0;
  ForEachElement(rows,
                 [&](std::size_t row, std::size_t element) { names[n++] = ElementName(rows[row].name, element); });
  return names;
}

constexpr int StepId(int id, std::size_t element, int step) {
  return id == 0 ? 0 : id + static_cast<int>(element) * step;
}

template <std::size_t M, std::size_t N>
constexpr std::array<FieldDef, M> ExpandFields(const std::array<FieldRow, N>& rows,
                                               const std::array<FieldName, M>& names) {
  std::array<FieldDef, M> fields{};
  std::size_t n = 0;
  ForEachElement(rows, [&](std::size_t position, std::size_t element) {
    const FieldRow& row = rows[position];
    const int step = row.repeat.idStep;
    const int labelStep = (row.flags & kSharedLabel) != 0 ? 0 : step;
    fields[n] = FieldDef{names[n].view(),
                         row.area,
                         static_cast<std::uint16_t>(row.place.offset + element * row.repeat.stride),
                         row.place.mask,
                         row.place.width,
                         row.kind,
                         StepId(row.ids.list, element, step),
                         StepId(row.ids.label, element, labelStep),
                         StepId(row.ids.control, element, step),
                         row.initial,
                         static_cast<std::uint16_t>(position),
                         static_cast<std::uint8_t>(element),
                         row.flags,
                         row.column,
                         row.choices};
    ++n;
  });
  return fields;
}

}  // namespace vex::schema_detail
