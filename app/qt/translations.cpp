#include "qt/translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace norvika {

void installTranslations(QCoreApplication& application, const QLocale& locale) {
  // Owned by the application, so they live as long as the texts they translate.
  auto* qt = new QTranslator(&application);
  if (qt->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
               QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    QCoreApplication::installTranslator(qt);
  } else {
    delete qt;
  }
  auto* own = new QTranslator(&application);
  if (own->load(locale, QStringLiteral("norvika"), QStringLiteral("_"), QStringLiteral(":/i18n"))) {
    QCoreApplication::installTranslator(own);
  } else {
    delete own;
  }
}

}  // namespace norvika
