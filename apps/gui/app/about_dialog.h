#pragma once
#include <QDialog>

namespace vex::gui {

// About (template 100): program name, version and data version; OK closes it.
class CAboutDialog : public QDialog {
  Q_OBJECT
 public:
  static constexpr int kTemplateId = 100;
  explicit CAboutDialog(QWidget* parent = nullptr);
};

}  // namespace vex::gui
