#include "core/alert_tone_pattern.h"

#include <algorithm>

namespace vex {
namespace {

// The frequency that fills the picture's height.
constexpr long long kTallestHz = 2550;

}  // namespace

bool AlertTonePattern::playable() const {
  return std::any_of(segments.begin(), segments.end(), [](const ToneSegment& s) { return s.ms > 0; });
}

long long AlertTonePattern::cycleMs() const {
  long long sum = 0;
  for (const ToneSegment& s : segments) sum += std::max(s.ms, 0);
  return sum;
}

long long AlertTonePattern::totalMs() const {
  const long long count = std::max(cycles, 0);
  if (count == 0) return 0;
  return count * cycleMs() + (count - 1) * std::max(pauseSeconds, 0) * 1000LL;
}

std::vector<PatternBar> PatternBars(const AlertTonePattern& pattern, int width, int height) {
  std::vector<PatternBar> bars;
  long long total = 0;
  for (const ToneSegment& s : pattern.segments) {
    if (s.ms <= 0) continue;
    total += s.ms;
    bars.push_back({});
  }
  if (bars.empty()) return bars;
  const long long room = std::max<long long>(width - 14 - static_cast<long long>(bars.size()), 0);
  const long long tall = std::max(height - 10, 0);
  const int baseline = height - 5;
  int x = 6;
  auto bar = bars.begin();
  for (int k = 0; k < AlertTonePattern::kSegments; ++k) {
    const ToneSegment& s = pattern.segments[static_cast<std::size_t>(k)];
    if (s.ms <= 0) continue;
    const long long hz = std::clamp<long long>(s.hz, 0, kTallestHz);
    bar->width = static_cast<int>(std::max<long long>(room * s.ms / total, 1));
    bar->height = static_cast<int>(std::max<long long>(tall * hz / kTallestHz, 1));
    bar->x = x;
    bar->y = baseline - bar->height;
    bar->segment = k;
    x += bar->width + 1;
    ++bar;
  }
  return bars;
}

}  // namespace vex
