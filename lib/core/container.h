// All radio data of the process: the image buffer, the sections and the four
// record lists. Views edit it directly; the codec converts it to and from the
// image. Not copyable: the factory section links into its own members.
#pragma once

#include <array>
#include <cstdint>

#include "core/change_notice.h"
#include "core/image_codec.h"
#include "core/image_layout.h"
#include "core/invalid_log.h"
#include "core/item_list.h"
#include "core/record_items.h"
#include "core/report_sections.h"
#include "core/sections/adjust_section.h"
#include "core/sections/atis_section.h"
#include "core/sections/dos_section.h"
#include "core/sections/embedded_section.h"
#include "core/sections/factory_section.h"
#include "core/sections/key_section.h"
#include "core/sections/misc_section.h"
#include "core/sections/password_section.h"
#include "core/sections/ptt_id_section.h"
#include "core/sections/radio_info_section.h"
#include "core/sections/test_freq_section.h"
#include "core/text_lookup.h"

namespace vex {

class RadioDataContainer {
 public:
  // The process-wide container, created on first use.
  static RadioDataContainer& instance();

  // An independent container (tests, tools): sections with their
  // construction defaults, empty lists, image all 0xFF, factory links set.
  RadioDataContainer();
  RadioDataContainer(const RadioDataContainer&) = delete;
  RadioDataContainer& operator=(const RadioDataContainer&) = delete;

  Image& image() { return image_; }
  const Image& image() const { return image_; }

  RadioInfoSection& radioInfo() { return radioInfo_; }
  KeySection& keys() { return keys_; }
  MiscSection& misc() { return misc_; }
  PasswordSection& passwords() { return passwords_; }
  AtisSection& atis() { return atis_; }
  PttIdSection& pttId() { return pttId_; }
  DosSection& dos() { return dos_; }
  TestFreqSection& testFreq() { return testFreq_; }
  EmbeddedSection& embedded() { return embedded_; }
  FactorySection& factory() { return factory_; }
  AdjustSection& adjust() { return adjust_; }
  ReportSectionTable& reportSections() { return reportSections_; }

  ItemList<ChannelItem>& channels() { return channels_; }
  ItemList<PersonalityItem>& personalities() { return personalities_; }
  ItemList<ScanListItem>& scanLists() { return scanLists_; }
  ItemList<AlertToneItem>& alertTones() { return alertTones_; }
  const ItemList<ChannelItem>& channels() const { return channels_; }
  const ItemList<PersonalityItem>& personalities() const { return personalities_; }
  const ItemList<ScanListItem>& scanLists() const { return scanLists_; }
  const ItemList<AlertToneItem>& alertTones() const { return alertTones_; }

  // Destroys every alert tone, channel, personality and scan list item.
  void clearRecords();
  // Default data: 1 alert tone, 1 personality, 1 scan list, 16 channels,
  // every section reset, factory links set, links resolved. Expects the
  // lists to be cleared first.
  void resetToDefaults();

  // Clears the log, checks every channel then every scan list, reveals the
  // log when something was found, and returns the number of findings.
  int validate(InvalidLog& log, const TextLookup& text);

  void decode() { codec_.decode(image_, *this); }
  void encode() { codec_.encode(*this, image_); }
  void resolveLinks() { codec_.resolveLinks(*this); }

  // Where validation requested by a broadcast notice reports.
  void setValidationTarget(InvalidLog* log, TextLookup text);
  // Hands the notice to every channel item and then every scan list item.
  void broadcast(const ChangeNotice& notice);

 private:
  void linkFactory();

  Image image_{};
  ImageCodec codec_;
  RadioInfoSection radioInfo_;
  KeySection keys_;
  MiscSection misc_;
  PasswordSection passwords_;
  AtisSection atis_;
  PttIdSection pttId_;
  DosSection dos_;
  TestFreqSection testFreq_;
  EmbeddedSection embedded_;
  FactorySection factory_;
  ReportSectionTable reportSections_;
  AdjustSection adjust_;
  ItemList<ChannelItem> channels_;
  ItemList<PersonalityItem> personalities_;
  ItemList<ScanListItem> scanLists_;
  ItemList<AlertToneItem> alertTones_;

  InvalidLog* noticeLog_ = nullptr;
  TextLookup noticeText_;
};

}  // namespace vex
