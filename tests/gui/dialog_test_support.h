#pragma once
// Set-up shared by the dialog and command tests: a data directory with a
// model catalogue and a language file that supports the test model, and
// prompts whose answers the test scripts.
#include <deque>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "commands/prompts.h"
#include "gui_test_support.h"

namespace vex::gui::test {

// A data directory with two model ids: PX446 (names PX-446 and PX-446S, one
// range 446-447) and PX460 (name PX-460, ranges 400-470 and 430-440).
class CatalogueDataDir : public DataDir {
 public:
  CatalogueDataDir();
};

class ScriptedPrompts : public Prompts {
 public:
  std::vector<int> shown;    // message ids shown, in order
  std::vector<int> asked;    // question ids asked, in order
  std::deque<bool> answers;  // answers to questions; empty: OK/Yes
  std::optional<std::string> openPath;
  std::optional<SaveAsChoice> saveAsChoice;
  std::optional<CodeplugHeader> saveAsHeaderShown;
  std::optional<ModelChoice> modelChoice;
  std::optional<int> languageChoice;
  std::optional<std::string> csvPath;
  std::optional<std::string> textPath;
  std::optional<CsvLineChoice> csvLines;  // the answer to a refused CSV file; nothing: Cancel
  std::vector<std::string> texts;  // texts shown by showText, in order
  // The port dialog is built for real and confirmed at once.
  std::function<void(CDlgComPort&)> portDialogAction;

  void showMessage(int messageId) override { shown.push_back(messageId); }
  bool askOkCancel(int messageId) override { return answer(messageId); }
  bool askYesNo(int messageId) override { return answer(messageId); }
  std::optional<std::string> chooseOpenPath() override { return openPath; }
  std::optional<SaveAsChoice> chooseSaveAs(const CodeplugHeader& header, const std::string&) override {
    saveAsHeaderShown = header;
    return saveAsChoice;
  }
  std::optional<ModelChoice> chooseModel(const AppSettings&) override { return modelChoice; }
  std::optional<int> chooseLanguage(const std::vector<std::string>&, int) override { return languageChoice; }
  std::optional<std::string> choosePort(const std::string& current, const PortProbe& probe) override;
  std::optional<std::string> chooseCsvPath(ExchangeMode) override { return csvPath; }
  std::optional<std::string> chooseTextPath(ExchangeMode) override { return textPath; }
  // The problems shown are kept with the texts.
  std::optional<CsvLineChoice> chooseCsvLines(const std::string& problems, const CsvLineChoice&) override {
    texts.push_back(problems);
    return std::exchange(csvLines, std::nullopt);
  }
  void showText(const std::string& text) override { texts.push_back(text); }

 private:
  bool answer(int messageId);
};

// Ports COM1..COM16 on the devices "/dev/ttyTEST<n>", each free except those
// listed, which are missing.
std::vector<PortListing> portsWithout(std::initializer_list<int> missingPorts);

}  // namespace vex::gui::test
