#pragma once
// The questions and messages of the radio commands, behind one replaceable
// set of functions: the program shows real dialogs, tests answer directly
// instead of running nested modal loops.
#include <functional>
#include <optional>
#include <string>

#include <QString>

#include "link/link_timing.h"
#include "link/transfer_host.h"

class QWidget;

namespace vex::gui {

class CDlgTransfer;

struct TransferPrompts {
  // A message box with OK; `messageId` names the text for tests.
  std::function<void(QWidget* owner, int messageId, const QString& text)> message;
  // A Yes/No question; true for Yes.
  std::function<bool(QWidget* owner, const QString& question)> askYesNo;
  // The radio password (CDlgRadioPassword); nothing when cancelled.
  std::function<std::optional<std::string>(QWidget* owner, TransferDirection direction, int attempt)> password;
  // The password warning notice before a write; false when cancelled.
  // `switchOff` comes in as the check box's state and goes out as the user left it.
  std::function<bool(QWidget* owner, const QString& text, bool& switchOff)> writeNotice;
  // Runs a transfer dialog; the dialog's result code.
  std::function<int(CDlgTransfer& dialog)> runTransfer;
};

// The prompts in use; defaults show the real dialogs.
TransferPrompts& transferPrompts();
// Back to the real dialogs.
void resetTransferPrompts();

// The pauses and time-outs of every link the program opens (tests shrink them).
LinkTiming& transferLinkTiming();

// Message text `id` of the language file, filled safely with the argument.
QString messageText(int id, const MessageArgument& argument = {});
// Shows message text `id` through the prompts.
void showMessageText(QWidget* owner, int id, const MessageArgument& argument = {});

}  // namespace vex::gui
