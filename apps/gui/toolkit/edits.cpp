#include "toolkit/edits.h"

#include <cmath>
#include <cstdio>

#include <QApplication>
#include <QValidator>

namespace vex::gui {
namespace {

// Refuses any text that holds a character outside the allowed set.
class CharSetValidator : public QValidator {
 public:
  CharSetValidator(const QString& allowed, QObject* parent) : QValidator(parent), allowed_(allowed) {}
  State validate(QString& input, int&) const override {
    for (QChar c : input) {
      if (!allowed_.contains(c) && c != '\n' && c != '\r') {
        QApplication::beep();
        return Invalid;
      }
    }
    return Acceptable;
  }

 private:
  QString allowed_;
};

}  // namespace

ByteLimitedEdit::ByteLimitedEdit(QWidget* parent) : QLineEdit(parent) {
  counter_ = [](const QString& text) { return static_cast<int>(text.toUtf8().size()); };
  connect(this, &QLineEdit::textChanged, this, &ByteLimitedEdit::enforceLimit);
}

void ByteLimitedEdit::setMaxBytes(int bytes) {
  maxBytes_ = std::clamp(bytes, 0, 255);
  enforceLimit();
}

void ByteLimitedEdit::setByteCounter(std::function<int(const QString&)> counter) {
  if (counter) counter_ = std::move(counter);
  enforceLimit();
}

void ByteLimitedEdit::enforceLimit() {
  QString current = text();
  if (counter_(current) <= maxBytes_) return;
  // Cut whole characters (surrogate pairs stay together) until it fits.
  while (!current.isEmpty() && counter_(current) > maxBytes_) {
    int cut = current.size() - 1;
    if (cut > 0 && current.at(cut).isLowSurrogate()) --cut;
    current.truncate(cut);
  }
  const QSignalBlocker block(this);
  setText(current);
  setCursorPosition(current.size());
}

CharFilterEdit::CharFilterEdit(QWidget* parent, const QString& allowed) : QLineEdit(parent) {
  setAllowed(allowed);
}

void CharFilterEdit::setAllowed(const QString& allowed) {
  delete validator();
  setValidator(new CharSetValidator(allowed, this));
}

DigitPairEdit::DigitPairEdit(QWidget* parent) : CharFilterEdit(parent, kDigits) { setMaxLength(digits_); }

void DigitPairEdit::setDigits(int digits) {
  digits_ = std::clamp(digits - digits % 2, 2, 64);
  setMaxLength(digits_);
}

void DigitPairEdit::setBytes(const std::vector<std::uint8_t>& bytes) {
  QString shown;
  for (std::size_t i = 0; i < bytes.size() && static_cast<int>(i) < digits_ / 2; ++i)
    shown += QStringLiteral("%1").arg(bytes[i], 2, 16, QLatin1Char('0')).toUpper();
  setText(shown);
}

std::vector<std::uint8_t> DigitPairEdit::bytes() const {
  QString digits = text().left(digits_).rightJustified(digits_, QLatin1Char('0'));
  std::vector<std::uint8_t> result;
  for (int i = 0; i + 1 < digits.size(); i += 2) {
    const int high = digits.at(i).digitValue();
    const int low = digits.at(i + 1).digitValue();
    result.push_back(static_cast<std::uint8_t>(((high < 0 ? 0 : high) << 4) | (low < 0 ? 0 : low)));
  }
  return result;
}

RangeEdit::RangeEdit(QWidget* parent) : QLineEdit(parent) {
  connect(this, &QLineEdit::editingFinished, this, [this] { raw(); });
}

void RangeEdit::setRule(const texts::RangeRule& rule) {
  rule_ = rule;
  if (rule_.step <= 0) rule_.step = 1;
  if (rule_.divisor == 0) rule_.divisor = 1;
  if (rule_.rawStep == 0) rule_.rawStep = 1;
}

int RangeEdit::numberOfRaw(long raw) const {
  return rule_.first + static_cast<int>((raw - rule_.rawBase) * rule_.step / rule_.rawStep);
}

QString RangeEdit::textOfNumber(int n) const {
  if (rule_.decimals > 0) return QString::number(static_cast<double>(n) / rule_.divisor, 'f', rule_.decimals);
  return QString::number(n);
}

int RangeEdit::normalisedNumber(bool* empty) const {
  const QString shown = text().trimmed();
  *empty = shown.isEmpty();
  bool ok = false;
  const double number = shown.toDouble(&ok);
  long n = 0;
  if (ok && std::isfinite(number) && std::fabs(number) < 1e9)
    n = rule_.decimals > 0 ? static_cast<long>(std::floor(rule_.divisor * number + 0.001))
                           : static_cast<long>(std::floor(number));
  n -= ((n % rule_.step) + rule_.step) % rule_.step;
  return static_cast<int>(std::clamp<long>(n, rule_.first, std::max(rule_.first, rule_.last)));
}

long RangeEdit::rawOfNumber(int n) const {
  return rule_.rawBase + static_cast<long>(n - rule_.first) * rule_.rawStep / rule_.step;
}

void RangeEdit::setRaw(long raw) { setText(textOfNumber(numberOfRaw(raw))); }

long RangeEdit::raw() {
  bool empty = false;
  const int n = normalisedNumber(&empty);
  const QString shown = textOfNumber(n);
  if (text() != shown) setText(shown);
  return rawOfNumber(n);
}

RangeOffEdit::RangeOffEdit(QWidget* parent) : RangeEdit(parent) {}

QString RangeOffEdit::offText() {
  const std::string text = texts::message(1174);
  return text.empty() ? QStringLiteral("Off") : QString::fromStdString(text);
}

void RangeOffEdit::setRaw(long raw) {
  if (raw == 0)
    setText(offText());
  else
    RangeEdit::setRaw(raw);
}

long RangeOffEdit::raw() {
  const QString shown = text().trimmed();
  bool ok = false;
  const double typed = shown.toDouble(&ok);
  const double scaled = rule_.decimals > 0 ? typed * rule_.divisor + 0.001 : typed;
  // Empty, the "off" word, text that is no number and anything that rounds
  // down to 0 all mean off.
  if (shown.isEmpty() || shown == offText() || !ok || std::floor(scaled) < rule_.step) {
    if (text() != offText()) setText(offText());
    return 0;
  }
  bool empty = false;
  const int n = normalisedNumber(&empty);
  const QString normal = textOfNumber(n);
  if (text() != normal) setText(normal);
  return rawOfNumber(n);
}

}  // namespace vex::gui
