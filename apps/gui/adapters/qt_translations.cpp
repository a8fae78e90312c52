#include "adapters/qt_translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace vex::gui {

bool applyQtTranslations(bool simplifiedChinese) {
  static QTranslator* installed = nullptr;
  if (installed) {
    QCoreApplication::removeTranslator(installed);
    delete installed;
    installed = nullptr;
  }
  if (!simplifiedChinese) return true;
  auto* translator = new QTranslator;
  // qtbase carries the stock dialogs and buttons (Debian: qt6-translations-l10n).
  if (!translator->load(QStringLiteral("qtbase_zh_CN"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    delete translator;
    return false;
  }
  QCoreApplication::installTranslator(translator);
  installed = translator;
  return true;
}

}  // namespace vex::gui
