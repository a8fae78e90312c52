#include "toolkit/controls.h"

#include <QPainter>
#include <QToolButton>
#include <QVBoxLayout>

#include "toolkit/control_id.h"
#include "toolkit/edits.h"

namespace vex::gui {

CSpinButton::CSpinButton(int buddyId, QWidget* parent)
    : QWidget(parent), buddyId_(buddyId), up_(new QToolButton(this)), down_(new QToolButton(this)) {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  for (auto [button, arrow] : {std::pair{up_, Qt::UpArrow}, std::pair{down_, Qt::DownArrow}}) {
    button->setArrowType(arrow);
    button->setAutoRepeat(true);
    button->setFocusPolicy(Qt::NoFocus);
    button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    layout->addWidget(button);
  }
  connect(up_, &QToolButton::clicked, this, [this] { step(true); });
  connect(down_, &QToolButton::clicked, this, [this] { step(false); });
}

void CSpinButton::step(bool up) {
  QWidget* form = parentWidget();
  auto* buddy = form ? findControlAs<RangeEdit>(form, buddyId_) : nullptr;
  if (!buddy || !buddy->isEnabled()) return;
  buddy->spin(up);
  emit buddy->editingFinished();  // the view commits and stores as when the edit is left
  emit stepped(up);
}

CPaintedControl::CPaintedControl(QWidget* parent) : QWidget(parent) {}

void CPaintedControl::setPainter(Painter painter) {
  painter_ = std::move(painter);
  update();
}

void CPaintedControl::paintEvent(QPaintEvent*) {
  if (!painter_) return;
  QPainter painter(this);
  painter_(painter, rect());
}

}  // namespace vex::gui
