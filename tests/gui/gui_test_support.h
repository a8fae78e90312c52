#pragma once
// Shared set-up of the offscreen GUI tests: one QApplication for the process
// and a temporary data directory with settings and a language file.
#include <string>

#include <QTemporaryDir>

namespace vex::gui::test {

enum class Level { Normal, Service, Factory };

class DataDir {
 public:
  explicit DataDir(Level level = Level::Normal);
  void setLevel(Level level);
  // Adds a line to the [Setting] section of the language file.
  void addLanguageLine(const std::string& line);
  std::string path() const;

 private:
  void writeLanguage();
  QTemporaryDir dir_;
  std::string extraLines_;
};

// Copies a directory tree (the real data directory into a temporary one).
void copyDirectory(const QString& from, const QString& to);

// Runs queued events for a short while so that deferred work happens.
void settle();

}  // namespace vex::gui::test
