// The alert-tone view: fields, spin arrows, the pattern, record moves and
// playback with Play and Stop.
#include <gtest/gtest.h>
#include <QAudioDevice>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <array>
#include <atomic>
#include <cstring>

#include "adapters/radio_data.h"
#include "core/container.h"
#include "gui_test_support.h"
#include "toolkit/control_id.h"
#include "toolkit/controls.h"
#include "views/messages.h"
#include "views/tone_player.h"
#include "views/tone_source.h"
#include "views/view_alert_tone.h"
#include "views/view_host.h"

namespace vex::gui {
namespace {

using V = CViewAlertTone;

struct RecordingHost : ViewHost {
  RecordingHost() { ViewHost::setCurrent(this); }
  ~RecordingHost() override { ViewHost::setCurrent(nullptr); }
  void sendToMainFrame(int message, long, long, const ChangeNotice*) override { messages.push_back(message); }
  void showStatusText(const std::string& text) override { statusTexts.push_back(text); }
  std::vector<int> messages;
  std::vector<std::string> statusTexts;
};

// The shipped language's alert-tone texts, and the word for off.
void addShippedAlertTexts(test::DataDir& data) {
  QFile file(QString::fromLatin1(VEX_DATA_DIR) + "/VEX_E.lng");
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  for (const QByteArray& line : file.readAll().split('\n'))
    if (line.startsWith("S02050") || line.startsWith("S0101174") || line.startsWith("S0101260"))
      data.addLanguageLine(line.trimmed().toStdString());
}

class AlertToneView : public ::testing::Test {
 protected:
  AlertToneView() {
    addShippedAlertTexts(data);
    view = std::make_unique<CViewAlertTone>();
    view->player().setDevice(QAudioDevice());  // no sound in tests: the timing alone
    view->initialUpdate();
  }
  ~AlertToneView() override { view->closing(); }

  QLineEdit* edit(int id) { return findControlAs<QLineEdit>(view->form(), id); }
  CSpinButton* spin(int editId) { return findControlAs<CSpinButton>(view->form(), editId + V::kSpinOffset); }
  std::uint8_t byte(std::size_t offset, std::size_t record = 0) {
    return RadioDataContainer::instance().alertTones()[record].record().bytes[offset];
  }
  QPushButton* button(int id) { return findControlAs<QPushButton>(view->form(), id); }
  // Columns of the painted pattern that hold a pixel of `colour`.
  int barColumns(QColor colour) {
    const QImage image = findControl(view->form(), V::kPattern)->grab().toImage();
    int columns = 0;
    for (int x = 0; x < image.width(); ++x) {
      bool found = false;
      for (int y = 0; y < image.height() && !found; ++y) found = image.pixelColor(x, y) == colour;
      columns += found ? 1 : 0;
    }
    return columns;
  }
  // The width the library gives bar `n` of the current pattern in the painted area.
  int barWidth(std::size_t n) {
    const QSize size = findControl(view->form(), V::kPattern)->size();
    const auto bars = PatternBars(view->pattern(), size.width(), size.height());
    return n < bars.size() ? bars[n].width : 0;
  }

