#include "factory/factory_mode_dialog.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "adapters/settings.h"
#include "adapters/texts.h"
#include "core/container.h"
#include "link/factory_mode.h"
#include "toolkit/control_id.h"
#include "toolkit/edits.h"
#include "toolkit/form_builder.h"
#include "toolkit/translate.h"
#include "transfer/radio_work.h"
#include "transfer/transfer_prompts.h"

namespace vex::gui {
namespace {

using C = CDlgFactoryMode;
using K = ControlKind;
constexpr ControlDef kControls[] = {
    {text::kFactoryModelNameLabel, K::Label, "Model Name", 7, 9, 86, 10},
    {C::kModelName, K::ByteEdit, "", 95, 7, 80, 13},
    {text::kFactoryBandLabel, K::Label, "Band", 185, 9, 86, 10},
    {C::kBand, K::Combo, "", 273, 7, 70, 13},
    {text::kFactorySerialLabel, K::Label, "Serial Number", 7, 27, 86, 10},
    {C::kSerial, K::ByteEdit, "", 95, 25, 80, 13},
    {text::kFactoryRangeIdLabel, K::Label, "Frequency Range ID", 185, 27, 86, 10},
    {C::kRangeId, K::DigitEdit, "", 273, 25, 70, 13},
    {text::kFactoryLowerEdgeLabel, K::Label, "Lower Edge[MHz]", 7, 45, 86, 10},
    {C::kLowerEdge, K::RangeEdit, "", 95, 43, 80, 13},
    {text::kFactoryUpperEdgeLabel, K::Label, "Upper Edge[MHz]", 185, 45, 86, 10},
    {C::kUpperEdge, K::RangeEdit, "", 273, 43, 70, 13},
    {text::kFactoryOscillatorLabel, K::Label, "Oscillator", 7, 63, 86, 10},
    {C::kOscillator, K::RangeEdit, "", 95, 61, 80, 13},
    {text::kFactoryMiddleFreqLabel, K::Label, "Middle Frequency", 185, 63, 86, 10},
    {C::kMiddleFrequency, K::RangeEdit, "", 273, 61, 70, 13},
    {text::kFactorySignalingLabel, K::Label, "Signaling Type", 7, 81, 86, 10},
    {C::kSignalling, K::Combo, "", 95, 79, 80, 13},
    {text::kFactoryOpenChannelsLabel, K::Label, "Open Channel Number", 185, 81, 86, 10},
    {C::kOpenChannels, K::Combo, "", 273, 79, 70, 13},
    {text::kFactoryFirmwareLabel, K::Label, "Firmware Version", 7, 99, 86, 10},
    {C::kFirmware, K::ReadOnlyEdit, "", 95, 97, 80, 13},
    {text::kFactoryTuneSwitchGroup, K::Group, "Manual Tune Switch", 7, 117, 168, 30},
    {C::kTuneOpen, K::Radio, "Open", 17, 130, 70, 12},
    {C::kTuneClose, K::Radio, "Close", 95, 130, 70, 12},
    {C::kWriteTuneSwitch, K::Button, "Write Tune Switch", 185, 127, 100, 15},
    {C::kRead, K::Button, "Read", 131, 157, 66, 15},
    {C::kWrite, K::Button, "Write", 204, 157, 66, 15},
    {C::kClose, K::Button, "Close", 277, 157, 66, 15},
};
constexpr FormDef kForm{C::kTemplateId, "Factory Mode", 350, 180, kControls};

// The range rules of the number edits when the language data has none.
struct DefaultRule {
  int id;
  RangeRule rule;
};
const DefaultRule kDefaultRules[] = {
    {C::kLowerEdge, {100, 1, 999, 1, 100, 1, 0}},
    {C::kUpperEdge, {100, 1, 999, 1, 100, 1, 0}},
    {C::kOscillator, {10, 1, 50, 1, 10, 1, 0}},
    {C::kMiddleFrequency, {10, 1, 50, 1, 10, 1, 0}},
};

// The controls that only the factory level may change.
constexpr int kFactoryOnly[] = {C::kBand, C::kRangeId, C::kLowerEdge, C::kUpperEdge, C::kSignalling, C::kOpenChannels};

RadioDataContainer& container() { return RadioDataContainer::instance(); }

void selectData(QComboBox* combo, long value) {
  combo->setCurrentIndex(combo->findData(QVariant::fromValue<qlonglong>(value)));
}

long selectedData(const QComboBox* combo, long fallback) {
  return combo->currentIndex() < 0 ? fallback : combo->currentData().toLongLong();
}

}  // namespace

CDlgFactoryMode::CDlgFactoryMode(QWidget* parent)
    : QDialog(parent), link_(transferLinkTiming()), before_(FactoryModel::FromContainer(container())), model_(before_) {
  buildForm(this, kForm);
  translateWindow(this, kTemplateId);
  for (const DefaultRule& d : kDefaultRules) {
    if (!texts::rangeRule(d.id)) findControlAs<RangeEdit>(this, d.id)->setRule(d.rule);
  }
  findControlAs<ByteLimitedEdit>(this, kModelName)->setMaxBytes(SchemaField(FieldArea::RadioInfo, "model_name").width);
  findControlAs<ByteLimitedEdit>(this, kSerial)->setMaxBytes(SchemaField(FieldArea::RadioInfo, "serial_number").width);
  findControlAs<QLineEdit>(this, kRangeId)->setMaxLength(3);
  for (int id : {kLowerEdge, kUpperEdge}) findControlAs<QLineEdit>(this, id)->setMaxLength(9);
  for (int id : {kOscillator, kMiddleFrequency}) findControlAs<QLineEdit>(this, id)->setMaxLength(8);
  if (!settings::isFactoryLevel()) {
    for (int id : kFactoryOnly) findControl(this, id)->setEnabled(false);
  }
  connect(findControlAs<QPushButton>(this, kRead), &QPushButton::clicked, this, &CDlgFactoryMode::read);
  connect(findControlAs<QPushButton>(this, kWrite), &QPushButton::clicked, this, &CDlgFactoryMode::write);
  connect(findControlAs<QPushButton>(this, kWriteTuneSwitch), &QPushButton::clicked, this,
          &CDlgFactoryMode::writeTuneSwitch);
  connect(findControlAs<QPushButton>(this, kClose), &QPushButton::clicked, this, &QDialog::accept);
  fill();
}

void CDlgFactoryMode::fill() {
  findControlAs<QLineEdit>(this, kModelName)->setText(QString::fromStdString(model_.modelName()));
  findControlAs<QLineEdit>(this, kSerial)->setText(QString::fromStdString(model_.serialNumber()));
  selectData(findControlAs<QComboBox>(this, kBand), model_.isVhf() ? 1 : 0);
  findControlAs<QLineEdit>(this, kRangeId)->setText(QString::number(model_.rangeId()));
  // A band edge of 0 is an erased one: unknown, shown empty.
  showRange(kLowerEdge, model_.lowerEdge());
  showRange(kUpperEdge, model_.upperEdge());
  showRange(kOscillator, model_.option(FactoryModel::kOscillator));
  showRange(kMiddleFrequency, model_.option(FactoryModel::kMiddleFrequency));
  selectData(findControlAs<QComboBox>(this, kSignalling), model_.option(FactoryModel::kSignalling));
  selectData(findControlAs<QComboBox>(this, kOpenChannels), model_.option(FactoryModel::kOpenChannels));
  findControlAs<QRadioButton>(this, kTuneOpen)->setChecked(model_.tuneSwitchOpen());
  findControlAs<QRadioButton>(this, kTuneClose)->setChecked(!model_.tuneSwitchOpen());
}

void CDlgFactoryMode::showRange(int id, long raw) {
  auto* edit = findControlAs<RangeEdit>(this, id);
  const bool erasedEdge = raw == 0 && (id == kLowerEdge || id == kUpperEdge);
  if (erasedEdge)
    edit->clear();
  else
    edit->setRaw(raw);
  filledRanges_[id] = edit->text();
}

long CDlgFactoryMode::storedRange(int id, long kept) {
  auto* edit = findControlAs<RangeEdit>(this, id);
  if (edit->text() == filledRanges_[id]) return kept;
  return edit->raw();
}

void CDlgFactoryMode::store() {
  model_.setModelName(findControlAs<QLineEdit>(this, kModelName)->text().toStdString());
  model_.setSerialNumber(findControlAs<QLineEdit>(this, kSerial)->text().toStdString());
  model_.setVhf(selectedData(findControlAs<QComboBox>(this, kBand), model_.isVhf() ? 1 : 0) == 1);
  model_.setRangeId(findControlAs<QLineEdit>(this, kRangeId)->text().toInt());
  model_.setEdges(static_cast<int>(storedRange(kLowerEdge, model_.lowerEdge())),
                  static_cast<int>(storedRange(kUpperEdge, model_.upperEdge())));
  auto setOption = [this](const FieldDef& option, long value) {
    model_.setOption(option, static_cast<std::uint8_t>(std::clamp(value, 0L, 255L)));
  };
  setOption(FactoryModel::kOscillator, storedRange(kOscillator, model_.option(FactoryModel::kOscillator)));
  setOption(FactoryModel::kMiddleFrequency,
            storedRange(kMiddleFrequency, model_.option(FactoryModel::kMiddleFrequency)));
  setOption(FactoryModel::kSignalling,
            selectedData(findControlAs<QComboBox>(this, kSignalling), model_.option(FactoryModel::kSignalling)));
  setOption(FactoryModel::kOpenChannels,
            selectedData(findControlAs<QComboBox>(this, kOpenChannels), model_.option(FactoryModel::kOpenChannels)));
  model_.setTuneSwitchOpen(findControlAs<QRadioButton>(this, kTuneOpen)->isChecked());
  ApplyVolumes(model_, settings::current());
}

void CDlgFactoryMode::read() {
  store();
  std::string firmware;
  FactoryModel read = model_;
  const int ok = runRadioWork(
      this, [this, &read, &firmware](TransferHost& host) { return ReadFactoryModel(link_, host, read, firmware); });
  if (!firmware.empty()) findControlAs<QLineEdit>(this, kFirmware)->setText(QString::fromStdString(firmware));
  if (ok != 1) return;
  model_ = read;
  fill();
}

void CDlgFactoryMode::write() {
  store();
  const FactoryModel model = model_;
  runRadioWork(this, [this, &model](TransferHost& host) { return WriteFactoryModel(link_, host, model); });
}

void CDlgFactoryMode::writeTuneSwitch() {
  store();
  const bool open = model_.tuneSwitchOpen();
  runRadioWork(this, [this, open](TransferHost& host) {
    return WriteTuneSwitch(link_, host, open, model_, container().image());
  });
}

void CDlgFactoryMode::done(int result) {
  if (!left_) {
    left_ = true;
    store();
    changes_ = ApplyFactoryModel(before_, model_, settings::current(), container());
  }
  QDialog::done(result);
}

}  // namespace vex::gui
