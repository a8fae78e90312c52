#pragma once
// A text in the top-left corner of a table view, where the row and column
// headers meet ("Address", "No.").
class QLabel;
class QString;
class QTableView;

namespace vex::gui {

// Places a right-aligned label over the corner of `table` and keeps it there
// as the headers change size.
QLabel* addCornerText(QTableView* table, const QString& text);

}  // namespace vex::gui
