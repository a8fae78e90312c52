// Checks of option values made while the command line is parsed, so that a
// malformed value is a usage error (exit status 2) before anything starts,
// and the "did you mean" hint for a mistyped command or option.
#pragma once

#include <string>
#include <vector>

namespace CLI {
class Validator;
}

namespace vex::cli {

// COMn (1..16), a device path, a by-id name or a serial device's name.
CLI::Validator PortName();
// 1 to 8 digits, as the radio takes them.
CLI::Validator Password();
// One of the words.
CLI::Validator OneOf(std::vector<std::string> words);
// A short name of a report section ("channels", "scan-lists", ...).
CLI::Validator ReportSectionName();
// The short names of the report's sections, comma-separated.
std::string ReportSectionNames();
// "LO-HI" in whole MHz with LO <= HI, e.g. 400-470.
CLI::Validator RangeText();
// A range of CSV lines: A-B or A, from 1.
CLI::Validator CsvLineRange();

// The candidate closest to `word` when it is near enough to be a typo; "".
std::string ClosestMatch(const std::string& word, const std::vector<std::string>& candidates);

}  // namespace vex::cli
