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

struct DumpValue {
  std::string key;
  std::string text;
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
