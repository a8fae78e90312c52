// Writing the text: the header, every section and every list by the schema's
// field names, then the image bytes that applying those keys alone would not
// give back, so that the text is a complete copy of the file.
#include <yaml-cpp/yaml.h>

#include <memory>

#include "core/container.h"
#include "workflow/codeplug_text/codeplug_text.h"
#include "workflow/codeplug_text/header_text.h"
#include "workflow/codeplug_text/image_parts.h"
#include "workflow/codeplug_text/record_text.h"
#include "workflow/codeplug_text/text_lists.h"

namespace vex {
namespace {

using namespace codeplug_text;

struct Run {
  std::size_t first;
  std::vector<std::uint8_t> bytes;
};

// Everything the text says but the unmapped runs.
struct Keys {
  std::vector<Entry> file;
  std::vector<std::vector<Entry>> sections;            // in the order of kSectionAreas
  std::array<std::vector<std::vector<Entry>>, 4> lists;  // in the order of kTextLists
};

Keys KeysOf(const CodeplugDocument& document, RadioDataContainer& data, const ValueContext& context) {
  Keys keys;
  keys.file = HeaderEntries(document.header, document.comment);
  for (FieldArea area : kSectionAreas) keys.sections.push_back(ExportEntries(area, 0, AreaBytes(data, area), context));
  for (std::size_t k = 0; k < kTextLists.size(); ++k)
    for (std::size_t i = 0; i < AreaRecords(data, kTextLists[k].area); ++i)
      keys.lists[k].push_back(ExportEntries(kTextLists[k].area, i, AreaBytes(data, kTextLists[k].area, i), context));
  return keys;
}

YAML::Node NodeOf(const Keys& keys) {
  YAML::Node root(YAML::NodeType::Map);
  root["file"] = NodeOfEntries(keys.file);
  YAML::Node settings(YAML::NodeType::Map);
  for (std::size_t s = 0; s < kSectionAreas.size(); ++s)
    settings[std::string(AreaOf(kSectionAreas[s]).name)] = NodeOfEntries(keys.sections[s]);
  root["settings"] = settings;
  for (std::size_t k = 0; k < kTextLists.size(); ++k) {
    YAML::Node list(YAML::NodeType::Sequence);
    for (const auto& record : keys.lists[k]) list.push_back(NodeOfEntries(record));
    root[std::string(kTextLists[k].key)] = list;
  }
  return root;
}

// The runs of bytes where `image` differs from `made`, each within one part.
std::vector<Run> Differences(const Image& image, const Image& made) {
  std::vector<Run> runs;
  for (std::size_t i = 0; i < image.size(); ++i) {
    if (image[i] == made[i]) continue;
    const bool extends = !runs.empty() && runs.back().first + runs.back().bytes.size() == i &&
                         ImagePartFirst(runs.back().first) == ImagePartFirst(i) && runs.back().bytes.size() < 64;
    if (!extends) runs.push_back({i, {}});
    runs.back().bytes.push_back(image[i]);
  }
  return runs;
}

void Emit(YAML::Emitter& out, const std::vector<Entry>& entries) {
  out << YAML::BeginMap;
  for (const Entry& entry : entries) {
    out << YAML::Key << entry.key << YAML::Value;
    if (entry.raw && entry.key != kRawKey) {
      out << YAML::Flow << YAML::BeginMap << YAML::Key << "raw" << YAML::Value << YAML::DoubleQuoted
          << entry.value.text << YAML::EndMap;
    } else if (entry.value.style == ValueText::Style::Null) {
      out << YAML::Null;
    } else if (entry.value.style == ValueText::Style::Quoted) {
      out << YAML::DoubleQuoted << entry.value.text;
    } else {
      out << entry.value.text;
    }
  }
  out << YAML::EndMap;
}

std::string Text(const Keys& keys, const std::vector<Run>& runs) {
  YAML::Emitter out;
  out << YAML::Comment("vexprog codeplug text: the whole content of one codeplug file.\n"
                       "Apply it with: vexprog-cli apply THIS.yaml -o FILE, or onto a file with --base FILE.")
      << YAML::Newline;
  out << YAML::BeginMap;
  out << YAML::Key << "format" << YAML::Value << std::string(kTextFormat);
  out << YAML::Key << "file" << YAML::Comment("The file's header: model, frequency range (MHz), versions, comment.")
      << YAML::Value;
  Emit(out, keys.file);
  out << YAML::Key << "settings"
      << YAML::Comment("Every section. Frequencies in MHz; option texts as the program shows them in English.")
      << YAML::Value << YAML::BeginMap;
  for (std::size_t s = 0; s < kSectionAreas.size(); ++s) {
    out << YAML::Key << std::string(AreaOf(kSectionAreas[s]).name) << YAML::Value;
    Emit(out, keys.sections[s]);
  }
  out << YAML::EndMap;
  for (std::size_t k = 0; k < kTextLists.size(); ++k) {
    out << YAML::Key << std::string(kTextLists[k].key) << YAML::Comment(std::string(kTextLists[k].comment))
        << YAML::Value << YAML::BeginSeq;
    for (const auto& record : keys.lists[k]) Emit(out, record);
    out << YAML::EndSeq;
  }
  if (!runs.empty()) {
    out << YAML::Key << "unmapped"
        << YAML::Comment("Image bytes no field gives, as they are: part, image offset, hexadecimal bytes.")
        << YAML::Value << YAML::BeginSeq;
    for (const Run& run : runs) {
      out << YAML::Flow << YAML::BeginMap << YAML::Key << "part" << YAML::Value
          << std::string(ImagePartName(run.first)) << YAML::Key << "offset" << YAML::Value << run.first
          << YAML::Key << "bytes" << YAML::Value << YAML::DoubleQuoted << HexOf(run.bytes) << YAML::EndMap;
    }
    out << YAML::EndSeq;
  }
  out << YAML::EndMap;
  return std::string(out.c_str()) + "\n";
}

}  // namespace

std::string ExportCodeplugText(const CodeplugDocument& document, const LanguageTexts& english) {
  auto data = std::make_unique<RadioDataContainer>();
  data->image() = document.image;
  data->decode();
  const ValueContext context(english, BandLimitsOf(document.header.rangeText()), data->channels().size(),
                             data->personalities().size(), data->scanLists().size());
  const Keys keys = KeysOf(document, *data, context);
  auto made = std::make_unique<CodeplugDocument>();
  if (!ApplyDocumentNode(NodeOf(keys), nullptr, english, *made).empty()) made->image.fill(layout::kErased);
  return Text(keys, Differences(document.image, made->image));
}

}  // namespace vex
