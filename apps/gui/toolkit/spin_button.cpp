#include "toolkit/spin_button.h"

#include <QKeyEvent>
#include <QToolButton>

#include "toolkit/edits.h"

namespace vex::gui {

CSpinButton::CSpinButton(QWidget* parent) : QWidget(parent), up_(new QToolButton(this)), down_(new QToolButton(this)) {
  for (auto [arrow, type, direction] :
       {std::tuple{up_, Qt::UpArrow, SpinStep::Up}, std::tuple{down_, Qt::DownArrow, SpinStep::Down}}) {
    arrow->setArrowType(type);
    arrow->setAutoRepeat(true);
    // The arrows step the buddy; the focus stays where it is.
    arrow->setFocusPolicy(Qt::NoFocus);
    connect(arrow, &QToolButton::clicked, this, [this, direction = direction] { step(direction); });
  }
  setFocusPolicy(Qt::NoFocus);
}

void CSpinButton::setBuddy(RangeEdit* buddy) {
  if (buddy_) buddy_->removeEventFilter(this);
  buddy_ = buddy;
  if (!buddy_) return;
  buddy_->installEventFilter(this);
  setEnabled(buddy_->isEnabled());
}

void CSpinButton::step(SpinStep direction) {
  if (!buddy_ || !buddy_->isEnabled() || buddy_->isReadOnly()) return;
  buddy_->step(direction);
  emit stepped();
}

bool CSpinButton::eventFilter(QObject* watched, QEvent* event) {
  if (watched == buddy_) {
    if (event->type() == QEvent::EnabledChange) setEnabled(buddy_->isEnabled());
    if (event->type() == QEvent::KeyPress) {
      const auto* key = static_cast<QKeyEvent*>(event);
      if (key->modifiers() == Qt::NoModifier && (key->key() == Qt::Key_Up || key->key() == Qt::Key_Down)) {
        step(key->key() == Qt::Key_Up ? SpinStep::Up : SpinStep::Down);
        return true;
      }
    }
  }
  return QWidget::eventFilter(watched, event);
}

void CSpinButton::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  const int half = height() / 2;
  up_->setGeometry(0, 0, width(), half);
  down_->setGeometry(0, half, width(), height() - half);
}

}  // namespace vex::gui
