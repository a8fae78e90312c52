#include "toolkit/pattern_display.h"

#include <QPainter>

namespace vex::gui {

CPatternDisplay::CPatternDisplay(QWidget* parent) : QFrame(parent) {
  setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
}

void CPatternDisplay::setPattern(const AlertTonePattern& pattern) {
  pattern_ = pattern;
  update();
}

std::vector<PatternBar> CPatternDisplay::bars() const {
  const QRect area = contentsRect();
  std::vector<PatternBar> bars = PatternBars(pattern_, area.width(), area.height());
  for (PatternBar& bar : bars) {
    bar.x += area.x();
    bar.y += area.y();
  }
  return bars;
}

void CPatternDisplay::paintEvent(QPaintEvent* event) {
  {
    QPainter painter(this);
    painter.fillRect(contentsRect(), Qt::white);
    for (const PatternBar& bar : bars())
      painter.fillRect(bar.x, bar.y, bar.width, bar.height, bar.segment % 2 == 0 ? Qt::blue : Qt::red);
  }
  QFrame::paintEvent(event);
}

}  // namespace vex::gui
