#include "commands/settings_commands.h"

#include "base/text_ids.h"
#include "commands/file_commands.h"
#include "commands/prompts.h"
#include "config/app_settings.h"
#include "link/port_listing.h"
#include "workspace/main_frame.h"

namespace vex::gui {
namespace {

constexpr int kLanguageList = text::kLanguageList;
constexpr int kChangeModelQuestion = text::kMsgReplaceWithDefaults;  // also asked before a language change

}  // namespace

std::vector<PortListing> ProbeSerialPorts(const AppSettings& settings) {
  return ListPortsWithState([&settings](int port) { return settings.portDevicePath(port).value_or(""); });
}

SettingsCommands::SettingsCommands(CMainFrame& frame, Prompts& prompts, AppSettings& settings, FileCommands& files,
                                   PortProbe probe)
    : frame_(frame), prompts_(prompts), settings_(settings), files_(files), probe_(std::move(probe)) {}

void SettingsCommands::modelInformation() {
  const ModelChoice current{settings_.modelId(), settings_.modelName(), settings_.freqRange(), settings_.signal()};
  const std::optional<ModelChoice> chosen = prompts_.chooseModel(settings_);
  if (!chosen || *chosen == current) return;
  ModelChoice nameOnly = current;
  nameOnly.modelName = chosen->modelName;
  if (*chosen == nameOnly) {
    settings_.setModelName(chosen->modelName);
    frame_.closeAllWindows();
    frame_.fillTree();
    frame_.selectTreeRoot();
    frame_.updateStatusTexts();
    return;
  }
  if (!prompts_.askYesNo(kChangeModelQuestion)) return;
  settings_.setModelId(chosen->modelId);
  settings_.setModelName(chosen->modelName);
  settings_.setFreqRange(chosen->freqRange);
  settings_.setSignal(chosen->signal);
  files_.loadDefaultData();
  files_.buildMenus();
  frame_.fillTree();
  frame_.selectTreeRoot();
  frame_.updateStatusTexts();
}

void SettingsCommands::language() {
  const int current = settings_.languageIndex();
  const std::optional<int> chosen = prompts_.chooseLanguage(settings_.textList(kLanguageList), current);
  if (!chosen || *chosen == current) return;
  // The change reloads the default data: changed data are not dropped unasked.
  if (frame_.isModified() && !prompts_.askYesNo(kChangeModelQuestion)) return;
  files_.loadDefaultData();
  settings_.selectLanguage(*chosen);
  frame_.retranslate();
  files_.buildMenus();  // the recent files go back into the rebuilt File menu
  frame_.selectTreeRoot();
}

void SettingsCommands::port() {
  const std::string current = settings_.portDevice().empty()
                                  ? (settings_.comPort() > 0 ? "COM" + std::to_string(settings_.comPort()) : "")
                                  : settings_.portDevice();
  const std::optional<std::string> chosen = prompts_.choosePort(current, probe_);
  if (!chosen) return;
  // COMn stays a number, as Settings.ini has always kept it; any other name
  // is kept as it was chosen, so a by-id name follows its adapter.
  const int number = ComPortNumber(*chosen);
  settings_.setPortDevice(number == 0 ? *chosen : std::string());
  if (number != 0 || chosen->empty()) settings_.setComPort(number);
  frame_.updateStatusTexts();
}

}  // namespace vex::gui
