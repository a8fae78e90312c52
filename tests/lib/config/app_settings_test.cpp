#include "config/app_settings.h"
#include "config/profile_file.h"

#include "temp_dir.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>

namespace {

using vex::AppSettings;
using vex::DataPaths;
using vex::ReadProfileString;
using vex::test::ReadFileBytes;
using vex::test::TempDir;

class AppSettingsTest : public ::testing::Test {
 protected:
  std::unique_ptr<AppSettings> open() { return std::make_unique<AppSettings>(DataPaths(data.path(), config.path())); }
  std::string setting(const char* key) {
    return ReadProfileString(data / "Settings.ini", "Setting", key, "<absent>", 100);
  }
  TempDir data;
  TempDir config;
};

TEST_F(AppSettingsTest, ReadsTheSettingsAtCreation) {
  data.write("Settings.ini", "[Setting]\nSignal=2\nComPort=4\nModelName=Alpha 5\nModelID=X5\nFreqRange=400-470\n");
  const auto settings = open();
  EXPECT_EQ(settings->signal(), 2);
  EXPECT_EQ(settings->comPort(), 4);
  EXPECT_EQ(settings->modelName(), "Alpha 5");
  EXPECT_EQ(settings->modelId(), "X5");
  EXPECT_EQ(settings->freqRange(), "400-470");
  EXPECT_EQ(settings->lastNewRangeAnswer(), AppSettings::kAnswerYes);
}

TEST_F(AppSettingsTest, MissingFileGivesDefaults) {
  const auto settings = open();
  EXPECT_EQ(settings->comPort(), 1);
  EXPECT_EQ(settings->signal(), 0);
  EXPECT_EQ(settings->modelId(), "");
  EXPECT_EQ(settings->volume(true, true), 255);
  EXPECT_EQ(settings->volume(false, false), 255);
}

TEST_F(AppSettingsTest, DestructionWritesTheStateButNeverTheModelName) {
  data.write("Settings.ini", "; user file\n[Setting]\nModelName=Alpha 5\nLanguage=1\n");
  auto settings = open();
  settings->setSignal(1);
  settings->setComPort(7);
  settings->setModelId("X6");
  settings->setModelName("Beta");
  settings->setFreqRange("136-174");
  settings.reset();
  EXPECT_EQ(ReadFileBytes(data / "Settings.ini"),
            "; user file\n[Setting]\nModelName=Alpha 5\nLanguage=1\nSignal=1\nModelID=X6\nComPort=7\n"
            "FreqRange=136-174\n");
}

TEST_F(AppSettingsTest, FreqRangeAtExitFollowsTheLastNewRangeAnswer) {
  data.write("Settings.ini", "[Setting]\nFreqRange=136-174\n");
  auto settings = open();
  settings->replaceFreqRange("400-470");
  EXPECT_EQ(settings->previousFreqRange(), "136-174");
  settings->setLastNewRangeAnswer(AppSettings::kAnswerNo);
  settings->save();
  EXPECT_EQ(setting("FreqRange"), "136-174");
  settings->setLastNewRangeAnswer(AppSettings::kAnswerYes);
  settings.reset();
  EXPECT_EQ(setting("FreqRange"), "400-470");
}

TEST_F(AppSettingsTest, AnswerNoWithoutAnEarlierRangeKeepsTheCurrentOne) {
  auto settings = open();
  settings->setFreqRange("400-470");
  settings->setLastNewRangeAnswer(AppSettings::kAnswerNo);
  settings.reset();
  EXPECT_EQ(setting("FreqRange"), "400-470");
}

TEST_F(AppSettingsTest, UserLevelsAreReadAtEveryTest) {
  const auto settings = open();
  EXPECT_FALSE(settings->isExtendedLevel());
  data.write("Settings.ini", "[User Mode]\nLevel=52840619\n");
  EXPECT_TRUE(settings->isExtendedLevel());
  EXPECT_TRUE(settings->isFactoryLevel());
  EXPECT_FALSE(settings->isServiceLevel());
  EXPECT_TRUE(settings->hasServiceAccess());
  data.write("Settings.ini", "[user mode]\nlevel=52840173\n");
  EXPECT_TRUE(settings->isExtendedLevel());
  EXPECT_FALSE(settings->isFactoryLevel());
  EXPECT_TRUE(settings->isServiceLevel());
  for (const char* level : {"1", "abc", "-52840619", "5284061"}) {
    data.write("Settings.ini", std::string("[User Mode]\nLevel=") + level + "\n");
    EXPECT_FALSE(settings->isExtendedLevel()) << level;
    EXPECT_FALSE(settings->hasServiceAccess()) << level;
  }
}

TEST_F(AppSettingsTest, VolumeValuesPerBandAndWidth) {
  data.write("volume.ini", "[Setting]\nuwide=10\nunarrow=11\nvwide=20\n");
  const auto settings = open();
  EXPECT_EQ(settings->volume(false, true), 10);
  EXPECT_EQ(settings->volume(false, false), 11);
  EXPECT_EQ(settings->volume(true, true), 20);
  EXPECT_EQ(settings->volume(true, false), 255);
}

TEST_F(AppSettingsTest, PortDevicePaths) {
  data.write("Settings.ini", "[Ports]\nCOM2=/dev/ttyUSB1\nCOM3=\n");
  const auto settings = open();
  EXPECT_EQ(settings->portDevicePath(2), "/dev/ttyUSB1");
  EXPECT_FALSE(settings->portDevicePath(3));
  EXPECT_FALSE(settings->portDevicePath(1));
}

TEST_F(AppSettingsTest, LanguageSelectionIsRecordedAndWritten) {
  data.write("VEX_E.lng",
             "[Setting]\nLanguage=English\nLanguageList=English,German\nHelpFile=e.chm\n"
             "S0100814=Invalid\n");
  data.write("VEX_G.lng", "[Setting]\nLanguage=German\nLanguageList=English,German\nS0100814=Ungueltig\n");
  data.write("Settings.ini", "[Setting]\nLanguage=1\n");
  const auto settings = open();
  settings->selectLanguage(0);
  EXPECT_EQ(settings->helpFile(), "e.chm");
  settings->readLanguageSetting();  // Language was rewritten to 0
  EXPECT_EQ(settings->languageIndex(), 0);
  settings->selectLanguage(1);
  EXPECT_EQ(settings->languageName(), "German");
  EXPECT_EQ(settings->languageFile(), data / "VEX_G.lng");
  EXPECT_EQ(settings->messageText(814), "Ungueltig");
  EXPECT_EQ(settings->helpFile(), "e.chm");  // the German file names none
  EXPECT_EQ(setting("Language"), "1");
  settings->selectLanguage(5);
  EXPECT_EQ(settings->languageIndex(), 0);
  EXPECT_EQ(setting("Language"), "0");
}

TEST_F(AppSettingsTest, SettingsWithoutALanguageStartInTheLocalesAndKeepIt) {
  data.write("VEX_E.lng", "[Setting]\nLanguage=English\nLanguageList=English,German\nLocale=en\n");
  data.write("VEX_G.lng", "[Setting]\nLanguage=German\nLanguageList=English,German\nLocale=de\n");
  data.write("Settings.ini", "[Setting]\nModelName=Alpha 5\n");
  const auto settings = open();
  settings->readLanguageSetting();  // no locale given: the first language, nothing written
  EXPECT_EQ(settings->languageIndex(), 0);
  EXPECT_EQ(setting("Language"), "<absent>");
  settings->readLanguageSetting("de_AT.UTF-8");
  EXPECT_EQ(settings->languageName(), "German");
  EXPECT_EQ(setting("Language"), "1");
  settings->selectLanguage(0);  // the user's choice stays, whatever the locale
  settings->readLanguageSetting("de_AT.UTF-8");
  EXPECT_EQ(settings->languageIndex(), 0);
}

TEST_F(AppSettingsTest, ControlsDisabledForTheCurrentModel) {
  data.write("VEX_E.lng", "[Setting]\nLanguageList=English\n[X5]\nS0001201=1\n");
  const auto settings = open();
  settings->selectLanguage(0);
  EXPECT_FALSE(settings->isControlDisabled(1201));
  settings->setModelId("X5");
  EXPECT_TRUE(settings->isControlDisabled(1201));
}

TEST(DataPaths, ReadOnlyDataDirectoryWritesASeededUserCopy) {
  TempDir data;
  TempDir home;
  data.write("Settings.ini", "[Setting]\nModelID=X5\nComPort=2\n");
  const DataPaths paths(data.path(), home / "vexprog", DataPaths::Access::ReadOnly);
  EXPECT_EQ(paths.readFile("Settings.ini"), data / "Settings.ini");
  const auto target = paths.writeFile("Settings.ini");
  EXPECT_EQ(target, home / "vexprog" / "Settings.ini");
  ASSERT_TRUE(vex::WriteProfileString(target, "Setting", "ComPort", "3"));
  EXPECT_EQ(paths.readFile("Settings.ini"), target);
  EXPECT_EQ(ReadProfileString(paths.readFile("Settings.ini"), "Setting", "ModelID", "", 100), "X5");
  EXPECT_EQ(ReadFileBytes(data / "Settings.ini"), "[Setting]\nModelID=X5\nComPort=2\n");
  // A second write does not seed over the user's copy.
  EXPECT_EQ(ReadProfileString(paths.writeFile("Settings.ini"), "Setting", "ComPort", "", 100), "3");
}

TEST(DataPaths, WritableDataDirectoryIsUsedDirectly) {
  TempDir data;
  TempDir home;
  const DataPaths paths(data.path(), home.path());
  EXPECT_EQ(paths.writeFile("Model.dat"), data / "Model.dat");
  EXPECT_EQ(paths.readFile("Model.dat"), data / "Model.dat");
  EXPECT_EQ(paths.dataFile("VEX_E.lng"), data / "VEX_E.lng");
}

// Restores an environment variable when the test ends.
class SavedEnvironment {
 public:
  explicit SavedEnvironment(const char* name) : name_(name) {
    const char* value = std::getenv(name);
    if (value) value_ = value;
    had_ = value != nullptr;
  }
  ~SavedEnvironment() {
    if (had_)
      ::setenv(name_, value_.c_str(), 1);
    else
      ::unsetenv(name_);
  }

 private:
  const char* name_;
  std::string value_;
  bool had_ = false;
};

TEST(DataDirectory, OverrideAndEnvironment) {
  const SavedEnvironment data("VEXPROG_DATA"), xdg("XDG_CONFIG_HOME"), home("HOME");
  ::setenv("VEXPROG_DATA", "/from/env", 1);
  EXPECT_EQ(vex::DataDirectory::resolve(), "/from/env");
  vex::DataDirectory::setOverride("/from/arg");
  EXPECT_EQ(vex::DataDirectory::resolve(), "/from/arg");
  vex::DataDirectory::setOverride("");
  ::unsetenv("VEXPROG_DATA");
  // The test program runs in build/bin beside its data copy.
  EXPECT_EQ(vex::DataDirectory::resolve().filename(), "data");

  ::setenv("XDG_CONFIG_HOME", "/xdg", 1);
  EXPECT_EQ(vex::DataDirectory::userConfigDir(), "/xdg/vexprog");
  ::setenv("XDG_CONFIG_HOME", "relative", 1);
  ::setenv("HOME", "/home/u", 1);
  EXPECT_EQ(vex::DataDirectory::userConfigDir(), "/home/u/.config/vexprog");
}

}  // namespace
