#include "image_compare.h"

#include "dump_fields.h"

#include "core/container.h"
#include "core/field_table.h"

#include <array>
#include <cstdio>
#include <memory>

namespace vex::cli {

namespace {

struct Section {
  FieldArea area;
  const char* name;
};

constexpr std::array<Section, 10> kSections{{
    {FieldArea::RadioInfo, "radio_info"},
    {FieldArea::Keys, "keys"},
    {FieldArea::Misc, "misc"},
    {FieldArea::Passwords, "passwords"},
    {FieldArea::Atis, "atis"},
    {FieldArea::PttId, "ptt_id"},
    {FieldArea::Dos, "dos"},
    {FieldArea::TestFreq, "test_freq"},
    {FieldArea::Embedded, "embedded"},
    {FieldArea::Factory, "factory"},
}};

constexpr std::array<Section, 4> kRecordLists{{
    {FieldArea::Channel, "channel"},
    {FieldArea::Personality, "personality"},
    {FieldArea::ScanList, "scan list"},
    {FieldArea::AlertTone, "alert tone"},
}};

std::size_t RecordCount(const RadioDataContainer& data, FieldArea area) {
  switch (area) {
    case FieldArea::Channel: return data.channels().size();
    case FieldArea::Personality: return data.personalities().size();
    case FieldArea::ScanList: return data.scanLists().size();
    case FieldArea::AlertTone: return data.alertTones().size();
    default: return 1;
  }
}

void CompareArea(RadioDataContainer& a, RadioDataContainer& b, FieldArea area, std::size_t index,
                 const std::string& record, const LanguageTexts& texts, std::vector<FieldChange>& changes) {
  const auto bytesA = AreaBytes(a, area, index);
  const auto bytesB = AreaBytes(b, area, index);
  if (bytesA.empty() != bytesB.empty()) {
    changes.push_back({record, "record", bytesA.empty() ? "absent" : "present", bytesB.empty() ? "absent" : "present"});
    return;
  }
  for (const FieldDef* field : FieldsOf(area)) {
    // Fields that share a byte differ only in their own bits.
    const auto fieldA = FieldBytes(*field, bytesA);
    const auto fieldB = FieldBytes(*field, bytesB);
    const bool same = field->mask != 0xFF ? ReadField(*field, bytesA) == ReadField(*field, bytesB)
                                          : std::equal(fieldA.begin(), fieldA.end(), fieldB.begin(), fieldB.end());
    if (same) continue;
    changes.push_back(
        {record, std::string(field->key), FieldDumpText(*field, bytesA, texts), FieldDumpText(*field, bytesB, texts)});
  }
}

std::string Hex(std::size_t address) {
  char text[16];
  std::snprintf(text, sizeof text, "0x%04zX", address);
  return text;
}

}  // namespace

ImageComparison CompareImages(const Image& a, const Image& b, const LanguageTexts& texts) {
  ImageComparison comparison;
  auto dataA = std::make_unique<RadioDataContainer>();
  auto dataB = std::make_unique<RadioDataContainer>();
  dataA->image() = a;
  dataB->image() = b;
  dataA->decode();
  dataB->decode();
  for (const Section& s : kSections) CompareArea(*dataA, *dataB, s.area, 0, s.name, texts, comparison.fields);
  for (const Section& list : kRecordLists) {
    const std::size_t count = std::max(RecordCount(*dataA, list.area), RecordCount(*dataB, list.area));
    for (std::size_t i = 0; i < count; ++i)
      CompareArea(*dataA, *dataB, list.area, i, std::string(list.name) + " " + std::to_string(i + 1), texts,
                  comparison.fields);
  }
  for (std::size_t address = 0; address < a.size(); ++address) {
    if (a[address] == b[address]) continue;
    if (!comparison.addresses.empty() && comparison.addresses.back().last + 1 == address) {
      comparison.addresses.back().last = address;
    } else {
      comparison.addresses.push_back({address, address});
    }
  }
  return comparison;
}

void PrintComparison(std::ostream& out, const ImageComparison& comparison) {
  for (const FieldChange& c : comparison.fields)
    out << c.record << ' ' << c.key << ": " << c.a << " -> " << c.b << '\n';
  if (comparison.addresses.empty()) return;
  out << "bytes:";
  for (const AddressRange& r : comparison.addresses)
    out << ' ' << Hex(r.first) << (r.last == r.first ? "" : ".." + Hex(r.last));
  out << '\n';
}

void AddComparisonJson(nlohmann::ordered_json& document, const ImageComparison& comparison) {
  nlohmann::ordered_json fields = nlohmann::ordered_json::array();
  for (const FieldChange& c : comparison.fields)
    fields.push_back({{"record", c.record}, {"field", c.key}, {"a", c.a}, {"b", c.b}});
  nlohmann::ordered_json addresses = nlohmann::ordered_json::array();
  for (const AddressRange& r : comparison.addresses) addresses.push_back({{"first", r.first}, {"last", r.last}});
  document["fields"] = fields;
  document["addresses"] = addresses;
}

}  // namespace vex::cli
