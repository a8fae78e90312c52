#include "dialog_test_support.h"

#include <fstream>

namespace vex::gui::test {

CatalogueDataDir::CatalogueDataDir() {
  std::ofstream(path() + "/Model.dat") << "[Setting]\nModelID=PX446,PX460\nPX446=PX-446,PX-446S\nPX460=PX-460\n"
                                          "[PX446]\nNumber=1\nFreq0=446,447,0,0,0\n"
                                          "[PX460]\nNumber=2\nFreq0=400,470,0,0,1\nFreq1=430,440,0,0,2\n";
  addLanguageLine("S0300610=PX446");
  addLanguageLine("S0101230=Data version too new");
}

std::optional<std::string> ScriptedPrompts::choosePort(const std::string& current, const PortProbe& probe) {
  CDlgComPort dialog(current, probe);
  if (portDialogAction) portDialogAction(dialog);
  if (dialog.result() != QDialog::Accepted) return std::nullopt;
  return dialog.chosenPort();
}

bool ScriptedPrompts::answer(int messageId) {
  asked.push_back(messageId);
  if (answers.empty()) return true;
  const bool result = answers.front();
  answers.pop_front();
  return result;
}

std::vector<PortListing> portsWithout(std::initializer_list<int> missingPorts) {
  std::vector<PortListing> ports(16);
  for (int n = 1; n <= 16; ++n) {
    ports[n - 1].number = n;
    ports[n - 1].device.path = "/dev/ttyTEST" + std::to_string(n);
  }
  for (int n : missingPorts) ports[n - 1].state = PortError::NoDevice;
  return ports;
}

}  // namespace vex::gui::test
