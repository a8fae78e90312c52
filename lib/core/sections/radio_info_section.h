#pragma once

#include <string>

#include "core/image_layout.h"
#include "core/sections/section_buffer.h"

namespace vex {

// Radio identification: model name, band flag, programming time stamp, band
// edges and serial number.
class RadioInfoSection : public SectionBuffer<layout::kRadioInfo.length> {
 public:
  RadioInfoSection() { reset(); }
  // Empty model name, UHF, time stamp 2000-01-01 00:00:00, unknown band
  // edges (0xFF) and the serial number "----------------".
  void reset();

  // Texts end at the first 0 byte or at the field's end.
  std::string modelName() const;
  std::string serialNumber() const;
  bool isVhf() const { return (buffer_[layout::kInfoBandFlags] & 0x80) != 0; }
};

}  // namespace vex
