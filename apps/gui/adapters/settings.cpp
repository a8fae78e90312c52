#include "adapters/settings.h"

#include <memory>

#include "config/app_settings.h"
#include "config/data_directory.h"
#include "config/language_selection.h"
#include "config/profile_file.h"

#include <QStandardPaths>

namespace vex::gui::settings {
namespace {

// The settings object in use: the process-wide one for the program, an own
// one per data directory when a test initialises again.
std::unique_ptr<AppSettings>& owned() {
  static std::unique_ptr<AppSettings> settings;
  return settings;
}
AppSettings* gCurrent = nullptr;

constexpr std::string_view kSetting = "Setting";
constexpr std::string_view kBackupKey = "BackupBeforeWrite";

}  // namespace

AppSettings& current() {
  if (!gCurrent) gCurrent = &AppSettings::instance();
  return *gCurrent;
}

void initialise(const std::string& dataDir, bool writes) {
  if (!dataDir.empty()) DataDirectory::setOverride(dataDir);
  gCurrent = &AppSettings::instance();
  if (!writes) gCurrent->stopWriting();
  gCurrent->readLanguageSetting(UserLocaleName());
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
std::string firmwareVersion() { return current().dataVersion(); }
std::string helpFile() { return current().helpFile(); }
void save() { current().save(); }

bool backupBeforeWrite() { return ReadProfileInt(current().settingsReadPath(), kSetting, kBackupKey, 0) != 0; }

void setBackupBeforeWrite(bool on) {
  WriteProfileString(current().paths().writeFile(AppSettings::kSettingsFile), kSetting, kBackupKey, on ? "1" : "0");
}

std::string backupDirectory() {
  return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation).toStdString() + "/backups";
}

}  // namespace vex::gui::settings