  test::DataDir data;
  RecordingHost host;
  std::unique_ptr<CViewAlertTone> view;
};

TEST_F(AlertToneView, ShowsTheFirstToneAndItsPattern) {
  EXPECT_EQ(findControlAs<QComboBox>(view->form(), V::kCycle)->currentText(), "1");
  EXPECT_EQ(edit(V::kPause)->text(), "3");
  EXPECT_EQ(edit(V::kFirstFrequency)->text(), "1000");
  EXPECT_EQ(edit(V::kFirstDuration)->text(), "100");
  EXPECT_EQ(edit(V::kFirstFrequency + 1)->text(), "500");
  EXPECT_EQ(edit(V::kFirstDuration + 1)->text(), "0");
  EXPECT_EQ(edit(V::kFirstFrequency)->maxLength(), 4);
  EXPECT_EQ(edit(V::kPause)->maxLength(), 3);
  // Only the first segment sounds: a single blue bar.
  EXPECT_EQ(view->pattern().segments[0].hz, 1000);
  EXPECT_EQ(barColumns(Qt::blue), barWidth(0));
  EXPECT_EQ(barColumns(Qt::red), 0);
  // A second segment adds a red bar and the two share the width.
  edit(V::kFirstDuration + 1)->setText("100");
  emit edit(V::kFirstDuration + 1)->editingFinished();
  EXPECT_EQ(barColumns(Qt::blue), barWidth(0));
  EXPECT_EQ(barColumns(Qt::red), barWidth(1));
  EXPECT_EQ(barWidth(0), barWidth(1));
}

TEST_F(AlertToneView, SpinStepsReachTheRecordAndPassThroughOff) {
  spin(V::kFirstFrequency)->step(false);
  EXPECT_EQ(edit(V::kFirstFrequency)->text(), "990");
  EXPECT_EQ(byte(2), 99);
  EXPECT_EQ(view->pattern().segments[0].hz, 990);
  EXPECT_EQ(host.messages.back(), WM_DATA_CHANGED);

  edit(V::kFirstFrequency)->setText("10");
  spin(V::kFirstFrequency)->step(false);
  EXPECT_EQ(edit(V::kFirstFrequency)->text(), "Off");
  EXPECT_EQ(byte(2), 0);
  spin(V::kFirstFrequency)->step(false);
  EXPECT_EQ(edit(V::kFirstFrequency)->text(), "2550");
  EXPECT_EQ(byte(2), 255);
  spin(V::kFirstFrequency)->step(true);
  EXPECT_EQ(edit(V::kFirstFrequency)->text(), "Off");

  // The arrow keys in the edit step as the arrows do.
  QTest::keyClick(edit(V::kFirstFrequency), Qt::Key_Up);
  EXPECT_EQ(edit(V::kFirstFrequency)->text(), "10");
  EXPECT_EQ(edit(V::kFirstFrequency)->selectedText(), "10");
}

TEST_F(AlertToneView, NoFirstDurationCanEndTheToneList) {
  RadioDataContainer::instance().alertTones().appendNew();
  // The first duration's raw value is the record marker: 2550 ms would be 0xFF.
  edit(V::kFirstDuration)->setText("9999");
  emit edit(V::kFirstDuration)->editingFinished();
  EXPECT_EQ(edit(V::kFirstDuration)->text(), "2540");
  EXPECT_EQ(byte(3), 254);
  spin(V::kFirstDuration)->step(true);  // from the top to the bottom, never past it
  EXPECT_EQ(byte(3), 0);
  spin(V::kFirstDuration)->step(false);
  EXPECT_EQ(byte(3), 254);
  RadioDataContainer& data = RadioDataContainer::instance();
  data.encode();
  data.decode();
  EXPECT_EQ(data.alertTones().size(), 2u);
}

TEST_F(AlertToneView, PlayWithoutSoundOutputKeepsTimeAndStopEndsItAtOnce) {
  QComboBox* cycle = findControlAs<QComboBox>(view->form(), V::kCycle);
  cycle->setCurrentIndex(cycle->findText("Continuous"));
  emit cycle->activated(cycle->currentIndex());
  EXPECT_EQ(view->pattern().cycles, AlertTonePattern::kContinuousCycles);

  button(V::kPlay)->click();
  EXPECT_TRUE(view->isPlaying());
  EXPECT_FALSE(button(V::kPlay)->isEnabled());
  ASSERT_EQ(host.statusTexts.size(), 1u);
  EXPECT_NE(host.statusTexts[0].find("No sound output"), std::string::npos);
  QTest::qWait(100);
  EXPECT_TRUE(view->isPlaying());  // continuous: it plays until stopped

  QElapsedTimer clock;
  clock.start();
  button(V::kStop)->click();
  const qint64 stopMs = clock.elapsed();
  // The continuous tone would run for hours: anything near a second means Stop
  // waited for something (it takes about 0 ms here), not that it was slow.
  EXPECT_LT(stopMs, 1000) << "Stop took " << stopMs << " ms";
  RecordProperty("stop_ms", static_cast<int>(stopMs));
  EXPECT_FALSE(view->isPlaying());
  EXPECT_TRUE(button(V::kPlay)->isEnabled());
}

TEST_F(AlertToneView, AShortToneEndsByItselfAndPlayComesBack) {
  QSignalSpy ended(&view->player(), &TonePlayer::finished);
  view->play();  // one cycle of 100 ms
  EXPECT_TRUE(view->isPlaying());
  ASSERT_TRUE(ended.wait(5000));
  EXPECT_FALSE(view->isPlaying());
  EXPECT_TRUE(button(V::kPlay)->isEnabled());
}

TEST_F(AlertToneView, NothingToPlayWithoutDurations) {
  edit(V::kFirstDuration)->setText("0");
  emit edit(V::kFirstDuration)->editingFinished();
  EXPECT_FALSE(view->pattern().playable());
  EXPECT_EQ(barColumns(Qt::blue) + barColumns(Qt::red), 0);
  view->play();
  EXPECT_FALSE(view->isPlaying());
  EXPECT_TRUE(button(V::kPlay)->isEnabled());
}

TEST_F(AlertToneView, MovesStopPlaybackAndDeletingTheLastToneLeavesNothingToEdit) {
  RadioDataContainer::instance().alertTones().appendNew();
  QComboBox* cycle = findControlAs<QComboBox>(view->form(), V::kCycle);
  cycle->setCurrentIndex(cycle->findText("Continuous"));
  emit cycle->activated(cycle->currentIndex());
  view->play();
  view->deliver(WM_VIEW_NAVIGATE, 0, kMoveNext);
  EXPECT_FALSE(view->isPlaying());
  EXPECT_EQ(view->position(), 2);
  EXPECT_EQ(findControlAs<QComboBox>(view->form(), V::kCycle)->currentText(), "1");

  view->deliver(WM_VIEW_NAVIGATE, 0, kMoveDelete);
  EXPECT_EQ(radio_data::recordCount(RecordKind::AlertTone), 1);
  view->deliver(WM_VIEW_NAVIGATE, 0, kMoveDelete);  // the only tone stays
  EXPECT_EQ(radio_data::recordCount(RecordKind::AlertTone), 1);
  EXPECT_EQ(view->position(), 0);
  EXPECT_FALSE(edit(V::kFirstFrequency)->isEnabled());
  EXPECT_FALSE(spin(V::kFirstFrequency)->isEnabled());
  EXPECT_FALSE(button(V::kPlay)->isEnabled());
  EXPECT_FALSE(view->pattern().playable());

  view->deliver(WM_VIEW_NAVIGATE, 0, kMoveFirst);
  EXPECT_TRUE(edit(V::kFirstFrequency)->isEnabled());
  EXPECT_TRUE(button(V::kPlay)->isEnabled());
}

// What an audio output reads: the same sound in its own format, and nothing
// more once the stop flag is set.
TEST(ToneSource, WritesTheOutputsFormatAndStopsFeedingAtOnce) {
  AlertTonePattern pattern;
  pattern.segments[0] = {1000, 100};
  std::atomic<bool> stop{false};
  QAudioFormat mono;
  mono.setSampleRate(8000);
  mono.setChannelCount(1);
  mono.setSampleFormat(QAudioFormat::Int16);
  QAudioFormat stereo = mono;
  stereo.setChannelCount(2);
  stereo.setSampleFormat(QAudioFormat::Float);
  ToneSource monoSource(pattern, mono, stop);
  ToneSource stereoSource(pattern, stereo, stop);
  const QByteArray ints = monoSource.read(200);  // 100 samples
  const QByteArray floats = stereoSource.read(800);
  ASSERT_EQ(ints.size(), 200);
  ASSERT_EQ(floats.size(), 800);
  for (int i = 0; i < 100; ++i) {
    std::int16_t sample;
    std::array<float, 2> frame;
    std::memcpy(&sample, ints.data() + 2 * i, 2);
    std::memcpy(frame.data(), floats.data() + 8 * i, 8);
    EXPECT_FLOAT_EQ(frame[0], sample / 32768.0f);
    EXPECT_FLOAT_EQ(frame[1], frame[0]);
  }
  stop = true;
  EXPECT_TRUE(monoSource.read(200).isEmpty());
  EXPECT_TRUE(monoSource.atEnd());
}

}  // namespace
}  // namespace vex::gui
