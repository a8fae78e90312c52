// Where a command reads a file from: the path given, or for "-" standard
// input. The library's readers always open a file; for "-" that is a
// temporary copy of standard input, removed again afterwards. A path that
// does not exist is reported as "No such file" before any reader tries it.
#pragma once

#include "cli_environment.h"

#include <cstddef>
#include <string>

namespace vex::cli {

class InputFile {
 public:
  enum class StandardInput { Accepted, Refused };

  explicit InputFile(std::string given, StandardInput standardInput = StandardInput::Accepted);
  ~InputFile();
  InputFile(const InputFile&) = delete;
  InputFile& operator=(const InputFile&) = delete;

  bool fromStdin() const { return fromStdin_; }
  // The name the user gave ("standard input" for "-").
  std::string shownName() const { return fromStdin() ? "standard input" : given_; }
  // What the library reads.
  const std::string& path() const { return path_; }
  bool ready() const { return problem_.empty(); }
  // Says why the file cannot be read; exit 1.
  int fail(Environment& env) const { return env.failWith(problem_, shownName()); }

 private:
  std::string given_;
  std::string path_;
  std::string tempDir_;
  std::string problem_;
  bool fromStdin_ = false;
};

// A whole text a command takes (a CSV, a codeplug text): standard input for
// "-", else the file, which may also be a pipe or a FIFO. At most maxBytes + 1
// bytes are kept, so that the text's parser refuses a larger text itself.
enum class InputText { Read, Missing, Unreadable };
InputText ReadInputText(const std::string& given, std::size_t maxBytes, std::string& text);

}  // namespace vex::cli
