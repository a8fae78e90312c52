#pragma once

#include <string>

#include "core/image_layout.h"
#include "core/sections/section_buffer.h"

namespace vex {

// Radio identification: model name, band flag, programming time stamp, band
// edges and serial number.
class RadioInfoSection : public SchemaSection<FieldArea::RadioInfo, layout::kRadioInfo.length> {
 public:
  RadioInfoSection() { reset(); }

  // Texts end at the first 0 byte or at the field's end.
  std::string modelName() const;
  std::string serialNumber() const;
  bool isVhf() const;
};

}  // namespace vex
