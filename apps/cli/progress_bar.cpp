#include "progress_bar.h"

#include "config/safe_format.h"

#include <algorithm>

namespace vex::cli {

namespace {

constexpr int kBarWidth = 40;

}  // namespace

ProgressBar::Style ProgressBar::StyleFor(bool terminal, bool verbose) {
  if (terminal) return Style::Bar;
  return verbose ? Style::Lines : Style::None;
}

ProgressBar::ProgressBar(std::ostream& out, Style style, std::string label)
    : out_(out), style_(style), label_(label.empty() ? std::string("%d") : std::move(label)) {}

// The status text the transfer dialog shows: the label with the percent,
// followed by "%".
std::string ProgressBar::statusText(int percent) const { return formatText(label_, percent) + "%"; }

void ProgressBar::update(int percent) {
  percent = std::clamp(percent, 0, 100);
  if (style_ == Style::None || percent == shown_) return;
  shown_ = percent;
  if (style_ == Style::Lines) {
    out_ << statusText(percent) << '\n' << std::flush;
    return;
  }
  const int filled = percent * kBarWidth / 100;
  out_ << "\r[" << std::string(static_cast<std::size_t>(filled), '#')
       << std::string(static_cast<std::size_t>(kBarWidth - filled), '.') << "] " << statusText(percent) << std::flush;
  lineOpen_ = true;
  if (percent == 100) breakLine();
}

void ProgressBar::breakLine() {
  if (!lineOpen_) return;
  out_ << '\n' << std::flush;
  lineOpen_ = false;
}

}  // namespace vex::cli
