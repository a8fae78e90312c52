#include "adapters/settings.h"

#include <cstdlib>
#include <memory>

#include "config/app_settings.h"

namespace vex::gui::settings {
namespace {

struct State {
  std::string dataDir = "data";
  std::unique_ptr<AppSettings> library;
};

State& state() {
  static State s;
  return s;
}

}  // namespace

void initialise(const std::string& dataDir) {
  State& s = state();
  if (!dataDir.empty()) {
    s.dataDir = dataDir;
  } else if (const char* env = std::getenv("VEXPROG_DATA"); env && *env) {
    s.dataDir = env;
  }
  s.library.reset();  // the old settings save before the new ones read
  s.library = std::make_unique<AppSettings>(DataPaths(s.dataDir, DataDirectory::userConfigDir()));
  s.library->readLanguageSetting();
}

AppSettings& library() {
  State& s = state();
  if (!s.library) initialise({});
  return *s.library;
}

std::string dataDirectory() { return state().dataDir; }
bool isFactoryLevel() { return library().isFactoryLevel(); }
bool isServiceLevel() { return library().isServiceLevel(); }
bool isExtendedLevel() { return library().isExtendedLevel(); }
std::string modelName() { return library().modelName(); }
std::string modelId() { return library().modelId(); }
std::string freqRange() { return library().freqRange(); }
int comPort() { return library().comPort(); }
int languageIndex() { return library().languageIndex(); }
bool isSimplifiedChinese() { return library().languageIndex() == 1; }
int signalType() { return library().signal(); }
std::string firmwareVersion() { return library().dataVersion(); }
void save() { library().save(); }

}  // namespace vex::gui::settings
