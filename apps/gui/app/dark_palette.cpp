#include "app/dark_palette.h"

#include <QApplication>
#include <QPainter>
#include <QPalette>
#include <QProxyStyle>
#include <QStyleOption>
#include <QStyleFactory>

namespace vex::gui {
namespace {

QPalette darkPalette() {
  const QColor window(53, 53, 53), base(35, 35, 35), text(230, 230, 230), disabled(127, 127, 127);
  const QColor highlight(42, 130, 218);
  QPalette p;
  p.setColor(QPalette::Window, window);
  p.setColor(QPalette::WindowText, text);
  p.setColor(QPalette::Base, base);
  p.setColor(QPalette::AlternateBase, window);
  p.setColor(QPalette::ToolTipBase, base);
  p.setColor(QPalette::ToolTipText, text);
  p.setColor(QPalette::PlaceholderText, disabled);
  p.setColor(QPalette::Text, text);
  p.setColor(QPalette::Button, window);
  p.setColor(QPalette::ButtonText, text);
  p.setColor(QPalette::BrightText, Qt::red);
  p.setColor(QPalette::Link, highlight.lighter(130));
  p.setColor(QPalette::LinkVisited, highlight.lighter(110));
  p.setColor(QPalette::Highlight, highlight);
  p.setColor(QPalette::HighlightedText, Qt::white);
  p.setColor(QPalette::Light, window.lighter(150));
  p.setColor(QPalette::Midlight, window.lighter(125));
  p.setColor(QPalette::Mid, window.darker(120));
  p.setColor(QPalette::Dark, window.darker(150));
  p.setColor(QPalette::Shadow, Qt::black);
  for (QPalette::ColorRole role :
       {QPalette::WindowText, QPalette::Text, QPalette::ButtonText, QPalette::HighlightedText})
    p.setColor(QPalette::Disabled, role, disabled);
  p.setColor(QPalette::Disabled, QPalette::Highlight, window.lighter(130));
  return p;
}

// Fusion outlines a check box a shade darker than the window, which on dark
// ground leaves an unticked box all but invisible: this one rims it in the
// text colour, half strength.
class VisibleCheckStyle : public QProxyStyle {
 public:
  using QProxyStyle::QProxyStyle;
  void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override {
    QProxyStyle::drawPrimitive(element, option, painter, widget);
    if (element != PE_IndicatorCheckBox) return;
    QColor rim = option->palette.color(QPalette::Text);
    rim.setAlpha(option->state & State_Enabled ? 150 : 70);
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing, false);
    painter->setPen(rim);
    painter->setBrush(Qt::NoBrush);
    painter->drawRect(option->rect.adjusted(0, 0, -1, -1));
    painter->restore();
  }
};

}  // namespace

bool applyPaletteFromEnvironment() {
  if (qEnvironmentVariable("VEXPROG_PALETTE").compare(QStringLiteral("dark"), Qt::CaseInsensitive) != 0) return false;
  QApplication::setStyle(new VisibleCheckStyle(QStyleFactory::create(QStringLiteral("Fusion"))));
  QApplication::setPalette(darkPalette());
  return true;
}

}  // namespace vex::gui
