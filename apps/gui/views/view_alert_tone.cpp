#include "views/view_alert_tone.h"

#include <array>

#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>

#include "adapters/settings.h"
#include "adapters/texts.h"
#include "base/text_ids.h"
#include "config/app_settings.h"
#include "toolkit/control_id.h"
#include "toolkit/controls.h"
#include "toolkit/images.h"
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
constexpr int kEditDigits = 4;
constexpr int kPauseDigits = 3;

// A range edit with its spin arrows to the right.
constexpr ControlDef rangeEdit(int id, K kind, int digits, int x, int y) {
  return {id, kind, "", x, y, 40, 13, 0, digits};
}
constexpr ControlDef spinArrows(int editId, int x, int y) {
  return {editId + V::kSpinOffset, K::Spin, "", x, y, 10, 13, 0, 0, nullptr, editId};
}

// The template: cycle and pause on top, one row per segment with its
// frequency and duration edits and their arrows, the picture and the
// playback buttons on the right.
constexpr std::size_t kControlCount = 11 + 5 * kSegments;
constexpr auto kControls = [] {
  std::array<ControlDef, kControlCount> c{};
  std::size_t n = 0;
  c[n++] = {5012, K::Label, "Cycle", 8, 10, 62, 12};
  c[n++] = {V::kCycle, K::Combo, "", 74, 9, 70, 13};
  c[n++] = {5013, K::Label, "Beep Segment Num", 160, 10, 100, 12};
  c[n++] = {V::kPause, K::RangeEdit, "", 262, 9, 30, 13, 0, kPauseDigits};
  c[n++] = spinArrows(V::kPause, 292, 9);
  c[n++] = {5014, K::Label, "Frequency[Hz]", 74, 30, 70, 12};
  c[n++] = {5015, K::Label, "Duration[ms]", 134, 30, 70, 12};
  for (int k = 0; k < kSegments; ++k) {
    const int y = 44 + 16 * k;
    c[n++] = {kFirstToneLabel + k, K::Label, "Tone", 8, y + 1, 62, 12};
    c[n++] = rangeEdit(V::kFirstFrequency + k, K::RangeOffEdit, kEditDigits, 74, y);
    c[n++] = spinArrows(V::kFirstFrequency + k, 114, y);
    c[n++] = rangeEdit(V::kFirstDuration + k, K::RangeEdit, kEditDigits, 134, y);
    c[n++] = spinArrows(V::kFirstDuration + k, 174, y);
  }
  c[n++] = {V::kPattern, K::Painted, "", 196, 44, 148, 92};
  c[n++] = {V::kPlayState, K::Label, "", 196, 148, 14, 14};
  c[n++] = {V::kPlay, K::Button, "Play", 232, 148, 54, 14};
  c[n++] = {V::kStop, K::Button, "Stop", 290, 148, 54, 14};
  return c;
}();
static_assert(kControls.back().id == V::kStop, "kControlCount must count every control");
constexpr FormDef kForm{V::kTemplateId, "Alert Tone", 352, 176, kControls};

// White, with the pattern's bars: even segments blue, odd ones red.
void paintPattern(QPainter& painter, const QRect& area, const AlertTonePattern& pattern) {
  painter.fillRect(area, Qt::white);
  for (const PatternBar& bar : PatternBars(pattern, area.width(), area.height()))
    painter.fillRect(area.x() + bar.x, area.y() + bar.y, bar.width, bar.height,
                     bar.segment % 2 == 0 ? Qt::blue : Qt::red);
  painter.setPen(Qt::gray);
  painter.drawRect(area.adjusted(0, 0, -1, -1));
}

}  // namespace

CViewAlertTone::CViewAlertTone(QWidget* parent)
    : CRecordView(kForm, RecordKind::AlertTone, LastRecordDelete::LeaveNoCurrent, parent),
      RecordForm(FieldArea::AlertTone),
      player_(new TonePlayer(this)) {
  findControlAs<CPaintedControl>(form(), kPattern)->setPainter([this](QPainter& painter, const QRect& area) {
    paintPattern(painter, area, pattern_);
  });
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

bool CViewAlertTone::eventFilter(QObject* watched, QEvent* event) {
  // Up and Down in an edit with arrows step it as the arrows do.
  if (event->type() == QEvent::KeyPress) {
    const auto* key = static_cast<QKeyEvent*>(event);
    const int id = controlId(qobject_cast<QWidget*>(watched));
    auto* arrows = id > 0 ? findControlAs<CSpinButton>(form(), id + kSpinOffset) : nullptr;
    if (arrows && key->modifiers() == Qt::NoModifier && (key->key() == Qt::Key_Up || key->key() == Qt::Key_Down)) {
      arrows->step(key->key() == Qt::Key_Up);
      return true;
    }
  }
  return CRecordView::eventFilter(watched, event);
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
  control(kPattern)->update();
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
  if (auto* state = findControlAs<QLabel>(form(), kPlayState))
    state->setPixmap(imageIcon(playing ? kImagePlaying : kImageNotPlaying).pixmap(16, 16));
}

}  // namespace vex::gui
