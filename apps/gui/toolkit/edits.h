#pragma once
// The small edit controls the form views share. Each is a line edit with one
// added behaviour; the number rules of range edits come from the control's
// option list (a range rule).
#include <cstdint>
#include <functional>
#include <vector>

#include <QLineEdit>

#include "adapters/texts.h"

namespace vex::gui {

// Holds at most maxBytes encoded bytes (at most 255); longer input is cut at a
// character boundary and the caret goes to the end.
class ByteLimitedEdit : public QLineEdit {
  Q_OBJECT
 public:
  explicit ByteLimitedEdit(QWidget* parent = nullptr);
  void setMaxBytes(int bytes);
  int maxBytes() const { return maxBytes_; }
  // Counts the encoded bytes of a text; UTF-8 unless a view sets another.
  void setByteCounter(std::function<int(const QString&)> counter);

 private:
  void enforceLimit();
  int maxBytes_ = 255;
  std::function<int(const QString&)> counter_;
};

// Lets `edit` take only characters of `allowed` (any when it is empty);
// typing or pasting anything else is refused with a beep.
void limitCharacters(QLineEdit* edit, const QString& allowed);

// Accepts only characters of its set (any when the set is empty); typing or
// pasting anything else is refused with a beep. When it loses the focus its
// text becomes normalized(text): edits with a value of their own (a tone, a
// frequency) override normalized to correct what was typed.
class CharFilterEdit : public QLineEdit {
  Q_OBJECT
 public:
  static constexpr const char* kDigits = "0123456789";
  explicit CharFilterEdit(QWidget* parent = nullptr, const QString& allowed = kDigits);
  void setAllowed(const QString& allowed);

 protected:
  virtual QString normalized(const QString& text) const { return text; }
};

// N hexadecimal digits (12 unless set) that stand for N/2 bytes, two digits
// per byte, high digit in the high half; every byte value round-trips.
class DigitPairEdit : public CharFilterEdit {
  Q_OBJECT
 public:
  explicit DigitPairEdit(QWidget* parent = nullptr);
  void setDigits(int digits);
  void setBytes(const std::vector<std::uint8_t>& bytes);
  std::vector<std::uint8_t> bytes() const;

 private:
  int digits_ = 12;
};

// A number edit driven by a range rule (lib/config's range-edit rules): on
// losing the focus the number is rounded down to a multiple of the step and
// clamped to the range.
class RangeEdit : public QLineEdit {
  Q_OBJECT
 public:
  explicit RangeEdit(QWidget* parent = nullptr);
  void setRule(const RangeRule& rule) { rule_ = rule; }
  const RangeRule& rule() const { return rule_; }
  virtual void setRaw(long raw);
  // Commits the shown text (as losing the focus does) and returns its raw value.
  virtual long raw();
  // One step of its spin button (`up`: towards larger numbers); the new text
  // is selected whole.
  virtual void spin(bool up);

 protected:
  void show(const std::string& text);
  RangeRule rule_;
};

// A range edit where raw 0 stands for "off" (message text 1174).
class RangeOffEdit : public RangeEdit {
  Q_OBJECT
 public:
  explicit RangeOffEdit(QWidget* parent = nullptr);
  void setRaw(long raw) override;
  long raw() override;
  void spin(bool up) override;
  static std::string offText();
};

}  // namespace vex::gui
