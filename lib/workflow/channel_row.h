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

// A column of the grid: the channel field it shows (the schema's grid place
// gives its order and width).
struct ChannelColumnDef {
  ChannelColumn column;
  int header;  // label text id of the column's title
  int list;    // label text id of its option list, 0 when it has none
  const FieldDef* field;
  int width;  // in pixels
};

// The columns in grid order.
std::span<const ChannelColumnDef> ChannelColumns();
const ChannelColumnDef& ChannelColumnOf(ChannelColumn column);
inline std::size_t IndexOf(ChannelColumn column) { return static_cast<std::size_t>(column); }

// What the texts of a row depend on besides the record.
struct ChannelRowContext {
  const LanguageTexts& texts;
  BandLimits band;
  std::size_t personalities = 0;  // records in the personality list
  std::size_t scanLists = 0;      // records in the scan-list list
};

// The record as row texts: a frequency as its edit shows it (empty for
// none), list values as their option texts, the personality and scan list
// by number (the scan list's 0 as the list's "none" text), the tones of
// unused types as placeholders.
ChannelRow LoadChannelRow(const ChannelRecord& record, const ChannelRowContext& context);

// Writes the row into the record through the channel value rules. A list
// text without an option, and a personality or scan list that is no number,
// leave their bits as they were. Links to other records are the caller's.
ChannelStoreResult StoreChannelRow(const ChannelRow& row, const ChannelRowContext& context, ChannelRecord& record);

// Whether the column's cell is edited in a row of this record: the tone
// columns only while the tone type uses them.
bool ChannelColumnInUse(ChannelColumn column, const ChannelRecord& record);

// The texts a list column offers (tones: the standard tables), in order;
// empty for the frequency columns.
std::vector<std::string> ChannelColumnOptions(ChannelColumn column, const ChannelRowContext& context);

// A text typed or pasted into a cell of the column, as the cell keeps it
// (normalised, an option in its own spelling), or nothing when it is refused.
std::optional<std::string> CheckChannelCell(ChannelColumn column, std::string_view text,
                                            const ChannelRowContext& context);

}  // namespace vex
