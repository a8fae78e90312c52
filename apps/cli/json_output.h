// JSON output of the commands: one document per run, two spaces of
// indentation, numbers as numbers and flags as booleans. Texts from codeplug
// files and radios are bytes; what is not valid UTF-8 is written as U+FFFD so
// that every parser accepts the document.
//
// Format version 2 (the first with "format_version"): numbers and flags are
// typed, info and dump share the model keys (model_id, model_name, range,
// range_low, range_high, signalling, data_version). Version 1 wrote every
// value of dump as a string and had no version key.
#pragma once

#include <nlohmann/json.hpp>

#include <ostream>

namespace vex::cli {

inline constexpr int kJsonFormatVersion = 2;

// A top-level object carrying the format version.
nlohmann::ordered_json JsonDocument();
void PrintJson(std::ostream& out, const nlohmann::ordered_json& document);

}  // namespace vex::cli
