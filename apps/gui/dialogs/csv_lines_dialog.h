#pragma once
// CDlgCsvLines: why a CSV file of channels was refused, and which of its
// lines to import instead: a range of lines, and whether to leave out the
// lines with a value the radio cannot carry.
#include <string>

#include <QDialog>

#include "core/chirp_csv.h"

class QCheckBox;
class QLineEdit;

namespace vex::gui {

class CDlgCsvLines : public QDialog {
  Q_OBJECT
 public:
  CDlgCsvLines(const std::string& problems, const CsvLineChoice& current, QWidget* parent = nullptr);

  // The choice; only meaningful after the dialog was accepted.
  CsvLineChoice choice() const { return choice_; }

  // A range of lines that does not read as FIRST-LAST keeps the dialog open.
  void accept() override;

 private:
  QLineEdit* lines_;
  QCheckBox* skipInvalid_;
  CsvLineChoice choice_;
};

}  // namespace vex::gui
