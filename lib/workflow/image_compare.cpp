#include "workflow/image_compare.h"

#include "core/container.h"
#include "core/schema/schema.h"
#include "workflow/codeplug_text/codeplug_text.h"
#include "workflow/field_text.h"

#include <algorithm>
#include <memory>

namespace vex {

namespace {

using A = FieldArea;
constexpr A kSections[] = {A::RadioInfo, A::Keys, A::Misc,     A::Passwords, A::Atis,
                           A::PttId,     A::Dos,  A::TestFreq, A::Embedded,  A::Factory};
constexpr A kRecordLists[] = {A::Channel, A::Personality, A::ScanList, A::AlertTone};

// "scan list 3": the record's area name in words and its number.
std::string RecordName(FieldArea area, std::size_t index) {
  std::string name(AreaOf(area).name);
  std::replace(name.begin(), name.end(), '_', ' ');
  return name + " " + std::to_string(index + 1);
}

void CompareArea(RadioDataContainer& a, RadioDataContainer& b, FieldArea area, std::size_t index,
                 const std::string& record, const LanguageTexts& texts, std::vector<FieldChange>& changes) {
  const auto bytesA = AreaBytes(a, area, index);
  const auto bytesB = AreaBytes(b, area, index);
  const std::string path = TextPathOf(area, index);
  if (bytesA.empty() != bytesB.empty()) {
    changes.push_back(
        {record, "record", bytesA.empty() ? "absent" : "present", bytesB.empty() ? "absent" : "present", path});
    return;
  }
  for (const FieldDef* field : ListedFieldsOf(area)) {
    // Fields that share a byte differ only in their own bits.
    const auto fieldA = FieldBytes(*field, bytesA);
    const auto fieldB = FieldBytes(*field, bytesB);
    const bool same = field->mask != 0xFF ? ReadField(*field, bytesA) == ReadField(*field, bytesB)
                                          : std::equal(fieldA.begin(), fieldA.end(), fieldB.begin(), fieldB.end());
    if (same) continue;
    changes.push_back({record, std::string(field->key), FieldDumpText(*field, bytesA, texts),
                       FieldDumpText(*field, bytesB, texts), path + "." + std::string(field->key)});
  }
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
  for (const FieldArea area : kSections)
    CompareArea(*dataA, *dataB, area, 0, std::string(AreaOf(area).name), texts, comparison.fields);
  for (const FieldArea area : kRecordLists) {
    const std::size_t count = std::max(AreaRecords(*dataA, area), AreaRecords(*dataB, area));
    for (std::size_t i = 0; i < count; ++i)
      CompareArea(*dataA, *dataB, area, i, RecordName(area, i), texts, comparison.fields);
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

}  // namespace vex
