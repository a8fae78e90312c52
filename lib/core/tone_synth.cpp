#include "core/tone_synth.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace vex {
namespace {

constexpr int kPauseStep = AlertTonePattern::kSegments;

}  // namespace

ToneSynth::ToneSynth(const AlertTonePattern& pattern, int sampleRate)
    : pattern_(pattern), rate_(std::max(sampleRate, 1000)) {
  pattern_.cycles = std::max(pattern_.cycles, 0);
  if (!pattern_.playable()) pattern_.cycles = 0;
  skipEmptySteps();
}

long long ToneSynth::samplesOf(long long ms) const { return std::max(ms, 0LL) * rate_ / 1000; }

bool ToneSynth::finished() const { return cycle_ >= pattern_.cycles; }

ToneSynth::Step ToneSynth::currentStep() const {
  if (step_ == kPauseStep) return {0, samplesOf(std::max(pattern_.pauseSeconds, 0) * 1000LL)};
  const ToneSegment& segment = pattern_.segments[static_cast<std::size_t>(step_)];
  const int hz = segment.hz > 0 && 2LL * segment.hz < rate_ ? segment.hz : 0;
  return {hz, samplesOf(segment.ms)};
}

void ToneSynth::advance() {
  position_ = 0;
  if (++step_ > kPauseStep) {
    step_ = 0;
    ++cycle_;
  }
}

void ToneSynth::skipEmptySteps() {
  while (!finished()) {
    const bool lastPause = step_ == kPauseStep && cycle_ + 1 >= pattern_.cycles;
    if (!lastPause && currentStep().samples > 0) return;
    advance();
  }
}

std::size_t ToneSynth::render(std::span<std::int16_t> out) {
  std::size_t written = 0;
  while (written < out.size() && !finished()) {
    const Step step = currentStep();
    const long long fade = std::min(samplesOf(kFadeMs), step.samples / 2);
    const double turn = 2.0 * std::numbers::pi * step.hz / rate_;
    const auto count = static_cast<std::size_t>(
        std::min<long long>(step.samples - position_, static_cast<long long>(out.size() - written)));
    for (std::size_t i = 0; i < count; ++i, ++position_) {
      double level = 0;
      if (step.hz > 0) {
        const long long edge = std::min(position_, step.samples - 1 - position_);
        const double gain = fade > 0 && edge < fade ? static_cast<double>(edge) / fade : 1.0;
        level = gain * std::sin(turn * static_cast<double>(position_));
      }
      out[written++] = static_cast<std::int16_t>(std::lround(level * kAmplitude));
    }
    if (position_ >= step.samples) {
      advance();
      skipEmptySteps();
    }
  }
  return written;
}

}  // namespace vex
