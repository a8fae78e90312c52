#include "dialogs/model_info_dialog.h"

#include <QComboBox>
#include <QPushButton>

#include "base/text_ids.h"
#include "config/app_settings.h"
#include "config/range_table.h"
#include "dialogs/dialog_buttons.h"
#include "toolkit/control_id.h"
#include "toolkit/form_builder.h"
#include "toolkit/translate.h"

namespace vex::gui {
namespace {

constexpr int kNames = 1072;
constexpr int kRanges = 1074;
constexpr int kSignals = text::kModelSignalingList;
constexpr int kItemDataRole = Qt::UserRole;

constexpr ControlDef kControls[] = {
    {text::kModelNameLabel, ControlKind::Label, "Model Name", 7, 9, 80, 10},
    {kNames, ControlKind::Combo, "", 90, 7, 110, 14},
    {text::kModelRangeLabel, ControlKind::Label, "Frequency Range[MHz]", 7, 27, 80, 10},
    {kRanges, ControlKind::Combo, "", 90, 25, 110, 14},
    {text::kModelSignalingLabel, ControlKind::Label, "Signaling", 7, 45, 80, 10},
    {kSignals, ControlKind::Combo, "", 90, 43, 110, 14},
    {kIdOk, ControlKind::Button, "OK", 210, 7, 50, 14},
    {kIdCancel, ControlKind::Button, "Cancel", 210, 25, 50, 14},
    {kIdHelp, ControlKind::Button, "Help", 210, 43, 50, 14},
};
constexpr FormDef kForm{CDlgModelInfo::kTemplateId, "Model Information", 267, 64, kControls};

}  // namespace

CDlgModelInfo::CDlgModelInfo(const AppSettings& settings, QWidget* parent)
    : QDialog(parent),
      settings_(settings),
      catalogue_(settings.modelCatalogueReadPath(), settings.modelId()),
      choice_{settings.modelId(), settings.modelName(), settings.freqRange(), settings.signal()} {
  buildForm(this, kForm);
  translateWindow(this, kTemplateId);  // fills 1076 from its option list
  connectStandardButtons(this, kTemplateId);
  names_ = findControlAs<QComboBox>(this, kNames);
  ranges_ = findControlAs<QComboBox>(this, kRanges);
  signals_ = findControlAs<QComboBox>(this, kSignals);

  for (const std::string& name : catalogue_.allModelNames()) names_->addItem(QString::fromStdString(name));
  fillRanges();
  names_->setCurrentIndex(names_->findText(QString::fromStdString(choice_.modelName)));
  ranges_->setCurrentIndex(ranges_->findText(QString::fromStdString(choice_.freqRange)));
  signals_->setCurrentIndex(signals_->findData(QVariant::fromValue<qlonglong>(choice_.signal)));
  updateSignalEnabled();

  connect(names_, &QComboBox::currentIndexChanged, this, &CDlgModelInfo::modelChosen);
  connect(ranges_, &QComboBox::currentIndexChanged, this, &CDlgModelInfo::rangeChosen);
  connect(signals_, &QComboBox::currentIndexChanged, this, &CDlgModelInfo::signalChosen);
}

void CDlgModelInfo::fillRanges() {
  RangeTable table;
  table.load(catalogue_);
  ranges_->clear();
  for (const RangeEntry& range : table.entries())
    ranges_->addItem(QString::fromStdString(RangeText(range.lower, range.upper)),
                     QVariant::fromValue<int>(range.flags));
}

void CDlgModelInfo::modelChosen(int index) {
  if (index < 0) return;
  const std::string name = names_->itemText(index).toStdString();
  const std::string id = catalogue_.modelIdOfName(name);
  choice_.modelName = name;
  if (!id.empty() && id != choice_.modelId) {
    choice_.modelId = id;
    catalogue_.setModel(id);
    const QSignalBlocker quiet(ranges_);
    fillRanges();
    ranges_->setCurrentIndex(ranges_->count() > 0 ? 0 : -1);
    rangeChosen(ranges_->currentIndex());
  }
  updateSignalEnabled();
  signalChosen(signals_->currentIndex());
}

void CDlgModelInfo::rangeChosen(int index) {
  // A model without ranges leaves no range chosen, not the previous model's;
  // OK waits for a range.
  choice_.freqRange = index >= 0 ? ranges_->itemText(index).toStdString() : std::string();
  if (auto* ok = findControlAs<QPushButton>(this, kIdOk)) ok->setEnabled(index >= 0);
}

void CDlgModelInfo::signalChosen(int index) {
  if (index >= 0) choice_.signal = signals_->itemData(index, kItemDataRole).toInt();
}

void CDlgModelInfo::updateSignalEnabled() {
  signals_->setEnabled(!settings_.texts().isControlDisabled(choice_.modelId, kSignals));
}

void CDlgModelInfo::accept() {
  signalChosen(signals_->currentIndex());
  rangeChosen(ranges_->currentIndex());
  if (choice_.freqRange.empty()) return;
  if (names_->currentIndex() >= 0) choice_.modelName = names_->currentText().toStdString();
  QDialog::accept();
}

}  // namespace vex::gui
