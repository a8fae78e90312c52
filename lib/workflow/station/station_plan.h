// A station plan: the base codeplug file every radio starts from and the
// values that differ from radio to radio, as codeplug text fragments (see
// codeplug_text.h) applied onto the base. A fragment may name a placeholder:
// {n} is the radio's sequence number, {serial} its serial number, and
// {NAME} the value of counter NAME for the radio, start + (n - 1) * step,
// with leading zeros up to the counter's width; {{ and }} stand for braces.
//
//   base: fleet.dat
//   counters:
//     atis: {start: 1001, width: 12}
//   every: |
//     settings:
//       atis:
//         atis_code: "{atis}"
//   radios:
//     - number: 3
//       text: |
//         settings:
//           passwords:
//             power_on_password: "1234"
//     - serial: "SN-0042"
//       text: ...
//
// A radio whose serial number a `serial` entry names gets that entry; any
// other radio the entry of its number, if there is one. Both go over `every`.
#pragma once

#include "config/language_texts.h"
#include "core/image_codec.h"
#include "core/text_lookup.h"
#include "workflow/codeplug_text/codeplug_document.h"

#include <filesystem>
#include <string>
#include <vector>

namespace vex {

struct PlanCounter {
  std::string name;
  long start = 1;
  long step = 1;
  int width = 0;
};

// A text fragment, the plan line its first line stands on and the columns
// of indentation the plan takes away from its lines.
struct PlanText {
  std::string text;
  int line = 0;
  int indent = 0;
};

struct PlanRadio {
  int number = 0;      // 0 when the entry names a serial number
  std::string serial;  // "" when it names a number
  PlanText text;
};

struct StationPlan {
  std::filesystem::path base;  // resolved against the plan's directory
  std::vector<PlanCounter> counters;
  PlanText every;
  std::vector<PlanRadio> radios;

  // True when an entry names a serial number, which only a read tells.
  bool needsSerialNumbers() const;
  // The highest number an entry names; 0 without any.
  int highestNumber() const;
};

// Whether the station file is a plan: a .yaml or .yml file.
bool IsPlanFile(const std::filesystem::path& path);

// Reads a plan; "" when it holds, else "FILE:LINE: what is wrong".
std::string LoadStationPlan(const std::filesystem::path& path, StationPlan& plan);
// The same for the text of the plan file at `path`.
std::string ParseStationPlan(const std::string& text, const std::filesystem::path& path, StationPlan& plan);

// The fragments of a radio in the order they apply, placeholders filled.
std::vector<PlanText> PlanTextsFor(const StationPlan& plan, int number, const std::string& serial);

// What one radio of the plan gets: the base document with the radio's
// fragments applied, then validated and encoded as a write does. On failure
// the errors, each "LINE:COLUMN: field: message" with the plan's lines.
struct PlanImage {
  CodeplugDocument document;
  std::vector<std::string> errors;
};
PlanImage MakePlanImage(const StationPlan& plan, const CodeplugDocument& base, int number, const std::string& serial,
                        const LanguageTexts& english, const TextLookup& labels);

}  // namespace vex
