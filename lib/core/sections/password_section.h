#pragma once

#include <array>
#include <string>

#include "core/image_layout.h"
#include "core/sections/section_buffer.h"

namespace vex {

// Three passwords of at most 8 characters: power-on/keylock, write/tune/dealer
// data and read data.
class PasswordSection : public SchemaSection<FieldArea::Passwords, layout::kPasswords.length> {
 public:
  enum Which { kPowerOn = 0, kWrite = 1, kRead = 2 };
  static constexpr std::size_t kFieldLength = 8;

  PasswordSection() { reset(); }
  // No passwords; texts and flags follow.
  void reset();

  // Reads the three texts from the bytes (each up to its first 0 byte) and
  // sets the not-empty flags to match.
  void loadTexts();
  // Writes the three texts into their fields (longer texts are cut to 8
  // bytes, the rest of a field is 0) and sets the not-empty flags.
  void storeTexts();

  const std::string& text(Which which) const { return texts_[which]; }
  void setText(Which which, std::string text) { texts_[which] = std::move(text); }
  // The password was not empty when last loaded or stored.
  bool isSet(Which which) const { return flags_[which]; }

 private:
  std::array<std::string, 3> texts_;
  std::array<bool, 3> flags_{};
};

}  // namespace vex
