#include "cli_radio_session.h"

#include "base/file_replace.h"
#include "cli_host.h"
#include "config/profile_cache.h"

namespace vex::cli {

namespace {

constexpr std::size_t kMaxSettingsBytes = ProfileCache::kMaxFileBytes;

}  // namespace

SettingsFilesGuard::SettingsFilesGuard(const DataPaths& paths, std::initializer_list<std::string_view> names) {
  for (std::string_view name : names) {
    for (const std::filesystem::path& dir : {paths.dataDir(), paths.configDir()}) {
      if (dir.empty()) continue;
      Snapshot snapshot{dir / name, false, {}, false};
      std::error_code ec;
      snapshot.existed = std::filesystem::exists(snapshot.path, ec);
      // A file that cannot be read is never written by the settings
      // either, so there is nothing to restore.
      if (snapshot.existed && !ReadWholeFile(snapshot.path, kMaxSettingsBytes, snapshot.bytes)) continue;
      files_.push_back(std::move(snapshot));
    }
  }
}

void SettingsFilesGuard::keep(std::string_view name) {
  for (Snapshot& file : files_) {
    if (file.path.filename() == name) file.keep = true;
  }
}

SettingsFilesGuard::~SettingsFilesGuard() {
  for (const Snapshot& file : files_) {
    if (file.keep) continue;
    std::error_code ec;
    if (!file.existed) {
      std::filesystem::remove(file.path, ec);
    } else {
      std::string now;
      if (!ReadWholeFile(file.path, kMaxSettingsBytes, now) || now != file.bytes)
        (void)ReplaceFileContent(file.path, file.bytes);
    }
    ProfileCache::instance().forget(file.path);
  }
}

RadioSession::RadioSession(const DataPaths& paths)
    : guard_(paths, {AppSettings::kSettingsFile, AppSettings::kModelFile}), settings_(paths) {
  settings_.readLanguageSetting();
  ranges_.loadForCurrentModel(settings_);
}

RadioFiles::RadioFiles(RadioSession& session) : host_(data_, findings_, session.settings(), session.ranges()) {}

bool RadioFiles::openToWrite(Environment& env, const std::string& file) {
  const FlowOutcome opened = codeplug_.open(file);
  if (!opened.ok()) {
    fail(env, opened, file);
    return false;
  }
  const FlowOutcome prepared = prepareWrite();
  if (!prepared.ok()) fail(env, prepared, file);
  return prepared.ok();
}

int RadioFiles::fail(Environment& env, const FlowOutcome& outcome, const std::string& file) const {
  // The desktop program's text points to its Invalid Log; here the list follows.
  if (outcome.messageId != text::kMsgDataInvalid) return env.fail(outcome.messageId, file);
  const int code = env.fail(text::kMsgDataInvalidListed, file);
  ListFindings(env.err(), findings_);
  return code;
}

}  // namespace vex::cli
