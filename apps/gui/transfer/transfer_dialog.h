#pragma once
// CDlgTransfer (template 1601): reads the radio's whole image or writes it
// back. It opens idle; OK runs the preparation on this thread and starts the
// worker, whose progress, done and failure reports arrive here through a
// blocking call onto this thread. It ends with OK when the transfer succeeded.
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
  using Image = std::span<std::uint8_t, 8192>;

  CDlgTransfer(TransferDirection direction, Image image, QWidget* parent = nullptr);
  ~CDlgTransfer() override;

  // Lines above the status that say what the transfer is about to do; the
  // dialog grows to show them whole.
  void setSummary(const QString& text);
  QLabel* summaryText() const { return summary_; }

  // What the OK button does: prepare and start the transfer.
  void start();

  TransferDirection direction() const { return direction_; }
  // The band the radio reported (valid once the transfer started).
  const RangeEntry& radioBand() const { return band_; }
  bool isTransferring() const { return busy_; }
  int progressReports() const { return progressReports_; }
  QLabel* statusText() const { return status_; }
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
  QProgressBar* progress_ = nullptr;
  QPushButton* ok_ = nullptr;
  QPushButton* cancel_ = nullptr;
  std::unique_ptr<Host> host_;
  std::unique_ptr<ImageTransfer> transfer_;
  std::unique_ptr<IdentitySnapshot> before_;
  RangeEntry band_;
  bool busy_ = false;
  int progressReports_ = 0;
};

}  // namespace vex::gui
