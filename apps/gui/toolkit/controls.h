#pragma once
// Generic controls of the form views besides the edits: a spin button that
// steps a range edit, and an area the view paints itself.
#include <functional>

#include <QWidget>

class QPainter;
class QToolButton;

namespace vex::gui {

// Two arrows beside a range edit: each click steps the edit one step (a
// range edit with off passes through "off" beyond its ends) and commits it
// as leaving the edit would, so the view stores it at once.
class CSpinButton : public QWidget {
  Q_OBJECT
 public:
  CSpinButton(int buddyId, QWidget* parent = nullptr);
  int buddyId() const { return buddyId_; }
  // One step of the buddy edit, as clicking the upper or lower arrow does.
  void step(bool up);

 signals:
  void stepped(bool up);

 private:
  int buddyId_;
  QToolButton* up_;
  QToolButton* down_;
};

// An area the view paints (a tone pattern): `setPainter` gives the drawing,
// `update()` asks for it again.
class CPaintedControl : public QWidget {
  Q_OBJECT
 public:
  using Painter = std::function<void(QPainter& painter, const QRect& area)>;
  explicit CPaintedControl(QWidget* parent = nullptr);
  void setPainter(Painter painter);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  Painter painter_;
};

}  // namespace vex::gui
