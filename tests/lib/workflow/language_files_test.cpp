// Keeps the shipped language files honest: both files carry the same keys, every text the
// program looks up exists (the registry of text ids and the schema's field texts), every
// option list parses and fits the field it is stored in, format texts carry exactly the
// conversion their callers pass, and each file selects itself.
#include "base/text_ids.h"
#include "config/language_texts.h"
#include "config/option_list.h"
#include "config/profile_file.h"
#include "config/safe_format.h"
#include "core/image_layout.h"
#include "core/schema/schema.h"
#include "core/schema/schema_table.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cstdio>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace {

using namespace vex::text;

const std::string kDataDir = VEX_DATA_DIR;

struct LanguageFile {
  std::string name;
  int index;  // the language index the file must answer to
};
const std::vector<LanguageFile> kFiles{{"VEX_E.lng", 0}, {"VEX_S.lng", 1}};

std::string pathOf(const std::string& file) { return kDataDir + "/" + file; }

std::string keyOf(const char* prefix, int id) {
  char key[16];
  std::snprintf(key, sizeof key, "%s%05d", prefix, id);
  return key;
}

std::string read(const std::string& file, const std::string& section, const std::string& key) {
  return vex::ReadProfileString(pathOf(file), section, key, "", vex::kRoomLabel);
}

std::string textOf(const std::string& file, Family family, int id) {
  const vex::LanguageTexts texts(pathOf(file));
  return family == Family::Message ? texts.messageText(id) : texts.labelText(id);
}

// All "key=value" lines of a file, per lower-cased section; comments and blank lines skipped.
std::map<std::string, std::map<std::string, std::string>> scanEntries(const std::string& file) {
  std::map<std::string, std::map<std::string, std::string>> sections;
  std::ifstream in(pathOf(file));
  std::string line, section;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty() || line[0] == ';') continue;
    if (line[0] == '[') {
      section = line.substr(1, line.find(']') - 1);
      std::transform(section.begin(), section.end(), section.begin(), ::tolower);
      continue;
    }
    const auto eq = line.find('=');
    if (eq == std::string::npos) continue;
    sections[section][line.substr(0, eq)] = line.substr(eq + 1);
  }
  return sections;
}

std::vector<std::string> split(const std::string& text, char separator) {
  std::vector<std::string> items;
  std::stringstream stream(text);
  std::string item;
  while (std::getline(stream, item, separator)) items.push_back(item);
  return items;
}

// The printf conversions of a text, as their conversion letters ("%%" is not one).
std::string conversionsOf(const std::string& text) {
  std::string letters;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '%') continue;
    std::size_t j = i + 1;
    if (j < text.size() && text[j] == '%') {
      i = j;
      continue;
    }
    while (j < text.size() && std::string_view("-+ #0123456789.lh").find(text[j]) != std::string_view::npos) ++j;
    letters += j < text.size() ? text[j] : '?';
    i = j;
  }
  return letters;
}

bool isUtf8(const std::string& bytes) {
  std::size_t i = 0;
  while (i < bytes.size()) {
    const auto c = static_cast<unsigned char>(bytes[i]);
    const int follow = c < 0x80 ? 0 : (c >> 5) == 0x6 ? 1 : (c >> 4) == 0xE ? 2 : (c >> 3) == 0x1E ? 3 : -1;
    if (follow < 0 || i + follow >= bytes.size()) return false;
    for (int k = 1; k <= follow; ++k)
      if ((static_cast<unsigned char>(bytes[i + k]) & 0xC0) != 0x80) return false;
    i += follow + 1;
  }
  return true;
}

using vex::FieldDef;
using vex::FieldKind;

// The label texts of the schema's fields: captions and option lists.
std::set<int> schemaLabels() {
  std::set<int> ids;
  for (const FieldDef& field : vex::FieldTable())
    for (int id : {field.label, field.list})
      if (id != 0) ids.insert(id);
  return ids;
}

// Every label text the program looks up.
std::vector<int> allLabels() {
  std::set<int> ids = schemaLabels();
  ids.insert(kLabelIds.begin(), kLabelIds.end());
  return {ids.begin(), ids.end()};
}

