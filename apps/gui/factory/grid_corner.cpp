#include "factory/grid_corner.h"

#include <QHeaderView>
#include <QLabel>
#include <QTableView>

namespace vex::gui {

QLabel* addCornerText(QTableView* table, const QString& text) {
  table->setCornerButtonEnabled(false);
  auto* corner = new QLabel(text, table);
  corner->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  auto place = [table, corner] {
    const int frame = table->frameWidth();
    corner->setGeometry(frame, frame, table->verticalHeader()->width() - 2, table->horizontalHeader()->height());
  };
  QObject::connect(table->verticalHeader(), &QHeaderView::geometriesChanged, corner, place);
  QObject::connect(table->horizontalHeader(), &QHeaderView::geometriesChanged, corner, place);
  place();
  return corner;
}

}  // namespace vex::gui
