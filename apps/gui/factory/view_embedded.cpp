#include "factory/view_embedded.h"

#include <QPushButton>
#include <QTimer>

#include "core/container.h"
#include "dialogs/radio_password_dialog.h"
#include "link/embedded_link.h"
#include "toolkit/control_id.h"
#include "toolkit/edits.h"
#include "toolkit/translate.h"
#include "transfer/gui_link_host.h"
#include "transfer/radio_work.h"
#include "transfer/transfer_prompts.h"
#include "views/messages.h"
#include "views/view_host.h"

namespace vex::gui {
namespace {

using V = CViewEmbedded;
using K = ControlKind;
constexpr ControlDef kControls[] = {
    {text::kEmbeddedMessage1, K::Label, "Message NO.1", 7, 9, 60, 10},
    {V::kMessages[0], K::ByteEdit, "", 70, 7, 180, 13},
    {text::kEmbeddedMessage2, K::Label, "Message NO.2", 7, 27, 60, 10},
    {V::kMessages[1], K::ByteEdit, "", 70, 25, 180, 13},
    {text::kEmbeddedMessage3, K::Label, "Message NO.3", 7, 45, 60, 10},
    {V::kMessages[2], K::ByteEdit, "", 70, 43, 180, 13},
    {text::kEmbeddedMessage4, K::Label, "Message NO.4", 7, 63, 60, 10},
    {V::kMessages[3], K::ByteEdit, "", 70, 61, 180, 13},
    {V::kWrite, K::Button, "Write", 190, 82, 60, 15},
};
constexpr FormDef kForm{V::kTemplateId, "Embedded Data", 257, 104, kControls};

// Section fields: 0 the password, 1 the second text, 2..5 the messages.
constexpr std::size_t kPasswordField = 0;
constexpr std::size_t kFirstMessageField = 2;

EmbeddedSection& section() { return RadioDataContainer::instance().embedded(); }

// Reading the radio also brings its model, range and version: the window
// shows them at once.
class EmbeddedHost : public GuiLinkHost {
 public:
  using GuiLinkHost::GuiLinkHost;
  void identityRefreshed(const RangeEntry&) override {
    if (ViewHost* host = ViewHost::current())
      host->refresh(ViewHost::kRefreshTree | ViewHost::kRefreshStatus | ViewHost::kRefreshRadioInfo);
  }
};

}  // namespace

std::function<std::optional<std::string>(QWidget*, int)>& CViewEmbedded::passwordPrompt() {
  static std::function<std::optional<std::string>(QWidget*, int)> prompt = [](QWidget* owner,
                                                                              int) -> std::optional<std::string> {
    CDlgPassword dialog(owner);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.password();
  };
  return prompt;
}

CViewEmbedded::CViewEmbedded(QWidget* parent) : CCustomFormView(kForm, parent), link_(transferLinkTiming()) {
  for (int id : kMessages) findControlAs<ByteLimitedEdit>(form(), id)->setMaxBytes(kMessageBytes);
  connect(findControlAs<QPushButton>(form(), kWrite), &QPushButton::clicked, this, [this] { writeToRadio(); });
}

void CViewEmbedded::initialUpdate() {
  translateWindow(this, kTemplateId);
  load();
  // The read starts once the view is up, so its frame shows meanwhile.
  QTimer::singleShot(10, this, [this] { readFromRadio(); });
}

void CViewEmbedded::load() {
  for (std::size_t i = 0; i < std::size(kMessages); ++i) {
    shown_[i] = QString::fromStdString(section().text(kFirstMessageField + i));
    findControlAs<QLineEdit>(form(), kMessages[i])->setText(shown_[i]);
  }
}

// Only a message the user changed is written: the others keep their bytes
// exactly, whatever their encoding or padding.
void CViewEmbedded::store() {
  for (std::size_t i = 0; i < std::size(kMessages); ++i) {
    const QString text = findControlAs<QLineEdit>(form(), kMessages[i])->text();
    if (text == shown_[i]) continue;
    section().setText(kFirstMessageField + i, text.toStdString());
    shown_[i] = text;
  }
}

long CViewEmbedded::handleMessage(int message, long, long, const ChangeNotice*) {
  if (message == WM_VIEW_LOAD) load();
  if (message == WM_VIEW_STORE) store();
  return 0;
}

void CViewEmbedded::closing() { store(); }

bool CViewEmbedded::readFromRadio() {
  EmbeddedHost host(this);
  EmbeddedBytes bytes{};
  const int read =
      runRadioWork(this, host, [this, &bytes](TransferHost& h) { return ReadEmbeddedData(link_, h, bytes); });
  if (read != 1) {
    closeFrame();
    return false;
  }
  std::copy(bytes.begin(), bytes.end(), section().bytes().begin());
  load();
  return true;
}

bool CViewEmbedded::writeToRadio() {
  store();
  const bool confirmed = ConfirmEmbeddedPassword(
      section().text(kPasswordField), [this](int attempt) { return passwordPrompt()(this, attempt); },
      [this](int id) { showMessageText(this, id); });
  if (!confirmed) return false;
  EmbeddedBytes bytes{};
  std::copy(section().bytes().begin(), section().bytes().end(), bytes.begin());
  return runRadioWork(this, [this, &bytes](TransferHost& h) { return WriteEmbeddedData(link_, h, bytes); }) == 1;
}

void CViewEmbedded::closeFrame() {
  if (ViewHost* host = ViewHost::current()) host->closeFrameOf(this);
}

}  // namespace vex::gui
