#pragma once
// CDlgComPort: the serial ports that exist, each with its stable name, device
// path, USB identity and description and, when it cannot be opened now, the
// reason; an editable device field for any port (a path, a by-id name,
// ttyUSB0 or COMn); Refresh lists the ports again.
#include <functional>
#include <string>
#include <vector>

#include <QDialog>

#include "base/text_ids.h"
#include "link/port_listing.h"

class QLineEdit;
class QTreeWidget;

namespace vex::gui {

// Lists the ports with their state when the dialog opens and on Refresh.
using PortProbe = std::function<std::vector<PortListing>()>;

class CDlgComPort : public QDialog {
  Q_OBJECT
 public:
  static constexpr int kTemplateId = text::kCaptionComPort;
  static constexpr int kPortList = text::kPortGroup;
  static constexpr int kDeviceEdit = 1037;
  static constexpr int kDeviceLabel = text::kPortDeviceLabel;
  static constexpr int kRefresh = text::kPortRefresh;
  // The state comes next to the device, the long stable name last.
  enum Column { kNumberColumn, kDeviceColumn, kStateColumn, kDescriptionColumn, kUsbColumn, kStableColumn, kColumnCount };

  // `current` is the port as remembered: a device name, or COMn.
  CDlgComPort(const std::string& current, PortProbe probe, QWidget* parent = nullptr);

  // The port the device field names, trimmed; "" for none.
  std::string chosenPort() const;
  QTreeWidget* portList() const { return list_; }
  QLineEdit* deviceEdit() const { return edit_; }
  void refresh();

 private:
  PortProbe probe_;
  QTreeWidget* list_;
  QLineEdit* edit_;
};

}  // namespace vex::gui
