// The JSON Schema of the codeplug text, made from the memory schema: every
// section and record kind with its fields, each field's value in the form
// export writes and apply reads, and the list limits. Editors that read JSON
// Schema (yaml-language-server) complete and check the texts with it.
#include <nlohmann/json.hpp>

#include <algorithm>
#include <bit>
#include <set>

#include "config/language_texts.h"
#include "core/channel_encoding.h"
#include "core/codeplug_format.h"
#include "core/image_layout.h"
#include "core/record_limits.h"
#include "workflow/codeplug_text/codeplug_text.h"
#include "workflow/codeplug_text/field_values.h"
#include "workflow/codeplug_text/header_text.h"
#include "workflow/codeplug_text/record_text.h"
#include "workflow/codeplug_text/text_lists.h"
#include "workflow/field_text.h"

namespace vex {
namespace {

using Json = nlohmann::ordered_json;
using K = FieldKind;
using namespace codeplug_text;

constexpr const char* kPrintable = "^[ -~]*$";

std::string HexPattern(std::size_t bytes) { return "^([0-9A-Fa-f]{2}){" + std::to_string(bytes) + "}$"; }

Json HexText(std::size_t bytes) { return {{"type", "string"}, {"pattern", HexPattern(bytes)}}; }

Json WholeNumber(long first, long last) { return {{"type", "integer"}, {"minimum", first}, {"maximum", last}}; }

Json NullOr(Json value) { return {{"anyOf", Json::array({Json{{"type", "null"}}, std::move(value)})}}; }

long Largest(const FieldDef& field) {
  if (field.width == 1) return field.mask >> std::countr_zero(static_cast<unsigned>(field.mask));
  return field.width >= 4 ? 0xFFFFFFFFL : (1L << (8 * field.width)) - 1;
}

// An option text as the YAML reader gives it back: export writes the texts
// that are numbers unquoted, so they read as numbers.
Json OptionValue(const std::string& text) {
  const bool negative = text.starts_with('-');
  std::string digits = text.substr(negative ? 1 : 0);
  const std::size_t point = digits.find('.');
  const bool number = !digits.empty() && digits.find_first_not_of("0123456789.") == std::string::npos &&
                      point == digits.rfind('.') && point != 0 && point + 1 != digits.size();
  if (!number) return text;
  // JSON writes no leading zeros.
  while (digits.size() > 1 && digits[0] == '0' && digits[1] != '.') digits.erase(0, 1);
  return Json::parse((negative ? "-" : "") + digits);
}

Json OptionValues(const FieldDef& field, const ValueContext& context) {
  Json values = Json::array();
  std::set<std::string> seen;
  for (const auto& text : context.optionTexts(field))
    if (text && seen.insert(*text).second) values.push_back(OptionValue(*text));
  return {{"enum", values}};
}

Json ValueOf(const FieldDef& field, const ValueContext& context) {
  if (UsesOptionList(field)) return OptionValues(field, context);
  switch (field.kind) {
    case K::Flag:
    case K::InvertedFlag: return {{"type", "boolean"}};
    case K::PersonalityIndex: return WholeNumber(1, static_cast<long>(kMostPersonalities));
    case K::ScanListNumber: return NullOr(WholeNumber(1, static_cast<long>(kMostScanLists)));
    case K::ChannelNumber: return NullOr(WholeNumber(1, static_cast<long>(kMostChannels)));
    case K::Frequency:
    case K::TestFrequency:
      return NullOr({{"type", "number"}, {"exclusiveMinimum", 0}, {"maximum", 9999.99999},
                     {"description", "MHz, at most five decimals, on a 5, 6.25, 10 or 12.5 kHz raster"}});
    case K::ToneWord:
      return {{"anyOf", Json::array({Json{{"type", "null"}},
                                     Json{{"type", "number"},
                                          {"minimum", kCtcssMin / 10.0},
                                          {"maximum", kCtcssMax / 10.0},
                                          {"description", "CTCSS tone in Hz"}},
                                     Json{{"type", "string"},
                                          {"pattern", "^[Dd][0-7]{1,3}[NnIi]$"},
                                          {"description", "CDCSS code, N normal or I inverted"}}})}};
    case K::Text:
      return NullOr({{"type", "string"}, {"maxLength", field.width}, {"pattern", kPrintable}});
    case K::Bytes:
    case K::HexNumber: return HexText(field.width);
    case K::TimeStamp:
      return {{"type", "string"},
              {"pattern", "^20[0-9]{2}-[01][0-9]-[0-3][0-9] [0-2][0-9]:[0-5][0-9]:[0-5][0-9]$"}};
    default: return WholeNumber(0, Largest(field));
  }
}

// Every field may also be given as its own bits, {raw: HEX}.
Json RawBits(const FieldDef& field) {
  return {{"type", "object"},
          {"properties", {{"raw", HexText(field.width)}}},
          {"required", Json::array({"raw"})},
          {"additionalProperties", false}};
}

std::string Caption(const FieldDef& field, const LanguageTexts& english) {
  std::string caption = field.label ? english.labelText(field.label) : "";
  std::erase(caption, '&');
  while (!caption.empty() && (caption.back() == ':' || caption.back() == ' ')) caption.pop_back();
  return caption;
}

Json AreaMap(FieldArea area, const ValueContext& context) {
  Json properties = Json::object();
  properties[kRawKey] = {{"description", "the whole record's bytes, the start the fields are stored onto"}};
  properties[kRawKey].update(HexText(AreaOf(area).size));
  for (const FieldDef* field : FieldsOf(area)) {
    if (!IsTextField(*field)) continue;
    Json entry = {{"anyOf", Json::array({ValueOf(*field, context), RawBits(*field)})}};
    if (const std::string caption = Caption(*field, context.texts); !caption.empty()) entry["title"] = caption;
    properties[std::string(field->key)] = std::move(entry);
  }
  return {{"type", "object"}, {"properties", properties}, {"additionalProperties", false}};
}

Json FileMap() {
  const Json headerText = {{"type", "string"}, {"maxLength", codeplug::kTextFieldSize}, {"pattern", kPrintable}};
  return {{"type", "object"},
          {"properties",
           {{"header", HexText(codeplug::kHeaderSize)},
            {"model_id", headerText},
            {"model_name", headerText},
            {"version_a", headerText},
            {"version_b", headerText},
            {"range", {{"type", "string"}, {"pattern", "^[1-9][0-9]{0,3}-[1-9][0-9]{0,3}$"}}},
            {"range_flags", WholeNumber(0, 255)},
            {"signalling", WholeNumber(0, 255)},
            {"comment", {{"type", "string"}, {"maxLength", kMaxCommentBytes}}},
            {"comment_hex", {{"type", "string"}, {"pattern", "^([0-9A-Fa-f]{2})*$"}}}}},
          {"additionalProperties", false}};
}

Json UnmappedList() {
  return {{"type", "array"},
          {"items",
           {{"type", "object"},
            {"properties",
             {{"part", {{"type", "string"}}},
              {"offset", WholeNumber(0, static_cast<long>(layout::kImageSize) - 1)},
              {"bytes", {{"type", "string"}, {"pattern", "^([0-9A-Fa-f]{2})+$"}}}}},
            {"required", Json::array({"offset", "bytes"})}}}};
}

}  // namespace

std::string CodeplugTextSchema(const LanguageTexts& english) {
  const ValueContext context(english, BandLimits{}, kMostChannels, kMostPersonalities, kMostScanLists);
  Json settings = Json::object();
  for (FieldArea area : kSectionAreas) settings[std::string(AreaOf(area).name)] = AreaMap(area, context);

  Json properties = Json::object();
  properties["format"] = {{"const", std::string(kTextFormat)}};
  properties["file"] = FileMap();
  properties["settings"] = {{"type", "object"}, {"properties", settings}, {"additionalProperties", false}};
  for (const TextList& list : kTextLists) {
    properties[std::string(list.key)] = {{"description", std::string(list.comment)},
                                         {"type", "array"},
                                         {"minItems", 1},
                                         {"maxItems", list.most},
                                         {"items", AreaMap(list.area, context)}};
  }
  properties["unmapped"] = UnmappedList();

  const Json schema = {{"$schema", "http://json-schema.org/draft-07/schema#"},
                       {"title", "vexprog codeplug text"},
                       {"description",
                        "The whole content of one codeplug file, or the part of it a text applies onto a base."},
                       {"type", "object"},
                       {"properties", properties},
                       {"additionalProperties", false}};
  return schema.dump(2) + "\n";
}

}  // namespace vex
