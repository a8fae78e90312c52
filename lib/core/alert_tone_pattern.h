// What an alert tone sounds like: up to eight tone segments (frequency and
// duration) played a number of cycles with a pause between cycles, and the
// bar picture the alert-tone view draws of it.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

namespace vex {

struct ToneSegment {
  int hz = 0;  // 0: silence for the duration
  int ms = 0;  // 0: the segment is left out
};

struct AlertTonePattern {
  static constexpr int kSegments = 8;
  // A stored cycle count of 0 means "continuous": this many cycles.
  static constexpr int kContinuousCycles = 10000;

  int cycles = 1;
  int pauseSeconds = 0;  // between cycles, not after the last
  std::array<ToneSegment, kSegments> segments{};

  // At least one segment has a duration.
  bool playable() const;
  // The length of one cycle, and of the whole playback with its pauses.
  long long cycleMs() const;
  long long totalMs() const;
};

// One bar of the pattern picture, in pixels of a width x height picture.
struct PatternBar {
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
  int segment = 0;  // the segment's index: even ones are drawn blue, odd ones red
};

// The bars of the segments with a duration, left to right from 6 pixels in,
// each followed by a 1-pixel gap. Widths share width - 14 - n pixels by
// duration and heights share height - 10 pixels by frequency up to 2550 Hz;
// every bar is at least 1 x 1 and stands on a line 5 pixels above the bottom.
std::vector<PatternBar> PatternBars(const AlertTonePattern& pattern, int width, int height);

}  // namespace vex
