#include "progress_display.h"

#include "config/safe_format.h"

#include <algorithm>

namespace vex::cli {

namespace {

constexpr int kBarWidth = 40;

}  // namespace

ProgressDisplay::Style ProgressDisplay::StyleFor(bool terminal, bool verbose) {
  if (terminal) return Style::Bar;
  return verbose ? Style::Lines : Style::None;
}

ProgressDisplay::ProgressDisplay(std::ostream& out, Style style, std::string label, std::vector<std::string> rows)
    : out_(out),
      style_(style),
      label_(label.empty() ? std::string("%d") : std::move(label)),
      rows_(std::move(rows)),
      shown_(rows_.size(), -1) {}

// The status text the transfer dialog shows: the label with the percent,
// followed by "%".
std::string ProgressDisplay::statusText(int percent) const { return formatText(label_, percent) + "%"; }

std::string ProgressDisplay::prefix(std::size_t row) const { return rows_.size() > 1 ? rows_[row] + ": " : ""; }

std::string ProgressDisplay::barText(std::size_t row) const {
  const int percent = std::max(shown_[row], 0);
  const int filled = percent * kBarWidth / 100;
  return prefix(row) + "[" + std::string(static_cast<std::size_t>(filled), '#') +
         std::string(static_cast<std::size_t>(kBarWidth - filled), '.') + "] " + statusText(percent);
}

void ProgressDisplay::update(std::size_t row, int percent) {
  std::lock_guard lock(mutex_);
  percent = std::clamp(percent, 0, 100);
  if (style_ == Style::None || row >= rows_.size() || percent == shown_[row]) return;
  shown_[row] = percent;
  if (style_ == Style::Lines) {
    out_ << prefix(row) << statusText(percent) << '\n' << std::flush;
  } else if (rows_.size() == 1) {
    out_ << '\r' << barText(row) << std::flush;
    lineOpen_ = percent != 100;
    if (percent == 100) out_ << '\n' << std::flush;
  } else {
    redraw();
  }
}

// Several bars: move up over the block drawn last and draw it again.
void ProgressDisplay::redraw() {
  if (drawn_) out_ << "\x1b[" << rows_.size() << 'A';
  for (std::size_t row = 0; row < rows_.size(); ++row) out_ << "\r\x1b[K" << barText(row) << '\n';
  out_ << std::flush;
  drawn_ = true;
}

void ProgressDisplay::message(const std::string& text) {
  std::lock_guard lock(mutex_);
  if (style_ == Style::Bar && rows_.size() > 1) {
    keptMessages_.push_back(text);
    return;
  }
  if (lineOpen_) out_ << '\n';
  lineOpen_ = false;
  out_ << text << '\n' << std::flush;
}

void ProgressDisplay::finish() {
  std::lock_guard lock(mutex_);
  if (lineOpen_) out_ << '\n';
  lineOpen_ = false;
  for (const std::string& text : keptMessages_) out_ << text << '\n';
  keptMessages_.clear();
  out_ << std::flush;
}

}  // namespace vex::cli
