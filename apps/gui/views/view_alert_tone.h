#pragma once
// CViewAlertTone: the alert tones, one record at a time: cycles, pause, and
// eight tone segments of frequency (or off) and duration, each with spin
// arrows. The pattern display draws the current tone, Play sounds it on a
// worker and Stop ends it at once. Moves and closing stop the sound.
#include "core/alert_tone_pattern.h"
#include "views/record_form.h"
#include "views/record_view.h"

namespace vex::gui {

class TonePlayer;

class CViewAlertTone : public CRecordView, public RecordForm {
  Q_OBJECT
 public:
  static constexpr int kTemplateId = 5002;
  static constexpr int kCycle = 5003;
  static constexpr int kFirstFrequency = 5004;  // segment k: 5004 + k
  static constexpr int kPause = 5018;
  static constexpr int kFirstDuration = 5019;  // segment k: 5019 + k
  static constexpr int kSpinOffset = 29;       // a spin button's id is its edit's + 29
  static constexpr int kPattern = 5082;
  static constexpr int kPlay = 5083;
  static constexpr int kStop = 5084;
  static constexpr int kPlayState = 5085;

  explicit CViewAlertTone(QWidget* parent = nullptr);

  void initialUpdate() override;
  long handleMessage(int message, long wParam, long lParam, const ChangeNotice* notice = nullptr) override;
  void closing() override;

  void play();
  void stop();
  bool isPlaying() const;
  // What Play plays: the current record as shown.
  const AlertTonePattern& pattern() const { return pattern_; }
  TonePlayer& player() const { return *player_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  QWidget* recordWidget() const override { return form(); }
  std::span<std::uint8_t> recordBytes() const override { return currentBytes(); }
  void loadCurrent() override;
  void storeCurrent() override;
  void userChangeStored(int id) override;

 private:
  // The playback parameters and the picture follow the current record.
  void showPattern();
  // The controls offer nothing to edit while there is no current record.
  void showRecordState();
  void showPlaying(bool playing);

  TonePlayer* player_;
  AlertTonePattern pattern_;
};

}  // namespace vex::gui
