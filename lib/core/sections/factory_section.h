#pragma once

#include "core/image_layout.h"
#include "core/sections/section_buffer.h"

namespace vex {

// Factory identity and band data. Bytes 4..39 are its own (image 181..216);
// bytes 0..3 and 40..43 stand for two links into other sections' buffers:
// the radio information and the 32-byte area shared with the misc section.
// The links are views of that memory, never copies.
class FactorySection : public SchemaSection<FieldArea::Factory, layout::kFactory.length + 8> {
 public:
  static constexpr std::size_t kOwnFirst = 4;

  FactorySection() { reset(); }
  // The schema's defaults, links included, and no links; the container
  // sets them again right after.
  void reset();

  void setLinks(std::span<std::uint8_t> radioInfo, std::span<std::uint8_t> shared);
  std::span<std::uint8_t> radioInfo() const { return radioInfo_; }
  std::span<std::uint8_t> shared() const { return shared_; }
  std::span<std::uint8_t> own() { return bytes().subspan(kOwnFirst, layout::kFactory.length); }

 private:
  std::span<std::uint8_t> radioInfo_;
  std::span<std::uint8_t> shared_;
};

}  // namespace vex
