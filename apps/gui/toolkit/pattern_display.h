#pragma once
// CPatternDisplay: the picture of an alert tone, one bar per sounding
// segment on white (width by duration, height by frequency; even segments
// blue, odd ones red). The geometry is the library's.
#include <QFrame>

#include "core/alert_tone_pattern.h"

namespace vex::gui {

class CPatternDisplay : public QFrame {
  Q_OBJECT
 public:
  explicit CPatternDisplay(QWidget* parent = nullptr);
  void setPattern(const AlertTonePattern& pattern);
  const AlertTonePattern& pattern() const { return pattern_; }
  // The bars as drawn, in the display's own coordinates.
  std::vector<PatternBar> bars() const;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  AlertTonePattern pattern_;
};

}  // namespace vex::gui
