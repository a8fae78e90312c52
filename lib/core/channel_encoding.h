// Text forms of the values inside a channel record: frequencies (BCD in
// 10 Hz units), step codes, CTCSS tones and CDCSS codes.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vex {

inline constexpr std::uint32_t kNoFrequency = 0xFFFFFFFF;
inline constexpr std::uint8_t kNoStepCode = 0x0F;
inline constexpr char kNoFrequencyText[] = "None";

// The frequency edit and the grid round to the nearest 10 Hz; the PMR446
// frequency-code list truncates.
enum class FrequencyRounding { Nearest, Truncate };

struct EncodedFrequency {
  std::uint32_t value = kNoFrequency;  // BCD
  std::uint8_t stepCode = kNoStepCode;
};

// The raster code of a frequency in 10 Hz units. A frequency on none of the
// rasters is moved down onto the 12.5 kHz raster (hence the reference).
std::uint8_t StepCodeFor(std::uint32_t& tenHz);

// "None" for no frequency, else MHz with five decimals ("446.00625").
std::string DecodeFrequency(std::uint32_t value);

// MHz text to BCD value and step code; an empty (or blank) text gives no
// frequency. Negative values count as 0, values of 1000 MHz and more as the
// largest eight-digit value.
EncodedFrequency EncodeFrequency(std::string_view text, FrequencyRounding rounding);

// Frequency in whole MHz as a BCD value (band limits).
std::uint32_t MegahertzToBcd(long megahertz);

// The CTCSS tones a tone word can hold, in 0.1 Hz.
inline constexpr int kCtcssMin = 400;
inline constexpr int kCtcssMax = 3000;

// Tone word low 12 bits as "94.8".
std::string DecodeCtcss(std::uint16_t word);
// "94.8" to 0.1 Hz, clamped to 400..3000.
std::uint16_t EncodeCtcss(std::string_view text);

// Tone word low 12 bits as the three octal digits ("023").
std::string DecodeCdcss(std::uint16_t word);

// A CDCSS code as typed: its digits read as a decimal number (23 for "023",
// as the standard table lists the codes) and the stored value, the octal
// reading of the same digits (19 for "023").
struct CdcssCode {
  int digits = 0;
  std::uint16_t value = 0;
};
// Every place a CDCSS text enters (views, grids, imports) reads it here. The
// text must be one to three octal digits (leading zeros and surrounding
// blanks allowed); anything else, a digit 8 or 9 above all, gives nothing,
// so that no text is silently turned into another code.
std::optional<CdcssCode> ParseCdcss(std::string_view text);

// Frequencies are chosen from the PMR446 list instead of typed when the
// current range starts at 446 MHz and the extended user level is off.
bool UsesPmr446Codes(int rangeLowMHz, bool extendedLevel);

// Entry 0 "None", then the eight PMR446 channel frequencies.
const std::vector<std::string>& Pmr446FrequencyTexts();
// The entry showing `value`, or -1 when no entry matches.
int Pmr446IndexOf(std::uint32_t value);
// The frequency of list entry `index` (truncating path); none for entry 0 or
// an index outside the list.
EncodedFrequency Pmr446Frequency(int index);

}  // namespace vex
