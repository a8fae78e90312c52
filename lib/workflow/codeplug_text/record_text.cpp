#include "workflow/codeplug_text/record_text.h"

#include <algorithm>
#include <set>

#include "core/new_channel.h"
#include "core/records.h"

namespace vex::codeplug_text {
namespace {

bool IsLink(const FieldDef& field) {
  return field.area == FieldArea::Personality && (field.key == "previous_link" || field.key == "next_link");
}

// The link the encoder writes into record `index` of `count`.
long ChainLink(const FieldDef& field, std::size_t index, std::size_t count) {
  const std::size_t linked = std::min(count, layout::kPersonalityArea.maxDecoded);
  if (linked == 0 || index >= linked) return -1;
  const std::size_t other = field.key == "previous_link" ? (index + linked - 1) % linked : (index + 1) % linked;
  return static_cast<long>(layout::kPersonalityArea.offsetOf(other));
}

// The frequency field whose raster `step` holds, or null.
const FieldDef* FrequencyOfStep(const FieldDef& step) {
  if (step.kind != FieldKind::StepCode) return nullptr;
  for (const FieldDef* field : FieldsOf(step.area))
    if (StepFieldOf(*field) == &step) return field;
  return nullptr;
}

std::string Shown(const YAML::Node& value) {
  if (value.IsScalar()) return value.Scalar();
  if (value.IsNull()) return "null";
  return value.IsMap() ? "this map" : "this list";
}

}  // namespace

TextError ErrorAt(const YAML::Node& node, std::string field, std::string message) {
  const YAML::Mark mark = node.Mark();
  return {mark.line + 1, mark.column + 1, std::move(field), std::move(message)};
}

void FreshBytes(FieldArea area, std::size_t index, std::span<std::uint8_t> bytes) {
  ApplyDefaults(area, bytes);
  if (area == FieldArea::Channel && bytes.size() == layout::kChannelArea.recordSize) {
    ChannelRecord record;
    std::copy(bytes.begin(), bytes.end(), record.bytes.begin());
    InitNewChannel(record, index);
    std::copy(record.bytes.begin(), record.bytes.end(), bytes.begin());
  }
}

std::vector<Entry> ExportEntries(FieldArea area, std::size_t index, std::span<const std::uint8_t> bytes,
                                 const ValueContext& context) {
  std::vector<Entry> entries;
  for (const FieldDef* field : FieldsOf(area)) {
    if (!IsTextField(*field)) continue;
    if (const FieldDef* frequency = FrequencyOfStep(*field);
        frequency && ReadField(*field, bytes) == StepCodeOf(*frequency, bytes))
      continue;
    if (IsLink(*field) && ReadField(*field, bytes) == ChainLink(*field, index, context.personalities)) continue;
    if (auto value = ShowValue(*field, bytes, context)) {
      entries.push_back({std::string(field->key), std::move(*value), false});
    } else {
      entries.push_back({std::string(field->key), {RawHex(*field, bytes), ValueText::Style::Quoted}, true});
    }
  }
  std::vector<std::uint8_t> rebuilt(bytes.size());
  FreshBytes(area, index, rebuilt);
  std::vector<TextError> errors;
  StoreEntries(area, index, NodeOfEntries(entries), context, rebuilt, "", errors);
  if (!errors.empty() || !std::equal(rebuilt.begin(), rebuilt.end(), bytes.begin(), bytes.end()))
    entries.insert(entries.begin(), Entry{kRawKey, {HexOf(bytes), ValueText::Style::Quoted}, true});
  return entries;
}

YAML::Node NodeOfEntries(const std::vector<Entry>& entries) {
  YAML::Node map(YAML::NodeType::Map);
  for (const Entry& entry : entries) {
    if (entry.raw && entry.key != kRawKey) {
      YAML::Node raw(YAML::NodeType::Map);
      raw["raw"] = entry.value.text;
      map[entry.key] = raw;
    } else if (entry.value.style == ValueText::Style::Null) {
      map[entry.key] = YAML::Node(YAML::NodeType::Null);
    } else {
      map[entry.key] = entry.value.text;
    }
  }
  return map;
}

void StoreEntries(FieldArea area, std::size_t index, const YAML::Node& map, const ValueContext& context,
                  std::span<std::uint8_t> bytes, const std::string& path, std::vector<TextError>& errors,
                  std::vector<GivenLink>* links) {
  if (!map || map.IsNull()) return;
  if (!map.IsMap()) {
    errors.push_back(ErrorAt(map, path, "a map of field names and values is expected here"));
    return;
  }
  const std::string prefix = path.empty() ? "" : path + ".";
  if (const YAML::Node raw = map[kRawKey]) {
    const auto whole = raw.IsScalar() ? BytesOfHex(raw.Scalar()) : std::nullopt;
    if (!whole || whole->size() != bytes.size()) {
      errors.push_back(ErrorAt(raw, prefix + kRawKey,
                               "the whole record as exactly " + std::to_string(2 * bytes.size()) +
                                   " hexadecimal digits"));
      return;
    }
    std::transform(whole->begin(), whole->end(), bytes.begin(), [](char c) { return static_cast<std::uint8_t>(c); });
  }
  std::set<const FieldDef*> given;
  for (const auto& item : map) {
    const std::string key = item.first.IsScalar() ? item.first.Scalar() : std::string();
    if (key == kRawKey) continue;
    const FieldDef* field = FindField(area, key);
    if (field == nullptr || !IsTextField(*field)) {
      errors.push_back(ErrorAt(item.first, prefix + key, "unknown key: " + std::string(AreaOf(area).name) +
                                                             " has no field of this name"));
      continue;
    }
    const std::string problem = StoreValue(*field, item.second, context, bytes);
    if (!problem.empty()) {
      errors.push_back(ErrorAt(item.second, prefix + key, Shown(item.second) + " is not accepted; it takes " + problem));
      continue;
    }
    given.insert(field);
    if (links && IsLink(*field)) links->push_back({index, field, ReadField(*field, bytes)});
  }
  // A frequency given without its raster code takes the code of its raster.
  for (const FieldDef* field : given)
    if (const FieldDef* step = StepFieldOf(*field); step && !given.contains(step))
      WriteField(*step, bytes, StepCodeOf(*field, bytes));
}

}  // namespace vex::codeplug_text
