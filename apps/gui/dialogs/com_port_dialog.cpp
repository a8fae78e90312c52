#include "dialogs/com_port_dialog.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "adapters/settings.h"
#include "adapters/texts.h"
#include "config/app_settings.h"
#include "dialogs/dialog_buttons.h"
#include "toolkit/control_id.h"
#include "toolkit/translate.h"

namespace vex::gui {
namespace {

const char* const kColumnHeadings[] = {"Port", "Device", "State", "Description", "USB ID", "Stable name"};
const char* const kStateTexts[] = {"Available", "Missing", "No permission", "In use by another program",
                                   "Not a serial port", "Cannot be opened"};

// Item n of the label list `id`, else the built-in text.
QString listText(int id, std::size_t n, const char* fallback) {
  const std::vector<std::string> items = settings::current().textList(id);
  return n < items.size() && !items[n].empty() ? QString::fromStdString(items[n]) : QString::fromLatin1(fallback);
}

QString stateText(PortError state) {
  const auto n = static_cast<std::size_t>(state);
  return listText(text::kPortStates, n, kStateTexts[std::min(n, std::size(kStateTexts) - 1)]);
}

// The adapter's own words, else its driver's name; nothing when the kernel
// tells neither (the library's English fallback is no text of a language).
QString descriptionText(const SerialDevice& device) {
  if (device.manufacturer.empty() && device.product.empty() && (device.driver.empty() || device.driver == "port"))
    return {};
  return QString::fromStdString(device.description());
}

QPushButton* button(QWidget* parent, int id, const char* text) {
  auto* b = new QPushButton(QString::fromLatin1(text), parent);
  setControlId(b, id);
  return b;
}

}  // namespace

CDlgComPort::CDlgComPort(const std::string& current, PortProbe probe, QWidget* parent)
    : QDialog(parent), probe_(std::move(probe)), list_(new QTreeWidget(this)), edit_(new QLineEdit(this)) {
  setWindowTitle(QStringLiteral("Communication Port"));
  setControlId(list_, kPortList);
  setControlId(edit_, kDeviceEdit);
  list_->setRootIsDecorated(false);
  list_->setColumnCount(kColumnCount);
  QStringList headings;
  for (std::size_t c = 0; c < std::size(kColumnHeadings); ++c)
    headings << listText(text::kPortColumns, c, kColumnHeadings[c]);
  list_->setHeaderLabels(headings);
  list_->setAccessibleName(headings.join(QStringLiteral(", ")));
  list_->setMinimumWidth(640);
  edit_->setText(QString::fromStdString(current));
  edit_->setMaxLength(255);

  auto* label = new QLabel(QStringLiteral("&Device:"), this);
  setControlId(label, kDeviceLabel);
  label->setBuddy(edit_);
  auto* field = new QHBoxLayout;
  field->addWidget(label);
  field->addWidget(edit_, 1);
  auto* refreshButton = button(this, kRefresh, "&Refresh");
  field->addWidget(refreshButton);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(button(this, kIdOk, "OK"));
  buttons->addWidget(button(this, kIdCancel, "Cancel"));
  buttons->addWidget(button(this, kIdHelp, "Help"));

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(list_, 1);
  layout->addLayout(field);
  layout->addLayout(buttons);

  translateWindow(this, kTemplateId);
  connectStandardButtons(this, kTemplateId);
  edit_->setAccessibleName(label->text().remove(QLatin1Char('&')));
  connect(refreshButton, &QPushButton::clicked, this, &CDlgComPort::refresh);
  // Choosing a row names its port by the name that survives a re-plug.
  connect(list_, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* item) {
    if (item) edit_->setText(item->data(kNumberColumn, Qt::UserRole).toString());
  });
  connect(list_, &QTreeWidget::itemDoubleClicked, this, [this] { accept(); });
  refresh();
  edit_->setFocus();
}

void CDlgComPort::refresh() {
  const QString chosen = edit_->text();
  const QSignalBlocker quiet(list_);
  list_->clear();
  for (const PortListing& port : probe_ ? probe_() : std::vector<PortListing>{}) {
    auto* item = new QTreeWidgetItem(list_);
    const QString name = QString::fromStdString(port.stableName());
    item->setData(kNumberColumn, Qt::UserRole, name);
    const std::string number = port.number > 0 ? texts::portName(port.number) : std::string();
    item->setText(kNumberColumn, QString::fromStdString(number));
    item->setText(kDeviceColumn, QString::fromStdString(port.device.path));
    item->setText(kStableColumn, QString::fromStdString(port.device.stableName));
    item->setText(kUsbColumn, QString::fromStdString(port.device.usbId()));
    item->setText(kDescriptionColumn, descriptionText(port.device));
    item->setText(kStateColumn, stateText(port.state));
    if (port.state != PortError::None)
      for (int c = 0; c < kColumnCount; ++c) item->setForeground(c, palette().brush(QPalette::Disabled, QPalette::Text));
    const bool isChosen = name == chosen || QString::fromStdString(port.device.path) == chosen ||
                          (!number.empty() && QString::fromStdString(number).compare(chosen, Qt::CaseInsensitive) == 0);
    if (isChosen) list_->setCurrentItem(item);
  }
  for (int c = 0; c < kColumnCount; ++c) list_->resizeColumnToContents(c);
}

std::string CDlgComPort::chosenPort() const { return edit_->text().trimmed().toStdString(); }

}  // namespace vex::gui
