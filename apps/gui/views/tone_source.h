#pragma once
// ToneSource: the sound of an alert tone as a readable device in the sample
// format an audio output asks for (16- or 32-bit integers, floats or unsigned
// bytes, any number of channels). Once the stop flag is set it has nothing
// more to give, so no further sound is fed to the output. It is open for
// reading from the start.
#include <atomic>

#include <QAudioFormat>
#include <QIODevice>

#include "core/tone_synth.h"

namespace vex::gui {

class ToneSource : public QIODevice {
  Q_OBJECT
 public:
  ToneSource(const AlertTonePattern& pattern, const QAudioFormat& format, const std::atomic<bool>& stop,
             QObject* parent = nullptr);

  // Whether a format is one this source can write.
  static bool canWrite(const QAudioFormat& format);
  bool isSequential() const override { return true; }
  qint64 bytesAvailable() const override;
  bool atEnd() const override;

 protected:
  qint64 readData(char* data, qint64 maxSize) override;
  qint64 writeData(const char*, qint64) override { return -1; }

 private:
  ToneSynth synth_;
  QAudioFormat format_;
  const std::atomic<bool>& stop_;
};

}  // namespace vex::gui
