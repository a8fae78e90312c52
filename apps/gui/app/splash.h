#pragma once
// The splash picture shown while the main window comes up: after 1.5 s the
// main window shows maximized, after a further 2.5 s the splash closes; a key
// or mouse press does both at once and is swallowed.
#include <QPixmap>
#include <QPointer>
#include <QTimer>
#include <QWidget>

namespace vex::gui {

class CSplashWindow : public QWidget {
  Q_OBJECT
 public:
  static constexpr int kShowMainMs = 1500;
  static constexpr int kCloseMs = 2500;

  CSplashWindow(const QString& picturePath, QWidget* mainWindow);
  ~CSplashWindow() override;
  bool hasPicture() const { return !picture_.isNull(); }
  bool mainWindowShown() const { return mainShown_; }

  // The picture file for the current language in a data directory.
  static QString picturePath(const QString& dataDir, bool simplifiedChinese);

 protected:
  void paintEvent(QPaintEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void showMainWindow();
  void finish();
  QPixmap picture_;
  QPointer<QWidget> main_;
  QTimer showTimer_, closeTimer_;
  bool mainShown_ = false;
  bool finished_ = false;
};

}  // namespace vex::gui
