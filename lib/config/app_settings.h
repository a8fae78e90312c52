#pragma once

#include "config/data_directory.h"
#include "config/language_texts.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace vex {

// The process-wide settings: the values remembered in Settings.ini between
// runs, the state of the current radio data (model, range, signalling type,
// data version), the user levels, the volume values and the selected
// language with its text lookups.
class AppSettings {
 public:
  // The answers remembered from the new-range question.
  static constexpr int kAnswerYes = 6;
  static constexpr int kAnswerNo = 7;

  // Access codes of [User Mode] Level.
  static constexpr int kFactoryLevelCode = 52840619;
  static constexpr int kServiceLevelCode = 52840173;

  // The settings of the running program, created on first use from the
  // resolved data directory and saved when the program ends.
  static AppSettings& instance();

  // Reads Signal, ComPort, ModelName, ModelID and FreqRange from Settings.ini.
  explicit AppSettings(DataPaths paths);
  // Files are read from dataDir; written files go to writableDir when
  // dataDir cannot be written (empty: always to dataDir).
  AppSettings(const std::filesystem::path& dataDir, const std::filesystem::path& writableDir)
      : AppSettings(DataPaths(dataDir, writableDir)) {}
  // Writes what save() writes.
  ~AppSettings();

  AppSettings(const AppSettings&) = delete;
  AppSettings& operator=(const AppSettings&) = delete;

  // Writes Signal, ModelID, ComPort and FreqRange (the previous range when
  // the last new-range answer was No). ModelName is never written.
  void save() const;
  // From now on nothing is written to Settings.ini: not by save(), not by a
  // language choice (a run that only looks, such as the view dump).
  void stopWriting() { writes_ = false; }

  const DataPaths& paths() const { return paths_; }
  const std::filesystem::path& dataDir() const { return paths_.dataDir(); }
  std::filesystem::path settingsReadPath() const { return paths_.readFile(kSettingsFile); }
  std::filesystem::path modelCatalogueReadPath() const { return paths_.readFile(kModelFile); }
  std::filesystem::path modelCatalogueWritePath() const { return paths_.writeFile(kModelFile); }

  char decimalSeparator() const { return decimalSeparator_; }

  int comPort() const { return comPort_; }
  void setComPort(int port) { comPort_ = port; }
  // The port chosen by its device name (PortDevice: a /dev/serial/by-id
  // name or a device path); "" when the port is the ComPort number.
  const std::string& portDevice() const { return portDevice_; }
  void setPortDevice(std::string device) { portDevice_ = std::move(device); }
  const std::string& modelName() const { return modelName_; }
  void setModelName(std::string name) { modelName_ = std::move(name); }
  const std::string& modelId() const { return modelId_; }
  void setModelId(std::string id) { modelId_ = std::move(id); }
  const std::string& freqRange() const { return freqRange_; }
  void setFreqRange(std::string range) { freqRange_ = std::move(range); }
  const std::string& previousFreqRange() const { return previousFreqRange_; }
  void setPreviousFreqRange(std::string range) { previousFreqRange_ = std::move(range); }
  // Sets the range a radio reported, remembering the one held before.
  void replaceFreqRange(std::string range);
  int lastNewRangeAnswer() const { return lastNewRangeAnswer_; }
  void setLastNewRangeAnswer(int answer) { lastNewRangeAnswer_ = answer; }
  int signal() const { return signal_; }
  void setSignal(int signal) { signal_ = signal; }
  const std::string& dataVersion() const { return dataVersion_; }
  void setDataVersion(std::string version) { dataVersion_ = std::move(version); }

  // Language: reads Language from Settings.ini and selects that language.
  // Settings that name none (a first start) take the language of
  // `userLocale` and record it; without a locale the first language is
  // used and nothing is recorded.
  void readLanguageSetting(std::string_view userLocale = {});
  // Selects the language with the index, records it and writes Language.
  void selectLanguage(int index);
  int languageIndex() const { return languageIndex_; }
  const std::string& languageName() const { return languageName_; }
  const std::filesystem::path& languageFile() const { return texts_.file(); }
  const std::string& helpFile() const { return helpFile_; }
  const LanguageTexts& texts() const { return texts_; }

  // Text lookups in the selected language file.
  std::string messageText(int n) const { return texts_.messageText(n); }
  std::string labelText(int n) const { return texts_.labelText(n); }
  std::string modelText(int n) const { return texts_.modelText(n); }
  bool textWithPresence(int n, TextFamily family, std::string& text) const {
    return texts_.textWithPresence(n, family, text);
  }
  bool isModelSupported(std::string_view modelId) const { return texts_.isModelSupported(modelId); }
  // Disabled for the current model ID.
  bool isControlDisabled(int n) const { return texts_.isControlDisabled(modelId_, n); }
  std::vector<std::string> textList(int n) const { return texts_.textList(n); }
  OptionList optionList(int n) const { return texts_.optionList(n); }

  // User levels, read afresh from Settings.ini at every test.
  bool isExtendedLevel() const;
  bool isFactoryLevel() const;
  bool isServiceLevel() const;
  // What the service level unlocks is open to the factory level too.
  bool hasServiceAccess() const { return isFactoryLevel() || isServiceLevel(); }

  // The factory audio value of volume.ini for the band and bandwidth; 255 when absent.
  int volume(bool vhf, bool wide) const;

  // The device path configured for port n ([Ports] COMn= of Settings.ini).
  std::optional<std::string> portDevicePath(int n) const;

  static constexpr const char* kSettingsFile = "Settings.ini";
  static constexpr const char* kModelFile = "Model.dat";
  static constexpr const char* kVolumeFile = "volume.ini";

 private:
  // Selects the language with the index without writing it.
  void loadLanguage(int index);
  int userLevelCode() const;

  DataPaths paths_;
  bool writes_ = true;
  char decimalSeparator_ = '.';
  int comPort_ = 1;
  std::string portDevice_;
  std::string modelName_;
  std::string modelId_;
  std::string freqRange_;
  std::string previousFreqRange_;
  int lastNewRangeAnswer_ = kAnswerYes;
  int signal_ = 0;
  std::string dataVersion_;
  std::string helpFile_;
  int languageIndex_ = 0;
  std::string languageName_;
  LanguageTexts texts_;
};

}  // namespace vex
