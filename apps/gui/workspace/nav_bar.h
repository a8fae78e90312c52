#pragma once
// The record-navigation bar of a child frame: Close, Print, Help and, for
// views that edit one record of a list, the record moves with a counter. It
// only forwards; the view moves and the main frame decides what is possible.
#include <QWidget>

class QAbstractButton;
class QLabel;

namespace vex::gui {

class CNavBar : public QWidget {
  Q_OBJECT
 public:
  static constexpr int kTemplateId = 153;
  enum : int {
    kClose = 1050,
    kPrint = 1051,
    kHelp = 1052,
    kFirst = 1053,
    kPrevious = 1054,
    kNext = 1055,
    kLast = 1056,
    kAdd = 1057,
    kDelete = 1058,
    kCounter = 1059,
    kList = 1060
  };

  explicit CNavBar(QWidget* parent = nullptr);

  // WM_NAV_STATE and WM_NAV_POSITION.
  void applyState(int multiRecord, int code);
  void setPosition(int position, int count);
  // The list button (hidden by every state): the channel view shows it to
  // switch to the channel list; `tip` names what it opens.
  void showListButton(const QString& tip);

  QAbstractButton* button(int id) const;
  QLabel* counter() const;

 signals:
  void closeRequested();
  void printRequested();
  void helpRequested();
  void moveRequested(int move);
  void listRequested();
};

}  // namespace vex::gui
