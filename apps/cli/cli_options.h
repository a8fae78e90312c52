// Everything the command line can say, filled by the argument parser. Each
// command declares the options it takes; the rest keep their defaults.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace vex::cli {

struct CliOptions {
  std::vector<std::string> files;  // positional arguments, in order
  std::string output;              // -o; "-" for standard output
  bool force = false;              // -f: replace a read-only output file
  bool json = false;
  bool verbose = false;

  // Radio commands.
  std::vector<std::string> ports;  // --port, repeatable
  std::optional<std::string> password;
  std::string addRange = "no";        // read: yes|no
  bool remember = false;              // keep the port and range in Settings.ini
  std::string trace;                  // --trace FILE
  std::string backupDir;              // write --backup DIR
  std::optional<int> replyTimeoutMs;  // --reply-timeout MS

  // new / read.
  std::optional<std::string> modelId;
  std::optional<std::string> modelName;
  std::optional<std::string> range;

  // apply: the codeplug file the text is applied onto; "" for none.
  std::string base;

  // import-csv: the lines of the file to take ("71-86"; "" for all), and
  // whether lines with a value the radio cannot carry are left out.
  std::string lines;
  bool skipInvalid = false;

  // station: the directory watched for radios, the read-back after each
  // write, the audit log, how many radios to program before ending (0:
  // until stopped) and whether only to show what each radio would get.
  std::string watchDir = "/dev/serial/by-id";
  bool verifyWrites = false;
  std::string logFile;
  std::size_t count = 0;
  bool dryRun = false;

  // report: the short names of the sections to print; empty for all.
  std::vector<std::string> sections;
};

}  // namespace vex::cli
