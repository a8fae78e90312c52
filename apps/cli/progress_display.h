// Progress of radio transfers on stderr, one row per radio: a bar redrawn in
// place when stderr is a terminal, otherwise one line per new percentage when
// asked for, and nothing at all by default. Several radios report from their
// own threads.
#pragma once

#include <mutex>
#include <ostream>
#include <string>
#include <vector>

namespace vex::cli {

class ProgressDisplay {
 public:
  enum class Style { None, Bar, Lines };

  // The bar on a terminal; lines only when verbose; else nothing.
  static Style StyleFor(bool terminal, bool verbose);

  // `label` is the transfer's status text, a format with one %d (the
  // percent), e.g. "Reading data: %d". Each row is named after its radio's
  // port; a single row shows no name.
  ProgressDisplay(std::ostream& out, Style style, std::string label, std::vector<std::string> rows);

  // Shows the row's percent (0..100) unless it is the one shown last.
  void update(std::size_t row, int percent);
  // A message line. With one bar it ends the bar's line first; with several
  // bars on a terminal it is kept and printed by finish(), so that it does
  // not tear the bars apart.
  void message(const std::string& text);
  // Ends the bars and prints the messages kept back.
  void finish();

 private:
  std::string statusText(int percent) const;
  std::string barText(std::size_t row) const;
  void redraw();
  std::string prefix(std::size_t row) const;

  std::ostream& out_;
  Style style_;
  std::string label_;
  std::vector<std::string> rows_;
  std::vector<int> shown_;
  std::vector<std::string> keptMessages_;
  bool drawn_ = false;     // the bars are on the screen
  bool lineOpen_ = false;  // a single bar's line awaits its end
  std::mutex mutex_;
};

}  // namespace vex::cli
