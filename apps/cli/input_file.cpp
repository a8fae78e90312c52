#include "input_file.h"

#include "base/file_replace.h"

#include <cstdlib>
#include <filesystem>
#include <iostream>

namespace vex::cli {

namespace {

// More than any codeplug file, text or CSV the commands take.
constexpr std::size_t kMaxInputBytes = 16 * 1024 * 1024;

}  // namespace

InputFile::InputFile(std::string given, StandardInput standardInput) : given_(std::move(given)), path_(given_) {
  if (given_ != "-" || standardInput == StandardInput::Refused) {
    std::error_code ec;
    if (!std::filesystem::exists(path_, ec)) problem_ = "No such file";
    return;
  }
  fromStdin_ = true;
  std::string bytes(kMaxInputBytes + 1, '\0');
  std::cin.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  bytes.resize(static_cast<std::size_t>(std::cin.gcount()));
  if (bytes.size() > kMaxInputBytes) {
    problem_ = "The input is larger than 16 MiB";
    return;
  }
  std::error_code ec;
  std::string pattern = (std::filesystem::temp_directory_path(ec) / "vexprog-cli-XXXXXX").string();
  if (ec) pattern = "/tmp/vexprog-cli-XXXXXX";
  if (::mkdtemp(pattern.data()) == nullptr) {
    problem_ = "No temporary folder for standard input";
    return;
  }
  tempDir_ = pattern;
  path_ = tempDir_ + "/input";
  if (!ReplaceFileContent(path_, bytes, {0600})) problem_ = "Standard input cannot be kept in a temporary file";
}

InputFile::~InputFile() {
  std::error_code ec;
  if (!tempDir_.empty()) std::filesystem::remove_all(tempDir_, ec);
}

InputText ReadInputText(const std::string& given, std::size_t maxBytes, std::string& text) {
  if (given == "-") {
    text.assign(maxBytes + 1, '\0');
    std::cin.read(text.data(), static_cast<std::streamsize>(text.size()));
    text.resize(static_cast<std::size_t>(std::cin.gcount()));
    return InputText::Read;
  }
  std::error_code ec;
  if (!std::filesystem::exists(given, ec)) return InputText::Missing;
  return ReadWholeInput(given, maxBytes + 1, text) ? InputText::Read : InputText::Unreadable;
}

}  // namespace vex::cli
