#pragma once
// The warning notice before a write to a radio whose data sets passwords
// (template 1137): which passwords are set, and a check box that switches the
// notice off for the rest of the run.
#include <QDialog>
#include <QString>

class QCheckBox;
class QLabel;

namespace vex::gui {

class CDlgWriteNotice : public QDialog {
  Q_OBJECT
 public:
  static constexpr int kTemplateId = 1137;
  static constexpr int kText = 1135;
  static constexpr int kSwitchOff = 1136;

  CDlgWriteNotice(const QString& text, QWidget* parent = nullptr);
  bool switchOff() const;
  void setSwitchOff(bool on);

 private:
  QCheckBox* check_ = nullptr;
};

// The notice text: a line for each password that is set, then the closing text.
QString writeNoticeText(bool readSet, bool writeSet, bool powerOnSet);

}  // namespace vex::gui
