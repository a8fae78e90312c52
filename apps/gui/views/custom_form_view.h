#pragma once
// CCustomFormView: the base of every editing window. A scrollable form built
// from a template table, with focus memory, keyboard routing to the frames,
// F1 context help and the view message entry point.
#include <QPointer>
#include <QScrollArea>

#include "core/change_notice.h"
#include "toolkit/form_builder.h"

namespace vex::gui {

class CCustomFormView : public QScrollArea {
  Q_OBJECT
 public:
  explicit CCustomFormView(const FormDef& formDef, QWidget* parent = nullptr);

  int templateId() const { return templateId_; }
  QWidget* form() const { return form_; }
  QWidget* control(int id) const;

  // Runs once after the view is placed in its frame.
  virtual void initialUpdate() {}
  // The view messages. Returns the message's result (0 when not handled).
  virtual long handleMessage(int message, long wParam, long lParam, const ChangeNotice* notice = nullptr);
  // Delivers a view message: announces it, then runs handleMessage.
  long deliver(int message, long wParam, long lParam, const ChangeNotice* notice = nullptr);
  // Called by the frame when it closes, before the view is destroyed.
  virtual void closing() {}
  // The record position shown by multi-record views (1-based).
  virtual int position() const { return 1; }

  // Frame activation: the control that last had the focus gets it back.
  void restoreFocus();

  // Opens help for the control with the focus (or `controlId` when given).
  virtual void showContextHelp(int controlId = 0);
  // Opens the view's own topic (the frame's Help button).
  virtual void showViewHelp();

 signals:
  void messageDelivered(int message, long wParam, long lParam);

 protected:
  bool event(QEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;

 private:
  bool routeKey(QObject* target, class QKeyEvent* event);
  // Routes the keys of `widget` and of everything it holds through the view.
  void watch(QWidget* widget);
  int templateId_;
  QWidget* form_;
  QPointer<QWidget> focusControl_;
};

}  // namespace vex::gui
