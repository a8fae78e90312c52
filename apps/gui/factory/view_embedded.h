#pragma once
// CViewEmbedded (view command 32886, template 4701): the four embedded
// messages of the radio. Opening reads them from the radio itself (the
// radio keeps them at 5176..5319) and closes the view's frame when that
// fails; Write sends them back after the embedded-data password, when one
// is set. The codeplug image carries the same bytes 16 lower (5160..5303);
// the two placements are kept apart and each round-trips its own bytes.
#include <functional>
#include <iterator>
#include <optional>
#include <string>

#include <QString>

#include "base/text_ids.h"
#include "link/radio_link.h"
#include "views/custom_form_view.h"

namespace vex::gui {

class CViewEmbedded : public CCustomFormView {
  Q_OBJECT
 public:
  static constexpr int kTemplateId = text::kCaptionEmbedded;
  static constexpr int kMessages[] = {4703, 4705, 4707, 4709};
  static constexpr int kWrite = text::kEmbeddedWrite;
  static constexpr std::size_t kMessageBytes = 32;

  explicit CViewEmbedded(QWidget* parent = nullptr);

  void initialUpdate() override;
  long handleMessage(int message, long wParam, long lParam, const ChangeNotice* notice = nullptr) override;
  void closing() override;

  // Reads the embedded data from the radio; false (the frame closes) when
  // that failed.
  bool readFromRadio();
  // Stores the messages and writes the embedded data to the radio.
  bool writeToRadio();

  // How the embedded-data password is asked for (the Password dialog; tests
  // answer directly). Nothing for Cancel.
  static std::function<std::optional<std::string>(QWidget* owner, int attempt)>& passwordPrompt();

 private:
  void load();
  void store();
  void closeFrame();

  CRadioLink link_;
  QString shown_[std::size(kMessages)];
};

}  // namespace vex::gui
