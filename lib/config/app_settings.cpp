#include "config/app_settings.h"

#include "config/language_selection.h"
#include "config/profile_file.h"
#include "base/number_text.h"

#include <langinfo.h>
#include <locale.h>
#include <clocale>

namespace vex {

namespace {

constexpr std::string_view kSetting = "Setting";

// The user's decimal separator, read without touching the process locale so
// that number formatting elsewhere stays locale-independent.
char UserDecimalSeparator() {
  locale_t user = ::newlocale(LC_NUMERIC_MASK, "", static_cast<locale_t>(nullptr));
  if (user == static_cast<locale_t>(nullptr)) return '.';
  const char* point = ::nl_langinfo_l(RADIXCHAR, user);
  const char separator = (point != nullptr && point[0] != '\0') ? point[0] : '.';
  ::freelocale(user);
  return separator;
}

}  // namespace

AppSettings& AppSettings::instance() {
  static AppSettings settings(DataDirectory::current());
  return settings;
}

AppSettings::AppSettings(DataPaths paths) : paths_(std::move(paths)) {
  decimalSeparator_ = UserDecimalSeparator();
  const std::filesystem::path settings = settingsReadPath();
  signal_ = ReadProfileInt(settings, kSetting, "Signal", 0);
  comPort_ = ReadProfileInt(settings, kSetting, "ComPort", 1);
  portDevice_ = ReadProfileString(settings, kSetting, "PortDevice", "", kRoomText);
  modelName_ = ReadProfileString(settings, kSetting, "ModelName", "", kRoomName);
  modelId_ = ReadProfileString(settings, kSetting, "ModelID", "", kRoomName);
  freqRange_ = ReadProfileString(settings, kSetting, "FreqRange", "", kRoomName);
}

AppSettings::~AppSettings() {
  // Runs at program exit: a failure to save must not end the program abnormally.
  try {
    save();
  } catch (...) {
  }
}

void AppSettings::save() const {
  if (!writes_) return;
  const std::filesystem::path settings = paths_.writeFile(kSettingsFile);
  // After a No to the new-range question the catalogue lacks the radio's
  // range, so the range held before is kept (when there was one).
  const bool keepPrevious = lastNewRangeAnswer_ == kAnswerNo && !previousFreqRange_.empty();
  WriteProfileString(settings, kSetting, "Signal", FormatInteger(signal_));
  WriteProfileString(settings, kSetting, "ModelID", modelId_);
  WriteProfileString(settings, kSetting, "ComPort", FormatInteger(comPort_));
  // Settings that never named a device keep their form.
  if (!portDevice_.empty() || FindProfileString(settings, kSetting, "PortDevice", kRoomText))
    WriteProfileString(settings, kSetting, "PortDevice", portDevice_);
  WriteProfileString(settings, kSetting, "FreqRange", keepPrevious ? previousFreqRange_ : freqRange_);
}

void AppSettings::replaceFreqRange(std::string range) {
  previousFreqRange_ = std::move(freqRange_);
  freqRange_ = std::move(range);
}

void AppSettings::readLanguageSetting(std::string_view userLocale) {
  if (FindProfileString(settingsReadPath(), kSetting, "Language", kRoomName)) {
    selectLanguage(ReadProfileInt(settingsReadPath(), kSetting, "Language", 0));
  } else if (userLocale.empty()) {
    loadLanguage(0);
  } else {
    selectLanguage(LanguageIndexForLocale(paths_.dataDir(), userLocale));
  }
}

void AppSettings::loadLanguage(int index) {
  LanguageSelection selection = SelectLanguageFile(paths_.dataDir(), index);
  texts_ = LanguageTexts(selection.file);
  languageName_ = std::move(selection.name);
  if (selection.helpFile) helpFile_ = std::move(*selection.helpFile);
  languageIndex_ = selection.index;
}

void AppSettings::selectLanguage(int index) {
  loadLanguage(index);
  if (writes_) WriteProfileString(paths_.writeFile(kSettingsFile), kSetting, "Language", FormatInteger(languageIndex_));
}

int AppSettings::userLevelCode() const { return ReadProfileInt(settingsReadPath(), "User Mode", "Level", 0); }

bool AppSettings::isExtendedLevel() const {
  const int code = userLevelCode();
  return code == kFactoryLevelCode || code == kServiceLevelCode;
}

bool AppSettings::isFactoryLevel() const { return userLevelCode() == kFactoryLevelCode; }

bool AppSettings::isServiceLevel() const { return userLevelCode() == kServiceLevelCode; }

int AppSettings::volume(bool vhf, bool wide) const {
  const char* key = vhf ? (wide ? "vwide" : "vnarrow") : (wide ? "uwide" : "unarrow");
  return ReadProfileInt(paths_.readFile(kVolumeFile), kSetting, key, 255);
}

std::optional<std::string> AppSettings::portDevicePath(int n) const {
  auto path = FindProfileString(settingsReadPath(), "Ports", "COM" + FormatInteger(n), kRoomText);
  if (!path || path->empty()) return std::nullopt;
  return path;
}

}  // namespace vex
