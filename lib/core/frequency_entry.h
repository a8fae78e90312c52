// The rules of the controls through which frequencies and tones are typed:
// the frequency edit of the channel view, the frequency cell of the channel
// grid, and the CTCSS and CDCSS entries. The controls only filter keys and
// call these.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/channel_encoding.h"
#include "core/channel_values.h"

namespace vex {

// What may be typed: frequencies in MHz with a decimal point, CTCSS tones in
// Hz with one (the separator is added by the control), CDCSS codes in octal.
inline constexpr char kFrequencyCharacters[] = "0123456789.";
inline constexpr char kCtcssDigits[] = "0123456789";
inline constexpr char kCtcssCharacters[] = "0123456789.";
inline constexpr char kCdcssDigits[] = "01234567";
inline constexpr int kFrequencyTextLength = 9;
inline constexpr int kCtcssTextLength = 5;
inline constexpr int kCdcssTextLength = 3;

// A frequency as an entry shows and keeps it.
struct FrequencyEntry {
  std::uint32_t value = kNoFrequency;  // BCD
  std::uint8_t stepCode = kNoStepCode;
  std::string text;      // "%.5f" of the value, empty for none
  bool clamped = false;  // the typed frequency was pulled into the band
};

// A frequency value as the edit shows it: put on its raster, "%.5f"; an
// empty text for none.
FrequencyEntry ShowFrequencyEntry(std::uint32_t value);

// The frequency edit on leaving it: an empty text is none; otherwise the MHz
// rounded to the nearest 10 Hz, pulled into a known band (`clamped` tells the
// edit to warn), then put on its raster.
FrequencyEntry CommitFrequencyEdit(std::string_view text, const BandLimits& band);

// The grid's frequency cell on committing a text: "" for an empty text;
// otherwise the MHz rounded to 10 Hz, pulled silently into a known band, and
// put on the 12.5, 10, 6.25 or 5 kHz raster it lies on, else rounded down to
// the 2.5 kHz raster; written "%.5f".
std::string CommitFrequencyCell(std::string_view text, const BandLimits& band);

// Whether committing the text would pull its frequency into a known band.
bool FrequencyOutsideBand(std::string_view text, const BandLimits& band);

// A CTCSS text on leaving its entry: the tone clamped to 40.0..300.0 Hz and
// written with one decimal ("20" gives "40.0", "67" gives "67.0").
std::string NormalizeCtcssText(std::string_view text);

// The standard tones and codes as their lists show them ("67.0", "023").
const std::vector<std::string>& CtcssToneTexts();
const std::vector<std::string>& CdcssCodeTexts();

// A CDCSS text as the code lists write it ("23" gives "023"); nothing when
// the text is no code.
std::optional<std::string> NormalizeCdcssText(std::string_view text);

}  // namespace vex
