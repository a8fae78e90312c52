// The sound of an alert tone as 16-bit mono samples, produced a buffer at a
// time so that a continuous tone never needs its whole length in memory:
// for each cycle, each segment's sine tone (or silence when its frequency is
// 0) for its duration, then the pause unless it was the last cycle. Tones
// fade in and out over a few milliseconds so segment edges do not click.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

#include "core/alert_tone_pattern.h"

namespace vex {

class ToneSynth {
 public:
  static constexpr std::int16_t kAmplitude = 16000;  // about half of full scale
  static constexpr int kFadeMs = 3;

  // `sampleRate` in Hz (at least 1000); frequencies at or above half of it are
  // played as silence rather than folded into other tones.
  ToneSynth(const AlertTonePattern& pattern, int sampleRate);

  // Writes the next samples into `out`; fewer than out.size() only at the end.
  std::size_t render(std::span<std::int16_t> out);
  bool finished() const;
  int sampleRate() const { return rate_; }
  // Samples of a step of `ms` milliseconds at this rate.
  long long samplesOf(long long ms) const;

 private:
  // The step at (cycle_, step_): segments 0..7, then the pause as step 8.
  struct Step {
    int hz = 0;
    long long samples = 0;
  };
  Step currentStep() const;
  void advance();
  // Moves past steps without samples and the pause after the last cycle.
  void skipEmptySteps();

  AlertTonePattern pattern_;
  int rate_;
  int cycle_ = 0;
  int step_ = 0;
  long long position_ = 0;  // samples of the current step already written
};

}  // namespace vex
