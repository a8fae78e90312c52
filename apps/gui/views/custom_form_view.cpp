#include "views/custom_form_view.h"

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>

#include "help/help_window.h"
#include "toolkit/accessible_names.h"
#include "toolkit/control_id.h"

namespace vex::gui {

CCustomFormView::CCustomFormView(const FormDef& formDef, QWidget* parent)
    : QScrollArea(parent), templateId_(formDef.templateId), form_(new QWidget) {
  form_->setObjectName(QStringLiteral("form%1").arg(formDef.templateId));
  buildForm(form_, formDef);
  setWidget(form_);
  setWidgetResizable(false);
  setFrameShape(QFrame::NoFrame);
  // A click on the form's ground focuses the view (which passes it on);
  // Tab goes from the frame's buttons straight to the form's controls.
  setFocusPolicy(Qt::ClickFocus);
  watch(form_);
  // The control that last had the focus inside this form gets it back when
  // the view is activated again.
  connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
    if (now && form_->isAncestorOf(now)) focusControl_ = now;
  });
}

QWidget* CCustomFormView::control(int id) const { return findControl(form_, id); }

long CCustomFormView::handleMessage(int, long, long, const ChangeNotice*) { return 0; }

long CCustomFormView::deliver(int message, long wParam, long lParam, const ChangeNotice* notice) {
  emit messageDelivered(message, wParam, lParam);
  return handleMessage(message, wParam, lParam, notice);
}

namespace {

// The form's first control that Tab stops at, or null.
QWidget* firstStop(QWidget* form) {
  for (QWidget* widget = form->nextInFocusChain(); widget && widget != form; widget = widget->nextInFocusChain())
    if (form->isAncestorOf(widget) && (widget->focusPolicy() & Qt::TabFocus) && !widget->focusProxy() &&
        widget->isEnabled() && widget->isVisibleTo(form))
      return widget;
  return nullptr;
}

}  // namespace

void CCustomFormView::restoreFocus() {
  if (focusControl_ && form_->isAncestorOf(focusControl_) && focusControl_->isVisibleTo(form_) &&
      focusControl_->isEnabled())
    focusControl_->setFocus(Qt::OtherFocusReason);
  else if (QWidget* first = firstStop(form_))
    first->setFocus(Qt::OtherFocusReason);
}

void CCustomFormView::focusInEvent(QFocusEvent* event) {
  QScrollArea::focusInEvent(event);
  restoreFocus();
}

void CCustomFormView::showContextHelp(int id) {
  if (id == 0) id = controlIdAround(QApplication::focusWidget(), form_);
  HelpWindow::showContext({id, templateId_});
}

void CCustomFormView::watch(QWidget* widget) {
  widget->installEventFilter(this);
  for (QWidget* child : widget->findChildren<QWidget*>()) child->installEventFilter(this);
}

void CCustomFormView::showViewHelp() { HelpWindow::showContext({templateId_}); }

bool CCustomFormView::routeKey(QObject* target, QKeyEvent* event) {
  if (event->key() == Qt::Key_F1 && event->modifiers() == Qt::NoModifier) {
    // The control the key was typed into, not whatever window has the focus now.
    showContextHelp(controlIdAround(qobject_cast<QWidget*>(target), form_));
    return true;
  }
  // Dialog navigation: arrows move between buttons and check boxes as in a
  // dialog; edits, combo boxes and lists keep their own arrow handling.
  auto* button = qobject_cast<QAbstractButton*>(QApplication::focusWidget());
  if (button && form_->isAncestorOf(button)) {
    if (event->key() == Qt::Key_Down || event->key() == Qt::Key_Right) return focusNextPrevChild(true);
    if (event->key() == Qt::Key_Up || event->key() == Qt::Key_Left) return focusNextPrevChild(false);
  }
  return false;
}

bool CCustomFormView::event(QEvent* event) {
  // Inside its frame the view is no window: screen readers read its title as its name.
  if (event->type() == QEvent::WindowTitleChange) setAccessibleName(spokenText(windowTitle()));
  return QScrollArea::event(event);
}

bool CCustomFormView::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress && routeKey(watched, static_cast<QKeyEvent*>(event))) return true;
  if (event->type() == QEvent::ChildAdded) {
    if (auto* child = qobject_cast<QWidget*>(static_cast<QChildEvent*>(event)->child())) watch(child);
  }
  return QScrollArea::eventFilter(watched, event);
}

}  // namespace vex::gui
