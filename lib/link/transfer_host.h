// What the transfer engine needs from the program around it: settings values,
// the model check, questions to the user and messages. The GUI and the CLI
// each implement it; tests script it.
#pragma once

#include "base/range_entry.h"
#include "link/radio_identity.h"

#include <optional>
#include <string>

namespace vex {

enum class TransferDirection { Read = 0, Write = 1 };

// A message text's optional argument: an integer (an address) or a text (a band).
struct MessageArgument {
  enum class Kind { None, Number, Text } kind = Kind::None;
  long number = 0;
  std::string text;
  static MessageArgument Number(long n) { return {Kind::Number, n, {}}; }
  static MessageArgument Text(std::string t) { return {Kind::Text, 0, std::move(t)}; }
};

// One report of a running worker: a TransferMessage code and its value.
struct TransferReport {
  int message = 0;
  long value = 0;
};

// How the identity is stored: a transfer also keeps the previous range text,
// the factory link does not.
enum class IdentityUse { Transfer, FactoryLink };

class TransferHost {
 public:
  virtual ~TransferHost() = default;

  // The remembered port (ComPort) and its update after a connection.
  virtual int comPort() const = 0;
  virtual void setComPort(int port) = 0;
  // A device chosen by path instead of a port number; "" for numbered ports.
  virtual std::string portDevice() const { return {}; }
  // The configured device of port n ([Ports] COMn=), "" when none.
  virtual std::string portSetting(int /*port*/) const { return {}; }

  // The model check on connect: 0 go on, 1 identity mismatch, 2 radio too
  // new. It shows its own message and fills the radio band on 0.
  virtual int checkRadio(TransferDirection direction, const RadioIdentity& identity, RangeEntry& band) = 0;
  // Asks for the radio password (digits, at most 8); nullopt when cancelled.
  virtual std::optional<std::string> askPassword(TransferDirection direction, int attempt) = 0;
  // Shows message text `messageId`, formatted with the argument if any.
  virtual void showMessage(int messageId, const MessageArgument& argument = {}) = 0;
  // Stores model id, name, signalling, data version and range text.
  virtual void storeIdentity(const RadioIdentity& identity, const std::string& bandText, IdentityUse use) = 0;
  // The current FreqRange setting ("%d-%d").
  virtual std::string freqRange() const = 0;
  virtual bool isExtendedLevel() const = 0;
  // Before a write: shows the password warning notice when the data sets
  // passwords and the notice is not switched off; false when cancelled.
  virtual bool confirmWriteWarning() = 0;

  // Called on the worker thread for every progress, done and failure
  // report; the worker waits until it returns, so a GUI may marshal it to
  // its own thread with a blocking call.
  virtual void report(const TransferReport& report) = 0;

  // After the factory link has identified the radio: offer the range, close
  // views, refresh the window, recompute test frequencies.
  virtual void factoryLinkOpened(const RangeEntry& /*band*/) {}
  // After a factory window has stored the identity of the radio it reads
  // from: refresh what shows the model, range and version.
  virtual void identityRefreshed(const RangeEntry& /*band*/) {}
};

}  // namespace vex
