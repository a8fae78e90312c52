#include "toolkit/entry_edits.h"

#include <QComboBox>
#include <QLocale>

#include "core/frequency_entry.h"

namespace vex::gui {
namespace {

QString withSeparator(const char* digits) {
  QString allowed = QString::fromLatin1(digits);
  allowed += QLatin1Char('.');
  if (!allowed.contains(userDecimalSeparator())) allowed += userDecimalSeparator();
  return allowed;
}

}  // namespace

QString dotted(QString typed, QChar separator) { return typed.replace(separator, QLatin1Char('.')); }

QChar userDecimalSeparator() {
  const QString point = QLocale().decimalPoint();
  return point.isEmpty() ? QLatin1Char('.') : point.front();
}

CFreqEdit::CFreqEdit(QWidget* parent)
    : CharFilterEdit(parent, withSeparator(kCtcssDigits)),
      separator_(userDecimalSeparator()),
      value_(kNoFrequency),
      stepCode_(kNoStepCode) {
  setMaxLength(kFrequencyTextLength);
  connect(this, &QLineEdit::editingFinished, this, &CFreqEdit::commit);
}

void CFreqEdit::setValue(std::uint32_t value) {
  const FrequencyEntry entry = ShowFrequencyEntry(value);
  value_ = entry.value;
  stepCode_ = entry.stepCode;
  setText(QString::fromStdString(entry.text));
}

bool CFreqEdit::commit() {
  const FrequencyEntry entry = CommitFrequencyEdit(dotted(text(), separator_).toStdString(), band_);
  value_ = entry.value;
  stepCode_ = entry.stepCode;
  const QString shown = QString::fromStdString(entry.text);
  if (shown != text()) setText(shown);
  if (entry.clamped) emit outOfBand();
  return entry.clamped;
}

CCtcssEdit::CCtcssEdit(QWidget* parent)
    : CharFilterEdit(parent, withSeparator(kCtcssDigits)), separator_(userDecimalSeparator()) {
  setMaxLength(kCtcssTextLength);
}

QString CCtcssEdit::normalized(const QString& text) const {
  return QString::fromStdString(NormalizeCtcssText(dotted(text, separator_).toStdString()));
}

void makeCtcssCombo(QComboBox* combo) {
  combo->setEditable(true);
  combo->setInsertPolicy(QComboBox::NoInsert);
  combo->setLineEdit(new CCtcssEdit(combo));
  for (const std::string& tone : CtcssToneTexts()) combo->addItem(QString::fromStdString(tone));
}

void makeCdcssCombo(QComboBox* combo) {
  combo->setEditable(true);
  combo->setInsertPolicy(QComboBox::NoInsert);
  auto* edit = new CharFilterEdit(combo, QString::fromLatin1(kCdcssDigits));
  edit->setMaxLength(kCdcssTextLength);
  combo->setLineEdit(edit);
  for (const std::string& code : CdcssCodeTexts()) combo->addItem(QString::fromStdString(code));
}

QWidget* createFreqEdit(QWidget* parent) { return new CFreqEdit(parent); }

QWidget* createCtcssCombo(QWidget* parent) {
  auto* combo = new QComboBox(parent);
  makeCtcssCombo(combo);
  return combo;
}

QWidget* createCdcssCombo(QWidget* parent) {
  auto* combo = new QComboBox(parent);
  makeCdcssCombo(combo);
  return combo;
}

}  // namespace vex::gui
