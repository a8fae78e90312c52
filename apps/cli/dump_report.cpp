#include "dump_fields.h"
#include "json_output.h"

#include <algorithm>
#include <bit>

#include "base/number_text.h"
#include "base/range_entry.h"
#include "core/channel_encoding.h"
#include "workflow/field_text.h"

namespace vex::cli {

namespace {

DumpValue::Kind DumpKind(const FieldDef& field) {
  switch (field.kind) {
    case FieldKind::Flag:
    case FieldKind::InvertedFlag: return DumpValue::Kind::Flag;
    case FieldKind::Number:
    case FieldKind::Frequency:
    case FieldKind::ScanListNumber:
    case FieldKind::ChannelNumber:
    case FieldKind::PersonalityIndex: return DumpValue::Kind::Number;
    default: return DumpValue::Kind::Text;
  }
}

}  // namespace

std::vector<DumpValue> AreaValues(FieldArea area, std::span<const std::uint8_t> bytes, const LanguageTexts& texts) {
  std::vector<DumpValue> values;
  for (const FieldDef* field : ListedFieldsOf(area))
    values.push_back({std::string(field->key), FieldDumpText(*field, bytes, texts), DumpKind(*field)});
  return values;
}

DumpReport BuildDumpReport(RadioDataContainer& data, const LanguageTexts& texts, const ModelState& state) {
  DumpReport report;
  const RangeEdges edges = ParseRangeText(state.freqRange);
  report.model = {
      {"model_id", state.modelId},
      {"model_name", state.modelName},
      {"range", state.freqRange},
      DumpValue::Number("range_low", std::to_string(edges.lower)),
      DumpValue::Number("range_high", std::to_string(edges.upper)),
      DumpValue::Number("signalling", std::to_string(state.signal)),
      {"data_version", state.dataVersion},
  };
  report.tables = RecordTables(data, texts);
  report.settings = SettingsGroups(data, texts);
  return report;
}

namespace {

void PrintValues(std::ostream& out, const std::vector<DumpValue>& values) {
  std::size_t width = 0;
  for (const DumpValue& v : values) width = std::max(width, v.key.size());
  for (const DumpValue& v : values)
    out << "  " << v.key << std::string(width - v.key.size() + 2, ' ') << v.text << '\n';
}

// A table with one column per key of the first row.
void PrintTable(std::ostream& out, const DumpTable& table) {
  out << table.name << ":\n";
  if (table.rows.empty()) return;
  const DumpRow& first = table.rows.front();
  std::vector<std::size_t> widths;
  for (std::size_t c = 0; c < first.size(); ++c) {
    std::size_t w = first[c].key.size();
    for (const DumpRow& row : table.rows) {
      if (c < row.size()) w = std::max(w, row[c].text.size());
    }
    widths.push_back(w);
  }
  auto cell = [&](const std::string& text, std::size_t c) {
    out << text;
    if (c + 1 < widths.size()) out << std::string(widths[c] - std::min(widths[c], text.size()) + 2, ' ');
  };
  out << "  ";
  for (std::size_t c = 0; c < first.size(); ++c) cell(first[c].key, c);
  out << '\n';
  for (const DumpRow& row : table.rows) {
    out << "  ";
    for (std::size_t c = 0; c < row.size() && c < widths.size(); ++c) cell(row[c].text, c);
    out << '\n';
  }
}

// Numbers keep the digits the text shows (446.00625 stays 446.00625); a
// number shown as "None" is null.
nlohmann::ordered_json JsonValue(const DumpValue& v) {
  switch (v.kind) {
    case DumpValue::Kind::Flag: return v.text == "on";
    case DumpValue::Kind::Number: {
      if (v.text.empty() || v.text == kNoFrequencyText) return nullptr;
      std::size_t used = 0;
      const auto whole = ParseLeadingLong(v.text, &used);
      if (whole && used == v.text.size()) return *whole;
      if (const auto real = ParseLeadingReal(v.text)) return *real;
      return v.text;
    }
    case DumpValue::Kind::Text: break;
  }
  return v.text;
}

nlohmann::ordered_json JsonValues(const std::vector<DumpValue>& values) {
  nlohmann::ordered_json object = nlohmann::ordered_json::object();
  for (const DumpValue& v : values) object[v.key] = JsonValue(v);
  return object;
}

}  // namespace

void PrintDumpText(std::ostream& out, const DumpReport& report) {
  out << "model:\n";
  PrintValues(out, report.model);
  for (const DumpTable& table : report.tables) {
    out << '\n';
    PrintTable(out, table);
  }
  for (const DumpGroup& group : report.settings) {
    out << '\n' << group.name << ":\n";
    PrintValues(out, group.values);
  }
}

void PrintDumpJson(std::ostream& out, const DumpReport& report) {
  nlohmann::ordered_json json = JsonDocument();
  json["model"] = JsonValues(report.model);
  for (const DumpTable& table : report.tables) {
    nlohmann::ordered_json rows = nlohmann::ordered_json::array();
    for (const DumpRow& row : table.rows) rows.push_back(JsonValues(row));
    json[table.name] = rows;
  }
  nlohmann::ordered_json settings = nlohmann::ordered_json::object();
  for (const DumpGroup& group : report.settings) settings[group.name] = JsonValues(group.values);
  json["settings"] = settings;
  PrintJson(out, json);
}

}  // namespace vex::cli
