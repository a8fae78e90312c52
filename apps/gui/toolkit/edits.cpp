#include "toolkit/edits.h"

#include <QApplication>
#include <QValidator>

#include "base/text_ids.h"
#include "config/range_edit.h"

namespace vex::gui {
namespace {

constexpr int kOffText = text::kMsgOff;

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

CharFilterEdit::CharFilterEdit(QWidget* parent, const QString& allowed) : QLineEdit(parent) { setAllowed(allowed); }

void CharFilterEdit::setAllowed(const QString& allowed) {
  allowed_ = allowed;
  delete validator();
  setValidator(new CharSetValidator(allowed, this));
}

QString CharFilterEdit::allowedText() const {
  QString kept;
  for (QChar c : text())
    if (allowed_.contains(c)) kept += c;
  return kept.left(maxLength());
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

void RangeEdit::show(const std::string& text) {
  const QString shown = QString::fromStdString(text);
  if (this->text() != shown) setText(shown);
}

void RangeEdit::setRaw(long raw) { show(ShowRangeEdit(rule_, raw)); }

long RangeEdit::raw() {
  const RangeEditValue value = CommitRangeEdit(rule_, text().toStdString());
  show(value.text);
  return value.raw;
}

void RangeEdit::step(SpinStep direction) {
  setText(QString::fromStdString(stepped(direction).text));
  selectAll();
}

RangeEditValue RangeEdit::stepped(SpinStep direction) const {
  return StepRangeEdit(rule_, text().toStdString(), direction);
}

RangeOffEdit::RangeOffEdit(QWidget* parent) : RangeEdit(parent) {}

std::string RangeOffEdit::offText() { return texts::message(kOffText); }

void RangeOffEdit::setRaw(long raw) { show(ShowRangeEditWithOff(rule_, raw, offText())); }

long RangeOffEdit::raw() {
  const RangeEditValue value = CommitRangeEditWithOff(rule_, text().toStdString(), offText());
  show(value.text);
  return value.raw;
}

RangeEditValue RangeOffEdit::stepped(SpinStep direction) const {
  return StepRangeEditWithOff(rule_, text().toStdString(), direction, offText());
}

}  // namespace vex::gui
