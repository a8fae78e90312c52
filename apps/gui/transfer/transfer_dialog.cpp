#include "transfer/transfer_dialog.h"

#include <QCloseEvent>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>

#include "adapters/texts.h"
#include "base/text_ids.h"
#include "config/safe_format.h"
#include "link/transfer_messages.h"
#include "toolkit/control_id.h"
#include "toolkit/form_builder.h"
#include "toolkit/translate.h"
#include "transfer/gui_link_host.h"
#include "transfer/radio_work.h"
#include "transfer/transfer_prompts.h"

namespace vex::gui {
namespace {

using K = ControlKind;
constexpr ControlDef kControls[] = {
    {CDlgTransfer::kStatusText, K::Label, "Press OK to start.", 10, 10, 200, 12},
    {CDlgTransfer::kNoteText, K::Label, "", 10, 44, 200, 20},
    {1, K::Button, "OK", 106, 66, 50, 14},
    {2, K::Button, "Cancel", 160, 66, 50, 14},
};
constexpr FormDef kForm{CDlgTransfer::kTemplateId, "Read from Radio", 220, 88, kControls};
constexpr QRect kProgressPlace{10, 28, 200, 12};  // dialog units

}  // namespace

// The dialog's host; the transfer reaches it through a UiThreadHost, so
// every call, the worker's reports included, runs on the dialog's thread.
class CDlgTransfer::Host : public GuiLinkHost {
 public:
  explicit Host(CDlgTransfer& dialog) : GuiLinkHost(&dialog), dialog_(dialog), onUiThread_(*this) {}
  void report(const TransferReport& report) override { dialog_.handleReport(report); }
  TransferHost& fromAnyThread() { return onUiThread_; }

