#include "core/time_stamp.h"

#include <algorithm>
#include <cstdio>
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

std::string ProgrammingDateText(std::span<const std::uint8_t> stamp) {
  auto byte = [&stamp](std::size_t i) { return i < stamp.size() ? int{stamp[i]} : 0xFF; };
  auto checked = [](int value, int below, int fallback) { return value < below ? value : fallback; };
  const int second = checked(byte(0), 60, 59);
  const int minute = checked(byte(1), 60, 59);
  const int hour = checked(byte(2), 24, 0);
  const int day = checked(byte(3), 32, 31);
  const int month = checked(byte(4), 13, 12);
  const int year = byte(5) < 38 ? byte(5) + 2000 : 2037;
  char text[32];
  std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d", year, month, day, hour, minute, second);
  return text;
}

}  // namespace vex
