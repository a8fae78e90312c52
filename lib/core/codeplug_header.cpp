#include "core/codeplug_header.h"

#include "base/range_entry.h"
#include "core/data_version.h"

#include <algorithm>
#include <cstring>

namespace vex {

using namespace codeplug;

namespace {

void PutU32(CodeplugHeader::Bytes& b, std::size_t offset, std::uint32_t v) {
  for (std::size_t i = 0; i < 4; ++i) b[offset + i] = static_cast<std::uint8_t>(v >> (8 * i));
}

std::string TrimTrailingBlanks(std::string s) {
  while (!s.empty() && s.back() == ' ') s.pop_back();
  return s;
}

CodeplugHeader BuildHeader(const ModelState& state, std::string_view versionA, std::string_view versionB,
                           std::uint8_t rangeFlags) {
  CodeplugHeader header;
  auto& b = header.bytes();
  std::copy(kHeaderTag.begin(), kHeaderTag.end(), b.begin());
  PutU32(b, kHeaderLength, kHeaderSize);
  header.setText(kModelId, state.modelId);
  header.setText(kModelName, state.modelName);
  const RangeEdges edges = ParseRangeText(state.freqRange);
  header.setWord(kRangeLow, edges.lower);
  header.setWord(kRangeHigh, edges.upper);
  header.setText(kVersionA, versionA);
  header.setText(kVersionB, versionB);
  b[kRangeFlags] = rangeFlags;
  b[kSignalling] = static_cast<std::uint8_t>(state.signal);
  return header;
}

}  // namespace

bool CodeplugHeader::hasTag() const { return std::equal(kHeaderTag.begin(), kHeaderTag.end(), bytes_.begin()); }

std::string CodeplugHeader::rangeText() const { return RangeText(rangeLow(), rangeHigh()); }

int CodeplugHeader::compareVersionA(std::string_view reference) const {
  std::uint8_t ref[4]{};
  std::memcpy(ref, reference.data(), std::min<std::size_t>(reference.size(), 4));
  return std::memcmp(bytes_.data() + kVersionA, ref, 4);
}

std::string CodeplugHeader::text(std::size_t offset) const {
  const auto* first = bytes_.data() + offset;
  const auto* end = std::find(first, first + kTextFieldSize, 0);
  return std::string(first, end);
}

void CodeplugHeader::setText(std::size_t offset, std::string_view value) {
  std::fill_n(bytes_.begin() + static_cast<std::ptrdiff_t>(offset), kTextFieldSize, 0);
  const std::size_t n = std::min(value.size(), kTextFieldSize);
  std::memcpy(bytes_.data() + offset, value.data(), n);
}

int CodeplugHeader::word(std::size_t offset) const { return bytes_[offset] | (bytes_[offset + 1] << 8); }

void CodeplugHeader::setWord(std::size_t offset, int value) {
  bytes_[offset] = static_cast<std::uint8_t>(value);
  bytes_[offset + 1] = static_cast<std::uint8_t>(value >> 8);
}

CodeplugHeader BuildSaveHeader(const ModelState& state) {
  return BuildHeader(state, kProgramDataVersion, state.dataVersion, 0);
}

CodeplugHeader BuildSaveAsHeader(const ModelState& state, std::uint8_t rangeFlags) {
  // Data of a radio older than the DOS-byte version would have image byte
  // 260 cleared when the file is opened again; such data are recorded as
  // Save records them, the program's version first.
  if (CompareVersionPrefix(state.dataVersion, kDosByteVersion) < 0) {
    return BuildHeader(state, kProgramDataVersion, state.dataVersion, rangeFlags);
  }
  return BuildHeader(state, state.dataVersion, kProgramDataVersion, rangeFlags);
}

HeaderPreview PreviewOf(const CodeplugHeader& header) {
  HeaderPreview preview;
  preview.range = std::to_string(header.rangeLow()) + " - " + std::to_string(header.rangeHigh()) + "MHz";
  preview.modelName = TrimTrailingBlanks(header.modelName());
  preview.firmwareVersion = TrimTrailingBlanks(header.versionA().substr(0, 7));
  return preview;
}

}  // namespace vex
