#include "core/time_stamp.h"

#include <algorithm>
#include <ctime>

#include "core/image_layout.h"

namespace vex {

TimeStamp MakeTimeStamp(int year, int month, int day, int hour, int minute, int second) {
  auto byte = [](int v) { return static_cast<std::uint8_t>(v & 0xFF); };
  return {byte(second), byte(minute), byte(hour), byte(day), byte(month), byte(year % 100), byte(year / 100), 0};
}

TimeStamp LocalTimeStamp() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  return MakeTimeStamp(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min,
                       local.tm_sec);
}

void WriteTimeStamp(std::span<std::uint8_t> image, const TimeStamp& stamp) {
  if (image.size() >= layout::kImageSize) {
    std::copy(stamp.begin(), stamp.end(), image.begin() + layout::kTimeStamp.first);
  }
}

}  // namespace vex
