// What `dump` shows, built once and written as text or JSON: the file's
// model state, every channel, personality and scan list, and the settings
// sections, each value as the views show it.
#pragma once

#include "config/language_texts.h"
#include "core/codeplug_header.h"
#include "core/container.h"

#include <ostream>
#include <string>
#include <vector>

namespace vex::cli {

// A value as the views show it; the kind says how JSON types it. A number
// shown as "None" (or empty) is JSON null; a flag is "on" or "off".
struct DumpValue {
  enum class Kind { Text, Number, Flag };
  std::string key;
  std::string text;
  Kind kind = Kind::Text;

  static DumpValue Number(std::string key, std::string text) { return {std::move(key), std::move(text), Kind::Number}; }
  static DumpValue Flag(std::string key, bool on) { return {std::move(key), on ? "on" : "off", Kind::Flag}; }
};

using DumpRow = std::vector<DumpValue>;

// A record list: one row per record.
struct DumpTable {
  std::string name;
  std::vector<DumpRow> rows;
};

// A settings section: one value per field.
struct DumpGroup {
  std::string name;
  std::vector<DumpValue> values;
};

struct DumpReport {
  std::vector<DumpValue> model;
  std::vector<DumpTable> tables;
  std::vector<DumpGroup> settings;
};

DumpReport BuildDumpReport(RadioDataContainer& data, const LanguageTexts& texts, const ModelState& state);
void PrintDumpText(std::ostream& out, const DumpReport& report);
void PrintDumpJson(std::ostream& out, const DumpReport& report);

}  // namespace vex::cli
