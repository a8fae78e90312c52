#include "adapters/settings.h"

#include <memory>

#include "config/app_settings.h"
#include "config/data_directory.h"

namespace vex::gui::settings {
namespace {

// The settings object in use: the process-wide one for the program, an own
// one per data directory when a test initialises again.
std::unique_ptr<AppSettings>& owned() {
  static std::unique_ptr<AppSettings> settings;
  return settings;
}
AppSettings* gCurrent = nullptr;

}  // namespace

AppSettings& current() {
  if (!gCurrent) gCurrent = &AppSettings::instance();
  return *gCurrent;
}

void initialise(const std::string& dataDir) {
  if (!dataDir.empty()) DataDirectory::setOverride(dataDir);
  gCurrent = &AppSettings::instance();
  gCurrent->readLanguageSetting();
}

void initialiseSeparate(const std::string& dataDir) {
  const std::filesystem::path dir(dataDir);
  owned() = std::make_unique<AppSettings>(dir, dir / "config");
  gCurrent = owned().get();
  gCurrent->readLanguageSetting();
}

std::string dataDirectory() { return current().dataDir().string(); }
bool isFactoryLevel() { return current().isFactoryLevel(); }
bool isServiceLevel() { return current().isServiceLevel(); }
bool isExtendedLevel() { return current().hasServiceAccess(); }
std::string modelName() { return current().modelName(); }
std::string modelId() { return current().modelId(); }
std::string freqRange() { return current().freqRange(); }
int comPort() { return current().comPort(); }
int languageIndex() { return current().languageIndex(); }
bool isSimplifiedChinese() { return current().languageIndex() == kSimplifiedChineseIndex; }
int signalType() { return current().signal(); }
std::string firmwareVersion() { return {}; }
std::string helpFile() { return current().helpFile(); }
void save() { current().save(); }

}  // namespace vex::gui::settings
