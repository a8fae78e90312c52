#include "config/data_directory.h"

#include <unistd.h>

#include <cstdlib>
#include <mutex>
#include <system_error>

namespace vex {

namespace {

namespace fs = std::filesystem;

std::mutex gOverrideMutex;
fs::path gOverride;

fs::path EnvironmentPath(const char* name) {
  const char* value = std::getenv(name);
  if (value == nullptr || *value == '\0') return {};
  return fs::path(value);
}

fs::path ExecutableDir() {
  std::error_code ec;
  const fs::path exe = fs::read_symlink("/proc/self/exe", ec);
  if (ec) return {};
  return exe.parent_path();
}

bool IsDirectory(const fs::path& dir) {
  std::error_code ec;
  return !dir.empty() && fs::is_directory(dir, ec);
}

}  // namespace

DataPaths::DataPaths(fs::path dataDir, fs::path configDir, Access access)
    : dataDir_(std::move(dataDir)), configDir_(std::move(configDir)), access_(access) {}

fs::path DataPaths::dataFile(std::string_view name) const { return dataDir_ / fs::path(name); }

bool DataPaths::dataFileWritable(std::string_view name) const {
  if (access_ == Access::ReadOnly) return false;
  if (::access(dataDir_.c_str(), W_OK | X_OK) != 0) return false;
  const fs::path file = dataFile(name);
  std::error_code ec;
  return !fs::exists(file, ec) || ::access(file.c_str(), W_OK) == 0;
}

fs::path DataPaths::readFile(std::string_view name) const {
  if (configDir_.empty() || dataFileWritable(name)) return dataFile(name);
  const fs::path copy = configDir_ / fs::path(name);
  std::error_code ec;
  return fs::exists(copy, ec) ? copy : dataFile(name);
}

fs::path DataPaths::writeFile(std::string_view name) const {
  if (configDir_.empty() || dataFileWritable(name)) return dataFile(name);
  const fs::path copy = configDir_ / fs::path(name);
  std::error_code ec;
  fs::create_directories(configDir_, ec);
  if (!fs::exists(copy, ec) && fs::exists(dataFile(name), ec)) {
    fs::copy_file(dataFile(name), copy, ec);
    // The data directory's file may be read-only; its copy must not be.
    fs::permissions(copy, fs::perms::owner_read | fs::perms::owner_write, fs::perm_options::add, ec);
  }
  return copy;
}

std::string MissingDataFile(const fs::path& dir) {
  for (const char* name : {"VEX_E.lng", "Model.dat"}) {
    std::error_code ec;
    if (!fs::is_regular_file(dir / name, ec)) return name;
  }
  return {};
}

void DataDirectory::setOverride(const fs::path& dir) {
  std::lock_guard lock(gOverrideMutex);
  gOverride = dir;
}

namespace {

// The data directory, and whether it is an installed copy: the package owns
// that one, so the programs never write into it, root included.
struct ResolvedDataDir {
  fs::path dir;
  bool installed = false;
};

ResolvedDataDir ResolveDataDir() {
  {
    std::lock_guard lock(gOverrideMutex);
    if (!gOverride.empty()) return {gOverride};
  }
  if (fs::path env = EnvironmentPath("VEXPROG_DATA"); !env.empty()) return {env};
  const fs::path exeDir = ExecutableDir();
  if (IsDirectory(exeDir / "data")) return {exeDir / "data"};
  // Installed layout: <prefix>/bin/vexprog next to <prefix>/share/vexprog.
  for (const fs::path& installed :
       {exeDir.parent_path() / "share" / "vexprog", fs::path("/usr/local/share/vexprog"), fs::path("/usr/share/vexprog")})
    if (IsDirectory(installed)) return {installed, true};
  return {exeDir / "data"};
}

}  // namespace

fs::path DataDirectory::resolve() { return ResolveDataDir().dir; }

fs::path DataDirectory::userConfigDir() {
  if (fs::path xdg = EnvironmentPath("XDG_CONFIG_HOME"); !xdg.empty() && xdg.is_absolute()) {
    return xdg / "vexprog";
  }
  if (fs::path home = EnvironmentPath("HOME"); !home.empty()) return home / ".config" / "vexprog";
  return {};
}

DataPaths DataDirectory::current() {
  const ResolvedDataDir data = ResolveDataDir();
  return DataPaths(data.dir, userConfigDir(), data.installed ? DataPaths::Access::ReadOnly : DataPaths::Access::Probe);
}

}  // namespace vex
