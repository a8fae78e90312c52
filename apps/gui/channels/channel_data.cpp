#include "channels/channel_data.h"

#include "adapters/settings.h"
#include "config/app_settings.h"
#include "core/container.h"

namespace vex::gui::channel_data {

RadioDataContainer& container() { return RadioDataContainer::instance(); }

BandLimits band() { return BandLimitsOf(settings::freqRange()); }

bool pmr446Mode() { return UsesPmr446Codes(band().lowMHz, settings::isExtendedLevel()); }

ChannelRowContext rowContext() {
  return {settings::current().texts(), band(), container().personalities().size(), container().scanLists().size()};
}

ChannelItem* channel(int key) { return container().channels().findByKey(key); }

}  // namespace vex::gui::channel_data
