// The data watch: a snapshot of the memory image shown as a 512 x 16 byte
// grid, and the log of every byte that changed between successive updates.
// The GUI only displays what this holds.
#pragma once

#include <bitset>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/image_codec.h"

namespace vex {

class DataWatch {
 public:
  static constexpr std::size_t kColumns = 16;
  static constexpr std::size_t kRows = layout::kImageSize / kColumns;

  struct Change {
    std::uint16_t address;
    std::uint8_t before;
    std::uint8_t after;
  };

  // Takes a fresh snapshot of the image and empties the log.
  void fill(const Image& image);
  // Logs, in address order, every byte where the image differs from the
  // snapshot, highlights its cell and takes the new value into the snapshot.
  // Returns the number of lines added.
  std::size_t update(const Image& image);
  // Empties the log and drops every highlight; the snapshot stays.
  void clear();

  const Image& watched() const { return watched_; }
  const std::vector<Change>& changes() const { return changes_; }
  bool isHighlighted(std::size_t address) const { return address < highlighted_.size() && highlighted_[address]; }
  // The oldest line of the byte, none when the log has no line for it.
  std::optional<std::size_t> firstLineOf(std::size_t address) const;

  // Grid row (0..511) and column (0..15) of a byte, and the byte of a cell.
  static std::size_t RowOf(std::size_t address) { return address / kColumns; }
  static std::size_t ColumnOf(std::size_t address) { return address % kColumns; }
  static std::size_t AddressOf(std::size_t row, std::size_t column) { return row * kColumns + column; }

 private:
  Image watched_{};
  std::vector<Change> changes_;
  std::bitset<layout::kImageSize> highlighted_;
};

// Texts of the grid and the log.
// "%.2X" of a byte: "05".
std::string WatchCellText(std::uint8_t value);
// Header of grid row 0..511: "F:000_" .. "F:1FF_".
std::string WatchRowHeader(std::size_t row);
// Header of grid column 0..15: "_0" .. "_F".
std::string WatchColumnHeader(std::size_t column);
// The log line: "$E.0x1A0:FF->05".
std::string WatchLineText(const DataWatch::Change& change);
// The detail of a line, three lines: "$E.0x1A0:255->05", "$E.0x1A0:11111111",
// "->00000101", separated by "\r\n".
std::string WatchDetailText(const DataWatch::Change& change);

}  // namespace vex
