#include "core/sections/password_section.h"

#include <algorithm>

#include "base/field_text.h"

namespace vex {

void PasswordSection::reset() {
  buffer_.fill(0);
  loadTexts();
}

void PasswordSection::loadTexts() {
  for (std::size_t i = 0; i < texts_.size(); ++i) {
    texts_[i] = TextOfField(bytes().subspan(i * kFieldLength, kFieldLength));
    flags_[i] = !texts_[i].empty();
  }
}

void PasswordSection::storeTexts() {
  for (std::size_t i = 0; i < texts_.size(); ++i) {
    auto field = bytes().subspan(i * kFieldLength, kFieldLength);
    std::fill(field.begin(), field.end(), 0);
    const std::size_t length = std::min(texts_[i].size(), kFieldLength);
    std::copy_n(texts_[i].begin(), length, field.begin());
    flags_[i] = !texts_[i].empty();
  }
}

}  // namespace vex
