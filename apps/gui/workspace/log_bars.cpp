#include "workspace/log_bars.h"

#include <algorithm>

#include <QTreeWidget>

#include "adapters/field_controls.h"
#include "adapters/radio_data.h"
#include "adapters/texts.h"
#include "base/text_ids.h"

namespace vex::gui {
namespace {

QString textOr(int id, const char* fallback) {
  const std::string text = texts::label(id);
  return text.empty() ? QString::fromUtf8(fallback) : QString::fromStdString(text);
}

}  // namespace

CLogBar::CLogBar(const QString& objectName, QWidget* parent) : QDockWidget(parent), list_(new QTreeWidget) {
  setObjectName(objectName);
  list_->setRootIsDecorated(false);
  list_->setSelectionBehavior(QAbstractItemView::SelectRows);
  list_->setColumnCount(2);
  list_->setColumnWidth(0, 200);
  list_->setColumnWidth(1, 300);
  setWidget(list_);
}

void CLogBar::translate(const QString& title) {
  setWindowTitle(title);
  list_->setHeaderLabels({textOr(text::kLogColumnItem, "Item"), textOr(text::kLogColumnDescription, "Description")});
}

QList<int> CLogBar::keys() const {
  QList<int> keys;
  for (int i = 0; i < list_->topLevelItemCount(); ++i)
    keys.push_back(list_->topLevelItem(i)->data(0, kKeyRole).toInt());
  return keys;
}

void CLogBar::showFindings() {
  const auto& rows = radio_data::invalidRows();
  auto listed = [&rows](int key) {
    return std::any_of(rows.begin(), rows.end(),
                       [key](const InvalidLogRow& r) { return invalidLogKey(r.finding) == key; });
  };
  for (int i = list_->topLevelItemCount() - 1; i >= 0; --i)
    if (!listed(list_->topLevelItem(i)->data(0, kKeyRole).toInt())) delete list_->takeTopLevelItem(i);
  QTreeWidgetItem* added = nullptr;
  const QList<int> present = keys();
  for (const InvalidLogRow& row : rows) {
    const int key = invalidLogKey(row.finding);
    if (present.contains(key)) continue;
    added = new QTreeWidgetItem(list_, {QString::fromStdString(row.label), QString::fromStdString(row.location)});
    added->setData(0, kKeyRole, key);
  }
  if (added) list_->scrollToItem(added);
}

}  // namespace vex::gui
