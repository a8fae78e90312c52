#include "output_file.h"

#include "base/file_check.h"
#include "base/file_replace.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>

namespace vex::cli {

namespace {

constexpr std::size_t kMaxOutputBytes = 64 * 1024 * 1024;

}  // namespace

OutputFile::OutputFile(std::string target, bool force) : target_(std::move(target)), path_(target_) {
  if (!toStdout()) {
    struct stat info {};
    if (force && ::stat(LinkTarget(path_).c_str(), &info) == 0 && S_ISREG(info.st_mode) &&
        (info.st_mode & S_IWUSR) == 0 && ::chmod(LinkTarget(path_).c_str(), (info.st_mode | S_IWUSR) & 07777) == 0)
      readOnlyMode_ = static_cast<int>(info.st_mode & 07777);
    return;
  }
  std::error_code ec;
  std::string pattern = (std::filesystem::temp_directory_path(ec) / "vexprog-cli-XXXXXX").string();
  if (ec) pattern = "/tmp/vexprog-cli-XXXXXX";
  if (::mkdtemp(pattern.data()) != nullptr) tempDir_ = pattern;
  path_ = tempDir_.empty() ? std::string() : tempDir_ + "/output";
}

OutputFile::~OutputFile() {
  if (readOnlyMode_ >= 0) (void)::chmod(LinkTarget(path_).c_str(), static_cast<mode_t>(readOnlyMode_));
  std::error_code ec;
  if (!tempDir_.empty()) std::filesystem::remove_all(tempDir_, ec);
}

std::string OutputFile::problem() const {
  if (path_.empty()) return "no temporary folder";
  return ReplaceableFileProblem(path_);
}

std::string OutputFile::failure(int systemError) const {
  std::string why = problem();
  if (why.empty() && systemError != 0) why = std::strerror(systemError);
  return why;
}

bool OutputFile::finish(std::ostream& out) const {
  if (!toStdout()) return true;
  std::string bytes;
  if (!ReadWholeFile(path_, kMaxOutputBytes, bytes)) return false;
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  out.flush();
  return static_cast<bool>(out);
}

int WriteTextOutput(Environment& env, const std::string& target, std::string_view text, bool force) {
  if (target.empty() || target == "-") {
    env.out() << text;
    return kExitOk;
  }
  const OutputFile output(target, force);
  if (!ReplaceFileContent(target, text)) return env.fail(text::kMsgFileNotWritten, target, std::strerror(errno));
  return kExitOk;
}

}  // namespace vex::cli
