#pragma once
// Adapter over lib/config's AppSettings and data directory. Views and frames
// reach settings only through these functions, so that moving to the
// library's own objects is one edit in settings.cpp.
#include <string>

namespace vex {
class AppSettings;
}

namespace vex::gui::settings {

// The library's settings object behind this adapter (model state, language,
// port); created by initialise.
AppSettings& library();

// Chooses the data directory (empty: the library's default resolution) and
// loads Settings.ini and the language file from it.
void initialise(const std::string& dataDir);
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

// Writes what the settings object writes when the program ends.
void save();

}  // namespace vex::gui::settings
