#include "toolkit/edits.h"

#include <QApplication>
#include <QValidator>

#include "base/text_ids.h"
#include "config/range_edit.h"

namespace vex::gui {
namespace {

constexpr int kOffText = text::kMsgOff;
const QString kHexDigits = QStringLiteral("0123456789ABCDEFabcdef");

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

void limitCharacters(QLineEdit* edit, const QString& allowed) {
  const QValidator* old = edit->validator();
  edit->setValidator(allowed.isEmpty() ? nullptr : new CharSetValidator(allowed, edit));
  if (old && old->parent() == edit) delete old;
}

CharFilterEdit::CharFilterEdit(QWidget* parent, const QString& allowed) : QLineEdit(parent) {
  setAllowed(allowed);
  connect(this, &QLineEdit::editingFinished, this, [this] {
    const QString corrected = normalized(text());
    if (corrected != text()) setText(corrected);
  });
}

void CharFilterEdit::setAllowed(const QString& allowed) { limitCharacters(this, allowed); }

DigitPairEdit::DigitPairEdit(QWidget* parent) : CharFilterEdit(parent, kHexDigits) { setMaxLength(digits_); }

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
    bool ok = false;
    const int value = digits.mid(i, 2).toInt(&ok, 16);
    result.push_back(static_cast<std::uint8_t>(ok ? value : 0));
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

void RangeEdit::spin(bool up) {
  show(SpinRangeEdit(rule_, text().toStdString(), up));
  selectAll();
}

RangeOffEdit::RangeOffEdit(QWidget* parent) : RangeEdit(parent) {}

void RangeOffEdit::spin(bool up) {
  show(SpinRangeEditWithOff(rule_, text().toStdString(), up, offText()));
  selectAll();
}

std::string RangeOffEdit::offText() { return texts::message(kOffText); }

void RangeOffEdit::setRaw(long raw) { show(ShowRangeEditWithOff(rule_, raw, offText())); }

long RangeOffEdit::raw() {
  const RangeEditValue value = CommitRangeEditWithOff(rule_, text().toStdString(), offText());
  show(value.text);
  return value.raw;
}

}  // namespace vex::gui
