#include "core/sections/embedded_section.h"

#include <algorithm>

#include "base/field_text.h"

namespace vex {
namespace {

constexpr std::array<std::size_t, EmbeddedSection::kFieldCount + 1> kFieldStarts{0, 8, 16, 48, 80, 112, 144};

}  // namespace

void EmbeddedSection::reset() { buffer_.fill(0); }

std::span<const std::uint8_t> EmbeddedSection::fieldOf(std::span<const std::uint8_t> all, std::size_t field) {
  return all.subspan(kFieldStarts[field], kFieldStarts[field + 1] - kFieldStarts[field]);
}

std::string EmbeddedSection::text(std::size_t field) const {
  if (field >= kFieldCount) return {};
  const auto bytes = fieldOf(this->bytes(), field);
  if (bytes[0] == layout::kErased) return {};
  std::string text = TextOfField(bytes);
  const auto end = text.find_last_not_of(" \t\r\n");
  text.erase(end == std::string::npos ? 0 : end + 1);
  return text;
}

void EmbeddedSection::setText(std::size_t field, const std::string& text) {
  if (field >= kFieldCount) return;
  auto target = bytes().subspan(kFieldStarts[field], kFieldStarts[field + 1] - kFieldStarts[field]);
  std::fill(target.begin(), target.end(), ' ');
  std::copy_n(text.begin(), std::min(text.size(), target.size()), target.begin());
}

}  // namespace vex