ListKind listKindOf(const FieldDef& field) {
  switch (field.kind) {
    case FieldKind::ListValue:
    case FieldKind::Flag: return ListKind::Values;
    case FieldKind::Range:
    case FieldKind::RangeOff: return ListKind::RangeEdit;
    default: return ListKind::Positions;
  }
}

// The option lists of the registry and of the schema's fields, with the width of the
// field each list's raw values are stored in.
std::vector<OptionListField> optionLists() {
  std::vector<OptionListField> lists(kOptionLists.begin(), kOptionLists.end());
  for (const FieldDef& field : vex::FieldTable()) {
    if (field.list == 0) continue;
    const int bits = field.width == 1 ? std::popcount(unsigned{field.mask}) : 8 * field.width;
    lists.push_back({field.list, bits, listKindOf(field)});
  }
  return lists;
}

bool isRangeEditWithOff(int id) {
  const auto fields = vex::FieldTable();
  return std::any_of(fields.begin(), fields.end(),
                     [id](const FieldDef& f) { return f.list == id && f.kind == FieldKind::RangeOff; });
}

TEST(LanguageFiles, AreUtf8WithoutControlCharactersAndHoldTheSameKeys) {
  std::map<std::string, std::map<std::string, std::string>> first;
  for (const auto& file : kFiles) {
    std::ifstream in(pathOf(file.name), std::ios::binary);
    ASSERT_TRUE(in) << file.name;
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_TRUE(isUtf8(bytes)) << file.name;
    for (char c : bytes)
      EXPECT_FALSE(static_cast<unsigned char>(c) < 0x20 && c != '\n')
          << file.name << " holds control character " << int(c);

    auto entries = scanEntries(file.name);
    if (first.empty()) {
      first = entries;
      continue;
    }
    ASSERT_EQ(entries.size(), first.size()) << file.name;
    for (const auto& [section, keys] : first) {
      ASSERT_TRUE(entries.count(section)) << file.name << " lacks [" << section << "]";
      for (const auto& [key, value] : keys) {
        EXPECT_TRUE(entries[section].count(key)) << file.name << " lacks " << key;
        // Disable flags and the supported model do not depend on the language.
        if (section != "setting" || key.rfind("S03", 0) == 0) {
          EXPECT_EQ(entries[section][key], value) << file.name << " " << key;
        }
      }
      EXPECT_EQ(entries[section].size(), keys.size()) << file.name << " [" << section << "]";
    }
  }
}

TEST(LanguageFiles, HoldEveryRegisteredTextAndNothingUnregistered) {
  std::set<std::string> registered;
  for (const TextId& text : kAllTextIds)
    registered.insert(keyOf(text.family == Family::Message ? "S01" : "S02", text.id));
  for (int id : schemaLabels()) registered.insert(keyOf("S02", id));
  for (const FieldDef& field : vex::FieldTable())
    if (field.control != 0) registered.insert(keyOf("S02", field.control));
  for (const auto& file : kFiles) {
    for (const TextId& text : kAllTextIds)
      EXPECT_FALSE(textOf(file.name, text.family, text.id).empty())
          << file.name << " lacks " << (text.family == Family::Message ? "message " : "label ") << text.id;
    for (int id : schemaLabels()) EXPECT_FALSE(textOf(file.name, Family::Label, id).empty()) << file.name << " " << id;
    const auto setting = scanEntries(file.name)["setting"];
    for (const auto& [key, value] : setting)
      if (key.rfind("S01", 0) == 0 || key.rfind("S02", 0) == 0) {
        EXPECT_TRUE(registered.count(key)) << file.name << ": " << key << " is in no registry array";
      }
  }
}

