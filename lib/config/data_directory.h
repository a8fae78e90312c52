#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace vex {

// Where the program's files are: the data directory with the language files,
// the catalogue, the settings and the default data, and the user's
// configuration directory that takes the files the program writes
// (Settings.ini, Model.dat) when the data directory is not writable.
class DataPaths {
 public:
  // Probe asks the file system whether the data directory can be written;
  // ReadOnly treats it as read-only whatever the permissions (an installed
  // copy shared by several users, or a test running as root).
  enum class Access { Probe, ReadOnly };

  DataPaths() = default;
  DataPaths(std::filesystem::path dataDir, std::filesystem::path configDir, Access access = Access::Probe);

  const std::filesystem::path& dataDir() const { return dataDir_; }
  const std::filesystem::path& configDir() const { return configDir_; }

  // A file that is only read (language files, volume.ini, default data).
  std::filesystem::path dataFile(std::string_view name) const;

  // A file the program also writes: the writable copy when it exists (or
  // when the data directory itself is writable), else the data directory's.
  std::filesystem::path readFile(std::string_view name) const;

  // Where to write the file. When the data directory is not writable this is
  // the configuration directory, created as needed and seeded with a copy of
  // the data directory's file so that the other keys are kept.
  std::filesystem::path writeFile(std::string_view name) const;

 private:
  bool dataFileWritable(std::string_view name) const;

  std::filesystem::path dataDir_;
  std::filesystem::path configDir_;
  Access access_ = Access::Probe;
};

// The files a data directory must hold for the programs to run: the English
// language file (every language falls back to it) and the model catalogue.
// The first one `dir` lacks, or "" when it has them all.
std::string MissingDataFile(const std::filesystem::path& dir);

// Resolution of the data directory for the running program.
class DataDirectory {
 public:
  // --data-dir DIR from the command line; wins over everything else.
  static void setOverride(const std::filesystem::path& dir);

  // --data-dir, else $VEXPROG_DATA, else <directory of the executable>/data,
  // else the installed share directory <prefix>/share/vexprog.
  static std::filesystem::path resolve();

  // $XDG_CONFIG_HOME/vexprog, else ~/.config/vexprog.
  static std::filesystem::path userConfigDir();

  // Both of the above; an installed share directory is never written, the
  // configuration directory takes the files the programs write.
  static DataPaths current();
};

}  // namespace vex
