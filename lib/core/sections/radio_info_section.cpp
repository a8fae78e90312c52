#include "core/sections/radio_info_section.h"

#include <algorithm>

#include "base/field_text.h"
#include "core/time_stamp.h"

namespace vex {

void RadioInfoSection::reset() {
  buffer_.fill(layout::kErased);
  std::fill_n(buffer_.begin() + layout::kInfoModelName, layout::kInfoModelNameLength, 0);
  buffer_[layout::kInfoBandFlags] = 0x00;
  const TimeStamp stamp = MakeTimeStamp(2000, 1, 1, 0, 0, 0);
  std::copy(stamp.begin(), stamp.end(), buffer_.begin() + layout::kInfoTimeStamp);
  std::fill_n(buffer_.begin() + layout::kInfoSerial, layout::kInfoSerialLength, '-');
}

std::string RadioInfoSection::modelName() const {
  return TextOfField(bytes().subspan(layout::kInfoModelName, layout::kInfoModelNameLength));
}

std::string RadioInfoSection::serialNumber() const {
  return TextOfField(bytes().subspan(layout::kInfoSerial, layout::kInfoSerialLength));
}

}  // namespace vex
