#pragma once

#include "config/option_list.h"

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace vex {

// Which family of language texts a lookup means.
enum class TextFamily { Message, Label };

// The texts of one language file. Every lookup reads the file (through the
// profile cache, which notices when the file changes).
class LanguageTexts {
 public:
  LanguageTexts() = default;
  explicit LanguageTexts(std::filesystem::path file) : file_(std::move(file)) {}

  const std::filesystem::path& file() const { return file_; }

  // Message text n: key S01nnnnn of [Setting]; "" when absent.
  std::string messageText(int n) const;
  // Label text n: key S02nnnnn (captions, labels, menu texts, option lists).
  std::string labelText(int n) const;
  // Model text n: key S03nnnnn.
  std::string modelText(int n) const;

  // Looks up the message or label text n; when it is absent, text is left
  // as it was and the result is false.
  bool textWithPresence(int n, TextFamily family, std::string& text) const;

  // Whether the model ID is the one this language file serves (model text 610).
  bool isModelSupported(std::string_view modelId) const;

  // Whether key S00nnnnn in the model ID's section is a non-zero number.
  bool isControlDisabled(std::string_view modelId, int n) const;

  // Label text n split at ";", of each item the part before its first ",".
  std::vector<std::string> textList(int n) const;

  // Label text n as an option list.
  OptionList optionList(int n) const;

  // The key of text n in a family: prefix and five digits ("S02", 128 -> "S0200128").
  static std::string keyOf(std::string_view prefix, int n);

  static constexpr int kSupportedModelText = 610;

 private:
  std::filesystem::path file_;
};

}  // namespace vex
