#include "gui_test_support.h"

#include <fstream>

#include <gtest/gtest.h>
#include <QApplication>
#include <QDir>

#include "adapters/radio_data.h"
#include "adapters/settings.h"

namespace vex::gui::test {
namespace {

class QtEnvironment : public ::testing::Environment {
 public:
  void SetUp() override {
    static int argc = 1;
    static char name[] = "test_gui";
    static char* argv[] = {name, nullptr};
    app_ = new QApplication(argc, argv);
  }
  void TearDown() override {
    delete app_;
    app_ = nullptr;
  }

 private:
  QApplication* app_ = nullptr;
};

[[maybe_unused]] const auto* const kEnvironment = ::testing::AddGlobalTestEnvironment(new QtEnvironment);

constexpr const char* kLanguage = R"([Setting]
Language=English
LanguageList=English,Chinese
S0200128=vexprog test
S0100816=Save the radio data?
S0102231=COM%d
S0201406=0.Off;1.Level 1;2.Level 2;3.Level 3;4.Level 4;5.Level 5
S0201408=0:1:255:1:0:1:0
S0201404=0:1:9:1:0:1:0
S0201402=0.Off;1.Revert
S0201414=0:1:60:1:0:1:0
S0201412=1.Mode 1;2.Mode 2;3.Mode 3
S0201076=0.None;1.DTMF
S0201409=VOX Inhibit On Receive
S0232813=
)";

}  // namespace

DataDir::DataDir(Level level) {
  QDir().mkpath(dir_.path() + "/help");
  for (const QString& file : QDir(QString::fromLatin1(VEX_DATA_DIR) + "/help").entryList(QDir::Files))
    QFile::copy(QString::fromLatin1(VEX_DATA_DIR) + "/help/" + file, dir_.path() + "/help/" + file);
  writeLanguage();
  setLevel(level);
  settings::initialiseSeparate(path());
  radio_data::resetToDefaults();
}

void DataDir::setLevel(Level level) {
  const char* code = level == Level::Factory ? "52840619" : level == Level::Service ? "52840173" : "0";
  std::ofstream(path() + "/Settings.ini") << "[Setting]\nComPort=3\nModelName=PX-446\nModelID=PX446\n"
                                             "FreqRange=446-447\n[User Mode]\nLevel="
                                          << code << "\n";
}

void DataDir::addLanguageLine(const std::string& line) {
  extraLines_ += line + "\n";
  writeLanguage();
}

void DataDir::writeLanguage() { std::ofstream(path() + "/VEX_E.lng") << kLanguage << extraLines_; }

std::string DataDir::path() const { return dir_.path().toStdString(); }

void copyDirectory(const QString& from, const QString& to) {
  QDir().mkpath(to);
  for (const QFileInfo& entry : QDir(from).entryInfoList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot)) {
    if (entry.isDir())
      copyDirectory(entry.filePath(), to + "/" + entry.fileName());
    else
      QFile::copy(entry.filePath(), to + "/" + entry.fileName());
  }
}

void settle() {
  for (int i = 0; i < 3; ++i) {
    QApplication::processEvents();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }
}

}  // namespace vex::gui::test
