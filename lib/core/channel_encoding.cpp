#include "core/channel_encoding.h"

#include <algorithm>
#include <cmath>

#include "base/bcd.h"
#include "base/number_text.h"

namespace vex {
namespace {

constexpr std::uint32_t kRaster12k5 = 1250;
constexpr std::uint32_t kRaster10k = 1000;
constexpr std::uint32_t kRaster6k25 = 625;
constexpr std::uint32_t kRaster5k = 500;
constexpr int kCdcssDigitsMax = 777;
constexpr std::uint16_t kToneValueMask = 0x0FFF;

bool IsBlank(std::string_view text) { return text.find_first_not_of(" \t") == std::string_view::npos; }

}  // namespace

std::uint8_t StepCodeFor(std::uint32_t& tenHz) {
  if (tenHz % kRaster12k5 == 0) return 6;
  if (tenHz % kRaster10k == 0) return 7;
  if (tenHz % kRaster6k25 == 0) return 3;
  if (tenHz % kRaster5k == 0) return 2;
  tenHz -= tenHz % kRaster12k5;
  return 6;
}

std::string DecodeFrequency(std::uint32_t value) {
  if (value == kNoFrequency) {
    return kNoFrequencyText;
  }
  return FormatScaled(UnpackBcd(value), 5);
}

EncodedFrequency EncodeFrequency(std::string_view text, FrequencyRounding rounding) {
  if (IsBlank(text)) {
    return {};
  }
  double tenHz = ParseLeadingReal(text).value_or(0.0) * 100000.0;
  if (rounding == FrequencyRounding::Nearest) {
    tenHz += 0.5;
  }
  tenHz = std::clamp(tenHz, 0.0, static_cast<double>(kBcdMaxDecimal));
  auto f = static_cast<std::uint32_t>(tenHz);
  const std::uint8_t step = StepCodeFor(f);
  return {PackBcd(f), step};
}

std::uint32_t MegahertzToBcd(long megahertz) {
  const long clamped = std::clamp(megahertz, 0L, static_cast<long>(kBcdMaxDecimal / 100000));
  return PackBcd(static_cast<std::uint32_t>(clamped * 100000));
}

std::string DecodeCtcss(std::uint16_t word) { return FormatScaled(word & kToneValueMask, 1); }

std::uint16_t EncodeCtcss(std::string_view text) {
  const double tenths = ParseLeadingReal(text).value_or(0.0) * 10.0 + 0.001;
  if (tenths < kCtcssMin) return kCtcssMin;
  if (tenths > kCtcssMax) return kCtcssMax;
  return static_cast<std::uint16_t>(tenths);
}

std::string DecodeCdcss(std::uint16_t word) {
  const unsigned value = word & kToneValueMask;
  std::string text;
  for (int shift = 6; shift >= 0; shift -= 3) {
    text += static_cast<char>('0' + ((value >> shift) & 7));
  }
  if (value > 0777) {
    text.insert(0, 1, static_cast<char>('0' + (value >> 9)));
  }
  return text;
}

std::optional<CdcssCode> ParseCdcss(std::string_view text) {
  const std::size_t first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return std::nullopt;
  text = text.substr(first, text.find_last_not_of(" \t") - first + 1);
  CdcssCode code;
  for (const char c : text) {
    if (c < '0' || c > '7') return std::nullopt;
    code.digits = code.digits * 10 + (c - '0');
    if (code.digits > kCdcssDigitsMax) return std::nullopt;
    code.value = static_cast<std::uint16_t>(code.value * 8 + (c - '0'));
  }
  return code;
}

bool UsesPmr446Codes(int rangeLowMHz, bool extendedLevel) { return rangeLowMHz == 446 && !extendedLevel; }

const std::vector<std::string>& Pmr446FrequencyTexts() {
  static const std::vector<std::string> texts = [] {
    std::vector<std::string> list{kNoFrequencyText};
    for (std::uint32_t i = 0; i < 8; ++i) {
      list.push_back(FormatScaled(44600625 + i * 1250, 5));
    }
    return list;
  }();
  return texts;
}

int Pmr446IndexOf(std::uint32_t value) {
  const auto& texts = Pmr446FrequencyTexts();
  const auto found = std::find(texts.begin(), texts.end(), DecodeFrequency(value));
  return found == texts.end() ? -1 : static_cast<int>(found - texts.begin());
}

EncodedFrequency Pmr446Frequency(int index) {
  const auto& texts = Pmr446FrequencyTexts();
  if (index <= 0 || index >= static_cast<int>(texts.size())) {
    return {};
  }
  return EncodeFrequency(texts[static_cast<std::size_t>(index)], FrequencyRounding::Truncate);
}

}  // namespace vex