TEST(LanguageFiles, SelectThemselvesAndListTheSameLanguages) {
  std::string list;
  for (const auto& file : kFiles) {
    const std::string language = read(file.name, "Setting", "Language");
    const std::string languageList = read(file.name, "Setting", "LanguageList");
    const auto names = split(languageList, ',');
    ASSERT_GT(names.size(), static_cast<std::size_t>(file.index)) << file.name;
    EXPECT_EQ(names[file.index], language) << file.name;
    EXPECT_EQ(std::count(names.begin(), names.end(), language), 1) << file.name;
    if (list.empty()) list = languageList;
    EXPECT_EQ(languageList, list) << file.name;

    // The language dialog offers label text kLanguageList; its positions are language indexes.
    EXPECT_EQ(vex::LanguageTexts(pathOf(file.name)).textList(kLanguageList), names) << file.name;
    EXPECT_FALSE(read(file.name, "Setting", "HelpFile").empty()) << file.name;
  }
  EXPECT_EQ(split(list, ',').size(), kFiles.size());
}

TEST(LanguageFiles, SupportTheCatalogueModelAndFlagControlsWithNumbers) {
  const std::string model = vex::LanguageTexts(pathOf("VEX_E.lng")).modelText(kModelTextSupportedModel);
  ASSERT_FALSE(model.empty());
  const auto catalogueIds =
      split(vex::ReadProfileString(pathOf("Model.dat"), "Setting", "ModelID", "", vex::kRoomList), ',');
  EXPECT_NE(std::find(catalogueIds.begin(), catalogueIds.end(), model), catalogueIds.end());
  EXPECT_EQ(vex::ReadProfileString(pathOf("Settings.ini"), "Setting", "ModelID", "", vex::kRoomName), model);

  const auto names = split(vex::ReadProfileString(pathOf("Model.dat"), "Setting", model, "", vex::kRoomList), ',');
  const std::string settingsName =
      vex::ReadProfileString(pathOf("Settings.ini"), "Setting", "ModelName", "", vex::kRoomName);
  EXPECT_NE(std::find(names.begin(), names.end(), settingsName), names.end());

  // The catalogue's ranges are five numbers each, and the settings' range is one of them.
  const std::string range = vex::ReadProfileString(pathOf("Settings.ini"), "Setting", "FreqRange", "", vex::kRoomName);
  const std::string count = vex::ReadProfileString(pathOf("Model.dat"), model, "Number", "", vex::kRoomName);
  ASSERT_FALSE(count.empty());
  bool rangeListed = false;
  for (int i = 0; i < std::stoi(count); ++i) {
    const std::string entry =
        vex::ReadProfileString(pathOf("Model.dat"), model, "Freq" + std::to_string(i), "", vex::kRoomName);
    int lo = 0, hi = 0, lo2 = 0, hi2 = 0, flags = 0;
    EXPECT_EQ(std::sscanf(entry.c_str(), "%d,%d,%d,%d,%d", &lo, &hi, &lo2, &hi2, &flags), 5) << entry;
    EXPECT_LE(lo, hi) << entry;
    EXPECT_LT(hi, 1000) << entry;
    EXPECT_TRUE(flags >= 0 && flags <= 255) << entry;
    if (range == std::to_string(lo) + "-" + std::to_string(hi)) rangeListed = true;
  }
  EXPECT_TRUE(rangeListed) << range;

  std::string lower = model;
  std::transform(lower.begin(), lower.end(), lower.begin(), ::tolower);
  for (const auto& file : kFiles) {
    EXPECT_TRUE(vex::LanguageTexts(pathOf(file.name)).isModelSupported(model)) << file.name;
    const auto flags = scanEntries(file.name)[lower];
    EXPECT_FALSE(flags.empty()) << file.name;
    for (const auto& [key, value] : flags) {
      EXPECT_EQ(key.rfind("S00", 0), 0u) << key;
      EXPECT_FALSE(value.empty()) << key;
      EXPECT_EQ(value.find_first_not_of("0123456789"), std::string::npos) << key << "=" << value;
      EXPECT_EQ(vex::LanguageTexts(pathOf(file.name)).isControlDisabled(model, std::stoi(key.substr(3))),
                std::stoi(value) != 0)
          << key;
    }
  }
}

