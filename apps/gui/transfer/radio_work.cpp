#include "transfer/radio_work.h"

#include <algorithm>
#include <atomic>
#include <thread>
#include <vector>

#include <QApplication>
#include <QEventLoop>
#include <QMdiSubWindow>
#include <QPointer>
#include <QProgressDialog>
#include <QThread>
#include <QTimer>
#include <QWindow>

#include "transfer/gui_link_host.h"

namespace vex::gui {
namespace {

bool running = false;

// Runs `f` on the UI thread and waits for it.
template <class F>
auto onUiThread(F f) -> decltype(f()) {
  if (QThread::currentThread() == qApp->thread()) return f();
  if constexpr (std::is_void_v<decltype(f())>) {
    QMetaObject::invokeMethod(qApp, f, Qt::BlockingQueuedConnection);
  } else {
    decltype(f()) result{};
    QMetaObject::invokeMethod(
        qApp, [&result, &f] { result = f(); }, Qt::BlockingQueuedConnection);
    return result;
  }
}

// An indeterminate progress bar that keeps the user's input away from the
// windows while the radio is busy; message boxes of the work open above it.
// Escape does not dismiss it, and the windows that were open when the work
// began, asked to close meanwhile, close once the work has ended: the work may
// use what they own. Windows the work opens itself (its messages, questions
// and password dialogs) close as usual.
class BusyBox : public QProgressDialog {
 public:
  explicit BusyBox(QWidget* owner) : QProgressDialog(owner) {
    setWindowTitle(owner ? owner->window()->windowTitle() : QString());
    setRange(0, 0);
    setCancelButton(nullptr);
    setMinimumDuration(0);
    setWindowModality(Qt::ApplicationModal);
    // A title and no close button: nothing on the box suggests it can be dismissed.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    for (QWidget* widget : QApplication::allWidgets())
      if (widget->isWindow() || qobject_cast<QMdiSubWindow*>(widget)) guarded_.emplace_back(widget);
    qApp->installEventFilter(this);
  }
  ~BusyBox() override {
    qApp->removeEventFilter(this);
    for (const QPointer<QWidget>& widget : refused_) {
      if (widget) QTimer::singleShot(0, widget, &QWidget::close);
    }
  }
  void reject() override {}

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::Close || watched == this) return false;
    QWidget* widget = widgetOf(watched);
    if (!widget || std::find(guarded_.begin(), guarded_.end(), widget) == guarded_.end()) return false;
    refused_.emplace_back(widget);
    event->ignore();
    return true;
  }

 private:
  // A top-level window's close arrives at its QWindow, an MDI frame's at
  // the frame itself.
  static QWidget* widgetOf(QObject* target) {
    if (auto* window = qobject_cast<QWindow*>(target)) {
      for (QWidget* widget : QApplication::topLevelWidgets())
        if (widget->windowHandle() == window) return widget;
      return nullptr;
    }
    return qobject_cast<QWidget*>(target);
  }

  std::vector<QPointer<QWidget>> guarded_;
  std::vector<QPointer<QWidget>> refused_;
};

}  // namespace

int UiThreadHost::comPort() const {
  return onUiThread([this] { return inner_.comPort(); });
}
void UiThreadHost::setComPort(int port) {
  onUiThread([this, port] { inner_.setComPort(port); });
}
std::string UiThreadHost::portDevice() const {
  return onUiThread([this] { return inner_.portDevice(); });
}
std::string UiThreadHost::portSetting(int port) const {
  return onUiThread([this, port] { return inner_.portSetting(port); });
}
int UiThreadHost::checkRadio(TransferDirection direction, const RadioIdentity& identity, RangeEntry& band) {
  return onUiThread([&] { return inner_.checkRadio(direction, identity, band); });
}
std::optional<std::string> UiThreadHost::askPassword(TransferDirection direction, int attempt) {
  return onUiThread([&] { return inner_.askPassword(direction, attempt); });
}
void UiThreadHost::showMessage(int messageId, const MessageArgument& argument) {
  onUiThread([&] { inner_.showMessage(messageId, argument); });
}
void UiThreadHost::storeIdentity(const RadioIdentity& identity, const std::string& bandText, IdentityUse use) {
  onUiThread([&] { inner_.storeIdentity(identity, bandText, use); });
}
std::string UiThreadHost::freqRange() const {
  return onUiThread([this] { return inner_.freqRange(); });
}
bool UiThreadHost::isExtendedLevel() const {
  return onUiThread([this] { return inner_.isExtendedLevel(); });
}
bool UiThreadHost::confirmWriteWarning() {
  return onUiThread([this] { return inner_.confirmWriteWarning(); });
}
void UiThreadHost::report(const TransferReport& r) {
  onUiThread([&] { inner_.report(r); });
}
void UiThreadHost::factoryLinkOpened(const RangeEntry& band) {
  onUiThread([&] { inner_.factoryLinkOpened(band); });
}
void UiThreadHost::identityRefreshed(const RangeEntry& band) {
  onUiThread([&] { inner_.identityRefreshed(band); });
}

bool radioWorkRunning() { return running; }

int runRadioWork(QWidget* owner, TransferHost& host, const std::function<int(TransferHost&)>& work) {
  if (running) return 0;
  running = true;
  BusyBox busy(owner);
  busy.show();
  QApplication::setOverrideCursor(Qt::BusyCursor);

  UiThreadHost uiHost(host);
  std::atomic<int> result{0};
  QEventLoop loop;
  std::thread worker([&] {
    result = work(uiHost);
    QMetaObject::invokeMethod(&loop, &QEventLoop::quit, Qt::QueuedConnection);
  });
  loop.exec();
  worker.join();

  QApplication::restoreOverrideCursor();
  busy.hide();
  running = false;
  return result;
}

int runRadioWork(QWidget* owner, const std::function<int(TransferHost&)>& work) {
  GuiLinkHost host(owner);
  return runRadioWork(owner, host, work);
}

}  // namespace vex::gui
