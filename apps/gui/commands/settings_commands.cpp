#include "commands/settings_commands.h"

#include "base/text_ids.h"
#include "commands/file_commands.h"
#include "commands/prompts.h"
#include "config/app_settings.h"
#include "link/port_discovery.h"
#include "workspace/main_frame.h"

namespace vex::gui {
namespace {

constexpr int kLanguageList = text::kLanguageList;
constexpr int kChangeModelQuestion = text::kMsgReplaceWithDefaults;  // also asked before a language change

}  // namespace

PortStates ProbeSerialPorts(const AppSettings& settings) {
  const PortLookup lookup = [&settings](int port) { return settings.portDevicePath(port).value_or(""); };
  PortStates ports;
  for (int n = kFirstPort; n <= kLastPort; ++n) {
    PortState& state = ports[n - 1];
    state.device = DevicePathForPort(n, lookup);
    state.available = !state.device.empty() && IsPortAvailable(state.device);
  }
  return ports;
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
  const std::optional<int> chosen = prompts_.choosePort(settings_.comPort() - 1, probe_());
  if (!chosen) return;
  settings_.setComPort(*chosen >= 0 ? *chosen + 1 : 0);
  frame_.updateStatusTexts();
}

}  // namespace vex::gui
