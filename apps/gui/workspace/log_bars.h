#pragma once
// The two log bars at the bottom of the main frame, hidden at start: the log
// bar (no part of the program adds rows to it) and the Invalid Log bar, which
// shows the validation findings, one row per finding with the label, the
// location and the finding's entry key.
#include <QDockWidget>

class QTreeWidget;

namespace vex::gui {

class CLogBar : public QDockWidget {
  Q_OBJECT
 public:
  static constexpr int kKeyRole = Qt::UserRole;

  CLogBar(const QString& objectName, QWidget* parent = nullptr);
  QTreeWidget* list() const { return list_; }
  // Column headers (label texts 900 and 901) and the title.
  void translate(const QString& title);
  // The rows of the container's Invalid Log: rows that left are dropped, new
  // ones appended, and the list scrolls to the last new row.
  void showFindings();
  // The entry key of each row, in order.
  QList<int> keys() const;

 private:
  QTreeWidget* list_;
};

}  // namespace vex::gui
