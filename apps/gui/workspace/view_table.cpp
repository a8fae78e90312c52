#include "workspace/view_table.h"

#include "adapters/settings.h"
#include "factory/data_watch_view.h"
#include "factory/view_embedded.h"
#include "factory/view_test_freq.h"
#include "views/placeholder_view.h"
#include "views/view_mis.h"
#include "views/view_radio.h"

namespace vex::gui {
namespace {

constexpr ViewEntry kViews[] = {
    {32800, ViewClass::Radio, 0, 1109, "Radio Information"},
    {32802, ViewClass::BtnKey, 0, 6601, "Keys"},
    {32803, ViewClass::Mis, 0, 1400, "Miscellaneous"},
    {32813, ViewClass::Password, 0, 6351, "Passwords"},
    {32889, ViewClass::AlertTone, 18, 5002, "Alert Tone"},
    {32822, ViewClass::Channel, 16, 3655, "Channel"},
    {32895, ViewClass::ChannelList, 16, 3770, "Channel List"},
    {32824, ViewClass::Personality, 8, 2310, "Personality"},
    {32884, ViewClass::Scan, 1, 3801, "Scan List"},
    {32886, ViewClass::Embedded, 0, 4701, "Embedded Data"},
    {32887, ViewClass::TestFreq, 0, 4000, "Test Frequency"},
    {32888, ViewClass::DataWatch, 0, 3509, "Data Watch"},
};

constexpr TreeRow kTree[] = {
    {32800, 0, "Radio Information"}, {32801, 0, "Radio Settings"}, {32802, 1, "Keys"},
    {32803, 1, "Miscellaneous"},     {32806, 1, "Alert Tones"},    {32889, 2, "Alert Tone"},
    {32813, 1, "Passwords"},         {32821, 0, "Channels"},       {32822, 1, "Channel"},
    {32823, 0, "Personalities"},     {32824, 1, "Personality"},    {32883, 0, "Scan"},
    {32884, 1, "Scan List"},         {32886, 0, "Embedded Data"},  {32887, 0, "Test Frequency"},
    {32888, 0, "Data Watch"},
};

}  // namespace

std::span<const ViewEntry> viewTable() { return kViews; }
std::span<const TreeRow> treeTable() { return kTree; }

const ViewEntry* findView(int viewCommand) {
  for (const ViewEntry& entry : kViews)
    if (entry.command == viewCommand) return &entry;
  return nullptr;
}

int viewCommandFor(int c) {
  // A command that is itself a view opens that view; only group items move
  // on to the view after them.
  if (findView(c)) return c;
  if (c >= 32819 && c <= 32884 && c != 32858 && c != 32864) return c + 1;
  if (c == 32806) return 32889;
  if (c == 32890 || c == 32892) return c + 1;
  return c;
}

std::optional<radio_data::RecordList> recordListOf(ViewClass viewClass) {
  switch (viewClass) {
    case ViewClass::Channel:
    case ViewClass::ChannelList: return radio_data::RecordList::Channels;
    case ViewClass::Personality: return radio_data::RecordList::Personalities;
    case ViewClass::Scan: return radio_data::RecordList::ScanLists;
    case ViewClass::AlertTone: return radio_data::RecordList::AlertTones;
    default: return std::nullopt;
  }
}

CCustomFormView* createView(ViewClass viewClass, QWidget* parent) {
  switch (viewClass) {
    case ViewClass::Radio: return new CViewRadio(parent);
    case ViewClass::Mis: return new CViewMis(parent);
    case ViewClass::Embedded: return new CViewEmbedded(parent);
    case ViewClass::TestFreq: return new CViewTestFreq(parent);
    case ViewClass::DataWatch: return new CDataWatchView(parent);
    default: break;
  }
  for (const ViewEntry& entry : kViews)
    if (entry.viewClass == viewClass) return new CPlaceholderView(entry.templateId, parent);
  return nullptr;
}

bool visibleAtLevel(int id) {
  if (id == 32888) return settings::isFactoryLevel();
  if (id == 32806 || id == 32889) return settings::isExtendedLevel();
  return true;
}

}  // namespace vex::gui
