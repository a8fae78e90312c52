#include "output_file.h"

#include "base/file_check.h"
#include "base/file_replace.h"

#include <cstdlib>
#include <filesystem>

namespace vex::cli {

namespace {

constexpr std::size_t kMaxOutputBytes = 64 * 1024 * 1024;

}  // namespace

OutputFile::OutputFile(std::string target) : target_(std::move(target)), path_(target_) {
  if (!toStdout()) return;
  std::error_code ec;
  std::string pattern = (std::filesystem::temp_directory_path(ec) / "vexprog-cli-XXXXXX").string();
  if (ec) pattern = "/tmp/vexprog-cli-XXXXXX";
  if (::mkdtemp(pattern.data()) != nullptr) tempDir_ = pattern;
  path_ = tempDir_.empty() ? std::string() : tempDir_ + "/output";
}

OutputFile::~OutputFile() {
  std::error_code ec;
  if (!tempDir_.empty()) std::filesystem::remove_all(tempDir_, ec);
}

std::string OutputFile::problem() const {
  if (path_.empty()) return "no temporary folder";
  return ReplaceableFileProblem(path_);
}

bool OutputFile::finish(std::ostream& out) const {
  if (!toStdout()) return true;
  std::string bytes;
  if (!ReadWholeFile(path_, kMaxOutputBytes, bytes)) return false;
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  out.flush();
  return static_cast<bool>(out);
}

int WriteTextOutput(Environment& env, const std::string& target, std::string_view text) {
  if (target.empty() || target == "-") {
    env.out() << text;
    return kExitOk;
  }
  if (!ReplaceFileContent(target, text))
    return env.fail(text::kMsgFileNotWritten, target, OutputFile(target).problem());
  return kExitOk;
}

}  // namespace vex::cli
