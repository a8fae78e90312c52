#include "workflow/station/station_plan.h"

#include "base/file_replace.h"
#include "core/container.h"
#include "core/invalid_log.h"
#include "workflow/codeplug_text/codeplug_text.h"

#include <yaml-cpp/yaml.h>

#include <algorithm>
#include <cctype>
#include <map>
#include <memory>
#include <set>

namespace vex {

namespace {

constexpr int kMaxNumber = 100000;
constexpr int kMaxWidth = 16;
constexpr long kMaxCounter = 999'999'999'999'999L;

// Thrown inside the loader with the plan line (1-based) it concerns.
struct PlanError {
  int line;
  std::string message;
};

[[noreturn]] void Fail(const YAML::Node& node, const std::string& message) {
  throw PlanError{node.Mark().line + 1, message};
}

bool IsName(const std::string& name) {
  return !name.empty() && name.size() <= 32 && (std::islower(static_cast<unsigned char>(name[0])) != 0) &&
         std::all_of(name.begin(), name.end(), [](char c) {
           return std::islower(static_cast<unsigned char>(c)) != 0 ||
                  std::isdigit(static_cast<unsigned char>(c)) != 0 || c == '_';
         });
}

long Number(const YAML::Node& node, long lowest, long highest, const std::string& what) {
  long value = 0;
  if (!node.IsScalar() || !YAML::convert<long>::decode(node, value) || value < lowest || value > highest)
    Fail(node, what + " is a whole number from " + std::to_string(lowest) + " to " + std::to_string(highest));
  return value;
}

// Replaces {name} by its value; an unknown name or a lone brace is an error
// (the name, or "{" / "}"), given back through `bad`.
std::string Fill(const std::string& text, const std::map<std::string, std::string>& values, std::string* bad) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if ((c == '{' || c == '}') && i + 1 < text.size() && text[i + 1] == c) {
      out += c;
      ++i;
      continue;
    }
    if (c == '}') {
      if (bad != nullptr && bad->empty()) *bad = "}";
      continue;
    }
    if (c != '{') {
      out += c;
      continue;
    }
    const std::size_t end = text.find('}', i + 1);
    const std::string name = end == std::string::npos ? std::string() : text.substr(i + 1, end - i - 1);
    const auto value = values.find(name);
    if (value == values.end()) {
      if (bad != nullptr && bad->empty()) *bad = "{" + name + (end == std::string::npos ? "" : "}");
      if (end == std::string::npos) break;
      i = end;
      continue;
    }
    out += value->second;
    i = end;
  }
  return out;
}

std::map<std::string, std::string> Values(const StationPlan& plan, int number, const std::string& serial) {
  std::map<std::string, std::string> values{{"n", std::to_string(number)}, {"serial", serial}};
  for (const PlanCounter& counter : plan.counters) {
    std::string digits = std::to_string(counter.start + (number - 1) * counter.step);
    const bool negative = digits.front() == '-';
    if (negative) digits.erase(0, 1);
    if (static_cast<int>(digits.size()) < counter.width)
      digits.insert(0, static_cast<std::size_t>(counter.width) - digits.size(), '0');
    values[counter.name] = (negative ? "-" : "") + digits;
  }
  return values;
}

// A fragment: a text whose first line is on the plan line after a block
// indicator (| or >), else on the node's own line.
PlanText Fragment(const YAML::Node& node, const std::vector<std::string>& lines, const std::string& what) {
  if (!node.IsScalar()) Fail(node, what + " is a codeplug text (a block after |)");
  const std::size_t line = static_cast<std::size_t>(node.Mark().line);
  const std::size_t column = static_cast<std::size_t>(node.Mark().column);
  const bool block =
      line < lines.size() && column < lines[line].size() && (lines[line][column] == '|' || lines[line][column] == '>');
  PlanText text{node.Scalar(), static_cast<int>(line) + (block ? 2 : 1), 0};
  if (block && line + 1 < lines.size())
    text.indent = static_cast<int>(
        lines[line + 1].find_first_not_of(' ') == std::string::npos ? 0 : lines[line + 1].find_first_not_of(' '));
  YAML::Node root;
  try {
    root = YAML::Load(text.text);
  } catch (const YAML::Exception& e) {
    throw PlanError{text.line + e.mark.line, what + ": " + e.msg};
  }
  if (root.IsMap() && (root["file"] || root["format"]))
    Fail(node, what + " may not name file: or format:; every radio keeps the base file's model and range");
  return text;
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t at = 0;
  for (std::size_t end; (end = text.find('\n', at)) != std::string::npos; at = end + 1)
    lines.push_back(text.substr(at, end - at));
  lines.push_back(text.substr(at));
  return lines;
}

