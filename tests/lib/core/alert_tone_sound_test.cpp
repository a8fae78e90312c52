// The alert tone's picture and sound: bar geometry, and the generated samples
// written to a WAV file and analysed for their frequencies and timing.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <fstream>
#include <numbers>
#include <string>
#include <vector>

#include "core/alert_tone_pattern.h"
#include "core/tone_synth.h"

namespace vex {
namespace {

constexpr int kRate = 48000;

AlertTonePattern Pattern(std::initializer_list<ToneSegment> segments, int cycles = 1, int pause = 0) {
  AlertTonePattern pattern;
  pattern.cycles = cycles;
  pattern.pauseSeconds = pause;
  std::size_t k = 0;
  for (const ToneSegment& s : segments) pattern.segments[k++] = s;
  return pattern;
}

std::vector<std::int16_t> RenderAll(const AlertTonePattern& pattern, std::size_t chunk = 4096) {
  ToneSynth synth(pattern, kRate);
  std::vector<std::int16_t> samples;
  std::vector<std::int16_t> buffer(chunk);
  while (!synth.finished()) {
    const std::size_t n = synth.render(buffer);
    samples.insert(samples.end(), buffer.begin(), buffer.begin() + static_cast<long>(n));
  }
  return samples;
}

// A 16-bit mono PCM WAV file, and back.
void WriteWav(const std::string& path, const std::vector<std::int16_t>& samples) {
  auto u32 = [](std::ofstream& out, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) out.put(static_cast<char>(v >> (8 * i)));
  };
  auto u16 = [](std::ofstream& out, std::uint16_t v) {
    out.put(static_cast<char>(v & 0xFF));
    out.put(static_cast<char>(v >> 8));
  };
  const auto bytes = static_cast<std::uint32_t>(samples.size() * 2);
  std::ofstream out(path, std::ios::binary);
  out.write("RIFF", 4);
  u32(out, 36 + bytes);
  out.write("WAVEfmt ", 8);
  u32(out, 16);
  u16(out, 1);  // PCM
  u16(out, 1);  // mono
  u32(out, kRate);
  u32(out, kRate * 2);
  u16(out, 2);
  u16(out, 16);
  out.write("data", 4);
  u32(out, bytes);
  for (std::int16_t s : samples) u16(out, static_cast<std::uint16_t>(s));
}

std::vector<std::int16_t> ReadWav(const std::string& path, int* rate) {
  std::ifstream in(path, std::ios::binary);
  std::vector<char> file((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (file.size() < 44 || std::memcmp(file.data(), "RIFF", 4) != 0 || std::memcmp(file.data() + 8, "WAVE", 4) != 0)
    return {};
  auto at = [&](std::size_t i) { return static_cast<std::uint8_t>(file[i]); };
  *rate = static_cast<int>(at(24) | at(25) << 8 | at(26) << 16 | at(27) << 24);
  std::vector<std::int16_t> samples;
  for (std::size_t i = 44; i + 1 < file.size(); i += 2)
    samples.push_back(static_cast<std::int16_t>(at(i) | at(i + 1) << 8));
  return samples;
}

// Strength of one frequency in a stretch of samples (Goertzel).
double Power(const std::vector<std::int16_t>& s, std::size_t from, std::size_t to, double hz, int rate) {
  const double coefficient = 2 * std::cos(2 * std::numbers::pi * hz / rate);
  double q1 = 0, q2 = 0;
  for (std::size_t i = from; i < to; ++i) {
    const double q0 = coefficient * q1 - q2 + s[i];
    q2 = q1;
    q1 = q0;
  }
  return q1 * q1 + q2 * q2 - coefficient * q1 * q2;
}

// The strongest frequency between 50 and 3000 Hz, to 5 Hz.
double Dominant(const std::vector<std::int16_t>& s, std::size_t from, std::size_t to, int rate) {
  double best = 0, bestPower = -1;
  for (double hz = 50; hz <= 3000; hz += 5) {
    const double p = Power(s, from, to, hz, rate);
    if (p > bestPower) bestPower = p, best = hz;
  }
  return best;
}

int Peak(const std::vector<std::int16_t>& s, std::size_t from, std::size_t to) {
  int peak = 0;
  for (std::size_t i = from; i < to; ++i) peak = std::max(peak, std::abs(static_cast<int>(s[i])));
  return peak;
}

TEST(PatternBars, SegmentsShareTheWidthByDurationAndTheHeightByFrequency) {
  // Segment 1 has no duration and is not drawn; segment 3 is off (0 Hz).
  const auto pattern = Pattern({{2550, 100}, {500, 0}, {1275, 300}, {0, 100}});
  const auto bars = PatternBars(pattern, 200, 100);
  ASSERT_EQ(bars.size(), 3u);
  // 183 pixels (200 - 14 - 3 bars) shared 100 : 300 : 100 of 500 ms.
  EXPECT_EQ(bars[0].x, 6);
  EXPECT_EQ(bars[0].width, 36);
  EXPECT_EQ(bars[1].x, 6 + 36 + 1);
  EXPECT_EQ(bars[1].width, 109);
  EXPECT_EQ(bars[2].x, 43 + 109 + 1);
  EXPECT_EQ(bars[2].width, 36);
  // 90 pixels of height for 2550 Hz; every bar stands on y = 95.
  EXPECT_EQ(bars[0].height, 90);
  EXPECT_EQ(bars[1].height, 45);
  EXPECT_EQ(bars[2].height, 1);  // off still shows a sliver
  for (const PatternBar& bar : bars) EXPECT_EQ(bar.y + bar.height, 95);
  EXPECT_EQ(bars[1].segment, 2);  // colours go by segment: 0 and 2 blue, 3 red
  EXPECT_EQ(bars[2].segment, 3);
}

TEST(PatternBars, NothingToDrawAndTooSmallPictures) {
  EXPECT_TRUE(PatternBars(Pattern({{1000, 0}}), 200, 100).empty());
  const auto bars = PatternBars(Pattern({{1000, 10}, {2000, 10}}), 10, 8);
  ASSERT_EQ(bars.size(), 2u);
  EXPECT_EQ(bars[0].width, 1);
  EXPECT_EQ(bars[0].height, 1);
  EXPECT_EQ(bars[1].x, 8);
}

TEST(AlertTonePattern, LengthCountsPausesBetweenCyclesOnly) {
  const auto pattern = Pattern({{1000, 100}, {0, 50}}, 3, 2);
  EXPECT_TRUE(pattern.playable());
  EXPECT_EQ(pattern.cycleMs(), 150);
  EXPECT_EQ(pattern.totalMs(), 3 * 150 + 2 * 2000);
  EXPECT_FALSE(Pattern({{1000, 0}}).playable());
}

TEST(ToneSynth, AWavOfOneAlertToneHoldsItsFrequenciesAndTiming) {
  // 440 Hz for 200 ms, 100 ms silence, 1000 Hz for 150 ms; two cycles, 1 s apart.
  const auto pattern = Pattern({{440, 200}, {0, 100}, {1000, 150}}, 2, 1);
  const std::string path = ::testing::TempDir() + "alert_tone.wav";
  WriteWav(path, RenderAll(pattern));
  RecordProperty("wav", path);

  int rate = 0;
  const std::vector<std::int16_t> s = ReadWav(path, &rate);
  ASSERT_EQ(rate, kRate);
  const std::size_t ms = kRate / 1000;
  ASSERT_EQ(s.size(), static_cast<std::size_t>(pattern.totalMs()) * ms);
  for (std::size_t cycle : {0u, 1u}) {
    const std::size_t start = cycle * (450 + 1000) * ms;
    // Skip the fades at the edges of each tone.
    EXPECT_NEAR(Dominant(s, start + 10 * ms, start + 190 * ms, rate), 440, 5) << cycle;
    EXPECT_GT(Peak(s, start + 10 * ms, start + 190 * ms), ToneSynth::kAmplitude * 9 / 10);
    EXPECT_EQ(Peak(s, start + 200 * ms, start + 300 * ms), 0) << "off segment";
    EXPECT_NEAR(Dominant(s, start + 310 * ms, start + 440 * ms, rate), 1000, 5) << cycle;
  }
  EXPECT_EQ(Peak(s, 450 * ms, 1450 * ms), 0) << "pause between the cycles";
  // Tones start and end at silence, so segment edges do not click.
  EXPECT_LT(std::abs(s[0]), 200);
  EXPECT_LT(std::abs(s[200 * ms - 1]), 200);
  EXPECT_LT(std::abs(s[450 * ms - 1]), 200);
}

TEST(ToneSynth, BufferSizesDoNotChangeTheSound) {
  const auto pattern = Pattern({{700, 30}, {1300, 20}, {0, 10}, {2000, 40}}, 3, 0);
  EXPECT_EQ(RenderAll(pattern, 1), RenderAll(pattern, 4096));
  EXPECT_EQ(RenderAll(pattern, 333), RenderAll(pattern, 4096));
}

TEST(ToneSynth, UnplayableAndInaudiblePatterns) {
  ToneSynth silent(Pattern({{1000, 0}}), kRate);
  EXPECT_TRUE(silent.finished());
  // A tone at or above half the sample rate would fold into another pitch: silence instead.
  const auto high = RenderAll(Pattern({{30000, 10}}));
  EXPECT_EQ(high.size(), 10 * kRate / 1000u);
  EXPECT_EQ(Peak(high, 0, high.size()), 0);
}

TEST(ToneSynth, ContinuousToneKeepsGoing) {
  ToneSynth synth(Pattern({{1000, 10}}, AlertTonePattern::kContinuousCycles, 0), kRate);
  std::vector<std::int16_t> buffer(kRate);
  for (int second = 0; second < 5; ++second) EXPECT_EQ(synth.render(buffer), buffer.size());
  EXPECT_FALSE(synth.finished());
}

}  // namespace
}  // namespace vex
