#include "core/time_stamp.h"

#include "core/image_layout.h"

namespace vex {

void WriteProgrammingTimeStamp(std::array<std::uint8_t, 8192>& image, const std::tm& local) {
    const int year = local.tm_year + 1900;
    const std::uint8_t stamp[layout::kTimeStamp.length]{
        static_cast<std::uint8_t>(local.tm_sec),  static_cast<std::uint8_t>(local.tm_min),
        static_cast<std::uint8_t>(local.tm_hour), static_cast<std::uint8_t>(local.tm_mday),
        static_cast<std::uint8_t>(local.tm_mon + 1), static_cast<std::uint8_t>(year % 100),
        static_cast<std::uint8_t>(year / 100),    0};
    for (std::size_t i = 0; i < layout::kTimeStamp.length; ++i) image[layout::kTimeStamp.first + i] = stamp[i];
}

std::tm LocalTimeNow() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return local;
}

}  // namespace vex
