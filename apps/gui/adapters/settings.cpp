#include "adapters/settings.h"

#include <filesystem>

#include "adapters/standin_profile.h"

namespace vex::gui::settings {
namespace {

constexpr long kFactoryCode = 52840619;
constexpr long kServiceCode = 52840173;

struct State {
  std::string dataDir = "data";
  std::string modelName, modelId, freqRange;
  int comPort = 1;
  int language = 0;
  int signal = 0;
};

State& state() {
  static State s;
  return s;
}

std::string settingsPath() { return state().dataDir + "/Settings.ini"; }

long level() { return standin::readProfileInt(settingsPath(), "User Mode", "Level", 0); }

}  // namespace

void initialise(const std::string& dataDir) {
  State& s = state();
  if (!dataDir.empty()) {
    s.dataDir = dataDir;
  } else if (const char* env = std::getenv("VEXPROG_DATA"); env && *env) {
    s.dataDir = env;
  }
  const std::string ini = settingsPath();
  s.modelName = standin::readProfileString(ini, "Setting", "ModelName");
  s.modelId = standin::readProfileString(ini, "Setting", "ModelID");
  s.freqRange = standin::readProfileString(ini, "Setting", "FreqRange");
  s.comPort = static_cast<int>(standin::readProfileInt(ini, "Setting", "ComPort", 1));
  s.language = static_cast<int>(standin::readProfileInt(ini, "Setting", "Language", 0));
  s.signal = static_cast<int>(standin::readProfileInt(ini, "Setting", "Signal", 0));
}

std::string dataDirectory() { return state().dataDir; }
bool isFactoryLevel() { return level() == kFactoryCode; }
bool isServiceLevel() { return level() == kServiceCode; }
bool isExtendedLevel() { return isFactoryLevel() || isServiceLevel(); }
std::string modelName() { return state().modelName; }
std::string modelId() { return state().modelId; }
std::string freqRange() { return state().freqRange; }
int comPort() { return state().comPort; }
int languageIndex() { return state().language; }
bool isSimplifiedChinese() { return state().language == 1; }
int signalType() { return state().signal; }
std::string firmwareVersion() { return {}; }
void save() {}

}  // namespace vex::gui::settings
