#include "transfer/transfer_prompts.h"

#include <QMessageBox>

#include "adapters/texts.h"
#include "config/safe_format.h"
#include "dialogs/radio_password_dialog.h"
#include "transfer/transfer_dialog.h"
#include "transfer/write_notice_dialog.h"

namespace vex::gui {
namespace {

TransferPrompts realPrompts() {
  TransferPrompts p;
  p.message = [](QWidget* owner, int, const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, QString(), text, QMessageBox::Ok, owner);
    box.exec();
  };
  p.askYesNo = [](QWidget* owner, const QString& question) {
    return QMessageBox::question(owner, QString(), question, QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
  };
  p.password = [](QWidget* owner, TransferDirection, int) -> std::optional<std::string> {
    CDlgRadioPassword dialog(owner);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.password();
  };
  p.writeNotice = [](QWidget* owner, const QString& text, bool& switchOff) {
    CDlgWriteNotice dialog(text, owner);
    dialog.setSwitchOff(switchOff);
    if (dialog.exec() != QDialog::Accepted) return false;
    switchOff = dialog.switchOff();
    return true;
  };
  p.runTransfer = [](CDlgTransfer& dialog) { return dialog.exec(); };
  return p;
}

}  // namespace

TransferPrompts& transferPrompts() {
  static TransferPrompts prompts = realPrompts();
  return prompts;
}

void resetTransferPrompts() { transferPrompts() = realPrompts(); }

LinkTiming& transferLinkTiming() {
  static LinkTiming timing;
  return timing;
}

QString messageText(int id, const MessageArgument& argument) {
  std::string text = texts::message(id);
  if (text.empty()) return QStringLiteral("Message %1").arg(id);
  switch (argument.kind) {
    case MessageArgument::Kind::Number: text = formatText(text, argument.number); break;
    case MessageArgument::Kind::Text: text = formatText(text, argument.text); break;
    case MessageArgument::Kind::None: text = formatText(text); break;
  }
  return QString::fromStdString(text);
}

void showMessageText(QWidget* owner, int id, const MessageArgument& argument) {
  transferPrompts().message(owner, id, messageText(id, argument));
}

}  // namespace vex::gui
