#pragma once
// The open view as JSON, for automation and bug reports (--dump-view):
//   {"view": ID, "record": N, "records": COUNT, "controls": [...]}
// Each control is {"id", "kind", "text", "enabled", "visible"}, with "items"
// (texts in order) for lists and combo boxes, "checked" for check boxes and
// radio buttons, and "cells" (rows of texts, header row and column
// included) for grids. Controls of every sheet page are in the one list.
// Keys come in that order; each control is one line.
#include <QByteArray>
#include <QJsonValue>
#include <QList>
#include <QPair>
#include <QString>

class QWidget;

namespace vex::gui {

class CChildFrame;

// A JSON object whose keys keep their order.
using OrderedObject = QList<QPair<QString, QJsonValue>>;

QByteArray viewJson(const CChildFrame& frame);
// One control's members, or none for a widget without a control id.
OrderedObject describeControl(const QWidget* control, const QWidget* form);
// The members written as one JSON object on one line.
QByteArray objectJson(const OrderedObject& object);

}  // namespace vex::gui
