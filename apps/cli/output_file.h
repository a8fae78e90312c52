// Where a command writes its result: a file, or standard output for "-". The
// library's writers always write a file; for "-" that is a temporary one
// whose bytes are copied to standard output once it is complete.
#pragma once

#include "cli_environment.h"

#include <ostream>
#include <string>
#include <string_view>

namespace vex::cli {

class OutputFile {
 public:
  explicit OutputFile(std::string target);
  ~OutputFile();
  OutputFile(const OutputFile&) = delete;
  OutputFile& operator=(const OutputFile&) = delete;

  bool toStdout() const { return target_ == "-"; }
  // The name the user gave ("standard output" for "-").
  std::string shownName() const { return toStdout() ? "standard output" : target_; }
  // What the library writes to.
  const std::string& path() const { return path_; }
  // "" when it can be written; else why not.
  std::string problem() const;
  // For "-": copies the written file to `out`. False when that fails.
  bool finish(std::ostream& out) const;

 private:
  std::string target_;
  std::string path_;
  std::string tempDir_;
};

// Writes a command's text to standard output when `target` is empty or "-",
// else replaces file `target` with it. The exit status, after saying what failed.
int WriteTextOutput(Environment& env, const std::string& target, std::string_view text);

}  // namespace vex::cli
