#pragma once
// TonePlayer: plays an alert tone on a worker thread through the default
// audio output. Without an audio output (or when the output refuses to start)
// the playback keeps its timing silently and says so with silentPlayback().
// stop() ends the sound at once: the worker feeds nothing more, drops what
// the output still buffers, and stop() returns once the worker has ended.
#include <atomic>
#include <condition_variable>
#include <mutex>
#include <optional>

#include <QAudioDevice>
#include <QObject>

#include "core/alert_tone_pattern.h"

class QAudioSink;
class QThread;

namespace vex::gui {

class TonePlayer : public QObject {
  Q_OBJECT
 public:
  explicit TonePlayer(QObject* parent = nullptr);
  ~TonePlayer() override;

  // Starts playing a copy of `pattern`; false when it has nothing to play or
  // a playback is still running.
  bool play(const AlertTonePattern& pattern);
  void stop();
  bool isRunning() const { return running_; }

  // The output every playback uses from now on, instead of the default
  // output at the time of Play; tests set a null device to force silence.
  void setDevice(const QAudioDevice& device) { device_ = device; }

 signals:
  // On the player's thread, once a playback ended by itself.
  void finished();
  // A playback runs without sound (no audio output, or it would not start).
  void silentPlayback();

 private:
  // On the worker: the sound, or its timing alone.
  void run(const AlertTonePattern& pattern, const QAudioDevice& device);
  bool playSound(const AlertTonePattern& pattern, const QAudioDevice& device);
  void drain(QAudioSink& sink, long long totalMs);
  void waitSilently(const AlertTonePattern& pattern);
  void joinWorker();

  std::optional<QAudioDevice> device_;
  QThread* worker_ = nullptr;
  int playback_ = 0;  // counts playbacks, so a late end of an old one is ignored
  std::atomic<bool> stop_{false};
  std::atomic<bool> running_{false};
  std::mutex mutex_;
  std::condition_variable wake_;
};

}  // namespace vex::gui
