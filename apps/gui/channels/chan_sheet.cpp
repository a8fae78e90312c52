#include "channels/chan_sheet.h"

#include "channels/chan_basic_page.h"
#include "channels/chan_misc_page.h"

namespace vex::gui {
namespace {

// Kind 7 carries this when the frequency range changed.
constexpr int kBandChanged = 2048;

}  // namespace

CChanSheet::CChanSheet(int rememberKey, QWidget* parent)
    : CPropertySheet(rememberKey, parent), basic_(new CPageChanBasic), misc_(new CPageChanMisc) {
  addPage(basic_);
  addPage(misc_);
}

void CChanSheet::setChannel(int key) {
  basic_->setChannel(key);
  misc_->setChannel(key);
}

void CChanSheet::notice(const ChangeNotice& notice) {
  switch (notice.kind) {
    case ChangeNotice::kAdd:
    case ChangeNotice::kValidate:
      // Records came or went: the lists of personalities and scan lists too.
      loadAll();
      break;
    case ChangeNotice::kBandChange:
      if (notice.extra == kBandChanged) basic_->setBandLimits();
      break;
    case ChangeNotice::kFieldEdit:
      // A field edited elsewhere (the channel list) may be this channel's.
      if (notice.controlId != 0) loadAll();
      break;
    default: break;
  }
}

}  // namespace vex::gui
