#pragma once
// CDlgTransfer (template 1601): reads the radio's whole image or writes it
// back. It opens idle; OK runs the preparation on this thread and starts the
// worker, whose progress, done and failure reports arrive here through a
// blocking call onto this thread. It ends with OK when the transfer succeeded.
// Cancel stops a running read between blocks (the dialog then ends with
// Cancel and nothing has changed); a running write cannot be stopped.
#include <cstdint>
#include <memory>
#include <optional>
#include <span>

#include <QDialog>

#include "link/image_transfer.h"

class QLabel;
class QProgressBar;
class QPushButton;

namespace vex::gui {

class IdentitySnapshot;

class CDlgTransfer : public QDialog {
  Q_OBJECT
 public:
  static constexpr int kTemplateId = 1601;
  static constexpr int kStatusText = 1603;
  static constexpr int kProgressBar = 1611;
  static constexpr int kSummaryText = 1606;
  static constexpr int kNoteText = 1609;
  using Image = std::span<std::uint8_t, 8192>;

  CDlgTransfer(TransferDirection direction, Image image, QWidget* parent = nullptr);
  ~CDlgTransfer() override;

  // Lines above the status that say what the transfer is about to do; the
  // dialog grows to show them whole.
  void setSummary(const QString& text);
  QLabel* summaryText() const { return summary_; }

  // No closing message after a transfer that succeeded (a read taken before
  // a write: the write's own message follows).
  void closeQuietlyWhenDone() { quietWhenDone_ = true; }

  // What the OK button does: prepare and start the transfer.
  void start();

  TransferDirection direction() const { return direction_; }
  // The band the radio reported (valid once the transfer started).
  const RangeEntry& radioBand() const { return band_; }
  const RadioIdentity& radioIdentity() const { return identity_; }
  bool isTransferring() const { return busy_; }
  int progressReports() const { return progressReports_; }
  QLabel* statusText() const { return status_; }
  // What Cancel does while the transfer runs.
  QLabel* noteText() const { return note_; }
  QProgressBar* progressBar() const { return progress_; }
  QPushButton* okButton() const { return ok_; }
  QPushButton* cancelButton() const { return cancel_; }

 public slots:
  void reject() override;
  void done(int result) override;

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  class Host;
  void handleReport(const TransferReport& report);
  void finish(int messageId, long address, int result);
  void setBusy(bool busy);

  TransferDirection direction_;
  Image image_;
  QLabel* summary_ = nullptr;
  QLabel* status_ = nullptr;
  QLabel* note_ = nullptr;
  QProgressBar* progress_ = nullptr;
  QPushButton* ok_ = nullptr;
  QPushButton* cancel_ = nullptr;
  std::unique_ptr<Host> host_;
  std::unique_ptr<ImageTransfer> transfer_;
  std::unique_ptr<IdentitySnapshot> before_;
  RangeEntry band_;
  RadioIdentity identity_;
  bool busy_ = false;
  bool quietWhenDone_ = false;
  bool cancelled_ = false;
  int progressReports_ = 0;
};

}  // namespace vex::gui
