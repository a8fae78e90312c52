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
  // With `force` a read-only target is made writable for the save (as cp -f
  // would replace it) and gets its mode back afterwards.
  explicit OutputFile(std::string target, bool force = false);
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
  // Why a write that failed with `systemError` (errno) failed: the check's
  // finding when it has one, else the system's words for the error.
  std::string failure(int systemError) const;
  // For "-": copies the written file to `out`. False when that fails.
  bool finish(std::ostream& out) const;

 private:
  std::string target_;
  std::string path_;
  std::string tempDir_;
  int readOnlyMode_ = -1;  // the forced target's mode, to give back
};

// Writes a command's text to standard output when `target` is empty or "-",
// else replaces file `target` with it (a read-only one only with `force`).
// The exit status, after saying what failed.
int WriteTextOutput(Environment& env, const std::string& target, std::string_view text, bool force = false);

}  // namespace vex::cli
