// One channel as the texts of the channel grid's columns: frequencies, tone
// types and tones, spacing, power, personality, scan list and Auto Start
// Scan. Loading and storing go through the channel value rules; each column
// offers its options and checks a text typed or pasted into it before the
// text may be stored. The grid, copy and paste of rows, and spreadsheet
// text all use these.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/channel_values.h"
#include "core/schema/field_types.h"

namespace vex {

class LanguageTexts;

enum class ChannelColumn : std::uint8_t {
  RxFrequency,
  RxType,
  RxCtcss,
  RxCdcss,
  TxFrequency,
  TxType,
  TxCtcss,
  TxCdcss,
  Spacing,
  Power,
  Personality,
  ScanList,
  AutoStartScan,
};
inline constexpr std::size_t kChannelColumnCount = 13;

using ChannelRow = std::array<std::string, kChannelColumnCount>;

// What the texts of a row depend on besides the record.
struct ChannelRowContext {
  const LanguageTexts& texts;
  BandLimits band;
  std::size_t personalities = 0;  // records in the personality list
  std::size_t scanLists = 0;      // records in the scan-list list
};

// How a column's cells are edited: a typed frequency, a list that also takes
// typed text (the tones), or a list only.
enum class ChannelCellEdit : std::uint8_t { Frequency, TypedChoice, Choice };

// A column of the grid: the channel field it shows, with the schema's grid
// place for its order and width. It offers its cell's options, checks a text
// typed or pasted into it, and says whether a record's row edits it.
struct ChannelColumnDef {
  ChannelColumn column;
  int header;  // label text id of the column's title
  int list;    // label text id of its option list, 0 when it has none
  const FieldDef* field;
  int width;  // in pixels
  ChannelCellEdit edit;
  std::string_view typable;  // the characters a typed text may hold; empty: any
  int maxLength;             // of a typed text; 0: no limit

  // Whether the cell is edited in a row of this record: the tone columns
  // only while the tone type uses them.
  bool inUse(const ChannelRecord& record) const;
  // The texts the cell offers (tones: the standard tables), in order; empty
  // for the frequency columns.
  std::vector<std::string> options(const ChannelRowContext& context) const;
  // A text typed or pasted into the cell, as the cell keeps it (normalised,
  // an option in its own spelling), or nothing when it is refused.
  std::optional<std::string> check(std::string_view text, const ChannelRowContext& context) const;
};

// The columns in grid order.
std::span<const ChannelColumnDef> ChannelColumns();
const ChannelColumnDef& ChannelColumnOf(ChannelColumn column);
inline std::size_t IndexOf(ChannelColumn column) { return static_cast<std::size_t>(column); }

// The record as row texts: a frequency as its edit shows it (empty for
// none), list values as their option texts, the personality and scan list
// by number (the scan list's 0 as the list's "none" text), the tones of
// unused types as placeholders.
ChannelRow LoadChannelRow(const ChannelRecord& record, const ChannelRowContext& context);

// Writes the row into the record through the channel value rules. A list
// text without an option, and a personality or scan list that is no number,
// leave their bits as they were. Links to other records are the caller's.
ChannelStoreResult StoreChannelRow(const ChannelRow& row, const ChannelRowContext& context, ChannelRecord& record);

}  // namespace vex