TEST(LanguageFiles, FormatTextsCarryExactlyTheConversionTheirCallersPass) {
  for (const auto& file : kFiles) {
    std::set<std::pair<Family, int>> formats;
    for (const FormatText& format : kFormatTexts) {
      formats.insert({format.family, format.id});
      const std::string letters = conversionsOf(textOf(file.name, format.family, format.id));
      const std::size_t count = format.argument == Conversion::TwoIntegers ? 2 : 1;
      ASSERT_EQ(letters.size(), count) << file.name << " text " << format.id << " has conversions \"" << letters << "\"";
      const std::string_view accepted = format.argument == Conversion::String ? "s" : "diuxX";
      for (char letter : letters)
        EXPECT_NE(accepted.find(letter), std::string_view::npos) << file.name << " text " << format.id;
      // The safe formatter must accept the text with the caller's arguments.
      const std::string text = textOf(file.name, format.family, format.id);
      if (format.argument == Conversion::TwoIntegers) {
        EXPECT_NE(vex::formatText(text, 12, 34).find("34"), std::string::npos) << file.name << " text " << format.id;
      } else if (format.argument == Conversion::Integer) {
        EXPECT_NE(vex::formatText(text, 4660), text) << file.name << " text " << format.id;
      } else {
        EXPECT_NE(vex::formatText(text, std::string("400-470")).find("400-470"), std::string::npos)
            << file.name << " text " << format.id;
      }
    }
    // No other text may carry a conversion: none of them is given an argument.
    for (const TextId& text : kAllTextIds)
      if (!formats.count({text.family, text.id})) {
        EXPECT_EQ(textOf(file.name, text.family, text.id).find('%'), std::string::npos)
            << file.name << " text " << text.id;
      }
  }
}

// What a translation must not change: units in brackets and the shortcut after a menu tab.
TEST(LanguageFiles, TranslationsKeepUnitsAndShortcuts) {
  auto unitsOf = [](const std::string& text) {
    std::vector<std::string> units;
    for (auto open = text.find('['); open != std::string::npos; open = text.find('[', open + 1))
      units.push_back(text.substr(open, text.find(']', open) - open + 1));
    return units;
  };
  auto shortcutOf = [](const std::string& text) {
    const auto tab = text.find("\\t");
    return tab == std::string::npos ? std::string() : text.substr(tab + 2);
  };
  for (int id : allLabels()) {
    const std::string reference = textOf(kFiles[0].name, Family::Label, id);
    for (const auto& file : kFiles) {
      const std::string text = textOf(file.name, Family::Label, id);
      EXPECT_EQ(unitsOf(text), unitsOf(reference)) << file.name << " label " << id;
      EXPECT_EQ(shortcutOf(text), shortcutOf(reference)) << file.name << " label " << id;
    }
  }
  EXPECT_EQ(shortcutOf(textOf(kFiles[0].name, Family::Label, kCmdReadFromRadio)), "Ctrl+Alt+R");
}

TEST(OptionLists, ParseFitTheirFieldsAndConvertBothWays) {
  for (const auto& file : kFiles) {
    for (const OptionListField& field : optionLists()) {
      SCOPED_TRACE(file.name + " list " + std::to_string(field.id));
      const std::string text = textOf(file.name, Family::Label, field.id);
      const auto list = vex::OptionList::parse(text);
      const auto pairs = list.pairs();
      ASSERT_FALSE(pairs.empty());
      // Every item must be understood: as many items as the parse kept.
      if (!list.rangeRule()) {
        EXPECT_EQ(pairs.size(), split(text, ';').size());
      }

      std::set<std::string> texts;
      for (std::size_t k = 0; k < pairs.size(); ++k) {
        const auto& pair = pairs[k];
        EXPECT_GE(pair.value, 0);
        EXPECT_LT(pair.value, 1L << field.bits) << "value " << pair.value << " overflows " << field.bits << " bits";
        EXPECT_FALSE(pair.text.empty());
        EXPECT_TRUE(texts.insert(pair.text).second) << "text \"" << pair.text << "\" repeats";
        if (field.kind == ListKind::Positions) {
          EXPECT_EQ(pair.value, static_cast<long>(k));
        }
        EXPECT_EQ(list.valueToText(pair.value), pair.text);
        EXPECT_EQ(list.textToValue(pair.text), pair.value) << "\"" << pair.text << "\"";
      }
      if (field.kind == ListKind::RangeEdit) {
        EXPECT_TRUE(list.rangeRule().has_value());
        EXPECT_EQ(text.find(';'), std::string::npos);
        if (isRangeEditWithOff(field.id)) {
          EXPECT_GE(pairs.front().value, 1) << "raw 0 must stay free for off";
        }
      }
    }
  }
}

