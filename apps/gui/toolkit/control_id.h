#pragma once
// Every control built from a template carries its numeric control id in the
// property "vexControlId"; texts, disable flags, option lists, help contexts
// and Invalid Log keys all address controls by it.
#include <QWidget>

namespace vex::gui {

inline constexpr const char* kControlIdProperty = "vexControlId";

inline int controlId(const QWidget* widget) {
  const QVariant v = widget ? widget->property(kControlIdProperty) : QVariant();
  return v.isValid() ? v.toInt() : 0;
}

inline void setControlId(QWidget* widget, int id) { widget->setProperty(kControlIdProperty, id); }

// The descendant of `root` with control id `id`, or null.
inline QWidget* findControl(const QWidget* root, int id) {
  for (QWidget* w : root->findChildren<QWidget*>())
    if (controlId(w) == id) return w;
  return nullptr;
}

template <typename T>
T* findControlAs(const QWidget* root, int id) {
  return qobject_cast<T*>(findControl(root, id));
}

// The control id of `widget` or of its nearest ancestor below `root` that has one.
inline int controlIdAround(const QWidget* widget, const QWidget* root) {
  for (const QWidget* w = widget; w && w != root; w = w->parentWidget())
    if (int id = controlId(w)) return id;
  return 0;
}

}  // namespace vex::gui
