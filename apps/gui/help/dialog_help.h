#pragma once
// F1 in a dialog: the topic of the focused control's id, else the dialog's
// template id (property "vexTemplateId"), else the index.
#include <QObject>

namespace vex::gui {

inline constexpr const char* kTemplateIdProperty = "vexTemplateId";

class DialogHelpFilter : public QObject {
  Q_OBJECT
 public:
  using QObject::QObject;
  // Installs one filter on the application.
  static void install();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
};

}  // namespace vex::gui
