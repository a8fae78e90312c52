#pragma once
// CDlgStation: the programming station as a window beside the main window
// (never modal). A table of the radios plugged in, with each one's progress
// and result; what each radio gets (the open data, a codeplug file or a
// plan's values); the options; Start and Stop; and the log. Stop and
// closing the window end the station after the radios in progress.
#include <functional>
#include <map>
#include <vector>

#include <QDialog>

#include "base/text_ids.h"
#include "core/image_codec.h"
#include "transfer/station_controller.h"

class QCheckBox;
class QGridLayout;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QTableWidget;
class QTreeWidget;

namespace vex::gui {

// The open data, checked and encoded for a write; the message text that
// stood in the way instead.
struct OpenData {
  Image image{};
  ModelState model;
  int messageId = 0;
};
using OpenDataSource = std::function<OpenData()>;

class CDlgStation : public QDialog {
  Q_OBJECT
 public:
  static constexpr int kTemplateId = text::kCaptionStation;
  enum Column { kNumberColumn, kDeviceColumn, kPortColumn, kModelColumn, kSerialColumn, kProgressColumn,
                kResultColumn, kSecondsColumn, kColumnCount };
  // The order of the result texts (label list kStationStates).
  enum State { kReading, kWriting, kVerifying, kWritten, kVerified, kFailed };

  explicit CDlgStation(OpenDataSource openData, QWidget* parent = nullptr);

  QTableWidget* radioTable() const { return radios_; }
  QTreeWidget* valuesTree() const { return values_; }
  QPlainTextEdit* logView() const { return log_; }
  QRadioButton* openDataChoice() const { return openData_; }
  QLineEdit* planEdit() const { return planEdit_; }
  QSpinBox* countSpin() const { return count_; }
  QCheckBox* verifyCheck() const { return verify_; }
  QLineEdit* backupEdit() const { return backupEdit_; }
  QLineEdit* logFileEdit() const { return logEdit_; }
  QLineEdit* watchEdit() const { return watchEdit_; }
  QPushButton* startButton() const { return start_; }
  QPushButton* stopButton() const { return stop_; }
  StationController& controller() { return controller_; }

  // Loads what the radios get and shows each radio's values; false after
  // the log says why not.
  bool checkValues();
  void startStation();
  void stopStation();

 protected:
  // Closing (and Escape) asks the station to stop; the window goes once it has.
  void closeEvent(QCloseEvent* event) override;
  void reject() override;

 private:
  QWidget* buildDataGroup();
  QWidget* buildOptionsGroup();
  QLineEdit* addFolderRow(QWidget* parent, QGridLayout* grid, int row, int labelId, const char* label,
                          bool folder);
  // Asks a running station to stop and the window to close once it has.
  bool stayUntilStopped();
  void showValues();
  void updateButtons();
  void addLog(const QString& line);
  int rowOf(const QString& device);
  void onStarted(const StationRadio& radio);
  void onProgress(const StationRadio& radio, RadioPhase phase, int percent);
  void onFinished(const RadioResult& result, bool logged);
  void onEnded(const StationEnd& end);

  OpenDataSource openDataSource_;
  StationController controller_;
  QTableWidget* radios_;
  QTreeWidget* values_;
  QPlainTextEdit* log_;
  QRadioButton* openData_ = nullptr;
  QRadioButton* planChoice_ = nullptr;
  QLineEdit* planEdit_ = nullptr;
  QSpinBox* count_ = nullptr;
  QCheckBox* verify_ = nullptr;
  QLineEdit* backupEdit_ = nullptr;
  QLineEdit* logEdit_ = nullptr;
  QLineEdit* watchEdit_ = nullptr;
  QPushButton* check_ = nullptr;
  QPushButton* start_ = nullptr;
  QPushButton* stop_ = nullptr;
  struct NamedField {
    QWidget* label;  // a label or a radio button, whose text names the field
    QWidget* field;
    QWidget* browse;  // its Browse button, if any
  };
  std::vector<NamedField> named_;
  std::map<QString, int> rows_;  // device name: table row
  bool closeWhenEnded_ = false;
};

// Program > Station: shows the station window, made on first use.
CDlgStation* showStationWindow(QWidget* owner, OpenDataSource openData);

}  // namespace vex::gui
