// Progress of a radio transfer on stderr: a bar redrawn in place when stderr
// is a terminal, otherwise one line per new percentage when asked for, and
// nothing at all by default.
#pragma once

#include <ostream>
#include <string>

namespace vex::cli {

class ProgressBar {
 public:
  enum class Style { None, Bar, Lines };

  // The bar on a terminal; lines only when verbose; else nothing.
  static Style StyleFor(bool terminal, bool verbose);

  // `label` is the transfer's status text, a format with one %d (the
  // percent), e.g. "Reading data: %d".
  ProgressBar(std::ostream& out, Style style, std::string label);

  // Shows the percent (0..100) unless it is the one shown last.
  void update(int percent);
  // Ends a bar's line so that the next message starts on a line of its own.
  void breakLine();

 private:
  std::string statusText(int percent) const;

  std::ostream& out_;
  Style style_;
  std::string label_;
  int shown_ = -1;
  bool lineOpen_ = false;
};

}  // namespace vex::cli
