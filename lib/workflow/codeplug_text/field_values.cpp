#include "workflow/codeplug_text/field_values.h"

#include <yaml-cpp/yaml.h>

#include <algorithm>
#include <bit>
#include <cctype>

#include "base/bcd.h"
#include "base/number_text.h"
#include "base/text_ids.h"
#include "config/language_texts.h"
#include "config/option_list.h"
#include "core/channel_encoding.h"
#include "core/time_stamp.h"
#include "workflow/field_text.h"

namespace vex::codeplug_text {
namespace {

using K = FieldKind;

constexpr std::uint16_t kToneValueBits = 0x0FFF;
constexpr std::uint16_t kToneFlagBits = 0x3000;

std::optional<long> WholeNumber(std::string_view text) {
  if (text.empty() || text.size() > 10) return std::nullopt;
  long value = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + (c - '0');
  }
  return value;
}

// A decimal number with at most `decimals` digits after the point, in units
// of 10^-decimals: "446.00625" with 5 decimals is 44600625.
std::optional<long> ScaledNumber(std::string_view text, int decimals) {
  const std::size_t point = text.find('.');
  const std::string_view whole = text.substr(0, point);
  std::string_view part = point == std::string_view::npos ? std::string_view() : text.substr(point + 1);
  if (point != std::string_view::npos && part.empty()) return std::nullopt;
  if (static_cast<int>(part.size()) > decimals) return std::nullopt;
  const auto w = WholeNumber(whole);
  const auto p = part.empty() ? std::optional<long>(0) : WholeNumber(part);
  if (!w || !p || *w > 9999) return std::nullopt;
  long scaled = *w;
  for (int i = 0; i < decimals; ++i) scaled *= 10;
  long fraction = *p;
  for (int i = static_cast<int>(part.size()); i < decimals; ++i) fraction *= 10;
  return scaled + fraction;
}

bool IsNumberText(std::string_view text) {
  return ScaledNumber(text, 6).has_value() ||
         (text.size() > 1 && text[0] == '-' && ScaledNumber(text.substr(1), 6).has_value());
}

long Largest(const FieldDef& field) {
  if (field.width == 1) return field.mask >> std::countr_zero(static_cast<unsigned>(field.mask));
  return field.width >= 4 ? 0xFFFFFFFFL : (1L << (8 * field.width)) - 1;
}

ValueText Plain(std::string text) { return {std::move(text), ValueText::Style::Plain}; }
ValueText Quoted(std::string text) { return {std::move(text), ValueText::Style::Quoted}; }
ValueText Null() { return {"", ValueText::Style::Null}; }

YAML::Node NodeOf(const ValueText& value) {
  if (value.style == ValueText::Style::Null) return YAML::Node(YAML::NodeType::Null);
  return YAML::Node(value.text);
}

bool SameBits(const FieldDef& field, std::span<const std::uint8_t> a, std::span<const std::uint8_t> b) {
  if (field.width == 1) return ((a[field.offset] ^ b[field.offset]) & field.mask) == 0;
  return std::equal(a.begin() + field.offset, a.begin() + field.offset + field.width, b.begin() + field.offset);
}

// --- text forms ----------------------------------------------------------

std::string ToneText(std::uint16_t word) {
  switch (word >> 14) {
    case kToneCtcss: return DecodeCtcss(word);
    case kToneCdcss: return "D" + DecodeCdcss(word) + "N";
    case kToneCdcssInverted: return "D" + DecodeCdcss(word) + "I";
    default: return "";
  }
}

std::optional<ValueText> CandidateText(const FieldDef& field, std::span<const std::uint8_t> bytes,
                                       const ValueContext& context) {
  const long raw = ReadField(field, bytes);
  if (UsesOptionList(field)) {
    const auto& texts = context.optionTexts(field);
    if (raw < 0 || static_cast<std::size_t>(raw) >= texts.size() || !texts[static_cast<std::size_t>(raw)])
      return std::nullopt;
    const std::string& text = *texts[static_cast<std::size_t>(raw)];
    return IsNumberText(text) ? Plain(text) : Quoted(text);
  }
  switch (field.kind) {
    case K::Flag: return Plain(raw != 0 ? "true" : "false");
    case K::InvertedFlag: return Plain(raw == 0 ? "true" : "false");
    case K::PersonalityIndex: return Plain(std::to_string(raw + 1));
    case K::ScanListNumber:
    case K::ChannelNumber: return raw == 0 ? Null() : Plain(std::to_string(raw));
    case K::Frequency:
      return raw == static_cast<long>(kNoFrequency) ? Null() : Plain(DecodeFrequency(static_cast<std::uint32_t>(raw)));
    case K::TestFrequency: return raw == 0 ? Null() : Plain(DecodeFrequency(static_cast<std::uint32_t>(raw)));
    case K::ToneWord: {
      const auto word = static_cast<std::uint16_t>(raw);
      if (word == 0) return Null();
      const std::string text = ToneText(word);
      if (text.empty()) return std::nullopt;
      return text[0] == 'D' ? Quoted(text) : Plain(text);
    }
    case K::Text:
    case K::HexNumber:
    case K::Bytes:
    case K::TimeStamp: return Quoted(PlainFieldText(field, bytes));
    case K::Reserved:
    case K::CtcssTone:
    case K::CdcssCode: return std::nullopt;
    default: return Plain(std::to_string(raw));
  }
}

// --- reading ---------------------------------------------------------------

std::string OptionsAccepted(const FieldDef& field, const LanguageTexts& texts) {
  const OptionList options = texts.optionList(field.list);
  std::vector<std::string> names;
  if (field.kind == K::ListValue || field.kind == K::ListPosition) {
    for (const OptionPair& pair : options.pairs()) names.push_back(pair.text);
  } else if (const auto rule = options.rangeRule(); rule && rule->usable()) {
    if (field.kind == K::RangeOff) names.push_back(texts.messageText(text::kMsgOff));
    names.push_back("a number from " + rule->displayText(rule->first) + " to " + rule->displayText(rule->last) +
                    " in steps of " + rule->displayText(rule->step));
  }
  std::string list;
  for (const std::string& name : names) list += (list.empty() ? "" : ", ") + name;
  return "one of: " + list;
}

std::string StoreOption(const FieldDef& field, std::string_view text, const ValueContext& context,
                        std::span<std::uint8_t> bytes) {
  const auto& texts = context.optionTexts(field);
  const auto number = ScaledNumber(text, 6);
  for (std::size_t raw = 0; raw < texts.size(); ++raw) {
    const auto& shown = texts[raw];
    if (shown && (*shown == text || (number && ScaledNumber(*shown, 6) == number))) {
      WriteField(field, bytes, static_cast<long>(raw));
      return "";
    }
  }
  return OptionsAccepted(field, context.texts);
}

std::string StoreNumberUpTo(const FieldDef& field, std::string_view text, long first, long last, long offset,
                            std::span<std::uint8_t> bytes) {
  const auto number = WholeNumber(text);
  if (!number || *number < first || *number > last) {
    if (last < first) return "no value: there is no record to refer to";
    return "a whole number from " + std::to_string(first) + " to " + std::to_string(last);
  }
  WriteField(field, bytes, *number - offset);
  return "";
}

std::string StoreFrequency(const FieldDef& field, std::string_view text, const ValueContext& context,
                           std::span<std::uint8_t> bytes) {
  const std::string band = context.band.known() ? " from " + DecodeFrequency(context.band.lowest()) + " to " +
                                                      DecodeFrequency(context.band.highest())
                                                : "";
  const std::string accepted = "null for none, or a frequency in MHz" + band +
                               " with at most five decimals, on a 5, 6.25, 10 or 12.5 kHz raster";
  const auto tenHz = ScaledNumber(text, 5);
  if (!tenHz || *tenHz > static_cast<long>(kBcdMaxDecimal)) return accepted;
  std::uint32_t onRaster = static_cast<std::uint32_t>(*tenHz);
  StepCodeFor(onRaster);
  const std::uint32_t bcd = PackBcd(static_cast<std::uint32_t>(*tenHz));
  if (onRaster != static_cast<std::uint32_t>(*tenHz) || bcd == 0) return accepted;
  if (context.band.known() && (bcd < context.band.lowest() || bcd > context.band.highest())) return accepted;
  WriteField(field, bytes, bcd);
  return "";
}

std::string StoreTone(const FieldDef& field, std::string_view text, std::span<std::uint8_t> bytes) {
  const std::string accepted =
      "null for none, a CTCSS tone in Hz from 40.0 to 300.0, or a CDCSS code as D023N (I for inverted)";
  std::uint16_t word = 0;
  if (text.size() >= 3 && (text[0] == 'D' || text[0] == 'd')) {
    const char polarity = static_cast<char>(std::toupper(static_cast<unsigned char>(text.back())));
    const auto code = ParseCdcss(text.substr(1, text.size() - 2));
    if (!code || (polarity != 'N' && polarity != 'I')) return accepted;
    word = static_cast<std::uint16_t>(code->value | ((polarity == 'N' ? kToneCdcss : kToneCdcssInverted) << 14));
  } else {
    const auto tenths = ScaledNumber(text, 1);
    if (!tenths || *tenths < kCtcssMin || *tenths > kCtcssMax) return accepted;
    word = static_cast<std::uint16_t>(*tenths | (kToneCtcss << 14));
  }
  WriteField(field, bytes, word);
  return "";
}

std::string StoreText(const FieldDef& field, std::string_view text, std::span<std::uint8_t> bytes) {
  const bool printable =
      std::all_of(text.begin(), text.end(), [](char c) { return c >= 0x20 && c <= 0x7E; });
  if (!printable || text.size() > field.width)
    return "a text of at most " + std::to_string(field.width) + " printable ASCII characters";
  const auto fill = static_cast<std::uint8_t>(field.initial.value);
  WriteFieldText(field, bytes, text, fill == 0 ? 0 : 0xFF);
  return "";
}

std::string StoreHexBytes(const FieldDef& field, std::string_view text, std::span<std::uint8_t> bytes) {
  const auto own = BytesOfHex(text);
  if (!own || own->size() != field.width)
    return "exactly " + std::to_string(2 * field.width) + " hexadecimal digits";
  std::copy(own->begin(), own->end(), bytes.begin() + field.offset);
  return "";
}

std::string StoreHexNumber(const FieldDef& field, std::string_view text, std::span<std::uint8_t> bytes) {
  const auto own = BytesOfHex(text);
  if (!own || own->size() != field.width)
    return "exactly " + std::to_string(2 * field.width) + " hexadecimal digits";
  long value = 0;
  for (unsigned char b : *own) value = (value << 8) | b;
  WriteField(field, bytes, value);
  return "";
}

std::string StoreTimeStamp(const FieldDef& field, std::string_view text, std::span<std::uint8_t> bytes) {
  const std::string accepted = "a date and time as 2024-05-31 13:45:00, year 2000 to 2099";
  if (text.size() != 19 || text[4] != '-' || text[7] != '-' || text[10] != ' ' || text[13] != ':' || text[16] != ':')
    return accepted;
  const auto part = [&](std::size_t at, std::size_t n) { return WholeNumber(text.substr(at, n)).value_or(-1); };
  const long year = part(0, 4), month = part(5, 2), day = part(8, 2);
  const long hour = part(11, 2), minute = part(14, 2), second = part(17, 2);
  if (year < 2000 || year > 2099 || month < 1 || month > 12 || day < 1 || day > 31 || hour < 0 || hour > 23 ||
      minute < 0 || minute > 59 || second < 0 || second > 59)
    return accepted;
  const TimeStamp stamp = MakeTimeStamp(static_cast<int>(year), static_cast<int>(month), static_cast<int>(day),
                                        static_cast<int>(hour), static_cast<int>(minute), static_cast<int>(second));
  std::copy_n(stamp.begin(), std::min<std::size_t>(field.width, stamp.size()), bytes.begin() + field.offset);
  return "";
}

std::string StoreRaw(const FieldDef& field, const YAML::Node& value, std::span<std::uint8_t> bytes) {
  const std::string accepted = "{raw: HEX} with " + std::to_string(2 * field.width) + " hexadecimal digits";
  if (value.size() != 1 || !value["raw"] || !value["raw"].IsScalar()) return accepted;
  const auto own = BytesOfHex(value["raw"].Scalar());
  if (!own || own->size() != field.width) return accepted;
  if (field.width == 1) {
    const auto bits = static_cast<std::uint8_t>(own->front()) & field.mask;
    bytes[field.offset] = static_cast<std::uint8_t>((bytes[field.offset] & ~field.mask) | bits);
  } else {
    std::copy(own->begin(), own->end(), bytes.begin() + field.offset);
  }
  return "";
}

std::string StoreScalar(const FieldDef& field, const YAML::Node& value, const ValueContext& context,
                        std::span<std::uint8_t> bytes) {
  const bool null = value.IsNull();
  const std::string text = null ? std::string() : value.Scalar();
  if (UsesOptionList(field)) return StoreOption(field, text, context, bytes);
  switch (field.kind) {
    case K::Flag:
    case K::InvertedFlag: {
      if (text != "true" && text != "false") return "true or false";
      WriteField(field, bytes, (text == "true") == (field.kind == K::Flag) ? 1 : 0);
      return "";
    }
    case K::PersonalityIndex:
      return StoreNumberUpTo(field, text, 1, static_cast<long>(context.personalities), 1, bytes);
    case K::ScanListNumber:
    case K::ChannelNumber: {
      const auto records = field.kind == K::ChannelNumber ? context.channels : context.scanLists;
      if (null) {
        WriteField(field, bytes, 0);
        return "";
      }
      const std::string problem = StoreNumberUpTo(field, text, 1, static_cast<long>(records), 0, bytes);
      return problem.empty() ? problem : "null for none, or " + problem;
    }
    case K::Frequency:
    case K::TestFrequency:
      if (null) {
        WriteField(field, bytes, field.kind == K::Frequency ? static_cast<long>(kNoFrequency) : 0);
        return "";
      }
      return StoreFrequency(field, text, context, bytes);
    case K::ToneWord:
      if (null) {
        WriteField(field, bytes, 0);
        return "";
      }
      return StoreTone(field, text, bytes);
    case K::Text: return null ? StoreText(field, "", bytes) : StoreText(field, text, bytes);
    case K::Bytes: return StoreHexBytes(field, text, bytes);
    case K::HexNumber: return StoreHexNumber(field, text, bytes);
    case K::TimeStamp: return StoreTimeStamp(field, text, bytes);
    default: return StoreNumberUpTo(field, text, 0, Largest(field), 0, bytes);
  }
}

}  // namespace

