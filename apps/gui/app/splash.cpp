#include "app/splash.h"

#include "app/application.h"

#include <QApplication>
#include <QFileInfo>
#include <QPainter>
#include <QScreen>

namespace vex::gui {

QString CSplashWindow::picturePath(const QString& dataDir, bool simplifiedChinese) {
  return dataDir + (simplifiedChinese ? QStringLiteral("/splash_S.jpg") : QStringLiteral("/splash_E.jpg"));
}

CSplashWindow::CSplashWindow(const QString& path, QWidget* mainWindow)
    : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint), main_(mainWindow) {
  setAttribute(Qt::WA_DeleteOnClose);
  setAttribute(Qt::WA_QuitOnClose, false);
  if (QFileInfo::exists(path)) picture_.load(path);
  setFixedSize(picture_.isNull() ? QSize(0, 0) : picture_.size());
  if (QScreen* screen = QGuiApplication::primaryScreen()) move(screen->geometry().center() - rect().center());
  QApplication::setOverrideCursor(Qt::WaitCursor);
  qApp->installEventFilter(this);
  showTimer_.setSingleShot(true);
  closeTimer_.setSingleShot(true);
  connect(&showTimer_, &QTimer::timeout, this, [this] {
    closeTimer_.start(kCloseMs);
    showMainWindow();
  });
  connect(&closeTimer_, &QTimer::timeout, this, &CSplashWindow::finish);
  showTimer_.start(kShowMainMs);
  show();
}

CSplashWindow::~CSplashWindow() {
  qApp->removeEventFilter(this);
  if (!finished_) QApplication::restoreOverrideCursor();
}

void CSplashWindow::showMainWindow() {
  if (mainShown_ || !main_) return;
  mainShown_ = true;
  showMaximizedOnScreen(main_);
}

void CSplashWindow::finish() {
  if (finished_) return;
  finished_ = true;
  qApp->removeEventFilter(this);
  QApplication::restoreOverrideCursor();
  showTimer_.stop();
  closeTimer_.stop();
  showMainWindow();
  close();
}

void CSplashWindow::paintEvent(QPaintEvent*) {
  if (picture_.isNull()) return;
  QPainter painter(this);
  painter.drawPixmap(0, 0, picture_);
}

bool CSplashWindow::eventFilter(QObject*, QEvent* event) {
  if (finished_) return false;
  switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::MouseButtonPress:
    case QEvent::NonClientAreaMouseButtonPress: finish(); return true;
    default: break;
  }
  // Without a picture there is nothing to look at: the first event ends it.
  if (picture_.isNull()) QTimer::singleShot(0, this, &CSplashWindow::finish);
  return false;
}

}  // namespace vex::gui