 private:
  CDlgTransfer& dialog_;
  UiThreadHost onUiThread_;
};

CDlgTransfer::CDlgTransfer(TransferDirection direction, Image image, QWidget* parent)
    : QDialog(parent), direction_(direction), image_(image) {
  buildForm(this, kForm);
  status_ = findControlAs<QLabel>(this, kStatusText);
  note_ = findControlAs<QLabel>(this, kNoteText);
  note_->setWordWrap(true);
  ok_ = findControlAs<QPushButton>(this, 1);
  cancel_ = findControlAs<QPushButton>(this, 2);
  progress_ = new QProgressBar(this);
  setControlId(progress_, kProgressBar);
  progress_->setGeometry(dialogUnitsToPixels(this, kProgressPlace.x(), kProgressPlace.y(), kProgressPlace.width(),
                                             kProgressPlace.height()));
  progress_->setRange(0, 100);
  progress_->setValue(0);
  progress_->setTextVisible(false);
  ok_->setDefault(true);
  connect(ok_, &QPushButton::clicked, this, &CDlgTransfer::start);
  connect(cancel_, &QPushButton::clicked, this, &CDlgTransfer::reject);
  translateWindow(this, kTemplateId);
  const int title = direction == TransferDirection::Read ? text::kCaptionReadTransfer : text::kCaptionWriteTransfer;
  const std::string caption = texts::label(title);
  if (!caption.empty())
    setWindowTitle(QString::fromStdString(caption));
  else if (direction == TransferDirection::Write)
    setWindowTitle(QStringLiteral("Write to Radio"));
}

CDlgTransfer::~CDlgTransfer() {
  // The worker may still be returning from its last report; wait for it
  // before the host it reports to goes away.
  transfer_.reset();
}

void CDlgTransfer::setSummary(const QString& text) {
  if (!summary_) {
    summary_ = new QLabel(this);
    setControlId(summary_, kSummaryText);
    summary_->setTextFormat(Qt::PlainText);
  }
  summary_->setText(text);
  const QRect top = dialogUnitsToPixels(this, 10, 10, 0, 0);
  const QSize needed = summary_->sizeHint();
  summary_->setGeometry(top.x(), top.y(), needed.width(), needed.height());
  const int shift = needed.height() + top.y();
  for (QWidget* child : findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
    if (child != summary_) child->move(child->x(), child->y() + shift);
  setFixedSize(std::max(width(), needed.width() + 2 * top.x()), height() + shift);
}

void CDlgTransfer::setBusy(bool busy) {
  busy_ = busy;
  ok_->setEnabled(!busy);
  cancel_->setEnabled(!busy);
}

void CDlgTransfer::start() {
  if (busy_ || transfer_) return;
  host_ = std::make_unique<Host>(*this);
  transfer_ = std::make_unique<ImageTransfer>(direction_, image_, host_->fromAnyThread(), transferLinkTiming());
  if (direction_ == TransferDirection::Read) before_ = std::make_unique<IdentitySnapshot>();
  setBusy(true);
  // Finding the port, identifying the radio and switching its mode can take
  // seconds of time-outs: they run on a worker while the windows repaint.
  const auto started = static_cast<StartResult>(
      runRadioWork(this, *host_, [this](TransferHost&) { return static_cast<int>(transfer_->Start()); }));
  switch (started) {
    case StartResult::Idle:
      // No radio answered (the message was shown): stay open and idle.
      transfer_.reset();
      before_.reset();
      setBusy(false);
      break;
    case StartResult::Cancelled:
      busy_ = false;
      done(Rejected);
      break;
    case StartResult::Started:
      band_ = transfer_->Band();
      identity_ = transfer_->Identity();
      // A read may stop between blocks and leave everything as it was; a
      // write runs to its end, since stopping would leave the radio half-written.
      cancel_->setEnabled(direction_ == TransferDirection::Read);
      note_->setText(QString::fromStdString(texts::label(
          direction_ == TransferDirection::Read ? text::kTransferReadNote : text::kTransferWriteNote)));
      break;
  }
}

void CDlgTransfer::handleReport(const TransferReport& report) {
  if (cancelled_) {
    // The read ends as if it had never started, once the worker has sent its
    // last report (the stop, or an end it reached first): until then it
    // still needs this thread.
    if (report.message == WM_READ_PROGRESS || report.message == WM_WRITE_PROGRESS) return;
    busy_ = false;
    done(Rejected);
    return;
  }
  switch (report.message) {
    case WM_READ_PROGRESS:
    case WM_WRITE_PROGRESS: {
      ++progressReports_;
      const int label = report.message == WM_READ_PROGRESS ? text::kTransferReadProgress : text::kTransferWriteProgress;
      const std::string text = formatText(texts::label(label), report.value) + "%";
      status_->setText(QString::fromStdString(text));
      progress_->setValue(static_cast<int>(report.value));
      break;
    }
    case WM_READ_DONE: finish(text::kMsgReadDone, 0, Accepted); break;
    case WM_WRITE_DONE: finish(text::kMsgWriteDone, 0, Accepted); break;
    case WM_READ_FAILED: finish(text::kMsgReadFailedAt, report.value, Rejected); break;
    case WM_WRITE_FAILED: finish(text::kMsgWriteFailedAt, report.value, Rejected); break;
    default: break;
  }
}

void CDlgTransfer::finish(int messageId, long address, int result) {
  const MessageArgument argument = result == Accepted ? MessageArgument{} : MessageArgument::Number(address & 0xFFFF);
  // The closing message stands alone, not over the finished dialog.
  hide();
  if (result != Accepted || !quietWhenDone_) showMessageText(this, messageId, argument);
  busy_ = false;
  done(result);
}

void CDlgTransfer::reject() {
  if (!busy_) {
    QDialog::reject();
    return;
  }
  // Cancel, Escape and the close box stop a running read; the preparation
  // and a write cannot be interrupted.
  if (!transfer_ || direction_ != TransferDirection::Read || !cancel_->isEnabled()) return;
  cancelled_ = true;
  cancel_->setEnabled(false);
  transfer_->RequestStop();
}

void CDlgTransfer::done(int result) {
  // A read that did not complete leaves the container as it was, so the
  // settings must keep describing that data, not the radio's.
  if (result != Accepted && before_) before_->restore();
  before_.reset();
  QDialog::done(result);
}

void CDlgTransfer::closeEvent(QCloseEvent* event) {
  if (busy_) {
    event->ignore();
    reject();
    return;
  }
  QDialog::closeEvent(event);
}

}  // namespace vex::gui
