#include "core/sections/factory_section.h"

namespace vex {

void FactorySection::reset() {
  SchemaSection::reset();
  radioInfo_ = {};
  shared_ = {};
}

void FactorySection::setLinks(std::span<std::uint8_t> radioInfo, std::span<std::uint8_t> shared) {
  radioInfo_ = radioInfo;
  shared_ = shared;
}

}  // namespace vex
