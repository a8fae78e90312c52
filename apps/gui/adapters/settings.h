#pragma once
// The GUI's access to lib/config's AppSettings: the data directory, user
// levels, the current model and the language selection.
#include <string>

namespace vex {
class AppSettings;
}

namespace vex::gui::settings {

// Position of Simplified Chinese in the language list.
inline constexpr int kSimplifiedChineseIndex = 1;

// The settings object in use.
AppSettings& current();

// Chooses the data directory (empty: the library's default resolution) and
// selects the language from its Settings.ini, on the process-wide settings.
// With `writes` false the run never writes Settings.ini.
void initialise(const std::string& dataDir, bool writes = true);
// The same on a settings object of its own that reads and writes only in
// `dataDir` (tests: one data directory each).
void initialiseSeparate(const std::string& dataDir);
std::string dataDirectory();

bool isFactoryLevel();
bool isServiceLevel();
bool isExtendedLevel();

std::string modelName();
std::string modelId();
std::string freqRange();
int comPort();
int languageIndex();
bool isSimplifiedChinese();
int signalType();
std::string firmwareVersion();
// The help file named by the language file, relative to the data directory.
std::string helpFile();

// Whether a write first reads the radio and keeps what it held as a backup
// file ([Setting] BackupBeforeWrite of Settings.ini; off until switched on).
bool backupBeforeWrite();
void setBackupBeforeWrite(bool on);
// Where those backups are kept: "backups" in the user's application data
// directory.
std::string backupDirectory();

// Writes what the settings object writes when the program ends.
void save();

}  // namespace vex::gui::settings
