#include "app/view_dump.h"

#include <QAbstractItemModel>
#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QJsonArray>
#include <QJsonDocument>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTableView>

#include "adapters/radio_data.h"
#include "toolkit/control_id.h"
#include "toolkit/controls.h"
#include "views/custom_form_view.h"
#include "views/property_page.h"
#include "workspace/child_frame.h"

namespace vex::gui {
namespace {

// The text of a grid's top left cell, which no model header holds.
constexpr const char* kCornerTextProperty = "vexCornerText";

// A grid's texts: the header row first (the corner cell, then the column
// headers), then each row with its row header.
QJsonArray gridCells(const QTableView* grid) {
  QJsonArray rows;
  const QAbstractItemModel* model = grid->model();
  if (!model) return rows;
  QJsonArray header{grid->property(kCornerTextProperty).toString()};
  for (int c = 0; c < model->columnCount(); ++c) header.append(model->headerData(c, Qt::Horizontal).toString());
  rows.append(header);
  for (int r = 0; r < model->rowCount(); ++r) {
    QJsonArray row{model->headerData(r, Qt::Vertical).toString()};
    for (int c = 0; c < model->columnCount(); ++c) row.append(model->index(r, c).data().toString());
    rows.append(row);
  }
  return rows;
}

QJsonArray comboItems(const QComboBox* combo) {
  QJsonArray items;
  for (int i = 0; i < combo->count(); ++i) items.append(combo->itemText(i));
  return items;
}

// The page a control sits on, else the form: visibility counts within it, so
// controls of pages not in front still show as the page would show them.
const QWidget* visibilityRoot(const QWidget* control, const QWidget* form) {
  for (const QWidget* w = control->parentWidget(); w && w != form; w = w->parentWidget())
    if (qobject_cast<const CPropertyPage*>(w)) return w;
  return form;
}

}  // namespace

OrderedObject describeControl(const QWidget* control, const QWidget* form) {
  const int id = controlId(control);
  if (id <= 0) return {};
  QString kind = QStringLiteral("other");
  QString text;
  OrderedObject extra;
  if (auto* check = qobject_cast<const QCheckBox*>(control)) {
    kind = QStringLiteral("check");
    text = check->text();
    extra.append({"checked", check->isChecked()});
  } else if (auto* radio = qobject_cast<const QRadioButton*>(control)) {
    kind = QStringLiteral("radio");
    text = radio->text();
    extra.append({"checked", radio->isChecked()});
  } else if (auto* button = qobject_cast<const QAbstractButton*>(control)) {
    kind = QStringLiteral("button");
    text = button->text();
  } else if (auto* combo = qobject_cast<const QComboBox*>(control)) {
    kind = combo->isEditable() ? QStringLiteral("editable_combo") : QStringLiteral("combo");
    text = combo->currentText();
    extra.append({"items", comboItems(combo)});
  } else if (auto* spin = qobject_cast<const QAbstractSpinBox*>(control)) {
    kind = QStringLiteral("spin");
    text = spin->text();
  } else if (qobject_cast<const CSpinButton*>(control)) {
    kind = QStringLiteral("spin");
  } else if (qobject_cast<const CPaintedControl*>(control)) {
    kind = QStringLiteral("painted");
  } else if (auto* edit = qobject_cast<const QLineEdit*>(control)) {
    kind = QStringLiteral("edit");
    // A password edit dumps its bullets, as it shows them.
    text = edit->echoMode() == QLineEdit::Normal ? edit->text() : edit->displayText();
  } else if (auto* lines = qobject_cast<const QPlainTextEdit*>(control)) {
    kind = QStringLiteral("edit");
    text = lines->toPlainText();
  } else if (auto* grid = qobject_cast<const QTableView*>(control)) {
    kind = QStringLiteral("grid");
    extra.append({"cells", gridCells(grid)});
  } else if (auto* list = qobject_cast<const QAbstractItemView*>(control); list && list->model()) {
    // A list box, whether item based or over a model of its own.
    kind = QStringLiteral("list");
    QJsonArray items;
    for (int r = 0; r < list->model()->rowCount(); ++r) items.append(list->model()->index(r, 0).data().toString());
    extra.append({"items", items});
    text = list->currentIndex().data().toString();
  } else if (auto* group = qobject_cast<const QGroupBox*>(control)) {
    kind = QStringLiteral("group");
    text = group->title();
  } else if (auto* label = qobject_cast<const QLabel*>(control)) {
    kind = QStringLiteral("label");
    text = label->text();
  }
  OrderedObject object{{"id", id},
                       {"kind", kind},
                       {"text", text},
                       {"enabled", control->isEnabled()},
                       {"visible", control->isVisibleTo(visibilityRoot(control, form))}};
  object.append(extra);
  return object;
}

QByteArray objectJson(const OrderedObject& object) {
  QByteArray json = "{";
  for (const auto& [key, value] : object) {
    if (json.size() > 1) json += ", ";
    // A one-element array serialises the value with JSON's own escaping.
    const QByteArray wrapped = QJsonDocument(QJsonArray{key, value}).toJson(QJsonDocument::Compact);
    const qsizetype comma = QJsonDocument(QJsonArray{key}).toJson(QJsonDocument::Compact).size() - 1;
    json += wrapped.mid(1, comma - 1) + ": " + wrapped.mid(comma + 1, wrapped.size() - comma - 2);
  }
  return json + "}";
}

QByteArray viewJson(const CChildFrame& frame) {
  const CCustomFormView* view = frame.view();
  const ViewEntry& entry = frame.entry();
  const bool hasList = entry.list.has_value();
  const OrderedObject head{{"view", entry.command},
                           {"record", hasList ? view->position() : 0},
                           {"records", hasList ? radio_data::recordCount(*entry.list) : 0}};
  QByteArray json = objectJson(head);
  json.chop(1);
  json += ", \"controls\": [";
  const char* separator = "\n  ";
  for (const QWidget* widget : view->form()->findChildren<QWidget*>()) {
    const OrderedObject control = describeControl(widget, view->form());
    if (control.isEmpty()) continue;
    json += separator + objectJson(control);
    separator = ",\n  ";
  }
  return json + "\n]}\n";
}

}  // namespace vex::gui