void CheckPlaceholders(const StationPlan& plan, const PlanText& text, const std::string& what) {
  std::string bad;
  Fill(text.text, Values(plan, 1, ""), &bad);
  if (!bad.empty())
    throw PlanError{text.line, what + ": " + bad + " is no placeholder ({n}, {serial} or a counter's name; {{ for {)"};
}

void LoadCounters(const YAML::Node& node, StationPlan& plan) {
  if (!node.IsMap()) Fail(node, "counters: a map of names to {start, step, width}");
  for (const auto& entry : node) {
    PlanCounter counter;
    counter.name = entry.first.Scalar();
    if (!IsName(counter.name) || counter.name == "n" || counter.name == "serial")
      Fail(entry.first, "a counter's name is lower-case letters, digits and _, not n or serial");
    const YAML::Node& values = entry.second;
    if (!values.IsMap()) Fail(values, "counter " + counter.name + ": give {start: N}, optionally step: and width:");
    for (const auto& key : values) {
      const std::string k = key.first.Scalar();
      if (k == "start") {
        counter.start = Number(key.second, 0, kMaxCounter, "start");
      } else if (k == "step") {
        counter.step = Number(key.second, -1000000, 1000000, "step");
      } else if (k == "width") {
        counter.width = static_cast<int>(Number(key.second, 0, kMaxWidth, "width"));
      } else {
        Fail(key.first, "counter " + counter.name + ": " + k + " is not start, step or width");
      }
    }
    plan.counters.push_back(counter);
  }
}

void LoadRadios(const YAML::Node& node, const std::vector<std::string>& lines, StationPlan& plan) {
  if (!node.IsSequence()) Fail(node, "radios: a list of entries with number: or serial:, and text:");
  std::set<int> numbers;
  std::set<std::string> serials;
  for (const YAML::Node& entry : node) {
    if (!entry.IsMap()) Fail(entry, "a radio's entry has number: or serial:, and text:");
    PlanRadio radio;
    bool hasText = false;
    for (const auto& key : entry) {
      const std::string k = key.first.Scalar();
      if (k == "number") {
        radio.number = static_cast<int>(Number(key.second, 1, kMaxNumber, "number"));
        if (!numbers.insert(radio.number).second)
          Fail(key.second, "radio " + std::to_string(radio.number) + " is listed twice");
      } else if (k == "serial") {
        if (!key.second.IsScalar() || key.second.Scalar().empty() || key.second.Scalar().size() > 16)
          Fail(key.second, "serial: 1 to 16 characters");
        radio.serial = key.second.Scalar();
        if (!serials.insert(radio.serial).second) Fail(key.second, "serial " + radio.serial + " is listed twice");
      } else if (k == "text") {
        radio.text = Fragment(key.second, lines, "text");
        hasText = true;
      } else {
        Fail(key.first, k + " is not number, serial or text");
      }
    }
    if ((radio.number == 0) == radio.serial.empty()) Fail(entry, "a radio's entry has either number: or serial:");
    if (!hasText) Fail(entry, "a radio's entry needs text:");
    plan.radios.push_back(radio);
  }
}

}  // namespace

bool StationPlan::needsSerialNumbers() const {
  return std::any_of(radios.begin(), radios.end(), [](const PlanRadio& r) { return !r.serial.empty(); });
}

int StationPlan::highestNumber() const {
  int highest = 0;
  for (const PlanRadio& radio : radios) highest = std::max(highest, radio.number);
  return highest;
}

