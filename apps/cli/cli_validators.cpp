#include "cli_validators.h"

#include "base/range_entry.h"
#include "core/chirp_csv.h"
#include "link/port_map.h"
#include "workflow/report/report_builder.h"

#include <CLI/CLI.hpp>

#include <algorithm>

namespace vex::cli {

CLI::Validator PortName() {
  return CLI::Validator(
      [](std::string& text) -> std::string {
        if (ResolvePortName(text, nullptr).status != NamedPort::Status::NotAPort) return {};
        return "not a port: " + text + " (give COM1..COM16, a device path, a /dev/serial/by-id name or ttyUSB0)";
      },
      "");
}

CLI::Validator Password() {
  return CLI::Validator(
      [](std::string& text) -> std::string {
        const bool digits = std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
        if (!text.empty() && text.size() <= 8 && digits) return {};
        return "the password is 1 to 8 digits";
      },
      "");
}

CLI::Validator RangeText() {
  return CLI::Validator(
      [](std::string& text) -> std::string {
        const RangeEdges edges = ParseRangeText(text);
        if (edges.lower > 0 && edges.upper >= edges.lower && vex::RangeText(edges.lower, edges.upper) == text)
          return {};
        return "a range is LO-HI in whole MHz, e.g. 400-470";
      },
      "");
}

CLI::Validator CsvLineRange() {
  return CLI::Validator(
      [](std::string& text) -> std::string {
        return vex::ParseCsvLineRange(text) ? std::string() : "lines are FIRST-LAST or LINE, from 1, e.g. 71-86";
      },
      "");
}

std::string ReportSectionNames() {
  std::string list;
  for (const std::string_view name : kReportSectionNames) (list += list.empty() ? "" : ", ") += name;
  return list;
}

CLI::Validator ReportSectionName() {
  return CLI::Validator(
      [](std::string& text) -> std::string {
        if (ReportEntryNamed(text)) return {};
        return "no report section is called '" + text + "'; the sections are " + ReportSectionNames();
      },
      "");
}

CLI::Validator OneOf(std::vector<std::string> words) {
  return CLI::Validator(
      [words](std::string& text) -> std::string {
        if (std::find(words.begin(), words.end(), text) != words.end()) return {};
        std::string list;
        for (const std::string& w : words) list += (list.empty() ? "" : " or ") + w;
        return "give " + list;
      },
      "");
}

namespace {

std::size_t EditDistance(const std::string& a, const std::string& b) {
  std::vector<std::size_t> row(b.size() + 1);
  for (std::size_t j = 0; j <= b.size(); ++j) row[j] = j;
  for (std::size_t i = 1; i <= a.size(); ++i) {
    std::size_t diagonal = row[0];
    row[0] = i;
    for (std::size_t j = 1; j <= b.size(); ++j) {
      const std::size_t above = row[j];
      row[j] = std::min({row[j] + 1, row[j - 1] + 1, diagonal + (a[i - 1] == b[j - 1] ? 0 : 1)});
      diagonal = above;
    }
  }
  return row[b.size()];
}

}  // namespace

std::string ClosestMatch(const std::string& word, const std::vector<std::string>& candidates) {
  std::string best;
  std::size_t bestDistance = std::max<std::size_t>(2, word.size() / 3) + 1;
  for (const std::string& candidate : candidates) {
    const std::size_t d = EditDistance(word, candidate);
    if (d < bestDistance) {
      bestDistance = d;
      best = candidate;
    }
  }
  return best;
}

}  // namespace vex::cli
