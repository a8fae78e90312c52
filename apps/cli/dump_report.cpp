#include "dump_fields.h"
#include "json_writer.h"

#include <algorithm>
#include <bit>

#include "workflow/field_text.h"

namespace vex::cli {

std::string FieldDumpText(const FieldSpec& field, std::span<const std::uint8_t> bytes, const LanguageTexts& texts) {
  const long raw = ReadField(field, bytes);
  switch (field.kind) {
    case FieldKind::Flag: return raw != 0 ? "on" : "off";
    case FieldKind::InvertedFlag: return raw == 0 ? "on" : "off";
    case FieldKind::ListNumber:
      if (raw == 0) return "None";
      break;
    default: break;
  }
  if (UsesOptionList(field)) return FieldOptionText(field, raw, texts).value_or(std::to_string(raw));
  return PlainFieldText(field, bytes);
}

std::vector<DumpValue> AreaValues(FieldArea area, std::span<const std::uint8_t> bytes, const LanguageTexts& texts) {
  std::vector<DumpValue> values;
  for (const FieldSpec* field : FieldsOf(area))
    values.push_back({std::string(field->key), FieldDumpText(*field, bytes, texts)});
  return values;
}

DumpReport BuildDumpReport(RadioDataContainer& data, const LanguageTexts& texts, const ModelState& state) {
  DumpReport report;
  report.model = {
      {"model_id", state.modelId},         {"model_name", state.modelName},
      {"range", state.freqRange},          {"signalling", std::to_string(state.signal)},
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

void WriteValues(JsonWriter& json, const std::vector<DumpValue>& values) {
  json.beginObject();
  for (const DumpValue& v : values) json.field(v.key, v.text);
  json.endObject();
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
  JsonWriter json(out);
  json.beginObject().key("model");
  WriteValues(json, report.model);
  for (const DumpTable& table : report.tables) {
    json.key(table.name).beginArray();
    for (const DumpRow& row : table.rows) WriteValues(json, row);
    json.endArray();
  }
  json.key("settings").beginObject();
  for (const DumpGroup& group : report.settings) {
    json.key(group.name);
    WriteValues(json, group.values);
  }
  json.endObject().endObject();
}

}  // namespace vex::cli