const std::vector<std::optional<std::string>>& ValueContext::optionTexts(const FieldDef& field) const {
  auto found = optionTexts_.find(&field);
  if (found != optionTexts_.end()) return found->second;
  std::vector<std::optional<std::string>> shown;
  if (UsesOptionList(field)) {
    const OptionList options = texts.optionList(field.list);
    const std::string off = field.kind == K::RangeOff ? texts.messageText(text::kMsgOff) : "";
    for (long raw = 0; raw <= Largest(field) && raw <= 0xFF; ++raw)
      shown.push_back(FieldOptionText(field, raw, options, off));
  }
  return optionTexts_.emplace(&field, std::move(shown)).first->second;
}

bool IsTextField(const FieldDef& field) {
  return field.kind != K::Reserved && !field.has(kAlias) && field.kind != K::CtcssTone && field.kind != K::CdcssCode;
}

std::optional<ValueText> ShowValue(const FieldDef& field, std::span<const std::uint8_t> bytes,
                                   const ValueContext& context) {
  if (bytes.size() < std::size_t{field.offset} + field.width) return std::nullopt;
  auto text = CandidateText(field, bytes, context);
  if (!text) return std::nullopt;
  std::vector<std::uint8_t> copy(bytes.begin(), bytes.end());
  if (!StoreValue(field, NodeOf(*text), context, copy).empty() || !SameBits(field, bytes, copy)) return std::nullopt;
  return text;
}

