// The 116-byte header of a codeplug file: which model, frequency range and
// data version the image belongs to.
#pragma once

#include "core/codeplug_format.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace vex {

// The identity of the radio data currently held: what a file header records
// and what opening a file sets.
struct ModelState {
  std::string modelId;
  std::string modelName;
  std::string freqRange;  // "lo-hi" in whole MHz
  int signal = 0;
  std::string dataVersion;

  bool operator==(const ModelState&) const = default;
};

class CodeplugHeader {
 public:
  using Bytes = std::array<std::uint8_t, codeplug::kHeaderSize>;

  CodeplugHeader() { bytes_.fill(0); }
  explicit CodeplugHeader(const Bytes& bytes) : bytes_(bytes) {}

  const Bytes& bytes() const { return bytes_; }
  Bytes& bytes() { return bytes_; }

  bool hasTag() const;

  std::string modelId() const { return text(codeplug::kModelId); }
  std::string modelName() const { return text(codeplug::kModelName); }
  std::string versionA() const { return text(codeplug::kVersionA); }
  std::string versionB() const { return text(codeplug::kVersionB); }
  int rangeLow() const { return word(codeplug::kRangeLow); }
  int rangeHigh() const { return word(codeplug::kRangeHigh); }
  std::string rangeText() const;  // "lo-hi"
  std::uint8_t rangeFlags() const { return bytes_[codeplug::kRangeFlags]; }
  int signalling() const { return bytes_[codeplug::kSignalling]; }

  // Compares the first four bytes of version A with `reference` as
  // unsigned bytes: negative, zero or positive like memcmp.
  int compareVersionA(std::string_view reference) const;

  // A text of at most 16 bytes, ending at the first zero.
  std::string text(std::size_t offset) const;
  // Stores at most 16 bytes; a text that fills the field has no terminating
  // zero (a radio may report a 16-character model ID). The rest is zero.
  void setText(std::size_t offset, std::string_view value);
  int word(std::size_t offset) const;
  void setWord(std::size_t offset, int value);

 private:
  Bytes bytes_;
};

// Save records the program's data version first and the data's own second;
// Save As the other way round, plus the flags byte of the current range,
// except for data older than the DOS-byte version, which Save As records in
// Save's order so that opening the file keeps image byte 260.
CodeplugHeader BuildSaveHeader(const ModelState& state);
CodeplugHeader BuildSaveAsHeader(const ModelState& state, std::uint8_t rangeFlags);

// The preview the file dialogs show: "lo - hiMHz", model name with trailing
// blanks removed, and the first seven characters of version A.
struct HeaderPreview {
  std::string range;
  std::string modelName;
  std::string firmwareVersion;
};
HeaderPreview PreviewOf(const CodeplugHeader& header);

}  // namespace vex
