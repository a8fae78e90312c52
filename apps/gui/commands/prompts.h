#pragma once
// What the commands ask the user: message boxes and the dialogs. The desktop
// program answers with real modal windows (DialogPrompts); tests inject the
// answers.
#include <optional>
#include <string>
#include <vector>

#include "core/chirp_csv.h"
#include "core/codeplug_flows.h"
#include "dialogs/com_port_dialog.h"
#include "dialogs/model_info_dialog.h"

class QString;
class QWidget;

namespace vex {
class AppSettings;
}

namespace vex::gui {

// Whether a file chosen for a CSV of channels or a codeplug text is read or written.
enum class ExchangeMode { Import, Export };

class Prompts {
 public:
  virtual ~Prompts() = default;
  // A warning box with message text `messageId`.
  virtual void showMessage(int messageId) = 0;
  // OK/Cancel with the exclamation icon: true for OK.
  virtual bool askOkCancel(int messageId) = 0;
  // Yes/No with the question icon: true for Yes.
  virtual bool askYesNo(int messageId) = 0;
  // The Open dialog: the chosen path, nothing on Cancel.
  virtual std::optional<std::string> chooseOpenPath() = 0;
  // The Save As dialog showing the header the save will write.
  virtual std::optional<SaveAsChoice> chooseSaveAs(const CodeplugHeader& header, const std::string& proposedPath) = 0;
  // The Model Information dialog.
  virtual std::optional<ModelChoice> chooseModel(const AppSettings& settings) = 0;
  // The Language dialog: a language index other than `current`, or nothing.
  virtual std::optional<int> chooseLanguage(const std::vector<std::string>& languages, int current) = 0;
  // The port dialog: the port named (a device, COMn, "" for none), nothing on Cancel.
  virtual std::optional<std::string> choosePort(const std::string& current, const PortProbe& probe) = 0;
  // The file dialog for a CSV file of channels: the path, nothing on Cancel.
  virtual std::optional<std::string> chooseCsvPath(ExchangeMode mode) = 0;
  // The file dialog for a codeplug text (YAML): the path, nothing on Cancel.
  virtual std::optional<std::string> chooseTextPath(ExchangeMode mode) = 0;
  // Shown why a CSV file is refused: the lines to import instead, nothing on Cancel.
  virtual std::optional<CsvLineChoice> chooseCsvLines(const std::string& problems, const CsvLineChoice& current) = 0;
  // A warning box with a text made here (several lines, e.g. one per problem).
  virtual void showText(const std::string& text) = 0;
};

class DialogPrompts : public Prompts {
 public:
  explicit DialogPrompts(QWidget* parent) : parent_(parent) {}

  void showMessage(int messageId) override;
  bool askOkCancel(int messageId) override;
  bool askYesNo(int messageId) override;
  std::optional<std::string> chooseOpenPath() override;
  std::optional<SaveAsChoice> chooseSaveAs(const CodeplugHeader& header, const std::string& proposedPath) override;
  std::optional<ModelChoice> chooseModel(const AppSettings& settings) override;
  std::optional<int> chooseLanguage(const std::vector<std::string>& languages, int current) override;
  std::optional<std::string> choosePort(const std::string& current, const PortProbe& probe) override;
  std::optional<std::string> chooseCsvPath(ExchangeMode mode) override;
  std::optional<std::string> chooseTextPath(ExchangeMode mode) override;
  std::optional<CsvLineChoice> chooseCsvLines(const std::string& problems, const CsvLineChoice& current) override;
  void showText(const std::string& text) override;

 private:
  std::optional<std::string> choosePath(ExchangeMode mode, const QString& filter, const QString& proposedName);

  QWidget* parent_;
};

// For runs without a user (--dump-view): messages and questions go to the
// error output, questions are answered OK and Yes, dialogs are cancelled.
class ConsolePrompts : public Prompts {
 public:
  void showMessage(int messageId) override;
  bool askOkCancel(int messageId) override;
  bool askYesNo(int messageId) override;
  std::optional<std::string> chooseOpenPath() override { return std::nullopt; }
  std::optional<SaveAsChoice> chooseSaveAs(const CodeplugHeader&, const std::string&) override { return std::nullopt; }
  std::optional<ModelChoice> chooseModel(const AppSettings&) override { return std::nullopt; }
  std::optional<int> chooseLanguage(const std::vector<std::string>&, int) override { return std::nullopt; }
  std::optional<std::string> choosePort(const std::string&, const PortProbe&) override { return std::nullopt; }
  std::optional<std::string> chooseCsvPath(ExchangeMode) override { return std::nullopt; }
  std::optional<std::string> chooseTextPath(ExchangeMode) override { return std::nullopt; }
  std::optional<CsvLineChoice> chooseCsvLines(const std::string& problems, const CsvLineChoice&) override;
  void showText(const std::string& text) override;
};

}  // namespace vex::gui
