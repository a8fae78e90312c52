// Every field of the schema with every value of its domain (the ends and a
// middle of a range): set through the schema on default data, it changes no
// byte outside the field, neither in its area nor in the encoded image; it
// comes back from the image as it was set; and dump, the report and CHIRP
// CSV show it after the round trip as they did before.
#include <gtest/gtest.h>

#include <bit>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <set>
#include <string>

#include "base/bcd.h"
#include "config/language_texts.h"
#include "core/chirp_csv.h"
#include "core/container.h"
#include "core/default_data.h"
#include "core/schema/schema.h"
#include "core/schema/schema_table.h"
#include "core/time_stamp.h"
#include "workflow/field_text.h"
#include "workflow/report/report_values.h"

namespace vex {
namespace {

using A = FieldArea;
using K = FieldKind;

const LanguageTexts& English() {
  static const LanguageTexts texts{std::filesystem::path(VEX_DATA_DIR) / "VEX_E.lng"};
  return texts;
}

// A value to try: a raw value, or the field's bytes for byte strings.
struct Trial {
  long raw = 0;
  std::vector<std::uint8_t> bytes;
};

std::vector<Trial> Raws(std::initializer_list<long> raws) {
  std::vector<Trial> trials;
  for (long raw : raws) trials.push_back({raw, {}});
  return trials;
}

std::vector<Trial> Patterns(const FieldDef& field, std::initializer_list<std::uint8_t> fills) {
  std::vector<Trial> trials;
  for (std::uint8_t fill : fills) trials.push_back({0, std::vector<std::uint8_t>(field.width, fill)});
  return trials;
}

long Bcd(long tenHz) { return static_cast<long>(PackBcd(static_cast<std::uint32_t>(tenHz))); }

std::vector<Trial> OptionTrials(const FieldDef& field) {
  const OptionList options = English().optionList(field.list);
  std::vector<long> raws;
  if (const auto rule = options.rangeRule()) {
    const long count = rule->count();
    for (long k : {0L, count / 2, count - 1}) raws.push_back(rule->rawBase + k * rule->rawStep);
    if (field.kind == K::RangeOff) raws.push_back(0);
  } else {
    const auto pairs = options.pairs();
    for (std::size_t i = 0; i < pairs.size(); ++i)
      raws.push_back(field.kind == K::ListValue ? pairs[i].value : static_cast<long>(i));
  }
  std::vector<Trial> trials;
  for (long raw : raws) trials.push_back({raw, {}});
  return trials;
}

std::vector<Trial> TrialsOf(const FieldDef& field) {
  const long most = field.width == 1 ? field.mask >> std::countr_zero(unsigned{field.mask})
                                     : static_cast<long>((1UL << (8 * std::min<int>(field.width, 4))) - 1);
  switch (field.kind) {
    case K::ListValue:
    case K::ListPosition:
    case K::Range:
    case K::RangeOff: return OptionTrials(field);
    case K::Flag:
    case K::InvertedFlag: return Raws({0, 1});
    case K::PersonalityIndex: return Raws({0, 3, 7});
    case K::ScanListNumber: return Raws({0, 1});
    case K::ChannelNumber: return Raws({0, 1, 8, 16});
    case K::StepCode: return Raws({2, 3, 6, 7});
    case K::Number:
    case K::NumberBe:
    case K::NumberHighFirst: return Raws({0, most / 2, most});
    case K::HexNumber: return Raws({0x0001, 0x7E7E, 0xDEEE});
    case K::Frequency: return Raws({0xFFFFFFFF, Bcd(40000000), Bcd(44600625), Bcd(47000000)});
    case K::TestFrequency: return Raws({0, Bcd(40015000), Bcd(46985000)});
    case K::ToneWord:
    case K::CtcssTone:
    case K::CdcssCode: return Raws({0, 0x4000 | 670, 0x4000 | 2503, 0x8000 | 023, 0xC000 | 0754});
    case K::Text: {
      std::vector<Trial> trials = Patterns(field, {0, 'Z'});
      trials.push_back({0, std::vector<std::uint8_t>(field.width, 0)});
      trials.back().bytes[0] = 'A';
      return trials;
    }
    case K::Bytes: return Patterns(field, {0x00, 0x12, 0x99});
    case K::Reserved: return field.width == 1 ? Raws({0, most / 2, most}) : Patterns(field, {0x00, 0x5A, 0xFF});
    case K::TimeStamp: {
      std::vector<Trial> trials;
      for (const TimeStamp& stamp : {MakeTimeStamp(2000, 1, 1, 0, 0, 0), MakeTimeStamp(2024, 2, 29, 23, 59, 58)})
        trials.push_back({0, std::vector<std::uint8_t>(stamp.begin(), stamp.begin() + field.width)});
      return trials;
    }
  }
  return {};
}

void Set(const FieldDef& field, std::span<std::uint8_t> bytes, const Trial& trial) {
  if (trial.bytes.empty()) {
    WriteField(field, bytes, trial.raw);
  } else {
    std::copy(trial.bytes.begin(), trial.bytes.end(), bytes.begin() + field.offset);
  }
}

// Where byte `offset` of an area's first record or its section lies in the image.
std::size_t ImageAddress(FieldArea area, std::size_t offset) {
  switch (area) {
    case A::RadioInfo: return layout::kRadioInfo.first + offset;
    case A::Keys: return layout::kKeys.first + offset;
    case A::Misc:
      if (offset < layout::kMiscFirst.length) return layout::kMiscFirst.first + offset;
      if (offset < MiscSection::kSharedFirst) return layout::kMiscSecond.first + offset - layout::kMiscFirst.length;
      return layout::kShared.first + offset - MiscSection::kSharedFirst;
    case A::Passwords: return layout::kPasswords.first + offset;
    case A::Atis: return layout::kAtis.first + offset;
    case A::PttId: return layout::kPttId.first + offset;
    case A::Dos: return layout::kDos.first + offset;
    case A::TestFreq: return layout::kTestFreq.first + offset;
    case A::Embedded: return layout::kEmbedded.first + offset;
    case A::Factory: return layout::kFactory.first + offset - FactorySection::kOwnFirst;
    case A::Channel: return layout::kChannelArea.first + offset;
    case A::Personality: return layout::kPersonalityArea.first + offset;
    case A::ScanList: return layout::kScanListArea.first + offset;
    case A::AlertTone: return layout::kAlertToneArea.first + offset;
  }
  return 0;
}

// The image bytes a field's bits may reach: its own, and those of the
// big-endian field it lies in, whose bytes the codec turns around.
std::set<std::size_t> ImageAddressesOf(const FieldDef& field) {
  std::size_t first = field.offset;
  std::size_t end = field.offset + field.width;
  for (const FieldDef* other : FieldsOf(field.area)) {
    if (!TurnedByCodec(other->kind) || other->offset >= end || other->offset + other->width <= first) continue;
    first = std::min<std::size_t>(first, other->offset);
    end = std::max<std::size_t>(end, other->offset + other->width);
  }
  std::set<std::size_t> addresses;
  for (std::size_t offset = first; offset < end; ++offset) addresses.insert(ImageAddress(field.area, offset));
  return addresses;
}

// Fields the encoder writes itself: the PTT ID goes out with fixed content
// and the personality records with their chain.
bool WrittenByTheEncoder(const FieldDef& field) {
  return field.area == A::PttId || (field.area == A::Personality && field.key.ends_with("_link"));
}

bool CarriedByCsv(const FieldDef& field) {
  static const std::set<std::string_view> kCarried{"rx_frequency", "tx_frequency", "rx_tone_type", "rx_tone",
                                                   "tx_tone_type", "tx_tone",      "spacing",      "power"};
  return field.area == A::Channel && kCarried.count(field.key) > 0;
}

std::unique_ptr<RadioDataContainer> DefaultData() {
  auto data = std::make_unique<RadioDataContainer>();
  MakeDefaultData(*data, 446, 446);
  return data;
}

std::string Describe(const FieldDef& field, const Trial& trial) {
  char raw[32];
  std::snprintf(raw, sizeof raw, "0x%lX", static_cast<unsigned long>(trial.raw));
  return std::string(AreaOf(field.area).name) + "." + std::string(field.key) + " = " +
         (trial.bytes.empty() ? raw : "bytes " + std::to_string(trial.bytes.front()));
}

TEST(Schema, EveryFieldTakesEveryValueOfItsDomainAndShowsItAfterTheRoundTrip) {
  std::size_t fields = 0;
  std::size_t values = 0;
  for (const FieldDef& field : FieldTable()) {
    const std::vector<Trial> trials = TrialsOf(field);
    ASSERT_FALSE(trials.empty()) << field.key;
    ++fields;
    for (const Trial& trial : trials) {
      ++values;
      SCOPED_TRACE(Describe(field, trial));
      auto before = DefaultData();
      auto after = DefaultData();
      const auto original = AreaBytes(*before, field.area);
      const auto bytes = AreaBytes(*after, field.area);
      Set(field, bytes, trial);

      // Nothing but the field's own bits changes in its area...
      for (std::size_t i = 0; i < bytes.size(); ++i) {
        const bool own = i >= field.offset && i < std::size_t{field.offset} + field.width;
        const std::uint8_t kept = own ? static_cast<std::uint8_t>(~field.mask) : 0xFF;
        ASSERT_EQ(bytes[i] & kept, original[i] & kept) << "area byte " << i;
      }
      // ...nor in the image.
      before->encode();
      after->encode();
      const std::set<std::size_t> own = ImageAddressesOf(field);
      for (std::size_t address = 0; address < layout::kImageSize; ++address) {
        if (before->image()[address] != after->image()[address]) {
          ASSERT_TRUE(own.count(address)) << "image byte " << address;
        }
      }

      auto decoded = std::make_unique<RadioDataContainer>();
      decoded->image() = after->image();
      decoded->decode();
      const auto back = AreaBytes(*decoded, field.area);
      if (!WrittenByTheEncoder(field)) {
        EXPECT_EQ(ReadField(field, back), ReadField(field, bytes));
        const auto ownBack = FieldBytes(field, back);
        const auto ownSet = FieldBytes(field, bytes);
        EXPECT_TRUE(field.mask != 0xFF || std::equal(ownBack.begin(), ownBack.end(), ownSet.begin(), ownSet.end()));
      }
      if (!field.listed() || WrittenByTheEncoder(field)) continue;

      EXPECT_EQ(FieldDumpText(field, back, English()), FieldDumpText(field, bytes, English()));
      EXPECT_EQ(PrintedFieldText(field, back, *decoded, English()), PrintedFieldText(field, bytes, *after, English()));
      if (UsesOptionList(field)) {
        EXPECT_EQ(FieldDumpText(field, back, English()), FieldOptionText(field, ReadField(field, back), English()));
      }

      // The tone types are another reading of the tone words, tried there.
      if (CarriedByCsv(field) && !field.has(kAlias)) {
        const CsvImport imported = ParseChirpCsv(ExportChirpCsv(*decoded), BandLimits{});
        ASSERT_FALSE(imported.refused());
        auto fromCsv = DefaultData();
        ReplaceChannels(*fromCsv, imported.channels);
        EXPECT_EQ(FieldDumpText(field, AreaBytes(*fromCsv, field.area), English()),
                  FieldDumpText(field, back, English()));
      }
    }
  }
  std::printf("schema: %zu fields, %zu values tried\n", fields, values);
  EXPECT_EQ(fields, FieldTable().size());
}

}  // namespace
}  // namespace vex
