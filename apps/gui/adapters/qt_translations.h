#pragma once
// Qt's own texts (stock dialog buttons, file and print dialogs, context
// menus) in the language the program shows.

namespace vex::gui {

// Installs Qt's Simplified Chinese translations, or removes them for
// English. False when they were asked for and are not installed.
bool applyQtTranslations(bool simplifiedChinese);

}  // namespace vex::gui