TEST(OptionLists, AreTheSameValuesInEveryLanguage) {
  for (const OptionListField& field : optionLists()) {
    const auto reference = vex::OptionList::parse(textOf(kFiles[0].name, Family::Label, field.id)).pairs();
    for (const auto& file : kFiles) {
      const auto pairs = vex::OptionList::parse(textOf(file.name, Family::Label, field.id)).pairs();
      ASSERT_EQ(pairs.size(), reference.size()) << file.name << " list " << field.id;
      for (std::size_t k = 0; k < pairs.size(); ++k)
        EXPECT_EQ(pairs[k].value, reference[k].value) << file.name << " list " << field.id;
    }
  }
}

// The raw values fresh data hold (a check box's both states) have a text in their list.
TEST(OptionLists, ShowEveryDefaultRawValue) {
  for (const auto& file : kFiles) {
    for (const FieldDef& field : vex::FieldTable()) {
      if (field.list == 0) continue;
      const auto list = vex::OptionList::parse(textOf(file.name, Family::Label, field.list));
      std::vector<long> raws{field.defaultRaw()};
      if (field.kind == FieldKind::Flag) raws = {0, 1};
      for (long raw : raws) {
        if (raw == 0 && field.kind == FieldKind::RangeOff) continue;
        const bool shown = field.kind == FieldKind::ListValue || field.kind == FieldKind::Flag || list.rangeRule()
                               ? !list.valueToText(raw).empty()
                               : raw >= 0 && static_cast<std::size_t>(raw) < list.pairs().size();
        EXPECT_TRUE(shown) << file.name << " " << field.key << " raw " << raw;
      }
    }
    EXPECT_FALSE(textOf(file.name, Family::Message, kMsgOff).empty());
  }
}

// A stored 0xFF in a marker byte would end its record list on the next Open
// or read, dropping that record and all after it.
TEST(OptionLists, NeverOfferTheRecordMarker) {
  namespace layout = vex::layout;
  const std::pair<vex::FieldArea, std::size_t> markers[] = {
      {vex::FieldArea::Channel, layout::kChannelArea.marker},
      {vex::FieldArea::Personality, layout::kPersonalityArea.marker},
      {vex::FieldArea::ScanList, layout::kScanListArea.marker},
      {vex::FieldArea::AlertTone, layout::kAlertToneArea.marker}};
  for (const auto& [area, marker] : markers) {
    const auto fields = vex::FieldsOf(area);
    const auto field =
        std::find_if(fields.begin(), fields.end(), [&](const FieldDef* f) { return f->offset == marker; });
    ASSERT_NE(field, fields.end());
    ASSERT_NE((*field)->list, 0) << (*field)->key;
    for (const auto& file : kFiles) {
      const auto pairs = vex::OptionList::parse(textOf(file.name, Family::Label, (*field)->list)).pairs();
      ASSERT_FALSE(pairs.empty()) << file.name << " " << (*field)->key;
      for (const auto& pair : pairs) EXPECT_NE(pair.value, layout::kErased) << file.name << " " << (*field)->key;
    }
  }
}