std::string RawHex(const FieldDef& field, std::span<const std::uint8_t> bytes) {
  const auto own = FieldBytes(field, bytes);
  if (field.width == 1 && !own.empty()) {
    const std::uint8_t bits = own[0] & field.mask;
    return HexOf(std::span(&bits, 1));
  }
  return HexOf(own);
}

std::string StoreValue(const FieldDef& field, const YAML::Node& value, const ValueContext& context,
                       std::span<std::uint8_t> bytes) {
  if (bytes.size() < std::size_t{field.offset} + field.width) return "a field this record does not have";
  if (value.IsMap()) return StoreRaw(field, value, bytes);
  if (!value.IsScalar() && !value.IsNull()) return "a single value, not a list";
  std::vector<std::uint8_t> copy(bytes.begin(), bytes.end());
  std::string problem = StoreScalar(field, value, context, copy);
  if (problem.empty()) std::copy(copy.begin(), copy.end(), bytes.begin());
  return problem;
}

const FieldDef* StepFieldOf(const FieldDef& frequency) {
  if (frequency.kind != K::Frequency && frequency.kind != K::TestFrequency) return nullptr;
  std::string key(frequency.key);
  if (key.ends_with("_frequency")) key.resize(key.size() - std::string_view("_frequency").size());
  const FieldDef* step = FindField(frequency.area, key + "_step");
  return step && step->kind == K::StepCode ? step : nullptr;
}

std::uint8_t StepCodeOf(const FieldDef& frequency, std::span<const std::uint8_t> bytes) {
  const auto bcd = static_cast<std::uint32_t>(ReadField(frequency, bytes));
  if (bcd == kNoFrequency || bcd == 0) return kNoStepCode;
  std::uint32_t tenHz = UnpackBcd(bcd);
  return StepCodeFor(tenHz);
}

std::optional<std::string> BytesOfHex(std::string_view hex) {
  if (hex.size() % 2 != 0) return std::nullopt;
  auto digit = [](char c) -> int {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
  };
  std::string bytes;
  for (std::size_t i = 0; i < hex.size(); i += 2) {
    const int high = digit(hex[i]), low = digit(hex[i + 1]);
    if (high < 0 || low < 0) return std::nullopt;
    bytes += static_cast<char>(high * 16 + low);
  }
  return bytes;
}

std::string HexOf(std::span<const std::uint8_t> bytes) {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  std::string hex;
  for (std::uint8_t b : bytes) hex += {kDigits[b >> 4], kDigits[b & 0x0F]};
  return hex;
}

}  // namespace vex::codeplug_text
