#include "core/data_watch.h"

#include <cstdio>

namespace vex {

void DataWatch::fill(const Image& image) {
  clear();
  watched_ = image;
}

std::size_t DataWatch::update(const Image& image) {
  const std::size_t before = changes_.size();
  for (std::size_t i = 0; i < image.size(); ++i) {
    if (watched_[i] == image[i]) continue;
    changes_.push_back({static_cast<std::uint16_t>(i), watched_[i], image[i]});
    watched_[i] = image[i];
    highlighted_.set(i);
  }
  return changes_.size() - before;
}

void DataWatch::clear() {
  changes_.clear();
  highlighted_.reset();
}

std::optional<std::size_t> DataWatch::firstLineOf(std::size_t address) const {
  for (std::size_t line = 0; line < changes_.size(); ++line) {
    if (changes_[line].address == address) return line;
  }
  return std::nullopt;
}

namespace {

std::string Binary(std::uint8_t value) {
  std::string bits(8, '0');
  for (int bit = 0; bit < 8; ++bit) {
    if (value & (1u << bit)) bits[static_cast<std::size_t>(7 - bit)] = '1';
  }
  return bits;
}

}  // namespace

std::string WatchCellText(std::uint8_t value) {
  char text[4];
  std::snprintf(text, sizeof text, "%.2X", static_cast<unsigned>(value));
  return text;
}

std::string WatchRowHeader(std::size_t row) {
  char text[16];
  std::snprintf(text, sizeof text, "F:%.3X_", static_cast<unsigned>(row & 0xFFF));
  return text;
}

std::string WatchColumnHeader(std::size_t column) {
  char text[8];
  std::snprintf(text, sizeof text, "_%X", static_cast<unsigned>(column & 0xF));
  return text;
}

std::string WatchLineText(const DataWatch::Change& change) {
  char text[32];
  std::snprintf(text, sizeof text, "$E.0x%X:%.2X->%.2X", static_cast<unsigned>(change.address),
                static_cast<unsigned>(change.before), static_cast<unsigned>(change.after));
  return text;
}

std::string WatchDetailText(const DataWatch::Change& change) {
  char decimal[32];
  std::snprintf(decimal, sizeof decimal, "$E.0x%X:%.2u->%.2u", static_cast<unsigned>(change.address),
                static_cast<unsigned>(change.before), static_cast<unsigned>(change.after));
  char binary[48];
  std::snprintf(binary, sizeof binary, "$E.0x%X:%s\r\n->%s", static_cast<unsigned>(change.address),
                Binary(change.before).c_str(), Binary(change.after).c_str());
  return std::string(decimal) + "\r\n" + binary;
}

}  // namespace vex
