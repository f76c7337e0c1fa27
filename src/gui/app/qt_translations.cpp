// Loading Qt's translations (Debian qt6-translations-l10n) for the caption language.
#include "gui/app/qt_translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "app/captions.h"

namespace kv40::app {
namespace {

QLocale LocaleOf(int language) {
  switch (language) {
    case kEnglish:
      return QLocale(QLocale::English, QLocale::UnitedStates);
    case kFrench:
      return QLocale(QLocale::French, QLocale::France);
    case kItalian:
      return QLocale(QLocale::Italian, QLocale::Italy);
    case kSwedish:
      return QLocale(QLocale::Swedish, QLocale::Sweden);
    case kPortuguese:  // Qt ships the Brazilian texts only
      return QLocale(QLocale::Portuguese, QLocale::Brazil);
    case kRomanian:
      return QLocale(QLocale::Romanian, QLocale::Romania);
    case kKorean:
      return QLocale(QLocale::Korean, QLocale::SouthKorea);
    case kSpanish:
      return QLocale(QLocale::Spanish, QLocale::Spain);
    default:
      return QLocale(QLocale::German, QLocale::Germany);
  }
}

}  // namespace

bool UseQtTranslations(int language) {
  static QTranslator* current = nullptr;
  if (current != nullptr) {
    QCoreApplication::removeTranslator(current);
    delete current;
    current = nullptr;
  }
  auto* translator = new QTranslator(QCoreApplication::instance());
  if (!translator->load(LocaleOf(language), "qtbase", "_",
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    delete translator;
    return false;
  }
  QCoreApplication::installTranslator(translator);
  current = translator;
  return true;
}

}  // namespace kv40::app
