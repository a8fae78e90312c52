#include "factory/tune_sub_item_dialog.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTabBar>

#include "adapters/texts.h"
#include "core/container.h"
#include "dialogs/dialog_buttons.h"
#include "toolkit/control_id.h"
#include "toolkit/form_builder.h"
#include "toolkit/translate.h"
#include "transfer/radio_work.h"
#include "transfer/transfer_prompts.h"

namespace vex::gui {
namespace {

using D = CDlgTuneSubItem;
using K = ControlKind;
constexpr ControlDef kControls[] = {
    {D::kWide, K::Radio, "Width", 7, 7, 70, 12},
    {D::kMiddle, K::Radio, "Middle", 80, 7, 70, 12},
    {D::kNarrow, K::Radio, "Narrow", 153, 7, 70, 12},
    {text::kTuneRxFreqLabel, K::Label, "RX Frequency[MHz]", 7, 45, 80, 10},
    {D::kRxFrequency, K::ReadOnlyEdit, "", 90, 43, 60, 13},
    {text::kTuneTxFreqLabel, K::Label, "TX Frequency[MHz]", 160, 45, 80, 10},
    {D::kTxFrequency, K::ReadOnlyEdit, "", 243, 43, 60, 13},
    {D::kValueText, K::Label, "Value:", 7, 64, 120, 10},
    {D::kValueMin, K::Label, "0", 7, 78, 24, 10},
    {D::kValueMax, K::Label, "255", 277, 78, 26, 10},
    {text::kTuneVolumeLabel, K::Label, "Volume", 7, 98, 80, 10},
    {D::kVolumeText, K::Label, "Volume:", 110, 98, 120, 10},
    {text::kTuneVolumeMin, K::Label, "0", 7, 112, 24, 10},
    {text::kTuneVolumeMax, K::Label, "255", 277, 112, 26, 10},
    {D::kOk, K::Button, "OK", 176, 135, 60, 15},
    {kIdCancel, K::Button, "Cancel", 243, 135, 60, 15},
};
constexpr FormDef kForm{D::kTemplateId, "Tune Sub Item", 310, 158, kControls};

template <class W>
W* place(QDialog* dialog, W* widget, int id, int x, int y, int width, int height) {
  setControlId(widget, id);
  widget->setGeometry(dialogUnitsToPixels(dialog, x, y, width, height));
  return widget;
}

QScrollBar* scrollBar(QDialog* dialog, int id, int y, int maximum, int single, int page) {
  auto* bar = place(dialog, new QScrollBar(Qt::Horizontal, dialog), id, 33, y, 241, 11);
  bar->setRange(0, maximum);
  bar->setSingleStep(single);
  bar->setPageStep(page);
  bar->setFocusPolicy(Qt::StrongFocus);  // arrows and Page Up/Down tune from the keyboard
  return bar;
}

// "Value: 12" from the label text and the number.
QString labelled(int id, const char* fallback, int value) {
  std::string label = texts::label(id);
  if (label.empty()) label = fallback;
  return QString::fromStdString(label) + QString::number(value);
}

// Tab names from the option list of 7067, by position.
std::vector<QString> pointNames() {
  std::vector<QString> names(kSubItemsPerGroup);
  for (const texts::Option& option : texts::options(D::kTabs)) {
    if (option.value >= 0 && option.value < static_cast<long>(names.size()))
      names[static_cast<std::size_t>(option.value)] = QString::fromStdString(option.text);
  }
  return names;
}

}  // namespace

CDlgTuneSubItem::CDlgTuneSubItem(CRadioLink& link, const TuneItem& item, std::uint16_t value, QWidget* parent)
    : QDialog(parent), session_(link, item, RadioDataContainer::instance().adjust(), value) {
  buildForm(this, kForm);
  tabs_ = place(this, new QTabBar(this), kTabs, 7, 24, 296, 15);
  tabs_->setExpanding(false);
  value_ = scrollBar(this, kValue, 77, session_.valueMax(), 1, 10);
  volume_ = scrollBar(this, kVolume, 111, kVolumeMax, 8, 24);
  output_ = place(this, new QPushButton(this), kOutput, 7, 135, 90, 15);
  output_->setCheckable(true);
  translateWindow(this, kTemplateId);
  setWindowTitle(QString::fromStdString(item.text));

  for (auto [id, spacing] : {std::pair{kWide, Spacing::Wide}, {kMiddle, Spacing::Middle}, {kNarrow, Spacing::Narrow}}) {
    connect(findControlAs<QRadioButton>(this, id), &QRadioButton::clicked, this,
            [this, spacing = spacing] { spacingChosen(spacing); });
  }
  connect(tabs_, &QTabBar::currentChanged, this, &CDlgTuneSubItem::tabChosen);
  connect(value_, &QScrollBar::valueChanged, this, [this](int v) {
    findControlAs<QLabel>(this, kValueText)->setText(labelled(kValueText, "Value:", v));
    if (!value_->isSliderDown()) valueSet(v);
  });
  connect(value_, &QScrollBar::sliderReleased, this, [this] { valueSet(value_->value()); });
  connect(volume_, &QScrollBar::valueChanged, this, [this](int v) {
    findControlAs<QLabel>(this, kVolumeText)->setText(labelled(kVolumeText, "Volume:", v));
    if (!volume_->isSliderDown()) volumeSet(v);
  });
  connect(volume_, &QScrollBar::sliderReleased, this, [this] { volumeSet(volume_->value()); });
  connect(output_, &QPushButton::toggled, this, &CDlgTuneSubItem::outputToggled);
  connect(findControlAs<QPushButton>(this, kOk), &QPushButton::clicked, this, &CDlgTuneSubItem::okPressed);
  connect(findControlAs<QPushButton>(this, kIdCancel), &QPushButton::clicked, this, &QDialog::reject);

  const bool volume = session_.volumeEnabled();
  const int volumeControls[] = {kVolume, text::kTuneVolumeLabel, text::kTuneVolumeMin, text::kTuneVolumeMax,
                                kVolumeText};
  for (int id : volumeControls) findControl(this, id)->setEnabled(volume);
  output_->setEnabled(!volume);
  findControlAs<QLabel>(this, kValueMin)->setText(QStringLiteral("0"));
  findControlAs<QLabel>(this, kValueMax)->setText(QString::number(session_.valueMax()));
  findControlAs<QLabel>(this, kVolumeText)->setText(labelled(kVolumeText, "Volume:", session_.volume()));
  showSpacing();
  buildTabs();
  showValue();
  showOutput();
}

bool CDlgTuneSubItem::run(const std::function<TuneStep()>& step) {
  TuneStep result;
  runRadioWork(this, [&result, &step](TransferHost&) {
    result = step();
    return 1;
  });
  if (!result.close) return true;
  closeMessage_ = result.message;
  reject();
  return false;
}

void CDlgTuneSubItem::showSpacing() {
  findControl(this, kMiddle)->setVisible(session_.middleShown());
  for (auto [id, spacing] : {std::pair{kWide, Spacing::Wide}, {kMiddle, Spacing::Middle}, {kNarrow, Spacing::Narrow}}) {
    auto* button = findControlAs<QRadioButton>(this, id);
    button->setEnabled(session_.spacingEnabled(spacing));
    button->setChecked(session_.spacing() == spacing);
  }
}

void CDlgTuneSubItem::buildTabs() {
  const QSignalBlocker quiet(tabs_);
  while (tabs_->count() > 0) tabs_->removeTab(0);
  const std::vector<QString> names = pointNames();
  if (texts::label(kTabs).empty()) showMessageText(this, text::kMsgNoTuningPoints);
  for (const TuneTab& tab : session_.tabs()) {
    const QString& name = names[tab.position];
    tabs_->addTab(name.isEmpty() ? QString::number(tab.position + 1) : name);
  }
  tabs_->setCurrentIndex(static_cast<int>(session_.currentTab()));
}

void CDlgTuneSubItem::showValue() {
  {
    const QSignalBlocker quiet(value_);
    value_->setValue(session_.value());
  }
  findControlAs<QLabel>(this, kValueText)->setText(labelled(kValueText, "Value:", session_.value()));
  const TestFreqSection& freqs = RadioDataContainer::instance().testFreq();
  const std::size_t point = session_.fivePoint();
  findControlAs<QLineEdit>(this, kRxFrequency)
      ->setText(QString::fromStdString(freqs.text(TestFreqSection::Group::FivePointRx, point)));
  findControlAs<QLineEdit>(this, kTxFrequency)
      ->setText(QString::fromStdString(freqs.text(TestFreqSection::Group::FivePointTx, point)));
}

void CDlgTuneSubItem::showOutput() {
  const bool on = session_.outputOn();
  const bool transmitter = session_.outputSelector() == 'a';
  const int caption = transmitter ? (on ? text::kTuneOutputAOn : text::kTuneOutputAOff)
                                  : (on ? text::kTuneOutputBOn : text::kTuneOutputBOff);
  const QSignalBlocker quiet(output_);
  output_->setChecked(on);
  const std::string label = texts::label(caption);
  output_->setText(label.empty() ? QStringLiteral("TX On") : QString::fromStdString(label));
}

void CDlgTuneSubItem::spacingChosen(Spacing spacing) {
  if (spacing == session_.spacing()) return;
  if (!run([this, spacing] { return session_.selectSpacing(spacing); })) return;
  showSpacing();
  buildTabs();
  showValue();
  showOutput();
}

void CDlgTuneSubItem::tabChosen(int index) {
  if (index < 0) return;
  if (!run([this, index] { return session_.selectTab(static_cast<std::size_t>(index)); })) return;
  showValue();
  showOutput();
}

void CDlgTuneSubItem::valueSet(int value) {
  run([this, value] { return session_.commitValue(value); });
}

void CDlgTuneSubItem::volumeSet(int value) {
  run([this, value] { return session_.commitVolume(value); });
}

void CDlgTuneSubItem::outputToggled(bool on) {
  run([this, on] {
    session_.switchOutput(on);
    return TuneStep::Stay();
  });
  showOutput();
}

void CDlgTuneSubItem::okPressed() {
  bool kept = false;
  runRadioWork(this, [this, &kept](TransferHost&) {
    kept = session_.finish(true);
    return 1;
  });
  ended_ = true;
  if (kept) {
    const auto values = session_.adjust().bytes();
    std::copy(values.begin(), values.end(), RadioDataContainer::instance().adjust().bytes().begin());
  }
  accept();
}

void CDlgTuneSubItem::done(int result) {
  if (!ended_) {
    ended_ = true;
    runRadioWork(this, [this](TransferHost&) { return session_.finish(false) ? 1 : 0; });
  }
  QDialog::done(result);
}

}  // namespace vex::gui