TEST(OptionLists, MeetTheRulesTheViewsBuildOn) {
  for (const auto& file : kFiles) {
    SCOPED_TRACE(file.name);
    auto listOf = [&](int id) { return vex::OptionList::parse(textOf(file.name, Family::Label, id)); };

    // The scan members page reads an entry's text as the number of used slots.
    for (const auto& pair : listOf(kScanCountList).pairs()) EXPECT_EQ(pair.text, std::to_string(pair.value));
    EXPECT_EQ(listOf(kScanCountList).pairs().size(), 17u);

    // Scan TX mode 1 enables the designated channel; priority modes 0 and 1 switch controls.
    EXPECT_FALSE(listOf(kScanTxModeList).valueToText(1).empty());
    EXPECT_FALSE(listOf(kScanPriorityModeList).valueToText(0).empty());
    EXPECT_FALSE(listOf(kScanPriorityModeList).valueToText(1).empty());

    // Tone type entries 0..3 are none, CTCSS and the two CDCSS kinds, in both directions.
    const int rxTypes = vex::SchemaField(vex::FieldArea::Channel, "rx_tone_type").list;
    const int txTypes = vex::SchemaField(vex::FieldArea::Channel, "tx_tone_type").list;
    EXPECT_EQ(listOf(rxTypes).pairs().size(), 4u);
    EXPECT_EQ(textOf(file.name, Family::Label, rxTypes), textOf(file.name, Family::Label, txTypes));

    // Time-out entry 0 switches the timer off; pre-alert entries are offered up to the time-out index.
    EXPECT_GE(listOf(vex::SchemaField(vex::FieldArea::Personality, "tx_time_out").list).pairs().size(), 61u);
    EXPECT_GE(listOf(vex::SchemaField(vex::FieldArea::Personality, "tot_pre_alert").list).pairs().size(), 11u);

    // Each key's list offers functions of the key-function list, with the same texts.
    for (const FieldDef* key : vex::FieldsOf(vex::FieldArea::Keys)) {
      if (key->control == 0) continue;
      const auto functions = listOf(key->list);
      EXPECT_FALSE(listOf(key->control).pairs().empty()) << key->key;
      for (const auto& pair : listOf(key->control).pairs())
        EXPECT_EQ(functions.valueToText(pair.value), pair.text) << key->key;
    }

    // The tuning dialog names five points and needs flags for every tuning item.
    EXPECT_EQ(listOf(kTunePointNames).pairs().size(), 5u);
    std::set<long> codes;
    for (const auto& pair : listOf(kTuneItemList).pairs()) codes.insert(pair.value);
    std::set<long> flagged;
    for (const auto& item : split(textOf(file.name, Family::Label, kTuneItemFlags), ';')) {
      long code = -1, flags = -1;
      char tail = 0;
      EXPECT_EQ(std::sscanf(item.c_str(), "%ld,%ld%c", &code, &flags, &tail), 2) << item;
      EXPECT_GE(flags, 1);
      EXPECT_LT(flags, 1L << 16);
      flagged.insert(code);
    }
    EXPECT_EQ(flagged, codes);

    // The test-frequency grids take their three column headers from a text list.
    EXPECT_GE(split(textOf(file.name, Family::Label, kTestFreqColumns), ';').size(), 3u);
  }
}

// The print selection ticks a report section when the section's title occurs in a tree item's
// text, trying the titles in table order: each tree item must find its own section first.
TEST(LanguageFiles, PrintTitlesMatchTheirOwnTreeItems) {
  const std::vector<std::pair<int, int>> titleToItem{{kCaptionRadioInfo, kViewRadioInfo},
                                                     {kCaptionKeys, kViewKeys},
                                                     {kCaptionAlertTone, kViewAlertTone},
                                                     {kCaptionMisc, kViewMisc},
                                                     {kCaptionAtis, 0},
                                                     {kCaptionPttId, 0},
                                                     {kCaptionDos, 0},
                                                     {kCaptionChannel, kViewChannel},
                                                     {kCaptionPersonality, kViewPersonality},
                                                     {kCaptionScan, kViewScan},
                                                     {kCaptionTestFreq, kViewTestFreq}};
  for (const auto& file : kFiles) {
    for (const auto& [title, item] : titleToItem) {
      if (item == 0) continue;
      const std::string itemText = textOf(file.name, Family::Label, item);
      EXPECT_EQ(itemText.find(" -"), std::string::npos) << file.name << " item " << item;
      for (const auto& [earlier, unused] : titleToItem) {
        const bool found = itemText.find(textOf(file.name, Family::Label, earlier)) != std::string::npos;
        if (earlier == title) {
          EXPECT_TRUE(found) << file.name << " item " << item;
          break;
        }
        EXPECT_FALSE(found) << file.name << " item " << item << " matches title " << earlier;
      }
    }
  }
}

}  // namespace
