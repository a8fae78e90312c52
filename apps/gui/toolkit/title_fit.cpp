#include "toolkit/title_fit.h"

#include <algorithm>

#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QFontMetrics>
#include <QMessageBox>
#include <QPointer>
#include <QProgressDialog>
#include <QScreen>
#include <QStyle>
#include <QTimer>

namespace vex::gui {
namespace {

// Room for the window manager's icon and its buttons, in title bar heights.
constexpr int kTitleBarButtons = 4;

void fitToTitle(QWidget& window) {
  int wanted = widthForTitle(window);
  if (const QScreen* screen = window.screen()) wanted = std::min(wanted, screen->availableGeometry().width() * 9 / 10);
  if (window.width() >= wanted) return;
  // A message box fixes its own size when it shows.
  if (window.minimumWidth() == window.maximumWidth())
    window.setFixedWidth(wanted);
  else
    window.resize(wanted, window.height());
}

class TitleFit : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    auto* dialog = qobject_cast<QDialog*>(watched);
    const bool small = qobject_cast<QMessageBox*>(watched) || qobject_cast<QProgressDialog*>(watched);
    if (event->type() == QEvent::Show && small && dialog->isWindow() && !dialog->windowTitle().isEmpty()) {
      // After the dialog's own sizing on showing.
      QTimer::singleShot(0, dialog, [window = QPointer<QDialog>(dialog)] {
        if (window) fitToTitle(*window);
      });
    }
    return false;
  }
};

}  // namespace

int widthForTitle(const QWidget& window) {
  QFont font = QApplication::font("QMdiSubWindowTitleBar");
  font.setBold(true);
  const int bar = window.style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, &window);
  return QFontMetrics(font).horizontalAdvance(window.windowTitle()) + kTitleBarButtons * bar;
}

void fitDialogsToTheirTitles() {
  static TitleFit* fit = nullptr;
  if (fit) return;
  fit = new TitleFit(qApp);
  qApp->installEventFilter(fit);
}

}  // namespace vex::gui
