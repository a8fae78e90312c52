#include "core/frequency_entry.h"

#include <algorithm>

#include "base/bcd.h"
#include "base/number_text.h"
#include "core/tone_tables.h"

namespace vex {
namespace {

constexpr std::uint32_t kCellRasters[] = {1250, 1000, 625, 500};
constexpr std::uint32_t kCellFallbackRaster = 250;

bool IsBlank(std::string_view text) { return text.find_first_not_of(" \t") == std::string_view::npos; }

// MHz text to 10 Hz units, rounded to the nearest unit, within eight digits.
std::uint32_t TenHzOf(std::string_view text) {
  const double tenHz = ParseLeadingReal(text).value_or(0.0) * 100000.0 + 0.5;
  return static_cast<std::uint32_t>(std::clamp(tenHz, 0.0, static_cast<double>(kBcdMaxDecimal)));
}

// Pulls 10 Hz units into a known band; true when they moved.
bool PullIntoBand(std::uint32_t& tenHz, const BandLimits& band) {
  if (!band.known()) return false;
  const std::uint32_t pulled = std::clamp(tenHz, UnpackBcd(band.lowest()), UnpackBcd(band.highest()));
  const bool moved = pulled != tenHz;
  tenHz = pulled;
  return moved;
}

}  // namespace

FrequencyEntry ShowFrequencyEntry(std::uint32_t value) {
  if (value == kNoFrequency) return {};
  std::uint32_t tenHz = UnpackBcd(value);
  FrequencyEntry entry;
  entry.stepCode = StepCodeFor(tenHz);
  entry.value = PackBcd(tenHz);
  entry.text = FormatScaled(tenHz, 5);
  return entry;
}

FrequencyEntry CommitFrequencyEdit(std::string_view text, const BandLimits& band) {
  if (IsBlank(text)) return {};
  std::uint32_t tenHz = TenHzOf(text);
  const bool clamped = PullIntoBand(tenHz, band);
  FrequencyEntry entry = ShowFrequencyEntry(PackBcd(tenHz));
  entry.clamped = clamped;
  return entry;
}

std::string CommitFrequencyCell(std::string_view text, const BandLimits& band) {
  if (IsBlank(text)) return {};
  std::uint32_t tenHz = TenHzOf(text);
  PullIntoBand(tenHz, band);
  const bool onRaster =
      std::any_of(std::begin(kCellRasters), std::end(kCellRasters), [&](std::uint32_t r) { return tenHz % r == 0; });
  if (!onRaster) tenHz -= tenHz % kCellFallbackRaster;
  return FormatScaled(tenHz, 5);
}

bool FrequencyOutsideBand(std::string_view text, const BandLimits& band) {
  if (IsBlank(text)) return false;
  std::uint32_t tenHz = TenHzOf(text);
  return PullIntoBand(tenHz, band);
}

std::string NormalizeCtcssText(std::string_view text) { return FormatScaled(EncodeCtcss(text), 1); }

std::optional<std::string> NormalizeCdcssText(std::string_view text) {
  const std::optional<CdcssCode> code = ParseCdcss(text);
  if (!code) return std::nullopt;
  std::string digits = std::to_string(code->digits);
  return std::string(3 - std::min<std::size_t>(digits.size(), 3), '0') + digits;
}

const std::vector<std::string>& CtcssToneTexts() {
  static const std::vector<std::string> texts = [] {
    std::vector<std::string> list;
    for (const double tone : kCtcssTones) list.push_back(FormatScaled(static_cast<unsigned long>(CtcssTenths(tone)), 1));
    return list;
  }();
  return texts;
}

const std::vector<std::string>& CdcssCodeTexts() {
  static const std::vector<std::string> texts = [] {
    std::vector<std::string> list;
    for (const int code : kCdcssCodes) list.push_back(*NormalizeCdcssText(std::to_string(code)));
    return list;
  }();
  return texts;
}

}  // namespace vex
