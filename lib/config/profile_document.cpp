#include "config/profile_document.h"

#include "config/profile_syntax.h"

namespace vex {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

std::string IndexKey(std::string_view section, std::string_view key) {
  std::string folded = FoldAscii(section);
  folded += '\n';
  folded += FoldAscii(key);
  return folded;
}

// Values written into a file must stay on their line.
std::string OneLine(std::string_view value) {
  std::string line(value);
  for (char& c : line) {
    if (c == '\r' || c == '\n') c = ' ';
  }
  return line;
}

bool HasControlCharacter(std::string_view name) {
  for (const char c : name) {
    if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) return true;
  }
  return false;
}

// Names written into the file must read back as the same names.
bool IsWritableSection(std::string_view section) {
  return !section.empty() && !HasControlCharacter(section) && section.find(']') == std::string_view::npos;
}

bool IsWritableKey(std::string_view key) {
  return !key.empty() && !HasControlCharacter(key) && key.find('=') == std::string_view::npos && key.front() != '[' &&
         key.front() != ';';
}

}  // namespace

ProfileDocument ProfileDocument::parse(std::string_view text) {
  ProfileDocument doc;
  if (text.substr(0, kByteOrderMark.size()) == kByteOrderMark) {
    doc.byteOrderMark_ = true;
    text.remove_prefix(kByteOrderMark.size());
  }
  while (!text.empty()) {
    const std::size_t newline = text.find('\n');
    Line line;
    if (newline == std::string_view::npos) {
      line.text = std::string(text);
      text = {};
    } else {
      line.text = std::string(text.substr(0, newline));
      line.ending = "\n";
      text.remove_prefix(newline + 1);
    }
    if (!line.ending.empty() && !line.text.empty() && line.text.back() == '\r') {
      line.text.pop_back();
      line.ending = "\r\n";
    }
    doc.lines_.push_back(std::move(line));
  }
  doc.rebuildIndex();
  return doc;
}

void ProfileDocument::rebuildIndex() {
  values_.clear();
  std::vector<std::string> seenSections;
  bool sectionIsFirst = true;
  std::string section;
  for (const Line& line : lines_) {
    const ProfileLineKind kind = ClassifyProfileLine(line.text);
    if (kind.kind == ProfileLineKind::Section) {
      section = FoldAscii(kind.name);
      sectionIsFirst = true;
      for (const std::string& seen : seenSections) {
        if (seen == section) sectionIsFirst = false;
      }
      if (sectionIsFirst) seenSections.push_back(section);
    } else if (kind.kind == ProfileLineKind::Key && sectionIsFirst) {
      // emplace keeps the first value of a duplicate key.
      values_.emplace(IndexKey(section, kind.name), std::string(kind.value));
    }
  }
}

std::optional<std::string_view> ProfileDocument::find(std::string_view section, std::string_view key) const {
  const auto it = values_.find(IndexKey(TrimBlanks(section), TrimBlanks(key)));
  if (it == values_.end()) return std::nullopt;
  return std::string_view(it->second);
}

std::string ProfileDocument::defaultEnding() const {
  for (const Line& line : lines_) {
    if (!line.ending.empty()) return line.ending;
  }
  return "\n";
}

void ProfileDocument::insertLine(std::size_t at, std::string text) {
  const std::string ending = defaultEnding();
  if (at > 0 && lines_[at - 1].ending.empty()) lines_[at - 1].ending = ending;
  lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(at), Line{std::move(text), ending});
}

bool ProfileDocument::set(std::string_view section, std::string_view key, std::string_view value) {
  section = TrimBlanks(section);
  key = TrimBlanks(key);
  if (!IsWritableSection(section) || !IsWritableKey(key)) return false;
  const std::string newValue = OneLine(value);

  std::size_t header = lines_.size();
  for (std::size_t i = 0; i < lines_.size(); ++i) {
    const ProfileLineKind kind = ClassifyProfileLine(lines_[i].text);
    if (kind.kind == ProfileLineKind::Section && EqualsIgnoringAsciiCase(kind.name, section)) {
      header = i;
      break;
    }
  }

  if (header == lines_.size()) {
    if (!lines_.empty() && !TrimBlanks(lines_.back().text).empty()) insertLine(lines_.size(), "");
    insertLine(lines_.size(), "[" + std::string(section) + "]");
    insertLine(lines_.size(), std::string(key) + "=" + newValue);
    rebuildIndex();
    return true;
  }

  std::size_t lastContent = header;
  for (std::size_t i = header + 1; i < lines_.size(); ++i) {
    const ProfileLineKind kind = ClassifyProfileLine(lines_[i].text);
    if (kind.kind == ProfileLineKind::Section) break;
    if (kind.kind == ProfileLineKind::Key && EqualsIgnoringAsciiCase(kind.name, key)) {
      lines_[i].text = std::string(kind.name) + "=" + newValue;
      rebuildIndex();
      return true;
    }
    if (!TrimBlanks(lines_[i].text).empty()) lastContent = i;
  }
  insertLine(lastContent + 1, std::string(key) + "=" + newValue);
  rebuildIndex();
  return true;
}

std::string ProfileDocument::serialize() const {
  std::string text;
  if (byteOrderMark_) text += kByteOrderMark;
  for (const Line& line : lines_) {
    text += line.text;
    text += line.ending;
  }
  return text;
}

}  // namespace vex
