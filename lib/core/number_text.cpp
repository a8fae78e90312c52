#include "core/number_text.h"

#include <charconv>
#include <climits>
#include <cmath>

namespace vex {
namespace {

std::string_view SkipBlanks(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) {
        text.remove_prefix(1);
    }
    return text;
}

}  // namespace

double ParseLeadingDouble(std::string_view text) {
    text = SkipBlanks(text);
    if (!text.empty() && text.front() == '+') {
        text.remove_prefix(1);
    }
    double value = 0.0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value,
                                        std::chars_format::general);
    if (result.ec != std::errc{} || !std::isfinite(value)) {
        return 0.0;
    }
    return value;
}

long ParseLeadingInteger(std::string_view text) {
    text = SkipBlanks(text);
    if (!text.empty() && text.front() == '+') {
        text.remove_prefix(1);
    }
    long value = 0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    if (result.ec == std::errc::result_out_of_range) {
        return (!text.empty() && text.front() == '-') ? LONG_MIN : LONG_MAX;
    }
    return result.ec == std::errc{} ? value : 0;
}

std::string FormatScaled(unsigned long value, int decimals) {
    unsigned long divisor = 1;
    for (int i = 0; i < decimals; ++i) {
        divisor *= 10;
    }
    std::string text = std::to_string(value / divisor);
    if (decimals > 0) {
        const std::string fraction = std::to_string(value % divisor);
        text += '.';
        text.append(static_cast<std::size_t>(decimals) - fraction.size(), '0');
        text += fraction;
    }
    return text;
}

}  // namespace vex
