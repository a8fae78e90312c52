#include "views/tone_source.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace vex::gui {
namespace {

// Writes one sample in the format's encoding; returns the bytes written.
int writeSample(char* out, std::int16_t sample, QAudioFormat::SampleFormat format) {
  switch (format) {
    case QAudioFormat::UInt8: {
      const auto value = static_cast<std::uint8_t>((sample >> 8) + 128);
      std::memcpy(out, &value, 1);
      return 1;
    }
    case QAudioFormat::Int16: std::memcpy(out, &sample, 2); return 2;
    case QAudioFormat::Int32: {
      const std::int32_t value = static_cast<std::int32_t>(sample) * 65536;
      std::memcpy(out, &value, 4);
      return 4;
    }
    case QAudioFormat::Float: {
      const float value = static_cast<float>(sample) / 32768.0f;
      std::memcpy(out, &value, 4);
      return 4;
    }
    default: return 0;
  }
}

}  // namespace

ToneSource::ToneSource(const AlertTonePattern& pattern, const QAudioFormat& format, const std::atomic<bool>& stop,
                       QObject* parent)
    : QIODevice(parent), synth_(pattern, format.sampleRate()), format_(format), stop_(stop) {
  // Unbuffered: samples read ahead into a buffer would still play after Stop.
  open(QIODevice::ReadOnly | QIODevice::Unbuffered);
}

bool ToneSource::canWrite(const QAudioFormat& format) {
  switch (format.sampleFormat()) {
    case QAudioFormat::UInt8:
    case QAudioFormat::Int16:
    case QAudioFormat::Int32:
    case QAudioFormat::Float: return format.channelCount() > 0 && format.sampleRate() >= 1000;
    default: return false;
  }
}

bool ToneSource::atEnd() const { return stop_ || synth_.finished(); }

qint64 ToneSource::bytesAvailable() const {
  // A tone is produced on demand: offer a generous buffer until it ends.
  return atEnd() ? 0 : (qint64{1} << 20) + QIODevice::bytesAvailable();
}

qint64 ToneSource::readData(char* data, qint64 maxSize) {
  const int frameBytes = format_.bytesPerFrame();
  if (atEnd() || frameBytes <= 0) return 0;
  std::vector<std::int16_t> samples(static_cast<std::size_t>(maxSize / frameBytes));
  const std::size_t count = synth_.render(samples);
  char* out = data;
  for (std::size_t i = 0; i < count; ++i)
    for (int channel = 0; channel < format_.channelCount(); ++channel)
      out += writeSample(out, samples[i], format_.sampleFormat());
  return out - data;
}

}  // namespace vex::gui
