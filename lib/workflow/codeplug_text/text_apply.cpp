// Applying a text: the data made from the base (or from the schema's
// defaults), the text's keys stored over it, encoded, and the bytes no field
// gives taken from the base and then from the text's "unmapped" runs.
#include <yaml-cpp/yaml.h>

#include <memory>

#include "core/container.h"
#include "core/lost_references.h"
#include "core/schema/schema_table.h"
#include "workflow/codeplug_text/codeplug_text.h"
#include "workflow/codeplug_text/header_text.h"
#include "workflow/codeplug_text/image_parts.h"
#include "workflow/codeplug_text/record_text.h"
#include "workflow/codeplug_text/text_lists.h"

namespace vex {
namespace {

using namespace codeplug_text;

template <class Item>
void Rebuild(ItemList<Item>& list, const TextList& kind, const YAML::Node& records, const ValueContext& context,
             bool fromBase, std::vector<TextError>& errors, std::vector<GivenLink>& links) {
  std::vector<std::vector<std::uint8_t>> old;
  if (fromBase)
    for (std::size_t i = 0; i < list.size(); ++i) {
      const auto bytes = list[i].record().span();
      old.emplace_back(bytes.begin(), bytes.end());
    }
  list.clear();
  for (std::size_t i = 0; i < records.size(); ++i) {
    Item* item = list.appendNew();
    if (item == nullptr) return;
    auto bytes = item->record().span();
    if (i < old.size()) {
      std::copy(old[i].begin(), old[i].end(), bytes.begin());
    } else {
      FreshBytes(kind.area, i, bytes);
    }
    StoreEntries(kind.area, i, records[i], context, bytes, std::string(kind.key) + "[" + std::to_string(i + 1) + "]",
                 errors, &links);
  }
}

// The chain of the base's personalities, kept as it is while the text
// leaves the list alone.
void KeepLinks(RadioDataContainer& data, std::vector<GivenLink>& links) {
  static const FieldDef* const kLinks[] = {&SchemaField(FieldArea::Personality, "previous_link"),
                                           &SchemaField(FieldArea::Personality, "next_link")};
  for (std::size_t i = 0; i < data.personalities().size(); ++i)
    for (const FieldDef* link : kLinks)
      links.push_back({i, link, ReadField(*link, data.personalities()[i].record().span())});
}

std::size_t Records(RadioDataContainer& data, FieldArea area) { return AreaRecords(data, area); }

void CheckTopKeys(const YAML::Node& root, std::vector<TextError>& errors) {
  for (const auto& item : root) {
    const std::string key = item.first.IsScalar() ? item.first.Scalar() : std::string();
    bool known = key == "format" || key == "file" || key == "settings" || key == "unmapped";
    for (const TextList& list : kTextLists) known = known || key == list.key;
    if (!known)
      errors.push_back(ErrorAt(item.first, key,
                               "unknown key: the text's keys are format, file, settings, channels, personalities, "
                               "scan_lists, alert_tones and unmapped"));
  }
  if (const YAML::Node format = root["format"]; format && (!format.IsScalar() || format.Scalar() != kTextFormat))
    errors.push_back(ErrorAt(format, "format", "this is not accepted; it takes " + std::string(kTextFormat)));
}

// The list sizes the text gives (or the base keeps), checked against their limits.
bool CountRecords(const YAML::Node& root, bool haveBase, RadioDataContainer& data, std::array<std::size_t, 4>& counts,
                  std::vector<TextError>& errors) {
  const std::size_t before = errors.size();
  for (std::size_t k = 0; k < kTextLists.size(); ++k) {
    const TextList& list = kTextLists[k];
    const YAML::Node records = root[std::string(list.key)];
    if (!records) {
      if (!haveBase)
        errors.push_back({1, 1, std::string(list.key), "missing: without a base the text must give every list"});
      counts[k] = Records(data, list.area);
      continue;
    }
    if (!records.IsSequence() || records.size() < 1 || records.size() > list.most) {
      errors.push_back(ErrorAt(records, std::string(list.key),
                               "a list of 1 to " + std::to_string(list.most) + " records is expected here" +
                                   (records.IsSequence() ? " (it has " + std::to_string(records.size()) + ")" : "")));
      continue;
    }
    counts[k] = records.size();
  }
  return errors.size() == before;
}

void StoreSettings(const YAML::Node& settings, RadioDataContainer& data, const ValueContext& context,
                   std::vector<TextError>& errors) {
  if (!settings || settings.IsNull()) return;
  if (!settings.IsMap()) {
    errors.push_back(ErrorAt(settings, "settings", "a map of the sections is expected here"));
    return;
  }
  for (const auto& item : settings) {
    const std::string name = item.first.IsScalar() ? item.first.Scalar() : std::string();
    const auto area =
        std::find_if(kSectionAreas.begin(), kSectionAreas.end(), [&](FieldArea a) { return AreaOf(a).name == name; });
    if (area == kSectionAreas.end()) {
      errors.push_back(ErrorAt(item.first, "settings." + name, "unknown key: no section has this name"));
      continue;
    }
    StoreEntries(*area, 0, item.second, context, AreaBytes(data, *area), "settings." + name, errors);
  }
}

// The "unmapped" runs: image bytes written as they are where no field lies.
void StoreUnmapped(const YAML::Node& runs, const ByteMask& loose, Image& image, std::vector<TextError>& errors) {
  if (!runs || runs.IsNull()) return;
  if (!runs.IsSequence()) {
    errors.push_back(ErrorAt(runs, "unmapped", "a list of {part, offset, bytes} runs is expected here"));
    return;
  }
  for (std::size_t i = 0; i < runs.size(); ++i) {
    const YAML::Node run = runs[i];
    const std::string path = "unmapped[" + std::to_string(i + 1) + "]";
    const YAML::Node offset = run.IsMap() ? run["offset"] : YAML::Node();
    const YAML::Node bytes = run.IsMap() ? run["bytes"] : YAML::Node();
    const auto hex = bytes && bytes.IsScalar() ? BytesOfHex(bytes.Scalar()) : std::nullopt;
    long first = -1;
    if (offset && offset.IsScalar() && !offset.Scalar().empty() && offset.Scalar().size() <= 5 &&
        std::all_of(offset.Scalar().begin(), offset.Scalar().end(), ::isdigit))
      first = std::stol(offset.Scalar());
    if (!hex || first < 0 || static_cast<std::size_t>(first) + hex->size() > image.size()) {
      errors.push_back(ErrorAt(run, path,
                               "this is not accepted; it takes {part: NAME, offset: N, bytes: HEX} within the " +
                                   std::to_string(image.size()) + "-byte image"));
      continue;
    }
    for (std::size_t k = 0; k < hex->size(); ++k) {
      const std::size_t at = static_cast<std::size_t>(first) + k;
      if (loose[at]) image[at] = static_cast<std::uint8_t>((*hex)[k]);
    }
  }
}

}  // namespace

std::vector<TextError> ApplyCodeplugText(std::string_view text, const CodeplugDocument* base,
                                         const LanguageTexts& english, CodeplugDocument& result,
                                         std::vector<TextError>* warnings) {
  if (text.size() > kMaxCodeplugTextBytes) return {{0, 0, "", "the text is larger than 4 MiB"}};
  YAML::Node root;
  try {
    root = YAML::Load(std::string(text));
  } catch (const YAML::Exception& e) {
    return {{e.mark.line + 1, e.mark.column + 1, "", e.msg}};
  }
  return codeplug_text::ApplyDocumentNode(root, base, english, result, warnings);
}

std::vector<TextError> codeplug_text::ApplyDocumentNode(const YAML::Node& root, const CodeplugDocument* base,
                                                        const LanguageTexts& english, CodeplugDocument& result,
                                                        std::vector<TextError>* warnings) {
  std::vector<TextError> errors;
  if (root.IsNull() && base) {
    result = *base;
    return {};
  }
  if (!root.IsMap()) return {ErrorAt(root, "", "the text must be a map with the keys format, file, settings, ...")};
  try {
    CheckTopKeys(root, errors);
    auto data = std::make_unique<RadioDataContainer>();
    CodeplugDocument out;
    ListSizes baseSizes;
    ByteMask baseLoose{};
    baseLoose.fill(true);
    if (base) {
      out = *base;
      data->image() = base->image;
      data->decode();
      baseLoose = LooseBytes(*data);
      baseSizes = ListSizesOf(*data);
    } else {
      out.header = FreshHeader();
      out.image.fill(layout::kErased);
      data->clearRecords();
      for (FieldArea area : kSectionAreas) ApplyDefaults(area, AreaBytes(*data, area));
    }
    StoreHeader(root["file"], out.header, out.comment, errors);
    if (!base && !(root["file"] && root["file"]["model_id"]) && !(root["file"] && root["file"]["header"]))
      errors.push_back({1, 1, "file.model_id", "missing: without a base the text must name the model"});

    std::array<std::size_t, 4> counts{};
    if (!CountRecords(root, base != nullptr, *data, counts, errors)) return errors;
    const ValueContext context{english, BandLimitsOf(out.header.rangeText()), counts[0], counts[1], counts[2]};

    StoreSettings(root["settings"], *data, context, errors);
    std::vector<GivenLink> links;
    const auto list = [&](std::size_t k) { return root[std::string(kTextLists[k].key)]; };
    if (list(0)) Rebuild(data->channels(), kTextLists[0], list(0), context, base != nullptr, errors, links);
    if (list(1)) {
      Rebuild(data->personalities(), kTextLists[1], list(1), context, base != nullptr, errors, links);
    } else if (base) {
      KeepLinks(*data, links);
    }
    if (list(2)) Rebuild(data->scanLists(), kTextLists[2], list(2), context, base != nullptr, errors, links);
    if (list(3)) Rebuild(data->alertTones(), kTextLists[3], list(3), context, base != nullptr, errors, links);
    if (!errors.empty()) return errors;
    std::vector<TextError> dropped;
    if (base)
      for (const ReferenceChange& change : DropLostReferences(*data, baseSizes))
        dropped.push_back({0, 0, TextPathOf(change.area, change.record) + "." + std::string(change.field->key),
                           LostReferenceText(change)});

    data->passwords().loadTexts();
    data->resolveLinks();
    const Image before = out.image;
    data->encode();
    Image image = data->image();
    const ByteMask loose = LooseBytes(*data);
    // The base's bytes where no field lay before and none lies now; a slot a
    // shorter list frees stays erased.
    for (std::size_t i = 0; i < image.size(); ++i)
      if (loose[i] && baseLoose[i]) image[i] = before[i];
    StoreUnmapped(root["unmapped"], loose, image, errors);
    if (!errors.empty()) return errors;
    for (const GivenLink& link : links) {
      auto slot =
          std::span(image).subspan(layout::kPersonalityArea.offsetOf(link.record), layout::kPersonalityArea.recordSize);
      WriteField(*link.field, slot, link.value);
    }
    out.image = image;
    result = std::move(out);
    if (warnings) *warnings = std::move(dropped);
  } catch (const YAML::Exception& e) {
    errors.push_back({e.mark.line + 1, e.mark.column + 1, "", e.msg});
  }
  return errors;
}

std::string TextErrorLine(const TextError& error) {
  std::string line = std::to_string(error.line) + ":" + std::to_string(error.column) + ": ";
  if (!error.field.empty()) line += error.field + ": ";
  return line + error.message;
}

}  // namespace vex