bool IsPlanFile(const std::filesystem::path& path) {
  const std::string extension = path.extension().string();
  return extension == ".yaml" || extension == ".yml";
}

std::string LoadStationPlan(const std::filesystem::path& path, StationPlan& plan) {
  std::string text;
  if (!ReadWholeFile(path, kMaxCodeplugTextBytes + 1, text)) return path.string() + ": cannot be read";
  if (text.size() > kMaxCodeplugTextBytes) return path.string() + ": too large for a plan";
  return ParseStationPlan(text, path, plan);
}

std::string ParseStationPlan(const std::string& text, const std::filesystem::path& path, StationPlan& plan) {
  const std::vector<std::string> lines = Lines(text);
  StationPlan loaded;
  try {
    const YAML::Node root = YAML::Load(text);
    if (!root.IsMap()) Fail(root, "a plan is a map with base:, and optionally counters:, every: and radios:");
    for (const auto& key : root) {
      const std::string k = key.first.Scalar();
      if (k == "base") {
        if (!key.second.IsScalar() || key.second.Scalar().empty()) Fail(key.second, "base: the codeplug file's name");
        loaded.base = path.parent_path() / key.second.Scalar();
      } else if (k == "counters") {
        LoadCounters(key.second, loaded);
      } else if (k == "every") {
        loaded.every = Fragment(key.second, lines, "every");
      } else if (k == "radios") {
        LoadRadios(key.second, lines, loaded);
      } else {
        Fail(key.first, k + " is not base, counters, every or radios");
      }
    }
    if (loaded.base.empty()) Fail(root, "the plan names no base: file");
    CheckPlaceholders(loaded, loaded.every, "every");
    for (const PlanRadio& radio : loaded.radios) CheckPlaceholders(loaded, radio.text, "text");
  } catch (const YAML::Exception& e) {
    return path.string() + ":" + std::to_string(e.mark.line + 1) + ": " + e.msg;
  } catch (const PlanError& e) {
    return path.string() + ":" + std::to_string(e.line) + ": " + e.message;
  }
  plan = std::move(loaded);
  return {};
}

std::vector<PlanText> PlanTextsFor(const StationPlan& plan, int number, const std::string& serial) {
  const auto values = Values(plan, number, serial);
  std::vector<PlanText> texts;
  if (!plan.every.text.empty())
    texts.push_back({Fill(plan.every.text, values, nullptr), plan.every.line, plan.every.indent});
  const auto bySerial = std::find_if(plan.radios.begin(), plan.radios.end(),
                                     [&](const PlanRadio& r) { return !serial.empty() && r.serial == serial; });
  const auto byNumber =
      std::find_if(plan.radios.begin(), plan.radios.end(), [&](const PlanRadio& r) { return r.number == number; });
  const auto own = bySerial != plan.radios.end() ? bySerial : byNumber;
  if (own != plan.radios.end())
    texts.push_back({Fill(own->text.text, values, nullptr), own->text.line, own->text.indent});
  return texts;
}

PlanImage MakePlanImage(const StationPlan& plan, const CodeplugDocument& base, int number, const std::string& serial,
                        const LanguageTexts& english, const TextLookup& labels) {
  PlanImage made;
  made.document = base;
  for (const PlanText& text : PlanTextsFor(plan, number, serial)) {
    CodeplugDocument next;
    for (TextError error : ApplyCodeplugText(text.text, &made.document, english, next)) {
      if (error.line > 0) {
        error.line += text.line - 1;
        error.column += text.indent;
      }
      made.errors.push_back(TextErrorLine(error));
    }
    if (!made.errors.empty()) return made;
    made.document = std::move(next);
  }
  // Checked and encoded as the write of a file is.
  auto data = std::make_unique<RadioDataContainer>();
  data->image() = made.document.image;
  data->decode();
  InvalidLog findings;
  if (data->validate(findings, labels) > 0) {
    for (const InvalidLogRow& row : findings.rows()) made.errors.push_back(row.location + ": " + row.label);
    return made;
  }
  data->encode();
  made.document.image = data->image();
  return made;
}

}  // namespace vex
