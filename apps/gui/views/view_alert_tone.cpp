#include "views/view_alert_tone.h"

#include <array>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>

#include "adapters/settings.h"
#include "adapters/texts.h"
#include "base/text_ids.h"
#include "config/app_settings.h"
#include "toolkit/control_id.h"
#include "toolkit/edits.h"
#include "toolkit/pattern_display.h"
#include "toolkit/spin_button.h"
#include "views/messages.h"
#include "views/tone_player.h"
#include "views/view_host.h"
#include "workflow/alert_tone_sound.h"

namespace vex::gui {
namespace {

using K = ControlKind;
using V = CViewAlertTone;
constexpr int kSegments = AlertTonePattern::kSegments;
constexpr int kFirstToneLabel = 5056;  // "1st Tone" ... "8th Tone"

// The template: cycle and pause on top, one row per segment with its
// frequency and duration edits and their arrows, the picture and the
// playback buttons on the right.
constexpr std::size_t kControlCount = 11 + 5 * kSegments;
constexpr auto kControls = [] {
  std::array<ControlSpec, kControlCount> c{};
  std::size_t n = 0;
  c[n++] = {5012, K::Label, "Cycle", 8, 10, 62, 12};
  c[n++] = {V::kCycle, K::Combo, "", 74, 9, 70, 13};
  c[n++] = {5013, K::Label, "Beep Segment Num", 160, 10, 100, 12};
  c[n++] = {V::kPause, K::RangeEdit, "", 262, 9, 30, 13};
  c[n++] = {V::kPause + V::kSpinOffset, K::SpinButton, "", 292, 9, 10, 13};
  c[n++] = {5014, K::Label, "Frequency[Hz]", 74, 30, 70, 12};
  c[n++] = {5015, K::Label, "Duration[ms]", 134, 30, 70, 12};
  for (int k = 0; k < kSegments; ++k) {
    const int y = 44 + 16 * k;
    c[n++] = {kFirstToneLabel + k, K::Label, "Tone", 8, y + 1, 62, 12};
    c[n++] = {V::kFirstFrequency + k, K::RangeOffEdit, "", 74, y, 40, 13};
    c[n++] = {V::kFirstFrequency + k + V::kSpinOffset, K::SpinButton, "", 114, y, 10, 13};
    c[n++] = {V::kFirstDuration + k, K::RangeEdit, "", 134, y, 40, 13};
    c[n++] = {V::kFirstDuration + k + V::kSpinOffset, K::SpinButton, "", 174, y, 10, 13};
  }
  c[n++] = {V::kPattern, K::Pattern, "", 196, 44, 148, 92};
  c[n++] = {V::kPlayState, K::Label, "", 196, 148, 14, 14};
  c[n++] = {V::kPlay, K::Button, "Play", 232, 148, 54, 14};
  c[n++] = {V::kStop, K::Button, "Stop", 290, 148, 54, 14};
  return c;
}();
static_assert(kControls.back().id == V::kStop, "kControlCount must count every control");
constexpr FormSpec kForm{V::kTemplateId, "Alert Tone", 352, 176, kControls};

constexpr int kEditDigits = 4;
constexpr int kPauseDigits = 3;

}  // namespace

CViewAlertTone::CViewAlertTone(QWidget* parent)
    : CRecordView(kForm, RecordKind::AlertTone, LastRecordDelete::LeaveNoCurrent, parent),
      RecordForm(FieldArea::AlertTone),
      player_(new TonePlayer(this)) {
  for (int k = 0; k < kSegments; ++k) {
    qobject_cast<QLineEdit*>(control(kFirstFrequency + k))->setMaxLength(kEditDigits);
    qobject_cast<QLineEdit*>(control(kFirstDuration + k))->setMaxLength(kEditDigits);
  }
  qobject_cast<QLineEdit*>(control(kPause))->setMaxLength(kPauseDigits);
  for (CSpinButton* spin : form()->findChildren<CSpinButton*>()) {
    const int edit = controlId(spin) - kSpinOffset;
    spin->setBuddy(findControlAs<RangeEdit>(form(), edit));
    connect(spin, &CSpinButton::stepped, this, [this, edit] {
      if (currentKey() != 0) userChanged(edit);
    });
  }
  connect(qobject_cast<QPushButton*>(control(kPlay)), &QPushButton::clicked, this, &CViewAlertTone::play);
  connect(qobject_cast<QPushButton*>(control(kStop)), &QPushButton::clicked, this, &CViewAlertTone::stop);
  connect(player_, &TonePlayer::finished, this, [this] { showPlaying(false); });
  connect(player_, &TonePlayer::silentPlayback, this, [] {
    if (ViewHost* host = ViewHost::current()) host->showStatusText(texts::message(text::kMsgNoSoundOutput));
  });
  showPlaying(false);
}

void CViewAlertTone::initialUpdate() {
  CRecordView::initialUpdate();
  connectUserChanges(form(), this, [this](int id) {
    if (id != kPlay && id != kStop && currentKey() != 0) userChanged(id);
  });
  showRecordState();
}

long CViewAlertTone::handleMessage(int message, long wParam, long lParam, const ChangeNotice* notice) {
  if (message == WM_VIEW_NAVIGATE) stop();
  const long result = CRecordView::handleMessage(message, wParam, lParam, notice);
  if (message == WM_VIEW_NAVIGATE || message == WM_VIEW_LOAD) showRecordState();
  return result;
}

void CViewAlertTone::closing() {
  stop();
  CRecordView::closing();
}

void CViewAlertTone::loadCurrent() {
  load();
  showPattern();
}

void CViewAlertTone::storeCurrent() {
  if (currentKey() != 0) store();
}

void CViewAlertTone::userChangeStored(int) {
  showPattern();
  if (ViewHost* host = ViewHost::current()) host->sendToMainFrame(WM_DATA_CHANGED, 0, 0, nullptr);
}

void CViewAlertTone::showPattern() {
  const auto bytes = currentBytes();
  pattern_ = bytes.empty() ? AlertTonePattern{} : AlertTonePatternOf(bytes, settings::current().texts());
  findControlAs<CPatternDisplay>(form(), kPattern)->setPattern(pattern_);
}

void CViewAlertTone::showRecordState() {
  const bool current = currentKey() != 0;
  for (QWidget* widget : form()->findChildren<QWidget*>()) {
    const int id = controlId(widget);
    if (id > 0 && !qobject_cast<QLabel*>(widget) && id != kPlayState) setControlEnabled(id, current);
  }
  if (!current) showPattern();
  showPlaying(isPlaying());
}

bool CViewAlertTone::isPlaying() const { return player_->isRunning(); }

void CViewAlertTone::play() {
  if (player_->play(pattern_)) showPlaying(true);
}

void CViewAlertTone::stop() {
  player_->stop();
  showPlaying(false);
}

void CViewAlertTone::showPlaying(bool playing) {
  setControlEnabled(kPlay, !playing && currentKey() != 0);
  const QStyle::StandardPixmap icon = playing ? QStyle::SP_MediaVolume : QStyle::SP_MediaVolumeMuted;
  if (auto* state = findControlAs<QLabel>(form(), kPlayState))
    state->setPixmap(style()->standardIcon(icon).pixmap(16, 16));
}

}  // namespace vex::gui
