#pragma once
// The entry controls of frequencies and tones: the frequency edit (typed MHz,
// pulled into the band with a warning, put on its raster), the CTCSS entry
// (the user's decimal separator, 40.0..300.0 Hz) and the CDCSS entry (octal
// digits). The rules are the library's; these filter keys and call them.
#include <cstdint>

#include "core/channel_values.h"
#include "toolkit/edits.h"

class QComboBox;

namespace vex::gui {

// The decimal separator of the user's locale (its first character).
QChar userDecimalSeparator();
// A typed number with the user's separator as the '.' the library reads.
QString dotted(QString typed, QChar separator = userDecimalSeparator());

class CFreqEdit : public CharFilterEdit {
  Q_OBJECT
 public:
  explicit CFreqEdit(QWidget* parent = nullptr);

  void setBand(const BandLimits& band) { band_ = band; }
  // Shows a frequency value (none: empty) on its raster.
  void setValue(std::uint32_t value);
  std::uint32_t value() const { return value_; }
  std::uint8_t stepCode() const { return stepCode_; }
  // Takes the typed text as leaving the edit does; true when the frequency
  // had to be pulled into the band (outOfBand is emitted then too).
  bool commit();

 signals:
  // A typed frequency was pulled into the band.
  void outOfBand();

 private:
  QChar separator_;  // the user's, when the edit was made
  BandLimits band_;
  std::uint32_t value_;
  std::uint8_t stepCode_;
};

// A CTCSS tone entry: digits and the user's decimal separator; on leaving,
// the tone is clamped to 40.0..300.0 Hz and written with one decimal.
class CCtcssEdit : public CharFilterEdit {
  Q_OBJECT
 public:
  explicit CCtcssEdit(QWidget* parent = nullptr);

 protected:
  QString normalized(const QString& text) const override;

 private:
  QChar separator_;  // the user's, when the edit was made
};

// Gives an editable combo box its tone entry and the standard list: CTCSS
// tones through a CCtcssEdit, CDCSS codes through octal digits only.
void makeCtcssCombo(QComboBox* combo);
void makeCdcssCombo(QComboBox* combo);

// The entry controls for template tables (ControlKind::Custom).
QWidget* createFreqEdit(QWidget* parent);
QWidget* createCtcssCombo(QWidget* parent);
QWidget* createCdcssCombo(QWidget* parent);

}  // namespace vex::gui
