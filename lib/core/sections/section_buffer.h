// The byte buffer every container section owns: exactly the length of its
// image region, in container byte order.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

#include "core/schema/schema.h"

namespace vex {

template <std::size_t N>
class SectionBuffer {
 public:
  static constexpr std::size_t kSize = N;

  std::span<std::uint8_t> bytes() { return buffer_; }
  std::span<const std::uint8_t> bytes() const { return buffer_; }

 protected:
  std::array<std::uint8_t, N> buffer_{};
};

// A section whose fields the schema describes under `Area`.
template <FieldArea Area, std::size_t N>
class SchemaSection : public SectionBuffer<N> {
 public:
  static constexpr FieldArea kArea = Area;

  // The schema's defaults of every field.
  void reset() { ApplyDefaults(Area, this->buffer_); }
};

}  // namespace vex
