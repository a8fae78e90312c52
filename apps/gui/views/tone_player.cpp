#include "views/tone_player.h"

#include <chrono>

#include <QAudioSink>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QMediaDevices>
#include <QThread>
#include <QTimer>

#include "views/tone_source.h"

namespace vex::gui {
namespace {

// How often the worker's event loop looks at the stop flag while sound plays.
constexpr int kStopPollMs = 5;
// How long the output may go without playing on before its end is given up.
constexpr qint64 kDrainStallMs = 500;

// 16-bit mono at the output's own rate when it takes that, else its own format.
QAudioFormat formatFor(const QAudioDevice& device) {
  QAudioFormat format;
  format.setSampleRate(device.preferredFormat().sampleRate() > 0 ? device.preferredFormat().sampleRate() : 48000);
  format.setChannelCount(1);
  format.setSampleFormat(QAudioFormat::Int16);
  if (device.isFormatSupported(format)) return format;
  return device.preferredFormat();
}

}  // namespace

TonePlayer::TonePlayer(QObject* parent) : QObject(parent) {}

TonePlayer::~TonePlayer() { stop(); }

bool TonePlayer::play(const AlertTonePattern& pattern) {
  if (!pattern.playable() || running_) return false;
  joinWorker();
  const QAudioDevice device = device_.value_or(QMediaDevices::defaultAudioOutput());
  stop_ = false;
  running_ = true;
  worker_ = QThread::create([this, pattern, device] { run(pattern, device); });
  connect(worker_, &QThread::finished, this, [this, playback = ++playback_] {
    // A playback that stop() or the next Play already joined has been dealt with.
    if (playback != playback_ || !worker_) return;
    joinWorker();
    emit finished();
  });
  worker_->start();
  if (device.isNull()) emit silentPlayback();
  return true;
}

void TonePlayer::stop() {
  {
    const std::lock_guard lock(mutex_);
    stop_ = true;
  }
  wake_.notify_all();
  joinWorker();
}

void TonePlayer::joinWorker() {
  if (!worker_) return;
  worker_->wait();
  delete worker_;
  worker_ = nullptr;
  running_ = false;
}

void TonePlayer::run(const AlertTonePattern& pattern, const QAudioDevice& device) {
  if (device.isNull()) {
    waitSilently(pattern);
  } else if (!playSound(pattern, device)) {
    QMetaObject::invokeMethod(this, &TonePlayer::silentPlayback, Qt::QueuedConnection);
    waitSilently(pattern);
  }
  running_ = false;
}

bool TonePlayer::playSound(const AlertTonePattern& pattern, const QAudioDevice& device) {
  const QAudioFormat format = formatFor(device);
  if (!ToneSource::canWrite(format)) return false;
  ToneSource source(pattern, format, stop_);
  QAudioSink sink(device, format);
  QEventLoop loop;
  QObject::connect(&sink, &QAudioSink::stateChanged, &loop, [&loop](QAudio::State state) {
    if (state == QAudio::IdleState || state == QAudio::StoppedState) loop.quit();
  });
  QTimer poll;
  QObject::connect(&poll, &QTimer::timeout, &loop, [this, &loop] {
    if (stop_) loop.quit();
  });
  sink.start(&source);
  if (sink.error() != QAudio::NoError || sink.state() == QAudio::StoppedState) return false;
  poll.start(kStopPollMs);
  loop.exec();
  if (!stop_) drain(sink, pattern.totalMs());
  // On Stop whatever the output still buffers is dropped, so it is heard at once.
  if (stop_) sink.reset();
  sink.stop();
  return true;
}

void TonePlayer::drain(QAudioSink& sink, long long totalMs) {
  // The output turns idle once it has taken the last samples, while it still
  // holds some of them: wait until it has played the whole tone (Stop ends the
  // wait) rather than cut off its end, but not on an output that stopped moving.
  QEventLoop loop;
  QTimer poll;
  QElapsedTimer still;
  still.start();
  qint64 played = sink.processedUSecs();
  QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
    const qint64 now = sink.processedUSecs();
    if (now != played) still.restart();
    played = now;
    if (stop_ || played >= totalMs * 1000 || still.elapsed() > kDrainStallMs) loop.quit();
  });
  poll.start(kStopPollMs);
  loop.exec();
}

void TonePlayer::waitSilently(const AlertTonePattern& pattern) {
  std::unique_lock lock(mutex_);
  wake_.wait_for(lock, std::chrono::milliseconds(pattern.totalMs()), [this] { return stop_.load(); });
}

}  // namespace vex::gui
