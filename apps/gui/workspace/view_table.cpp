#include "workspace/view_table.h"

#include "adapters/settings.h"
#include "channels/personality_view.h"
#include "channels/scan_view.h"
#include "channels/view_channel.h"
#include "channels/view_channel_list.h"
#include "core/record_limits.h"
#include "factory/data_watch_view.h"
#include "factory/view_embedded.h"
#include "factory/view_test_freq.h"
#include "views/placeholder_view.h"
#include "views/record_view.h"
#include "views/view_alert_tone.h"
#include "views/view_atis.h"
#include "views/view_btn_key.h"
#include "views/view_dos.h"
#include "views/view_mis.h"
#include "views/view_password.h"
#include "views/view_ptt_id.h"
#include "views/view_radio.h"

namespace vex::gui {
namespace {

using V = ViewClass;
using R = RecordKind;

constexpr ViewEntry kViews[] = {
    {kCmdViewRadioInfo, V::Radio, std::nullopt, 0, 1109, "Radio Information"},
    {kCmdViewKeys, V::BtnKey, std::nullopt, 0, 6601, "Keys"},
    {kCmdViewMisc, V::Mis, std::nullopt, 0, 1400, "Miscellaneous"},
    {kCmdViewPasswords, V::Password, std::nullopt, 0, 6351, "Passwords"},
    {kCmdViewAlertTone, V::AlertTone, R::AlertTone, 18, 5002, "Alert Tone"},
    {kCmdViewChannel, V::Channel, R::Channel, 16, 3655, "Channel"},
    {kCmdViewChannelList, V::ChannelList, R::Channel, 16, 3770, "Channel List"},
    {kCmdViewPersonality, V::Personality, R::Personality, 8, 2310, "Personality"},
    {kCmdViewScan, V::Scan, R::ScanList, 1, 3801, "Scan List"},
    {kCmdViewEmbedded, V::Embedded, std::nullopt, 0, 4701, "Embedded Data"},
    {kCmdViewTestFreq, V::TestFreq, std::nullopt, 0, 4000, "Test Frequency"},
    {kCmdViewDataWatch, V::DataWatch, std::nullopt, 0, 3509, "Data Watch"},
    {kCmdViewAtis, V::Atis, std::nullopt, 0, 4590, "ATIS"},
    {kCmdViewPttId, V::PttId, std::nullopt, 0, 1655, "PTT ID"},
    {kCmdViewDos, V::Dos, std::nullopt, 0, 4660, "DOS"},
};

// No view may offer to add more records than the library keeps.
constexpr bool AddLimitsFit() {
  for (const ViewEntry& entry : kViews)
    if (entry.list && static_cast<std::size_t>(entry.mostRecords) > MostRecords(*entry.list)) return false;
  return true;
}
static_assert(AddLimitsFit());

constexpr TreeRow kTree[] = {
    {kCmdViewRadioInfo, 0, "Radio Information", kCmdViewRadioInfo},
    {kCmdGroupRadioSettings, 0, "Radio Settings", kCmdViewKeys},
    {kCmdViewKeys, 1, "Keys", kCmdViewKeys},
    {kCmdViewMisc, 1, "Miscellaneous", kCmdViewMisc},
    {kCmdGroupAlertTones, 1, "Alert Tones", kCmdViewAlertTone},
    {kCmdViewAlertTone, 2, "Alert Tone", kCmdViewAlertTone},
    {kCmdViewPasswords, 1, "Passwords", kCmdViewPasswords},
    {kCmdViewAtis, 1, "ATIS", kCmdViewAtis},
    {kCmdViewPttId, 1, "PTT ID", kCmdViewPttId},
    {kCmdViewDos, 1, "DOS", kCmdViewDos},
    {kCmdGroupChannels, 0, "Channels", kCmdViewChannel},
    {kCmdViewChannel, 1, "Channel", kCmdViewChannel},
    {kCmdViewChannelList, 1, "Channel List", kCmdViewChannelList},
    {kCmdGroupPersonalities, 0, "Personalities", kCmdViewPersonality},
    {kCmdViewPersonality, 1, "Personality", kCmdViewPersonality},
    {kCmdGroupScan, 0, "Scan", kCmdViewScan},
    {kCmdViewScan, 1, "Scan List", kCmdViewScan},
    {kCmdViewEmbedded, 0, "Embedded Data", kCmdViewEmbedded},
    {kCmdViewTestFreq, 0, "Test Frequency", kCmdViewTestFreq},
    {kCmdViewDataWatch, 0, "Data Watch", kCmdViewDataWatch},
};

// What Delete does with a list's last record: the channel view keeps it
// current, the other views are left without a current record.
LastRecordDelete lastRecordRule(ViewClass viewClass) {
  return viewClass == V::Channel ? LastRecordDelete::KeepCurrent : LastRecordDelete::LeaveNoCurrent;
}

}  // namespace

std::span<const ViewEntry> viewTable() { return kViews; }
std::span<const TreeRow> treeTable() { return kTree; }

const ViewEntry* findView(int viewCommand) {
  for (const ViewEntry& entry : kViews)
    if (entry.command == viewCommand) return &entry;
  return nullptr;
}

const ViewEntry* findView(ViewClass viewClass) {
  for (const ViewEntry& entry : kViews)
    if (entry.viewClass == viewClass) return &entry;
  return nullptr;
}

int viewCommandFor(int command) {
  for (const TreeRow& row : kTree)
    if (row.id == command) return row.opens;
  return findView(command) ? command : 0;
}

CCustomFormView* createView(const ViewEntry& entry, QWidget* parent) {
  CRecordView* recordView = nullptr;
  switch (entry.viewClass) {
    case V::Radio: return new CViewRadio(parent);
    case V::Mis: return new CViewMis(parent);
    case V::BtnKey: return new CViewBtnKey(parent);
    case V::Password: return new CViewPassword(parent);
    case V::Atis: return new CViewAtis(parent);
    case V::PttId: return new CViewPttId(parent);
    case V::Dos: return new CViewDos(parent);
    case V::Embedded: return new CViewEmbedded(parent);
    case V::TestFreq: return new CViewTestFreq(parent);
    case V::DataWatch: return new CDataWatchView(parent);
    case V::AlertTone: recordView = new CViewAlertTone(parent); break;
    case V::Channel: recordView = new CViewChannel(parent); break;
    case V::ChannelList: recordView = new CViewChannelList(parent); break;
    case V::Personality: recordView = new CViewPersonality(parent); break;
    case V::Scan: recordView = new CViewScan(parent); break;
    default: break;
  }
  if (!recordView && !entry.list) return new CPlaceholderView(entry.templateId, parent);
  if (!recordView)
    recordView = new CPlaceholderRecordView(entry.templateId, *entry.list, lastRecordRule(entry.viewClass), parent);
  recordView->setAddLimit(static_cast<std::size_t>(entry.mostRecords));
  return recordView;
}

bool visibleAtLevel(int id) {
  if (id == kCmdViewDataWatch) return settings::isFactoryLevel();
  if (id == kCmdGroupAlertTones || id == kCmdViewAlertTone) return settings::isExtendedLevel();
  return true;
}

}  // namespace vex::gui
