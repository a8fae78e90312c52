#pragma once
// CSpinButton: the up/down arrows beside a range edit (its buddy). A click,
// or the Up/Down key while the buddy has the focus, steps the buddy's text
// through its range; the arrows follow the buddy's enabled state.
#include <QPointer>
#include <QWidget>

#include "config/range_edit.h"

class QToolButton;

namespace vex::gui {

class RangeEdit;

class CSpinButton : public QWidget {
  Q_OBJECT
 public:
  explicit CSpinButton(QWidget* parent = nullptr);
  void setBuddy(RangeEdit* buddy);
  RangeEdit* buddy() const { return buddy_; }
  QToolButton* arrow(SpinStep direction) const { return direction == SpinStep::Up ? up_ : down_; }
  // Steps the buddy and tells the view.
  void step(SpinStep direction);

 signals:
  // The buddy's text changed by a step.
  void stepped();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  QToolButton* up_;
  QToolButton* down_;
  QPointer<RangeEdit> buddy_;
};

}  // namespace vex::gui
