#pragma once
// CDlgComPort: sixteen radio buttons for the ports COM1..COM16, each with the
// device it stands for; ports that cannot be opened are disabled.
#include <array>
#include <string>

#include <QDialog>

#include "base/text_ids.h"

namespace vex::gui {

struct PortState {
  bool available = false;
  std::string device;  // "" when no device stands for the port
};
using PortStates = std::array<PortState, 16>;

class CDlgComPort : public QDialog {
  Q_OBJECT
 public:
  static constexpr int kTemplateId = text::kCaptionComPort;

  // `selection` is the port index (port - 1), -1 for none.
  CDlgComPort(int selection, const PortStates& ports, QWidget* parent = nullptr);

  // The selected port index, -1 when no button is selected.
  int selection() const;
};

}  // namespace vex::gui
